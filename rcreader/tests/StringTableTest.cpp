#include "ResStringTable.h"
#include "ResTestUtil.h"

#include <gtest/gtest.h>

using rctest::Dump;
using rctest::ParseScript;
using rctest::T;

namespace {

TEST(StringTable, Blocks) {
  struct Case {
    const char* script;
    const char* tables;
    const char* ids;
  } cases[] = {
      {"STRINGTABLE DISCARDABLE\nBEGIN\n IDS_A, \"Alpha\"\n IDS_B \"Beta\"\n 3 \"Alpha\"\nEND",
       "10:Stringtables{6:String Table Section 1{11:Alpha,11:Beta,11:Alpha}}", ""},
      {"STRINGTABLE { }", "10:Stringtables{6:String Table Section 1}", ""},
      // Quoted parts side by side form one text, also over a backslash line split.
      {"STRINGTABLE BEGIN 1 \"a\" \"b\" 2 \"c\" END", "10:Stringtables{6:String Table Section 1{11:ab,11:c}}",
       ""},
      {"STRINGTABLE BEGIN\n 1 \"one \" \\\n   \"two \" \\\n \"three\"\n 2 \"c\"\nEND",
       "10:Stringtables{6:String Table Section 1{11:one two three,11:c}}", ""},
      {"STRINGTABLE BEGIN IDS_BASE + 1, \"x\" -5 \"y\" END",
       "10:Stringtables{6:String Table Section 1{11:x,11:y}}", ""},
      {"STRINGTABLE BEGIN 1, x END", "10:Stringtables{6:String Table Section 1}", "127 127 127 "},
      // A LANGUAGE clause with its comma between STRINGTABLE and BEGIN.
      {"STRINGTABLE LANGUAGE LANG_GERMAN, SUBLANG_GERMAN BEGIN 1 \"a\" END", "10:Stringtables", "113 "},
      {"STRINGTABLE BEGIN 1 \"a\" END STRINGTABLE BEGIN 2 \"b\" END STRINGTABLE BEGIN 3 \"c\" END",
       "10:Stringtables{6:String Table Section 1{11:a},6:String Table Section 2{11:b},6:String Table Section "
       "3{11:c}}",
       ""},
  };
  for (const auto& c : cases) {
    auto p = ParseScript(c.script);
    EXPECT_EQ(CStringA(c.tables), Dump(p->root->GetChild(2))) << c.script;
    EXPECT_EQ(CStringA(c.ids), p->Ids()) << c.script;
  }
}

TEST(StringTable, OptionsAndIdsStayOutOfTheTree) {
  auto p = ParseScript("STRINGTABLE DISCARDABLE PRELOAD BEGIN IDS_X \"line\\nnext\" END");
  CResStringTable* t = static_cast<CResStringTable*>(p->file->StringTables().GetItem(0));
  EXPECT_EQ(T("DISCARDABLE PRELOAD "), t->GetOptions());
  ASSERT_EQ(1, t->GetCount());
  EXPECT_EQ(T("IDS_X"), t->GetId(0));
  const CTraNode* s = rctest::FirstTable(*p)->GetChild(0);
  EXPECT_EQ(T("line\nnext"), s->GetOriginal());
  EXPECT_EQ(TRA_STRING, s->GetKind());
  EXPECT_EQ(nullptr, s->GetLayout());
  EXPECT_EQ(T("String Table Section 1"), rctest::FirstTable(*p)->GetTranslation());
}

TEST(StringTable, FullTableDropsFurtherStringsWithOneLine) {
  std::string s = "STRINGTABLE BEGIN\n";
  for (int i = 0; i < CResStringTable::kCapacity + 10; ++i) s += std::to_string(i) + " \"s" + std::to_string(i) + "\"\n";
  s += "END\n";
  auto p = ParseScript(s);
  EXPECT_EQ(CStringA("173 "), p->Ids());
  EXPECT_EQ(CResStringTable::kCapacity, rctest::FirstTable(*p)->GetChildCount());
  EXPECT_NE(-1, p->log.GetText().Find(_T("(202)")));
}

}  // namespace
