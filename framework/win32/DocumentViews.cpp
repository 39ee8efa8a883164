// The document's side of document/view: the views it tells about changes,
// the frames around them that show its title and close with it, and the
// template that holds it (and hands it the program's services).
#include "Document.h"

#include "AppServices.h"
#include "DocTemplate.h"
#include "FrameWnd.h"

#include <algorithm>

CDocument::~CDocument() {
  for (CView* view : m_views) view->m_pDocument = nullptr;
  m_views.clear();
  if (m_pDocTemplate) m_pDocTemplate->RemoveDocument(this);
}

CAppServices* CDocument::GetAppServices() const {
  return m_pDocTemplate ? m_pDocTemplate->GetAppServices() : LwGetAppServices();
}

void CDocument::AddView(CView* view) {
  if (!view || std::find(m_views.begin(), m_views.end(), view) != m_views.end()) return;
  if (view->m_pDocument && view->m_pDocument != this) view->m_pDocument->RemoveView(view);
  m_views.push_back(view);
  view->m_pDocument = this;
  OnChangedViewList();
}

void CDocument::RemoveView(CView* view) {
  auto it = std::find(m_views.begin(), m_views.end(), view);
  if (it == m_views.end()) return;
  m_views.erase(it);
  view->m_pDocument = nullptr;
  OnChangedViewList();
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject) {
  // A copy: a view may leave the document while it is being updated.
  std::vector<CView*> views = m_views;
  for (CView* view : views)
    if (view != sender && std::find(m_views.begin(), m_views.end(), view) != m_views.end())
      view->OnUpdate(sender, hint, hintObject);
}

void CDocument::UpdateFrameCounts() {
  for (CView* view : m_views)
    if (CFrameWnd* frame = view->GetParentFrame()) frame->OnUpdateFrameTitle();
}

void CDocument::OnCloseDocument() {
  // The frames' views leave the document while it closes; it must not
  // delete itself before the end.
  BOOL autoDelete = m_bAutoDelete;
  m_bAutoDelete = FALSE;
  while (!m_views.empty()) {
    CView* view = m_views.front();
    CFrameWnd* frame = view->GetParentFrame();
    if (frame) {
      PreCloseFrame(frame);
      frame->DestroyWindow();
    } else {
      view->DestroyWindow();
    }
    if (!m_views.empty() && m_views.front() == view) RemoveView(view);  // a window that stayed
  }
  m_bAutoDelete = autoDelete;
  DeleteContents();
  if (m_bAutoDelete) delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* frame) {
  for (CView* view : m_views) {
    CFrameWnd* other = view->GetParentFrame();
    if (other && other != frame) return TRUE;  // still shown elsewhere
  }
  return SaveModified();
}
