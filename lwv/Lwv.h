// Lingoweave for programs built on the class library: the C functions, the
// string functions and the translation-aware string class. LwvMFC.h adds the
// application base and maps CString onto __X_CString.
#pragma once

#include "Framework.h"
#include "LwvSDK.h"
#include "XString.h"

#include <memory>

class CTraFile;

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

// The busy flag: while it is set the hooks translate no dialog, menu, common
// dialog, status bar or tooltip (capture of the standard buttons still
// works). A host sets it around windows of its own that the library is to
// leave alone. Returns the flag as it was; FALSE and nothing set without
// LWStart.
BOOL LWSetBusy(BOOL busy);
BOOL LWIsBusy();
// The language file the program itself runs in, kept alive while the caller
// holds it (a switch meanwhile makes another file current); null without
// LWStart or a loaded file. Read only: the library uses it at the same time.
std::shared_ptr<const CTraFile> LWGetCurrentFile();
