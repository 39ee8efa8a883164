#include "ScriptIncludes.h"

#include "ToolTestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace tratest;

TEST(ScriptIncludes, IncludeLinesOfAText) {
  const CString text = _T("#include \"a.h\"\n")
                       _T("  #  include <windows.h>\r\n")
                       _T("// #include \"comment.h\"\n")
                       _T("#include\t\"sub/b.rc\"  // why\n")
                       _T("#define X \"#include\"\n")
                       _T("#include \"\"\n")
                       _T("#include \"open\n")
                       _T("#includes \"x.h\"");
  const std::vector<IncludeLine> lines = FindIncludeLines(text);
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ(CString(_T("a.h")), lines[0].name);
  EXPECT_EQ(true, lines[0].quoted);
  EXPECT_EQ(CString(_T("windows.h")), lines[1].name);
  EXPECT_EQ(false, lines[1].quoted);
  EXPECT_EQ(CString(_T("sub/b.rc")), lines[2].name);
}

TEST(ScriptIncludes, ScriptsBesideAndInFoldersHeadersOnlyAsDependencies) {
  const CString dir = Fresh("includes_found");
  ASSERT_FALSE(dir.IsEmpty());
  const CString lib = dir + _T("lib");
  ASSERT_TRUE(lwtest::MakeFolder(lib));
  WriteText(dir + _T("Main.rc"),
            "#include \"ids.h\"\n#include <windows.h>\n#include \"winres.h\"\n#include \"Picker.rc\"\n"
            "#include \"ids.h\"\n");
  WriteText(dir + _T("ids.h"), "#define IDD_MAIN 100\n");
  WriteText(lib + _T("/Picker.rc"), "#include \"PickerIds.h\"\n#include \"../Main.rc\"\n");
  WriteText(lib + _T("/PickerIds.h"), "#define IDD_PICK 200\n");

  ScriptIncludes found;
  CString error;
  ASSERT_TRUE(CollectScriptIncludes(dir + _T("Main.rc"), {lib}, found, error)) << CStringA(error).GetString();
  ASSERT_EQ(2u, found.scripts.size());
  EXPECT_EQ(NormalizeScriptPath(dir + _T("Main.rc")), found.scripts[0]);
  EXPECT_EQ(NormalizeScriptPath(lib + _T("/Picker.rc")), found.scripts[1]);
  ASSERT_EQ(4u, found.files.size());
  EXPECT_EQ(NormalizeScriptPath(dir + _T("ids.h")), found.files[1]);
  EXPECT_EQ(NormalizeScriptPath(lib + _T("/PickerIds.h")), found.files[3]);
  ASSERT_EQ(1u, found.notFound.size());
  EXPECT_EQ(CString(_T("winres.h")), found.notFound[0]);
}

TEST(ScriptIncludes, HeadersByTheirExtension) {
  const struct {
    const TCHAR* path;
    bool header;
  } cases[] = {
      {_T("a/Ids.h"), true},   {_T("Ids.HPP"), true},    {_T("x.hh"), true},    {_T("x.hxx"), true},
      {_T("App.rc"), false},   {_T("App.rc2"), false},   {_T("h"), false},      {_T("dir.h/App.dlg"), false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.header, IsHeaderName(c.path)) << CStringA(c.path).GetString();
}

TEST(ScriptIncludes, NormalizedPaths) {
  const struct {
    const TCHAR* path;
    const TCHAR* normal;
  } cases[] = {
      {_T("/a/b/../c.rc"), _T("/a/c.rc")},
      {_T("\\a\\.\\b\\\\c.rc"), _T("/a/b/c.rc")},
      {_T("/../a.rc"), _T("/a.rc")},
      {_T("../x/../y.rc"), _T("../y.rc")},
      {_T("a/b/../../../c.rc"), _T("../c.rc")},
  };
  for (const auto& c : cases) EXPECT_EQ(CString(c.normal), NormalizeScriptPath(c.path)) << CStringA(c.path).GetString();
}

TEST(ScriptIncludes, AScriptThatCannotBeReadIsAnError) {
  ScriptIncludes found;
  CString error;
  EXPECT_FALSE(CollectScriptIncludes(_T("/nonexistent/App.rc"), {}, found, error));
  EXPECT_EQ(CString(_T("cannot read /nonexistent/App.rc")), error);
}

}  // namespace
