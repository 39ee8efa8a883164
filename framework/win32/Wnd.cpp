#include "Wnd.h"

#include "AppServices.h"
#include "HandleMap.h"
#include "WndChecks.h"

#include <exception>
#include <mutex>
#include <set>
#include <deque>

namespace lw {
namespace {

// One message being handled on this thread.
struct MsgFrame {
  MSG msg;
  bool viaDialogProc;
  bool inHandler;  // a message-map handler is running for it
  bool deferred;   // default processing left to the dialog manager
};

struct WndThreadState {
  HandleMap<CWnd, HWND> windows;
  // A deque: pushing a nested message's frame never moves the frames below,
  // so pointers to them (the current message) stay valid.
  std::deque<MsgFrame> frames;
  CWnd* creating = nullptr;  // CreateEx in progress: bound at HCBT_CREATEWND
  HHOOK cbtHook = nullptr;
  int cbtDepth = 0;
  CWnd* pendingDialog = nullptr;  // bound at the dialog procedure's first message
  // The dialog procedure answers FALSE once for this message, so that
  // DefDlgProc called from a handler's Default() does the default processing.
  HWND skipHwnd = nullptr;
  UINT skipMessage = 0;
  bool skipActive = false;
  bool reporting = false;
};

WndThreadState& State() {
  thread_local WndThreadState state;
  return state;
}

MsgFrame* TopFrame() {
  auto& frames = State().frames;
  return frames.empty() ? nullptr : &frames.back();
}

void DefaultReporter(const CString& description) {
  ::MessageBox(::GetActiveWindow(), description, LwAppNameOr(_T("Error")), MB_OK | MB_ICONERROR);
}

ExceptionReporter g_reporter = &DefaultReporter;

// Runs fn for one message, with the message on the frame stack and every
// exception caught and reported; onError is the answer after an exception.
template <class Fn>
LRESULT Boundary(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool viaDialogProc, bool* deferred,
                 Fn fn) {
  auto& state = State();
  MsgFrame frame{};
  frame.msg.hwnd = hwnd;
  frame.msg.message = message;
  frame.msg.wParam = wParam;
  frame.msg.lParam = lParam;
  frame.viaDialogProc = viaDialogProc;
  LRESULT result = 0;
  try {
    state.frames.push_back(frame);
  } catch (...) {
    return message == WM_CREATE ? -1 : 0;  // out of memory: the message is dropped
  }
  try {
    result = fn();
  } catch (...) {
    ReportException(DescribeCurrentException());
    if (message == WM_PAINT) ::ValidateRect(hwnd, nullptr);  // else the paint comes back at once
    result = message == WM_CREATE ? -1 : 0;
  }
  if (deferred) *deferred = state.frames.back().deferred;
  state.frames.pop_back();
  return result;
}

}  // namespace

// Dialog messages whose answer is the dialog procedure's return value.
bool AnswersDirectly(UINT message) {
  return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) || message == WM_COMPAREITEM ||
         message == WM_VKEYTOITEM || message == WM_CHARTOITEM || message == WM_QUERYDRAGICON ||
         message == WM_INITDIALOG;
}

ExceptionReporter SetExceptionReporter(ExceptionReporter reporter) {
  ExceptionReporter old = g_reporter;
  g_reporter = reporter ? reporter : &DefaultReporter;
  return old;
}

void ReportException(const CString& description) {
  auto& state = State();
  if (state.reporting) return;  // one report at a time; a box's own loop may fail again
  state.reporting = true;
  try {
    g_reporter(description);
  } catch (...) {
  }
  state.reporting = false;
}

CString DescribeCurrentException() {
  try {
    throw;
  } catch (const CException& e) {
    return e.GetErrorMessage();
  } catch (const std::exception& e) {
    return CString(CStringA(e.what()));
  } catch (...) {
    return CString(_T("Unknown error."));
  }
}

LRESULT CallHandler(const MsgMapEntry* entry, CCmdTarget* target, MsgCall& call) {
  // By position: the handler's own messages push and pop frames above it.
  auto& frames = State().frames;
  const size_t at = frames.size();
  const bool framed = at > 0;
  const bool was = framed && frames[at - 1].inHandler;
  if (framed) frames[at - 1].inHandler = true;
  LRESULT result;
  try {
    result = entry->thunk(target, call);
  } catch (...) {
    if (framed && frames.size() >= at) frames[at - 1].inHandler = was;
    throw;
  }
  if (framed && frames.size() >= at) frames[at - 1].inHandler = was;
  return result;
}

LRESULT DialogDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MsgFrame* frame = TopFrame();
  if (frame && frame->viaDialogProc && frame->msg.hwnd == hwnd && frame->msg.message == message &&
      !frame->inHandler) {
    frame->deferred = true;
    return 0;
  }
  auto& state = State();
  state.skipHwnd = hwnd;
  state.skipMessage = message;
  state.skipActive = true;
  LRESULT result = ::DefDlgProc(hwnd, message, wParam, lParam);
  state.skipActive = false;
  return result;
}

CWnd* WndFromHandle(HWND hwnd) { return CWnd::FromHandle(hwnd); }

}  // namespace lw

// ---- procedures -----------------------------------------------------------

LRESULT CALLBACK LwWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
  if (!wnd) return ::DefWindowProc(hwnd, message, wParam, lParam);
  LRESULT result = lw::Boundary(hwnd, message, wParam, lParam, false, nullptr,
                                [&] { return wnd->WindowProc(message, wParam, lParam); });
  if (message == WM_NCDESTROY) lw::Guarded([&] { wnd->FinishNcDestroy(); });
  return result;
}

void LwPrepareDialog(CWnd* dialog) { lw::State().pendingDialog = dialog; }

INT_PTR CALLBACK LwDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& state = lw::State();
  if (state.skipActive && state.skipHwnd == hwnd && state.skipMessage == message) {
    state.skipActive = false;
    return FALSE;
  }
  CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
  if (!wnd) {
    if (!state.pendingDialog) return FALSE;
    wnd = state.pendingDialog;
    state.pendingDialog = nullptr;
    BOOL attached = FALSE;
    lw::Guarded([&] { attached = wnd->Attach(hwnd); });
    if (!attached) return FALSE;
    wnd->m_bDialogProc = TRUE;
  }
  bool deferred = false;
  LRESULT result = lw::Boundary(hwnd, message, wParam, lParam, true, &deferred,
                                [&] { return wnd->WindowProc(message, wParam, lParam); });
  if (message == WM_NCDESTROY) {
    lw::Guarded([&] { wnd->FinishNcDestroy(); });
    return FALSE;
  }
  if (deferred) return FALSE;
  if (lw::AnswersDirectly(message)) return static_cast<INT_PTR>(result);
  ::SetWindowLongPtr(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

namespace {
// The system may make its input-method window while ours is being created.
bool IsImeWindow(const CBT_CREATEWND* cbt) {
  LPCTSTR name = cbt && cbt->lpcs ? cbt->lpcs->lpszClass : nullptr;
  return name && !IS_INTRESOURCE(name) && lw::StrICmp(name, _T("IME")) == 0;
}
}  // namespace

LRESULT CALLBACK LwCreationHook(int code, WPARAM wParam, LPARAM lParam) {
  auto& state = lw::State();
  if (code == HCBT_CREATEWND && state.creating && !IsImeWindow(reinterpret_cast<CBT_CREATEWND*>(lParam))) {
    CWnd* wnd = state.creating;
    state.creating = nullptr;
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    BOOL attached = FALSE;
    lw::Guarded([&] { attached = wnd->Attach(hwnd); });
    if (attached) {
      WNDPROC old = reinterpret_cast<WNDPROC>(
          ::SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LwWindowProc)));
      wnd->m_pfnSuper = old == &LwWindowProc ? nullptr : old;
    }
  }
  return ::CallNextHookEx(state.cbtHook, code, wParam, lParam);
}

// ---- CWnd -------------------------------------------------------------------

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd() {
  if (!m_bPermanent || !m_hWnd) return;
  HWND hwnd = m_hWnd;
  if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);  // detaches through WM_NCDESTROY
  if (m_bPermanent) Detach();
}

const lw::MsgMap* CWnd::GetThisMessageMap() {
  static const lw::MsgMapEntry entries[] = {{0, 0, 0, 0, 0, 0, nullptr, nullptr}};
  static const lw::MsgMap map = {&CCmdTarget::GetThisMessageMap, entries};
  return &map;
}

const lw::MsgMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

HWND CWnd::GetSafeHwnd() const {
  const CWnd* self = lw::Opaque(this);
  return self ? self->m_hWnd : nullptr;
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  return lw::State().windows.FromHandle(hwnd, [](HWND h) {
    CWnd* wnd = new CWnd;
    wnd->m_hWnd = h;
    return wnd;
  });
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) { return hwnd ? lw::State().windows.Permanent(hwnd) : nullptr; }

void CWnd::DeleteTempMap() { lw::State().windows.DeleteTemporaries(); }

BOOL CWnd::Attach(HWND hwnd) {
  auto& map = lw::State().windows;
  if (!hwnd || m_hWnd || map.Permanent(hwnd)) return FALSE;
  m_hWnd = hwnd;
  map.Add(hwnd, this);
  m_bPermanent = TRUE;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hwnd = m_hWnd;
  if (hwnd && m_bPermanent) lw::State().windows.Remove(hwnd, this);
  m_hWnd = nullptr;
  m_bPermanent = FALSE;
  m_bDialogProc = FALSE;
  return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (!::IsWindow(hwnd) || !Attach(hwnd)) return FALSE;
  WNDPROC old = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LwWindowProc)));
  m_pfnSuper = old == &LwWindowProc ? nullptr : old;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  HWND control = parent ? ::GetDlgItem(parent->m_hWnd, static_cast<int>(id)) : nullptr;
  return control ? SubclassWindow(control) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
  if (!m_hWnd) return nullptr;
  if (m_pfnSuper &&
      reinterpret_cast<WNDPROC>(::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC)) == &LwWindowProc)
    ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  return Detach();
}

void CWnd::FinishNcDestroy() {
  UnsubclassWindow();
  CAppServices* app = LwGetAppServices();
  if (app && app->GetMainWnd() == this) {
    app->SetMainWnd(nullptr);
    if (!m_bInModalLoop) ::PostQuitMessage(0);
  }
  PostNcDestroy();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (!cs.lpszClass) cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  return TRUE;
}

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                  LPVOID param) {
  return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, LPVOID param) {
  return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int cx,
                    int cy, HWND parent, HMENU idOrMenu, LPVOID param) {
  if (m_hWnd) return FALSE;
  CREATESTRUCT cs{};
  cs.dwExStyle = exStyle;
  cs.lpszClass = className;
  cs.lpszName = windowName;
  cs.style = style;
  cs.x = x;
  cs.y = y;
  cs.cx = cx;
  cs.cy = cy;
  cs.hwndParent = parent;
  cs.hMenu = idOrMenu;
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpCreateParams = param;
  if (!PreCreateWindow(cs)) return FALSE;

  auto& state = lw::State();
  CWnd* outer = state.creating;
  state.creating = this;
  if (state.cbtDepth++ == 0)
    state.cbtHook = ::SetWindowsHookEx(WH_CBT, &LwCreationHook, nullptr, ::GetCurrentThreadId());
  HWND hwnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                               cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  if (--state.cbtDepth == 0 && state.cbtHook) {
    ::UnhookWindowsHookEx(state.cbtHook);
    state.cbtHook = nullptr;
  }
  state.creating = outer;
  if (!hwnd) {
    if (m_hWnd && m_bPermanent) Detach();  // bound, then creation failed
    return FALSE;
  }
  return m_hWnd == hwnd;
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_bDialogProc) return lw::DialogDefault(m_hWnd, message, wParam, lParam);
  if (m_pfnSuper) return ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG* msg = GetCurrentMessage();
  return msg ? DefWindowProc(msg->message, msg->wParam, msg->lParam) : 0;
}

const MSG* CWnd::GetCurrentMessage() {
  lw::MsgFrame* frame = lw::TopFrame();
  return frame ? &frame->msg : nullptr;
}

namespace {
// The control a parent notification comes from, for OnChildNotify.
HWND NotifyingChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return lParam ? reinterpret_cast<NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      return item && item->CtlType != ODT_MENU ? ::GetDlgItem(parent, static_cast<int>(wParam)) : nullptr;
    }
    default:
      if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) return reinterpret_cast<HWND>(lParam);
      return nullptr;
  }
}

BOOL ReflectToChild(CWnd* parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  HWND child = NotifyingChild(parent->m_hWnd, message, wParam, lParam);
  if (!child || child == parent->m_hWnd) return FALSE;
  CWnd* control = CWnd::FromHandlePermanent(child);
  return control && control->OnChildNotify(message, wParam, lParam, result);
}
}  // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  LRESULT value = 0;
  if (message == WM_COMMAND) {
    if (OnCommand(wParam, lParam)) {
      *result = 0;
      return TRUE;
    }
  } else if (message == WM_NOTIFY) {
    if (OnNotify(wParam, lParam, &value)) {
      *result = value;
      return TRUE;
    }
  } else if (message == WM_DRAWITEM || message == WM_MEASUREITEM ||
             (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)) {
    if (ReflectToChild(this, message, wParam, lParam, &value)) {
      *result = value;
      return TRUE;
    }
  }
  const lw::MsgMapEntry* entry = lw::FindWindowMessageEntry(GetMessageMap(), message);
  if (!entry) return FALSE;
  lw::MsgCall call{message, wParam, lParam, 0, nullptr, nullptr, TRUE};
  *result = lw::CallHandler(entry, this, call);
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  UINT id = LOWORD(wParam);
  UINT code = HIWORD(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  if (control) {
    LRESULT ignored = 0;
    if (ReflectToChild(this, WM_COMMAND, wParam, lParam, &ignored)) return TRUE;
  } else {
    code = CN_COMMAND;  // menu (0) or accelerator (1)
  }
  return OnCmdMsg(id, code, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header) return FALSE;
  if (ReflectToChild(this, WM_NOTIFY, wParam, lParam, result)) return TRUE;
  return OnNotifyMsg(static_cast<UINT>(header->idFrom), header->code, header, result);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg) {
  for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (wnd && wnd->PreTranslateMessage(msg)) return TRUE;
    if (hwnd == stop || !(::GetWindowLongPtr(hwnd, GWL_STYLE) & WS_CHILD)) break;
  }
  return FALSE;
}

// ---- wrappers ---------------------------------------------------------------

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessage(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}
LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendDlgItemMessage(m_hWnd, id, message, wParam, lParam);
}
CWnd* CWnd::GetDlgItem(int id) const {
  LW_ASSERT_WINDOW("CWnd::GetDlgItem");
  return FromHandle(::GetDlgItem(m_hWnd, id));
}
int CWnd::GetDlgCtrlID() const { LW_ASSERT_WINDOW("CWnd::GetDlgCtrlID"); return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int id) {
  return static_cast<int>(::SetWindowLongPtr(m_hWnd, GWLP_ID, static_cast<LONG_PTR>(id)));
}
void CWnd::SetWindowText(LPCTSTR text) {
  LW_ASSERT_WINDOW("CWnd::SetWindowText");
  ::SetWindowText(m_hWnd, text ? text : _T(""));
}
int CWnd::GetWindowText(LPTSTR buffer, int max) const {
  LW_ASSERT_WINDOW("CWnd::GetWindowText");
  return ::GetWindowText(m_hWnd, buffer, max);
}
int CWnd::GetWindowTextLength() const {
  LW_ASSERT_WINDOW("CWnd::GetWindowTextLength");
  return ::GetWindowTextLength(m_hWnd);
}

void CWnd::GetWindowText(CString& text) const {
  text.Empty();
  int length = GetWindowTextLength();
  if (length <= 0) return;
  // The length may be an overestimate (ANSI/Unicode mix); the copy is exact.
  int copied = ::GetWindowText(m_hWnd, text.GetBuffer(length + 1), length + 1);
  text.ReleaseBuffer(copied > 0 ? copied : 0);
}

CString CWnd::GetWindowTextString() const {
  CString text;
  GetWindowText(text);
  return text;
}

void CWnd::SetDlgItemText(int id, LPCTSTR text) {
  LW_ASSERT_WINDOW("CWnd::SetDlgItemText");
  ::SetDlgItemText(m_hWnd, id, text ? text : _T(""));
}
int CWnd::GetDlgItemText(int id, LPTSTR buffer, int max) const {
  return static_cast<int>(::GetDlgItemText(m_hWnd, id, buffer, max));
}
int CWnd::GetDlgItemText(int id, CString& text) const {
  text.Empty();
  HWND control = ::GetDlgItem(m_hWnd, id);
  if (!control) return 0;
  FromHandle(control)->GetWindowText(text);
  return text.GetLength();
}
void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
  LW_ASSERT_WINDOW("CWnd::SetDlgItemInt");
  ::SetDlgItemInt(m_hWnd, id, value, isSigned);
}
UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
  return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}
void CWnd::CheckDlgButton(int id, UINT check) {
  LW_ASSERT_WINDOW("CWnd::CheckDlgButton");
  ::CheckDlgButton(m_hWnd, id, check);
}
UINT CWnd::IsDlgButtonChecked(int id) const {
  LW_ASSERT_WINDOW("CWnd::IsDlgButtonChecked");
  return ::IsDlgButtonChecked(m_hWnd, id);
}
void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
  ::CheckRadioButton(m_hWnd, firstId, lastId, checkId);
}
int CWnd::GetCheckedRadioButton(int firstId, int lastId) const {
  for (int id = firstId; id <= lastId; ++id)
    if (::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED) return id;
  return 0;
}
BOOL CWnd::EnableWindow(BOOL enable) { LW_ASSERT_WINDOW("CWnd::EnableWindow"); return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { LW_ASSERT_WINDOW("CWnd::IsWindowEnabled"); return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::ShowWindow(int cmd) { LW_ASSERT_WINDOW("CWnd::ShowWindow"); return ::ShowWindow(m_hWnd, cmd); }
BOOL CWnd::IsWindowVisible() const { LW_ASSERT_WINDOW("CWnd::IsWindowVisible"); return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::IsIconic() const { LW_ASSERT_WINDOW("CWnd::IsIconic"); return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { LW_ASSERT_WINDOW("CWnd::IsZoomed"); return ::IsZoomed(m_hWnd); }
BOOL CWnd::IsChild(const CWnd* wnd) const { return wnd && ::IsChild(m_hWnd, wnd->m_hWnd); }
BOOL CWnd::IsWindow() const { return ::IsWindow(GetSafeHwnd()); }
void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
  ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}
void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
  ::MoveWindow(m_hWnd, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}
BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}
void CWnd::GetClientRect(LPRECT rect) const { LW_ASSERT_WINDOW("CWnd::GetClientRect"); ::GetClientRect(m_hWnd, rect); }
void CWnd::GetWindowRect(LPRECT rect) const { LW_ASSERT_WINDOW("CWnd::GetWindowRect"); ::GetWindowRect(m_hWnd, rect); }
void CWnd::ScreenToClient(LPPOINT point) const {
  LW_ASSERT_WINDOW("CWnd::ScreenToClient");
  ::ScreenToClient(m_hWnd, point);
}
void CWnd::ScreenToClient(LPRECT rect) const {
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}
void CWnd::ClientToScreen(LPPOINT point) const {
  LW_ASSERT_WINDOW("CWnd::ClientToScreen");
  ::ClientToScreen(m_hWnd, point);
}
void CWnd::ClientToScreen(LPRECT rect) const {
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}
void CWnd::MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const {
  ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, points, count);
}
void CWnd::MapWindowPoints(CWnd* to, LPRECT rect) const {
  ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
  HWND around = alternateOwner ? alternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
  if (GetStyle() & WS_CHILD) around = ::GetParent(m_hWnd);
  CRect outer;
  if (around && ::IsWindowVisible(around) && !::IsIconic(around)) {
    ::GetWindowRect(around, &outer);
  } else {
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &outer, 0);
  }
  if (GetStyle() & WS_CHILD) {
    ::GetClientRect(around, &outer);
  }
  CRect self;
  GetWindowRect(&self);
  int x = outer.left + (outer.Width() - self.Width()) / 2;
  int y = outer.top + (outer.Height() - self.Height()) / 2;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::Invalidate(BOOL erase) { LW_ASSERT_WINDOW("CWnd::Invalidate"); ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) {
  LW_ASSERT_WINDOW("CWnd::InvalidateRect");
  ::InvalidateRect(m_hWnd, rect, erase);
}
void CWnd::ValidateRect(LPCRECT rect) { LW_ASSERT_WINDOW("CWnd::ValidateRect"); ::ValidateRect(m_hWnd, rect); }
void CWnd::UpdateWindow() { LW_ASSERT_WINDOW("CWnd::UpdateWindow"); ::UpdateWindow(m_hWnd); }
BOOL CWnd::RedrawWindow(LPCRECT update, HRGN region, UINT flags) {
  return ::RedrawWindow(m_hWnd, update, region, flags);
}
void CWnd::SetRedraw(BOOL redraw) {
  LW_ASSERT_WINDOW("CWnd::SetRedraw");
  ::SendMessage(m_hWnd, WM_SETREDRAW, redraw, 0);
}
UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) {
  LW_ASSERT_WINDOW("CWnd::SetTimer");
  return ::SetTimer(m_hWnd, id, elapse, proc);
}
BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
CWnd* CWnd::GetParent() const { LW_ASSERT_WINDOW("CWnd::GetParent"); return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::GetOwner() const { LW_ASSERT_WINDOW("CWnd::GetOwner"); return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }
CWnd* CWnd::GetTopLevelParent() const {
  LW_ASSERT_WINDOW("CWnd::GetTopLevelParent");
  return FromHandle(::GetAncestor(m_hWnd, GA_ROOT));
}
CWnd* CWnd::GetWindow(UINT cmd) const {
  LW_ASSERT_WINDOW("CWnd::GetWindow");
  return FromHandle(::GetWindow(m_hWnd, cmd));
}
CWnd* CWnd::GetNextDlgTabItem(CWnd* control, BOOL previous) const {
  return FromHandle(::GetNextDlgTabItem(m_hWnd, control ? control->m_hWnd : nullptr, previous));
}
CWnd* CWnd::GetNextDlgGroupItem(CWnd* control, BOOL previous) const {
  return FromHandle(::GetNextDlgGroupItem(m_hWnd, control ? control->m_hWnd : nullptr, previous));
}
void CWnd::DrawMenuBar() { LW_ASSERT_WINDOW("CWnd::DrawMenuBar"); ::DrawMenuBar(m_hWnd); }
CWnd* CWnd::SetFocus() { LW_ASSERT_WINDOW("CWnd::SetFocus"); return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }
CWnd* CWnd::GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
CWnd* CWnd::FindWindow(LPCTSTR className, LPCTSTR windowName) {
  return FromHandle(::FindWindow(className, windowName));
}
CWnd* CWnd::SetCapture() { LW_ASSERT_WINDOW("CWnd::SetCapture"); return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::SetActiveWindow() {
  LW_ASSERT_WINDOW("CWnd::SetActiveWindow");
  return FromHandle(::SetActiveWindow(m_hWnd));
}
BOOL CWnd::SetForegroundWindow() {
  LW_ASSERT_WINDOW("CWnd::SetForegroundWindow");
  return ::SetForegroundWindow(m_hWnd);
}
void CWnd::BringWindowToTop() { LW_ASSERT_WINDOW("CWnd::BringWindowToTop"); ::BringWindowToTop(m_hWnd); }

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type) {
  if (!caption) caption = LwAppNameOr(_T(""));
  return ::MessageBox(m_hWnd, text ? text : _T(""), caption, type);
}

DWORD CWnd::GetStyle() const {
  LW_ASSERT_WINDOW("CWnd::GetStyle");
  return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_STYLE));
}
DWORD CWnd::GetExStyle() const {
  LW_ASSERT_WINDOW("CWnd::GetExStyle");
  return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE));
}

namespace {
BOOL ModifyLong(HWND hwnd, int index, DWORD remove, DWORD add, UINT flags) {
  DWORD style = static_cast<DWORD>(::GetWindowLongPtr(hwnd, index));
  DWORD changed = (style & ~remove) | add;
  if (changed == style) return FALSE;
  ::SetWindowLongPtr(hwnd, index, static_cast<LONG_PTR>(changed));
  if (flags) ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
  return TRUE;
}
}  // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) { return ModifyLong(m_hWnd, GWL_STYLE, remove, add, flags); }
BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) {
  return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}
void CWnd::DragAcceptFiles(BOOL accept) {
  LW_ASSERT_WINDOW("CWnd::DragAcceptFiles");
  ::DragAcceptFiles(m_hWnd, accept);
}

// ---- window classes -------------------------------------------------------

LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
  static std::mutex lock;
  static std::set<CString> names;
  HINSTANCE instance = AfxGetInstanceHandle();
  CString name;
  name.Format(_T("Lw:%p:%x:%p:%p:%p"), static_cast<void*>(instance), classStyle, static_cast<void*>(cursor),
              static_cast<void*>(background), static_cast<void*>(icon));
  std::lock_guard<std::mutex> guard(lock);
  auto it = names.find(name);
  if (it != names.end()) return it->GetString();
  WNDCLASS wc{};
  if (!::GetClassInfo(instance, name, &wc)) {
    wc.style = classStyle;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    if (!::RegisterClass(&wc)) return nullptr;
  }
  return names.insert(name).first->GetString();
}
