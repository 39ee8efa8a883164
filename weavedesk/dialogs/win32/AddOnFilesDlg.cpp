#include "AddOnFilesDlg.h"

#include "DeskDialogIds.h"
#include "DeskStrings.h"
#include "TraFile.h"

// ---- file information ----

CFileInfoDlg::CFileInfoDlg(CWnd* parent) : CDialog(IDD_DESK_FILE_INFO, parent) {}

void CFileInfoDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Text(dx, IDC_DESK_FILE_INFO_TEXT, m_strText);
}

void CFileInfoDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  CDialog::OnOK();
}

// ---- the list ----

void FillAddOnList(CListCtrl& list, const std::vector<AddOnRow>& rows) {
  list.DeleteAllItems();
  for (size_t i = 0; i < rows.size(); ++i) {
    const int item = list.InsertItem(static_cast<int>(i), rows[i].name, rows[i].image);
    list.SetItemText(item, 1, rows[i].date);
    list.SetItemText(item, 2, rows[i].size);
    list.SetItemText(item, 3, rows[i].description);
  }
}

// ---- add-on dialog ----

BEGIN_MESSAGE_MAP(CAddOnFilesDlg, CDialog)
  ON_BN_CLICKED(IDC_DESK_EXPORT, OnExport)
  ON_NOTIFY(NM_CLICK, IDC_DESK_ADDON_LIST, OnClickList)
  ON_EN_UPDATE(IDC_DESK_ADDON_DESCRIPTION, OnUpdateDescription)
  ON_WM_CLOSE()
END_MESSAGE_MAP()

CAddOnFilesDlg::CAddOnFilesDlg(CWnd* parent, CUiServices& ui)
    : CDialog(IDD_DESK_ADDON_FILES, parent), m_ui(ui), m_pList(new CListCtrl) {}

CAddOnFilesDlg::~CAddOnFilesDlg() = default;

void CAddOnFilesDlg::SetTraFile(CTraFile* file) {
  m_pFile = file;
  m_pModel.reset(file ? new CAddOnFilesModel(*file, m_ui, *this) : nullptr);
}

void CAddOnFilesDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Text(dx, IDC_DESK_ADDON_DESCRIPTION, m_strDescription);
}

BOOL CAddOnFilesDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_pList->SubclassDlgItem(IDC_DESK_ADDON_LIST, this);
  if (m_pModel) SetWindowText(m_pModel->GetCaption());
  const UINT columns[] = {IDS_DESK_ADDON_COLUMN_NAME, IDS_DESK_ADDON_COLUMN_DATE, IDS_DESK_ADDON_COLUMN_SIZE,
                          IDS_DESK_ADDON_COLUMN_INFO};
  for (int i = 0; i < 4; ++i) m_pList->InsertColumnAutoWidth(i, DeskText(columns[i]));
  if (m_images.Create(IDB_DESK_ADDON_IMAGES, 16, 0, RGB(255, 0, 255))) m_pList->SetImageList(&m_images, LVSIL_SMALL);
  Refill();
  GetDlgItem(IDC_DESK_EXPORT)->EnableWindow(FALSE);
  GetDlgItem(IDC_DESK_REIMPORT)->EnableWindow(FALSE);
  GetDlgItem(IDC_DESK_ADDON_DESCRIPTION)->EnableWindow(FALSE);
  return TRUE;
}

void CAddOnFilesDlg::Refill() {
  if (!m_pModel) return;
  m_bFilling = true;
  FillAddOnList(*m_pList, m_pModel->GetRows());
  m_bFilling = false;
}

void CAddOnFilesDlg::UpdateControls() {
  const AddOnControls c = m_pModel ? m_pModel->GetControls() : AddOnControls{false, false, false};
  GetDlgItem(IDC_DESK_EXPORT)->EnableWindow(c.exportEnabled);
  GetDlgItem(IDC_DESK_REIMPORT)->EnableWindow(c.reimportEnabled);
  GetDlgItem(IDC_DESK_ADDON_DESCRIPTION)->EnableWindow(c.descriptionEnabled);
  m_pList->SetFocus();
}

void CAddOnFilesDlg::OnClickList(NMHDR*, LRESULT* result) {
  *result = 0;
  if (!m_pModel) return;
  std::vector<int> selected;
  POSITION pos = m_pList->GetFirstSelectedItemPosition();
  while (pos) selected.push_back(m_pList->GetNextSelectedItem(pos));
  m_pModel->OnSelectionChanged(selected);
  if (m_pModel->GetCurrentSelection() >= 0) {
    m_bFilling = true;  // the edit's update is the program's, not the user's
    m_strDescription = m_pModel->GetDescription();
    UpdateData(FALSE);
    m_bFilling = false;
  }
  UpdateControls();
}

void CAddOnFilesDlg::OnUpdateDescription() {
  if (m_bFilling || !m_pModel) return;
  UpdateData(TRUE);
  if (!m_pModel->OnDescriptionEdited(m_strDescription)) return;
  // Refilling the list drops its selection: keep the row selected.
  const int current = m_pModel->GetCurrentSelection();
  Refill();
  m_pList->SetItemState(current, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CAddOnFilesDlg::OnExport() {
  if (!m_pModel) return;
  const bool changed = m_pModel->OnExport();
  UpdateControls();
  if (changed) Refill();
}

void CAddOnFilesDlg::OnReimport() {
  if (!m_pModel) return;
  const bool changed = m_pModel->OnReimport();
  if (!changed) return;
  const int current = m_pModel->GetCurrentSelection();
  Refill();
  if (current >= 0) m_pList->SetItemState(current, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  m_bFilling = true;
  m_strDescription = m_pModel->GetDescription();
  UpdateData(FALSE);
  m_bFilling = false;
  UpdateControls();
}

bool CAddOnFilesDlg::AskDescription(CString& text) {
  CFileInfoDlg dialog(this);
  dialog.SetText(text);
  if (dialog.DoModal() != IDOK) return false;
  text = dialog.GetText();
  return true;
}

void CAddOnFilesDlg::OnOK() {
  UpdateData(TRUE);
  EndDialog(IDOK);
}

void CAddOnFilesDlg::OnClose() { OnOK(); }
