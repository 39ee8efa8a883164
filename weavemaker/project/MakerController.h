// The main dialog's commands on the wizard project, without windows: new,
// open, save, save as, scripts, flag, standard dialogs, add-on files, the
// command line and the question on closing. Choices and messages go
// through the UI seam; what only the dialog can do (its edits, its refresh,
// the add-on configuration dialog, the scan's windows) through IMakerView.
#pragma once

#include "LanguageFileCommands.h"
#include "MakerRules.h"
#include "WeaveMakerIds.h"
#include "WizardProject.h"
#include "WizardScan.h"

#include <functional>
#include <memory>
#include <vector>

class IMakerView {
 public:
  virtual ~IMakerView() = default;
  // Language file's program name, version and language name into the edits
  // (their change handlers suppressed), and back; the edits keep them over
  // a scan, which makes a new language file.
  virtual void FillHeaderEdits() = 0;
  virtual void CopyHeaderEdits() = 0;
  // Tree, lists, captions, title and enabling again.
  virtual void Refresh() = 0;
  virtual void ShowProblems(const CString& log) = 0;
  // The project's folder is shown and becomes the current directory.
  virtual void ProjectFolderChanged(const CString& folder) = 0;
  virtual void FlagChanged() = 0;
  // The configuration dialog for one add-on file: true after OK.
  virtual bool ConfigureAddOn(const CString& fileName, CString& description, CString& exportPath) = 0;
  virtual WizardScanServices ScanServices() = 0;
};

class CMakerController {
 public:
  CMakerController(CUiServices& ui, IMakerView& view);
  ~CMakerController();

  CWizardProject* GetProject() const { return m_project.get(); }
  WizardDialogState& State() { return m_state; }
  bool IsLoaded() const { return m_loaded; }
  const CString& GetProblems() const { return m_problems; }
  CLanguageFileCommands* LanguageFileCommands() { return m_traCommands.get(); }
  // The flags of the enabling, apart from the selections.
  MakerStateFlags Flags() const;

  // How the commands load their texts (the wizard's string table by default).
  std::function<CString(UINT)> text;

  // Commands; each refreshes the view at its end.
  void OnProjectNew();
  void OnProjectOpen();
  // False when nothing was written (a message said why).
  bool OnProjectSave();
  bool OnProjectSaveAs();
  void NewProject(const CString& path);
  // A project that cannot be read leaves no project and says so.
  void OpenProject(const CString& path);
  void OnResourceInsert();
  // Adds up to the project's bound and says how many were not added.
  void InsertScripts(const CArray<CString>& fullPaths);
  void RemoveScripts(const std::vector<CString>& scripts);
  // failedText: the message when the picker cannot be shown.
  bool ChooseLanguageFlag(UINT failedText = IDS_PICKER_FAILED_FLAG);
  void SetStandardDialogOptions(const BYTE* block);
  void OnAddOnInsert();
  void InsertAddOnFiles(const CArray<CString>& fullPaths);
  // The add-on list removed files itself; marks project and language file.
  void AddOnFilesDeleted();
  // Typed into the add-on edits; false (nothing stored) for an export
  // path that is not allowed.
  bool SetAddOnDescription(int index, const CString& description);
  bool SetAddOnExportPath(int index, const CString& exportPath);
  // The export-path edit was left with typed in it: false (a message shown)
  // when it is not allowed; the edit then shows the stored path again.
  bool LeaveAddOnExportPath(int index, const CString& typed);
  // False when a script cannot be read: a message names it, and the project
  // keeps its language file.
  bool ScanResources();
  void OnHeaderEdited();

  // The command line; fileExists answers for paths relative to currentDir.
  void ProcessCommandLine(const CString& line, const CString& currentDir,
                          const std::function<bool(const CString&)>& fileExists);
  // Whether the dialog may close; saves what the user asks for and stays
  // open when a file cannot be written.
  bool QuerySave();
  // Saves what is modified; false (the dialog stays) when a file cannot be
  // written or the header is incomplete.
  bool SaveAndClose();

  CString MakeProjectRelativePath(const CString& fullPath) const;

 private:
  // Asks to save a modified project; false when that save failed.
  bool ResetProject();
  void DropProject();
  void ChangeToProjectDirectory();
  TraSaveResult SaveLanguageFile();
  CString Text(UINT id) const;
  CString Text(UINT id, const CString& a) const;
  CString Text(UINT id, const CString& a, const CString& b) const;
  void Refresh() { m_view.Refresh(); }
  // A message on a file that failed (with the framework's words), then a refresh.
  void Report(UINT id, const CString& path, const CString& error);

  CUiServices& m_ui;
  IMakerView& m_view;
  std::unique_ptr<CWizardProject> m_project;
  std::unique_ptr<CLanguageFileCommands> m_traCommands;
  WizardDialogState m_state;
  bool m_loaded = false;
  CString m_problems;
};

// Moves a project to newPath: the project path becomes newPath, and the
// script paths, the language-file path and the add-on files' folders that
// were relative to the old folder become relative to the new one (or full
// paths where nothing is shared).
void RebaseWizardProject(CWizardProject& project, const CString& newPath);
