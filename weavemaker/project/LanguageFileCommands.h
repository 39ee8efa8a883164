// The main dialog's commands on the language file, without windows: save
// and save as (with the test language file), the test-version settings and
// the test-file check box. File choosers and messages go through the UI
// seam; the test-version dialog is handed in as a function. The dialog's
// own refresh and header copy plug in as callbacks. Writes no project file.
#pragma once

#include "UiServices.h"

#include <functional>

class CTraFile;
class CWizardProject;

// The main dialog's modified marks the commands read and set.
struct WizardDialogState {
  bool projectModified = false;
  bool languageFileModified = false;

  // A change to the language file, which the project holds too.
  void MarkBothModified() { projectModified = languageFileModified = true; }
};

// How saving the language file ended.
enum class TraSaveResult {
  kSaved,
  kRefused,      // nothing to write yet (no resources, add-on paths incomplete); a message said why
  kWriteFailed,  // a file could not be written; a message named it
};

// What the test-version dialog shows and changes.
struct WizardTestSettings {
  bool replaceLineStart = true;
  CString lineStart;
  bool replaceLineEnd = true;
  CString lineEnd;

  bool operator==(const WizardTestSettings& o) const {
    return replaceLineStart == o.replaceLineStart && lineStart == o.lineStart &&
           replaceLineEnd == o.replaceLineEnd && lineEnd == o.lineEnd;
  }
  bool operator!=(const WizardTestSettings& o) const { return !(*this == o); }
  // A marker holding '%' would turn texts into broken format strings.
  static bool IsUsableMarker(const CString& marker) { return marker.Find(_T('%')) < 0; }
};

class CLanguageFileCommands {
 public:
  CLanguageFileCommands(CWizardProject& project, WizardDialogState& state, CUiServices& ui);

  // The dialog copies its three header edits into the language file.
  std::function<void()> copyHeaderEdits;
  // The dialog refreshes itself (SetProjectChanged(FALSE)).
  std::function<void()> refresh;

  // Writes the test file (when the project asks for it) and the language
  // file, each complete before it replaces the old one. True when both are
  // written; otherwise a message names the file that failed, the old file
  // stays as it was and the language file stays modified.
  bool OnLanguageFileSave() { return Save() == TraSaveResult::kSaved; }
  TraSaveResult Save();
  // Asks for the file; its path becomes the language-file path (relative to
  // the project's folder when the two share one), which marks the project
  // modified when it changed; then saves.
  bool OnLanguageFileSaveAs();
  // edit shows the test-version dialog on the settings and answers whether
  // it was confirmed. Markers holding '%' are refused with a message and
  // the dialog shows again; a confirmed change marks the project modified.
  void OnTestSettings(const std::function<bool(WizardTestSettings&)>& edit);
  // The check box's new state (1 checked).
  void OnTestCheck(int checkState);

 private:
  bool WriteFile(const CString& path, CTraFile& file);
  void Refresh();

  CWizardProject& m_project;
  WizardDialogState& m_state;
  CUiServices& m_ui;
};
