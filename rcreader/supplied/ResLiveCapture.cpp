#include "ResLiveCapture.h"

#include "CaptureWatchdog.h"
#include "StdDlgRecognizer.h"

CResLiveCapture::CResLiveCapture(HWND mainWindow, UINT boundMs) : m_hMainWindow(mainWindow), m_nBoundMs(boundMs) {}

bool CResLiveCapture::CaptureMessageBox(ResMessageBoxCapture& out) {
  CStdButtonModel model;
  bool captured = false;
  {
    CLwvCaptureWatchdog bound(m_nBoundMs);
    captured = model.Capture() && !bound.Fired();
  }
  if (!captured) return false;
  for (int i = 0; i < LWV_MB_BUTTONS; ++i) {
    out.buttons[i].text = model.GetText(i);
    out.buttons[i].cx = model.GetWidth(i);
    out.buttons[i].cy = model.GetHeight(i);
  }
  return true;
}

bool CResLiveCapture::CaptureStdDialog(int kind, ResStdDialogCapture& out) {
  if (kind < 0 || kind >= LWV_STDDLG_KINDS) return false;
  CStdDlgRecognizer recognizer(kind);
  bool captured = false;
  {
    CLwvCaptureWatchdog bound(m_nBoundMs);
    captured = recognizer.Capture() && !bound.Fired();
  }
  if (!captured) return false;
  out.caption = recognizer.GetCaption();
  out.controls.resize(static_cast<size_t>(recognizer.GetControlCount()));
  for (int i = 0; i < recognizer.GetControlCount(); ++i) {
    ResCapturedControl& c = out.controls[static_cast<size_t>(i)];
    c.text = recognizer.GetControlText(i);
    c.x = recognizer.GetControlLeft(i);
    c.y = recognizer.GetControlTop(i);
    c.cx = recognizer.GetControlWidth(i);
    c.cy = recognizer.GetControlHeight(i);
  }
  return true;
}

bool CResLiveCapture::ReadSystemMenu(std::vector<CString>& items) {
  HMENU system = m_hMainWindow ? GetSystemMenu(m_hMainWindow, FALSE) : nullptr;
  if (!system) return false;
  const int count = GetMenuItemCount(system);
  for (int i = 0; i < count; ++i) {
    TCHAR text[256] = {0};
    const int length = GetMenuString(system, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    items.push_back(CString(text, length > 0 ? length : 0));
  }
  return true;
}
