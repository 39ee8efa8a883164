#include "IntegrationSettings.h"
#include "ProjectAnalyser.h"
#include "ProjectFileList.h"

#include <gtest/gtest.h>

namespace {

TEST(IntegrationSettings, Defaults) {
  CIntegrationSettings s;
  EXPECT_EQ(CString(), s.m_projectPath);
  EXPECT_TRUE(s.m_8Bit);
  EXPECT_FALSE(s.m_unicode);
  EXPECT_TRUE(s.m_preprocessor);
  EXPECT_TRUE(s.m_menu);
  EXPECT_TRUE(s.m_compileErrors);
  EXPECT_TRUE(s.m_runtimeProblems);
  EXPECT_EQ(nullptr, s.GetFiles());
  EXPECT_EQ(nullptr, s.GetAnalyser());
}

TEST(IntegrationSettings, LeavingTheIdePage) {
  struct Case {
    int radio;
    bool checked;
    int ide;
    bool mfc;
  } cases[] = {
      {0, true, kIdeVisualCpp, true}, {0, false, kIdeVisualCpp, false}, {1, true, kIdeOtherCpp, true},
      {1, false, kIdeOtherCpp, false}, {2, true, kIdeOther, false},     {-1, true, kIdeOther, false},
  };
  for (const Case& c : cases) {
    CIntegrationSettings s;
    s.LeaveIdePage(c.radio, c.checked);
    EXPECT_EQ(c.ide, s.m_ideKind) << c.radio;
    EXPECT_EQ(c.mfc, s.m_mfc) << c.radio;
  }
}

TEST(IntegrationSettings, FrameworkCheckFollowsOnlyTheFirstChoice) {
  struct Case {
    int previous, chosen;
    bool checked, expected;
  } cases[] = {
      {-1, 0, false, true}, {-1, 1, true, false}, {-1, 2, true, true}, {-1, 2, false, false},
      {1, 0, false, false}, {0, 1, true, true},   {2, 0, false, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, GuideMfcCheckAfterChoice(c.previous, c.chosen, c.checked)) << c.previous << "->" << c.chosen;
}

TEST(IntegrationSettings, CharacterSetsBothWays) {
  struct Case {
    int radio;
    bool eightBit, unicode;
    int shown;
  } cases[] = {
      {kCharset8Bit, true, false, kCharset8Bit},
      {kCharsetUnicode, false, true, kCharsetUnicode},
      {kCharsetBoth, true, true, kCharsetBoth},
  };
  for (const Case& c : cases) {
    CIntegrationSettings s;
    s.ChangeOptions(false, false, c.radio);
    EXPECT_FALSE(s.m_preprocessor);
    EXPECT_FALSE(s.m_menu);
    EXPECT_EQ(c.eightBit, s.m_8Bit) << c.radio;
    EXPECT_EQ(c.unicode, s.m_unicode) << c.radio;
    EXPECT_EQ(c.shown, s.GetCharsetChoice()) << c.radio;
  }
  CIntegrationSettings s;
  s.ChangeOptions(true, true, kCharsetUnicode);
  s.ChangeOptions(true, true, -1);  // no choice leaves the flags
  EXPECT_FALSE(s.m_8Bit);
  EXPECT_TRUE(s.m_unicode);
  s.m_unicode = false;
  s.m_8Bit = false;  // not reachable through the page: shown as 8-bit
  EXPECT_EQ(kCharset8Bit, s.GetCharsetChoice());
}

TEST(IntegrationSettings, ResultRadios) {
  CIntegrationSettings s;
  s.SetCompileResult(1);
  s.SetTestResult(1);
  EXPECT_FALSE(s.m_compileErrors);
  EXPECT_FALSE(s.m_runtimeProblems);
  s.SetCompileResult(0);
  s.SetTestResult(0);
  EXPECT_TRUE(s.m_compileErrors);
  EXPECT_TRUE(s.m_runtimeProblems);
}

TEST(IntegrationSettings, NoScanFindsNothing) {
  CIntegrationSettings s;
  EXPECT_EQ(nullptr, s.GetScanResults());
  EXPECT_FALSE(s.HasFixHits());
  EXPECT_FALSE(s.HasExternHeaders());
}

TEST(IntegrationSettings, EachScanReplacesTheLastOne) {
  CIntegrationSettings s;
  s.RunScan(new CProjectFileList(), nullptr);
  ASSERT_NE(nullptr, s.GetScanResults());
  EXPECT_EQ(s.GetAnalyser(), s.GetScanResults());
  s.RunScan(new CProjectFileList(), nullptr);  // the previous ones go (the sanitizer build checks)
  EXPECT_EQ(s.GetAnalyser(), s.GetScanResults());
  EXPECT_FALSE(s.HasFixHits());
}

}  // namespace
