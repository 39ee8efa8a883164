// CListCtrl and CTreeCtrl: thin wrappers over comctl32's list view and tree
// view. Item data is a DWORD_PTR; the image lists shown stay the caller's.
#pragma once

#include "ImageList.h"

class CListCtrl : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  // type: LVSIL_NORMAL (icon view), LVSIL_SMALL (small icons, list, report).
  HIMAGELIST SetImageList(CImageList* list, int type);
  HIMAGELIST GetImageList(int type) const;

  int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
  int InsertItem(int index, LPCTSTR text, int image = -1);
  int InsertItem(const LVITEM* item);
  BOOL DeleteItem(int index) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(index))); }
  BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
  BOOL GetItem(LVITEM* item) const;
  BOOL SetItem(const LVITEM* item);
  CString GetItemText(int item, int subItem) const;
  BOOL SetItemText(int item, int subItem, LPCTSTR text);
  // The text of one cell (sub-item 0 is the item's own text).
  BOOL SetSubItemText(int item, int subItem, LPCTSTR text) { return SetItemText(item, subItem, text); }
  int GetItemImage(int item) const;
  DWORD_PTR GetItemData(int item) const;
  BOOL SetItemData(int item, DWORD_PTR data);
  UINT GetItemState(int item, UINT mask) const;
  BOOL SetItemState(int item, UINT state, UINT mask);

  // Selection.
  UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
  int GetNextItem(int start, int flags) const;
  POSITION GetFirstSelectedItemPosition() const;
  int GetNextSelectedItem(POSITION& pos) const;  // the item at pos; pos moves on (null after the last)

  // Columns (report view).
  int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
  // A left-aligned column for sub-item column, as wide as its caption in the
  // list's font plus 15 pixels.
  int InsertColumnAutoWidth(int column, LPCTSTR caption);
  BOOL DeleteColumn(int column) { return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, static_cast<WPARAM>(column))); }
  int GetColumnWidth(int column) const;
  BOOL SetColumnWidth(int column, int width);
  int GetStringWidth(LPCTSTR text) const;

  // Orders the items by compare(data1, data2, sortData) of their item data.
  BOOL SortItems(PFNLVCOMPARE compare, DWORD_PTR sortData);
  BOOL EnsureVisible(int item, BOOL partialOK);
  BOOL GetItemRect(int item, LPRECT rect, UINT code) const;
  int HitTest(POINT point, UINT* flags = nullptr) const;
  DWORD GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
  DWORD SetExtendedStyle(DWORD style) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style)));
  }
};

class CTreeCtrl : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  HIMAGELIST SetImageList(CImageList* list, int type = TVSIL_NORMAL);
  HIMAGELIST GetImageList(int type = TVSIL_NORMAL) const;

  HTREEITEM InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                       HTREEITEM after = TVI_LAST);
  HTREEITEM InsertItem(LPCTSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
  BOOL DeleteItem(HTREEITEM item);
  BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
  UINT GetCount() const { return static_cast<UINT>(SendMessage(TVM_GETCOUNT)); }

  HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
  HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
  HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
  HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
  HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
  HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
  BOOL ItemHasChildren(HTREEITEM item) const { return GetChildItem(item) != nullptr; }
  BOOL SelectItem(HTREEITEM item);
  BOOL Expand(HTREEITEM item, UINT code);

  CString GetItemText(HTREEITEM item) const;
  BOOL SetItemText(HTREEITEM item, LPCTSTR text);
  BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
  DWORD_PTR GetItemData(HTREEITEM item) const;
  BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
  BOOL GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const;
};
