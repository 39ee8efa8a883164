#include "TransDoc.h"

#include "DeskDialogs.h"
#include "DeskResource.h"
#include "DeskViewHints.h"

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

CString CTransDoc::s_strStartFile;

CTransDoc::CTransDoc()
    : m_ui(nullptr, IDD_LANGUAGEFLAG_EDITOR, IDD_FLAGBACKGROUND_EDITOR), m_pDesk(new CDeskDocument(m_ui, *this)) {}

CTransDoc::~CTransDoc() = default;

BOOL CTransDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return FALSE;
  if (!s_strStartFile.IsEmpty()) m_pDesk->SetPendingFile(s_strStartFile);
  s_strStartFile.Empty();
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

void CTransDoc::RefreshHeader() { UpdateAllViews(DESK_HINT_REFRESH_HEADER); }

void CTransDoc::SetTitle(const CString& title) { CDocument::SetTitle(title); }

void CTransDoc::OnOpen() { m_pDesk->OpenLanguageFile(); }
void CTransDoc::OnNewTranslation() { m_pDesk->OnNewTranslation(); }
void CTransDoc::OnVersionUpdate() { m_pDesk->OnVersionUpdate(); }
void CTransDoc::OnSave() { m_pDesk->Save(); }
void CTransDoc::OnSaveAs() { m_pDesk->SaveAs(); }
void CTransDoc::OnShowOverlay() { m_pDesk->OnShowOverlay(); }
void CTransDoc::OnHideOverlay() { m_pDesk->OnHideOverlay(); }
void CTransDoc::CommitDialogRects() { UpdateAllViews(DESK_HINT_COMMIT_DIALOG_RECTS); }
void CTransDoc::DetachDialogEditor() { UpdateAllViews(DESK_HINT_DETACH_DIALOG_EDITOR); }
bool CTransDoc::RunFontsDialog() { return DeskRunFontsDialog(AfxGetMainWnd()); }
void CTransDoc::RunAddOnsDialog(CTraFile& file) { DeskRunAddOnFilesDialog(AfxGetMainWnd(), file, m_ui); }

void CTransDoc::OnFonts() { m_pDesk->OnFonts(); }
void CTransDoc::OnAddOns() { m_pDesk->OnAddOns(); }
void CTransDoc::OnChooseFlag() { m_pDesk->OnChooseFlag(); }
void CTransDoc::OnUpdateSave(CCmdUI* ui) { ui->Enable(m_pDesk->CanSave()); }
void CTransDoc::OnUpdateHideOverlay(CCmdUI* ui) { ui->Enable(m_pDesk->HasOverlay()); }
