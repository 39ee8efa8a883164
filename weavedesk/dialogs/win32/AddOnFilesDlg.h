// The add-on dialog (template 105) over the open language file, and the
// file-info dialog (template 104) that asks for a description after a
// re-import. The rules are CAddOnFilesModel's; these classes bind its
// rows, selection and enabled states to the controls. Changes go straight
// into the language file's add-on records; there is no cancel.
#pragma once

#include "AddOnFilesModel.h"
#include "FrameworkWin.h"

#include <memory>

class CTraFile;
class CUiServices;

class CFileInfoDlg : public CDialog {
 public:
  explicit CFileInfoDlg(CWnd* parent);
  void SetText(const CString& text) { m_strText = text; }
  CString GetText() const { return m_strText; }
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;

 private:
  CString m_strText;
};

// Fills a report list with the add-on rows (image and four columns).
void FillAddOnList(CListCtrl& list, const std::vector<AddOnRow>& rows);

class CAddOnFilesDlg : public CDialog, private CAddOnDescriptionAsker {
 public:
  CAddOnFilesDlg(CWnd* parent, CUiServices& ui);
  ~CAddOnFilesDlg() override;
  void SetTraFile(CTraFile* file);

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;
  // Control id 2 is both the re-import button and what Escape sends.
  void OnCancel() override { OnReimport(); }
  void OnExport();
  void OnReimport();
  void OnClickList(NMHDR* notify, LRESULT* result);
  void OnUpdateDescription();
  void OnClose();

  CListCtrl& GetList() { return *m_pList; }
  CAddOnFilesModel* GetModel() { return m_pModel.get(); }

  DECLARE_MESSAGE_MAP()

 private:
  bool AskDescription(CString& text) override;
  void Refill();
  void UpdateControls();

  CUiServices& m_ui;
  CTraFile* m_pFile = nullptr;
  std::unique_ptr<CAddOnFilesModel> m_pModel;
  std::unique_ptr<CListCtrl> m_pList;
  CImageList m_images;
  CString m_strDescription;
  bool m_bFilling = false;
};
