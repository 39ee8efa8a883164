#include "ListCtrl.h"

namespace {
// Reads a text through a getter that fills at most size characters (with the
// terminator) and answers how many it copied; grows until the text fits.
template <class Get>
CString ReadText(Get get) {
  CString text;
  for (int size = 256;; size *= 4) {
    int copied = get(text.GetBuffer(size), size);
    bool whole = copied < size - 1 || size >= (1 << 20);
    text.ReleaseBuffer(copied > 0 && copied < size ? copied : 0);
    if (whole) return text;
  }
}

inline LPTSTR TextParam(LPCTSTR text) { return const_cast<LPTSTR>(text ? text : _T("")); }
}  // namespace

// ---- list view ------------------------------------------------------------------

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(WC_LISTVIEW, nullptr, style, rect, parent, id);
}

HIMAGELIST CListCtrl::SetImageList(CImageList* list, int type) {
  return reinterpret_cast<HIMAGELIST>(
      SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(type), reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr)));
}

HIMAGELIST CListCtrl::GetImageList(int type) const {
  return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, static_cast<WPARAM>(type)));
}

int CListCtrl::InsertItem(int index, LPCTSTR text, int image) {
  LVITEM item{};
  item.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0);
  item.iItem = index;
  item.pszText = TextParam(text);
  item.iImage = image;
  return InsertItem(&item);
}

int CListCtrl::InsertItem(const LVITEM* item) {
  return static_cast<int>(SendMessage(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CListCtrl::GetItem(LVITEM* item) const {
  return static_cast<BOOL>(SendMessage(LVM_GETITEM, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CListCtrl::SetItem(const LVITEM* item) {
  return static_cast<BOOL>(SendMessage(LVM_SETITEM, 0, reinterpret_cast<LPARAM>(item)));
}

CString CListCtrl::GetItemText(int item, int subItem) const {
  return ReadText([&](LPTSTR buffer, int size) {
    LVITEM lv{};
    lv.iSubItem = subItem;
    lv.pszText = buffer;
    lv.cchTextMax = size;
    buffer[0] = 0;
    return static_cast<int>(SendMessage(LVM_GETITEMTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
  });
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCTSTR text) {
  LVITEM lv{};
  lv.iSubItem = subItem;
  lv.pszText = TextParam(text);
  return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
}

int CListCtrl::GetItemImage(int item) const {
  LVITEM lv{};
  lv.mask = LVIF_IMAGE;
  lv.iItem = item;
  return GetItem(&lv) ? lv.iImage : -1;
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
  LVITEM lv{};
  lv.mask = LVIF_PARAM;
  lv.iItem = item;
  return GetItem(&lv) ? static_cast<DWORD_PTR>(lv.lParam) : 0;
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
  LVITEM lv{};
  lv.mask = LVIF_PARAM;
  lv.iItem = item;
  lv.lParam = static_cast<LPARAM>(data);
  return SetItem(&lv);
}

UINT CListCtrl::GetItemState(int item, UINT mask) const {
  return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(item), static_cast<LPARAM>(mask)));
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
  LVITEM lv{};
  lv.state = state;
  lv.stateMask = mask;
  return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
}

int CListCtrl::GetNextItem(int start, int flags) const {
  return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
}

// The position is the item index + 1, so that null means "no more".
POSITION CListCtrl::GetFirstSelectedItemPosition() const {
  int first = GetNextItem(-1, LVNI_SELECTED);
  return first < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<INT_PTR>(first) + 1);
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
  int item = static_cast<int>(reinterpret_cast<INT_PTR>(pos)) - 1;
  int next = item >= 0 ? GetNextItem(item, LVNI_SELECTED) : -1;
  pos = next < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<INT_PTR>(next) + 1);
  return item;
}

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width, int subItem) {
  LVCOLUMN lc{};
  lc.mask = LVCF_TEXT | LVCF_FMT;
  lc.fmt = format;
  lc.pszText = TextParam(heading);
  if (width >= 0) {
    lc.mask |= LVCF_WIDTH;
    lc.cx = width;
  }
  if (subItem >= 0) {
    lc.mask |= LVCF_SUBITEM;
    lc.iSubItem = subItem;
  }
  return static_cast<int>(SendMessage(LVM_INSERTCOLUMN, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&lc)));
}

int CListCtrl::InsertColumnAutoWidth(int column, LPCTSTR caption) {
  return InsertColumn(column, caption, LVCFMT_LEFT, GetStringWidth(caption) + 15, column);
}

int CListCtrl::GetColumnWidth(int column) const {
  return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

BOOL CListCtrl::SetColumnWidth(int column, int width) {
  return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)));
}

int CListCtrl::GetStringWidth(LPCTSTR text) const {
  return static_cast<int>(SendMessage(LVM_GETSTRINGWIDTH, 0, reinterpret_cast<LPARAM>(TextParam(text))));
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE compare, DWORD_PTR sortData) {
  return static_cast<BOOL>(
      SendMessage(LVM_SORTITEMS, static_cast<WPARAM>(sortData), reinterpret_cast<LPARAM>(compare)));
}

BOOL CListCtrl::EnsureVisible(int item, BOOL partialOK) {
  return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), partialOK));
}

BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT code) const {
  if (!rect) return FALSE;
  rect->left = static_cast<LONG>(code);
  return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(rect)));
}

int CListCtrl::HitTest(POINT point, UINT* flags) const {
  LVHITTESTINFO info{};
  info.pt = point;
  int item = static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
  if (flags) *flags = info.flags;
  return item;
}

// ---- tree view --------------------------------------------------------------------

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(WC_TREEVIEW, nullptr, style, rect, parent, id);
}

HIMAGELIST CTreeCtrl::SetImageList(CImageList* list, int type) {
  return reinterpret_cast<HIMAGELIST>(
      SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(type), reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr)));
}

HIMAGELIST CTreeCtrl::GetImageList(int type) const {
  return reinterpret_cast<HIMAGELIST>(SendMessage(TVM_GETIMAGELIST, static_cast<WPARAM>(type)));
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after) {
  TVINSERTSTRUCT insert{};
  insert.hParent = parent;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = TextParam(text);
  insert.item.iImage = image;
  insert.item.iSelectedImage = selectedImage;
  return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&insert)));
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent, HTREEITEM after) {
  TVINSERTSTRUCT insert{};
  insert.hParent = parent;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = TextParam(text);
  return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&insert)));
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM item) {
  return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const {
  return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::SelectItem(HTREEITEM item) {
  return static_cast<BOOL>(SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code) {
  return static_cast<BOOL>(SendMessage(TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)));
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const {
  return ReadText([&](LPTSTR buffer, int size) {
    TVITEM tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = buffer;
    tv.cchTextMax = size;
    buffer[0] = 0;
    if (!SendMessage(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&tv))) return 0;
    return lstrlen(tv.pszText);
  });
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, LPCTSTR text) {
  TVITEM tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = TextParam(text);
  return static_cast<BOOL>(SendMessage(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&tv)));
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const {
  TVITEM tv{};
  tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  tv.hItem = item;
  BOOL ok = static_cast<BOOL>(SendMessage(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&tv)));
  image = ok ? tv.iImage : -1;
  selectedImage = ok ? tv.iSelectedImage : -1;
  return ok;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const {
  TVITEM tv{};
  tv.mask = TVIF_PARAM;
  tv.hItem = item;
  return SendMessage(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&tv)) ? static_cast<DWORD_PTR>(tv.lParam) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data) {
  TVITEM tv{};
  tv.mask = TVIF_PARAM;
  tv.hItem = item;
  tv.lParam = static_cast<LPARAM>(data);
  return static_cast<BOOL>(SendMessage(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&tv)));
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const {
  if (!rect) return FALSE;
  *reinterpret_cast<HTREEITEM*>(rect) = item;
  return static_cast<BOOL>(SendMessage(TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(rect)));
}
