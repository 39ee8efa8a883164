// The edit view's scroll model: proportional thumb, the capped range,
// scroll-bar requests, scrolling by pixels, making a block visible, and
// the page step of the blocks' Page Up/Down keys.
#include "DeskScroll.h"

#include "ScrollMath.h"

#include <gtest/gtest.h>

namespace {

CDeskScrollAxis Axis(int client, double total) {
  CDeskScrollAxis axis;
  axis.SetClient(client);
  axis.SetTotal(total);
  axis.Update(false);
  return axis;
}

TEST(DeskScroll, RangeStepsAndPositionFollowTheThumb) {
  CDeskScrollAxis axis = Axis(400, 2000.0);
  EXPECT_EQ(2000, axis.GetRange());
  EXPECT_EQ(40, axis.GetLineStep());   // 0.1 * (400 / 2000) * 2000
  EXPECT_EQ(360, axis.GetPageStep());  // 0.9 * (400 / 2000) * 2000
  EXPECT_EQ(0, axis.GetOffset());
  EXPECT_EQ(0, axis.Scroll(lw::kScrollTop, 0));
}

TEST(DeskScroll, RequestsMoveWithinTheScrollablePart) {
  struct Case {
    UINT code;
    int thumb;
    int offset;
  } cases[] = {
      {lw::kScrollLineDown, 0, 40},  {lw::kScrollPageDown, 0, 360}, {lw::kScrollBottom, 0, 1600},
      {lw::kScrollThumbTrack, 800, 800}, {lw::kScrollThumbPosition, 5000, 1600}, {lw::kScrollLineUp, 0, 0},
      {lw::kScrollPageUp, 0, 0},     {lw::kScrollTop, 0, 0},
  };
  for (const Case& c : cases) {
    CDeskScrollAxis axis = Axis(400, 2000.0);
    axis.Scroll(c.code, c.thumb);
    EXPECT_EQ(c.offset, axis.GetOffset()) << "code " << c.code;
  }
}

TEST(DeskScroll, ScrollReturnsTheChangeOfTheOffset) {
  CDeskScrollAxis axis = Axis(400, 2000.0);
  EXPECT_EQ(-360, axis.Scroll(lw::kScrollPageDown, 0));
  EXPECT_EQ(360, axis.Scroll(lw::kScrollPageUp, 0));
  EXPECT_EQ(0, axis.Scroll(lw::kScrollEnd, 0));
}

TEST(DeskScroll, ADocumentThatFitsNeverScrolls) {
  for (double total : {0.0, 100.0, 399.0, 400.0}) {
    CDeskScrollAxis axis = Axis(400, total);
    EXPECT_EQ(0, axis.ScrollByPixels(500)) << total;
    EXPECT_EQ(0, axis.Scroll(lw::kScrollBottom, 0)) << total;
    axis.MakeVisible(300, 50);
    axis.Update(true);
    EXPECT_EQ(0, axis.GetOffset()) << total;
    EXPECT_EQ(0, axis.GetPosition()) << total;
  }
}

TEST(DeskScroll, ScrollByPixelsStaysWithinTheDocument) {
  CDeskScrollAxis axis = Axis(400, 2000.0);
  axis.ScrollByPixels(1000000);
  EXPECT_EQ(1600, axis.GetOffset());
  axis.ScrollByPixels(-1000000);
  EXPECT_EQ(0, axis.GetOffset());
  EXPECT_LT(axis.ScrollByPixels(200), 0);
}

TEST(DeskScroll, MakeVisibleClampsItsOffset) {
  struct Case {
    int top, height, expected;
  } cases[] = {
      {10, 40, 0},       // near the top: 10 - 30 would be negative
      {1000, 40, 970},   // 30 pixels above the block
      {1990, 40, 1600},  // near the end: no more than total - client
      {100, 40, 0},      // already visible: stays
  };
  for (const Case& c : cases) {
    CDeskScrollAxis axis = Axis(400, 2000.0);
    axis.MakeVisible(c.top, c.height);
    axis.Update(true);
    EXPECT_EQ(c.expected, axis.GetOffset()) << c.top;
  }
}

TEST(DeskScroll, TallDocumentsScrollOverTheCappedRange) {
  CDeskScrollAxis axis = Axis(500, 100000.0);
  EXPECT_EQ(CDeskScrollAxis::kMaxRange, axis.GetRange());
  axis.Scroll(lw::kScrollBottom, 0);
  EXPECT_EQ(99500, axis.GetOffset());
  axis.Scroll(lw::kScrollThumbTrack, (CDeskScrollAxis::kMaxRange - 500) / 2);
  EXPECT_NEAR(49750, axis.GetOffset(), 10);
}

TEST(DeskScroll, ANewTotalKeepsThePixelOffsetWhileBothExceedTheWindow) {
  CDeskScrollAxis axis = Axis(400, 2000.0);
  axis.Scroll(lw::kScrollThumbTrack, 800);
  axis.SetTotal(3000.0);
  axis.Update(false);
  EXPECT_NEAR(800, axis.GetOffset(), 1);
  axis.SetTotal(300.0);
  axis.Update(false);
  EXPECT_EQ(0, axis.GetOffset());
}

TEST(DeskScroll, PageStepsAlwaysMoveInTheKeysDirection) {
  struct Case {
    int visible, up, down;
  } cases[] = {
      {12, -10, 9}, {5, -3, 2}, {3, -1, 1}, {2, -1, 1}, {1, -1, 1}, {0, -1, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.up, DeskPageStep(true, c.visible)) << c.visible;
    EXPECT_EQ(c.down, DeskPageStep(false, c.visible)) << c.visible;
  }
}

TEST(DeskScroll, BarShowsRangePageAndPositionOnlyWhenTheDocumentScrolls) {
  struct Case {
    int client;
    double total;
    UINT code;
    DeskBarInfo bar;
  } cases[] = {
      {400, 300.0, lw::kScrollBottom, {0, 0, 0}},
      {400, 400.0, lw::kScrollBottom, {0, 0, 0}},
      {400, 2000.0, lw::kScrollTop, {1999, 400, 0}},
      {400, 2000.0, lw::kScrollPageDown, {1999, 400, 360}},
      {400, 2000.0, lw::kScrollBottom, {1999, 400, 1600}},
      {400, 100000.0, lw::kScrollBottom, {16383, 400, 15984}},
  };
  for (const Case& c : cases) {
    CDeskScrollAxis axis = Axis(c.client, c.total);
    axis.Scroll(c.code, 0);
    const DeskBarInfo bar = DeskBarOf(axis);
    EXPECT_EQ(c.bar.max, bar.max) << c.total << " code " << c.code;
    EXPECT_EQ(c.bar.page, bar.page) << c.total << " code " << c.code;
    EXPECT_EQ(c.bar.pos, bar.pos) << c.total << " code " << c.code;
  }
}

TEST(DeskScroll, BarCacheAsksForASetOnlyWhenTheBarChanged) {
  CDeskBarCache cache;
  const DeskBarInfo first{1999, 400, 0};
  EXPECT_TRUE(cache.Changed(first));  // never set
  EXPECT_FALSE(cache.Changed(first));
  EXPECT_TRUE(cache.Changed(DeskBarInfo{1999, 400, 360}));
  EXPECT_TRUE(cache.Changed(DeskBarInfo{1999, 300, 360}));
  EXPECT_TRUE(cache.Changed(DeskBarInfo{2999, 300, 360}));
  EXPECT_FALSE(cache.Changed(DeskBarInfo{2999, 300, 360}));
  cache.Forget();
  EXPECT_TRUE(cache.Changed(DeskBarInfo{2999, 300, 360}));
  CDeskBarCache empty;
  EXPECT_TRUE(empty.Changed(DeskBarInfo{}));  // an empty bar is set once too
}

// Wheel notches scroll lines (or a page) the right way; part-notches of a
// touchpad add up, and turning back cancels what they had gathered.
TEST(DeskScroll, WheelScrollsLinesPerNotchAndGathersPartNotches) {
  struct Case {
    const char* what;
    std::vector<int> deltas;
    int linesPerNotch;
    std::vector<int> pixels;
  } cases[] = {
      {"one notch down", {-120}, 3, {48}},
      {"two notches up", {240}, 3, {-96}},
      {"page per notch", {-120}, -1, {300}},
      {"no scrolling", {-120}, 0, {0}},
      {"part-notches", {-40, -40, -40, -40}, 3, {0, 0, 48, 0}},
      {"back and forth", {-60, 60, -60}, 1, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CDeskWheel wheel;
    std::vector<int> pixels;
    for (int delta : c.deltas) pixels.push_back(wheel.Pixels(delta, c.linesPerNotch, 16, 300));
    EXPECT_EQ(c.pixels, pixels);
  }
}

}  // namespace
