#include "WindowKinds.h"

#include <commctrl.h>
#include <prsht.h>

namespace lwtest {

bool HasClass(HWND wnd, LPCTSTR className) {
  TCHAR name[64] = {};
  ::GetClassName(wnd, name, 64);
  return lw::StrCmp(name, className) == 0;
}

bool IsDialogWindow(HWND wnd) { return HasClass(wnd, _T("#32770")); }

bool IsPropertySheet(HWND wnd) { return IsDialogWindow(wnd) && ::SendMessage(wnd, PSM_GETTABCONTROL, 0, 0) != 0; }

bool IsMessageBox(HWND wnd) {
  if (!IsDialogWindow(wnd) || !::GetDlgItem(wnd, 0xFFFF)) return false;
  for (HWND child = ::GetWindow(wnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (!HasClass(child, _T("Static")) && !HasClass(child, _T("Button"))) return false;
  return true;
}

}  // namespace lwtest
