// CWeaveMakerDlg: the wizard's main window, a resizable dialog with a menu
// and five pages. It shows the project and hands every command to the
// window-free CMakerController; here are only the windows: controls,
// pages, enabling, title, tooltips, resizing and closing.
#pragma once

#include "AddOnListCtrl.h"
#include "Dialog.h"
#include "FlagPickerAnswer.h"
#include "MakerController.h"
#include "MakerControls.h"
#include "MakerPages.h"
#include "SettingsDialogs.h"
#include "TabCtrl.h"

#include <memory>

class CFlagStatic;
class CResLiveCapture;

// The wizard's UI seam: message boxes, file choosers and the flag picker,
// which says so when it cannot open.
class CMakerUiServices : public CFlagPickerUiServices {
 public:
  explicit CMakerUiServices(CWnd* parent) : CFlagPickerUiServices(parent) {}
  bool PickFlag(LwFlagChoice& flag) override;
};

class CWeaveMakerDlg : public CDialog, public IMakerView {
 public:
  explicit CWeaveMakerDlg(CWnd* parent = nullptr);
  ~CWeaveMakerDlg() override;

  void SetCommandLine(const CString& line) { m_strCommandLine = line; }
  // Another seam for tests; the dialog's own is used when none is given.
  void SetUiServices(CUiServices* ui);

  // The five tab captions again (after a language switch).
  void InitTabs();
  // After the library switched the language: captions, lists and texts the
  // dialog set itself come again in the new language.
  void OnLanguageSwitched();
  // Tree, lists, captions, title and enabling.
  void SetProjectChanged(BOOL noCopy);
  void UpdateControls(BOOL noCopy);
  void OnStandardDialogs();
  void ProcessCommandLine();
  CMakerController& Controller() { return *m_pController; }
  int GetCurrentPage() const { return m_nCurrentTab; }
  void ShowPage(int index);
  // Whether the dialog may close (asks about unsaved changes).
  bool QuerySave();

  // IMakerView.
  void FillHeaderEdits() override;
  void CopyHeaderEdits() override;
  void Refresh() override { SetProjectChanged(FALSE); }
  void ShowProblems(const CString& log) override;
  void ProjectFolderChanged(const CString& folder) override;
  void FlagChanged() override { UpdateFlagPreview(); }
  bool ConfigureAddOn(const CString& fileName, CString& description, CString& exportPath) override;
  WizardScanServices ScanServices() override;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnClose();
  void OnDestroy();
  void OnSize(UINT type, int cx, int cy);
  void OnGetMinMaxInfo(MINMAXINFO* info);
  void OnLButtonDown(UINT flags, CPoint point);
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnSelchangeTab(NMHDR* header, LRESULT* result);
  BOOL OnToolTipText(UINT id, NMHDR* header, LRESULT* result);
  void OnChangeHeaderEdit();
  void OnListNotify(NMHDR* header, LRESULT* result);
  void OnChangeAddOnDescription();
  void OnChangeAddOnExportPath();
  void OnLeaveAddOnExportPath();

  void OnProjectNew() { m_pController->OnProjectNew(); }
  void OnProjectOpen() { m_pController->OnProjectOpen(); }
  void OnProjectSave() { m_pController->OnProjectSave(); }
  void OnProjectSaveAs() { m_pController->OnProjectSaveAs(); }
  void OnResourceInsert() { m_pController->OnResourceInsert(); }
  void OnResourceRemove();
  void OnAddOnInsert() { m_pController->OnAddOnInsert(); }
  void OnAddOnDelete();
  void OnLanguageFileSave();
  void OnLanguageFileSaveAs();
  void OnTestSettings();
  void OnTestCheck();
  void OnSaveAndClose();
  void OnAbout();
  void OnHelp();
  void OnNothing() {}
  DECLARE_MESSAGE_MAP()

 private:
  void CreatePages();
  // The three window pages into the tab control's display area.
  void PlacePages();
  void SetAddOnColumnCaptions();
  void SetUpButtons();
  void UpdateAddOnEdits();
  void UpdateFlagPreview();
  void ApplyEnabling();
  CRect PageRect();
  void EnableItem(UINT id, bool enabled);

  CMakerUiServices m_ownUi;
  CUiServices* m_pUi;
  std::unique_ptr<CMakerController> m_pController;
  HICON m_hIcon = nullptr;
  CTabCtrl m_tab;
  CResourceTreeCtrl m_tree;
  CStdDialogListCtrl m_stdList;
  CEdit m_problems;
  CFont m_problemsFont;
  CTraFileListCtrl m_projectList;
  CTraFileListCtrl m_traList;
  CRcFileListCtrl m_rcList;
  CAddOnListCtrl m_addOnList;
  CHoverButton m_buttons[kMakerButtonCount];
  std::unique_ptr<CFlagStatic> m_pFlag;
  std::unique_ptr<CProgressDlg> m_pProgress;
  std::unique_ptr<CResLiveCapture> m_pCapture;
  int m_nCurrentTab = 0;
  int m_nSelectedAddOn = -1;
  int m_nLastCx = 0, m_nLastCy = 0;
  int m_nMinWidth = -1, m_nMinHeight = -1;
  bool m_bInitialized = false;
  bool m_bFilling = false;  // the dialog itself writes into the edits
  bool m_bClosing = false;
  CString m_strCommandLine;
  CString m_strTestCheckCaption;  // the check box's caption without a project
};
