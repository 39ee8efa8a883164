// The editor's owner-drawn toolbar. CZweiTool paints the toolbar control's
// buttons itself from four picture strips (looks: hot, normal, disabled,
// checked) through a back buffer, with etched separators and hot
// tracking; CZweiToolBar supplies the button drawing. Button ids come from
// the toolbar resource; tooltips from the frame as for any toolbar.
#pragma once

#include "FrameworkWin.h"
#include "ToolButtonState.h"

#include <vector>

class CZweiTool : public CToolBar {
 public:
  CZweiTool(int pictureWidth, int pictureHeight, bool gripper);
  ~CZweiTool() override;

  void SetButtonLayout(int buttonWidth, int buttonHeight, int pictureY, int labelY, bool showLabels,
                       const LOGFONT* labelFont, UINT labelBase);
  // The buttons of toolbar resource toolbarId and the strips of the four looks.
  bool LoadBitmaps(UINT toolbarId, UINT look2, UINT look3, UINT look4);
  ZweiState GetButtonState(int index) const;
  int GetHotButton() const { return m_nHot; }
  int GetLastDrawnState(int index) const;

  virtual bool IsAlwaysRedraw() const = 0;
  virtual void DrawButton(HDC dc, const RECT& rect, int picture, ZweiState state, int lastState) = 0;
  virtual void OnBitmapsLoaded() {}

  static const COLORREF kBackground = RGB(192, 192, 192);
  static const COLORREF kHighlight = RGB(255, 255, 255);
  static const COLORREF kShadow = RGB(100, 100, 100);
  static const COLORREF kLight = RGB(224, 224, 224);

 protected:
  struct Look {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
  };
  void FreeLooks();
  void DrawPicture(HDC dc, int look, int picture, int x, int y);
  void SetHot(int index);

  void OnPaint();
  BOOL OnEraseBkgnd(CDC*) { return TRUE; }
  void OnMouseMove(UINT flags, CPoint point);
  LRESULT OnMouseLeave(WPARAM, LPARAM);

  bool m_bGripper;
  Look m_looks[4];
  int m_nHot = -1;
  int m_nPictureWidth;
  int m_nPictureHeight;
  int m_nButtonWidth = 30;
  int m_nButtonHeight = 30;
  int m_nPictureX = 5;
  int m_nPictureY = 5;
  int m_nLabelY = 0;
  bool m_bLabels = false;
  UINT m_nLabelBase = 0;
  std::vector<int> m_lastStates;
  int m_nLastButtonWidth = 999;
  bool m_bTracking = false;

  DECLARE_MESSAGE_MAP()
};

class CZweiToolBar : public CZweiTool {
 public:
  CZweiToolBar() : CZweiTool(20, 20, true) {}
  bool IsAlwaysRedraw() const override { return false; }
  void DrawButton(HDC dc, const RECT& rect, int picture, ZweiState state, int lastState) override;
};
