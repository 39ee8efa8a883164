#include "AnalysisTestUtil.h"
#include "DspReader.h"
#include "GermanStrings.h"
#include "GuideTexts.h"
#include "PageFlow.h"
#include "ProjectAnalyser.h"
#include "ProjectFileList.h"
#include "SegmentedProgress.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

using lwtest::S;
using lwtest::U8;

namespace {

TEST(GuideTexts, ProjectName) {
  struct Case {
    const char* path;
    const char* name;
  } cases[] = {
      {"C:\\Src\\Demo\\Demo.dsp", "Demo"}, {"", "MyProject"},       {"C:\\Src\\a.dsp", "a"},
      {"C:\\Src\\.dsp", ""},               {"C:\\Src\\dsp", "MyProject"}, {"Demo.dsp", "Demo"},
      {"C:\\Src\\", "MyProject"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.name, S(GuideProjectName(U8(c.path)))) << c.path;
}

TEST(GuideTexts, LibraryAndDllListsByCharacterSet) {
  lwtest::GermanStrings strings;
  struct Case {
    bool eightBit, unicode;
    UINT id;
    const char* dlls;
  } cases[] = {
      {true, true, 102,
       "Lwv30.dll\t\tfür Release-Konfigurationen\nLwv30D.dll\t\tfür Debug-Konfigurationen\n"
       "Lwv30U.dll\t\tfür Unicode-Release-Konfigurationen\nLwv30UD.dll\t\tfür Unicode-Debug-Konfigurationen"},
      {false, true, 104,
       "Lwv30U.dll\t\tfür Unicode-Release-Konfigurationen\nLwv30UD.dll\t\tfür Unicode-Debug-Konfigurationen"},
      {true, false, 103, "Lwv30.dll\t\tfür Release-Konfigurationen\nLwv30D.dll\t\tfür Debug-Konfigurationen"},
      {false, false, 103, "Lwv30.dll\t\tfür Release-Konfigurationen\nLwv30D.dll\t\tfür Debug-Konfigurationen"},
  };
  for (const Case& c : cases) {
    CIntegrationSettings s;
    s.m_8Bit = c.eightBit;
    s.m_unicode = c.unicode;
    EXPECT_EQ(c.id, GuideLibraryListId(s));
    EXPECT_EQ(S(strings.LoadOriginal(c.id)), S(GuideLibraryList(s, strings)));
    EXPECT_EQ(c.dlls, S(GuideDllList(s, strings)));
  }
}

TEST(GuideTexts, IncludeLines) {
  struct Case {
    bool preprocessor;
    int ide;
    GuideHeader header;
    const char* text;
  } cases[] = {
      {true, 1, kHeaderFramework, "#define _LINGOWEAVE\r\n#ifdef _LINGOWEAVE\r\n#include \"LwvMFC.h\"\r\n#endif"},
      {true, 1, kHeaderSdk, "#define _LINGOWEAVE\r\n#ifdef _LINGOWEAVE\r\n#include \"LwvSDK.h\"\r\n#endif"},
      {true, 0, kHeaderFramework, "#ifdef _LINGOWEAVE\r\n#include \"LwvMFC.h\"\r\n#endif"},
      {true, 2, kHeaderSdk, "#ifdef _LINGOWEAVE\r\n#include \"LwvSDK.h\"\r\n#endif"},
      {false, 1, kHeaderFramework, "#include \"LwvMFC.h\""},
      {false, 0, kHeaderSdk, "#include \"LwvSDK.h\""},
  };
  for (const Case& c : cases) {
    CIntegrationSettings s;
    s.m_preprocessor = c.preprocessor;
    s.m_ideKind = c.ide;
    EXPECT_EQ(c.text, S(GuideIncludeLines(s, c.header)));
  }
}

const char kStartCodeDemo[] =
    "\t/* This fills Lwv start params. See \"Lwv.h\" for details */\r\n"
    "\tLW_STARTPARAMS StartPars;\r\n"
    "\t_tcscpy(StartPars.szStdFile, _T(\"Demo.tra\"));\r\n"
    "\t_tcscpy(StartPars.szTraPath, _T(\"\"));\r\n"
    "\tStartPars.bAutoSwitchCommand = TRUE;\r\n"
    "\tStartPars.nSwitchCommandID = 0x1234;\r\n"
    "\tStartPars.nSwitchMainMenuPos = 1;\r\n"
    "\tStartPars.bSwitchDlgAllowOld = TRUE;\r\n"
    "\tStartPars.nSwitchDlgHelpID = 123;\r\n"
    "\tStartPars.hRegKey = 0; //GetAppRegistryKey();\r\n"
    "\t_tcscpy(StartPars.szIniFilePath, _T(\"Demo.ini\"));\r\n"
    "\tStartPars.nSwitchBroadcastMsg = 0; // Add registered message here\r\n"
    "\r\n"
    "\t/* This starts Lwv */\r\n"
    "\tLWStart(&StartPars);\r\n"
    "\tLWAddThread(GetCurrentThreadId());\r\n";

TEST(GuideTexts, StartCodeWithAndWithoutTheWrapper) {
  CIntegrationSettings s;
  s.m_projectPath = _T("C:\\Src\\Demo\\Demo.dsp");
  s.m_preprocessor = false;
  EXPECT_EQ(kStartCodeDemo, S(GuideStartCode(s)));
  s.m_preprocessor = true;
  EXPECT_EQ(std::string("#ifdef _LINGOWEAVE\r\n") + kStartCodeDemo + "#endif", S(GuideStartCode(s)));

  s.m_projectPath.Empty();
  std::string code = S(GuideStartCode(s));
  EXPECT_NE(std::string::npos, code.find("_T(\"MyProject.tra\")"));
  EXPECT_NE(std::string::npos, code.find("_T(\"MyProject.ini\")"));

  // A name with conversions stays as it is.
  s.m_projectPath = _T("C:\\Src\\100%s%n\\100%s%n.dsp");
  code = S(GuideStartCode(s));
  EXPECT_NE(std::string::npos, code.find("_T(\"100%s%n.tra\")"));
  EXPECT_NE(std::string::npos, code.find("_T(\"100%s%n.ini\")"));
}

TEST(GuideTexts, SwitchDialogCallAndTestInstructions) {
  struct Case {
    int ide;
    bool preprocessor;
    bool shown;
    UINT prompt;
    const char* call;
  } cases[] = {
      {0, true, true, 250, "#ifdef _LINGOWEAVE\r\n\tLWSwitchDialog();\r\n#endif"},
      {1, false, true, 250, "LWSwitchDialog();"},
      {2, true, false, 251, nullptr},
  };
  for (const Case& c : cases) {
    CIntegrationSettings s;
    s.m_ideKind = c.ide;
    s.m_preprocessor = c.preprocessor;
    EXPECT_EQ(c.shown, GuideShowsSwitchCall(s));
    EXPECT_EQ(c.prompt, GuideSwitchCallPromptId(s));
    if (c.call) {
      EXPECT_EQ(c.call, S(GuideSwitchCall(s)));
    }
  }
  CIntegrationSettings s;
  EXPECT_EQ(107u, GuideTestInstructionsId(s));
  s.m_menu = false;
  EXPECT_EQ(108u, GuideTestInstructionsId(s));
}

TEST(GuideTexts, FormatStringsFromTranslationsOnlyWithTheSameConversions) {
  lwtest::GermanStrings strings;
  EXPECT_EQ(S(strings.LoadOriginal(105)), S(GuideLoadFormat(strings, 105)));
  strings.Translate(105, "File %s, line %i (class %s)\r\n%s\r\nadd:\r\n%s");
  EXPECT_EQ("File %s, line %i (class %s)\r\n%s\r\nadd:\r\n%s", S(GuideLoadFormat(strings, 105)));
  const char* unsafe[] = {
      "File %i, line %s\r\n\t%s\r\nreplace with\r\n%s",   // swapped
      "File %s, line %i\r\n\t%s",                           // one fewer
      "File %s, line %i\r\n\t%s\r\nreplace with\r\n%s%s", // one more
      "File %s, line %li\r\n\t%s\r\nreplace with\r\n%s",  // another length
      "File %s, line %i\r\n\t%s\r\nreplace with\r\n%n",   // writes
      "",
  };
  for (const char* t : unsafe) {
    strings.Translate(106, t);
    EXPECT_EQ(S(strings.LoadOriginal(106)), S(GuideLoadFormat(strings, 106))) << t;
  }
}

const char kDsp[] =
    "# Microsoft Developer Studio Project File - Name=\"Demo\" - Package Owner=<4>\r\n"
    "# Begin Target\r\n"
    "# Begin Group \"Source Files\"\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\Demo.cpp\r\n# End Source File\r\n"
    "# End Group\r\n"
    "# Begin Group \"Header Files\"\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\StdAfx.h\r\n# End Source File\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\MainFrm.h\r\n# End Source File\r\n"
    "# End Group\r\n"
    "# End Target\r\n"
    "# End Project\r\n";

const char kMainFrmH[] =
    "class CMainFrame : public CFrameWnd\r\n"
    "{\r\n"
    "public:\r\n"
    "\tvirtual void GetMessageString(UINT nID, CString& rMessage) const;\r\n"
    "};\r\n";

const char kDemoCpp[] =
    "#include \"stdafx.h\"\r\n"
    "#include \"MainFrm.h\"\r\n"
    "#include \"grid/GridCtrl.h\"\r\n";

// Stops the scan by throwing when the bar reaches a percentage.
class ThrowingProgress : public CSegmentedProgress {
 public:
  explicit ThrowingProgress(int at) : m_at(at) {}
  void ShowPercent(int percent) override {
    if (percent >= m_at) throw std::runtime_error("stopped");
  }

 private:
  int m_at;
};

// A small framework project with one fix hit and one extern header, and
// the settings that scan it.
struct ScannedProject {
  ScannedProject() {
    CString folder = lwtest::ScratchDir("guide-texts");
    settings.m_projectPath = lwtest::WriteFile(folder, "Demo.dsp", kDsp);
    lwtest::WriteFile(folder, "MainFrm.h", kMainFrmH);
    lwtest::WriteFile(folder, "Demo.cpp", kDemoCpp);
    lwtest::WriteFile(folder, "StdAfx.h", "#include <afxwin.h>\r\n");
    settings.LeaveIdePage(0, true);
    Scan(nullptr);
  }
  void Scan(CSegmentedProgress* progress) {
    CDspReader reader(settings.m_projectPath);
    reader.Read();
    settings.RunScan(reader.CreateProjectFileList(), progress);
  }
  CIntegrationSettings settings;
};

TEST(GuideTexts, AScanThatStoppedFindsNothing) {
  lwtest::GermanStrings strings;
  CIntegrationSettings none;
  EXPECT_EQ(CString(), GuideFixMacroList(none, strings));
  EXPECT_EQ(CString(), GuideExternHeaderList(none, strings));

  // Stopped at its last step, the new analyser holds both findings.
  ScannedProject p;
  ThrowingProgress progress(100);
  EXPECT_THROW(p.Scan(&progress), std::runtime_error);
  ASSERT_NE(nullptr, p.settings.GetAnalyser());
  EXPECT_TRUE(p.settings.GetAnalyser()->HasFixHits());
  EXPECT_TRUE(p.settings.GetAnalyser()->HasExternHeaders());
  EXPECT_EQ(nullptr, p.settings.GetScanResults());
  EXPECT_FALSE(p.settings.HasFixHits());
  EXPECT_FALSE(p.settings.HasExternHeaders());
  EXPECT_EQ(CString(), GuideFixMacroList(p.settings, strings));
  EXPECT_EQ(CString(), GuideExternHeaderList(p.settings, strings));
  GuideRoad road = GuideRoadOf(p.settings);
  EXPECT_FALSE(road.fixHits);
  EXPECT_FALSE(road.externHeaders);

  // Scanning again finds them.
  p.Scan(nullptr);
  EXPECT_TRUE(p.settings.HasFixHits());
  EXPECT_TRUE(p.settings.HasExternHeaders());
}

TEST(GuideTexts, FixMacroAndExternListsOfAScannedProject) {
  ScannedProject p;
  lwtest::GermanStrings strings;
  p.settings.m_preprocessor = false;
  EXPECT_EQ("Datei .\\MainFrm.h, Zeile 4 (Klasse CMainFrame)\r\n"
            "virtual void GetMessageString ( UINT nID , CString & rMessage ) const ; \r\n"
            "eintragen:\r\n"
            "\tLWFIX_CFRAMEWND_GETMESSAGESTRING()\r\n\r\n",
            S(GuideFixMacroList(p.settings, strings)));
  EXPECT_EQ("Datei .\\Demo.cpp, Zeile 3\r\n"
            "\t#include \"grid/GridCtrl.h\"\r\n"
            "ersetzen durch\r\n"
            "\t#undef CString\r\n\t#include \"grid/GridCtrl.h\"\r\n\t#define CString __X_CString\r\n\r\n",
            S(GuideExternHeaderList(p.settings, strings)));

  p.settings.m_preprocessor = true;
  strings.Translate(105, "File %s, line %i (class %s)\r\n%s\r\nadd:\r\n%s");
  strings.Translate(106, "File %i, line %s\r\n\t%s\r\nreplace with\r\n%s");  // conversions swapped: not used
  EXPECT_EQ("File .\\MainFrm.h, line 4 (class CMainFrame)\r\n"
            "virtual void GetMessageString ( UINT nID , CString & rMessage ) const ; \r\n"
            "add:\r\n"
            "\t#ifdef _LINGOWEAVE\r\n\tLWFIX_CFRAMEWND_GETMESSAGESTRING()\r\n\t#endif\r\n\r\n",
            S(GuideFixMacroList(p.settings, strings)));
  EXPECT_EQ("Datei .\\Demo.cpp, Zeile 3\r\n"
            "\t#include \"grid/GridCtrl.h\"\r\n"
            "ersetzen durch\r\n"
            "\t#ifdef _LINGOWEAVE\r\n\t#undef CString\r\n\t#include \"grid/GridCtrl.h\"\r\n"
            "\t#define CString __X_CString\r\n\t#else\r\n\t#include \"grid/GridCtrl.h\"\r\n\t#endif\r\n\r\n",
            S(GuideExternHeaderList(p.settings, strings)));
}

TEST(GuideTexts, ScannedProjectTakesTheRoadOverBothFixPages) {
  ScannedProject p;
  GuideRoad road = GuideRoadOf(p.settings);
  EXPECT_TRUE(road.externHeaders);
  EXPECT_TRUE(road.fixHits);
  EXPECT_EQ(kPageExternHeader, GuideNextPage(kPageStartCode, road));
  EXPECT_EQ(kPageVirtFunc, GuideNextPage(kPageExternHeader, road));
  EXPECT_EQ(kPageVirtFunc, GuideBackPage(kPageCompileCast, road));
  EXPECT_EQ("Demo", S(GuideProjectName(p.settings.m_projectPath)));
}

}  // namespace
