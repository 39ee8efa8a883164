// The live captures of the entries the library supplies (Windows only): the
// library's button model shows sample message boxes, a property sheet and a
// wizard in capture mode, a common dialog's recogniser shows that dialog
// once, and the system menu is read from the program's main window. Every
// capture that shows a window runs under a bound: a window still open when
// it passes is closed and the capture fails. The caller suspends the
// library's translation around the captures; this class does not.
#pragma once

#include "ResLibraryCapture.h"

class CResLiveCapture : public IResLibraryCapture {
 public:
  // mainWindow: whose system menu is read (may be null: no system menu).
  explicit CResLiveCapture(HWND mainWindow, UINT boundMs = kDefaultBoundMs);

  static const UINT kDefaultBoundMs = 20000;

  bool CaptureMessageBox(ResMessageBoxCapture& out) override;
  bool CaptureStdDialog(int kind, ResStdDialogCapture& out) override;
  bool ReadSystemMenu(std::vector<CString>& items) override;

 private:
  HWND m_hMainWindow;
  UINT m_nBoundMs;
};
