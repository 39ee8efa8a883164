#include "ResMenu.h"
#include "ResTestUtil.h"

#include <gtest/gtest.h>

using rctest::Dump;
using rctest::ParseScript;
using rctest::T;

namespace {

struct Case {
  const char* script;
  const char* menus;  // dump of the menus group
  const char* ids;
};

void Check(const Case& c) {
  auto p = ParseScript(c.script);
  EXPECT_EQ(CStringA(c.menus), Dump(p->root->GetChild(0))) << c.script;
  EXPECT_EQ(CStringA(c.ids), p->Ids()) << c.script;
}

TEST(Menu, MenuStatements) {
  const Case cases[] = {
      {"IDR_MAIN MENU DISCARDABLE\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"&Open\", ID_OPEN\n"
       "  MENUITEM SEPARATOR\n  MENUITEM \"E&xit\", ID_EXIT\n END\n MENUITEM \"&Help\", ID_HELP, HELP\nEND",
       "9:Menus{3:IDR_MAIN{4:&File{5:&Open,5:E&xit},5:&Help}}", ""},
      // The node names the menu by its id, not by any of its texts.
      {"128 MENU { MENUITEM \"x\", 1 }", "9:Menus{3:128{5:x}}", ""},
      {"\"NAMED\" MENU { }", "9:Menus{3:NAMED}", ""},
      // Options separated by a blank: the item ends after the first one,
      // the second word costs one entry.
      {"1 MENU BEGIN POPUP \"p\" BEGIN MENUITEM \"a\", 1, GRAYED CHECKED END END",
       "9:Menus{3:1{4:p{5:a}}}", "115 "},
      {"1 MENU BEGIN MENUITEM \"a\", 1, GRAYED, CHECKED MENUITEM \"b\" END", "9:Menus{3:1{5:a,5:b}}", ""},
      // A popup followed by a comma and a word keeps the word as its id.
      {"1 MENU BEGIN POPUP \"p\", HELP BEGIN END END", "9:Menus{3:1{4:p}}", ""},
      {"1 MENU BEGIN POPUP BEGIN END END", "9:Menus{3:1}", "116 116 "},
      {"1 MENU BEGIN POPUP \"a\" BEGIN POPUP \"b\" BEGIN MENUITEM \"c\" END END END",
       "9:Menus{3:1{4:a{4:b{5:c}}}}", ""},
      {"1 MENU BEGIN POPUP \"a\" BEGIN POPUP x END END", "9:Menus{3:1{4:a}}", "115 115 "},
      {"1 MENU BEGIN FOO \"x\" MENUITEM \"y\" END", "9:Menus{3:1{5:y}}", "116 116 "},
      {"1 MENU LANGUAGE 7, 1 VERSION 0x2 CHARACTERISTICS 0 { MENUITEM \"z\" }", "9:Menus{3:1{5:z}}", ""},
      {"1 MENU LANGUAGE 7 { }", "9:Menus", "113 "},
  };
  for (const Case& c : cases) Check(c);
}

TEST(Menu, MenuExStatements) {
  const Case cases[] = {
      {"IDR_EX MENUEX\nBEGIN\n POPUP \"&Edit\", 100, MFT_STRING, MFS_ENABLED\n BEGIN\n"
       "  MENUITEM \"&Copy\", ID_COPY, MFT_STRING, MFS_CHECKED | MFS_DEFAULT\n"
       "  MENUITEM \"\", 0, MFT_SEPARATOR\n  MENUITEM SEPARATOR\n END\nEND",
       "9:Menus{3:IDR_EX{4:&Edit{5:&Copy,5:}}}", ""},
      // A help id after type and state is not read: the opening is not found.
      {"1 MENUEX BEGIN POPUP \"p\", 1, 0, 0, 55 BEGIN MENUITEM \"a\" END END", "9:Menus{3:1{5:a}}",
       "116 116 116 116 116 116 116 116 116 116 116 "},
      {"1 MENUEX BEGIN POPUP \"o\" BEGIN POPUP \"p\", 1, 0, 0, 55 BEGIN END END END", "9:Menus{3:1{4:o}}",
       "115 115 115 115 115 115 115 115 115 115 115 "},
      // "| 0" does not take the comma after it.
      {"1 MENUEX BEGIN MENUITEM \"a\", 1, MFT_STRING | 0, MFS_CHECKED END", "9:Menus{3:1{5:a}}", ""},
  };
  for (const Case& c : cases) Check(c);
  auto p = ParseScript(
      "1 MENUEX BEGIN MENUITEM \"&Copy\", ID_COPY, MFT_STRING | 0x4, MFS_CHECKED | MFS_DEFAULT END");
  CResMenu* m = static_cast<CResMenu*>(p->file->Menus().GetItem(0));
  EXPECT_TRUE(m->m_menuEx);
  ASSERT_EQ(1, m->GetEntryCount());
  CResMenuEntry* e = m->GetEntry(0);
  EXPECT_EQ(T("&Copy"), e->m_text);
  EXPECT_EQ(T("ID_COPY"), e->m_id);
  EXPECT_EQ(T("MFT_STRING 0x4 "), e->m_option1);
  EXPECT_EQ(T("MFS_CHECKED MFS_DEFAULT "), e->m_option2);
}

TEST(Menu, CapacitiesDropFurtherEntriesWithOneLine) {
  std::string top = "1 MENU BEGIN\n";
  for (int i = 0; i < CResMenu::kCapacity + 4; ++i) top += "MENUITEM \"t\", 1\n";
  top += "END\n";
  auto p = ParseScript(top);
  EXPECT_EQ(CStringA("172 "), p->Ids());
  EXPECT_EQ(CResMenu::kCapacity, rctest::FirstMenu(*p)->GetChildCount());

  std::string popup = "1 MENU BEGIN POPUP \"p\" BEGIN\n";
  for (int i = 0; i < CResPopup::kCapacity + 4; ++i) popup += "MENUITEM \"t\", 1\n";
  popup += "END MENUITEM \"after\", 2 END\n";
  auto q = ParseScript(popup);
  EXPECT_EQ(CStringA("172 "), q->Ids());
  const CTraNode* menu = rctest::FirstMenu(*q);
  ASSERT_EQ(2, menu->GetChildCount());
  EXPECT_EQ(CResPopup::kCapacity, menu->GetChild(0)->GetChildCount());
  EXPECT_EQ(T("after"), menu->GetChild(1)->GetOriginal());
}

TEST(Menu, DeepNestingFailsTheMenuWithOneLine) {
  for (int depth : {CResPopup::kMaxDepth, CResPopup::kMaxDepth + 1, 100000}) {
    std::string s = "1 MENU BEGIN ";
    for (int i = 0; i < depth; ++i) s += "POPUP \"p\" BEGIN ";
    for (int i = 0; i < depth; ++i) s += "END ";
    s += "END 2 MENU BEGIN MENUITEM \"ok\" END";
    auto p = ParseScript(s);
    if (depth <= CResPopup::kMaxDepth) {
      EXPECT_EQ(CStringA(""), p->Ids()) << depth;
      EXPECT_EQ(2, p->root->GetChild(0)->GetChildCount());
    } else {
      EXPECT_EQ(CStringA("174 113 "), p->Ids()) << depth;
      // The menu after it is still read.
      ASSERT_EQ(1, p->root->GetChild(0)->GetChildCount()) << depth;
      EXPECT_EQ(CStringA("3:2{5:ok}"), Dump(rctest::FirstMenu(*p)));
    }
  }
}

// What the reader learns walking past the nesting limit (where a popup ends,
// whether the menu runs off the list) does not cost a later menu its entries.
TEST(Menu, AMenuInsideATooDeepOneIsStillRead) {
  const std::string deep = [] {
    std::string s = "1 MENU BEGIN ";
    for (int i = 0; i <= CResPopup::kMaxDepth + 5; ++i) s += "POPUP \"p\" BEGIN ";
    return s;
  }();
  const std::string inner = "2 MENU BEGIN MENUITEM \"ok\" END ";
  for (bool closed : {true, false}) {
    std::string s = deep + inner;
    if (closed)
      for (int i = 0; i <= CResPopup::kMaxDepth + 6; ++i) s += "END ";
    auto p = ParseScript(s);
    EXPECT_EQ(CStringA("174 113 "), p->Ids().Left(8)) << closed;
    ASSERT_EQ(1, p->root->GetChild(0)->GetChildCount()) << closed;
    EXPECT_EQ(CStringA("3:2{5:ok}"), Dump(rctest::FirstMenu(*p))) << closed;
  }
}

}  // namespace
