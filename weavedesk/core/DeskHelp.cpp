#include "DeskHelp.h"

#include <algorithm>

CString DeskHelpFileOf(const CString& modulePath) {
  const int dot = modulePath.ReverseFind(_T('.'));
  const int slash = std::max(modulePath.ReverseFind(_T('\\')), modulePath.ReverseFind(_T('/')));
  if (dot < 0 || dot < slash) return CString();
  return modulePath.Left(dot) + _T(".hlp");
}

DWORD DeskHelpContext(UINT command, UINT control, UINT mainResource) {
  if (command != 0) return DESK_HID_COMMAND + command;
  if (control != 0 && control != 0xFFFF) return DESK_HID_CONTROL + control;  // 0xFFFF: a label
  return DESK_HID_RESOURCE + mainResource;
}
