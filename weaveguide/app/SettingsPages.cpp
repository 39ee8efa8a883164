#include "SettingsPages.h"

#include "CommonDialogs.h"
#include "GuideIds.h"
#include "GuideTexts.h"
#include "IDESetupDlg.h"
#include "PageControls.h"
#include "PageFlow.h"

// ---- environment ---------------------------------------------------------------

BEGIN_MESSAGE_MAP(CChooseIDEPage, CGuidePage)
  ON_BN_CLICKED(IDC_IDE_VISUALCPP, OnVisualCpp)
  ON_BN_CLICKED(IDC_IDE_OTHER_CPP, OnOtherCpp)
  ON_BN_CLICKED(IDC_IDE_OTHER, OnOther)
  ON_BN_CLICKED(IDC_INTEGRATE, OnIntegrate)
END_MESSAGE_MAP()

CChooseIDEPage::CChooseIDEPage() : CGuidePage(IDD_CHOOSE_IDE, 232, 233) {}

void CChooseIDEPage::DoDataExchange(CDataExchange* dx) {
  DDX_Radio(dx, IDC_IDE_VISUALCPP, m_ide);
  DDX_Check(dx, IDC_USES_MFC, m_mfc);
}

void CChooseIDEPage::OnChoice(int chosen) {
  const bool checked = IsDlgButtonChecked(IDC_USES_MFC) == BST_CHECKED;
  CheckDlgButton(IDC_USES_MFC, GuideMfcCheckAfterChoice(m_ide, chosen, checked) ? BST_CHECKED : BST_UNCHECKED);
  UpdateData(TRUE);
  PostWizardButtons(kButtonBack | kButtonNext);
  UpdateControls();
}

void CChooseIDEPage::UpdateControls() {
  const GuideIdePageControls controls = GuideIdePageControlsFor(m_ide);
  if (CWnd* check = GetDlgItem(IDC_USES_MFC)) check->EnableWindow(controls.frameworkEnabled);
  if (CWnd* group = GetDlgItem(IDC_MFC_QUESTION)) group->EnableWindow(controls.frameworkEnabled);
  ShowItem(IDC_INTEGRATE_QUESTION, controls.integrateShown);
  ShowItem(IDC_INTEGRATE, controls.integrateShown);
}

void CChooseIDEPage::OnIntegrate() {
  CIDESetupDlg dialog;
  dialog.DoModal();
}

BOOL CChooseIDEPage::OnKillActive() {
  UpdateData(TRUE);
  Settings().LeaveIdePage(m_ide, m_mfc != 0);
  return CGuidePage::OnKillActive();
}

// ---- options -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CEinbauOptionsPage, CGuidePage)
  ON_BN_CLICKED(IDC_CHARSET_8BIT, OnOptionChanged)
  ON_BN_CLICKED(IDC_CHARSET_UNICODE, OnOptionChanged)
  ON_BN_CLICKED(IDC_CHARSET_BOTH, OnOptionChanged)
  ON_BN_CLICKED(IDC_PREPROCESSOR, OnOptionChanged)
  ON_BN_CLICKED(IDC_MENU, OnOptionChanged)
  ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CEinbauOptionsPage::CEinbauOptionsPage() : CGuidePage(IDD_OPTIONS, 204, 205) {}

void CEinbauOptionsPage::DoDataExchange(CDataExchange* dx) {
  DDX_Check(dx, IDC_PREPROCESSOR, m_preprocessor);
  DDX_Text(dx, IDC_PROJECT_PATH, m_path);
  DDX_Radio(dx, IDC_CHARSET_8BIT, m_charset);
  DDX_Check(dx, IDC_MENU, m_menu);
}

void CEinbauOptionsPage::Compose() {
  const CIntegrationSettings& s = Settings();
  m_preprocessor = s.m_preprocessor ? 1 : 0;
  m_menu = s.m_menu ? 1 : 0;
  m_charset = s.GetCharsetChoice();
  UpdateData(FALSE);
  const GuideOptionsPageControls controls = GuideOptionsPageControlsFor(s);
  ShowItem(IDC_PROJECT_PROMPT, controls.projectShown);
  ShowItem(IDC_PROJECT_PATH, controls.projectShown);
  ShowItem(IDC_BROWSE, controls.projectShown);
  ShowItem(IDC_PREPROCESSOR_QUESTION, controls.preprocessorShown);
  ShowItem(IDC_PREPROCESSOR, controls.preprocessorShown);
}

void CEinbauOptionsPage::OnOptionChanged() {
  UpdateData(TRUE);
  Settings().ChangeOptions(m_preprocessor != 0, m_menu != 0, m_charset);
}

void CEinbauOptionsPage::OnBrowse() {
  CFileDialog dialog(TRUE, nullptr, nullptr, 0, _T("DevStudio Projects (*.dsp)|*.DSP||"), GetParent());
  if (dialog.DoModal() != IDOK) return;
  Settings().m_projectPath = dialog.GetPathName();
  m_path = Settings().m_projectPath;
  UpdateData(FALSE);
  PostWizardButtons(kButtonBack | kButtonNext);
}

// ---- results of the rebuild and the test run -------------------------------------

BEGIN_MESSAGE_MAP(CResultPage, CGuidePage)
  ON_BN_CLICKED(IDC_RESULT_PROBLEMS, OnResultChanged)
  ON_BN_CLICKED(IDC_RESULT_FINE, OnResultChanged)
END_MESSAGE_MAP()

CResultPage::CResultPage(UINT templateId, UINT titleId, UINT subTitleId) : CGuidePage(templateId, titleId, subTitleId) {}

void CResultPage::DoDataExchange(CDataExchange* dx) { DDX_Radio(dx, IDC_RESULT_PROBLEMS, m_result); }

void CResultPage::OnResultChanged() {
  UpdateData(TRUE);
  StoreResult(m_result);
  PostWizardButtons(kButtonBack | kButtonNext);
}

CCompileCastPage::CCompileCastPage() : CResultPage(IDD_COMPILE_CAST, 218, 219) {}

CTestProgramPage::CTestProgramPage() : CResultPage(IDD_TEST_PROGRAM, 226, 227) {}

void CTestProgramPage::Compose() {
  SetDlgItemText(IDC_TEST_SWITCH, GuideProgramStrings().Load(GuideTestInstructionsId(Settings())));
}
