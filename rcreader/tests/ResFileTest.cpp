#include "ResDialog.h"
#include "ResMenu.h"
#include "ResTestUtil.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <vector>

using rctest::Dump;
using rctest::ParseScript;
using rctest::T;

namespace {

TEST(ResFile, ScriptWithoutStatementsGivesThreeEmptyGroups) {
  auto p = ParseScript("#include \"resource.h\"\nIDI_ICON ICON \"app.ico\"\n");
  EXPECT_EQ(CStringA("7:RCFile{9:Menus,8:Dialoge,10:Stringtables}"), Dump(p->root.get()));
  EXPECT_EQ(T("RCFileText"), p->root->GetTranslation());
  EXPECT_EQ(T("Menu"), p->root->GetChild(0)->GetTranslation());
  EXPECT_EQ(T("Dialog"), p->root->GetChild(1)->GetTranslation());
  EXPECT_EQ(T("String Table"), p->root->GetChild(2)->GetTranslation());
  EXPECT_TRUE(p->log.GetText().IsEmpty());
  EXPECT_EQ(p->list->GetCount(), p->end);
}

TEST(ResFile, StatementLoop) {
  struct Case {
    const char* script;
    const char* tree;
    const char* ids;
  } cases[] = {
      {"1 MENU BEGIN MENUITEM \"a\", 1 END 2 DIALOG 0,0,1,1 BEGIN END",
       "7:RCFile{9:Menus{3:1{5:a}},8:Dialoge{1:},10:Stringtables}", ""},
      // TOOLBAR with nested blocks is passed over whole, also at the end of the list.
      {"1 TOOLBAR 16, 15 BEGIN BUTTON 1 BEGIN X END END", "7:RCFile{9:Menus,8:Dialoge,10:Stringtables}", ""},
      {"1 DESIGNINFO BEGIN { } END 2 MENU { MENUITEM \"b\" }",
       "7:RCFile{9:Menus{3:2{5:b}},8:Dialoge,10:Stringtables}", ""},
      {"1 TOOLBAR 16, 15 BEGIN BUTTON 1", "7:RCFile{9:Menus,8:Dialoge,10:Stringtables}", "113 "},
      {"1 TOOLBAR 16, 15", "7:RCFile{9:Menus,8:Dialoge,10:Stringtables}", "113 "},
      // Keywords compare with exact case.
      {"1 dialog 0,0,1,1 BEGIN END", "7:RCFile{9:Menus,8:Dialoge,10:Stringtables}", ""},
      // The keyword test looks at the text only: a quoted MENU starts a menu.
      {"VALUE \"Comment\", \"MENU\" END", "7:RCFile{9:Menus,8:Dialoge,10:Stringtables}", "113 "},
      // A keyword at the very first token has no id: nothing before the list is read.
      {"DIALOG 0,0,1,1 BEGIN END", "7:RCFile{9:Menus,8:Dialoge,10:Stringtables}", "113 "},
      {"MENU", "7:RCFile{9:Menus,8:Dialoge,10:Stringtables}", "113 "},
      {"STRINGTABLE", "7:RCFile{9:Menus,8:Dialoge,10:Stringtables}", "113 "},
      {"x STRINGTABLE BEGIN", "7:RCFile{9:Menus,8:Dialoge,10:Stringtables}", "113 "},
      // Tokens inside a parsed statement are not examined by the loop.
      {"1 DIALOG 0,0,1,1 MENU MENU BEGIN END", "7:RCFile{9:Menus,8:Dialoge{1:},10:Stringtables}", ""},
  };
  for (const auto& c : cases) {
    auto p = ParseScript(c.script);
    EXPECT_EQ(CStringA(c.tree), Dump(p->root.get())) << c.script;
    EXPECT_EQ(CStringA(c.ids), p->Ids()) << c.script;
  }
}

TEST(ResFile, FailedHeaderResumesAfterTheKeyword) {
  auto p = ParseScript("IDD_A DIALOG 0, 0, x\nBEGIN\n LTEXT \"a\", 1, 0, 0, 1, 1\nEND\n2 MENU BEGIN END");
  EXPECT_EQ(CStringA("113 "), p->Ids());
  EXPECT_EQ(T("[113]\r\n- test.rc (1): IDD_A DIALOG 0 , 0 , x \r\n"), p->log.GetText());
  EXPECT_EQ(CStringA("7:RCFile{9:Menus{3:2},8:Dialoge,10:Stringtables}"), Dump(p->root.get()));
}

// Every truncation of a script fails cleanly: no read past the list, no
// endless loop, and at most the statements that are complete survive.
TEST(ResFile, TruncatedScriptsFailCleanly) {
  const std::string full =
      "1 DIALOGEX 0, 0, 100, 50 STYLE WS_POPUP | NOT WS_VISIBLE CAPTION \"c\" FONT 8, \"MS Shell Dlg\", 0, 0, 0x1\n"
      "BEGIN\n CONTROL \"x\", 1, \"Button\", BS_AUTOCHECKBOX, 0, 0, 10, 10, WS_EX_CLIENTEDGE, IDH\n"
      " LTEXT \"t\", 2, 1, 2, 3, 4\nEND\n"
      "2 MENUEX BEGIN POPUP \"&File\", 1, 0, 0 BEGIN MENUITEM \"E&xit\", 2, MFT_STRING, MFS_ENABLED END END\n"
      "STRINGTABLE DISCARDABLE BEGIN 1, \"one\" 2 \"two\" END\n";
  for (size_t cut = 0; cut <= full.size(); ++cut) {
    auto p = ParseScript(full.substr(0, cut));
    EXPECT_LE(p->end, p->list->GetCount() + 1) << cut;
    if (cut + 1 < full.size()) {
      // The last statement is incomplete: the string table is not there.
      EXPECT_EQ(0, p->root->GetChild(2)->GetChildCount()) << cut;
    }
  }
  auto whole = ParseScript(full);
  EXPECT_EQ(CStringA(""), whole->Ids());
  EXPECT_EQ(CStringA("7:RCFile{9:Menus{3:2{4:&File{5:E&xit}}},8:Dialoge{1:c{23:x,21:t}},10:Stringtables{6:String "
                     "Table Section 1{11:one,11:two}}}"),
            Dump(whole->root.get()));
}

TEST(ResFile, TruncatedBodyFailsWithTheSectionMessage) {
  struct Case {
    const char* script;
    const char* ids;
  } cases[] = {
      {"1 DIALOG 0,0,1,1 BEGIN LTEXT \"a\", 1, 0, 0, 1, 1", "113 "},
      {"1 DIALOG 0,0,1,1 BEGIN LTEXT", "114 113 "},
      {"1 MENU BEGIN POPUP \"a\" BEGIN MENUITEM \"b\", 1", "113 "},
      {"STRINGTABLE BEGIN 1 \"a\"", "113 "},
      {"STRINGTABLE BEGIN 1", "127 113 "},
  };
  for (const auto& c : cases) {
    auto p = ParseScript(c.script);
    EXPECT_EQ(CStringA(c.ids), p->Ids()) << c.script;
    EXPECT_EQ(CStringA("7:RCFile{9:Menus,8:Dialoge,10:Stringtables}"), Dump(p->root.get())) << c.script;
  }
}

TEST(ResFile, FullGroupDropsFurtherItemsWithOneLine) {
  std::string s;
  for (int i = 0; i < CResGroup::kCapacity + 5; ++i) s += "STRINGTABLE BEGIN 1 \"x\" END\n";
  auto p = ParseScript(s);
  EXPECT_EQ(CResGroup::kCapacity, p->root->GetChild(2)->GetChildCount());
  EXPECT_EQ(CStringA("170 "), p->Ids());
  EXPECT_NE(-1, p->log.GetText().Find(_T("test.rc (1001)")));
}

TEST(ResFile, ProblemLogStaysBoundedAndLinear) {
  // Thousands of bad entries: the log lists a bounded number and says so.
  std::string s = "STRINGTABLE BEGIN\n";
  for (int i = 0; i < 20000; ++i) s += "= \n";
  s += "END\n";
  auto p = ParseScript(s);
  EXPECT_EQ(20000, p->log.GetCount());
  EXPECT_EQ(static_cast<size_t>(CResProblemLog::kMaxListed + 1), p->log.GetIds().size());
  EXPECT_EQ(kMsgTooManyProblems, p->log.GetIds().back());
  EXPECT_EQ(1, p->root->GetChild(2)->GetChildCount());
}

TEST(ResFile, DefaultTextsAreTheGermanMessages) {
  CResProblemLog log;
  std::string s = "1 MENU";
  CSourceTokenList list(_T("a.rc"), reinterpret_cast<const BYTE*>(s.data()), s.size());
  CResFile file;
  file.Parse(&list, 0, log);
  EXPECT_EQ(T("!Fehler bei Sektion in Resource-Datei!\r\n- a.rc (2): 1 MENU \r\n"), log.GetText());
  const UINT ids[] = {kMsgControlError, kMsgMenuItemError, kMsgMenuError, kMsgStringError};
  const char* texts[] = {"!Fehler bei Control in Dialog!", "!Fehler in Menu-Item!", "!Fehler im Menu!",
                         "!Fehler bei Stringtable-Eintrag!"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(T(texts[i]), BuiltInResMessage(ids[i]));
}

class CRecordingProgress : public IResProgress {
 public:
  void SetPos(int pos) override { positions.push_back(pos); }
  std::vector<int> positions;
};

CString WriteScript(const CString& dir, const char* name, const std::string& text) {
  CString path = dir + T(name);
  CFile f(path, CFile::modeCreate | CFile::modeWrite);
  f.Write(text.data(), static_cast<UINT>(text.size()));
  return path;
}

TEST(RcFileSet, ReadsAllScriptsMovingTheProgressBar) {
  CString dir = lwtest::ScratchDir("rcfileset");
  ASSERT_FALSE(dir.IsEmpty());
  CString paths[4] = {
      WriteScript(dir, "a.rc", "STRINGTABLE BEGIN 1 \"a\" END\nSTRINGTABLE BEGIN 2 \"b\" END\n"),
      WriteScript(dir, "b.rc", "STRINGTABLE BEGIN 3 \"c\" END\n"),
      WriteScript(dir, "c.rc", "1 MENU BEGIN MENUITEM \"m\", 1 END\n"),
      WriteScript(dir, "d.rc", "\n\nSTRINGTABLE BEGIN 4 \"d\" = END\n"),
  };
  CRecordingProgress progress;
  CRcFileSet set(paths, 4, &progress, 0, 50);
  EXPECT_EQ((std::vector<int>{12, 24, 36}), progress.positions);
  rctest::CIdTexts texts;
  CResProblemLog log(&texts);
  std::unique_ptr<CResFile> file = set.BuildResFile(log);
  std::unique_ptr<CTraNode> root(file->CreateNode(nullptr));
  EXPECT_EQ(CStringA("7:RCFile{9:Menus{3:1{5:m}},8:Dialoge,10:Stringtables{6:String Table Section 1{11:a},6:String "
                     "Table Section 2{11:b},6:String Table Section 3{11:c},6:String Table Section 4{11:d}}}"),
            Dump(root.get()));
  // A problem in the fourth script names the fourth file and its line.
  // Only line numbers are compared, so the context starts at the last token
  // of the script before.
  EXPECT_EQ(T("[127]\r\n- ") + paths[3] + T(" (3): END STRINGTABLE BEGIN 4 d = END \r\n"), log.GetText());
}

TEST(RcFileSet, MissingScriptThrowsAndFreesWhatWasRead) {
  CString dir = lwtest::ScratchDir("rcfileset-missing");
  ASSERT_FALSE(dir.IsEmpty());
  CString paths[3] = {WriteScript(dir, "a.rc", "1 MENU BEGIN END\n"), dir + _T("missing.rc"),
                      WriteScript(dir, "c.rc", "2 MENU BEGIN END\n")};
  CRecordingProgress progress;
  EXPECT_THROW(CRcFileSet(paths, 3, &progress, 0, 50), CFileException);
  EXPECT_EQ((std::vector<int>{16}), progress.positions);
}

TEST(RcFileSet, WithoutPathsThereIsNoList) {
  CRcFileSet set(nullptr, 0, nullptr, 0, 50);
  EXPECT_EQ(nullptr, set.GetTokenList());
  CResProblemLog log;
  std::unique_ptr<CResFile> file = set.BuildResFile(log);
  std::unique_ptr<CTraNode> root(file->CreateNode(nullptr));
  EXPECT_EQ(3, root->GetChildCount());
}

TEST(RcFileSet, EightBitScriptsAreCodePage1252OrUtf8WithItsMark) {
  CString dir = lwtest::ScratchDir("rcfileset-8bit");
  ASSERT_FALSE(dir.IsEmpty());
  const char* scripts[] = {"STRINGTABLE BEGIN 1 \"Gr\xFC\xDF" "e \x80\" END",
                           "\xEF\xBB\xBFSTRINGTABLE BEGIN 1 \"Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\" END"};
  lw::WString expected = LW_WSTR("Gr\u00FC\u00DFe \u20AC");
  for (const char* script : scripts) {
    CString path = WriteScript(dir, "s.rc", script);
    CRcFileSet set(&path, 1, nullptr, 0, 50);
    CResProblemLog log;
    std::unique_ptr<CResFile> file = set.BuildResFile(log);
    std::unique_ptr<CTraNode> root(file->CreateNode(nullptr));
    const CTraNode* table = root->GetChild(2)->GetChild(0);
    ASSERT_NE(nullptr, table) << script;
    ASSERT_EQ(1, table->GetChildCount()) << script;
    EXPECT_EQ(CString(lw::FromWide(expected.data(), expected.size())), table->GetChild(0)->GetOriginal()) << script;
  }
}

TEST(RcFileSet, ReadsUtf16Scripts) {
  CString dir = lwtest::ScratchDir("rcfileset-utf16");
  ASSERT_FALSE(dir.IsEmpty());
  const std::u16string script = u"STRINGTABLE\r\nBEGIN\r\n  1 \"Gr\u00FC\u00DFe \u20AC\"\r\nEND\r\n";
  for (bool bigEndian : {false, true}) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : script) {
      char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
      bytes += bigEndian ? hi : lo;
      bytes += bigEndian ? lo : hi;
    }
    CString path = WriteScript(dir, bigEndian ? "be.rc" : "le.rc", bytes);
    CRcFileSet set(&path, 1, nullptr, 0, 50);
    CResProblemLog log;
    std::unique_ptr<CResFile> file = set.BuildResFile(log);
    std::unique_ptr<CTraNode> root(file->CreateNode(nullptr));
    ASSERT_EQ(1, root->GetChild(2)->GetChildCount());
    const CTraNode* table = root->GetChild(2)->GetChild(0);
    ASSERT_EQ(1, table->GetChildCount());
    lw::WString expected = LW_WSTR("Gr\u00FC\u00DFe \u20AC");
    EXPECT_EQ(CString(lw::FromWide(expected.data(), expected.size())), table->GetChild(0)->GetOriginal());
    EXPECT_TRUE(log.GetText().IsEmpty());
  }
}

}  // namespace

namespace {

// Scripts full of statements that are never closed read in linear time,
// and the problem log does not repeat what an earlier statement reported.
// Work is counted in rounds of the parsers' loops; reading each token again
// from every unclosed statement before it would take thousands per token.
TEST(ResFile, UnclosedStatementsStayLinear) {
  struct Case {
    const char* unit;
    int repeat;
  } cases[] = {
      {"a DIALOG 0,0,1,1 BEGIN ", 1000},
      {"STRINGTABLE BEGIN ", 1500},
      {"1 MENU BEGIN MENUITEM \"a\" ", 1000},
      {"1 MENU BEGIN POPUP \"a\" BEGIN ", 1000},
      {"1 MENU BEGIN POPUP \"a\" BEGIN MENUITEM \"b\" POPUP \"c\" BEGIN ", 700},
      {"a TOOLBAR 16, 15 BEGIN BUTTON 1 ", 1000},
      {"a TOOLBAR 16, 15 ", 1000},
  };
  for (const auto& c : cases) {
    std::string s;
    for (int i = 0; i < c.repeat; ++i) s += c.unit;
    auto p = ParseScript(s);
    EXPECT_LE(p->log.GetSteps(), 3LL * p->list->GetCount()) << c.unit;
    EXPECT_LT(p->log.GetCount(), 200 * c.repeat) << c.unit;
    EXPECT_EQ(CStringA("7:RCFile{9:Menus,8:Dialoge,10:Stringtables}"), Dump(p->root.get())) << c.unit;
  }
}

// Menus nested deeper than the reader keeps, closed only at the end of the
// script: each fails, and the levels beyond the limit are walked once.
TEST(ResFile, MenusTooDeepInsideEachOtherStayLinear) {
  const int kMenus = 600;
  std::string s;
  for (int i = 0; i < kMenus; ++i) s += "1 MENU BEGIN POPUP \"a\" BEGIN ";
  for (int i = 0; i < 2 * kMenus; ++i) s += "END ";
  auto p = ParseScript(s);
  // The levels a menu keeps are read once per menu that reaches them.
  EXPECT_LE(p->log.GetSteps(), (CResPopup::kMaxDepth + 3LL) * p->list->GetCount());
  // Only the first menu shallow enough is kept; the later ones lie inside it.
  EXPECT_EQ(1, p->root->GetChild(0)->GetChildCount());
}

TEST(ResFile, ContextOfAVeryLongLineIsBounded) {
  std::string s = "1 DIALOG 0,0,1,1 BEGIN";
  for (int i = 0; i < 5000; ++i) s += " x";
  s += " END";
  auto p = ParseScript(s);
  EXPECT_EQ(5000, p->log.GetCount());
  EXPECT_LT(p->log.GetText().GetLength(), 5001 * (2 * CSourceTokenList::kContextReach * 2 + 40));
}

}  // namespace
