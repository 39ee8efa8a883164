#include "WindowReaders.h"

#include "WindowKinds.h"

#include <commctrl.h>
#include <prsht.h>

namespace lwtest {

namespace {

const int kTextChars = 1024;

bool InThisProcess(HWND wnd) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(wnd, &pid);
  return pid == ::GetCurrentProcessId();
}

// An item text read by a count-then-text message pair (list and combo boxes).
CString IndexedText(HWND control, UINT lengthMessage, UINT textMessage, int index) {
  LRESULT length = ::SendMessage(control, lengthMessage, static_cast<WPARAM>(index), 0);
  if (length < 0) return CString();
  std::vector<TCHAR> buffer(static_cast<size_t>(length) + 1, 0);
  ::SendMessage(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return CString(buffer.data());
}

void AddTreeItems(HWND tree, HTREEITEM item, int depth, std::vector<CString>& out) {
  for (; item; item = TreeView_GetNextSibling(tree, item)) {
    TCHAR text[kTextChars] = {};
    TVITEM tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = kTextChars;
    TreeView_GetItem(tree, &tv);
    out.push_back(CString(_T(' '), depth * 2) + text);
    AddTreeItems(tree, TreeView_GetChild(tree, item), depth + 1, out);
  }
}

}  // namespace

CString WindowText(HWND wnd) {
  if (!wnd || !::IsWindow(wnd)) return CString();
  TCHAR buffer[kTextChars] = {};
  if (InThisProcess(wnd)) {
    ::GetWindowText(wnd, buffer, kTextChars);
    return CString(buffer);
  }
  DWORD_PTR copied = 0;
  if (!::SendMessageTimeout(wnd, WM_GETTEXT, kTextChars, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                            &copied))
    return CString(_T("<no answer>"));
  return CString(buffer, static_cast<int>(copied));
}

CString ItemText(HWND parent, int id) { return WindowText(::GetDlgItem(parent, id)); }

std::vector<CString> ChildTexts(HWND parent) {
  std::vector<CString> texts;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    texts.push_back(WindowText(child));
  return texts;
}

CString MessageBoxText(HWND box) { return ItemText(box, 0xFFFF); }

std::vector<CString> ListItems(HWND control, int column) {
  std::vector<CString> items;
  if (HasClass(control, _T("ListBox")) || HasClass(control, _T("ComboLBox"))) {
    LRESULT count = ::SendMessage(control, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) items.push_back(IndexedText(control, LB_GETTEXTLEN, LB_GETTEXT, i));
  } else if (HasClass(control, _T("ComboBox"))) {
    LRESULT count = ::SendMessage(control, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) items.push_back(IndexedText(control, CB_GETLBTEXTLEN, CB_GETLBTEXT, i));
  } else if (HasClass(control, WC_LISTVIEW)) {
    int count = ListView_GetItemCount(control);
    for (int i = 0; i < count; ++i) {
      TCHAR text[kTextChars] = {};
      ListView_GetItemText(control, i, column, text, kTextChars);
      items.push_back(CString(text));
    }
  }
  return items;
}

std::vector<CString> TreeItems(HWND tree) {
  std::vector<CString> items;
  AddTreeItems(tree, TreeView_GetRoot(tree), 0, items);
  return items;
}

namespace {

// The texts of count items of a common control, each read into an Item
// (LVCOLUMN, TCITEM) with its text field by get(index, item).
template <class Item, class Get>
std::vector<CString> ItemTexts(int count, UINT mask, Get get) {
  std::vector<CString> texts;
  for (int i = 0; i < count; ++i) {
    TCHAR text[kTextChars] = {};
    Item item = {};
    item.mask = mask;
    item.pszText = text;
    item.cchTextMax = kTextChars;
    get(i, item);
    texts.push_back(CString(text));
  }
  return texts;
}

}  // namespace

std::vector<CString> ListColumns(HWND listView) {
  HWND header = ListView_GetHeader(listView);
  return ItemTexts<LVCOLUMN>(header ? Header_GetItemCount(header) : 0, LVCF_TEXT,
                             [listView](int i, LVCOLUMN& column) { ListView_GetColumn(listView, i, &column); });
}

std::vector<CString> TabLabels(HWND tabOrSheet) {
  HWND tab = tabOrSheet;
  if (IsPropertySheet(tabOrSheet)) tab = reinterpret_cast<HWND>(::SendMessage(tabOrSheet, PSM_GETTABCONTROL, 0, 0));
  return ItemTexts<TCITEM>(TabCtrl_GetItemCount(tab), TCIF_TEXT,
                           [tab](int i, TCITEM& item) { TabCtrl_GetItem(tab, i, &item); });
}

std::vector<MenuItem> MenuItems(HMENU menu) {
  std::vector<MenuItem> items;
  int count = ::GetMenuItemCount(menu);
  for (int pos = 0; pos < count; ++pos) {
    MENUITEMINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
    ::GetMenuItemInfo(menu, static_cast<UINT>(pos), TRUE, &info);
    MenuItem item;
    item.text = MenuText(menu, pos);
    item.separator = (info.fType & MFT_SEPARATOR) != 0;
    item.popup = info.hSubMenu;
    item.id = (item.separator || item.popup) ? 0 : info.wID;
    item.grayed = (info.fState & MFS_GRAYED) != 0;
    item.checked = (info.fState & MFS_CHECKED) != 0;
    items.push_back(item);
  }
  return items;
}

CString MenuText(HMENU menu, int pos) {
  TCHAR text[kTextChars] = {};
  ::GetMenuString(menu, static_cast<UINT>(pos), text, kTextChars, MF_BYPOSITION);
  return CString(text);
}

MenuItem FindMenuItem(HMENU menu, UINT id) {
  for (const MenuItem& item : MenuItems(menu)) {
    if (item.popup) {
      MenuItem inner = FindMenuItem(item.popup, id);
      if (inner.id) return inner;
    } else if (item.id == id) {
      return item;
    }
  }
  return MenuItem();
}

CRect DialogUnits(HWND dialog, const RECT& pixels) {
  RECT base = {0, 0, 4, 8};
  ::MapDialogRect(dialog, &base);
  if (base.right <= 0 || base.bottom <= 0) return CRect(0, 0, 0, 0);
  // Position and size apart, as the dialog manager maps a template's items.
  const int left = ::MulDiv(pixels.left, 4, base.right), top = ::MulDiv(pixels.top, 8, base.bottom);
  return CRect(left, top, left + ::MulDiv(pixels.right - pixels.left, 4, base.right),
               top + ::MulDiv(pixels.bottom - pixels.top, 8, base.bottom));
}

CRect ChildRectInDialogUnits(HWND dialog, HWND child) {
  RECT r = {};
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return DialogUnits(dialog, r);
}

CRect ChildRectInDialogUnits(HWND dialog, int id) { return ChildRectInDialogUnits(dialog, ::GetDlgItem(dialog, id)); }

}  // namespace lwtest

void PrintTo(const CRect& r, std::ostream* os) {
  *os << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}
