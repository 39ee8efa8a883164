// The toolbar's non-client part: orientation, the client rectangle inside
// borders and gripper, and the gripper's lines.
#include "ToolBarFrame.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolBarFrame, OrientationFollowsDockingAndFloating) {
  struct Case {
    bool floating, dynamicSize, vertical;
    ZweiOrientation orientation;
  } cases[] = {
      {false, false, false, ZWEI_DOCKED_HORIZONTAL}, {false, true, false, ZWEI_DOCKED_HORIZONTAL},
      {false, false, true, ZWEI_DOCKED_VERTICAL},    {false, true, true, ZWEI_DOCKED_VERTICAL},
      {true, true, false, ZWEI_FLOATING_HORIZONTAL}, {true, true, true, ZWEI_FLOATING_VERTICAL},
      {true, false, false, ZWEI_DOCKED_HORIZONTAL},  {true, false, true, ZWEI_DOCKED_VERTICAL},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.orientation, ZweiOrientationOf(c.floating, c.dynamicSize, c.vertical))
        << c.floating << c.dynamicSize << c.vertical;
}

TEST(ToolBarFrame, InsideRectLeavesRoomForBordersAndGripper) {
  const RECT window{0, 0, 600, 32};
  struct Case {
    ZweiOrientation orientation;
    bool gripper;
    RECT inside;
  } cases[] = {
      {ZWEI_DOCKED_HORIZONTAL, true, {10, 0, 598, 30}},
      {ZWEI_DOCKED_HORIZONTAL, false, {2, 0, 598, 30}},
      {ZWEI_DOCKED_VERTICAL, true, {2, 8, 598, 50}},
      {ZWEI_DOCKED_VERTICAL, false, {2, 0, 598, 50}},
      {ZWEI_FLOATING_HORIZONTAL, true, {2, 0, 598, 30}},  // a floating bar has no gripper
      {ZWEI_FLOATING_VERTICAL, true, {2, 0, 598, 50}},
  };
  for (const Case& c : cases) {
    const RECT r = ZweiInsideRect(window, c.orientation, c.gripper);
    EXPECT_EQ(c.inside.left, r.left) << c.orientation << c.gripper;
    EXPECT_EQ(c.inside.top, r.top) << c.orientation << c.gripper;
    EXPECT_EQ(c.inside.right, r.right) << c.orientation << c.gripper;
    EXPECT_EQ(c.inside.bottom, r.bottom) << c.orientation << c.gripper;
  }
}

TEST(ToolBarFrame, InsideRectOfATinyBarIsEmptyNotInverted) {
  const RECT r = ZweiInsideRect(RECT{0, 0, 5, 1}, ZWEI_DOCKED_HORIZONTAL, true);
  EXPECT_EQ(r.left, r.right);
  EXPECT_EQ(r.top, r.bottom);
}

TEST(ToolBarFrame, GripperOfAHorizontalBarStandsUpright) {
  const std::vector<ZweiLine> lines = ZweiGripperLines(RECT{0, 0, 600, 32}, ZWEI_DOCKED_HORIZONTAL);
  ASSERT_EQ(4u, lines.size());
  const struct {
    int x1, y1, x2, y2;
    COLORREF color;
  } expected[] = {
      {4, 4, 4, 27, RGB(224, 224, 224)},
      {5, 4, 5, 27, RGB(224, 224, 224)},
      {6, 4, 6, 28, RGB(100, 100, 100)},
      {6, 28, 4, 28, RGB(100, 100, 100)},  // turns left to x + 5
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(expected[i].x1, lines[i].from.x) << i;
    EXPECT_EQ(expected[i].y1, lines[i].from.y) << i;
    EXPECT_EQ(expected[i].x2, lines[i].to.x) << i;
    EXPECT_EQ(expected[i].y2, lines[i].to.y) << i;
    EXPECT_EQ(expected[i].color, lines[i].color) << i;
  }
}

TEST(ToolBarFrame, GripperOfAVerticalBarLiesAcrossItsTop) {
  const std::vector<ZweiLine> lines = ZweiGripperLines(RECT{0, 0, 40, 500}, ZWEI_DOCKED_VERTICAL);
  ASSERT_EQ(4u, lines.size());
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(lines[i].from.y, lines[i].to.y) << i;  // horizontal
    EXPECT_EQ(static_cast<LONG>(3 + i), lines[i].from.y) << i;
    EXPECT_EQ(4, lines[i].from.x) << i;
  }
  EXPECT_EQ(35, lines[0].to.x);
  EXPECT_EQ(36, lines[2].to.x);
  EXPECT_EQ(lines[3].from.x, lines[3].to.x);  // the turn
  EXPECT_EQ(RGB(100, 100, 100), lines[3].color);
}

TEST(ToolBarFrame, FloatingBarsHaveNoGripper) {
  EXPECT_TRUE(ZweiGripperLines(RECT{0, 0, 100, 40}, ZWEI_FLOATING_HORIZONTAL).empty());
  EXPECT_TRUE(ZweiGripperLines(RECT{0, 0, 40, 100}, ZWEI_FLOATING_VERTICAL).empty());
}

// The erase fills the border bands widened by 5 pixels: a frame reaching 5
// pixels into the client and 5 beyond the window, leaving the middle alone.
TEST(ToolBarFrame, EraseBandsFrameTheClientFiveBeyondEachBorder) {
  const RECT window{-10, 0, 602, 30};  // gripper band at the left, client 0..592 x 0..30
  const RECT client{0, 0, 592, 30};
  const std::vector<RECT> bands = ZweiEraseBands(window, client);
  ASSERT_EQ(4u, bands.size());
  const RECT expected[] = {
      {-15, -5, 607, 5},   // top
      {-15, 25, 607, 35},  // bottom
      {-15, -5, 5, 35},    // left, over the gripper band and 5 into the client
      {587, -5, 607, 35},  // right
  };
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(expected[i].left, bands[i].left) << i;
    EXPECT_EQ(expected[i].top, bands[i].top) << i;
    EXPECT_EQ(expected[i].right, bands[i].right) << i;
    EXPECT_EQ(expected[i].bottom, bands[i].bottom) << i;
  }
  auto covered = [&](int x, int y) {
    for (const RECT& r : bands)
      if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    return false;
  };
  EXPECT_TRUE(covered(0, 15));
  EXPECT_TRUE(covered(4, 15));
  EXPECT_FALSE(covered(5, 15)) << "the buttons' part stays";
  EXPECT_FALSE(covered(300, 5));
  EXPECT_TRUE(covered(300, 4));
  EXPECT_TRUE(covered(591, 29));
}

// A vertical bar's client reaches 18 pixels past its window's bottom: the
// bottom band is still 5 pixels into what shows of the client.
TEST(ToolBarFrame, EraseBandsFollowAClientPastTheWindow) {
  const RECT client{0, 0, 36, 600};
  const RECT window{-2, -8, 38, 582};
  const std::vector<RECT> bands = ZweiEraseBands(window, client);
  ASSERT_EQ(4u, bands.size());
  EXPECT_EQ(577, bands[1].top);
  EXPECT_EQ(605, bands[1].bottom);
  EXPECT_EQ(-13, bands[0].top);
  EXPECT_EQ(5, bands[0].bottom);
  for (const RECT& r : bands) {
    EXPECT_LE(r.left, r.right);
    EXPECT_LE(r.top, r.bottom);
  }
}

TEST(ToolBarFrame, EraseBandsOfATinyClientCoverItAllWithoutInversion) {
  const RECT client{0, 0, 6, 4};
  const std::vector<RECT> bands = ZweiEraseBands(RECT{-2, -2, 8, 6}, client);
  for (const RECT& r : bands) {
    EXPECT_LE(r.left, r.right);
    EXPECT_LE(r.top, r.bottom);
  }
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) {
      bool covered = false;
      for (const RECT& r : bands) covered = covered || (x >= r.left && x < r.right && y >= r.top && y < r.bottom);
      EXPECT_TRUE(covered) << x << "," << y;
    }
}

}  // namespace
