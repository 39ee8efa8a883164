// CFrameWnd: a top-level window with a menu bar, accelerators, a toolbar and
// a status bar that shows command prompts and the bars' tooltips.
//
// A frame made with new deletes itself when its window is destroyed
// (PostNcDestroy); a frame that lives elsewhere (on the stack, as a member)
// sets m_bAutoDelete to FALSE first. When the frame is the application's main
// window, its destruction ends the message loop.
#pragma once

#include "ControlBars.h"

class CFrameWnd : public CWnd {
 public:
  CFrameWnd() = default;
  ~CFrameWnd() override;

  // Creates the window with the menu and the accelerator table of resourceId
  // (the menu reaches the window through CreateWindowEx, so its WM_CREATE
  // carries it) and the title m_strTitle, else the string AFX_IDS_APP_TITLE,
  // else the application's name. The window is shown by the caller. On
  // failure there is no window and the object is not deleted.
  virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW, CWnd* parent = nullptr);

  // The menu the frame was made with; the window destroys it with itself.
  HMENU m_hMenuDefault = nullptr;
  BOOL m_bAutoDelete = TRUE;

  void SetTitle(LPCTSTR title) { m_strTitle = title ? title : _T(""); }
  CString GetTitle() const { return m_strTitle; }
  // Shows m_strTitle in the caption.
  virtual void OnUpdateFrameTitle();

  // The status bar's first pane, set with WM_SETTEXT on the bar.
  void SetMessageText(LPCTSTR text);
  void SetMessageText(UINT id);
  // The prompt of a command: its string resource up to the first '\n'.
  virtual void GetMessageString(UINT id, CString& text) const;
  // The tooltip of a command: its string resource after the last '\n'.
  virtual void GetToolTipString(UINT id, CString& text) const;
  CWnd* GetMessageBar() const;  // the status bar, or null

  // The bars along the edges: toolbar at the top, status bar at the bottom.
  virtual void RecalcLayout();
  CControlBar* GetControlBar(UINT id) const;
  void ShowControlBar(CControlBar* bar, BOOL show);

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  // Commands go to the frame, then to the application.
  BOOL OnCmdMsg(UINT id, UINT code, void* extra) override;
  BOOL HasCommandHandler(UINT id) const override;

 protected:
  void PostNcDestroy() override;

  void OnClose();
  void OnDestroy();
  void OnSize(UINT type, int cx, int cy);
  void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
  void OnMenuSelect(UINT item, UINT flags, HMENU menu);
  LRESULT OnExitMenuLoop(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
  BOOL OnToolTipText(UINT id, NMHDR* header, LRESULT* result);
  BOOL OnBarCheck(UINT id);
  void OnUpdateControlBarMenu(CCmdUI* ui);
  void OnAppExit();

  CString m_strTitle;
  HACCEL m_hAccelTable = nullptr;
  UINT m_nIDLastMessage = 0;  // prompt id shown last
  // Tooltip texts handed out through lpszText (too long for szText).
  CStringA m_tipA;
  CStringW m_tipW;

  DECLARE_MESSAGE_MAP()
};
