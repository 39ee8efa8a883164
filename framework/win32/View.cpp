#include "View.h"

#include "FrameworkIds.h"
#include "Gdi.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
  ON_WM_PAINT()
  ON_WM_DESTROY()
  ON_MESSAGE(WM_MOUSEACTIVATE, OnMouseActivate)
  ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrintDirect)
END_MESSAGE_MAP()

CView::~CView() {
  if (m_pDocument) m_pDocument->RemoveView(this);
}

void CView::PostNcDestroy() {
  if (m_bAutoDelete) delete this;
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs) {
  if (!cs.lpszClass)
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  cs.style |= WS_CLIPSIBLINGS;
  return CWnd::PreCreateWindow(cs);
}

BOOL CView::CreateView(CWnd* parent, UINT id, const RECT& rect, CCreateContext* context) {
  if (context && context->m_pCurrentDoc) context->m_pCurrentDoc->AddView(this);
  return CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, parent, id, context);
}

CView* lw::CreateViewFromContext(CWnd* parent, UINT id, const RECT& rect, CCreateContext* context) {
  if (!context || !context->m_pNewViewClass || !parent) return nullptr;
  CObject* object = context->m_pNewViewClass->CreateObject();
  CView* view = dynamic_cast<CView*>(object);
  if (!view) {
    delete object;
    return nullptr;
  }
  // A window that fails in WM_CREATE is destroyed at once: the view must
  // outlive that to be deleted here.
  view->m_bAutoDelete = FALSE;
  BOOL created = view->CreateView(parent, id, rect, context);
  view->m_bAutoDelete = TRUE;
  if (!created || !view->m_hWnd) {
    delete view;
    return nullptr;
  }
  return view;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView*, LPARAM, CObject*) { Invalidate(TRUE); }

void CView::OnActivateView(BOOL activate, CView* activated, CView*) {
  if (activate && activated == this && m_hWnd && !IsChild(GetFocus()) && GetFocus() != this) SetFocus();
}

BOOL CView::OnCmdMsg(UINT id, UINT code, void* extra) {
  return lw::RouteCommand<CCmdTarget>({this, m_pDocument}, [&](CCmdTarget* target) {
    return target == this ? CWnd::OnCmdMsg(id, code, extra) : target->OnCmdMsg(id, code, extra);
  });
}

BOOL CView::HasCommandHandler(UINT id) const {
  return CWnd::HasCommandHandler(id) || (m_pDocument && m_pDocument->HasCommandHandler(id));
}

void CView::OnPaint() {
  CPaintDC dc(this);
  OnPrepareDC(&dc);
  OnDraw(&dc);
}
