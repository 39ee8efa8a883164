// CFrameWnd: a top-level window with a menu bar, accelerators, a toolbar and
// a status bar that shows command prompts and the bars' tooltips. A frame of
// a document template holds views (directly or in a splitter); commands go
// to its active view, that view's document, the frame, then the application.
//
// A frame made with new deletes itself when its window is destroyed
// (PostNcDestroy); a frame that lives elsewhere (on the stack, as a member)
// sets m_bAutoDelete to FALSE first. When the frame is the application's main
// window, its destruction ends the message loop.
#pragma once

#include "ControlBars.h"
#include "DockLayout.h"
#include "DockSite.h"

class CAppServices;
class CDocument;
class CView;
struct CCreateContext;

class CFrameWnd : public CWnd, public CDockHost {
 public:
  CFrameWnd() = default;
  ~CFrameWnd() override;

  // Creates the window with the menu and the accelerator table of resourceId
  // (the menu reaches the window through CreateWindowEx, so its WM_CREATE
  // carries it) and the title m_strTitle, else the first part of the string
  // resourceId, else the string AFX_IDS_APP_TITLE, else the application's name. The window is shown by the caller. On
  // failure there is no window and the object is not deleted.
  virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW, CWnd* parent = nullptr);
  // LoadFrame for a document template: OnCreateClient gets context.
  BOOL LoadFrameForDocument(UINT resourceId, CCreateContext* context);

  // Views: the one that gets commands first, and the document it shows.
  CView* GetActiveView() const { return m_pActiveView; }
  virtual void SetActiveView(CView* view, BOOL notify = TRUE);
  virtual CDocument* GetActiveDocument();
  // Makes the client pane: by default a view of context's class, if any.
  virtual BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context);
  // A view of context's view class as child id (null on failure).
  CView* CreateView(CCreateContext* context, UINT id = AFX_IDW_PANE_FIRST);
  // Gives every view its initial update, activates the first one when none
  // is active, and shows the frame when asked.
  virtual void InitialUpdateFrame(CDocument* doc, BOOL makeVisible);
  // Idle time: the bars' buttons and indicators get their update handlers' state.
  virtual void OnIdleUpdateCmdUI();

  // The menu the frame was made with; the window destroys it with itself.
  HMENU m_hMenuDefault = nullptr;
  BOOL m_bAutoDelete = TRUE;

  void SetTitle(LPCTSTR title) { m_strTitle = title ? title : _T(""); }
  CString GetTitle() const { return m_strTitle; }
  // Shows m_strTitle in the caption, after the active document's title
  // ("Title - Program") when there is one.
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
  void RecalcLayout() override;
  HWND GetDockHostWindow() const override { return m_hWnd; }
  CControlBar* GetControlBar(UINT id) const;
  void ShowControlBar(CControlBar* bar, BOOL show);
  // Docking (DockSite.h): dock bars along the sides given (CBRS_ALIGN_*);
  // a bar that allows it is docked at a side or floats in a window of its own.
  void EnableDocking(DWORD sides);
  void DockControlBar(CControlBar* bar, lw::DockSide side = lw::kDockTop);
  CDockSite* GetDockSite() const { return m_pDockSite; }

  // The program's services: those its template handed through the creation
  // context, else (a frame the program made itself) the running program's.
  CAppServices* GetAppServices() const;

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  // Commands go to the frame, then to the application.
  BOOL OnCmdMsg(UINT id, UINT code, void* extra) override;
  BOOL HasCommandHandler(UINT id) const override;

 protected:
  void PostNcDestroy() override;

  int OnCreate(LPCREATESTRUCT cs);
  void OnClose();
  void OnDestroy();
  void OnSetFocus(CWnd* old);
  void OnDropFiles(HDROP drop);
  void OnUpdateKeyIndicator(CCmdUI* ui);
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
  CView* m_pActiveView = nullptr;
  CDockSite* m_pDockSite = nullptr;  // made by EnableDocking
  CCreateContext* m_pCreateContext = nullptr;  // during LoadFrameForDocument
  CAppServices* m_pAppServices = nullptr;       // handed by the template that made the frame
  CString m_strLastIdleFailure;  // reported once while it repeats
  HACCEL m_hAccelTable = nullptr;
  UINT m_nIDLastMessage = 0;  // prompt id shown last
  // Tooltip texts handed out through lpszText (too long for szText).
  CStringA m_tipA;
  CStringW m_tipW;

  DECLARE_MESSAGE_MAP()
};
