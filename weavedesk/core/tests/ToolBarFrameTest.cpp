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

}  // namespace
