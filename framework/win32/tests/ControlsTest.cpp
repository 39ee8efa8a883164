#include "ControlsTestRes.h"
#include "ControlsTestUi.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using lwtest::PumpUntil;

enum : WORD { kReport = 100, kIcons = 101, kTabs = 102, kCombo = 103, kProgress = 104, kPicture = 105, kTree = 106 };
const COLORREF kMask = RGB(255, 0, 255);
const COLORREF kStripColours[] = {RGB(255, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255), RGB(255, 255, 0)};

// A modeless dialog holding one control of every kind, bound by data exchange.
class CHostDialog : public CDialog {
 public:
  CListCtrl m_report, m_icons;
  CTabCtrl m_tabs;
  CComboBox m_combo;
  CProgressCtrl m_progress;
  CBitmapButton m_picture;
  std::vector<int> selChanges;  // the tab with the focus mark at TCN_SELCHANGE
  std::vector<UINT_PTR> tipRequests;
  int closeUps = 0;

  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, kReport, m_report);
    DDX_Control(dx, kIcons, m_icons);
    DDX_Control(dx, kTabs, m_tabs);
    DDX_Control(dx, kCombo, m_combo);
    DDX_Control(dx, kProgress, m_progress);
    DDX_Control(dx, kPicture, m_picture);
  }
  void OnCancel() override { DestroyWindow(); }
  void OnSelChange(NMHDR*, LRESULT* result) {
    selChanges.push_back(m_tabs.GetCurFocus());
    *result = 0;
  }
  void OnCloseUp() { ++closeUps; }
  BOOL OnTabTip(UINT, NMHDR* header, LRESULT* result) {
    if (header->hwndFrom != m_tabs.GetToolTips()) return FALSE;
    tipRequests.push_back(header->idFrom);
    CString text;
    text.Format(_T("Reiter %d"), static_cast<int>(header->idFrom));
    lw::SetToolTipText(header, text);
    *result = 0;
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostDialog, CDialog)
  ON_NOTIFY(TCN_SELCHANGE, kTabs, OnSelChange)
  ON_CBN_CLOSEUP(kCombo, OnCloseUp)
  ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOW, 0, 0xFFFFFFFFu, OnTabTip)
  ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOA, 0, 0xFFFFFFFFu, OnTabTip)
END_MESSAGE_MAP()

// A memory device with a bitmap like the screen's, for reading drawn pixels.
class CCanvas : public CDC {
 public:
  CCanvas(CWnd* like, int cx, int cy) {
    CClientDC screen(like);
    CreateCompatibleDC(&screen);
    m_bitmap.CreateCompatibleBitmap(&screen, cx, cy);
    m_old = SelectObject(&m_bitmap);
  }
  ~CCanvas() override { SelectObject(m_old); }

 private:
  CBitmap m_bitmap;
  CBitmap* m_old = nullptr;
};

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lwtest::InitControls();
    using T = lw::DialogTemplate;
    T t(_T("Steuerelemente"), WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 320, 220);
    t.AddControl(WC_LISTVIEW, _T(""), kReport, WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT, 5, 5, 200, 60);
    t.AddControl(WC_LISTVIEW, _T(""), kIcons, WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                 5, 70, 200, 60);
    t.AddControl(WC_TABCONTROL, _T(""), kTabs, WS_VISIBLE | WS_TABSTOP | TCS_TOOLTIPS, 5, 135, 200, 40);
    t.AddControl(T::kComboBox, _T(""), kCombo, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 215, 5, 90, 80);
    t.AddControl(PROGRESS_CLASS, _T(""), kProgress, WS_VISIBLE, 215, 30, 90, 10);
    t.AddControl(T::kButton, _T(""), kPicture, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 215, 50, 40, 20);
    ASSERT_TRUE(host.CreateIndirect(t.Get()));
    host.UpdateData(FALSE);
  }
  void TearDown() override {
    if (host.m_hWnd) host.DestroyWindow();
  }
  CHostDialog host;
  lwtest::Watchdog watchdog{60};
};

// The strip's cells become images 16 x 16: each cell's colour inside, the
// magenta frame transparent over whatever lies below.
TEST_F(ControlsTest, ImageListFromBitmapWithMaskColour) {
  CImageList images;
  ASSERT_TRUE(images.Create(IDB_CT_STRIP, 16, 4, kMask));
  EXPECT_FALSE(images.Create(IDB_CT_STRIP, 16, 4, kMask)) << "holds one list";
  EXPECT_EQ(images.GetImageCount(), 4);
  int cx = 0, cy = 0;
  EXPECT_TRUE(images.GetImageSize(cx, cy));
  EXPECT_EQ(cx, 16);
  EXPECT_EQ(cy, 16);
  CCanvas dc(&host, 16, 16);
  const COLORREF below = RGB(10, 20, 30);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    dc.FillSolidRect(0, 0, 16, 16, below);
    EXPECT_TRUE(images.Draw(&dc, i, CPoint(0, 0), ILD_NORMAL));
    EXPECT_EQ(dc.GetPixel(8, 8), kStripColours[i]);
    EXPECT_EQ(dc.GetPixel(0, 0), below);
    EXPECT_EQ(dc.GetPixel(15, 2), below);
  }
  HIMAGELIST handle = images.Detach();
  EXPECT_EQ(images.GetSafeHandle(), nullptr);
  EXPECT_TRUE(images.Attach(handle));
  EXPECT_TRUE(images.DeleteImageList());
  EXPECT_EQ(images.GetImageCount(), 0);
  EXPECT_FALSE(images.Create(999, 16, 4, kMask)) << "no such bitmap";
}

int CALLBACK ByDataDescending(LPARAM a, LPARAM b, LPARAM) { return a < b ? 1 : a > b ? -1 : 0; }
int CALLBACK ByDataAscending(LPARAM a, LPARAM b, LPARAM sortData) {
  EXPECT_EQ(sortData, 77);
  return a < b ? -1 : a > b ? 1 : 0;
}

// Report view: columns as wide as their captions plus 15, cells by sub-item,
// item data of full pointer width, selection, sort by item data.
TEST_F(ControlsTest, ReportViewColumnsCellsDataSelectionAndSort) {
  CListCtrl& list = host.m_report;
  ASSERT_EQ(list.m_hWnd, ::GetDlgItem(host.m_hWnd, kReport));
  const LPCTSTR captions[] = {_T("Dateiname         "), _T("Austausch-Pfad    "), _T("Datei-Info"), _T("Dateil\xe4nge")};
  for (int c = 0; c < 4; ++c) {
    SCOPED_TRACE(c);
    EXPECT_EQ(list.InsertColumnAutoWidth(c, captions[c]), c);
    EXPECT_EQ(list.GetColumnWidth(c), list.GetStringWidth(captions[c]) + 15);
  }
  EXPECT_GT(list.GetStringWidth(_T("Dateiname         ")), list.GetStringWidth(_T("Dateiname")))
      << "trailing blanks widen a column";
  const struct Row {
    LPCTSTR name, path, info, size;
    DWORD_PTR data;
  } rows[] = {{_T("b.txt"), _T("C:\\b\\"), _T("zwei"), _T("2 Byte"), static_cast<DWORD_PTR>(2) << 40},
              {_T("a.exe"), _T("C:\\a\\"), _T("eins"), _T("1 Byte"), static_cast<DWORD_PTR>(1) << 40},
              {_T("c.zip"), _T("???\\"), _T("drei"), _T("3 Byte"), static_cast<DWORD_PTR>(3) << 40}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(list.InsertItem(i, rows[i].name, i), i);
    EXPECT_TRUE(list.SetSubItemText(i, 1, rows[i].path));
    EXPECT_TRUE(list.SetSubItemText(i, 2, rows[i].info));
    EXPECT_TRUE(list.SetItemText(i, 3, rows[i].size));
    EXPECT_TRUE(list.SetItemData(i, rows[i].data));
  }
  ASSERT_EQ(list.GetItemCount(), 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(list.GetItemText(i, 0), CString(rows[i].name));
    EXPECT_EQ(list.GetItemText(i, 1), CString(rows[i].path));
    EXPECT_EQ(list.GetItemText(i, 2), CString(rows[i].info));
    EXPECT_EQ(list.GetItemText(i, 3), CString(rows[i].size));
    EXPECT_EQ(list.GetItemData(i), rows[i].data);
  }
  // A text longer than any first guess of a buffer comes back whole.
  CString longText(_T('x'), 3000);
  list.SetItemText(0, 2, longText);
  EXPECT_EQ(list.GetItemText(0, 2), longText);

  EXPECT_EQ(list.GetSelectedCount(), 0u);
  EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
  list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(list.GetSelectedCount(), 2u);
  std::vector<int> selected;
  for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;) selected.push_back(list.GetNextSelectedItem(pos));
  EXPECT_EQ(selected, (std::vector<int>{0, 2}));

  ASSERT_TRUE(list.SortItems(&ByDataAscending, 77));
  EXPECT_EQ(list.GetItemText(0, 0), CString(_T("a.exe")));
  EXPECT_EQ(list.GetItemText(1, 0), CString(_T("b.txt")));
  EXPECT_EQ(list.GetItemText(2, 1), CString(_T("???\\"))) << "sub-items move with their item";
  EXPECT_EQ(list.GetItemImage(2), 2);
  selected.clear();
  for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;) selected.push_back(list.GetNextSelectedItem(pos));
  EXPECT_EQ(selected, (std::vector<int>{1, 2})) << "the selection moves with its items";

  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_EQ(list.GetItemCount(), 2);
  EXPECT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(list.GetItemCount(), 0);
}

// Icon view with a normal image list: items keep their image and data, and
// a sort by data orders them; every item has its own place.
TEST_F(ControlsTest, IconViewWithImageListAndSort) {
  CImageList images;
  ASSERT_TRUE(images.Create(IDB_CT_STRIP, 16, 4, kMask));
  CListCtrl& list = host.m_icons;
  list.SetImageList(&images, LVSIL_NORMAL);
  EXPECT_EQ(list.GetImageList(LVSIL_NORMAL), images.m_hImageList);
  const LPCTSTR names[] = {_T("Bolivia"), _T("Afghanistan"), _T("Bhut\xe1n"), _T("Benin")};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(list.InsertItem(i, names[i], i), i);
    list.SetItemData(i, static_cast<DWORD_PTR>(i));
  }
  ASSERT_TRUE(list.SortItems(&ByDataDescending, 0));
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(list.GetItemData(i), static_cast<DWORD_PTR>(3 - i));
    EXPECT_EQ(list.GetItemText(i, 0), CString(names[3 - i]));
    EXPECT_EQ(list.GetItemImage(i), 3 - i);
  }
  std::vector<CRect> places(4);
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(list.GetItemRect(i, &places[i], LVIR_ICON));
  for (int i = 1; i < 4; ++i) EXPECT_NE(places[i].TopLeft(), places[0].TopLeft());
  CPoint inside = places[1].CenterPoint();
  EXPECT_EQ(list.HitTest(inside), 1);
  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(list.GetSelectedCount(), 1u) << "single selection";
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
  list.SetImageList(nullptr, LVSIL_NORMAL);  // the list is the test's, not the control's
}

// A tree of three levels: items in order with their images and data; delete all.
TEST_F(ControlsTest, TreeItemsImagesAndData) {
  CImageList images;
  ASSERT_TRUE(images.Create(IDB_CT_STRIP, 16, 4, kMask));
  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create(WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                          CRect(420, 10, 620, 200), &host, kTree));
  EXPECT_EQ(tree.GetDlgCtrlID(), kTree);
  tree.SetImageList(&images, TVSIL_NORMAL);
  EXPECT_EQ(tree.GetImageList(), images.m_hImageList);
  HTREEITEM dialogs = tree.InsertItem(_T("Dialoge"), 0, 0);
  HTREEITEM about = tree.InsertItem(_T("\xdc" "ber"), 1, 1, dialogs);
  HTREEITEM ok = tree.InsertItem(_T("OK"), 2, 2, about);
  HTREEITEM menus = tree.InsertItem(_T("Menus"), 3, 3);
  tree.SetItemData(ok, static_cast<DWORD_PTR>(0xABCDEF) << 24);
  EXPECT_EQ(tree.GetCount(), 4u);
  EXPECT_EQ(tree.GetRootItem(), dialogs);
  EXPECT_EQ(tree.GetNextSiblingItem(dialogs), menus);
  EXPECT_EQ(tree.GetNextSiblingItem(menus), nullptr);
  EXPECT_EQ(tree.GetChildItem(dialogs), about);
  EXPECT_EQ(tree.GetChildItem(about), ok);
  EXPECT_EQ(tree.GetParentItem(ok), about);
  EXPECT_TRUE(tree.ItemHasChildren(about));
  EXPECT_FALSE(tree.ItemHasChildren(menus));
  EXPECT_EQ(tree.GetItemText(about), CString(_T("\xdc" "ber")));
  int image = -1, selectedImage = -1;
  EXPECT_TRUE(tree.GetItemImage(menus, image, selectedImage));
  EXPECT_EQ(image, 3);
  EXPECT_EQ(selectedImage, 3);
  EXPECT_EQ(tree.GetItemData(ok), static_cast<DWORD_PTR>(0xABCDEF) << 24);
  EXPECT_TRUE(tree.Expand(dialogs, TVE_EXPAND));
  EXPECT_TRUE(tree.SelectItem(about));
  EXPECT_EQ(tree.GetSelectedItem(), about);
  CRect place;
  EXPECT_TRUE(tree.GetItemRect(about, &place, TRUE));
  EXPECT_FALSE(place.IsRectEmpty());
  EXPECT_TRUE(tree.SetItemText(menus, _T("Men\xfcs")));
  EXPECT_EQ(tree.GetItemText(menus), CString(_T("Men\xfcs")));
  EXPECT_TRUE(tree.DeleteAllItems());
  EXPECT_EQ(tree.GetCount(), 0u);
  EXPECT_EQ(tree.GetRootItem(), nullptr);
  tree.SetImageList(nullptr);
  tree.DestroyWindow();
  EXPECT_EQ(tree.m_hWnd, nullptr);
}

// A drop-down list opened and closed by the program tells its parent CBN_CLOSEUP.
TEST_F(ControlsTest, ComboDropDownOpensAndCloses) {
  for (LPCTSTR text : {_T("LANG_FRENCH"), _T("LANG_GERMAN"), _T("LANG_NEUTRAL")}) host.m_combo.AddString(text);
  host.m_combo.SetCurSel(0);
  EXPECT_FALSE(host.m_combo.GetDroppedState());
  host.m_combo.ShowDropDown(TRUE);
  EXPECT_TRUE(host.m_combo.GetDroppedState());
  EXPECT_EQ(host.closeUps, 0);
  host.m_combo.ShowDropDown(FALSE);
  EXPECT_FALSE(host.m_combo.GetDroppedState());
  EXPECT_TRUE(PumpUntil([&] { return host.closeUps == 1; }));
  CString text;
  host.m_combo.GetLBText(host.m_combo.GetCurSel(), text);
  EXPECT_EQ(text, CString(_T("LANG_FRENCH")));
}

TEST_F(ControlsTest, ProgressRangeAndPosition) {
  host.m_progress.SetRange(0, 100);
  for (int pos : {0, 20, 100}) {
    host.m_progress.SetPos(pos);
    EXPECT_EQ(host.m_progress.GetPos(), pos);
  }
}

// Tabs: labels, a click selects a tab and the parent hears TCN_SELCHANGE;
// the display area lies inside the control.
TEST_F(ControlsTest, TabsSelectByClickAndReportTheChange) {
  const LPCTSTR labels[] = {_T("Allgemein"), _T("Texte"), _T("Standard-Dialoge"), _T("Add-Ons"), _T("Probleme")};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(host.m_tabs.InsertItem(i, labels[i]), i);
  EXPECT_EQ(host.m_tabs.GetItemCount(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(host.m_tabs.GetItemText(i), CString(labels[i]));
  EXPECT_EQ(host.m_tabs.GetCurSel(), 0);
  CRect tab;
  ASSERT_TRUE(host.m_tabs.GetItemRect(1, &tab));
  CPoint at = tab.CenterPoint();
  host.m_tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  host.m_tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  EXPECT_EQ(host.m_tabs.GetCurSel(), 1);
  EXPECT_EQ(host.selChanges, (std::vector<int>{1}));
  EXPECT_EQ(host.m_tabs.SetCurSel(3), 1);
  EXPECT_EQ(host.selChanges.size(), 1u) << "no notification for the program's own choice";
  CRect client, display;
  host.m_tabs.GetClientRect(&client);
  display = client;
  host.m_tabs.AdjustRect(FALSE, &display);
  EXPECT_GT(display.top, client.top);
  EXPECT_LT(display.Width(), client.Width());
  EXPECT_TRUE(host.m_tabs.SetItemText(4, _T("Fehler")));
  EXPECT_EQ(host.m_tabs.GetItemText(4), CString(_T("Fehler")));
  EXPECT_NE(host.m_tabs.GetToolTips(), nullptr);
}

// The picture button draws the bitmap of each state; a missing state
// bitmap falls back to the normal one.
TEST_F(ControlsTest, BitmapButtonDrawsEachState) {
  CBitmapButton& button = host.m_picture;
  ASSERT_TRUE(button.LoadBitmaps(IDB_CT_NORMAL, IDB_CT_SELECTED, IDB_CT_FOCUS, IDB_CT_DISABLED));
  button.SizeToContent();
  CRect r;
  button.GetClientRect(&r);
  EXPECT_EQ(r.Size(), CSize(24, 16));
  CCanvas dc(&host, 24, 16);
  const COLORREF normal = RGB(255, 0, 0), selected = RGB(0, 128, 0), focus = RGB(0, 0, 255), grey = RGB(128, 128, 128);
  struct Case {
    UINT state;
    COLORREF colour;
  } cases[] = {{0, normal}, {ODS_SELECTED, selected}, {ODS_SELECTED | ODS_FOCUS, selected},
               {ODS_FOCUS, focus}, {ODS_DISABLED, grey}};
  auto drawn = [&](UINT state) {
    dc.FillSolidRect(0, 0, 24, 16, RGB(1, 2, 3));
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = kPicture;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = button.m_hWnd;
    item.hDC = dc.m_hDC;
    item.rcItem = CRect(0, 0, 24, 16);
    host.SendMessage(WM_DRAWITEM, kPicture, reinterpret_cast<LPARAM>(&item));
    return dc.GetPixel(12, 8);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    EXPECT_EQ(drawn(c.state), c.colour);
  }
  ASSERT_TRUE(button.LoadBitmaps(IDB_CT_NORMAL));
  EXPECT_EQ(drawn(ODS_SELECTED), normal) << "no pressed bitmap: the normal one";
  EXPECT_EQ(button.m_bitmapDisabled.m_hObject, nullptr) << "the earlier one freed";
}

// A tooltip of a window that is not in a dialog's loop: TTF_SUBCLASS shows
// it when the mouse rests on the button and asks the button for the text.
class CTipButton : public CBitmapButton {
 public:
  int requests = 0;
  BOOL OnTip(UINT, NMHDR* header, LRESULT* result) {
    ++requests;
    lw::SetToolTipText(header, CString(_T("Beginnt neues Projekt")));
    *result = 0;
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTipButton, CBitmapButton)
  ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOW, 0, 0xFFFFFFFFu, OnTip)
  ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOA, 0, 0xFFFFFFFFu, OnTip)
END_MESSAGE_MAP()

CString WindowText(HWND hwnd) {
  CString text;
  CWnd::FromHandle(hwnd)->GetWindowText(text);
  return text;
}

// The mouse comes to rest on a point of window (client coordinates): the
// cursor is put there and the window hears of the move.
void RestMouseOn(HWND window, CPoint at) {
  CPoint screen = at;
  ::ClientToScreen(window, &screen);
  ::SetCursorPos(screen.x, screen.y);
  ::PostMessage(window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
}

TEST_F(ControlsTest, ToolTipsWithoutTheLoopsHelp) {
  lwtest::DesktopInputLock cursor;
  CTipButton button;
  ASSERT_TRUE(button.Create(_T(""), WS_VISIBLE | BS_OWNERDRAW, CRect(10, 300, 60, 330), &host, 200));
  ASSERT_TRUE(button.LoadBitmaps(IDB_CT_NORMAL));
  ASSERT_TRUE(button.EnableToolTips());
  ASSERT_NE(button.GetToolTips(), nullptr);
  EXPECT_EQ(button.GetToolTips()->GetToolCount(), 1);
  button.GetToolTips()->SetDelayTime(TTDT_INITIAL, 10);
  ::SetForegroundWindow(host.m_hWnd);
  HWND tip = button.GetToolTips()->m_hWnd;
  CRect client;
  button.GetClientRect(&client);
  RestMouseOn(button.m_hWnd, client.CenterPoint());
  // Messages are dispatched without any PreTranslateMessage or relay.
  auto shown = [&] { return ::IsWindowVisible(tip) && button.requests > 0; };
  auto dispatchOnly = [] {
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessage(&msg);
  };
  EXPECT_TRUE(lwtest::WaitUntil(_T("the button's tooltip"), shown, 5000, dispatchOnly));
  EXPECT_EQ(WindowText(tip), CString(_T("Beginnt neues Projekt")));

  // The tab control's own tooltip asks the parent, idFrom = the tab's index.
  for (int i = 0; i < 3; ++i) host.m_tabs.InsertItem(i, i == 2 ? _T("Standard-Dialoge") : _T("Tab"));
  CRect tab;
  host.m_tabs.GetItemRect(2, &tab);
  ::SendMessage(host.m_tabs.GetToolTips(), TTM_SETDELAYTIME, TTDT_INITIAL, 10);
  EXPECT_EQ(::SendMessage(host.m_tabs.GetToolTips(), TTM_GETTOOLCOUNT, 0, 0), 3) << "one tool per tab";
  RestMouseOn(host.m_tabs.m_hWnd, tab.CenterPoint());
  EXPECT_TRUE(PumpUntil([&] {
    for (UINT_PTR id : host.tipRequests)
      if (id == 2) return true;
    return false;
  }));
  HWND tabTip = host.m_tabs.GetToolTips();
  EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(tabTip) && WindowText(tabTip) == CString(_T("Reiter 2")); }));
  host.m_tabs.DeleteItem(0);
  EXPECT_EQ(::SendMessage(tabTip, TTM_GETTOOLCOUNT, 0, 0), 2) << "the tools follow the tabs";
  EXPECT_TRUE(button.EnableToolTips(FALSE));
  EXPECT_EQ(button.GetToolTips(), nullptr);
}

}  // namespace
