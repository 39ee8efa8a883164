#include "DocTemplate.h"

#include "FrameWnd.h"
#include "AppServices.h"

CAppServices* CDocTemplate::GetAppServices() const { return m_pAppServices ? m_pAppServices : LwGetAppServices(); }

CDocTemplate::CDocTemplate(UINT resourceId, const CRuntimeClass* docClass, const CRuntimeClass* frameClass,
                           const CRuntimeClass* viewClass)
    : m_nIDResource(resourceId), m_pDocClass(docClass), m_pFrameClass(frameClass), m_pViewClass(viewClass) {
  m_strDocStrings.LoadString(resourceId);
}

BOOL CDocTemplate::GetDocString(CString& text, DocStringIndex index) const {
  text.Empty();
  int start = 0;
  for (int i = 0; i < index; ++i) {
    int end = m_strDocStrings.Find(_T('\n'), start);
    if (end < 0) return FALSE;
    start = end + 1;
  }
  int end = m_strDocStrings.Find(_T('\n'), start);
  text = end < 0 ? m_strDocStrings.Mid(start) : m_strDocStrings.Mid(start, end - start);
  return !text.IsEmpty();
}

CDocument* CDocTemplate::CreateNewDocument() {
  CObject* object = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
  CDocument* doc = dynamic_cast<CDocument*>(object);
  if (!doc) {
    delete object;
    return nullptr;
  }
  AddDocument(doc);
  return doc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* doc) {
  CObject* object = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
  CFrameWnd* frame = dynamic_cast<CFrameWnd*>(object);
  if (!frame) {
    delete object;
    return nullptr;
  }
  CCreateContext context;
  context.m_pNewViewClass = m_pViewClass;
  context.m_pCurrentDoc = doc;
  context.m_pNewDocTemplate = this;
  context.m_pCurrentFrame = frame;
  if (!frame->LoadFrameForDocument(m_nIDResource, &context)) {
    delete frame;  // a failed LoadFrame leaves the object to the caller
    return nullptr;
  }
  return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* frame, CDocument* doc, BOOL makeVisible) {
  frame->InitialUpdateFrame(doc, makeVisible);
}

void CDocTemplate::SetDefaultTitle(CDocument* doc) {
  CString title;
  if (!GetDocString(title, docName) && (!title.LoadString(AFX_IDS_UNTITLED) || title.IsEmpty()))
    title = _T("Untitled");
  doc->SetTitle(title);
}

void CDocTemplate::AddDocument(CDocument* doc) { doc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* doc) {
  if (doc->m_pDocTemplate == this) doc->m_pDocTemplate = nullptr;
}

BOOL CDocTemplate::SaveAllModified() {
  for (int i = 0; i < GetDocumentCount(); ++i)
    if (CDocument* doc = GetDocument(i))
      if (!doc->SaveModified()) return FALSE;
  return TRUE;
}

void CDocTemplate::CloseAllDocuments() {
  while (CDocument* doc = GetDocument(0)) {
    doc->OnCloseDocument();
    if (GetDocument(0) == doc) {  // a document that does not delete itself
      RemoveDocument(doc);
      break;
    }
  }
}

// ---- single document ------------------------------------------------------------

CSingleDocTemplate::~CSingleDocTemplate() {
  if (m_pOnlyDoc) {
    CDocument* doc = m_pOnlyDoc;
    RemoveDocument(doc);
    if (doc->m_bAutoDelete && doc->GetViewCount() == 0) delete doc;
  }
}

void CSingleDocTemplate::AddDocument(CDocument* doc) {
  if (m_pOnlyDoc && m_pOnlyDoc != doc) RemoveDocument(m_pOnlyDoc);
  m_pOnlyDoc = doc;
  CDocTemplate::AddDocument(doc);
}

void CSingleDocTemplate::RemoveDocument(CDocument* doc) {
  if (doc == m_pOnlyDoc) m_pOnlyDoc = nullptr;
  CDocTemplate::RemoveDocument(doc);
}

// The frame's views take the document along when they go; one without
// views leaves it here.
void CSingleDocTemplate::DiscardFrame(CFrameWnd* frame, CDocument* doc) {
  frame->DestroyWindow();
  if (m_pOnlyDoc == doc) delete doc;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR path, BOOL makeVisible) {
  // A frame made for a document that then fails with an exception goes
  // with it (the exception goes on to the message boundary).
  const bool creating = m_pOnlyDoc == nullptr;
  try {
    return OpenOrCreate(path, makeVisible);
  } catch (...) {
    CDocument* doc = creating ? m_pOnlyDoc : nullptr;
    CView* view = doc ? doc->GetView(0) : nullptr;
    CFrameWnd* frame = view ? view->GetParentFrame() : nullptr;
    CAppServices* app = GetAppServices();
    if (frame && (!app || app->GetMainWnd() != frame)) DiscardFrame(frame, doc);
    throw;
  }
}

CDocument* CSingleDocTemplate::OpenOrCreate(LPCTSTR path, BOOL makeVisible) {
  CDocument* doc = m_pOnlyDoc;
  CFrameWnd* frame = nullptr;
  const bool created = doc == nullptr;
  if (created) {
    doc = CreateNewDocument();
    if (!doc) return nullptr;
    // Views that fail while the frame is made must not close the document.
    doc->m_bAutoDelete = FALSE;
    frame = CreateNewFrame(doc);
    doc->m_bAutoDelete = TRUE;
    if (!frame) {
      if (doc->GetViewCount() == 0) {
        delete doc;
      } else {
        doc->OnCloseDocument();
      }
      return nullptr;
    }
  } else {
    if (!doc->SaveModified()) return nullptr;
    CView* view = doc->GetView(0);
    frame = view ? view->GetParentFrame() : nullptr;
  }

  if (!path) {
    SetDefaultTitle(doc);
    if (!doc->OnNewDocument()) {
      if (created) DiscardFrame(frame, doc);
      return nullptr;
    }
  } else if (!doc->OnOpenDocument(path)) {
    if (created) {
      DiscardFrame(frame, doc);
    } else {
      // The old contents are gone: the document becomes a new one, so that
      // nothing empty is saved under the old path.
      SetDefaultTitle(doc);
      doc->OnNewDocument();
    }
    return nullptr;
  } else {
    doc->SetPathName(path);
  }

  CAppServices* app = GetAppServices();
  if (created && frame && app && !app->GetMainWnd()) app->SetMainWnd(frame);
  if (frame) InitialUpdateFrame(frame, doc, makeVisible);
  return doc;
}
