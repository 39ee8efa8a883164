// The sample's smaller windows: every kind of control, the property pages
// and the about box.
#pragma once

#include "SampleText.h"

// Modal dialog with one control of every kind, filled from the string table.
class CSampleControlsDlg : public CDialog {
 public:
  explicit CSampleControlsDlg(CWnd* parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  void OnReset();
  void Fill();

  CListBox m_list;
  CComboBox m_combo;
  CProgressCtrl m_progress;
  CSliderCtrl m_slider;
  CHotKeyCtrl m_hotKey;

  DECLARE_MESSAGE_MAP()
};

// A page of the properties: the sheet's Help button explains them.
class CSamplePage : public CPropertyPage {
 public:
  explicit CSamplePage(UINT templateId);

 protected:
  void OnHelp() override;
};

class CGeneralPage : public CSamplePage {
 public:
  CGeneralPage();

 protected:
  void DoDataExchange(CDataExchange* dx) override;

  CString m_title;
  int m_show = 1;
  int m_save = 0;  // 0 automatic, 1 ask
};

// The display page: the font size offered from the string table.
class CDisplayPage : public CSamplePage {
 public:
  CDisplayPage();

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;

  CComboBox m_sizeBox;
  CSliderCtrl m_brightness;
  int m_size = 1;
  int m_symbols = 1;
};

void ShowSampleAboutBox(CWnd* parent);
