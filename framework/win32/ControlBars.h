// Control bars of a frame window: the status bar and the toolbar (comctl32
// controls that place themselves along the frame's edges). Their buttons and
// indicators follow the update handlers at idle time (BarUpdate.cpp).
#pragma once

#include "FrameworkIds.h"
#include "Wnd.h"

#include <vector>

class CControlBar : public CWnd {
 public:
  BOOL IsVisible() const { return IsWindowVisible(); }
  // Idle time: each button or indicator asks target's update handlers for
  // its state; with disableIfNoHandler, commands nobody handles are disabled.
  virtual void OnUpdateCmdUI(CCmdTarget* target, BOOL disableIfNoHandler);
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
};
