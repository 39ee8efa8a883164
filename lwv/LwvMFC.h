// Lingoweave for programs built on the class library. Include it after the
// framework headers: from here on the name CString means the
// translation-aware __X_CString in the program's own code. Declares the C++
// forms of the LW functions (CString, CWnd, CMenu, CDC), the message box with
// a translated text, the application base __X_CWinApp and the LWFIX_ macros.
// All of it lives in the program (inline here, or the host-side library
// lwvmfc_a / lwvmfc_u) on top of the C functions of Lwv.h.
#pragma once

#include "FrameworkWin.h"
#include "Lwv.h"
#include "LwvFixMacros.h"
#include "LwvStrings.h"
#include "XString.h"
#include "XWinApp.h"

// Message box with the translated text of a string-table id (a help id of
// -1 takes the string id, as the framework's message box does), or with a
// text shown unchanged.
int LWAfxMessageBox(UINT id, UINT type = MB_OK, UINT helpId = UINT(-1));
int LWAfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);

// Framework-object forms of the window and menu functions (null objects do
// nothing).
inline void LWTranslateDialog(CWnd* dialog, int mode) {
  if (dialog) LWTranslateDialog(dialog->GetSafeHwnd(), mode);
}
inline void LWTranslateMenu(CWnd* window) {
  if (window) LWTranslateMenu(window->GetSafeHwnd());
}
inline void LWTranslateHMenu(CMenu* menu) {
  if (menu) LWTranslateHMenu(menu->GetSafeHmenu());
}

namespace lw {
inline CBitmap* WrapBitmap(HBITMAP bitmap) {
  if (!bitmap) return nullptr;
  CBitmap* object = new CBitmap;
  object->Attach(bitmap);
  return object;
}
}  // namespace lw

// Framework forms of the flag functions: new bitmap objects that belong to
// the caller.
inline CBitmap* LWGetFlagBitmap(CDC* dc) { return lw::WrapBitmap(LWGetFlagBitmap(dc ? dc->m_hDC : nullptr)); }
inline CBitmap* LWGetOtherFlagBitmap(LPCTSTR path, CDC* dc) {
  return lw::WrapBitmap(LWGetOtherFlagBitmap(path, dc ? dc->m_hDC : nullptr));
}
// The switch dialog with the caller's texts.
inline void LWShowSwitchDialogEx(const LwFrameworkString& caption, const LwFrameworkString& listLabel,
                                 const LwFrameworkString& ok, const LwFrameworkString& cancel,
                                 const LwFrameworkString& help, const LwFrameworkString& versionPrefix,
                                 const LwFrameworkString& warning, const LwFrameworkString& failure) {
  LWShowSwitchDialogEx(caption.GetString(), listLabel.GetString(), ok.GetString(), cancel.GetString(),
                       help.GetString(), versionPrefix.GetString(), warning.GetString(), failure.GetString());
}

#define CString __X_CString
