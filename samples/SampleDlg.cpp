#include "SampleDlg.h"

#include "SampleDialogs.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CSampleDlg, CDialog)
  ON_BN_CLICKED(IDC_APPLY, OnApply)
  ON_BN_CLICKED(IDC_ABOUT, OnAbout)
  ON_MESSAGE(WM_SAMPLE_LANGUAGE_CHANGED, OnLanguageChanged)
END_MESSAGE_MAP()

CSampleDlg::CSampleDlg() : CDialog(IDD_SAMPLE_FORM) {}

BOOL CSampleDlg::OnInitDialog() {
  m_name = AfxGetApp()->GetProfileString(_T("Eingaben"), _T("Name"));
  CDialog::OnInitDialog();  // binds the controls and fills them
  FillColors();
  m_colorBox.SetCurSel(m_color);
  return TRUE;
}

void CSampleDlg::FillColors() {
  m_colorBox.ResetContent();
  AddSampleTexts(m_colorBox, {IDS_COLOR_RED, IDS_COLOR_GREEN, IDS_COLOR_BLUE});
}

void CSampleDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_COLOR, m_colorBox);
  DDX_Control(dx, IDC_HISTORY, m_history);
  DDX_Text(dx, IDC_NAME, m_name);
  DDV_MaxChars(dx, m_name, 40);
  DDX_Text(dx, IDC_COUNT, m_count);
  DDV_MinMaxInt(dx, m_count, 1, 99);
  DDX_Check(dx, IDC_NOTIFY, m_notify);
  DDX_Radio(dx, IDC_GERMAN, m_language);
  DDX_CBIndex(dx, IDC_COLOR, m_color);
}

// Takes the entries over: a line in the history and a message box.
void CSampleDlg::OnApply() {
  if (!UpdateData(TRUE)) return;
  CString color;
  if (m_color >= 0) m_colorBox.GetLBText(m_color, color);
  CString notify = SampleText(m_notify ? IDS_NOTIFY_ON : IDS_NOTIFY_OFF);
  m_history.AddString(LwStringTableTexts().Format(IDS_HISTORY_LINE, m_name, m_count, color));
  AfxGetApp()->WriteProfileString(_T("Eingaben"), _T("Name"), m_name);
  AfxMessageBox(LwStringTableTexts().Format(IDS_APPLIED, m_name, m_count, color, notify), MB_OK | MB_ICONINFORMATION);
}

void CSampleDlg::OnAbout() { ShowSampleAboutBox(this); }

// "Schließen" and Escape close the form; the frame stays.
void CSampleDlg::OnOK() { DestroyWindow(); }
void CSampleDlg::OnCancel() { DestroyWindow(); }

// The colours of the new language, the choice kept.
LRESULT CSampleDlg::OnLanguageChanged(WPARAM, LPARAM) {
  int selected = m_colorBox.GetCurSel();
  FillColors();
  m_colorBox.SetCurSel(selected);
  return 0;
}
