#include "HooksFakes.h"
#include "MenuTranslator.h"
#include "SystemMenuTranslator.h"

#include <gtest/gtest.h>

#include <memory>

using namespace hookstest;

namespace {

const UINT kOpen = 100, kExit = 101, kCopy = 200, kSwitch = 0x1234;

struct Tree {
  std::unique_ptr<CTraNode> menus{new CTraNode(nullptr, TRA_SECTION_MENUS, _T("Menu"), TRA_MENUGROUP)};
  CTraNode* main;
  CTraNode* file;
  Tree() {
    main = Add(menus.get(), _T("IDR_MAIN"), _T("IDR_MAIN"), TRA_MENU);
    file = Add(main, _T("&Datei"), _T("&File"), TRA_POPUP);
    Add(file, _T("\u00D6&ffnen...\tStrg+O"), _T("&Open...\tCtrl+O"), TRA_MENUITEM);
    Add(file, _T("&Beenden"), _T("E&xit"), TRA_MENUITEM);
    CTraNode* edit = Add(main, _T("&Bearbeiten"), _T("&Edit"), TRA_POPUP);
    Add(edit, _T("&Kopieren"), _T("&Copy"), TRA_MENUITEM);
    CTraNode* other = Add(menus.get(), _T("IDR_CONTEXT"), _T("IDR_CONTEXT"), TRA_MENU);
    CTraNode* ctx = Add(other, _T("Kontext"), _T("Context"), TRA_POPUP);
    Add(ctx, _T("&Kopieren"), _T("Co&py here"), TRA_MENUITEM);
    Add(ctx, _T("&Einf\u00FCgen"), _T("&Paste"), TRA_MENUITEM);
  }
};

struct Bar {
  FakeMenus m;
  LwvMenu bar, file, edit;
  explicit Bar(bool translated = false) {
    bar = m.NewMenu();
    file = m.AppendPopup(bar, translated ? _T("&File") : _T("&Datei"), 0x1 /* greyed */);
    m.Append(file, translated ? _T("&Open...\tCtrl+O") : _T("\u00D6&ffnen...\tStrg+O"), kOpen, 0x8 /* checked */);
    m.AppendSep(file);
    m.Append(file, translated ? _T("E&xit") : _T("&Beenden"), kExit);
    edit = m.AppendPopup(bar, translated ? _T("&Edit") : _T("&Bearbeiten"));
    m.Append(edit, translated ? _T("&Copy") : _T("&Kopieren"), kCopy);
  }
};

LwvSwitchCommand NoSwitch() {
  LwvSwitchCommand c;
  c.nID = kSwitch;
  return c;
}

}  // namespace

TEST(MenuMatch, MissingAndExtraCounts) {
  Tree t;
  Bar b;
  CMenuSnapshot snap(b.m, b.bar, _T("Hallo"));
  EXPECT_EQ(1 + 2 + 2 + 1, snap.CountItems());  // separator not counted
  int missing = 0, extra = 0;
  CMenuTranslator::MatchNode(&snap, t.main, false, missing, extra);
  EXPECT_EQ(-5, missing);  // every item found: one down each
  EXPECT_EQ(0, extra);
  CMenuTranslator::MatchNode(&snap, t.main, true, missing, extra);
  EXPECT_EQ(3 + 2, missing);  // nothing found by translated texts: whole popups missing
  EXPECT_EQ(5, extra);
  CMenuTranslator::MatchNode(&snap, t.menus->GetChild(1), false, missing, extra);
  EXPECT_EQ(3 + 2, missing);
  EXPECT_EQ(3, extra);
}

TEST(MenuTranslate, MenuBarGetsTranslatedTextsOnly) {
  Tree t;
  Bar b;
  CMenuTranslator tr(b.m, NoSwitch());
  tr.TranslateMenu(b.bar, t.menus.get());
  EXPECT_EQ(_T("&File"), b.m.At(b.bar, 0).text);
  EXPECT_EQ(0x1u, b.m.At(b.bar, 0).flags);
  EXPECT_EQ(b.file, b.m.At(b.bar, 0).sub);
  EXPECT_EQ(_T("&Open...\tCtrl+O"), b.m.At(b.file, 0).text);
  EXPECT_EQ(kOpen, b.m.At(b.file, 0).id);
  EXPECT_EQ(_T(""), b.m.At(b.file, 1).text);  // separator untouched
  EXPECT_EQ(_T("E&xit"), b.m.At(b.file, 2).text);
  EXPECT_EQ(_T("&Copy"), b.m.At(b.edit, 0).text);  // from its own menu, not the context menu
  EXPECT_EQ(3, b.m.GetItemCount(b.file));           // no switch command without the option
}

TEST(MenuTranslate, AlreadyTranslatedMenuIsRecognisedAndKept) {
  Tree t;
  Bar b(true);
  CMenuTranslator tr(b.m, NoSwitch());
  tr.TranslateMenu(b.bar, t.menus.get());
  EXPECT_EQ(0, b.m.sets);
  EXPECT_EQ(_T("&Copy"), b.m.At(b.edit, 0).text);
}

TEST(MenuTranslate, PopupFindsItsEntryAmongAllPopups) {
  Tree t;
  FakeMenus m;
  LwvMenu ctx = m.NewMenu();
  m.Append(ctx, _T("&Kopieren"), kCopy);
  m.Append(ctx, _T("&Einf\u00FCgen"), kCopy + 1);
  m.Append(ctx, _T("Unbekannt"), kCopy + 2);
  CMenuTranslator tr(m, NoSwitch());
  tr.Translate(ctx, t.menus.get(), true);
  EXPECT_EQ(_T("Co&py here"), m.At(ctx, 0).text);
  EXPECT_EQ(_T("&Paste"), m.At(ctx, 1).text);
  EXPECT_EQ(_T("Unbekannt"), m.At(ctx, 2).text);
  // An empty section translates nothing.
  CTraNode empty(nullptr, TRA_SECTION_MENUS, _T(""), TRA_MENUGROUP);
  m.sets = 0;
  tr.Translate(ctx, &empty, true);
  EXPECT_EQ(0, m.sets);
}

TEST(MenuTranslate, PopupAndItemWithTheSameTextMatchByText) {
  std::unique_ptr<CTraNode> menus(new CTraNode(nullptr, TRA_SECTION_MENUS, _T(""), TRA_MENUGROUP));
  CTraNode* menu = Add(menus.get(), _T("M"), _T("M"), TRA_MENU);
  CTraNode* pop = Add(menu, _T("Ansicht"), _T("View"), TRA_POPUP);
  Add(pop, _T("Ansicht"), _T("View item"), TRA_MENUITEM);
  FakeMenus m;
  LwvMenu bar = m.NewMenu();
  m.Append(bar, _T("Ansicht"), 300);  // an item where the entry has a popup
  CMenuTranslator tr(m, NoSwitch());
  tr.TranslateMenu(bar, menus.get());
  EXPECT_EQ(_T("View"), m.At(bar, 0).text);
}

TEST(MenuSwitchCommand, PlacedAtTheChosenPopupClampedBothWays) {
  Tree t;
  std::unique_ptr<CTraNode> dialogs(new CTraNode(nullptr, TRA_SECTION_DIALOGS, _T(""), TRA_DIALOGGROUP));
  CTraNode* sw = Add(dialogs.get(), _T("Sprache"), _T("Language"), TRA_SWITCHDIALOG);
  for (int i = 0; i < 11; ++i) Add(sw, _T("t"), i == 9 ? _T("&Sprache...") : _T("x"), TRA_STATIC);
  struct Case {
    int pos;
    int popup;  // which popup of the bar gets it
  } cases[] = {{0, 0}, {1, 1}, {7, 1}, {-3, 0}};
  for (const Case& c : cases) {
    Bar b;
    LwvSwitchCommand cmd = NoSwitch();
    cmd.bAuto = true;
    cmd.nMainMenuPos = c.pos;
    cmd.pSwitchDialog = sw;
    CMenuTranslator tr(b.m, cmd);
    tr.TranslateMenu(b.bar, t.menus.get());
    LwvMenu target = c.popup == 0 ? b.file : b.edit;
    LwvMenu other = c.popup == 0 ? b.edit : b.file;
    const int n = b.m.GetItemCount(target);
    ASSERT_GE(n, 2) << c.pos;
    EXPECT_EQ(0u, b.m.At(target, n - 2).id) << c.pos;  // separator
    EXPECT_EQ(kSwitch, b.m.At(target, n - 1).id) << c.pos;
    EXPECT_EQ(_T("&Sprache..."), b.m.At(target, n - 1).text) << c.pos;
    EXPECT_NE(kSwitch, b.m.At(other, b.m.GetItemCount(other) - 1).id) << c.pos;
    // Translating again only sets the text: no second item.
    tr.TranslateMenu(b.bar, t.menus.get());
    EXPECT_EQ(n, b.m.GetItemCount(target)) << c.pos;
  }
}

TEST(MenuSwitchCommand, NoEntryGivesAnEmptyTextAndAPlainItemGetsNone) {
  Tree t;
  LwvSwitchCommand cmd = NoSwitch();
  cmd.bAuto = true;
  {
    Bar b;
    // The switch item's own text never comes from the entries, even when equal.
    b.m.Append(b.file, _T("&Beenden"), kSwitch);
    CMenuTranslator tr(b.m, cmd);
    tr.TranslateMenu(b.bar, t.menus.get());
    EXPECT_EQ(4, b.m.GetItemCount(b.file));
    EXPECT_EQ(_T(""), b.m.At(b.file, 3).text);  // set to the (empty) switch text
    EXPECT_EQ(_T("E&xit"), b.m.At(b.file, 2).text);
  }
  {
    FakeMenus m;
    LwvMenu bar = m.NewMenu();
    m.Append(bar, _T("&Hilfe!"), 500);
    m.AppendPopup(bar, _T("&Datei"));
    cmd.nMainMenuPos = 0;
    CMenuTranslator tr(m, cmd);
    tr.TranslateMenu(bar, t.menus.get());
    EXPECT_EQ(2, m.GetItemCount(bar));
    EXPECT_EQ(0, m.GetItemCount(m.GetSubMenu(bar, 1)));
  }
}

namespace {

struct SystemMenu {
  FakeMenus m;
  LwvMenu menu;
  SystemMenu() {
    menu = m.NewMenu();
    m.Append(menu, _T("&Wiederherstellen"), LWV_SC_RESTORE, 0x1);
    m.Append(menu, _T("&Verschieben"), LWV_SC_MOVE);
    m.Append(menu, _T("&Gr\u00F6\u00DFe \u00E4ndern"), LWV_SC_SIZE);
    m.Append(menu, _T("Mi&nimieren"), LWV_SC_MINIMIZE);
    m.Append(menu, _T("Ma&ximieren"), LWV_SC_MAXIMIZE);
    m.AppendSep(menu);
    m.Append(menu, _T("&Schlie\u00DFen\tAlt+F4"), LWV_SC_CLOSE);
  }
};

std::unique_ptr<CTraNode> SystemTree(int items) {
  std::unique_ptr<CTraNode> menus(new CTraNode(nullptr, TRA_SECTION_MENUS, _T(""), TRA_MENUGROUP));
  CTraNode* sys = Add(menus.get(), TRA_SYSTEM_MENU, TRA_SYSTEM_MENU, TRA_MENU);
  CTraNode* pop = Add(sys, TRA_SYSTEM_POPUP, TRA_SYSTEM_POPUP, TRA_POPUP);
  const TCHAR* texts[] = {_T("&Restore"), _T("&Move"), _T("&Size"), _T("Mi&nimize"), _T("Ma&ximize"),
                          _T("&Close\tAlt+F4")};
  for (int i = 0; i < items; ++i) Add(pop, _T("o"), texts[i], TRA_MENUITEM);
  return menus;
}

}  // namespace

TEST(SystemMenu, RecognisedByMoreThanThreeSystemCommands) {
  FakeMenus m;
  LwvMenu menu = m.NewMenu();
  m.Append(menu, _T("a"), LWV_SC_MOVE);
  m.Append(menu, _T("b"), LWV_SC_SIZE);
  m.Append(menu, _T("c"), LWV_SC_CLOSE);
  m.Append(menu, _T("d"), LWV_SC_MINIMIZE);
  CSystemMenuTranslator sys(&m);
  EXPECT_FALSE(sys.IsSystemMenu(menu));  // the move command does not count
  m.Append(menu, _T("e"), LWV_SC_RESTORE);
  EXPECT_TRUE(sys.IsSystemMenu(menu));
  EXPECT_FALSE(sys.IsSystemMenu(nullptr));
}

TEST(SystemMenu, TabRule) {
  struct Case {
    const TCHAR* live;
    const TCHAR* translation;
    bool changes;
    const TCHAR* result;
  } cases[] = {
      {_T("&Schlie\u00DFen"), _T("&Close"), true, _T("&Close")},
      {_T("&Schlie\u00DFen\tAlt+F4"), _T("&Close\tCtrl+W"), true, _T("&Close\tAlt+F4")},
      {_T("&Schlie\u00DFen\tAlt+F4"), _T("&Close"), false, _T("")},
      {_T("&Schlie\u00DFen"), _T("&Close\tAlt+F4"), false, _T("")},
  };
  for (const Case& c : cases) {
    CString out;
    EXPECT_EQ(c.changes, CSystemMenuTranslator::BuildItemText(c.live, c.translation, out)) << c.live;
    if (c.changes) {
      EXPECT_EQ(CString(c.result), out);
    }
  }
}

TEST(SystemMenu, TranslateKeepsAcceleratorAndRestoresOnRefresh) {
  SystemMenu s;
  auto tree = SystemTree(6);
  CSystemMenuTranslator sys(&s.m);
  sys.Translate(s.menu, tree.get());
  EXPECT_EQ(_T("&Restore"), s.m.At(s.menu, 0).text);
  EXPECT_EQ(0x1u, s.m.At(s.menu, 0).flags);
  EXPECT_EQ(_T("&Move"), s.m.At(s.menu, 1).text);
  EXPECT_EQ(_T("&Close\tAlt+F4"), s.m.At(s.menu, 6).text);
  EXPECT_EQ(LWV_SC_CLOSE, static_cast<int>(s.m.At(s.menu, 6).id));
  sys.Translate(s.menu, tree.get());  // again: the saved originals stay
  EXPECT_EQ(_T("&Verschieben"), sys.GetSavedText(1));
  sys.RefreshItems();
  EXPECT_EQ(_T("&Wiederherstellen"), s.m.At(s.menu, 0).text);
  EXPECT_EQ(_T("&Schlie\u00DFen\tAlt+F4"), s.m.At(s.menu, 6).text);
  s.m.Destroy(s.menu);
  sys.RefreshItems();  // a menu that is gone is left alone
}

TEST(SystemMenu, ShortEntryStopsTheWalkAndMissingEntryDoesNothing) {
  SystemMenu s;
  auto tree = SystemTree(3);  // restore, move, size
  CSystemMenuTranslator sys(&s.m);
  sys.Translate(s.menu, tree.get());
  EXPECT_EQ(_T("&Size"), s.m.At(s.menu, 2).text);
  EXPECT_EQ(_T("Mi&nimieren"), s.m.At(s.menu, 3).text);
  EXPECT_EQ(_T("&Schlie\u00DFen\tAlt+F4"), s.m.At(s.menu, 6).text);

  SystemMenu other;
  CSystemMenuTranslator none(&other.m);
  Tree t;  // no "System Menu" entry
  none.Translate(other.menu, t.menus.get());
  EXPECT_EQ(0, other.m.sets);
  EXPECT_EQ(nullptr, none.GetLastMenu());
}

TEST(SystemMenu, PopupRoutingSendsSystemMenusToTheirTranslator) {
  SystemMenu s;
  auto tree = SystemTree(6);
  CSystemMenuTranslator sys(&s.m);
  CMenuTranslator tr(s.m, NoSwitch());
  tr.TranslatePopup(s.menu, tree.get(), &sys);
  EXPECT_EQ(s.menu, sys.GetLastMenu());
  EXPECT_EQ(_T("Ma&ximize"), s.m.At(s.menu, 4).text);
}
