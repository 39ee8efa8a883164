#include "SampleDialogs.h"

#include "resource.h"

CString SampleText(UINT id) { return LwStringTableTexts().Text(id); }

void ShowSampleAboutBox(CWnd* parent) {
  CDialog about(IDD_ABOUTBOX, parent);
  about.DoModal();
}

// ---- every kind of control ----------------------------------------------------

BEGIN_MESSAGE_MAP(CSampleControlsDlg, CDialog)
  ON_BN_CLICKED(IDC_CTL_RESET, OnReset)
END_MESSAGE_MAP()

CSampleControlsDlg::CSampleControlsDlg(CWnd* parent) : CDialog(IDD_SAMPLE_CONTROLS, parent) {}

BOOL CSampleControlsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_list.SubclassDlgItem(IDC_CTL_LIST, this);
  m_combo.SubclassDlgItem(IDC_CTL_COMBO, this);
  m_progress.SubclassDlgItem(IDC_CTL_PROGRESS, this);
  m_slider.SubclassDlgItem(IDC_CTL_SLIDER, this);
  m_hotKey.SubclassDlgItem(IDC_CTL_HOTKEY, this);
  Fill();
  return TRUE;
}

void CSampleControlsDlg::Fill() {
  m_list.ResetContent();
  AddSampleTexts(m_list, {IDS_LIST_FIRST, IDS_LIST_SECOND, IDS_LIST_THIRD});
  m_list.SetCurSel(0);
  m_combo.ResetContent();
  AddSampleTexts(m_combo, {IDS_SIZE_SMALL, IDS_SIZE_NORMAL, IDS_SIZE_LARGE});
  m_combo.SetCurSel(1);
  m_progress.SetRange(0, 100);
  m_progress.SetPos(40);
  m_slider.SetRange(0, 10, TRUE);
  m_slider.SetPos(5);
  m_hotKey.SetHotKey('E', HOTKEYF_CONTROL);
  CheckDlgButton(IDC_CTL_ACTIVE, BST_CHECKED);
  CheckRadioButton(IDC_CTL_SMALL, IDC_CTL_LARGE, IDC_CTL_SMALL);
  SetDlgItemText(IDC_CTL_EDIT, _T(""));
}

void CSampleControlsDlg::OnReset() { Fill(); }

// ---- property pages ------------------------------------------------------------

CSamplePage::CSamplePage(UINT templateId) : CPropertyPage(templateId) { m_psp.dwFlags |= PSP_HASHELP; }

void CSamplePage::OnHelp() { LWAfxMessageBox(IDS_PROPERTIES_HELP, MB_OK | MB_ICONINFORMATION); }

CGeneralPage::CGeneralPage() : CSamplePage(IDD_PAGE_GENERAL) {}

void CGeneralPage::DoDataExchange(CDataExchange* dx) {
  DDX_Text(dx, IDC_GEN_TITLE, m_title);
  DDV_MaxChars(dx, m_title, 60);
  DDX_Check(dx, IDC_GEN_SHOW, m_show);
  DDX_Radio(dx, IDC_GEN_AUTOSAVE, m_save);
}

CDisplayPage::CDisplayPage() : CSamplePage(IDD_PAGE_DISPLAY) {}

BOOL CDisplayPage::OnInitDialog() {
  m_sizeBox.SubclassDlgItem(IDC_DSP_SIZE, this);
  AddSampleTexts(m_sizeBox, {IDS_SIZE_SMALL, IDS_SIZE_NORMAL, IDS_SIZE_LARGE});
  m_brightness.SubclassDlgItem(IDC_DSP_BRIGHTNESS, this);
  m_brightness.SetRange(0, 10, TRUE);
  m_brightness.SetPos(7);
  return CPropertyPage::OnInitDialog();  // the members into the controls
}

void CDisplayPage::DoDataExchange(CDataExchange* dx) {
  DDX_CBIndex(dx, IDC_DSP_SIZE, m_size);
  DDX_Check(dx, IDC_DSP_SYMBOLS, m_symbols);
}
