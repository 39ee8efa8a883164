// The wizard project: the program's resource scripts, the language file to
// build from them and the settings of the test language file. Its stream is
// the project file (.lwp).
#pragma once

#include "Framework.h"

class CTraFile;
struct WizardScanServices;

// String-table id of the language name a new language file starts with.
const UINT WIZARD_DEFAULT_LANGUAGE_STRING = 139;

// How the project loads its string-table texts. The program installs the
// library's translating loader (LWLoadString), so that the texts come in its
// current language; the default loads them as the resources hold them.
typedef BOOL (*WizardTextLoader)(CString& text, UINT id);
// Installs loader (null restores the default) and returns the previous one.
WizardTextLoader SetWizardTextLoader(WizardTextLoader loader);

class CWizardProject {
 public:
  enum { MAX_RC_FILES = 50 };

  CWizardProject();
  ~CWizardProject();
  CWizardProject(const CWizardProject&) = delete;
  CWizardProject& operator=(const CWizardProject&) = delete;

  // Never null while the project exists.
  CTraFile* GetTraFile() const { return m_pTraFile; }
  // Takes the new language file (not null) and deletes the old one.
  void ReplaceTraFile(CTraFile* traFile);

  const CString& GetProjectPath() const { return m_strProjectPath; }
  // A relative path is made full against the current directory here, once,
  // so that everything resolved against the project's folder stays put when
  // the current directory moves.
  void SetProjectPath(const CString& path);
  const CString& GetTraPath() const { return m_strTraPath; }
  void SetTraPath(const CString& path) { m_strTraPath = path; }

  // The project path after its last separator (all of it when none).
  CString GetProjectFileName() const;
  // The project path up to and including its last separator ("" when none).
  CString GetProjectFolder() const;
  // A path relative to the project's folder made absolute against it; an
  // absolute path (root, drive or UNC) stays as it is. Scripts, language
  // file, test file and add-on folders are resolved with it, never against
  // the current directory.
  CString ResolvePath(const CString& path) const;
  // Language-file path less its last four characters, then "_test.tra".
  CString GetTestFileName() const;
  // Language-file path = project file name less ".lwp", then ".tra".
  void SetDefaultTraPath();
  // Program name, version "1.0" and the default language name.
  void InitLanguageFileHeader();
  static CString DefaultLanguageName();

  int GetRcFileCount() const { return m_nRcFiles; }
  // The script path of a slot, or "" when there is no such slot.
  CString GetRcFile(int index) const;
  // Appends the path; FALSE (nothing added) when all slots are used.
  BOOL AddRcFile(const CString& path);
  // Removes the first slot with exactly this path; others move down.
  void RemoveRcFile(const CString& path);

  // Rebuilds the language file from the scripts and the entries the library
  // supplies, carrying over flag, language id, option block and add-on
  // files of the file it replaces (WizardScan.cpp). Returns the problem log:
  // "" without scripts, the success text when nothing went wrong; an
  // included resource script that is not in the project is a line of it.
  // A script that cannot be read ends the scan: the project keeps its
  // language file, unreadable (when given) names the script as stored and
  // the log is the line saying so.
  CString ScanResources(const WizardScanServices& services, CString* unreadable = nullptr);

  // Writes the project, or reads one. A refused or failing read (script
  // count out of range, a language file that cannot be read, a stream that
  // ends early) leaves the project as it was: FALSE for a refused stream,
  // the framework's exception for file and archive errors.
  BOOL Serialize(CArchive& ar);

  // Test language file settings, set by the dialogs directly.
  bool m_bWriteTestFile;
  bool m_bReplaceLineStart;
  CString m_strLineStart;
  bool m_bReplaceLineEnd;
  CString m_strLineEnd;

 private:
  BOOL Load(CArchive& ar);
  void Store(CArchive& ar);
  void RemoveAllRcFiles();
  CString NameWithoutProjectExtension() const;

  CTraFile* m_pTraFile;
  CString m_strProjectPath;
  CString m_strTraPath;
  CString** m_ppRcFiles;  // MAX_RC_FILES slots, m_nRcFiles of them used
  int m_nRcFiles;
};
