// The modal dialog in which the user picks a language file's LANGID and its
// 32 x 32 flag: from the list of countries with their flags, or from an own
// bitmap file. What the lists hold and when they drop down is decided by
// CFlagPickerModel; this class mirrors it onto the controls.
#pragma once

#include "FlagPickerModel.h"
#include "FrameworkWin.h"
#include "LangPickerIds.h"

#include <memory>

class CLanguageFlagDlg : public CDialog {
 public:
  explicit CLanguageFlagDlg(CWnd* parent = nullptr, UINT templateId = IDD_LANGUAGEFLAG_WIZARD,
                            UINT backgroundTemplateId = IDD_FLAGBACKGROUND_WIZARD);
  ~CLanguageFlagDlg() override;

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;
  void OnClickFlagList(NMHDR* header, LRESULT* result);
  void OnDblclkFlagList(NMHDR* header, LRESULT* result);
  void OnKeydownFlagList(NMHDR* header, LRESULT* result);
  LRESULT OnKeySelection(WPARAM, LPARAM);
  void OnPaint();
  void OnOwnFlag();
  void OnCloseupLanguage();
  void OnSelchangeLanguage();
  void OnSelchangeSubLanguage();

  // Copies strip cell m_nFlagIndex into m_flagBitmap; FALSE, picture
  // unchanged, when the strip cannot be loaded or has no such cell.
  BOOL DrawFlag();

  const CFlagPickerModel& GetModel() const { return m_model; }
  int GetFlagIndex() const { return m_model.FlagIndex(); }
  BOOL IsOwnFlag() const { return m_model.IsOwnFlag() ? TRUE : FALSE; }
  // The list position of a catalogue row, or -1.
  int FindCountryItem(int row) const;
  const CRect& GetPreviewRect() const { return m_rcPreview; }

  CStatic m_preview;
  CComboBox m_subLanguageList;
  CComboBox m_languageList;
  CButton m_okButton;
  CListCtrl m_flagList;
  CString m_strInfo;
  CBitmap m_flagBitmap;
  WORD m_langId = 0;

 protected:
  // The catalogue row of the only selected item, or -1.
  int SelectedCountry() const;
  void ChooseSelectedCountry();
  // Puts the model's lists, enabled states and drop-downs onto the controls.
  void ShowModel();

  CRect m_rcPreview;
  std::unique_ptr<CImageList> m_pImageList;
  CFlagPickerModel m_model;
  UINT m_nBackgroundTemplate;

  DECLARE_MESSAGE_MAP()
};
