// Numbers written in hexadecimal or with a suffix wherever a number is read,
// and strings continued over a backslash at the end of a line: a small
// script of our own in the forms real scripts use.
#include "ResTestUtil.h"

#include <gtest/gtest.h>

using rctest::Dump;
using rctest::ParseScript;

namespace {

const char kScript[] =
    "#define IDC_HEADER 0x140\n"
    "0x64 DIALOGEX 0x10, 8, 0xC8L, 100U\n"
    "CAPTION \"Seite\"\n"
    "FONT 8, \"MS Shell Dlg\"\n"
    "BEGIN\n"
    "  LTEXT \"&Kopfzeile:\", 0x140, 10, 07, 68, 15\n"
    "  EDITTEXT 0x141, 0x50, 0XA, 100L, 12, ES_AUTOHSCROLL\n"
    "  CONTROL \"Weiter\", 0x142U, \"Button\", 0x50010000, 10, 30, 0x28, 14\n"
    "  PUSHBUTTON \"OK\", IDOK, 10, 50, 40, 14\n"
    "END\n"
    "\n"
    "0x80 MENU\n"
    "BEGIN\n"
    "  POPUP \"&Ansicht\", 0x40\n"
    "  BEGIN\n"
    "    MENUITEM \"&Neu\", 0xE100\n"
    "    MENUITEM \"Teilen\", 0xE141L\n"
    "  END\n"
    "  MENUITEM \"&Hilfe\", 0x20 + 0x1\n"
    "END\n"
    "\n"
    "STRINGTABLE\n"
    "BEGIN\n"
    "  0x10 \"Aufruf:\\n\\\n"
    "  REG [Optionen]\"\n"
    "  0x11L \"eins \\\\\"\n"
    "  18 \"ganz\\\n"
    "\"\n"
    "END\n";

TEST(HexAndSplice, EveryControlPopupAndTextIsRead) {
  auto p = ParseScript(kScript);
  EXPECT_EQ("", p->Ids());
  EXPECT_EQ(CStringA("9:Menus{3:0x80{4:&Ansicht{5:&Neu,5:Teilen},5:&Hilfe}}"), Dump(p->root->GetChild(0)));
  EXPECT_EQ(CStringA("8:Dialoge{1:Seite{21:&Kopfzeile:,29:,23:Weiter,23:OK}}"), Dump(p->root->GetChild(1)));
  // The continued line goes on right after the backslash; an escaped
  // backslash before a line end is a backslash, and the string ends there.
  EXPECT_EQ(CStringA("10:Stringtables{6:String Table Section 1{11:Aufruf:\n  REG [Optionen],11:eins \\,11:ganz}}"),
            Dump(p->root->GetChild(2)));
}

TEST(HexAndSplice, PositionsAndSizesTakeTheirValues) {
  auto p = ParseScript(kScript);
  const CTraNode* dialog = rctest::FirstDialog(*p);
  ASSERT_NE(nullptr, dialog);
  ASSERT_EQ(4, dialog->GetChildCount());
  struct Want {
    LONG left, top, right, bottom;
  } const want[] = {{0x10, 8, 0x10 + 0xC8, 108}, {10, 7, 78, 22}, {0x50, 10, 0x50 + 100, 22}, {10, 30, 50, 44}};
  const CTraNode* nodes[] = {dialog, dialog->GetChild(0), dialog->GetChild(1), dialog->GetChild(2)};
  for (size_t i = 0; i < 4; ++i) {
    ASSERT_NE(nullptr, nodes[i]->GetLayout()) << i;
    const RECT& r = nodes[i]->GetLayout()->m_rcOriginal;
    EXPECT_EQ(want[i].left, r.left) << i;
    EXPECT_EQ(want[i].top, r.top) << i;
    EXPECT_EQ(want[i].right, r.right) << i;
    EXPECT_EQ(want[i].bottom, r.bottom) << i;
  }
}

// The statement routines on the number forms, one at a time.
TEST(HexAndSplice, NumberForms) {
  struct Case {
    const char* script;  // a string-table entry's id, or a control's position
    const char* tables;
    const char* ids;
  } const cases[] = {
      {"STRINGTABLE BEGIN 0xff \"a\" 10L \"b\" 0x1 + 0x2 \"c\" -0x3 \"d\" END",
       "10:Stringtables{6:String Table Section 1{11:a,11:b,11:c,11:d}}", ""},
      // Without these forms nothing changes: a word after a number is no suffix.
      {"STRINGTABLE BEGIN 1 x \"a\" END", "10:Stringtables{6:String Table Section 1{11:a}}", "127 "},
      // A backslash followed by a blank before the line end continues nothing.
      {"STRINGTABLE BEGIN 1 \"a\\ \nb\" END", "10:Stringtables{6:String Table Section 1{11:a\\  b}}", ""},
  };
  for (const Case& c : cases) {
    auto p = ParseScript(c.script);
    EXPECT_EQ(CStringA(c.tables), Dump(p->root->GetChild(2))) << c.script;
    EXPECT_EQ(CStringA(c.ids), p->Ids()) << c.script;
  }
}

TEST(HexAndSplice, HexadecimalPositionsKeepTheirLowBits) {
  auto p = ParseScript("1 DIALOG 0xFFFFFFFF, -0x2, 10, 10 BEGIN END");
  const CTraNode* dialog = rctest::FirstDialog(*p);
  ASSERT_NE(nullptr, dialog);
  ASSERT_NE(nullptr, dialog->GetLayout());
  EXPECT_EQ(-1, dialog->GetLayout()->m_rcOriginal.left);
  EXPECT_EQ(-2, dialog->GetLayout()->m_rcOriginal.top);
}

}  // namespace
