#include "FrameWnd.h"

#include "Menu.h"
#include "View.h"
#include "AppServices.h"

namespace {
bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

// Copies text into a tooltip request of either width: into its szText when
// it fits, else into the frame's buffer of that width.
template <class Info, class Ch>
void PlaceTip(Info* info, const CStringT<Ch>& tip, CStringT<Ch>& buffer) {
  const int room = static_cast<int>(sizeof(info->szText) / sizeof(info->szText[0]));
  if (tip.GetLength() < room) {
    for (int i = 0; i <= tip.GetLength(); ++i) info->szText[i] = tip.GetString()[i];
    info->lpszText = info->szText;
  } else {
    buffer = tip;
    info->lpszText = const_cast<Ch*>(buffer.GetString());
  }
  info->hinst = nullptr;
}
}  // namespace

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_CLOSE()
  ON_WM_DESTROY()
  ON_WM_SETFOCUS()
  ON_WM_DROPFILES()
  ON_WM_SIZE()
  ON_WM_INITMENUPOPUP()
  ON_WM_MENUSELECT()
  ON_MESSAGE(WM_EXITMENULOOP, OnExitMenuLoop)
  ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
  ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOW, 0, 0xFFFFFFFFu, OnToolTipText)
  ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOA, 0, 0xFFFFFFFFu, OnToolTipText)
  ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
  ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
  ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
  ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
  ON_COMMAND(ID_APP_EXIT, OnAppExit)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

CFrameWnd::~CFrameWnd() {
  m_bAutoDelete = FALSE;  // being deleted already
  if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
  delete m_pDockSite;
}

CAppServices* CFrameWnd::GetAppServices() const { return m_pAppServices ? m_pAppServices : LwGetAppServices(); }

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent) {
  if (m_hWnd) return FALSE;
  HINSTANCE resources = AfxGetResourceHandle();
  m_hMenuDefault = ::LoadMenu(resources, MAKEINTRESOURCE(resourceId));
  m_hAccelTable = ::LoadAccelerators(resources, MAKEINTRESOURCE(resourceId));
  // The title: the resource's own string up to its first '\n' (a document
  // template's window title), else the program's title string or name.
  CString own;
  if (m_strTitle.IsEmpty() && own.LoadString(resourceId)) {
    int end = own.Find(_T('\n'));
    m_strTitle = end >= 0 ? own.Left(end) : own;
  }
  if (m_strTitle.IsEmpty() && !m_strTitle.LoadString(AFX_IDS_APP_TITLE)) {
    m_strTitle = LwAppNameOr(_T(""));
  }
  // A window that fails in WM_CREATE is destroyed at once; the object stays
  // for the caller to delete.
  BOOL autoDelete = m_bAutoDelete;
  m_bAutoDelete = FALSE;
  BOOL created = CreateEx(0, nullptr, m_strTitle, style | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, parent ? parent->m_hWnd : nullptr, m_hMenuDefault);
  m_bAutoDelete = autoDelete;
  if (!created) {
    if (m_hMenuDefault && ::IsMenu(m_hMenuDefault)) ::DestroyMenu(m_hMenuDefault);
    m_hMenuDefault = nullptr;
    return FALSE;
  }
  RecalcLayout();
  SetMessageText(AFX_IDS_IDLEMESSAGE);
  return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (!cs.lpszClass)
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1),
                                       ::LoadIcon(nullptr, IDI_APPLICATION));
  return CWnd::PreCreateWindow(cs);
}

void CFrameWnd::OnUpdateFrameTitle() {
  if (!m_hWnd) return;
  CDocument* doc = GetActiveDocument();
  if (doc && !doc->GetTitle().IsEmpty()) SetWindowText(doc->GetTitle() + _T(" - ") + m_strTitle);
  else SetWindowText(m_strTitle);
}

// ---- status bar prompts ---------------------------------------------------------

CWnd* CFrameWnd::GetMessageBar() const {
  return m_hWnd ? FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR)) : nullptr;
}

void CFrameWnd::SetMessageText(LPCTSTR text) {
  if (CWnd* bar = GetMessageBar())
    ::SendMessage(bar->m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : _T("")));
}

void CFrameWnd::SetMessageText(UINT id) { SendMessage(WM_SETMESSAGESTRING, id); }

void CFrameWnd::GetMessageString(UINT id, CString& text) const {
  CString full;
  full.LoadString(id);
  int end = full.Find(_T('\n'));
  text = end >= 0 ? full.Left(end) : full;
}

void CFrameWnd::GetToolTipString(UINT id, CString& text) const {
  CString full;
  full.LoadString(id);
  int start = full.ReverseFind(_T('\n'));
  text = start >= 0 ? full.Mid(start + 1) : CString();
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
  UINT previous = m_nIDLastMessage;
  UINT id = static_cast<UINT>(wParam);
  if (id) {
    CString text;
    GetMessageString(id, text);
    SetMessageText(text);
  } else {
    SetMessageText(reinterpret_cast<LPCTSTR>(lParam));
  }
  m_nIDLastMessage = id;
  return previous;
}

// Popups, separators and the system menu have no prompt; a closed menu
// brings the idle text back.
void CFrameWnd::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
  UINT id;
  if (flags == 0xFFFF && !menu) id = AFX_IDS_IDLEMESSAGE;
  else if (flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU)) id = 0;
  else id = item;
  if (id != m_nIDLastMessage || id == 0) SetMessageText(id);
}

LRESULT CFrameWnd::OnExitMenuLoop(WPARAM, LPARAM) {
  SetMessageText(AFX_IDS_IDLEMESSAGE);
  return Default();
}

// ---- tooltips -------------------------------------------------------------------

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* header, LRESULT* result) {
  bool wide = header->code == TTN_GETDISPINFOW;
  UINT flags = wide ? reinterpret_cast<NMTTDISPINFOW*>(header)->uFlags : reinterpret_cast<NMTTDISPINFOA*>(header)->uFlags;
  UINT_PTR from = header->idFrom;
  UINT id = flags & TTF_IDISHWND ? static_cast<UINT>(::GetDlgCtrlID(reinterpret_cast<HWND>(from)))
                                 : static_cast<UINT>(from);
  if (id == 0) return FALSE;
  CString tip;
  GetToolTipString(id, tip);
  if (tip.IsEmpty()) return FALSE;
  if (wide) PlaceTip(reinterpret_cast<NMTTDISPINFOW*>(header), CStringW(tip), m_tipW);
  else PlaceTip(reinterpret_cast<NMTTDISPINFOA*>(header), CStringA(tip), m_tipA);
  *result = 0;
  return TRUE;
}

// ---- bars and layout --------------------------------------------------------------

CControlBar* CFrameWnd::GetControlBar(UINT id) const {
  if (!m_hWnd) return nullptr;
  auto* bar = dynamic_cast<CControlBar*>(FromHandlePermanent(::GetDlgItem(m_hWnd, static_cast<int>(id))));
  return bar || !m_pDockSite ? bar : m_pDockSite->Find(id);
}

void CFrameWnd::EnableDocking(DWORD sides) {
  if (!m_pDockSite) m_pDockSite = new CDockSite(this, this);
  m_pDockSite->EnableSides(sides);
}

void CFrameWnd::DockControlBar(CControlBar* bar, lw::DockSide side) {
  if (m_pDockSite) m_pDockSite->Dock(bar, side);
}

void CFrameWnd::ShowControlBar(CControlBar* bar, BOOL show) {
  if (!bar || !bar->m_hWnd) return;
  if (!m_pDockSite || !m_pDockSite->Show(bar, show != FALSE)) bar->ShowWindow(show ? SW_SHOWNOACTIVATE : SW_HIDE);
  RecalcLayout();
}

// The client pane takes what the bars leave: a toolbar of its own along the
// top, the status bar along the bottom, then the dock bars.
void CFrameWnd::RecalcLayout() {
  if (!m_hWnd) return;
  CRect pane;
  GetClientRect(&pane);
  if (CControlBar* toolbar = GetControlBar(AFX_IDW_TOOLBAR)) {
    if (toolbar->IsVisible() && ::GetParent(toolbar->m_hWnd) == m_hWnd) {
      toolbar->SendMessage(TB_AUTOSIZE);
      CRect bar;
      toolbar->GetWindowRect(&bar);
      pane.top += bar.Height();
    }
  }
  if (CControlBar* status = GetControlBar(AFX_IDW_STATUS_BAR)) {
    if (status->IsVisible()) {
      status->SendMessage(WM_SIZE);
      CRect bar;
      status->GetWindowRect(&bar);
      pane.bottom -= bar.Height();
    }
  }
  if (m_pDockSite) pane = m_pDockSite->Layout(pane);
  if (HWND client = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST)) {
    if (pane.bottom < pane.top) pane.bottom = pane.top;
    ::SetWindowPos(client, nullptr, pane.left, pane.top, pane.Width(), pane.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void CFrameWnd::OnSize(UINT type, int cx, int cy) {
  CWnd::OnSize(type, cx, cy);
  if (type != SIZE_MINIMIZED) RecalcLayout();
}

BOOL CFrameWnd::OnBarCheck(UINT id) {
  CControlBar* bar = GetControlBar(id);
  if (!bar) return FALSE;
  ShowControlBar(bar, !bar->IsVisible());
  return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* ui) {
  CControlBar* bar = GetControlBar(ui->m_nID);
  ui->Enable(bar != nullptr);
  ui->SetCheck(bar && bar->IsVisible());
}

// ---- menus, commands, keys --------------------------------------------------------

// Items nobody handles are greyed, the others get their handlers' state.
void CFrameWnd::OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu) {
  CWnd::OnInitMenuPopup(popup, index, sysMenu);
  if (!sysMenu && popup) CCmdUI::UpdateMenu(this, popup->m_hMenu, TRUE);
}

// The active view (which passes on to its document), the frame, the application.
BOOL CFrameWnd::OnCmdMsg(UINT id, UINT code, void* extra) {
  CAppServices* app = GetAppServices();
  return lw::RouteCommand<CCmdTarget>({m_pActiveView, this, app ? app->GetCommandTarget() : nullptr},
                                      [&](CCmdTarget* target) {
    return target == this ? CWnd::OnCmdMsg(id, code, extra) : target->OnCmdMsg(id, code, extra);
  });
}

BOOL CFrameWnd::HasCommandHandler(UINT id) const {
  if (m_pActiveView && m_pActiveView->HasCommandHandler(id)) return TRUE;
  if (CWnd::HasCommandHandler(id)) return TRUE;
  CAppServices* app = GetAppServices();
  return app && app->GetCommandTarget()->HasCommandHandler(id);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg) {
  if (m_hAccelTable && IsKeyMessage(msg->message) && (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd)))
    return ::TranslateAccelerator(m_hWnd, m_hAccelTable, msg) != 0;
  return CWnd::PreTranslateMessage(msg);
}

void CFrameWnd::OnAppExit() { SendMessage(WM_CLOSE); }

// A document may keep its frame open (unsaved changes, Cancel); closing the
// main frame closes every document, which takes the frames along.
void CFrameWnd::OnClose() {
  CDocument* doc = GetActiveDocument();
  if (doc && !doc->CanCloseFrame(this)) return;
  CAppServices* app = GetAppServices();
  if (app && app->GetMainWnd() == this) {
    if (!doc && !app->SaveAllModified()) return;
    HWND self = m_hWnd;
    app->CloseAllDocuments();
    if (!::IsWindow(self)) return;  // gone with its document
  }
  if (doc && doc->GetViewCount() > 0) {
    doc->PreCloseFrame(this);
    bool otherFrames = false;
    for (int i = 0; i < doc->GetViewCount(); ++i) otherFrames = otherFrames || doc->GetView(i)->GetParentFrame() != this;
    if (!otherFrames && doc->m_bAutoDelete) {
      doc->OnCloseDocument();
      return;
    }
  }
  DestroyWindow();
}

// The window destroys the menu it shows; the default menu, when another one
// took its place, goes here.
void CFrameWnd::OnDestroy() {
  if (m_hMenuDefault && ::GetMenu(m_hWnd) != m_hMenuDefault && ::IsMenu(m_hMenuDefault))
    ::DestroyMenu(m_hMenuDefault);
  m_hMenuDefault = nullptr;
  CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy() {
  if (m_bAutoDelete) delete this;
}
