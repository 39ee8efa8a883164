// Lingoweave for programs built on the class library. Include it after the
// framework headers: from here on the name CString means the
// translation-aware __X_CString in the program's own code.
#pragma once

#include "FrameworkWin.h"
#include "Lwv.h"
#include "XWinApp.h"

// Message box with the translated text of a string-table id (a help id of
// -1 takes the string id, as the framework's message box does), or with a
// text shown unchanged.
int LWAfxMessageBox(UINT id, UINT type = MB_OK, UINT helpId = UINT(-1));
int LWAfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);

// Framework-object forms of the window and menu functions (C++ overloads of
// the handle forms; null objects do nothing).
void LWTranslateDialog(CWnd* dialog, int mode);
void LWTranslateMenu(CWnd* window);
void LWTranslateHMenu(CMenu* menu);

// Framework forms of the flag and switch-dialog functions (new bitmap
// objects belong to the caller).
CBitmap* LWGetFlagBitmap(CDC* dc);
CBitmap* LWGetOtherFlagBitmap(LPCTSTR path, CDC* dc);
void LWShowSwitchDialogEx(const CString& caption, const CString& listLabel, const CString& ok, const CString& cancel,
                          const CString& help, const CString& versionPrefix, const CString& warning,
                          const CString& failure);

#define CString __X_CString
