// CWnd: a C++ object bound to a window handle through a per-thread map.
//
// Windows created by Create/CreateEx or taken over with SubclassWindow get the
// framework's window procedure; dialogs get the framework's dialog procedure
// (no subclassing). Both end in WindowProc -> OnWndMsg -> message map, and both
// catch every exception at the boundary (see SetExceptionReporter).
#pragma once

#include "CmdTarget.h"

class CDC;
class CFont;
class CMenu;
class CDataExchange;

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}  // not attached; for wndTop & co.
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  ~CWnd() override;

  HWND m_hWnd = nullptr;
  operator HWND() const { return m_hWnd; }
  HWND GetSafeHwnd() const;  // null for a null object
  bool operator==(const CWnd& o) const { return m_hWnd == o.m_hWnd; }
  bool operator!=(const CWnd& o) const { return m_hWnd != o.m_hWnd; }

  // Handle map (per thread).
  static CWnd* FromHandle(HWND hwnd);           // permanent object, else a temporary one
  static CWnd* FromHandlePermanent(HWND hwnd);  // null when none
  static void DeleteTempMap();                  // frees the temporary objects (idle time)
  BOOL Attach(HWND hwnd);
  HWND Detach();
  void DetachTemporary() { m_hWnd = nullptr; }  // for the handle map
  BOOL SubclassWindow(HWND hwnd);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();

  // Creation.
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                      UINT id, LPVOID param = nullptr);
  virtual BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                        CWnd* parent, UINT id, LPVOID param = nullptr);
  BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int cx,
                int cy, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
  virtual BOOL DestroyWindow();

  // Message handling.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Default processing: the previous window procedure, the system default, or
  // for a dialog the dialog manager.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  // A control's chance at the notifications it sent its parent (WM_COMMAND,
  // WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*); TRUE = handled.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual void PostNcDestroy() {}
  // Default processing of the message being handled.
  LRESULT Default();
  static const MSG* GetCurrentMessage();
  // Gives the windows from msg->hwnd up to its top-level window their
  // PreTranslateMessage; TRUE when one of them took the message.
  static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

  // Dialog data exchange (dialogs and form views).
  virtual BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* dx);

  // Wrappers.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  CWnd* GetDlgItem(int id) const;
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int id);
  void SetWindowText(LPCTSTR text);
  int GetWindowText(LPTSTR buffer, int max) const;
  void GetWindowText(CString& text) const;
  CString GetWindowTextString() const;
  int GetWindowTextLength() const;
  void SetDlgItemText(int id, LPCTSTR text);
  int GetDlgItemText(int id, LPTSTR buffer, int max) const;
  int GetDlgItemText(int id, CString& text) const;
  void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
  UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
  void CheckDlgButton(int id, UINT check);
  UINT IsDlgButtonChecked(int id) const;
  void CheckRadioButton(int firstId, int lastId, int checkId);
  int GetCheckedRadioButton(int firstId, int lastId) const;
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL ShowWindow(int cmd);
  BOOL IsWindowVisible() const;
  BOOL IsIconic() const;
  BOOL IsZoomed() const;
  BOOL IsChild(const CWnd* wnd) const;
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  void GetClientRect(LPRECT rect) const;
  void GetWindowRect(LPRECT rect) const;
  void ScreenToClient(LPPOINT point) const;
  void ScreenToClient(LPRECT rect) const;
  void ClientToScreen(LPPOINT point) const;
  void ClientToScreen(LPRECT rect) const;
  void MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const;
  void MapWindowPoints(CWnd* to, LPRECT rect) const;
  void CenterWindow(CWnd* alternateOwner = nullptr);
  void Invalidate(BOOL erase = TRUE);
  void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
  void ValidateRect(LPCRECT rect);
  void UpdateWindow();
  BOOL RedrawWindow(LPCRECT update = nullptr, HRGN region = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  void SetRedraw(BOOL redraw = TRUE);
  void SetFont(CFont* font, BOOL redraw = TRUE);
  CFont* GetFont() const;
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
  BOOL KillTimer(UINT_PTR id);
  CWnd* GetParent() const;
  CWnd* GetOwner() const;
  CWnd* GetTopLevelParent() const;
  CWnd* GetWindow(UINT cmd) const;
  CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
  CWnd* GetNextDlgGroupItem(CWnd* control, BOOL previous = FALSE) const;
  CMenu* GetMenu() const;
  BOOL SetMenu(CMenu* menu);
  void DrawMenuBar();
  CMenu* GetSystemMenu(BOOL revert) const;
  CWnd* SetFocus();
  static CWnd* GetFocus();
  static CWnd* GetActiveWindow();
  static CWnd* GetCapture();
  static CWnd* GetDesktopWindow();
  static CWnd* FindWindow(LPCTSTR className, LPCTSTR windowName);
  CWnd* SetCapture();
  CWnd* SetActiveWindow();
  BOOL SetForegroundWindow();
  void BringWindowToTop();
  int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
  BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
  CDC* GetDC();
  CDC* GetWindowDC();
  int ReleaseDC(CDC* dc);
  void DragAcceptFiles(BOOL accept = TRUE);
  BOOL IsWindow() const;
  // The window's own scroll bars (SB_HORZ, SB_VERT).
  int GetScrollPos(int bar) const;
  int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);
  BOOL GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask = SIF_ALL) const;
  BOOL SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw = TRUE);
  void ScrollWindow(int dx, int dy, LPCRECT rect = nullptr, LPCRECT clip = nullptr);

  // Special z-order places for SetWindowPos.
  static const CWnd wndTop;
  static const CWnd wndBottom;
  static const CWnd wndTopMost;
  static const CWnd wndNoTopMost;

  // Default handling for the WM_ handlers a derived class may call as base.
  void OnPaint() { Default(); }
  void OnNcPaint() { Default(); }
  int OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
  void OnDestroy() { Default(); }
  void OnClose() { Default(); }
  void OnSize(UINT, int, int) { Default(); }
  void OnMove(int, int) { Default(); }
  void OnTimer(UINT_PTR) { Default(); }
  void OnLButtonDown(UINT, CPoint) { Default(); }
  void OnLButtonUp(UINT, CPoint) { Default(); }
  void OnLButtonDblClk(UINT, CPoint) { Default(); }
  void OnRButtonDown(UINT, CPoint) { Default(); }
  void OnRButtonUp(UINT, CPoint) { Default(); }
  void OnMouseMove(UINT, CPoint) { Default(); }
  void OnKeyDown(UINT, UINT, UINT) { Default(); }
  void OnKeyUp(UINT, UINT, UINT) { Default(); }
  void OnChar(UINT, UINT, UINT) { Default(); }
  void OnSysChar(UINT, UINT, UINT) { Default(); }
  BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
  HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
  void OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
  void OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
  void OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
  void OnMeasureItem(int, LPMEASUREITEMSTRUCT) { Default(); }
  void OnSetFocus(CWnd*) { Default(); }
  void OnKillFocus(CWnd*) { Default(); }
  void OnCaptureChanged(CWnd*) { Default(); }
  void OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
  void OnMenuSelect(UINT, UINT, HMENU) { Default(); }
  void OnDropFiles(HDROP) { Default(); }
  void OnContextMenu(CWnd*, CPoint) { Default(); }
  BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
  void OnShowWindow(BOOL, UINT) { Default(); }
  void OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
  void OnSysCommand(UINT, LPARAM) { Default(); }
  void OnActivate(UINT, CWnd*, BOOL) { Default(); }
  void OnActivateApp(BOOL, DWORD) { Default(); }
  LRESULT OnNcHitTest(CPoint) { return Default(); }
  void OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
  HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
  void OnWindowPosChanging(WINDOWPOS*) { Default(); }
  void OnWindowPosChanged(WINDOWPOS*) { Default(); }

 protected:
  static const ::lw::MsgMap* GetThisMessageMap();
  const ::lw::MsgMap* GetMessageMap() const override;

  // Called by the boundary after WM_NCDESTROY: unsubclasses, detaches, then
  // PostNcDestroy (which may delete the object).
  void FinishNcDestroy();

  WNDPROC m_pfnSuper = nullptr;  // the window's previous procedure when subclassed
  BOOL m_bDialogProc = FALSE;     // messages arrive through the dialog procedure
  BOOL m_bInModalLoop = FALSE;    // a modal dialog: its end does not quit the program
  BOOL m_bPermanent = FALSE;      // in the thread's handle map

  friend LRESULT CALLBACK LwWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend INT_PTR CALLBACK LwDialogProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK LwCreationHook(int, WPARAM, LPARAM);
};

// The framework's window procedure (for subclassed windows) and dialog
// procedure. A dialog class binds its object to the window with
// LwPrepareDialog(object) right before it calls the dialog API; property pages
// and hooked common dialogs can route through LwDialogProc the same way.
LRESULT CALLBACK LwWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK LwDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void LwPrepareDialog(CWnd* dialog);

namespace lw {
// Default processing for a message of a dialog served by LwDialogProc: left to
// the dialog manager after the procedure returns, or, when a handler asks for
// it, done at once through DefDlgProc.
LRESULT DialogDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Reports an exception that reached a window or dialog procedure. The default
// shows a message box; tests replace it. Returns the previous reporter.
typedef void (*ExceptionReporter)(const CString& description);
ExceptionReporter SetExceptionReporter(ExceptionReporter reporter);
void ReportException(const CString& description);
// Runs fn and reports any exception it throws; FALSE when one was thrown.
template <class Fn>
BOOL Guarded(Fn fn);
CString DescribeCurrentException();
}  // namespace lw

template <class Fn>
BOOL lw::Guarded(Fn fn) {
  try {
    fn();
    return TRUE;
  } catch (...) {
    ReportException(DescribeCurrentException());
    return FALSE;
  }
}

// Registers (once) a window class with the given attributes for CWnd::Create
// and returns its name; the name stays valid for the process.
LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                            HICON icon = nullptr);
