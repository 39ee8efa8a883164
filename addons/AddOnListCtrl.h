// CAddOnListCtrl: the list view of a language file's add-on files, one row
// per file (name with an image by its extension, export path, description,
// size). Shows a CAddOnFileList and deletes from it by position; it knows
// nothing of the program around it (a wizard project or an editor
// document hands it their list).
#pragma once

#include "AddOnFile.h"
#include "ListCtrl.h"

// The bitmap strip of the row images: cells 16 pixels wide, magenta clear.
const UINT ADDON_LIST_BITMAP = 188;
const COLORREF ADDON_LIST_MASK = RGB(255, 0, 255);

class CAddOnListCtrl : public CListCtrl {
 public:
  CAddOnListCtrl() = default;
  ~CAddOnListCtrl() override;
  CAddOnListCtrl(const CAddOnListCtrl&) = delete;
  CAddOnListCtrl& operator=(const CAddOnListCtrl&) = delete;

  // Takes over the list view controlId of parent and gives it the image
  // strip bitmapId of the program's resources (the list works without).
  BOOL AttachTo(CWnd* parent, UINT controlId, UINT bitmapId = ADDON_LIST_BITMAP);
  // The four columns, each as wide as its caption plus a margin.
  void InsertColumns(LPCTSTR name, LPCTSTR exportPath, LPCTSTR description, LPCTSTR size);

  // All rows again from files, in list order.
  void Fill(const CAddOnFileList& files);
  // The texts of one row from its file, leaving the selection alone.
  void UpdateRow(int index, const CAddOnFile& file);
  // Removes every selected row's file from files, by position; the caller
  // refills. Answers how many were removed.
  int DeleteSelected(CAddOnFileList& files);

  // The selected row when exactly one is selected, else -1.
  int GetSingleSelection() const;
  void SelectOnly(int index);

 private:
  void SetRowTexts(int index, const CAddOnFile& file);

  CImageList m_images;
};
