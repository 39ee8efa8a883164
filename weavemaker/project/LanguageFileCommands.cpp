#include "LanguageFileCommands.h"

#include "LwvPaths.h"
#include "TraFile.h"
#include "WizardProject.h"
#include "WizardTexts.h"

#include <memory>

CLanguageFileCommands::CLanguageFileCommands(CWizardProject& project, WizardDialogState& state, CUiServices& ui)
    : m_project(project), m_state(state), m_ui(ui) {}

void CLanguageFileCommands::Refresh() {
  if (refresh) refresh();
}

bool CLanguageFileCommands::WriteFile(const CString& path, CTraFile& file) {
  if (LwWriteLanguageFile(path, file)) return true;
  m_ui.ShowMessage(WizardText(kTextWriteFailed, path), MB_OK | MB_ICONEXCLAMATION);
  return false;
}

TraSaveResult CLanguageFileCommands::Save() {
  CTraFile& file = *m_project.GetTraFile();
  if (!file.GetRootNode()) {
    m_ui.ShowMessage(WizardText(kTextNoResources), MB_OK);
    return TraSaveResult::kRefused;
  }
  if (!file.GetAddOnFiles()->CheckExportPaths()) {
    m_ui.ShowMessage(WizardText(kTextAddOnPaths), MB_OK);
    return TraSaveResult::kRefused;
  }
  if (copyHeaderEdits) copyHeaderEdits();
  file.SetWizardMark(true);
  file.SetDateToday();
  if (m_project.m_bWriteTestFile) {
    std::unique_ptr<CTraFile> test(file.Clone());
    // A marker from an older project file that holds '%' is left out.
    const bool start = m_project.m_bReplaceLineStart && WizardTestSettings::IsUsableMarker(m_project.m_strLineStart);
    const bool end = m_project.m_bReplaceLineEnd && WizardTestSettings::IsUsableMarker(m_project.m_strLineEnd);
    test->GetRootNode()->MarkTestTexts(start, m_project.m_strLineStart, end, m_project.m_strLineEnd);
    test->SetLanguageName(test->GetLanguageName() + _T(" (test)"));
    if (!WriteFile(m_project.ResolvePath(m_project.GetTestFileName()), *test)) return TraSaveResult::kWriteFailed;
  }
  if (!WriteFile(m_project.ResolvePath(m_project.GetTraPath()), file)) return TraSaveResult::kWriteFailed;
  m_state.languageFileModified = false;
  Refresh();
  return TraSaveResult::kSaved;
}

bool CLanguageFileCommands::OnLanguageFileSaveAs() {
  LwFileChoice choice;
  choice.bOpen = false;
  choice.strDefExt = _T("tra");
  choice.strInitialPath = m_project.GetProjectFolder() + _T("*.tra");
  choice.strFilter = _T("Weavecraft (*.tra)|*.tra||");
  if (!m_ui.ChooseFile(choice) || choice.paths.IsEmpty()) return false;
  if (copyHeaderEdits) copyHeaderEdits();
  const CString path = MakeRelativePath(choice.paths[0], m_project.GetProjectPath());
  if (path != m_project.GetTraPath()) {
    m_project.SetTraPath(path);
    m_state.projectModified = true;
  }
  return OnLanguageFileSave();
}

void CLanguageFileCommands::OnTestSettings(const std::function<bool(WizardTestSettings&)>& edit) {
  WizardTestSettings settings;
  settings.replaceLineStart = m_project.m_bReplaceLineStart;
  settings.lineStart = m_project.m_strLineStart;
  settings.replaceLineEnd = m_project.m_bReplaceLineEnd;
  settings.lineEnd = m_project.m_strLineEnd;
  const WizardTestSettings before = settings;
  for (;;) {
    if (!edit || !edit(settings)) break;
    if (!WizardTestSettings::IsUsableMarker(settings.lineStart) ||
        !WizardTestSettings::IsUsableMarker(settings.lineEnd)) {
      m_ui.ShowMessage(WizardText(kTextPercentMarker), MB_OK | MB_ICONEXCLAMATION);
      continue;  // the dialog again, with what was typed
    }
    if (settings != before) {
      m_project.m_bReplaceLineStart = settings.replaceLineStart;
      m_project.m_strLineStart = settings.lineStart;
      m_project.m_bReplaceLineEnd = settings.replaceLineEnd;
      m_project.m_strLineEnd = settings.lineEnd;
      m_state.projectModified = true;
    }
    break;
  }
  Refresh();
}

void CLanguageFileCommands::OnTestCheck(int checkState) {
  m_project.m_bWriteTestFile = checkState == 1;
  m_state.MarkBothModified();
  Refresh();
}
