#include "MakerController.h"

#include "AddOnRows.h"
#include "LanguageCatalogue.h"
#include "LwvPaths.h"
#include "ProjectFile.h"
#include "StdDlgText.h"
#include "TraFile.h"
#include "WeaveMakerIds.h"
#include "WizardTexts.h"

namespace {

const TCHAR kProjectFilter[] = _T("Weavecraft (*.lwp)|*.lwp||");
const WORD kGermanPrimary = 0x07;

bool IsRelative(const CString& path) { return !path.IsEmpty() && !IsFullPath(path); }

// The project chooser of new, open and save as.
LwFileChoice ProjectFileChoice(bool open, const CString& title) {
  LwFileChoice choice;
  choice.bOpen = open;
  choice.strTitle = title;
  choice.strFilter = kProjectFilter;
  choice.strDefExt = _T("lwp");
  choice.strInitialPath = _T("*.lwp");
  return choice;
}

// Whether two trees hold the same nodes: texts, kinds and layouts.
bool SameTree(const CTraNode* a, const CTraNode* b) {
  if (!a || !b) return a == b;
  if (a->GetOriginal() != b->GetOriginal() || a->GetTranslation() != b->GetTranslation() ||
      a->GetKind() != b->GetKind() || a->GetChildCount() != b->GetChildCount() || !a->GetLayout() != !b->GetLayout())
    return false;
  if (const CTraLayout* la = a->GetLayout()) {
    const CTraLayout& lb = *b->GetLayout();
    if (!EqualRects(la->m_rcOriginal, lb.m_rcOriginal) || !EqualRects(la->m_rcTranslated, lb.m_rcTranslated) ||
        la->m_nStyle != lb.m_nStyle || la->m_nExStyle != lb.m_nExStyle || la->m_strFontFace != lb.m_strFontFace ||
        la->m_nFontSize != lb.m_nFontSize)
      return false;
  }
  for (int i = 0; i < a->GetChildCount(); ++i)
    if (!SameTree(a->GetChild(i), b->GetChild(i))) return false;
  return true;
}

CString Rebased(const CString& path, const CString& oldFolder, const CString& newPath) {
  if (!IsRelative(path)) return path;
  return MakeRelativePath(JoinPath(oldFolder, path), newPath);
}

// Every path of a project that names a file: the project's own, its
// scripts, its language file and its add-on folders.
struct ProjectPaths {
  CString project;
  std::vector<CString> scripts;
  CString tra;
  std::vector<CString> addOnFolders;
};

ProjectPaths PathsOf(const CWizardProject& project) {
  ProjectPaths paths;
  paths.project = project.GetProjectPath();
  for (int i = 0; i < project.GetRcFileCount(); ++i) paths.scripts.push_back(project.GetRcFile(i));
  paths.tra = project.GetTraPath();
  const CAddOnFileList& addOns = *project.GetTraFile()->GetAddOnFiles();
  for (int i = 0; i < addOns.GetCount(); ++i) paths.addOnFolders.push_back(addOns.GetAt(i)->GetStoredPath());
  return paths;
}

void SetPaths(CWizardProject& project, const ProjectPaths& paths) {
  while (project.GetRcFileCount() > 0) project.RemoveRcFile(project.GetRcFile(0));
  for (const CString& s : paths.scripts) project.AddRcFile(s);
  project.SetTraPath(paths.tra);
  CAddOnFileList& addOns = *project.GetTraFile()->GetAddOnFiles();
  for (int i = 0; i < addOns.GetCount() && i < static_cast<int>(paths.addOnFolders.size()); ++i)
    addOns.GetAt(i)->SetStoredPath(paths.addOnFolders[i]);
  project.SetProjectPath(paths.project);
}

}  // namespace

void RebaseWizardProject(CWizardProject& project, const CString& newPath) {
  const CString target = MakeFullPath(newPath);
  const CString oldFolder = project.GetProjectFolder();
  ProjectPaths paths = PathsOf(project);
  paths.project = target;
  for (CString& s : paths.scripts) s = Rebased(s, oldFolder, target);
  paths.tra = Rebased(paths.tra, oldFolder, target);
  for (CString& folder : paths.addOnFolders)  // "" is the project's folder
    if (folder.IsEmpty() || IsRelative(folder)) folder = GetDirectoryPart(Rebased(folder + _T("x"), oldFolder, target));
  SetPaths(project, paths);
}

CMakerController::CMakerController(CUiServices& ui, IMakerView& view) : m_ui(ui), m_view(view) {}

CMakerController::~CMakerController() = default;

CString CMakerController::GetProblems() const { return m_scanClean ? Text(kTextScanDone) : m_problems; }

CString CMakerController::Text(UINT id) const { return text ? text(id) : WizardText(id); }

// A text is a format only when its conversions take exactly the values the
// caller fills (a translation may not): otherwise it stands as it is, the
// values on lines of their own.
CString CMakerController::Text(UINT id, const CString& a) const { return LwFormatOrAppend(Text(id), {a}, _T("\n")); }

CString CMakerController::Text(UINT id, const CString& a, const CString& b) const {
  return LwFormatOrAppend(Text(id), {a, b}, _T("\n"));
}

// The class library's reason is English whatever the wizard's language:
// the message stands without it.
void CMakerController::Report(UINT id, const CString& path) {
  m_ui.ShowMessage(Text(id, path), MB_OK | MB_ICONEXCLAMATION);
  Refresh();
}

MakerStateFlags CMakerController::Flags() const {
  MakerStateFlags f;
  f.project = m_project != nullptr;
  f.projectModified = m_state.projectModified;
  f.loaded = m_loaded;
  f.traModified = m_state.languageFileModified;
  if (m_project) {
    const CTraFile& file = *m_project->GetTraFile();
    f.headerComplete = !file.GetProgramName().IsEmpty() && !file.GetProgramVersion().IsEmpty() &&
                       !file.GetLanguageName().IsEmpty();
    f.writeTestFile = m_project->m_bWriteTestFile;
  }
  return f;
}

CString CMakerController::MakeProjectRelativePath(const CString& fullPath) const {
  return m_project ? MakeRelativePath(fullPath, m_project->GetProjectPath()) : fullPath;
}

void CMakerController::ChangeToProjectDirectory() {
  if (m_project) m_view.ProjectFolderChanged(m_project->GetProjectFolder());
}

void CMakerController::DropProject() {
  m_traCommands.reset();
  m_project.reset();
  m_state = WizardDialogState();
  m_loaded = false;
  m_view.FillHeaderEdits();  // empty: nothing of the old project stays behind
}

bool CMakerController::ResetProject() {
  if (m_project && m_state.projectModified) {
    const int answer = m_ui.ShowMessage(Text(IDS_ASK_SAVE_PROJECT, m_project->GetProjectFileName()), MB_YESNO);
    if (answer == IDYES && !OnProjectSave()) return false;
  }
  DropProject();
  m_project.reset(new CWizardProject);
  m_traCommands.reset(new CLanguageFileCommands(*m_project, m_state, m_ui));
  m_traCommands->copyHeaderEdits = [this] { m_view.CopyHeaderEdits(); };
  m_traCommands->refresh = [this] { Refresh(); };
  return true;
}

void CMakerController::OnProjectNew() {
  LwFileChoice choice = ProjectFileChoice(true, Text(IDS_NEW_TITLE));
  if (m_ui.ChooseFile(choice) && !choice.paths.IsEmpty()) NewProject(choice.paths[0]);
}

void CMakerController::NewProject(const CString& path) {
  if (!ResetProject()) {
    Refresh();
    return;
  }
  m_project->SetProjectPath(path);
  m_project->SetDefaultTraPath();
  m_project->InitLanguageFileHeader();
  m_view.FillHeaderEdits();
  m_state.projectModified = true;
  ChangeToProjectDirectory();
  m_loaded = true;
  m_state.languageFileModified = true;
  // Cancel in the picker abandons the new project.
  if (!ChooseLanguageFlag(IDS_PICKER_FAILED)) DropProject();
  Refresh();
}

void CMakerController::OnProjectOpen() {
  LwFileChoice choice = ProjectFileChoice(true, Text(IDS_OPEN_TITLE));
  if (m_ui.ChooseFile(choice) && !choice.paths.IsEmpty()) OpenProject(choice.paths[0]);
}

void CMakerController::OpenProject(const CString& path) {
  if (!ResetProject()) {
    Refresh();
    return;
  }
  CString error;
  if (!OpenProjectFile(*m_project, path, error)) {
    DropProject();
    m_problems.Empty();
    m_scanClean = false;
    m_view.ShowProblems(m_problems);
    Report(IDS_OPEN_FAILED, path);
    return;
  }
  m_project->SetProjectPath(path);
  m_view.FillHeaderEdits();
  m_state.projectModified = false;
  m_loaded = true;
  ChangeToProjectDirectory();
  // The language file is modified only when the scripts give another tree
  // than the one the project holds; a scan that fails keeps that tree.
  const CTraNode* held = m_project->GetTraFile()->GetRootNode();
  const std::unique_ptr<CTraNode> read = held ? held->Clone(nullptr) : nullptr;
  m_state.languageFileModified = ScanResources() && !SameTree(read.get(), m_project->GetTraFile()->GetRootNode());
  m_view.FlagChanged();
  Refresh();
}

bool CMakerController::OnProjectSave() {
  if (!m_project) return false;
  m_view.CopyHeaderEdits();
  CString error;
  if (!SaveProjectFile(*m_project, m_project->ResolvePath(m_project->GetProjectPath()), error)) {
    Report(IDS_PROJECT_SAVE_FAILED, m_project->GetProjectPath());
    return false;
  }
  m_state.projectModified = false;
  Refresh();
  return true;
}

bool CMakerController::OnProjectSaveAs() {
  if (!m_project) return false;
  ChangeToProjectDirectory();
  LwFileChoice choice = ProjectFileChoice(false, CString());
  if (!m_ui.ChooseFile(choice) || choice.paths.IsEmpty()) return false;
  m_view.CopyHeaderEdits();
  // Rebasing back would not give the paths as they were (another drive, "..").
  const ProjectPaths before = PathsOf(*m_project);
  RebaseWizardProject(*m_project, choice.paths[0]);
  CString error;
  if (!SaveProjectFile(*m_project, choice.paths[0], error)) {
    SetPaths(*m_project, before);
    Report(IDS_PROJECT_SAVE_FAILED, choice.paths[0]);
    return false;
  }
  m_state.projectModified = false;
  ChangeToProjectDirectory();
  Refresh();
  return true;
}

void CMakerController::OnResourceInsert() {
  if (!m_project) return;
  ChangeToProjectDirectory();
  LwFileChoice choice;
  choice.bOpen = true;
  choice.bMultiSelect = true;
  choice.strFilter = WizardText(kTextFilterScripts);
  choice.strDefExt = _T("rc");
  choice.strInitialPath = m_project->GetProjectFolder();
  if (m_ui.ChooseFile(choice) && !choice.paths.IsEmpty()) InsertScripts(choice.paths);
}

void CMakerController::InsertScripts(const CArray<CString>& fullPaths) {
  if (!m_project) return;
  int notAdded = 0;
  std::vector<CString> added;
  for (INT_PTR i = 0; i < fullPaths.GetSize(); ++i) {
    const CString script = MakeProjectRelativePath(fullPaths[i]);
    if (m_project->AddRcFile(script)) added.push_back(script);
    else ++notAdded;
  }
  if (ScanResources()) {
    m_state.MarkBothModified();
  } else {
    for (const CString& script : added) m_project->RemoveRcFile(script);  // nothing was inserted
  }
  Refresh();
  if (notAdded > 0) {
    m_ui.ShowMessage(LwFormatOrAppend(Text(IDS_SCRIPTS_NOT_ADDED), {notAdded}, _T("\n")), MB_OK | MB_ICONEXCLAMATION);
  }
}

void CMakerController::RemoveScripts(const std::vector<CString>& scripts) {
  if (!m_project || scripts.empty()) return;
  for (const CString& s : scripts) m_project->RemoveRcFile(s);
  m_state.projectModified = true;
  // A scan that fails keeps the tree as it was, the language file with it.
  if (ScanResources()) m_state.languageFileModified = true;
  Refresh();
}

bool CMakerController::ScanResources() {
  if (!m_project) return false;
  CString unreadable;
  const CString log = m_project->ScanResources(m_view.ScanServices(), &unreadable);
  if (!unreadable.IsEmpty()) {
    m_ui.ShowMessage(Text(IDS_SCRIPT_UNREADABLE, unreadable), MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  m_problems = log;
  m_scanClean = m_problems == WizardText(kTextScanDone);
  // The new file takes the header texts from the edits again.
  m_view.CopyHeaderEdits();
  m_view.ShowProblems(m_problems);
  return true;
}

bool CMakerController::ChooseLanguageFlag(UINT failedText) {
  if (!m_project) return false;
  LwFlagChoice flag;
  if (!m_ui.PickFlag(flag)) {
    if (flag.failed) m_ui.ShowMessage(Text(failedText), MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  CTraFile& file = *m_project->GetTraFile();
  for (size_t i = 0; i < flag.pixels.size() && i < static_cast<size_t>(TRA_FLAG_PIXELS); ++i)
    file.SetFlagPixel(static_cast<int>(i), flag.pixels[i]);
  // A language name nobody typed follows the language picked.
  m_view.CopyHeaderEdits();
  const CString name = file.GetLanguageName();
  // German, the default, has its name in the wizard's own language.
  const bool german = PRIMARYLANGID(flag.langId) == kGermanPrimary;
  const CString picked = german ? CWizardProject::DefaultLanguageName() : LanguageNameOf(flag.langId);
  if (!picked.IsEmpty() && name != picked &&
      (name.IsEmpty() || name == CWizardProject::DefaultLanguageName() || name == LanguageNameOf(file.GetLanguageId()))) {
    file.SetLanguageName(picked);
    m_view.FillHeaderEdits();
  }
  file.SetLanguageId(flag.langId);
  m_view.FlagChanged();
  m_state.MarkBothModified();
  Refresh();
  return true;
}

void CMakerController::SetStandardDialogOptions(const BYTE* block) {
  if (!m_project || !block) return;
  m_project->GetTraFile()->SetStdDialogOptions(block);
  ScanResources();
  m_state.MarkBothModified();
  Refresh();
}

void CMakerController::OnAddOnInsert() {
  if (!m_project) return;
  ChangeToProjectDirectory();
  LwFileChoice choice;
  choice.bOpen = true;
  choice.bMultiSelect = true;
  choice.strFilter = WizardText(kTextFilterAll);
  choice.strInitialPath = m_project->GetProjectFolder();
  if (!m_ui.ChooseFile(choice) || choice.paths.IsEmpty()) return;
  ChangeToProjectDirectory();
  InsertAddOnFiles(choice.paths);
}

void CMakerController::InsertAddOnFiles(const CArray<CString>& fullPaths) {
  if (!m_project) return;
  CAddOnFileList& list = *m_project->GetTraFile()->GetAddOnFiles();
  bool added = false;
  for (INT_PTR i = 0; i < fullPaths.GetSize(); ++i) {
    const CString& path = fullPaths[i];
    const CString name = lw::NameOf(path);
    if (IsRefusedAddOnFile(name)) {
      m_ui.ShowMessage(Text(IDS_ADDON_REFUSED, AddOnExtensionOf(name)), MB_OK);
      continue;
    }
    if (list.GetCount() >= ADDON_MAX_FILES) {
      m_ui.ShowMessage(Text(IDS_ADDON_LIST_FULL, name), MB_OK | MB_ICONEXCLAMATION);
      break;
    }
    // Read first, from the full path; the stored folder is what the file keeps.
    std::unique_ptr<CAddOnFile> file(new CAddOnFile(name, CString(), GetDirectoryPart(path)));
    if (!file->ReadFromDisk(GetDirectoryPart(path))) {
      m_ui.ShowMessage(Text(IDS_ADDON_UNREADABLE, path), MB_OK | MB_ICONEXCLAMATION);
      continue;
    }
    file->SetStoredPath(GetDirectoryPart(MakeProjectRelativePath(path)));
    CString description = Text(IDS_NO_ENTRY);
    CString exportPath = _T("???\\");
    for (;;) {
      CString typedDescription = description, typedPath = exportPath;
      if (!m_view.ConfigureAddOn(name, typedDescription, typedPath)) break;
      if (!typedPath.IsEmpty() && typedPath.Right(1) != _T("\\")) typedPath += _T("\\");
      description = typedDescription;
      exportPath = typedPath;
      if (CheckAddOnExportPath(typedPath) == AddOnPathProblem::kNone) break;
      m_ui.ShowMessage(Text(IDS_ADDON_PATH_REFUSED, typedPath), MB_OK | MB_ICONEXCLAMATION);
      exportPath = _T("???\\");  // the dialog again; cancelled, the placeholder stays
    }
    file->SetDescription(description);
    file->SetExportPath(exportPath);
    if (list.Append(file.release())) added = true;
  }
  if (added) {
    m_state.MarkBothModified();
  }
  ChangeToProjectDirectory();
  Refresh();
}

void CMakerController::AddOnFilesDeleted() {
  m_state.MarkBothModified();
  Refresh();
}

bool CMakerController::SetAddOnDescription(int index, const CString& description) {
  CAddOnFile* file = m_project ? m_project->GetTraFile()->GetAddOnFiles()->GetAt(index) : nullptr;
  if (!file) return false;
  if (file->GetDescription() == description) return true;
  file->SetDescription(description);
  m_state.MarkBothModified();
  return true;
}

bool CMakerController::SetAddOnExportPath(int index, const CString& exportPath) {
  CAddOnFile* file = m_project ? m_project->GetTraFile()->GetAddOnFiles()->GetAt(index) : nullptr;
  if (!file) return false;
  if (file->GetExportPath() == exportPath) return true;
  // While it is typed a path may pass through forms that are not allowed.
  if (CheckAddOnExportPath(exportPath) != AddOnPathProblem::kNone) return false;
  file->SetExportPath(exportPath);
  m_state.MarkBothModified();
  return true;
}

bool CMakerController::LeaveAddOnExportPath(int index, const CString& typed) {
  const CAddOnFile* file = m_project ? m_project->GetTraFile()->GetAddOnFiles()->GetAt(index) : nullptr;
  if (!file || SetAddOnExportPath(index, typed)) return true;
  m_ui.ShowMessage(Text(IDS_ADDON_PATH_REFUSED, typed), MB_OK | MB_ICONEXCLAMATION);
  return false;
}

void CMakerController::OnHeaderEdited() {
  if (!m_project) return;
  m_state.MarkBothModified();
}

void CMakerController::ProcessCommandLine(const CString& line, const CString& currentDir,
                                          const std::function<bool(const CString&)>& fileExists) {
  const MakerCommandLine parsed = ParseMakerCommandLine(line);
  if (parsed.kind == MakerCommandLine::kEmpty) return;
  if (parsed.kind == MakerCommandLine::kInvalid) {
    m_ui.ShowMessage(Text(IDS_BAD_COMMAND_LINE), MB_OK);
    return;
  }
  const CString folder = currentDir.IsEmpty() || currentDir.Right(1) == _T("\\") ? currentDir : currentDir + _T("\\");
  const CString project = folder + parsed.name + _T(".lwp");
  const CString script = folder + parsed.name + _T(".rc");
  if (fileExists(project)) {
    OpenProject(project);
  } else if (fileExists(script)) {
    if (m_ui.ShowMessage(Text(IDS_ASK_NEW_FROM_RC, parsed.name, parsed.name + _T(".rc")), MB_YESNO) != IDYES) return;
    NewProject(project);
    if (!m_project) return;
    CArray<CString> scripts;
    scripts.Add(script);
    InsertScripts(scripts);
  } else if (m_ui.ShowMessage(Text(IDS_ASK_NEW_PROJECT, parsed.name), MB_YESNO) == IDYES) {
    NewProject(project);
  }
}

TraSaveResult CMakerController::SaveLanguageFile() {
  return m_traCommands ? m_traCommands->Save() : TraSaveResult::kRefused;
}

bool CMakerController::QuerySave() {
  if (m_project) m_view.CopyHeaderEdits();
  const MakerStateFlags flags = Flags();
  const MakerCloseQuestion q = MakerCloseQuestionFor(flags.project && m_state.projectModified,
                                                     flags.project && m_state.languageFileModified,
                                                     MakerCanSaveLanguageFile(flags));
  if (q.stringId == 0) return true;
  CString message;
  const CString projectName = m_project->GetProjectFileName();
  const CString traPath = m_project->GetTraPath();
  if (q.withProject && q.withTra) message = Text(q.stringId, projectName, traPath);
  else if (q.withProject) message = Text(q.stringId, projectName);
  else if (q.withTra) message = Text(q.stringId, traPath);
  else message = Text(q.stringId);
  switch (MakerCloseAnswerFor(q, m_ui.ShowMessage(message, q.buttons | MB_ICONQUESTION))) {
    case MakerCloseAnswer::kClose: return true;
    case MakerCloseAnswer::kStay: return false;
    case MakerCloseAnswer::kSaveThenClose: break;
  }
  // What could not be written keeps the dialog open; what there is nothing
  // of to write yet (a message said so) does not.
  if (q.saveProject && !OnProjectSave()) return false;
  if (q.saveTra && SaveLanguageFile() == TraSaveResult::kWriteFailed) return false;
  return true;
}

bool CMakerController::SaveAndClose() {
  if (m_project) m_view.CopyHeaderEdits();
  if (!MakerCanSaveLanguageFile(Flags())) {
    m_ui.ShowMessage(Text(IDS_CANNOT_SAVE_TRA), MB_OK);
    return false;
  }
  if (m_state.projectModified && !OnProjectSave()) return false;
  if (m_state.languageFileModified && SaveLanguageFile() == TraSaveResult::kWriteFailed) return false;
  return true;
}
