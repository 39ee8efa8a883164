#include "TransDoc.h"

#include "DeskResource.h"
#include "HeadView.h"
#include "MyEditView.h"
#include "WeaveDeskApp.h"

IMPLEMENT_DYNCREATE(CTransDoc, CDocument)

BEGIN_MESSAGE_MAP(CTransDoc, CDocument)
  ON_COMMAND(ID_NEW_TRANSLATION, OnNewTranslation)
  ON_COMMAND(ID_DESK_OPEN, OnOpen)
  ON_COMMAND(ID_DESK_SAVE, OnSave)
  ON_UPDATE_COMMAND_UI(ID_DESK_SAVE, OnUpdateSave)
  ON_COMMAND(ID_DESK_SAVE_AS, OnSaveAs)
  ON_COMMAND(ID_VERSION_UPDATE, OnVersionUpdate)
  ON_COMMAND(ID_OVERLAY_SHOW, OnShowOverlay)
  ON_COMMAND(ID_OVERLAY_HIDE, OnHideOverlay)
  ON_UPDATE_COMMAND_UI(ID_OVERLAY_HIDE, OnUpdateHideOverlay)
  ON_COMMAND(ID_FONTS, OnFonts)
  ON_COMMAND(ID_ADDONS, OnAddOns)
  ON_COMMAND(IDC_HEAD_ADDONS, OnAddOns)
  ON_COMMAND(ID_CHOOSE_FLAG, OnChooseFlag)
END_MESSAGE_MAP()

CTransDoc::CTransDoc()
    : m_ui(nullptr, IDD_LANGUAGEFLAG_EDITOR, IDD_FLAGBACKGROUND_EDITOR), m_pDesk(new CDeskDocument(m_ui, *this)) {}

CTransDoc::~CTransDoc() = default;

BOOL CTransDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return FALSE;
  if (CWeaveDeskApp* app = dynamic_cast<CWeaveDeskApp*>(AfxGetApp())) {
    const CString file = app->TakeCommandLineFile();
    if (!file.IsEmpty()) m_pDesk->SetPendingFile(file);
  }
  return m_pDesk->OpenLanguageFile() ? TRUE : FALSE;  // rebuilds the views itself
}

BOOL CTransDoc::OnOpenDocument(LPCTSTR path) { return OpenNamedFile(path) ? TRUE : FALSE; }

bool CTransDoc::OpenNamedFile(const CString& path) {
  return m_pDesk->OpenFile(path);
}

BOOL CTransDoc::SaveModified() { return m_pDesk->SaveModifiedPrompt() ? TRUE : FALSE; }

void CTransDoc::SetPathName(LPCTSTR path, BOOL addToRecent) {
  // The title stays the editor's own; the path belongs to CDeskDocument.
  m_strPathName = path ? path : _T("");
  if (addToRecent && path && *path) AfxGetApp()->AddToRecentFileList(path);
}

void CTransDoc::UpdateAllViews(int hint) { CDocument::UpdateAllViews(nullptr, hint); }

void CTransDoc::RefreshHeader() {
  if (CHeadView* head = GetHeadView()) head->Refresh();
}

void CTransDoc::SetTitle(const CString& title) { CDocument::SetTitle(title); }

CHeadView* CTransDoc::GetHeadView() const {
  for (int i = 0; i < GetViewCount(); ++i)
    if (auto* view = dynamic_cast<CHeadView*>(GetView(i))) return view;
  return nullptr;
}

CMyEditView* CTransDoc::GetEditView() const {
  for (int i = 0; i < GetViewCount(); ++i)
    if (auto* view = dynamic_cast<CMyEditView*>(GetView(i))) return view;
  return nullptr;
}

void CTransDoc::OnOpen() { m_pDesk->OpenLanguageFile(); }
void CTransDoc::OnNewTranslation() { m_pDesk->OnNewTranslation(); }
void CTransDoc::OnVersionUpdate() { m_pDesk->OnVersionUpdate(); }
void CTransDoc::OnSave() { m_pDesk->Save(); }
void CTransDoc::OnSaveAs() { m_pDesk->SaveAs(); }
void CTransDoc::OnShowOverlay() { m_pDesk->OnShowOverlay(); }
void CTransDoc::OnHideOverlay() { m_pDesk->OnHideOverlay(); }
void CTransDoc::CommitDialogRects() {
  if (CMyEditView* view = GetEditView()) view->CommitDialogRects();
}
void CTransDoc::DetachDialogEditor() {
  if (CMyEditView* view = GetEditView()) view->DetachDialogEditor();
}
bool CTransDoc::RunFontsDialog() { return DeskRunFontsDialog(AfxGetMainWnd()); }
void CTransDoc::RunAddOnsDialog(CTraFile& file) { DeskRunAddOnFilesDialog(AfxGetMainWnd(), file, m_ui); }

void CTransDoc::OnFonts() { m_pDesk->OnFonts(); }
void CTransDoc::OnAddOns() { m_pDesk->OnAddOns(); }
void CTransDoc::OnChooseFlag() { m_pDesk->OnChooseFlag(); }
void CTransDoc::OnUpdateSave(CCmdUI* ui) { ui->Enable(m_pDesk->CanSave()); }
void CTransDoc::OnUpdateHideOverlay(CCmdUI* ui) { ui->Enable(m_pDesk->HasOverlay()); }
