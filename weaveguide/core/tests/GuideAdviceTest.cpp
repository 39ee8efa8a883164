// The advice files a build includes: what each holds for a set of answers
// and a scanned project, and how the library and DLL lists of the pages are
// split into names per configuration.
#include "AnalysisTestUtil.h"
#include "GermanStrings.h"
#include "GuideAdvice.h"
#include "ProjectAnalyser.h"
#include "ProjectScan.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using lwtest::S;

namespace {

std::map<std::string, std::string> ByName(const std::vector<GuideAdviceFile>& files) {
  std::map<std::string, std::string> named;
  for (const GuideAdviceFile& f : files) {
    EXPECT_EQ(0u, named.count(S(f.name))) << "twice: " << S(f.name);
    named[S(f.name)] = S(f.text);
  }
  return named;
}

TEST(GuideAdvice, ListedNamesPerConfiguration) {
  lwtest::GermanStrings strings;
  struct Case {
    UINT id;
    bool debug;
    std::vector<std::string> names;
  } cases[] = {
      {102, false, {"Lwv30.lib", "Lwv30U.lib"}},
      {102, true, {"Lwv30D.lib", "Lwv30UD.lib"}},
      {103, false, {"Lwv30.lib"}},
      {104, true, {"Lwv30UD.lib"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> names;
    for (const CString& name : GuideListedNames(strings.LoadOriginal(c.id), c.debug)) names.push_back(S(name));
    EXPECT_EQ(c.names, names) << c.id << (c.debug ? " debug" : " release");
  }
  // A line without a description is a release name; blank lines name nothing.
  std::vector<CString> bare = GuideListedNames(_T("A.lib\n\n  B.lib  \t\tfür Debug\n"), false);
  ASSERT_EQ(1u, bare.size());
  EXPECT_EQ("A.lib", S(bare[0]));
}

TEST(GuideAdvice, PlainProgramInAnotherCppEnvironment) {
  lwtest::GermanStrings strings;
  CIntegrationSettings s;
  s.LeaveIdePage(kIdeOtherCpp, false);
  s.ChangeOptions(true, true, kCharset8Bit);
  const auto files = ByName(GuideAdviceFiles(s, strings));
  EXPECT_EQ((std::vector<std::string>{"GuideInclude.h", "GuideLibraries.cmake", "GuideStartCode.inc"}),
            [&] {
              std::vector<std::string> names;
              for (const auto& f : files) names.push_back(f.first);
              return names;
            }());
  EXPECT_EQ("#define _LINGOWEAVE\r\n#ifdef _LINGOWEAVE\r\n#include \"LwvSDK.h\"\r\n#endif\r\n",
            files.at("GuideInclude.h"));
  const std::string& start = files.at("GuideStartCode.inc");
  EXPECT_EQ(0u, start.find("#ifdef _LINGOWEAVE\r\n\t/* This fills")) << start;
  EXPECT_NE(std::string::npos, start.find("_T(\"MyProject.tra\")"));
  EXPECT_EQ("\tLWAddThread(GetCurrentThreadId());\r\n#endif\r\n", start.substr(start.size() - 45));
  // The symbol is defined by the include lines, not by the project.
  EXPECT_EQ("# What the assistant's library and DLL pages name for these answers.\r\n"
            "set(GUIDE_RELEASE_LIBRARIES Lwv30.lib)\r\nset(GUIDE_DEBUG_LIBRARIES Lwv30D.lib)\r\n"
            "set(GUIDE_RELEASE_DLLS Lwv30.dll)\r\nset(GUIDE_DEBUG_DLLS Lwv30D.dll)\r\nset(GUIDE_DEFINITIONS )\r\n",
            files.at("GuideLibraries.cmake"));
}

TEST(GuideAdvice, FrameworkProjectGetsTheFixLinesOfEachClass) {
  const CString folder = lwtest::ScratchDir("guide-advice");
  lwtest::WriteFile(folder, "Frame.h",
                    "class CMainFrame : public CFrameWnd {\r\n public:\r\n"
                    "  void GetMessageString(UINT nID, CString& rMessage) const;\r\n};\r\n"
                    "class CPlain : public CWnd { };\r\n"
                    "class CLog : public CStdioFile {\r\n"
                    "  BOOL ReadString(CString& line);\r\n  CString GetFileName();\r\n};\r\n");
  lwtest::GermanStrings strings;
  CIntegrationSettings s;
  s.LeaveIdePage(kIdeVisualCpp, true);
  s.ChangeOptions(true, true, kCharsetUnicode);
  s.m_projectPath = lwtest::WriteFile(folder, "Host.dsp",
                                      "# Begin Source File\r\nSOURCE=.\\Frame.h\r\n# End Source File\r\n");
  ASSERT_TRUE(GuideScanProject(s, nullptr).completed);
  auto files = ByName(GuideAdviceFiles(s, strings));
  EXPECT_EQ("#ifdef _LINGOWEAVE\r\n#include \"LwvMFC.h\"\r\n#endif\r\n", files.at("GuideInclude.h"));
  EXPECT_NE(std::string::npos, files.at("GuideStartCode.inc").find("_T(\"Host.ini\")"));
  EXPECT_EQ("\t#ifdef _LINGOWEAVE\r\n\tLWFIX_CFRAMEWND_GETMESSAGESTRING()\r\n\t#endif\r\n",
            files.at("GuideFix_CMainFrame.inc"));
  EXPECT_EQ("\t#ifdef _LINGOWEAVE\r\n\tLWFIX_CSTDIOFILE_READSTRING()\r\n\t#endif\r\n"
            "\t#ifdef _LINGOWEAVE\r\n\tLWFIX_CFILE_GETFILENAME()\r\n\t#endif\r\n",
            files.at("GuideFix_CLog.inc"));
  EXPECT_EQ(0u, files.count("GuideFix_CPlain.inc"));
  const std::string& cmake = files.at("GuideLibraries.cmake");
  EXPECT_NE(std::string::npos, cmake.find("set(GUIDE_RELEASE_LIBRARIES Lwv30U.lib)\r\n"));
  EXPECT_NE(std::string::npos, cmake.find("set(GUIDE_RELEASE_DLLS Lwv30U.dll)\r\n"));
  EXPECT_NE(std::string::npos, cmake.find("set(GUIDE_DEFINITIONS _LINGOWEAVE)\r\n"));

  // A project named with the build machine's '/' separators: the start
  // code names the project's own files, not the build machine's path.
  s.m_projectPath = GuideWindowsPath(_T("/work/src/Host/Host.dsp"));
  const std::string start = ByName(GuideAdviceFiles(s, strings)).at("GuideStartCode.inc");
  EXPECT_NE(std::string::npos, start.find("_tcscpy(StartPars.szStdFile, _T(\"Host.tra\"));")) << start;
  EXPECT_NE(std::string::npos, start.find("_tcscpy(StartPars.szIniFilePath, _T(\"Host.ini\"));")) << start;
  EXPECT_EQ(std::string::npos, start.find("/work")) << start;

  // Without the preprocessor switch the lines stand alone.
  s.ChangeOptions(false, true, kCharsetUnicode);
  files = ByName(GuideAdviceFiles(s, strings));
  EXPECT_EQ("\tLWFIX_CFRAMEWND_GETMESSAGESTRING()\r\n", files.at("GuideFix_CMainFrame.inc"));
  EXPECT_EQ("#include \"LwvMFC.h\"\r\n", files.at("GuideInclude.h"));
  EXPECT_NE(std::string::npos, files.at("GuideLibraries.cmake").find("set(GUIDE_DEFINITIONS )\r\n"));
}

TEST(GuideAdvice, EachMacroStandsOnceInItsClass) {
  // Real projects list a header twice (in two groups, or in two spellings)
  // and keep an old copy of a class's header: every copy gives the same hit.
  const CString folder = lwtest::ScratchDir("guide-advice-twice");
  const char frame[] =
      "class CMainFrame : public CFrameWnd {\r\n public:\r\n"
      "  void GetMessageString(UINT nID, CString& rMessage) const;\r\n};\r\n"
      "class CLog : public CStdioFile {\r\n"
      "  BOOL ReadString(CString& line);\r\n  CString GetFileName();\r\n};\r\n";
  lwtest::WriteFile(folder, "MainFrm.h", frame);
  lwtest::WriteFile(folder, "MainFrm_old.h", frame);
  lwtest::GermanStrings strings;
  CIntegrationSettings s;
  s.LeaveIdePage(kIdeVisualCpp, true);
  s.ChangeOptions(false, true, kCharset8Bit);
  s.m_projectPath = lwtest::WriteFile(folder, "Twice.dsp",
                                      "# Begin Group \"Header Files\"\r\n"
                                      "# Begin Source File\r\n\r\nSOURCE=.\\MainFrm.h\r\n# End Source File\r\n"
                                      "# Begin Source File\r\n\r\nSOURCE=.\\MainFrm_old.h\r\n# End Source File\r\n"
                                      "# End Group\r\n"
                                      "# Begin Group \"Shared\"\r\n"
                                      "# Begin Source File\r\n\r\nSOURCE=MainFrm.h\r\n# End Source File\r\n"
                                      "# End Group\r\n");
  ASSERT_TRUE(GuideScanProject(s, nullptr).completed);
  // The page lists every hit; the class's file holds each macro once.
  ASSERT_EQ(9, s.GetScanResults()->GetFixHits()->GetCount());  // three copies, three hits each
  const auto files = ByName(GuideAdviceFiles(s, strings));
  EXPECT_EQ("\tLWFIX_CFRAMEWND_GETMESSAGESTRING()\r\n", files.at("GuideFix_CMainFrame.inc"));
  EXPECT_EQ("\tLWFIX_CSTDIOFILE_READSTRING()\r\n\tLWFIX_CFILE_GETFILENAME()\r\n", files.at("GuideFix_CLog.inc"));
}

}  // namespace
