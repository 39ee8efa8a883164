#include "UiTestKit.h"

#include "DialogTemplate.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

enum : WORD { kLabel = 20, kList, kCombo, kListView, kTree, kTab };

struct ControlPlace {
  WORD id;
  short x, y, cx, cy;
};
const ControlPlace kPlaces[] = {{kLabel, 5, 5, 40, 8},      {kList, 5, 16, 60, 40},   {kCombo, 70, 16, 60, 50},
                                {kListView, 5, 60, 120, 40}, {kTree, 130, 60, 70, 60}, {kTab, 5, 105, 120, 20}};

INT_PTR CALLBACK PlainProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// A modeless dialog with one control of every kind the readers serve.
class ReaderDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&init);
    lw::DialogTemplate t(_T("Leser"), WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 210, 130);
    const DWORD child = WS_CHILD | WS_VISIBLE;
    t.AddControl(lw::DialogTemplate::kStatic, _T("&Name:"), kLabel, child, 5, 5, 40, 8);
    t.AddControl(lw::DialogTemplate::kListBox, _T(""), kList, child | WS_BORDER | LBS_NOINTEGRALHEIGHT, 5, 16, 60, 40);
    t.AddControl(lw::DialogTemplate::kComboBox, _T(""), kCombo, child | CBS_DROPDOWNLIST, 70, 16, 60, 50);
    t.AddControl(WC_LISTVIEW, _T(""), kListView, child | LVS_REPORT, 5, 60, 120, 40);
    t.AddControl(WC_TREEVIEW, _T(""), kTree, child, 130, 60, 70, 60);
    t.AddControl(WC_TABCONTROL, _T(""), kTab, child, 5, 105, 120, 20);
    dialog = ::CreateDialogIndirectParam(::GetModuleHandle(nullptr), t.Get(), nullptr, PlainProc, 0);
    ASSERT_NE(dialog, nullptr);
  }
  void TearDown() override { ::DestroyWindow(dialog); }
  HWND Item(int id) const { return ::GetDlgItem(dialog, id); }
  HWND dialog = nullptr;
};

TEST_F(ReaderDialog, TextsAndListAndComboItems) {
  EXPECT_EQ(lwtest::WindowText(dialog), CString(_T("Leser")));
  EXPECT_EQ(lwtest::ItemText(dialog, kLabel), CString(_T("&Name:")));
  EXPECT_EQ(lwtest::WindowText(nullptr), CString());
  for (LPCTSTR text : {_T("rot"), _T("gr\xfcn")}) {
    ::SendMessage(Item(kList), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    ::SendMessage(Item(kCombo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  const std::vector<CString> expected = {_T("rot"), _T("gr\xfcn")};
  EXPECT_EQ(lwtest::ListItems(Item(kList)), expected);
  EXPECT_EQ(lwtest::ListItems(Item(kCombo)), expected);
  EXPECT_EQ(lwtest::ChildTexts(dialog).front(), CString(_T("&Name:")));
}

TEST_F(ReaderDialog, ListViewColumnsTreeAndTabs) {
  HWND list = Item(kListView);
  for (int c = 0; c < 2; ++c) {
    LVCOLUMN column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 50;
    ListView_InsertColumn(list, c, &column);
  }
  LPCTSTR rows[][2] = {{_T("Deutsch"), _T("1.0")}, {_T("English"), _T("2.0")}};
  for (int i = 0; i < 2; ++i) {
    LVITEM item = {};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<LPTSTR>(rows[i][0]);
    ListView_InsertItem(list, &item);
    ListView_SetItemText(list, i, 1, const_cast<LPTSTR>(rows[i][1]));
  }
  EXPECT_EQ(lwtest::ListItems(list), (std::vector<CString>{_T("Deutsch"), _T("English")}));
  EXPECT_EQ(lwtest::ListItems(list, 1), (std::vector<CString>{_T("1.0"), _T("2.0")}));

  HWND tree = Item(kTree);
  auto add = [tree](HTREEITEM parent, LPCTSTR text) {
    TVINSERTSTRUCT insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<LPTSTR>(text);
    return TreeView_InsertItem(tree, &insert);
  };
  HTREEITEM dialogs = add(TVI_ROOT, _T("Dialoge"));
  HTREEITEM form = add(dialogs, _T("Eingaben"));
  add(form, _T("&Name:"));
  add(TVI_ROOT, _T("Men\xfcs"));
  EXPECT_EQ(lwtest::TreeItems(tree),
            (std::vector<CString>{_T("Dialoge"), _T("  Eingaben"), _T("    &Name:"), _T("Men\xfcs")}));

  HWND tab = Item(kTab);
  for (LPCTSTR label : {_T("Allgemein"), _T("Farben")}) {
    TCITEM item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPTSTR>(label);
    TabCtrl_InsertItem(tab, TabCtrl_GetItemCount(tab), &item);
  }
  EXPECT_EQ(lwtest::TabLabels(tab), (std::vector<CString>{_T("Allgemein"), _T("Farben")}));
}

// The rectangles come back in the units the template gave, whatever the font.
TEST_F(ReaderDialog, ChildRectanglesInDialogUnits) {
  for (const ControlPlace& p : kPlaces) {
    CRect expected(p.x, p.y, p.x + p.cx, p.y + p.cy);
    if (p.id == kCombo) {
      // A drop-down list's window is as high as its edit part, not its template.
      CRect r = lwtest::ChildRectInDialogUnits(dialog, p.id);
      EXPECT_EQ(CRect(r.left, r.top, r.right, expected.bottom), expected);
      continue;
    }
    EXPECT_EQ(lwtest::ChildRectInDialogUnits(dialog, p.id), expected) << "control " << p.id;
  }
}

TEST(MenuReader, ItemsWithTheirStatesAndFoundById) {
  HMENU bar = ::CreateMenu();
  HMENU file = ::CreatePopupMenu();
  ::AppendMenu(file, MF_STRING | MF_CHECKED, 101, _T("\xd6&" "ffnen\tStrg+O"));
  ::AppendMenu(file, MF_SEPARATOR, 0, nullptr);
  ::AppendMenu(file, MF_STRING | MF_GRAYED, 102, _T("&Beenden"));
  ::AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), _T("&Datei"));
  std::vector<lwtest::MenuItem> top = lwtest::MenuItems(bar);
  ASSERT_EQ(top.size(), 1u);
  EXPECT_EQ(top[0].text, CString(_T("&Datei")));
  EXPECT_EQ(top[0].popup, file);
  EXPECT_EQ(top[0].id, 0u);
  std::vector<lwtest::MenuItem> items = lwtest::MenuItems(file);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].text, CString(_T("\xd6&" "ffnen\tStrg+O")));
  EXPECT_TRUE(items[0].checked);
  EXPECT_FALSE(items[0].grayed);
  EXPECT_TRUE(items[1].separator);
  lwtest::MenuItem exit = lwtest::FindMenuItem(bar, 102);
  EXPECT_EQ(exit.id, 102u);
  EXPECT_EQ(exit.text, CString(_T("&Beenden")));
  EXPECT_TRUE(exit.grayed);
  EXPECT_EQ(lwtest::FindMenuItem(bar, 999).id, 0u);
  EXPECT_EQ(lwtest::MenuText(bar, 0), CString(_T("&Datei")));
  ::DestroyMenu(bar);
}

}  // namespace
