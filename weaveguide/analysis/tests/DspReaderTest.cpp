#include "AnalysisTestUtil.h"
#include "DspReader.h"

#include <gtest/gtest.h>

#include <vector>

using lwtest::S;

namespace {

std::vector<std::string> Names(const CStringArray& a) {
  std::vector<std::string> out;
  for (const CString& s : a) out.push_back(S(s));
  return out;
}

CString Folder() {
  static CString folder = lwtest::ScratchDir("dspreader");
  return folder;
}

std::vector<std::string> ReadPaths(const char* name, const std::string& dsp) {
  CDspReader reader(lwtest::WriteFile(Folder(), name, dsp));
  reader.Read();
  return Names(reader.GetPaths());
}

const char kProject[] =
    "# Microsoft Developer Studio Project File - Name=\"Demo\" - Package Owner=<4>\r\n"
    "# Begin Target\r\n"
    "# Begin Group \"Source Files\"\r\n"
    "# Begin Source File\r\n"
    "\r\n"
    "SOURCE=.\\MainFrm.cpp\r\n"
    "# End Source File\r\n"
    "# Begin Source File\r\n"
    "\r\n"
    "SOURCE=.\\StdAfx.cpp\r\n"
    "# ADD CPP /Yc\"stdafx.h\"\r\n"
    "!IF  \"$(CFG)\" == \"Demo - Win32 Release\"\r\n"
    "!ENDIF\r\n"
    "\r\n"
    "# End Source File\r\n"
    "# Begin Source File\r\n"
    "\r\n"
    "SOURCE=\"..\\My Shared\\new tools.h\"\r\n"
    "# End Source File\r\n"
    "# Begin Source File\r\n"
    "\r\n"
    "SOURCE=.\\res\\Demo.rc\r\n"
    "# End Source File\r\n"
    "# End Group\r\n"
    "# End Target\r\n";

TEST(DspReader, CollectsThePathOfEverySourceFileBlock) {
  EXPECT_EQ((std::vector<std::string>{".\\MainFrm.cpp", ".\\StdAfx.cpp", "..\\My Shared\\new tools.h", ".\\res\\Demo.rc"}),
            ReadPaths("demo.dsp", kProject));
}

TEST(DspReader, OddBlocks) {
  struct Case { const char* dsp; std::vector<std::string> paths; };
  const Case cases[] = {
      {"", {}},
      {"# Begin Target\n# End Target\n", {}},
      {"# Begin Source File\nSOURCE=a.cpp\n", {"a.cpp"}},                   // not closed: ends with the file
      {"# Begin Source File\n# End Source File\n", {}},                     // no assignment
      {"# Begin Source File\nSOURCE=\n# End Source File\n", {""}},
      {"# Begin Source File\nSOURCE = x.h\n# End Source File\n", {"x.h"}},
      {"# Begin Source File\nSOURCE=a b.h\n# End Source File\n", {"ab.h"}},  // blanks between tokens are lost
      {"# Begin Source File\nsource=a.h\n# End Source File\n", {}},
      {"# Begin Source File\nSOURCE=\"a.h\n", {"a.h"}},
      {"# Begin Source File", {}},
      {"#", {}},
  };
  int n = 0;
  for (const Case& c : cases) {
    std::string name = "odd" + std::to_string(n++) + ".dsp";
    EXPECT_EQ(c.paths, ReadPaths(name.c_str(), c.dsp)) << c.dsp;
  }
}

TEST(DspReader, TokenTestsConsumeOnlyOnAMatch) {
  CDspReader reader(lwtest::WriteFile(Folder(), "tests.dsp", "# Begin Source File\nSOURCE=x\n"));
  EXPECT_FALSE(reader.IsEndSourceFile());
  EXPECT_FALSE(reader.IsSourceAssign());
  EXPECT_TRUE(reader.IsBeginSourceFile());
  EXPECT_FALSE(reader.IsBeginSourceFile());
  EXPECT_TRUE(reader.IsSourceAssign());
  EXPECT_FALSE(reader.IsSourceAssign());  // only "x" is left
}

TEST(DspReader, MissingFileThrows) {
  EXPECT_THROW(CDspReader(Folder() + _T("nothere.dsp")), CFileException);
}

TEST(ProjectFileList, SortsByExactEnding) {
  struct Case { const char* path; char list; };
  const Case cases[] = {
      {"a.h", 'h'}, {".h", 'h'}, {"h", 'o'}, {"A.H", 'o'}, {"x.hpp", 'o'}, {"a.cpp", 's'}, {".cpp", 's'},
      {"x.CPP", 'o'}, {"x.c", 'o'}, {"x.rc", 'r'}, {".rc", 'o'}, {"x.rc2", 'o'}, {"x.RC", 'o'}, {"", 'o'},
  };
  for (const Case& c : cases) {
    CProjectFileList one;
    one.AddFile(CString(c.path));
    char got = one.m_headers.GetSize() ? 'h' : one.m_sources.GetSize() ? 's' : one.m_resourceScripts.GetSize() ? 'r' : 'o';
    EXPECT_EQ(c.list, got) << c.path;
    EXPECT_EQ(1, one.m_headers.GetSize() + one.m_sources.GetSize() + one.m_resourceScripts.GetSize() + one.m_others.GetSize());
  }
}

TEST(ProjectFileList, CreatedFromTheReaderResolvesAgainstTheProjectFolder) {
  CDspReader reader(lwtest::WriteFile(Folder(), "demo2.dsp", kProject));
  reader.Read();
  std::unique_ptr<CProjectFileList> list(reader.CreateProjectFileList());
  EXPECT_EQ((std::vector<std::string>{"..\\My Shared\\new tools.h"}), Names(list->m_headers));
  EXPECT_EQ((std::vector<std::string>{".\\MainFrm.cpp", ".\\StdAfx.cpp"}), Names(list->m_sources));
  EXPECT_EQ((std::vector<std::string>{".\\res\\Demo.rc"}), Names(list->m_resourceScripts));
  EXPECT_TRUE(list->m_others.IsEmpty());
  CString folder = Folder();
  folder.TrimRight(_T("\\"));
  EXPECT_EQ(S(folder), S(list->GetProjectFolder()));
  EXPECT_EQ(S(folder + _T("\\.\\MainFrm.cpp")), S(list->ResolvePath(_T(".\\MainFrm.cpp"))));
  for (LPCTSTR absolute : {_T("C:\\x\\a.h"), _T("\\\\server\\a.h"), _T("/usr/a.h"), _T("")})
    EXPECT_EQ(S(absolute), S(list->ResolvePath(absolute)));
  EXPECT_EQ("a.h", S(CProjectFileList().ResolvePath(_T("a.h"))));
}

}  // namespace
