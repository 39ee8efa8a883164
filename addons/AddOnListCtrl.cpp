#include "AddOnListCtrl.h"

#include "AddOnRows.h"

#include <vector>

CAddOnListCtrl::~CAddOnListCtrl() {
  if (m_hWnd) UnsubclassWindow();
}

BOOL CAddOnListCtrl::AttachTo(CWnd* parent, UINT controlId, UINT bitmapId) {
  if (!parent || !SubclassDlgItem(controlId, parent)) return FALSE;
  if (m_images.GetSafeHandle() || m_images.Create(bitmapId, 16, 1, ADDON_LIST_MASK))
    SetImageList(&m_images, LVSIL_SMALL);
  return TRUE;
}

void CAddOnListCtrl::InsertColumns(LPCTSTR name, LPCTSTR exportPath, LPCTSTR description, LPCTSTR size) {
  const LPCTSTR captions[] = {name, exportPath, description, size};
  for (int i = 0; i < 4; ++i) InsertColumnAutoWidth(i, captions[i]);
}

void CAddOnListCtrl::SetRowTexts(int index, const CAddOnFile& file) {
  SetItemText(index, 0, file.GetFileName());
  SetSubItemText(index, 1, file.GetExportPath());
  SetSubItemText(index, 2, file.GetDescription());
  SetSubItemText(index, 3, AddOnSizeText(file.GetLength()));
}

void CAddOnListCtrl::Fill(const CAddOnFileList& files) {
  DeleteAllItems();
  for (int i = 0; i < files.GetCount(); ++i) {
    const CAddOnFile* file = files.GetAt(i);
    if (!file) continue;
    const int row = InsertItem(GetItemCount(), file->GetFileName(), AddOnImageFor(file->GetFileName()));
    if (row >= 0) SetRowTexts(row, *file);
  }
}

void CAddOnListCtrl::UpdateRow(int index, const CAddOnFile& file) {
  if (index < 0 || index >= GetItemCount()) return;
  SetRowTexts(index, file);
}

int CAddOnListCtrl::DeleteSelected(CAddOnFileList& files) {
  std::vector<int> selected;
  for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED)) selected.push_back(i);
  int removed = 0;
  // From the back, so the positions before stay valid.
  for (auto it = selected.rbegin(); it != selected.rend(); ++it)
    if (files.RemoveAt(*it)) ++removed;
  return removed;
}

int CAddOnListCtrl::GetSingleSelection() const {
  if (GetSelectedCount() != 1) return -1;
  return GetNextItem(-1, LVNI_SELECTED);
}

void CAddOnListCtrl::SelectOnly(int index) {
  for (int i = 0; i < GetItemCount(); ++i)
    SetItemState(i, i == index ? LVIS_SELECTED | LVIS_FOCUSED : 0, LVIS_SELECTED | LVIS_FOCUSED);
}
