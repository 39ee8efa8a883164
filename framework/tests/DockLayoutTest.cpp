#include "Framework.h"

#include <gtest/gtest.h>

namespace {

using namespace lw;

bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A 600 x 400 area at (100, 50); reach 30.
TEST(DockLayout, DragPointsDockToTheNearestAllowedEdgeOrFloat) {
  const RECT area{100, 50, 700, 450};
  struct Case {
    const char* what;
    POINT point;
    DWORD allowed;
    DockSide expected;
  } cases[] = {
      {"just inside the top", {400, 55}, kDockAnySide, kDockTop},
      {"above the top, within reach", {400, 25}, kDockAnySide, kDockTop},
      {"too far above", {400, 19}, kDockAnySide, kDockFloat},
      {"just inside the bottom", {400, 445}, kDockAnySide, kDockBottom},
      {"below the bottom, within reach", {400, 470}, kDockAnySide, kDockBottom},
      {"left edge", {110, 250}, kDockAnySide, kDockLeft},
      {"right edge", {690, 250}, kDockAnySide, kDockRight},
      {"right of the right edge", {725, 250}, kDockAnySide, kDockRight},
      {"the middle", {400, 250}, kDockAnySide, kDockFloat},
      {"reach ends inside", {400, 80}, kDockAnySide, kDockFloat},
      {"top-left corner: nearer the left", {103, 60}, kDockAnySide, kDockLeft},
      {"top-left corner: nearer the top", {112, 52}, kDockAnySide, kDockTop},
      {"tie goes to the top", {105, 55}, kDockAnySide, kDockTop},
      {"top not allowed: left", {105, 55}, kDockAnySide & ~DockSideBit(kDockTop), kDockLeft},
      {"nothing allowed", {400, 55}, 0, kDockFloat},
      {"beside the area's span", {40, 55}, kDockAnySide, kDockFloat},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, DockSideAt(area, c.point, c.allowed, 30)) << c.what;
}

// A bar docked at the left whose grip lies near the top-left corner stays
// at the left while the point is within reach of it.
TEST(DockLayout, TheCurrentSideHoldsTheBarWithinReach) {
  const RECT area{100, 50, 700, 450};
  const POINT nearCorner{110, 54};
  EXPECT_EQ(kDockTop, DockSideAt(area, nearCorner, kDockAnySide, 30));
  EXPECT_EQ(kDockLeft, DockSideAt(area, nearCorner, kDockAnySide, 30, kDockLeft));
  EXPECT_EQ(kDockTop, DockSideAt(area, POINT{140, 54}, kDockAnySide, 30, kDockLeft)) << "out of the left's reach";
  EXPECT_EQ(kDockTop, DockSideAt(area, nearCorner, kDockAnySide & ~DockSideBit(kDockLeft), 30, kDockLeft))
      << "a side no longer allowed holds nothing";
}

TEST(DockLayout, TopAndBottomSpanTheWidthLeftAndRightTheRest) {
  const RECT area{0, 30, 600, 430};
  const int thickness[kDockSides] = {34, 20, 40, 10};
  const DockFrameLayout layout = LayoutDockBars(area, thickness);
  EXPECT_TRUE(Same(RECT{0, 30, 600, 64}, layout.bars[kDockTop]));
  EXPECT_TRUE(Same(RECT{0, 410, 600, 430}, layout.bars[kDockBottom]));
  EXPECT_TRUE(Same(RECT{0, 64, 40, 410}, layout.bars[kDockLeft]));
  EXPECT_TRUE(Same(RECT{590, 64, 600, 410}, layout.bars[kDockRight]));
  EXPECT_TRUE(Same(RECT{40, 64, 590, 410}, layout.pane));
}

TEST(DockLayout, EmptySidesTakeNothingAndOversizedOnesAreCut) {
  struct Case {
    const char* what;
    RECT area;
    int thickness[kDockSides];
    RECT pane;
    RECT bottom;
  } cases[] = {
      {"no bars", {0, 0, 300, 200}, {0, 0, 0, 0}, {0, 0, 300, 200}, {0, 200, 300, 200}},
      {"top fills all", {0, 0, 300, 200}, {500, 30, 0, 0}, {0, 200, 300, 200}, {0, 200, 300, 200}},
      {"bottom cut to the rest", {0, 0, 300, 200}, {150, 80, 0, 0}, {0, 150, 300, 150}, {0, 150, 300, 200}},
      {"sides cut", {0, 0, 100, 200}, {0, 0, 70, 70}, {70, 0, 70, 200}, {0, 200, 100, 200}},
      {"inverted area", {0, 0, -5, -5}, {10, 10, 10, 10}, {0, 0, 0, 0}, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const DockFrameLayout layout = LayoutDockBars(c.area, c.thickness);
    EXPECT_TRUE(Same(c.pane, layout.pane)) << c.what;
    EXPECT_TRUE(Same(c.bottom, layout.bars[kDockBottom])) << c.what;
    for (const RECT& bar : layout.bars) {
      EXPECT_LE(bar.left, bar.right) << c.what;
      EXPECT_LE(bar.top, bar.bottom) << c.what;
    }
  }
}

TEST(DockLayout, DragRectangleShowsWhereTheBarWouldGo) {
  const RECT area{100, 50, 700, 450};
  const DockBarSizes sizes{{500, 34}, {34, 380}, {508, 52}};
  const POINT point{300, 200};
  const POINT grab{5, 10};
  struct Case {
    DockSide side;
    RECT expected;
  } cases[] = {
      {kDockTop, {100, 50, 600, 84}},
      {kDockBottom, {100, 416, 600, 450}},
      {kDockLeft, {100, 50, 134, 430}},
      {kDockRight, {666, 50, 700, 430}},
      {kDockFloat, {295, 190, 803, 242}},
  };
  for (const Case& c : cases)
    EXPECT_TRUE(Same(c.expected, DockDragRect(area, c.side, point, grab, sizes))) << c.side;
}

TEST(DockLayout, PlaceRemembersTheLastSideAndTheLastFloatingPosition) {
  DockPlace place;
  EXPECT_EQ(kDockFloat, DockToggleTarget(place));
  EXPECT_FALSE(place.floatedBefore);

  place = DockMoved(place, kDockLeft, POINT{0, 0});
  EXPECT_EQ(kDockLeft, place.side);
  EXPECT_EQ(kDockLeft, place.lastDocked);
  EXPECT_FALSE(place.floatedBefore) << "docking is no floating position";

  place = DockMoved(place, kDockFloat, POINT{220, 130});
  EXPECT_EQ(kDockFloat, place.side);
  EXPECT_EQ(kDockLeft, place.lastDocked) << "floating keeps the side to go back to";
  EXPECT_TRUE(place.floatedBefore);
  EXPECT_EQ(220, place.floatAt.x);
  EXPECT_EQ(130, place.floatAt.y);
  EXPECT_EQ(kDockLeft, DockToggleTarget(place));

  place = DockMoved(place, kDockBottom, POINT{0, 0});
  EXPECT_EQ(kDockBottom, place.lastDocked);
  EXPECT_EQ(220, place.floatAt.x) << "docking keeps the floating position";
  EXPECT_EQ(kDockFloat, DockToggleTarget(place));
}

TEST(DockLayout, OnlyLeftAndRightAreVertical) {
  EXPECT_FALSE(DockIsVertical(kDockTop));
  EXPECT_FALSE(DockIsVertical(kDockBottom));
  EXPECT_TRUE(DockIsVertical(kDockLeft));
  EXPECT_TRUE(DockIsVertical(kDockRight));
  EXPECT_FALSE(DockIsVertical(kDockFloat));
}

}  // namespace
