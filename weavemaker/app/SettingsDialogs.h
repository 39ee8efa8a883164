// WeaveMaker's five small dialogs: the standard dialogs to translate, the
// configuration of one add-on file, the scan's progress window, the
// test-version settings and the about box. They exchange their values with
// their controls and know nothing of the main dialog.
#pragma once

#include "Dialog.h"
#include "FrameworkWin.h"
#include "LanguageFileCommands.h"
#include "WizardScan.h"

class CWizardProject;

class CStdDialogsDlg : public CDialog {
 public:
  explicit CStdDialogsDlg(CWnd* parent = nullptr);
  // Each box is ticked when its option byte is non-zero.
  void SetOptionBlock(const BYTE* block);
  // A new 256-byte block, 1 in the byte of each ticked box; the caller frees it.
  BYTE* GetOptionBlock() const;

 protected:
  void DoDataExchange(CDataExchange* dx) override;

 private:
  int m_checks[9] = {};
};

class CAddOnConfigDlg : public CDialog {
 public:
  explicit CAddOnConfigDlg(CWnd* parent = nullptr);
  void SetFileName(const CString& name) { m_strFileName = name; }
  // Shown first; taken from the edits after OK.
  CString m_strDescription;
  CString m_strExportPath;
  CString GetDescription() const { return m_strDescription; }
  CString GetExportPath() const { return m_strExportPath; }

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;

 private:
  CString m_strFileName;
};

// The scan's progress window: shown by Begin, gone after End. Meanwhile the
// parent is disabled, and each step paints the windows and runs due timers
// (nothing else: no input, no commands that could start another scan).
class CProgressDlg : public CDialog, public IWizardScanProgress {
 public:
  explicit CProgressDlg(CWnd* parent = nullptr) : m_pParent(parent) {}
  ~CProgressDlg() override;
  void Begin(const CString& caption) override;
  void SetPos(int pos) override;
  void End() override;

 private:
  enum { kPumpBound = 64 };  // messages of each kind per step
  static void PumpPaintAndTimers();

  CWnd* m_pParent;
  HWND m_hDisabledParent = nullptr;
};

class CTestVersionDlg : public CDialog {
 public:
  CTestVersionDlg(WizardTestSettings& settings, CWnd* parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnHelpButton() {}
  DECLARE_MESSAGE_MAP()

 private:
  WizardTestSettings& m_settings;
};

class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(CWnd* parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
};
