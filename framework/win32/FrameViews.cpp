// The frame's side of document/view: its client pane, the active view, the
// initial update, idle-time update of the bars and dropped files; and the
// view's side of its frame: finding it, becoming its active view on a click,
// leaving it when the view goes.
#include "FrameWnd.h"

#include "DocTemplate.h"
#include "DockSite.h"
#include "View.h"
#include "AppServices.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

BOOL CFrameWnd::LoadFrameForDocument(UINT resourceId, CCreateContext* context) {
  m_pCreateContext = context;
  if (context && context->m_pNewDocTemplate) m_pAppServices = context->m_pNewDocTemplate->GetAppServices();
  BOOL loaded = FALSE;
  try {
    loaded = LoadFrame(resourceId);
  } catch (...) {
    m_pCreateContext = nullptr;
    throw;
  }
  m_pCreateContext = nullptr;
  return loaded;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT cs) {
  if (CWnd::OnCreate(cs) == -1) return -1;
  return OnCreateClient(cs, m_pCreateContext) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
  if (!context || !context->m_pNewViewClass) return TRUE;
  return CreateView(context, AFX_IDW_PANE_FIRST) != nullptr;
}

CView* CFrameWnd::CreateView(CCreateContext* context, UINT id) {
  return lw::CreateViewFromContext(this, id, CRect(0, 0, 0, 0), context);
}

void CFrameWnd::SetActiveView(CView* view, BOOL notify) {
  CView* old = m_pActiveView;
  if (view == old) return;
  m_pActiveView = view;
  if (notify && old) old->OnActivateView(FALSE, view, old);
  if (notify && view) view->OnActivateView(TRUE, view, old);
  OnUpdateFrameTitle();
}

CDocument* CFrameWnd::GetActiveDocument() { return m_pActiveView ? m_pActiveView->GetDocument() : nullptr; }

namespace {
// The views among hwnd's descendants, in window order.
std::vector<CView*> ViewsBelow(HWND hwnd) {
  std::vector<HWND> children;
  ::EnumChildWindows(
      hwnd,
      [](HWND child, LPARAM param) -> BOOL {
        try {
          reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
          return TRUE;
        } catch (...) {  // nothing unwinds through the system's enumeration
          return FALSE;
        }
      },
      reinterpret_cast<LPARAM>(&children));
  std::vector<CView*> views;
  for (HWND child : children)
    if (auto* view = dynamic_cast<CView*>(CWnd::FromHandlePermanent(child))) views.push_back(view);
  return views;
}
}  // namespace

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL makeVisible) {
  if (!m_hWnd) return;
  RecalcLayout();
  std::vector<CView*> views = ViewsBelow(m_hWnd);
  if (!m_pActiveView && !views.empty()) {
    CView* first = dynamic_cast<CView*>(FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST)));
    SetActiveView(first ? first : views.front());
  }
  for (CView* view : views)
    if (CWnd::FromHandlePermanent(view->m_hWnd) == view) view->OnInitialUpdate();
  if (makeVisible && !IsWindowVisible()) {
    CAppServices* app = GetAppServices();
    ShowWindow(app && app->GetMainWnd() == this ? app->GetShowCommand() : SW_SHOW);
    UpdateWindow();
  }
  OnUpdateFrameTitle();
}

void CFrameWnd::OnIdleUpdateCmdUI() {
  if (!m_hWnd) return;
  std::vector<CControlBar*> bars;
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (auto* bar = dynamic_cast<CControlBar*>(FromHandlePermanent(child))) bars.push_back(bar);
  if (m_pDockSite)
    for (CControlBar* bar : m_pDockSite->GetBars())
      if (std::find(bars.begin(), bars.end(), bar) == bars.end()) bars.push_back(bar);
  // An update handler that fails fails again at every idle time: the same
  // failure is reported once, not after every message.
  try {
    for (CControlBar* bar : bars)
      if (bar->IsVisible()) bar->OnUpdateCmdUI(this, TRUE);
    m_strLastIdleFailure.Empty();
  } catch (...) {
    CString failure = lw::DescribeCurrentException();
    if (failure != m_strLastIdleFailure) lw::ReportException(failure);
    m_strLastIdleFailure = failure;
  }
}

void CFrameWnd::OnSetFocus(CWnd* old) {
  if (m_pActiveView && m_pActiveView->m_hWnd) m_pActiveView->SetFocus();
  else CWnd::OnSetFocus(old);
}

// Each dropped file goes to the application's OpenDocumentFile.
void CFrameWnd::OnDropFiles(HDROP drop) {
  struct Finish {
    HDROP drop;
    ~Finish() { ::DragFinish(drop); }
  } finish{drop};
  std::vector<CString> paths;
  const UINT count = ::DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = ::DragQueryFile(drop, i, nullptr, 0);
    CString path;
    UINT got = ::DragQueryFile(drop, i, path.GetBuffer(static_cast<int>(length) + 1), length + 1);
    path.ReleaseBuffer(static_cast<int>(got <= length ? got : length));
    if (!path.IsEmpty()) paths.push_back(path);
  }
  ::SetActiveWindow(m_hWnd);
  CAppServices* app = GetAppServices();
  for (const CString& path : paths)
    if (app) app->OpenDocumentFile(path);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* ui) {
  int key = ui->m_nID == ID_INDICATOR_CAPS ? VK_CAPITAL : ui->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK : VK_SCROLL;
  ui->Enable(::GetKeyState(key) & 1);
}

// ---- the view's frame ----------------------------------------------------------

CFrameWnd* CView::GetParentFrame() const {
  if (!m_hWnd) return nullptr;
  for (HWND hwnd = ::GetParent(m_hWnd); hwnd; hwnd = ::GetParent(hwnd)) {
    if (auto* frame = dynamic_cast<CFrameWnd*>(FromHandlePermanent(hwnd))) return frame;
    if (!(::GetWindowLongPtr(hwnd, GWL_STYLE) & WS_CHILD)) break;
  }
  return nullptr;
}

void CView::OnDestroy() {
  if (CFrameWnd* frame = GetParentFrame())
    if (frame->GetActiveView() == this) frame->SetActiveView(nullptr, FALSE);
  CWnd::OnDestroy();
}

// A click makes the view its frame's active view.
LRESULT CView::OnMouseActivate(WPARAM, LPARAM) {
  LRESULT result = Default();
  if (result == MA_NOACTIVATEANDEAT || result == MA_ACTIVATEANDEAT) return result;
  if (CFrameWnd* frame = GetParentFrame())
    if (frame->GetActiveView() != this) frame->SetActiveView(this);
  return result;
}
