// The dialog editor's small position window (template 172): the rectangle
// worked on and the mouse point, in dialog units. Modeless, created at
// once by the constructor; the texts come from PositionTexts.h.
#pragma once

#include "FrameworkWin.h"

class CPositionInfoDlg : public CDialog {
 public:
  explicit CPositionInfoDlg(CWnd* parent);
  ~CPositionInfoDlg() override;

  // A rectangle in dialog units, or none (null).
  void SetRect(const RECT* r);
  void SetPoint(int x, int y);
  // Moves the window so that its left edge is at x and its bottom at y
  // (screen), without resizing, activating or changing the z-order.
  void MoveBeside(int x, int y);

  void OnOK() override {}
  void OnCancel() override {}
};
