#include "ResDialog.h"
#include "ResTestUtil.h"

#include <gtest/gtest.h>

using rctest::Dump;
using rctest::FirstDialog;
using rctest::Group;
using rctest::ParseScript;
using rctest::T;

namespace {

const CTraLayout& Layout(const CTraNode* node) { return *node->GetLayout(); }

TEST(Dialog, HeaderOptionsInAnyOrderGiveTheSameDialog) {
  const char* scripts[] = {
      "1 DIALOG DISCARDABLE 10, 20, 200, 100\nCAPTION \"About\"\nSTYLE DS_MODALFRAME | WS_POPUP\n"
      "FONT 8, \"MS Sans Serif\"\nBEGIN\nEND",
      "1 DIALOG 10, 20, 200, 100 FONT 8, \"MS Sans Serif\" CAPTION \"About\" STYLE DS_MODALFRAME | WS_POPUP BEGIN END",
      "1 DIALOG 10, 20, 200, 100 STYLE DS_MODALFRAME | WS_POPUP FONT 8, \"MS Sans Serif\" CAPTION \"About\" { }",
  };
  for (const char* script : scripts) {
    auto p = ParseScript(script);
    EXPECT_EQ(CStringA(""), p->Ids()) << script;
    const CTraNode* d = FirstDialog(*p);
    ASSERT_NE(nullptr, d) << script;
    EXPECT_EQ(TRA_DIALOG, d->GetKind());
    EXPECT_EQ(T("About"), d->GetOriginal());
    EXPECT_EQ(T("About"), d->GetTranslation());
    const CTraLayout& l = Layout(d);
    RECT expected = {10, 20, 210, 120};
    EXPECT_TRUE(EqualRects(expected, l.m_rcOriginal));
    EXPECT_TRUE(EqualRects(expected, l.m_rcTranslated));
    EXPECT_EQ(static_cast<LONG>(0x80000080), l.m_nStyle);
    EXPECT_EQ(0, l.m_nExStyle);
    EXPECT_EQ(T("MS Sans Serif"), l.m_strFontFace);
    EXPECT_EQ(8, l.m_nFontSize);
  }
}

TEST(Dialog, FontCharsetMustBeHexadecimal) {
  auto hex = ParseScript("1 DIALOGEX 0,0,10,10 FONT 9, \"Segoe UI\", 400, 1, 0x1 BEGIN END");
  EXPECT_EQ(CStringA(""), hex->Ids());
  CResDialog* d = static_cast<CResDialog*>(hex->file->Dialogs().GetItem(0));
  EXPECT_TRUE(d->m_dialogEx);
  EXPECT_EQ(T("0x1"), d->m_fontCharset);
  EXPECT_EQ(400, d->m_fontWeight);
  EXPECT_EQ(1, d->m_fontItalic);
  auto dec = ParseScript("1 DIALOGEX 0,0,10,10 FONT 9, \"Segoe UI\", 0, 0, 1 BEGIN END");
  EXPECT_EQ(CStringA("113 "), dec->Ids());
  EXPECT_EQ(0, dec->root->GetChild(1)->GetChildCount());
}

TEST(Dialog, MenuSetsBit10OfTheExtendedStyle) {
  struct Case {
    const char* script;
    LONG exStyle;
  } cases[] = {
      {"1 DIALOG 0,0,1,1 MENU IDR_MAIN BEGIN END", 0x10},
      {"1 DIALOGEX 0,0,1,1 EXSTYLE WS_EX_ACCEPTFILES BEGIN END", 0},
      {"1 DIALOGEX 0,0,1,1 EXSTYLE WS_EX_ACCEPTFILES | WS_EX_TOOLWINDOW MENU 5 BEGIN END", 0x90},
      {"1 DIALOGEX 0,0,1,1 EXSTYLE WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES BEGIN END", 0x200},
  };
  for (const auto& c : cases) {
    auto p = ParseScript(c.script);
    EXPECT_EQ(c.exStyle, Layout(FirstDialog(*p)).m_nExStyle) << c.script;
  }
}

TEST(Dialog, HelpIdAndOtherOptionsAreParsedAndDropped) {
  auto p = ParseScript(
      "IDD_X DIALOGEX 0, 0, 100, 50, 77 CHARACTERISTICS 0x10 VERSION 2 LANGUAGE LANG_GERMAN, SUBLANG_GERMAN "
      "CLASS \"MyClass\" CAPTION \"C\" BEGIN END");
  // VERSION 2 is a decimal flag text: the option fails and the round goes
  // on behind its keyword, where the 2 ends the options.
  EXPECT_EQ(CStringA("113 "), p->Ids());
  EXPECT_EQ(0, p->file->Dialogs().GetCount());
  auto ok = ParseScript(
      "IDD_X DIALOGEX 0, 0, 100, 50, 77 CHARACTERISTICS 0x10 VERSION 0 LANGUAGE LANG_GERMAN, SUBLANG_GERMAN "
      "CLASS \"MyClass\" CAPTION \"C\" BEGIN END");
  EXPECT_EQ(CStringA(""), ok->Ids());
  CResDialog* d = static_cast<CResDialog*>(ok->file->Dialogs().GetItem(0));
  EXPECT_EQ(T("IDD_X"), d->m_id);
  EXPECT_EQ(T("77"), d->m_helpId);
  EXPECT_EQ(T("0x10 "), d->m_characteristics);
  EXPECT_EQ(T("LANG_GERMAN"), d->m_language);
  EXPECT_EQ(T("SUBLANG_GERMAN"), d->m_sublanguage);
  EXPECT_EQ(T("MyClass"), d->m_class);
  EXPECT_EQ(T("C"), d->m_caption);
}

// One control in a dialog: its node kind, texts, rectangle and styles.
struct ControlCase {
  const char* control;
  int kind;
  const char* text;
  DWORD style;
  DWORD exStyle;
};

TEST(Dialog, ControlKeywordsAndDefaults) {
  const ControlCase cases[] = {
      {"LTEXT \"Name:\", IDC_STATIC, 1, 2, 30, 8", 21, "Name:", 0x50020000, 0},
      {"LTEXT \"Name:\", IDC_STATIC, 1, 2, 30, 8, NOT WS_GROUP", 21, "Name:", 0x50000000, 0},
      {"RTEXT \"r\", 1, 1, 2, 30, 8", 21, "r", 0x50020002, 0},
      {"CTEXT \"c\", 1, 1, 2, 30, 8, SS_NOPREFIX", 21, "c", 0x50020081, 0},
      {"PUSHBUTTON \"OK\", IDOK, 1, 2, 30, 8, WS_TABSTOP", 23, "OK", 0x50010000, 0},
      {"DEFPUSHBUTTON \"OK\", IDOK, 1, 2, 30, 8", 23, "OK", 0x50010001, 0},
      {"PUSHBOX \"p\", 1, 1, 2, 30, 8", 23, "p", 0x50010000, 0},
      {"CHECKBOX \"c\", 1, 1, 2, 30, 8", 24, "c", 0x50010002, 0},
      {"AUTOCHECKBOX \"c\", 1, 1, 2, 30, 8", 24, "c", 0x50010003, 0},
      {"STATE3 \"c\", 1, 1, 2, 30, 8", 24, "c", 0x50010005, 0},
      {"AUTO3STATE \"c\", 1, 1, 2, 30, 8", 24, "c", 0x50010006, 0},
      {"RADIOBUTTON \"r\", 1, 1, 2, 30, 8", 25, "r", 0x50000004, 0},
      {"AUTORADIOBUTTON \"r\", 1, 1, 2, 30, 8", 25, "r", 0x50000009, 0},
      {"GROUPBOX \"g\", 1, 1, 2, 30, 8", 22, "g", 0x50000007, 0},
      {"LISTBOX 1, 1, 2, 30, 8, LBS_SORT | WS_VSCROLL", 26, "", 0x50200003, 0x200},
      {"COMBOBOX 1, 1, 2, 30, 8, CBS_DROPDOWNLIST", 27, "", 0x50000203, 0},
      {"EDITTEXT IDC_E, 1, 2, 30, 8, ES_AUTOHSCROLL, WS_EX_STATICEDGE", 29, "", 0x50010080, 0x20200},
      {"SCROLLBAR 1, 1, 2, 30, 8", 28, "", 0x50000000, 0},
      {"ICON IDI_APP, IDC_STATIC, 1, 2, 30, 8", 21, "", 0x50000003, 0},
      {"LTEXT IDS_TEXT, 1, 1, 2, 30, 8", 21, "", 0x50020000, 0},
      {"CONTROL \"x\", 1, \"Button\", BS_AUTOCHECKBOX | WS_TABSTOP, 1, 2, 30, 8", 23, "x", 0x50010003, 0},
      {"CONTROL \"\", 1, \"SysTreeView32\", 0, 1, 2, 30, 8, WS_EX_CLIENTEDGE", 41, "", 0x50000000, 0x200},
      {"CONTROL \"\", 1, \"msctls_PROGRESS32\", 0x1, 1, 2, 30, 8", 41, "", 0x50000001, 0},
      {"CONTROL \"s\", 1, \"static\", SS_ETCHEDHORZ, 1, 2, 30, 8", 21, "s", 0x50000010, 0},
      {"CONTROL \"\", 1, \"MyOwnClass\", 0, 1, 2, 30, 8", 2, "", 0x50000000, 0},
      {"CONTROL \"\", 1, MyOwnClass, 0, 1, 2, 30, 8", 2, "", 0x50000000, 0},
      {"LTEXT \"a\", 1, 1, 2, 30, 8, 010", 21, "a", 0x50020008, 0},
      {"LTEXT \"a\", 1, 1, 2, 30, 8, 0, 0, IDH_A", 21, "a", 0x50020000, 0},
  };
  for (const auto& c : cases) {
    std::string script = std::string("1 DIALOG 0,0,100,100 BEGIN ") + c.control + " END";
    auto p = ParseScript(script);
    EXPECT_EQ(CStringA(""), p->Ids()) << c.control;
    const CTraNode* d = FirstDialog(*p);
    ASSERT_NE(nullptr, d) << c.control;
    ASSERT_EQ(1, d->GetChildCount()) << c.control;
    const CTraNode* n = d->GetChild(0);
    EXPECT_EQ(c.kind, n->GetKind()) << c.control;
    EXPECT_EQ(T(c.text), n->GetOriginal()) << c.control;
    EXPECT_EQ(T(c.text), n->GetTranslation()) << c.control;
    EXPECT_EQ(static_cast<LONG>(c.style), Layout(n).m_nStyle) << c.control;
    EXPECT_EQ(static_cast<LONG>(c.exStyle), Layout(n).m_nExStyle) << c.control;
    RECT r = {1, 2, 31, 10};
    EXPECT_TRUE(EqualRects(r, Layout(n).m_rcOriginal)) << c.control;
    EXPECT_TRUE(EqualRects(r, Layout(n).m_rcTranslated)) << c.control;
  }
}

// Forms the resource compiler takes: one control or header, its text,
// rectangle and styles.
TEST(Dialog, ResourceCompilerForms) {
  struct Case {
    const char* script;
    const char* text;
    RECT rect;
    DWORD style;
    DWORD exStyle;
  } cases[] = {
      // Integer suffixes on coordinates and in styles.
      {"LTEXT \"a\", 1, 1L, 2l, 30U, 8UL, WS_CHILD | 0x10L, 0L", "a", {1, 2, 31, 10}, 0x50020010, 0},
      {"CONTROL \"\", 1, \"Static\", 0L | 0x1UL, -1L, 2, 30, 8, 16L", "", {-1, 2, 29, 10}, 0x50000001, 0x10},
      {"EDITTEXT 1, 1, 2, 30, 8, 0, 512lu", "", {1, 2, 31, 10}, 0x50010000, 0x200},
      // An icon with only its position takes the size of its picture.
      {"ICON IDI_APP, IDC_STATIC, 1, 2", "", {1, 2, 1, 2}, 0x50000003, 0},
      {"ICON \"IDI_APP\", IDC_STATIC, 5, 6\nLTEXT", "", {5, 6, 5, 6}, 0x50000003, 0},
      // Adjacent string parts, also over a backslash line split.
      {"LTEXT \"Name \" \"and \"\\\n \"more:\", 1, 1, 2, 30, 8", "Name and more:", {1, 2, 31, 10}, 0x50020000, 0},
      // A "//" after an escaped quote stands inside the string.
      {"LTEXT \"say \\\"hi // x\", 1, 1, 2, 30, 8", "say \"hi // x", {1, 2, 31, 10}, 0x50020000, 0},
  };
  for (const auto& c : cases) {
    std::string script = std::string("1 DIALOG 0,0,100,100 BEGIN\n") + c.script + "\nEND";
    auto p = ParseScript(script);
    const CTraNode* d = FirstDialog(*p);
    ASSERT_NE(nullptr, d) << c.script;
    const CTraNode* n = d->GetChild(0);
    ASSERT_NE(nullptr, n) << c.script;
    EXPECT_EQ(T(c.text), n->GetOriginal()) << c.script;
    EXPECT_EQ(static_cast<LONG>(c.style), Layout(n).m_nStyle) << c.script;
    EXPECT_EQ(static_cast<LONG>(c.exStyle), Layout(n).m_nExStyle) << c.script;
    const RECT& r = Layout(n).m_rcOriginal;
    EXPECT_EQ(c.rect.left, r.left) << c.script;
    EXPECT_EQ(c.rect.top, r.top) << c.script;
    EXPECT_EQ(c.rect.right, r.right) << c.script;
    EXPECT_EQ(c.rect.bottom, r.bottom) << c.script;
  }
}

TEST(Dialog, HeaderTakesSuffixesAndJoinedCaptions) {
  auto p = ParseScript(
      "1 DIALOGEX 0L, 0L, 200U, 100L\nSTYLE DS_MODALFRAME | 0x80000000L\n"
      "CAPTION \"Optionen \" \\\n  \"und mehr\"\nFONT 8L, \"MS Sans Serif\", 400L, 0L, 0x1\nBEGIN END");
  EXPECT_EQ(CStringA(""), p->Ids());
  const CTraNode* d = FirstDialog(*p);
  ASSERT_NE(nullptr, d);
  EXPECT_EQ(T("Optionen und mehr"), d->GetOriginal());
  EXPECT_EQ(static_cast<LONG>(0x80000080), Layout(d).m_nStyle);
  EXPECT_EQ(200, Layout(d).m_rcOriginal.right);
  EXPECT_EQ(8, Layout(d).m_nFontSize);
}

// An escaped quote before "//" used to cut the line and flip the quote
// pairing: every later dialog was lost with a problem line per token.
TEST(Dialog, EscapedQuoteBeforeCommentKeepsLaterDialogs) {
  auto p = ParseScript(
      "1 DIALOG 0,0,100,100\nBEGIN\n  LTEXT \"say \\\"hi // x\", 1, 1, 2, 30, 8\n"
      "  LTEXT \"a \\\" b\", 2, 1, 2, 30, 8\nEND\n"
      "2 DIALOG 0,0,100,100 CAPTION \"Zwei\" // Kommentar \"\nBEGIN\n  LTEXT \"c\", 3, 1, 2, 30, 8\nEND\n");
  EXPECT_EQ(CStringA(""), p->Ids());
  EXPECT_EQ(CStringA("8:Dialoge{1:{21:say \"hi // x,21:a \" b},1:Zwei{21:c}}"), Dump(Group(*p, 1)));
}

TEST(Dialog, BadControlsCostOneEntryPerToken) {
  struct Case {
    const char* body;
    const char* ids;
    int controls;
  } cases[] = {
      // A help id must be an identifier.
      {"LTEXT \"a\", 1, 1, 2, 3, 4, 0, 0, 55", nullptr, 0},
      // An unknown keyword and four more tokens before the next valid control.
      {"FOO 1 2 3 4 LTEXT \"a\", 1, 1, 2, 3, 4", "114 114 114 114 114 ", 1},
      {"LTEXT \"a\", 1, 1, 2, 3 LTEXT \"b\", 1, 1, 2, 3, 4", "114 114 114 114 114 114 114 114 114 114 ", 1},
      {"\"x\" LTEXT \"b\", 1, 1, 2, 3, 4", "114 ", 1},
  };
  for (const auto& c : cases) {
    auto p = ParseScript(std::string("1 DIALOG 0,0,1,1 BEGIN ") + c.body + " END");
    // Without a list: one entry for each of the control's 18 tokens.
    CStringA ids = c.ids;
    if (!c.ids)
      for (int i = 0; i < 18; ++i) ids += "114 ";
    EXPECT_EQ(ids, p->Ids()) << c.body;
    ASSERT_NE(nullptr, FirstDialog(*p)) << c.body;
    EXPECT_EQ(c.controls, FirstDialog(*p)->GetChildCount()) << c.body;
  }
}

TEST(Dialog, FullDialogDropsFurtherControlsWithOneLine) {
  std::string s = "1 DIALOG 0,0,1,1 BEGIN\n";
  for (int i = 0; i < CResDialog::kCapacity + 3; ++i) s += "LTEXT \"t\", 1, 0, 0, 1, 1\n";
  s += "END\n2 DIALOG 0,0,1,1 CAPTION \"next\" BEGIN END\n";
  auto p = ParseScript(s);
  EXPECT_EQ(CStringA("171 "), p->Ids());
  ASSERT_EQ(2, p->root->GetChild(1)->GetChildCount());
  EXPECT_EQ(CResDialog::kCapacity, FirstDialog(*p)->GetChildCount());
  EXPECT_EQ(T("next"), p->root->GetChild(1)->GetChild(1)->GetOriginal());
}

TEST(Dialog, HugeCoordinatesDoNotOverflow) {
  auto p = ParseScript("1 DIALOG 2147483647, 0, 2147483647, 99999999999 BEGIN END");
  const CTraLayout& l = Layout(FirstDialog(*p));
  EXPECT_EQ(0x7FFFFFFF, l.m_rcOriginal.right);
  EXPECT_EQ(0x7FFFFFFF, l.m_rcOriginal.bottom);
}

TEST(Dialog, FilledWithoutParsing) {
  rctest::CIdTexts texts;
  CResControl c;
  c.InitFromKeyword(texts, 1012, T("CHECKBOX"), 150, 10);
  EXPECT_EQ(TRA_CHECKBOX, c.m_kind);
  EXPECT_EQ(T("[1012]"), c.m_original);
  EXPECT_EQ(T("[1012]"), c.m_translation);
  struct K {
    const char* keyword;
    int kind;
  } kinds[] = {{"PUSHBUTTON", 23}, {"DEFPUSHBUTTON", 23}, {"LTEXT", 21}, {"CTEXT", 21},
               {"RTEXT", 21},      {"GROUPBOX", 22},      {"EDITTEXT", 2}};
  for (const K& k : kinds) {
    c.InitFromKeyword(texts, 1, T(k.keyword), 1, 1);
    EXPECT_EQ(k.kind, c.m_kind) << k.keyword;
  }
  CResDialog d;
  d.m_suppliedByLibrary = true;
  c.Init(23, T("MessageBoxButton0"), T("OK"), 0, 0, 40, 14);
  std::unique_ptr<CResControl> copy(new CResControl(c));
  EXPECT_TRUE(d.AddControl(std::move(copy)));
  std::unique_ptr<CTraNode> node(d.CreateNode(nullptr));
  EXPECT_EQ(TRA_SWITCHDIALOG, node->GetKind());
  EXPECT_EQ(CStringA("30:{23:MessageBoxButton0}"), Dump(node.get()));
  EXPECT_EQ(T("OK"), node->GetChild(0)->GetTranslation());
}

}  // namespace
