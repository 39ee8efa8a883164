#include "Document.h"

#include "FrameworkIds.h"
#include "FrameworkText.h"
#include "AppServices.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
  ON_COMMAND(ID_FILE_SAVE, OnFileSave)
  ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

using lw::FrameworkText;

void CDocument::SetTitle(LPCTSTR title) {
  m_strTitle = title ? title : _T("");
  UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR path, BOOL addToRecent) {
  m_strPathName = path ? path : _T("");
  SetTitle(lw::NameOf(m_strPathName));
  if (addToRecent && !m_strPathName.IsEmpty())
    if (CAppServices* app = GetAppServices()) app->AddToRecentFileList(m_strPathName);
}

CView* CDocument::GetView(int index) const {
  return index >= 0 && index < GetViewCount() ? m_views[static_cast<size_t>(index)] : nullptr;
}

void CDocument::OnChangedViewList() {
  if (m_views.empty() && m_bAutoDelete) {
    OnCloseDocument();
    return;
  }
  UpdateFrameCounts();
}

BOOL CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.Empty();
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR path) {
  DeleteContents();
  SetModifiedFlag(TRUE);  // half-read contents count as changed
  try {
    CFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &error)) {
      if (error.m_strFileName.IsEmpty()) error.m_strFileName = path;
      throw error;
    }
    CArchive archive(&file, CArchive::load);
    Serialize(archive);
    archive.Close();
  } catch (const CException& e) {
    DeleteContents();
    SetModifiedFlag(FALSE);
    ReportSaveLoadException(path, e.GetErrorMessage(), FALSE);
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR path) {
  try {
    CAtomicFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &error)) throw error;
    CArchive archive(&file, CArchive::store);
    Serialize(archive);
    archive.Close();
    file.Commit();
  } catch (const CException& e) {
    ReportSaveLoadException(path, e.GetErrorMessage(), TRUE);
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

void CDocument::ReportSaveLoadException(LPCTSTR path, const CString& cause, BOOL saving) {
  CString text = saving ? FrameworkText(AFX_IDP_FAILED_TO_SAVE_DOC, _T("Failed to save document %1.\n%2"), path, cause)
                        : FrameworkText(AFX_IDP_FAILED_TO_OPEN_DOC, _T("Failed to open document %1.\n%2"), path, cause);
  AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

BOOL CDocument::SaveModified() {
  if (!IsModified()) return TRUE;
  CString name = m_strPathName.IsEmpty() ? m_strTitle : lw::NameOf(m_strPathName);
  if (name.IsEmpty()) name = FrameworkText(AFX_IDS_UNTITLED, _T("Untitled"), CString());
  CString question = FrameworkText(AFX_IDP_ASK_TO_SAVE, _T("Save changes to %1?"), name);
  switch (AfxMessageBox(question, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL:
      return FALSE;
    case IDYES:
      return DoFileSave();
    default:
      return TRUE;
  }
}

BOOL CDocument::DoFileSave() {
  return DoSave(m_strPathName.IsEmpty() ? nullptr : m_strPathName.GetString());
}

BOOL CDocument::DoSave(LPCTSTR path, BOOL replace) {
  CString name = path ? path : _T("");
  if (name.IsEmpty()) {
    name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    CAppServices* app = GetAppServices();
    if (!app || !app->DoPromptFileName(name, FALSE, m_pDocTemplate)) return FALSE;
  }
  if (!OnSaveDocument(name)) return FALSE;
  if (replace) SetPathName(name);
  return TRUE;
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }
