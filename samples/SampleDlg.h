// The sample's form: a modeless dialog owned by the frame whose entries are
// taken over into a history list, with an about box and message boxes.
#pragma once

#include "SampleText.h"

class CSampleDlg : public CDialog {
 public:
  CSampleDlg();

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;
  void OnCancel() override;
  void OnApply();
  void OnAbout();
  LRESULT OnLanguageChanged(WPARAM, LPARAM);
  void FillColors();

  CString m_name;
  int m_count = 1;
  int m_notify = 0;
  int m_language = 0;
  int m_color = 0;
  CComboBox m_colorBox;
  CListBox m_history;

  DECLARE_MESSAGE_MAP()
};
