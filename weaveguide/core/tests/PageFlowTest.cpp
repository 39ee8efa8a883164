#include "PageControls.h"
#include "PageFlow.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

GuideRoad Road(int ide, bool mfc, bool menu = true, bool errors = false, bool problems = false, bool ext = false,
               bool virt = false) {
  GuideRoad r;
  r.ide = ide;
  r.mfc = mfc;
  r.menu = menu;
  r.compileErrors = errors;
  r.runtimeProblems = problems;
  r.externHeaders = ext;
  r.fixHits = virt;
  return r;
}

struct Edge {
  int page;
  GuideRoad road;
  int next;  // resolved; -1 = the page finishes
  int back;  // resolved; 0 = none
};

// Every branch of the page table, answers resolved through the sheet order.
const Edge kEdges[] = {
    {121, Road(0, true), 146, 0},
    {146, Road(2, false), 130, 121},
    {130, Road(0, true), 134, 146},
    {130, Road(0, false), 131, 146},
    {130, Road(1, true), 147, 146},
    {130, Road(2, false), 150, 146},
    {134, Road(0, true), 131, 130},
    {131, Road(0, true), 132, 130},
    {131, Road(0, false), 148, 130},
    {147, Road(1, true), 132, 130},
    {147, Road(1, false), 148, 130},
    {132, Road(0, true), 151, 131},
    {132, Road(1, true), 151, 147},
    {148, Road(0, false), 151, 131},
    {148, Road(1, false), 151, 147},
    {150, Road(2, false), 149, 130},
    {149, Road(2, false), 153, 150},
    {153, Road(2, false), 152, 149},
    {152, Road(2, false, true), 155, 153},
    {152, Road(2, false, false), 139, 153},
    {151, Road(1, true), 154, 132},
    {151, Road(1, false, true), 138, 148},
    {151, Road(1, false, false), 139, 148},
    {151, Road(0, true, true, false, false, true, true), 136, 132},
    {151, Road(0, true, true, false, false, false, true), 135, 132},
    {151, Road(0, true, true, false, false, false, false), 137, 132},
    {151, Road(0, false, true), 138, 148},
    {151, Road(0, false, false), 139, 148},
    {154, Road(1, true), 137, 151},
    {136, Road(0, true, true, false, false, true, true), 135, 151},
    {136, Road(0, true, true, false, false, true, false), 137, 151},
    {135, Road(0, true, true, false, false, true, true), 137, 136},
    {135, Road(0, true, true, false, false, false, true), 137, 151},
    {137, Road(0, true, true, true), 142, 151},
    {137, Road(0, true, true, false), 138, 151},
    {137, Road(1, true, true, false), 155, 154},
    {137, Road(0, true, false, false), 139, 151},
    {137, Road(0, true, true, false, false, false, true), 138, 135},
    {137, Road(0, true, true, false, false, true, true), 138, 135},
    {137, Road(0, true, true, false, false, true, false), 138, 136},
    {137, Road(1, true, true, false, false, true, true), 155, 154},
    {142, Road(0, true, true, true), 138, 137},
    {142, Road(1, true, true, true), 155, 137},
    {142, Road(0, true, false, true), 139, 137},
    {139, Road(0, true, false, true), 138, 142},
    {139, Road(0, true, false, false), 138, 137},
    {139, Road(0, false, false), 138, 151},
    {139, Road(1, true, false), 155, 151},
    {139, Road(2, false, false), 155, 152},
    {138, Road(0, true, true, true), 140, 142},
    {138, Road(0, true, true, false), 140, 137},
    {138, Road(0, true, false), 140, 139},
    {138, Road(0, false, true), 140, 151},
    {155, Road(2, false, true), 140, 152},
    {155, Road(1, true, true), 140, 151},
    {155, Road(2, false, false), 140, 139},
    {140, Road(2, false, true, false, true), 141, 138},
    {140, Road(2, false, true, false, false), 119, 138},
    {141, Road(0, true), 119, 140},
    {119, Road(0, true, true, false, true), -1, 141},
    {119, Road(0, true, true, false, false), -1, 140},
};

TEST(PageFlow, EveryBranchOfTheTable) {
  for (const Edge& e : kEdges) {
    SCOPED_TRACE("page " + std::to_string(e.page) + " ide " + std::to_string(e.road.ide));
    if (e.next != -1) {
      EXPECT_EQ(e.next, GuideResolvePage(e.page, GuideNextPage(e.page, e.road), true));
    }
    EXPECT_EQ(e.back, GuideResolvePage(e.page, GuideBackPage(e.page, e.road), false));
  }
}

TEST(PageFlow, EveryPageOfTheSheetLeadsToAPageOfTheSheet) {
  std::set<int> pages(kGuideSheetOrder, kGuideSheetOrder + kGuidePageCount);
  ASSERT_EQ(24u, pages.size());
  for (int bits = 0; bits < 64 * 3; ++bits) {
    GuideRoad r = Road(bits % 3, bits / 3 & 1, bits / 6 & 1, bits / 12 & 1, bits / 24 & 1, bits / 48 & 1, bits / 96 & 1);
    for (int page : kGuideSheetOrder) {
      int next = GuideResolvePage(page, GuideNextPage(page, r), true);
      int back = GuideResolvePage(page, GuideBackPage(page, r), false);
      if (page != 155 && page != 119) {
        EXPECT_EQ(1u, pages.count(next)) << page;
      }
      if (page != 121) {
        EXPECT_EQ(1u, pages.count(back)) << page;
      }
    }
  }
  EXPECT_EQ(0, GuideResolvePage(155, 0, true));
  EXPECT_EQ(0, GuideResolvePage(121, 0, false));
  EXPECT_EQ(0, GuideResolvePage(999, 0, true));
}

std::vector<int> WalkNext(const GuideRoad& r) {
  std::vector<int> road{121};
  while (road.back() != 119 && road.size() < 40) road.push_back(GuideResolvePage(road.back(), GuideNextPage(road.back(), r), true));
  return road;
}

std::vector<int> WalkBack(const GuideRoad& r) {
  std::vector<int> road{119};
  while (road.back() != 121 && road.back() != 0 && road.size() < 40)
    road.push_back(GuideResolvePage(road.back(), GuideBackPage(road.back(), r), false));
  return road;
}

TEST(PageFlow, ExampleRoads) {
  struct Case {
    const char* name;
    GuideRoad road;
    std::vector<int> forward;
    std::vector<int> backward;
  } cases[] = {
      {"Visual C++ with the framework, everything found and reported", Road(0, true, false, true, true, true, true),
       {121, 146, 130, 134, 131, 132, 151, 136, 135, 137, 142, 139, 138, 140, 141, 119},
       {119, 141, 140, 138, 139, 142, 137, 135, 136, 151, 132, 131, 130, 146, 121}},
      {"Visual C++ with the framework, nothing found", Road(0, true, true, false, false),
       {121, 146, 130, 134, 131, 132, 151, 137, 138, 140, 119},
       {119, 140, 138, 137, 151, 132, 131, 130, 146, 121}},
      {"Visual C++ without the framework", Road(0, false, true, false, false),
       {121, 146, 130, 131, 148, 151, 138, 140, 119},
       {119, 140, 138, 151, 148, 131, 130, 146, 121}},
      {"other C++ with the framework", Road(1, true, true, true, true),
       {121, 146, 130, 147, 132, 151, 154, 137, 142, 155, 140, 141, 119},
       {119, 141, 140, 138, 151, 132, 147, 130, 146, 121}},
      {"other environment with a menu", Road(2, false, true, false, true),
       {121, 146, 130, 150, 149, 153, 152, 155, 140, 141, 119},
       {119, 141, 140, 138, 152, 153, 149, 150, 130, 146, 121}},
      {"other environment without a menu", Road(2, false, false, false, false),
       {121, 146, 130, 150, 149, 153, 152, 139, 155, 140, 119},
       {119, 140, 138, 139, 152, 153, 149, 150, 130, 146, 121}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.forward, WalkNext(c.road));
    EXPECT_EQ(c.backward, WalkBack(c.road));
  }
}

TEST(PageFlow, ButtonsOnActivation) {
  CIntegrationSettings s;
  s.LeaveIdePage(0, true);
  struct Case {
    int page;
    bool choice;
    int buttons;
  } cases[] = {
      {121, true, 2},  {146, false, 1}, {146, true, 3}, {137, false, 1}, {137, true, 3}, {140, false, 1},
      {140, true, 3},  {134, true, 0},  {119, false, 7}, {131, false, 3}, {155, false, 3}, {151, false, 3},
  };
  for (const Case& c : cases) EXPECT_EQ(c.buttons, GuideActivationButtons(c.page, s, c.choice)) << c.page;

  // The options page waits for a chosen project only for Visual C++ with the framework.
  EXPECT_EQ(1, GuideActivationButtons(130, s, false));
  s.m_projectPath = _T("C:\\Src\\Demo\\Demo.dsp");
  EXPECT_EQ(3, GuideActivationButtons(130, s, false));
  s.m_projectPath.Empty();
  s.LeaveIdePage(0, false);
  EXPECT_EQ(3, GuideActivationButtons(130, s, false));
  s.LeaveIdePage(1, true);
  EXPECT_EQ(3, GuideActivationButtons(130, s, false));
}

TEST(PageFlow, ScanPageKeepsBackAfterAFailure) {
  EXPECT_EQ(3, GuideScanDoneButtons(true));
  EXPECT_EQ(1, GuideScanDoneButtons(false));
}

TEST(PageFlow, RoadOfSettingsWithoutAnalyserFindsNothing) {
  CIntegrationSettings s;
  s.LeaveIdePage(0, true);
  s.m_menu = false;
  s.m_compileErrors = false;
  s.m_runtimeProblems = false;
  GuideRoad r = GuideRoadOf(s);
  EXPECT_EQ(0, r.ide);
  EXPECT_TRUE(r.mfc);
  EXPECT_FALSE(r.menu);
  EXPECT_FALSE(r.compileErrors);
  EXPECT_FALSE(r.runtimeProblems);
  EXPECT_FALSE(r.externHeaders);
  EXPECT_FALSE(r.fixHits);
  EXPECT_EQ(137, GuideNextPage(151, r));
}

}  // namespace

namespace {

TEST(PageControls, EnvironmentPage) {
  struct Case {
    int radio;
    bool frameworkEnabled, integrateShown;
  } cases[] = {{-1, true, false}, {0, true, true}, {1, true, false}, {2, false, false}};
  for (const Case& c : cases) {
    GuideIdePageControls controls = GuideIdePageControlsFor(c.radio);
    EXPECT_EQ(c.frameworkEnabled, controls.frameworkEnabled) << c.radio;
    EXPECT_EQ(c.integrateShown, controls.integrateShown) << c.radio;
  }
}

TEST(PageControls, OptionsPage) {
  struct Case {
    int radio;
    bool checked, projectShown, preprocessorShown;
  } cases[] = {{0, true, true, true}, {0, false, false, true}, {1, true, false, true}, {2, true, false, false}};
  for (const Case& c : cases) {
    CIntegrationSettings s;
    s.LeaveIdePage(c.radio, c.checked);
    GuideOptionsPageControls controls = GuideOptionsPageControlsFor(s);
    EXPECT_EQ(c.projectShown, controls.projectShown) << c.radio;
    EXPECT_EQ(c.preprocessorShown, controls.preprocessorShown) << c.radio;
  }
}

}  // namespace
