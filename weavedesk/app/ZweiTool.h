// The editor's owner-drawn toolbar. CZweiTool paints the toolbar control's
// buttons itself from four picture strips (looks: hot, normal, disabled,
// checked) through a back buffer, with etched separators and hot
// tracking, and its non-client part: borders and the gripper, placed by
// the bar's orientation (from its docking and floating style, set by the
// frame that docks it); CZweiToolBar supplies the button drawing. Button ids
// come from the toolbar resource; tooltips, fly-by prompts, dragging and
// docking from the class library as for any toolbar.
#pragma once

#include "FrameworkWin.h"
#include "ToolBarFrame.h"
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
  // From the bar's style; computed again by every non-client paint.
  ZweiOrientation GetOrientation() const { return m_orientation; }
  bool HasGripper() const { return m_bGripper; }

  virtual bool IsAlwaysRedraw() const = 0;
  virtual void DrawButton(HDC dc, const RECT& rect, int picture, ZweiState state, int lastState) = 0;
  virtual void OnBitmapsLoaded() {}
  virtual void DrawGripperVert(HDC dc, const RECT& window);
  virtual void DrawGripperHorz(HDC dc, const RECT& window);

  static constexpr COLORREF kBackground = RGB(192, 192, 192);
  static constexpr COLORREF kHighlight = RGB(255, 255, 255);
  static constexpr COLORREF kShadow = RGB(100, 100, 100);
  static constexpr COLORREF kLight = RGB(224, 224, 224);

 protected:
  struct Look {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
  };
  void FreeLooks();
  void DrawPicture(HDC dc, int look, int picture, int x, int y);
  void SetHot(int index);

  ZweiOrientation OrientationFromStyle() const;
  void DrawLines(HDC dc, const std::vector<ZweiLine>& lines);
  void DrawSeparator(HDC dc, const RECT& rect);

  void OnPaint();
  void OnNcPaint();
  void OnNcCalcSize(BOOL calcValid, NCCALCSIZE_PARAMS* params);
  LRESULT OnWindowPosChanging(WPARAM, LPARAM lParam);
  BOOL OnEraseBkgnd(CDC* dc);
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
  ZweiOrientation m_orientation = ZWEI_DOCKED_HORIZONTAL;

  DECLARE_MESSAGE_MAP()
};

class CZweiToolBar : public CZweiTool {
 public:
  CZweiToolBar() : CZweiTool(20, 20, true) {}
  bool IsAlwaysRedraw() const override { return false; }
  void DrawButton(HDC dc, const RECT& rect, int picture, ZweiState state, int lastState) override;
};
