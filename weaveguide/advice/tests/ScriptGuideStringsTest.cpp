// The assistant's strings read from its own resource script, as the advice
// tool composes with them: the composers' strings are there, escapes and
// symbolic ids resolved; a missing file is an error that names it.
#include "AnalysisTestUtil.h"
#include "GermanStrings.h"
#include "ScriptGuideStrings.h"

#include <gtest/gtest.h>

using lwtest::S;

namespace {

TEST(ScriptGuideStrings, TheComposersStringsAsTheProgramHasThem) {
  CScriptGuideStrings strings;
  CString error;
  ASSERT_TRUE(strings.ReadScript(_T(LW_GUIDE_SCRIPT), _T(LW_GUIDE_IDS), error)) << S(error);
  lwtest::GermanStrings german;
  for (UINT id : {kStrLibrariesBoth, kStrLibraries8Bit, kStrLibrariesUnicode, kStrFixMacroEntry, kStrExternHeaderEntry})
    EXPECT_EQ(S(german.LoadOriginal(id)), S(strings.Load(id))) << id;
  EXPECT_EQ(S(strings.Load(kStrLibrariesUnicode)), S(strings.LoadOriginal(kStrLibrariesUnicode)));
  EXPECT_EQ("", S(strings.Load(99999)));
}

TEST(ScriptGuideStrings, UnreadableFilesAreErrors) {
  const CString folder = lwtest::ScratchDir("script-guide-strings");
  const CString ids = lwtest::WriteFile(folder, "Ids.h", "#define IDS_ONE 7\n#define NOT_A_NUMBER x\n");
  struct Case {
    CString script, ids;
    const char* named;
  } cases[] = {
      {folder + _T("none.rc"), ids, "none.rc"},
      {_T(LW_GUIDE_SCRIPT), folder + _T("none.h"), "none.h"},
      {lwtest::WriteFile(folder, "Empty.rc", "// nothing\n"), ids, "Empty.rc"},
  };
  for (const Case& c : cases) {
    CScriptGuideStrings strings;
    CString error;
    EXPECT_FALSE(strings.ReadScript(c.script, c.ids, error)) << c.named;
    EXPECT_NE(-1, error.Find(CString(c.named))) << S(error);
  }
  CScriptGuideStrings strings;
  CString error;
  ASSERT_TRUE(strings.ReadScript(lwtest::WriteFile(folder, "One.rc", "STRINGTABLE\nBEGIN\n  IDS_ONE \"eins\"\n  8, \"acht\"\nEND\n"),
                                 ids, error))
      << S(error);
  EXPECT_EQ("eins", S(strings.Load(7)));
  EXPECT_EQ("acht", S(strings.Load(8)));
  EXPECT_EQ(2, strings.GetCount());
}

}  // namespace
