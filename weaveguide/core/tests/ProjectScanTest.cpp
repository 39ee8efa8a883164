// The scan page's work without its window: a project that cannot be read
// ends in an outcome with the reason (no exception, no findings), a project
// with missing files still completes, and the progress runs through its
// five steps. Also which pictures a screen gets.
#include "AnalysisTestUtil.h"
#include "GuidePictureChoice.h"
#include "PageFlow.h"
#include "ProjectAnalyser.h"
#include "ProjectScan.h"
#include "SegmentedProgress.h"

#include <gtest/gtest.h>

#include <vector>

using lwtest::RecordingProgress;
using lwtest::S;

namespace {

const char kDsp[] =
    "# Begin Source File\r\nSOURCE=.\\Frame.h\r\n# End Source File\r\n"
    "# Begin Source File\r\nSOURCE=.\\Missing.cpp\r\n# End Source File\r\n";

TEST(ProjectScan, UnreadableProjectEndsWithItsReason) {
  CIntegrationSettings s;
  s.m_projectPath = lwtest::ScratchDir("project-scan") + _T("nothere.dsp");
  const GuideScanOutcome outcome = GuideScanProject(s, nullptr);
  EXPECT_FALSE(outcome.completed);
  EXPECT_NE(-1, outcome.error.Find(_T("nothere.dsp"))) << S(outcome.error);
  EXPECT_EQ(S(s.m_projectPath), S(outcome.file));
  EXPECT_EQ(nullptr, s.GetScanResults());
  EXPECT_FALSE(s.HasFixHits());
  EXPECT_FALSE(s.HasExternHeaders());
  // The page then offers Back alone.
  EXPECT_EQ(kButtonBack, GuideScanDoneButtons(outcome.completed));
}

TEST(ProjectScan, EmptyPathIsAnUnreadableProject) {
  CIntegrationSettings s;
  const GuideScanOutcome outcome = GuideScanProject(s, nullptr);
  EXPECT_FALSE(outcome.completed);
  EXPECT_FALSE(outcome.error.IsEmpty());
}

TEST(ProjectScan, ProjectWithAMissingSourceCompletes) {
  const CString folder = lwtest::ScratchDir("project-scan-ok");
  CIntegrationSettings s;
  s.m_projectPath = lwtest::WriteFile(folder, "Demo.dsp", kDsp);
  lwtest::WriteFile(folder, "Frame.h",
                    "class CFrame : public CFrameWnd {\r\n"
                    "  void GetMessageString(UINT nID, CString& rMessage) const;\r\n};\r\n");
  RecordingProgress progress;
  const GuideScanOutcome outcome = GuideScanProject(s, &progress);
  EXPECT_TRUE(outcome.completed);
  EXPECT_EQ(CString(), outcome.error);
  EXPECT_TRUE(s.HasFixHits());
  EXPECT_FALSE(s.HasExternHeaders());
  EXPECT_EQ((std::vector<int>{0, 20, 40, 60, 80, 100, 100}), progress.shown);
  EXPECT_EQ(kButtonBack | kButtonNext, GuideScanDoneButtons(outcome.completed));
}

TEST(ProjectScan, AFailedScanDropsTheFindingsOfTheLastOne) {
  const CString folder = lwtest::ScratchDir("project-scan-again");
  CIntegrationSettings s;
  s.m_projectPath = lwtest::WriteFile(folder, "Demo.dsp", kDsp);
  lwtest::WriteFile(folder, "Frame.h", "class CFrame : public CFrameWnd { CString GetFileName(); };\r\n");
  ASSERT_TRUE(GuideScanProject(s, nullptr).completed);
  ASSERT_NE(nullptr, s.GetScanResults());
  s.m_projectPath = folder + _T("gone.dsp");
  EXPECT_FALSE(GuideScanProject(s, nullptr).completed);
  EXPECT_FALSE(s.HasFixHits());
}

#ifndef _WIN32
// A header that exists but cannot be read ends the scan with a file error
// that names it; the scan is not reported as done and keeps no findings.
TEST(ProjectScan, UnreadableHeaderEndsTheScanWithItsReason) {
  const CString folder = lwtest::ScratchDir("project-scan-unreadable");
  CIntegrationSettings s;
  s.m_projectPath = lwtest::WriteFile(folder, "Demo.dsp", kDsp);
  {
    // Larger than any source the reader takes; sparse, so it costs no disk.
    CFile big(folder + _T("Frame.h"), CFile::modeCreate | CFile::modeWrite);
    big.SetLength(300ull * 1024 * 1024);
  }
  RecordingProgress progress;
  const GuideScanOutcome outcome = GuideScanProject(s, &progress);
  CFile::Remove(folder + _T("Frame.h"));
  EXPECT_FALSE(outcome.completed);
  EXPECT_NE(-1, outcome.error.Find(_T("Frame.h"))) << S(outcome.error);
  EXPECT_EQ(nullptr, s.GetScanResults());
  EXPECT_EQ(kButtonBack, GuideScanDoneButtons(outcome.completed));
  // The bar stopped before its end.
  ASSERT_FALSE(progress.shown.empty());
  EXPECT_LT(progress.shown.back(), 100);
}
#endif

TEST(GuidePictureChoice, HighColourFromEightBitsOn) {
  struct Case {
    int bits;
    bool high;
  } cases[] = {{0, false}, {1, false}, {4, false}, {7, false}, {8, true}, {16, true}, {24, true}, {32, true}};
  for (const Case& c : cases) EXPECT_EQ(c.high, GuideUsesHighColourPictures(c.bits)) << c.bits;
}

}  // namespace
