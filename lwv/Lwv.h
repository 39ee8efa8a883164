// Lingoweave for programs built on the class library: the C functions, the
// string functions and the translation-aware string class. LwvMFC.h adds the
// application base and maps CString onto __X_CString.
#pragma once

#include "Framework.h"
#include "LwvSDK.h"
#include "XString.h"

// Translates a string-table text in place (whole text, status-bar prompt
// part, tooltip part); FALSE and the text unchanged when there is nothing.
BOOL LWTranslateString(CString& text);
BOOL LWTranslateStatusText(CString& text);
BOOL LWTranslateToolTip(CString& text);
// Information of the current language file / of the file at path.
BOOL LWGetFileInfo(LW_FILEINFO& info);
BOOL LWGetOtherFileInfo(LPCTSTR path, LW_FILEINFO& info);
// Loads string id translated; the switch command's id yields its prompt and tip.
BOOL LWLoadString(CString& text, UINT id);
