#include "SettingsDialogs.h"

#include "Controls.h"
#include "WeaveMakerIds.h"
#include "WizardTexts.h"
#include "XString.h"

#include <cstring>

namespace {

// Check boxes and their option bytes.
const struct {
  int id;
  int option;
} kStdBoxes[9] = {{IDC_STD_FILE, 0},       {IDC_STD_FIND, 2},      {IDC_STD_REPLACE, 3},
                  {IDC_STD_PRINT, 4},      {IDC_STD_PRINTSETUP, 5}, {IDC_STD_PAGESETUP, 6},
                  {IDC_STD_FONT, 7},       {IDC_STD_COLOR, 8},     {IDC_STD_BUTTONS, 20}};

CString Loaded(UINT id, const CString& argument) { return WizardTexts().Format(id, argument); }

}  // namespace

CStdDialogsDlg::CStdDialogsDlg(CWnd* parent) : CDialog(IDD_STDDIALOGS, parent) {}

void CStdDialogsDlg::SetOptionBlock(const BYTE* block) {
  for (int i = 0; i < 9; ++i) m_checks[i] = block && block[kStdBoxes[i].option] ? 1 : 0;
}

BYTE* CStdDialogsDlg::GetOptionBlock() const {
  BYTE* block = new BYTE[256];
  std::memset(block, 0, 256);
  for (int i = 0; i < 9; ++i)
    if (m_checks[i]) block[kStdBoxes[i].option] = 1;
  return block;
}

void CStdDialogsDlg::DoDataExchange(CDataExchange* dx) {
  for (int i = 0; i < 9; ++i) DDX_Check(dx, kStdBoxes[i].id, m_checks[i]);
}

CAddOnConfigDlg::CAddOnConfigDlg(CWnd* parent)
    : CDialog(IDD_ADDONCONFIG, parent),
      m_strDescription(WizardTexts().Text(IDS_NO_ENTRY)),
      m_strExportPath(_T("???\\")) {}

BOOL CAddOnConfigDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_CONFIG_INFO_PROMPT, Loaded(IDS_ADDON_INFO_PROMPT, m_strFileName));
  SetDlgItemText(IDC_CONFIG_PATH_PROMPT, Loaded(IDS_ADDON_PATH_PROMPT, m_strFileName));
  return TRUE;
}

void CAddOnConfigDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Text(dx, IDC_CONFIG_DESCRIPTION, m_strDescription);
  DDX_Text(dx, IDC_CONFIG_EXPORT, m_strExportPath);
}

CProgressDlg::~CProgressDlg() { End(); }

// Paints what waits and runs due timers, a bounded number of each; input and
// commands stay in the queue, so nothing can start while the scan runs.
void CProgressDlg::PumpPaintAndTimers() {
  MSG msg;
  for (int i = 0; i < kPumpBound && ::PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
    ::DispatchMessage(&msg);
  for (int i = 0; i < kPumpBound && ::PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE); ++i)
    ::DispatchMessage(&msg);
}

void CProgressDlg::Begin(const CString& caption) {
  if (!m_hWnd && !Create(IDD_PROGRESS, m_pParent)) return;
  SetWindowText(caption);
  ::SendDlgItemMessage(m_hWnd, IDC_PROGRESS_BAR, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  // The main dialog takes no input until End.
  HWND parent = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
  m_hDisabledParent = parent && ::IsWindowEnabled(parent) ? parent : nullptr;
  if (m_hDisabledParent) ::EnableWindow(m_hDisabledParent, FALSE);
  ShowWindow(SW_SHOW);
  UpdateWindow();
  PumpPaintAndTimers();
}

void CProgressDlg::SetPos(int pos) {
  if (!m_hWnd) return;
  ::SendDlgItemMessage(m_hWnd, IDC_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(pos), 0);
  PumpPaintAndTimers();
}

void CProgressDlg::End() {
  // The parent first, so that it is active again when the window goes.
  if (m_hDisabledParent && ::IsWindow(m_hDisabledParent)) ::EnableWindow(m_hDisabledParent, TRUE);
  m_hDisabledParent = nullptr;
  if (m_hWnd) DestroyWindow();
}

BEGIN_MESSAGE_MAP(CTestVersionDlg, CDialog)
  ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
END_MESSAGE_MAP()

CTestVersionDlg::CTestVersionDlg(WizardTestSettings& settings, CWnd* parent)
    : CDialog(IDD_TESTVERSION, parent), m_settings(settings) {}

BOOL CTestVersionDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CheckDlgButton(IDC_REPLACE_START, m_settings.replaceLineStart ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_REPLACE_END, m_settings.replaceLineEnd ? BST_CHECKED : BST_UNCHECKED);
  SetDlgItemText(IDC_START_MARKER, m_settings.lineStart);
  SetDlgItemText(IDC_END_MARKER, m_settings.lineEnd);
  return TRUE;
}

void CTestVersionDlg::OnOK() {
  m_settings.replaceLineStart = IsDlgButtonChecked(IDC_REPLACE_START) == BST_CHECKED;
  m_settings.replaceLineEnd = IsDlgButtonChecked(IDC_REPLACE_END) == BST_CHECKED;
  GetDlgItemText(IDC_START_MARKER, m_settings.lineStart);
  GetDlgItemText(IDC_END_MARKER, m_settings.lineEnd);
  EndDialog(IDOK);
}

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

BOOL CAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_VERSION_TEXT, WizardTexts().Format(IDS_VERSION, 3, 0, _T("0")));
  return TRUE;
}
