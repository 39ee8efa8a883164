// The developer's answers that the assistant's pages share, and the page
// handlers' window-free rules for writing them. Holds the project file list
// and analyser of the last scan. Does not show or compose anything.
#pragma once

#include "Framework.h"

class CProjectAnalyser;
class CProjectFileList;
class CSegmentedProgress;

enum GuideIdeKind { kIdeVisualCpp = 0, kIdeOtherCpp = 1, kIdeOther = 2 };

// Values of the character-set radio group of the options page.
enum GuideCharsetChoice { kCharset8Bit = 0, kCharsetUnicode = 1, kCharsetBoth = 2 };

class CIntegrationSettings {
 public:
  CIntegrationSettings() = default;
  ~CIntegrationSettings();
  CIntegrationSettings(const CIntegrationSettings&) = delete;
  CIntegrationSettings& operator=(const CIntegrationSettings&) = delete;

  CString m_projectPath;
  bool m_8Bit = true;
  bool m_unicode = false;
  bool m_preprocessor = true;
  bool m_menu = true;
  bool m_compileErrors = true;
  bool m_runtimeProblems = true;
  int m_ideKind = kIdeVisualCpp;
  bool m_mfc = false;
  // Replaces the previous scan's file list and analyser by files (taken
  // over) and a new analyser run over them; progress may be null. The
  // scan's exceptions pass on, leaving the scan unfinished.
  void RunScan(CProjectFileList* files, CSegmentedProgress* progress);
  // The last scan's, finished or not; null before the first.
  const CProjectFileList* GetFiles() const { return m_files; }
  const CProjectAnalyser* GetAnalyser() const { return m_analyser; }
  // The analyser of a finished scan, else null.
  const CProjectAnalyser* GetScanResults() const { return m_scanFinished ? m_analyser : nullptr; }

  // False without a finished scan.
  bool HasFixHits() const;
  bool HasExternHeaders() const;

  // The environment page is left with its radio value (-1 = none chosen).
  void LeaveIdePage(int ideRadio, bool mfcChecked);
  // The radio value the options page shows for the character-set flags.
  int GetCharsetChoice() const;
  // An option of the options page changed; a radio value outside the group
  // leaves the character-set flags as they are.
  void ChangeOptions(bool preprocessor, bool menu, int charsetRadio);
  // Result radios of the compile and test pages: 0 = problems reported.
  void SetCompileResult(int radio) { m_compileErrors = radio == 0; }
  void SetTestResult(int radio) { m_runtimeProblems = radio == 0; }

 private:
  void ReplaceScan(CProjectFileList* files, CProjectAnalyser* analyser);

  CProjectFileList* m_files = nullptr;      // owned
  CProjectAnalyser* m_analyser = nullptr;  // owned; points into m_files
  bool m_scanFinished = false;
};

// The framework check of the environment page after a choice in its radio
// group: Visual C++ as the first choice checks it, another C/C++ environment
// as the first choice clears it; anything else keeps it.
bool GuideMfcCheckAfterChoice(int previousRadio, int chosenRadio, bool mfcChecked);
