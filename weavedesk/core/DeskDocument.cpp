#include "DeskDocument.h"

#include "DeskFileIo.h"
#include "DeskStrings.h"
#include "LwvPaths.h"
#include "TraFile.h"
#include "UiServices.h"

namespace {

const TCHAR kFilter[] = _T("Lingoweave (*.tra)|*.tra||");

}  // namespace

CDeskDocument::CDeskDocument(CUiServices& ui, CDeskDocumentHost& host)
    : m_ui(ui), m_host(host), m_bModified(false), m_nNewLanguage(0), m_nLossyTexts(0) {}

CDeskDocument::~CDeskDocument() = default;

void CDeskDocument::Message(const CString& text, UINT type) { m_ui.ShowMessage(text, type); }

// ---- header texts ----

CTraNode* CDeskDocument::GetRootNode() const { return m_pFile ? m_pFile->GetRootNode() : nullptr; }
CTraNode* CDeskDocument::GetOverlayRootNode() const { return m_pOverlay ? m_pOverlay->GetRootNode() : nullptr; }
CString CDeskDocument::GetLanguageName() const { return m_pFile ? m_pFile->GetLanguageName() : CString(); }
void CDeskDocument::SetLanguageName(const CString& name) {
  if (m_pFile) m_pFile->SetLanguageName(name);
}
CString CDeskDocument::GetOverlayLanguageName() const {
  return m_pOverlay ? m_pOverlay->GetLanguageName() : CString();
}
CString CDeskDocument::GetProgramName() const { return m_pFile ? m_pFile->GetProgramName() : CString(); }
CString CDeskDocument::GetVersion() const { return m_pFile ? m_pFile->GetProgramVersion() : CString(); }
CString CDeskDocument::GetComment() const { return m_pFile ? m_pFile->GetComment() : CString(); }
void CDeskDocument::SetComment(const CString& text) {
  if (m_pFile) m_pFile->SetComment(text);
}
CString CDeskDocument::GetAuthor() const { return m_pFile ? m_pFile->GetAuthor() : CString(); }
void CDeskDocument::SetAuthor(const CString& text) {
  if (m_pFile) m_pFile->SetAuthor(text);
}
CString CDeskDocument::GetDate() const { return m_pFile ? m_pFile->GetDate() : CString(); }
bool CDeskDocument::IsOriginal() const { return !m_pFile || m_pFile->IsOriginal(); }

void CDeskDocument::SetModified() {
  m_bModified = true;
  if (m_pFile) m_pFile->SetDateToday();
  m_host.RefreshHeader();
  UpdateTitle();
}

void CDeskDocument::UpdateTitle() {
  CString title = DeskTextWith(IDS_DESK_TITLE_FORMAT, lw::NameOf(m_strPath));
  if (m_bModified) title += _T("*");
  if (m_pFile && m_pFile->IsOriginal()) title += _T(" ") + DeskText(IDS_DESK_ORIGINAL_SUFFIX);
  m_strTitle = title;
  m_host.SetTitle(title);
}

void CDeskDocument::CommitViews() {
  m_host.CommitDialogRects();
  m_host.UpdateAllViews(DESK_HINT_STORE);
}

// ---- opening ----

CString CDeskDocument::ChooseFile(UINT titleId, bool open) {
  LwFileChoice choice;
  choice.bOpen = open;
  choice.bMustExist = open;
  choice.strTitle = DeskText(titleId);
  choice.strFilter = kFilter;
  choice.strDefExt = _T("tra");
  choice.strInitialPath = _T("*.tra");
  if (!m_ui.ChooseFile(choice) || choice.paths.IsEmpty()) return CString();
  return choice.paths[0];
}

std::unique_ptr<CTraFile> CDeskDocument::Load(const CString& path, UINT& lossyTexts) {
  std::unique_ptr<CTraFile> file(new CTraFile());
  switch (ReadDeskFile(path, *file, lossyTexts)) {
    case DESK_READ_OK:
      return file;
    case DESK_READ_FILE_ERROR:
      Message(DeskTextWith(IDS_DESK_READ_FAILED, path));
      return nullptr;
    case DESK_READ_NOT_LANGUAGE_FILE:
      // The reader's own words come first, in a plain box.
      Message(TRA_CORRUPT_MESSAGE, MB_OK);
      Message(DeskText(IDS_DESK_INVALID_FILE), MB_OK | MB_ICONEXCLAMATION);
      return nullptr;
    case DESK_READ_INVALID:
    default:
      Message(DeskText(IDS_DESK_INVALID_FILE), MB_OK | MB_ICONEXCLAMATION);
      return nullptr;
  }
}

bool CDeskDocument::OpenLanguageFile() {
  if (!SaveModifiedPrompt()) return false;
  CString path = m_strPendingFile;
  m_strPendingFile.Empty();
  if (path.IsEmpty()) path = ChooseFile(IDS_DESK_OPEN_TITLE, true);
  if (path.IsEmpty()) return false;
  return Install(path);
}

bool CDeskDocument::OpenFile(const CString& path) {
  if (path.IsEmpty() || !SaveModifiedPrompt()) return false;
  return Install(path);
}

bool CDeskDocument::Install(const CString& path) {
  UINT lossy = 0;
  std::unique_ptr<CTraFile> loaded = Load(path, lossy);
  if (!loaded) return false;
  // The run time writes add-on files relative to the language file's folder.
  const bool badAddOns = !loaded->CheckAddOnPaths(GetDirectoryPart(path));
  m_host.DetachDialogEditor();
  std::unique_ptr<CTraFile> oldFile = std::move(m_pFile);
  std::unique_ptr<CTraFile> oldOverlay = std::move(m_pOverlay);
  m_pFile = std::move(loaded);
  m_strPath = path;
  m_bModified = false;
  m_nLossyTexts = lossy;
  UpdateTitle();
  m_host.UpdateAllViews(DESK_HINT_REBUILD);
  m_host.UpdateAllViews(DESK_HINT_REPAINT);
  oldFile.reset();
  oldOverlay.reset();
  if (badAddOns) Message(DeskText(IDS_DESK_BAD_ADDON_PATHS));
  if (lossy > 0) Message(DeskTextWith(IDS_DESK_LOSSY_TEXTS, static_cast<int>(lossy)));
  return true;
}

// ---- overlay ----

void CDeskDocument::OnShowOverlay() {
  if (!m_pFile) return;
  const CString path = ChooseFile(IDS_DESK_OVERLAY_TITLE, true);
  if (path.IsEmpty()) return;
  CommitViews();
  UINT lossy = 0;
  std::unique_ptr<CTraFile> overlay = Load(path, lossy);
  if (!overlay) return;
  if (overlay->GetProgramName() != m_pFile->GetProgramName()) {
    Message(DeskText(IDS_DESK_OVERLAY_OTHER_PROGRAM));
    return;
  }
  const bool unmatched = overlay->UpdateFrom(*m_pFile);
  std::unique_ptr<CTraFile> old = std::move(m_pOverlay);
  m_pOverlay = std::move(overlay);
  m_host.UpdateAllViews(DESK_HINT_REBUILD);
  m_host.UpdateAllViews(DESK_HINT_REPAINT);
  old.reset();
  if (unmatched) Message(DeskText(IDS_DESK_OVERLAY_OTHER_VERSION));
}

void CDeskDocument::OnHideOverlay() {
  if (!m_pOverlay) return;
  CommitViews();
  std::unique_ptr<CTraFile> old = std::move(m_pOverlay);
  m_host.UpdateAllViews(DESK_HINT_REBUILD);
  m_host.UpdateAllViews(DESK_HINT_REPAINT);
}

// ---- new translation and version update ----

void CDeskDocument::OnNewTranslation() {
  if (!m_pFile || !SaveModifiedPrompt()) return;
  CommitViews();
  std::unique_ptr<CTraFile> old = std::move(m_pOverlay);
  m_pOverlay.reset(m_pFile->Clone());
  m_pFile->SetLanguageName(DeskTextWith(IDS_DESK_NEW_LANGUAGE, m_nNewLanguage));
  if (CTraNode* root = m_pFile->GetRootNode()) root->MarkStatesNew();
  m_pFile->SetOriginal(false);
  m_strPath.Empty();
  m_host.UpdateAllViews(DESK_HINT_REBUILD);
  old.reset();
  OnChooseFlag();
  m_host.DetachDialogEditor();
  m_host.UpdateAllViews(DESK_HINT_REPAINT);
  m_bModified = true;
  UpdateTitle();
}

void CDeskDocument::OnVersionUpdate() {
  if (!m_pFile || !SaveModifiedPrompt()) return;
  const CString path = ChooseFile(IDS_DESK_UPDATE_TITLE, true);
  if (path.IsEmpty()) return;
  CommitViews();
  UINT lossy = 0;
  std::unique_ptr<CTraFile> newer = Load(path, lossy);
  if (!newer) return;
  if (newer->GetProgramName() != m_pFile->GetProgramName() &&
      m_ui.ShowMessage(DeskText(IDS_DESK_UPDATE_OTHER_PROGRAM), MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  // The merge runs on a copy: the views keep the old tree until they are rebuilt.
  std::unique_ptr<CTraFile> updated(m_pFile->Clone());
  updated->UpdateFrom(*newer);
  if (CTraNode* root = updated->GetRootNode()) root->PropagateStates();
  m_host.DetachDialogEditor();
  std::unique_ptr<CTraFile> oldFile = std::move(m_pFile);
  std::unique_ptr<CTraFile> oldOverlay = std::move(m_pOverlay);
  m_pFile = std::move(updated);
  m_pOverlay = std::move(newer);
  m_nLossyTexts += lossy;
  // The merged translation exists nowhere on disk, whether or not nodes were new.
  m_bModified = true;
  m_strPath.Empty();
  UpdateTitle();
  m_host.UpdateAllViews(DESK_HINT_REBUILD);
  m_host.UpdateAllViews(DESK_HINT_REPAINT);
}

// ---- flag, fonts, add-ons ----

void CDeskDocument::OfferNewTranslation() {
  if (m_ui.ShowMessage(DeskText(IDS_DESK_OFFER_TRANSLATION), MB_YESNO | MB_ICONQUESTION) == IDYES)
    OnNewTranslation();
}

void CDeskDocument::OnChooseFlag() {
  if (IsOriginal()) {
    OfferNewTranslation();
    return;
  }
  LwFlagChoice flag;
  flag.langId = m_pFile->GetLanguageId();
  if (!m_ui.PickFlag(flag)) return;
  m_pFile->SetLanguageId(flag.langId);
  if (flag.pixels.size() == static_cast<size_t>(TRA_FLAG_PIXELS))
    for (int i = 0; i < TRA_FLAG_PIXELS; ++i) m_pFile->SetFlagPixel(i, flag.pixels[static_cast<size_t>(i)]);
  m_host.UpdateAllViews(DESK_HINT_REPAINT);
  m_bModified = true;
  UpdateTitle();
}

void CDeskDocument::OnFonts() {
  if (!m_host.RunFontsDialog()) return;
  // What is being typed goes into the tree before the blocks are made anew.
  CommitViews();
  m_host.UpdateAllViews(DESK_HINT_REBUILD);
}

void CDeskDocument::OnAddOns() {
  if (!m_pFile) return;
  if (m_pFile->HasBadAddOnPaths()) Message(DeskText(IDS_DESK_BAD_ADDON_PATHS));
  SetModified();
  m_host.RunAddOnsDialog(*m_pFile);
  m_host.UpdateAllViews(DESK_HINT_REPAINT_KEEP);
}

// ---- saving ----

bool CDeskDocument::Save() {
  if (!m_pFile) return false;
  if (m_strPath.IsEmpty()) return SaveAs();
  return SaveTo(m_strPath);
}

bool CDeskDocument::SaveAs() {
  if (!m_pFile) return false;
  const CString target = ChooseFile(IDS_DESK_SAVE_TITLE, false);
  if (target.IsEmpty()) return false;
  return SaveTo(target);
}

bool CDeskDocument::SaveTo(const CString& target) {
  switch (ProbeFile(target)) {
    case DESK_PROBE_ORIGINAL:
      Message(DeskTextWith(IDS_DESK_ORIGINAL_NOT_OVERWRITTEN, target));
      return SaveAs();
    case DESK_PROBE_ERROR:
      // What cannot be read cannot be known not to be an original.
      Message(DeskTextWith(IDS_DESK_SAVE_FAILED, target));
      return false;
    default:
      break;
  }
  if (m_nLossyTexts > 0 &&
      m_ui.ShowMessage(DeskText(IDS_DESK_LOSSY_SAVE_QUESTION), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
    return false;
  CommitViews();
  // An older file takes the current version when it would lose what was
  // added to it (author, date, language, add-on files).
  m_pFile->SetVersion(LwVersionHolding(*m_pFile));
  if (!LwWriteLanguageFile(target, *m_pFile)) {
    Message(DeskTextWith(IDS_DESK_SAVE_FAILED, target));
    return false;
  }
  m_strPath = target;
  m_bModified = false;
  UpdateTitle();
  return true;
}

bool CDeskDocument::SaveModifiedPrompt() {
  if (!m_bModified) return true;
  const int answer = m_ui.ShowMessage(DeskText(IDS_DESK_SAVE_QUESTION), MB_YESNOCANCEL | MB_ICONQUESTION);
  if (answer == IDCANCEL) return false;
  if (answer == IDNO) return true;
  Save();
  return !m_bModified;
}
