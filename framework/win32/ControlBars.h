// Control bars of a frame window: the status bar and the toolbar (comctl32
// controls that place themselves along the frame's edges). Their buttons and
// indicators follow the update handlers at idle time (BarUpdate.cpp).
// A bar the frame docks (DockSite.h) is dragged by its non-client band, sizes
// itself for a row or a column and shows its buttons' prompts while the mouse
// is over them (ControlBarDocking.cpp).
#pragma once

#include "FrameworkIds.h"
#include "Wnd.h"

#include <vector>

class CFrameWnd;

// Bar styles, beside the window's style: the edge the bar is docked at, its
// floating, tips, fly-by prompts and a floating size of its own.
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_FLOATING 0x0001L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_SIZE_DYNAMIC 0x0400L

class CControlBar : public CWnd {
 public:
  BOOL IsVisible() const { return IsWindowVisible(); }
  // Idle time: each button or indicator asks target's update handlers for
  // its state; with disableIfNoHandler, commands nobody handles are disabled.
  virtual void OnUpdateCmdUI(CCmdTarget* target, BOOL disableIfNoHandler);

  DWORD GetBarStyle() const { return m_dwBarStyle; }
  // Repaints the bar's borders: the style decides its orientation.
  void SetBarStyle(DWORD style);
  BOOL IsFloating() const { return (m_dwBarStyle & CBRS_FLOATING) != 0; }
  // Buttons in a column: docked at the left or right edge.
  BOOL IsVertical() const { return !IsFloating() && (m_dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) != 0; }
  // The edges the bar may be docked at (CBRS_ALIGN_*); 0 leaves it where it is.
  void EnableDocking(DWORD sides) { m_dwDockStyle = sides & CBRS_ALIGN_ANY; }
  DWORD GetDockStyle() const { return m_dwDockStyle; }
  // The frame that docks the bar, null until one docks it.
  void SetDockingFrame(CFrameWnd* frame) { m_pDockingFrame = frame; }
  // Lays the items out in a row or a column (the bar's style says which).
  virtual void LayoutItems() {}
  // The window size the bar needs: items in a row (horizontal) or a column,
  // with its borders.
  virtual CSize CalcFixedLayout(BOOL horizontal);
  // The command of the item at point (client coordinates), 0 for none.
  virtual UINT CommandAt(CPoint point) const;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // The borders the bar's own WM_NCCALCSIZE puts around its client area.
  CRect NonClientBorders() const;
  void ShowFlyByPrompt(UINT id);

  DWORD m_dwBarStyle = CBRS_ALIGN_TOP;
  DWORD m_dwDockStyle = 0;
  CFrameWnd* m_pDockingFrame = nullptr;
  UINT m_nFlyBy = 0;  // command whose prompt is shown
  bool m_bFlyByTracking = false;
};

class CStatusBar : public CControlBar {
 public:
  BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, UINT id = AFX_IDW_STATUS_BAR);
  // One pane per id: ID_SEPARATOR is the stretching message pane; any other
  // id is an indicator sized for the text of its string resource.
  BOOL SetIndicators(const UINT* ids, int count);
  int GetCount() const { return static_cast<int>(m_ids.size()); }
  UINT GetItemID(int index) const;
  int CommandToIndex(UINT id) const;  // -1 when absent
  BOOL SetPaneText(int index, LPCTSTR text, BOOL update = TRUE);
  CString GetPaneText(int index) const;
  void GetPaneText(int index, CString& text) const;
  // An indicator shows its string while enabled and nothing while disabled.
  void OnUpdateCmdUI(CCmdTarget* target, BOOL disableIfNoHandler) override;

 protected:
  void OnSize(UINT type, int cx, int cy);
  void LayoutPanes();

  std::vector<UINT> m_ids;
  std::vector<int> m_widths;  // pixels; the message pane's entry is unused

  DECLARE_MESSAGE_MAP()
};

class CToolBar : public CControlBar {
 public:
  BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP,
              UINT id = AFX_IDW_TOOLBAR);
  // The system's button images (IDB_STD_SMALL_COLOR: STD_FILENEW ...).
  BOOL LoadStandardImages(UINT bitmapId = IDB_STD_SMALL_COLOR);
  // Replaces the buttons: ID_SEPARATOR makes a separator; images holds one
  // image index per id (separators' entries unused), or null for 0, 1, 2, ...
  // in the order of the buttons.
  BOOL SetButtons(const UINT* ids, int count, const int* images = nullptr);
  int GetCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }
  UINT GetItemID(int index) const;
  int CommandToIndex(UINT id) const { return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, id)); }
  BOOL GetItemRect(int index, LPRECT rect) const;
  HWND GetToolTips() const { return reinterpret_cast<HWND>(SendMessage(TB_GETTOOLTIPS)); }
  // Enabled and checked states of the buttons.
  void OnUpdateCmdUI(CCmdTarget* target, BOOL disableIfNoHandler) override;
  // A vertical bar wraps after every button; a horizontal one after none.
  void LayoutItems() override;
  CSize CalcFixedLayout(BOOL horizontal) override;
  UINT CommandAt(CPoint point) const override;
};
