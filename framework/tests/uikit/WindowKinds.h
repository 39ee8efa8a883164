// What kind of window a handle is: its class, a dialog, a property sheet, a
// message box. Only looks at the window; finding and reading windows is
// WindowFinders.h and WindowReaders.h.
#pragma once

#include "Framework.h"

#include <windows.h>

namespace lwtest {

bool HasClass(HWND wnd, LPCTSTR className);
bool IsDialogWindow(HWND wnd);  // class #32770: dialogs, message boxes, sheets, common dialogs
bool IsPropertySheet(HWND wnd);
// A dialog with the message text static (id 0xFFFF) and nothing but statics
// and buttons (common dialogs have unnamed statics too).
bool IsMessageBox(HWND wnd);

}  // namespace lwtest
