#include "Framework.h"

#include <gtest/gtest.h>

namespace {

using namespace lw;

TEST(ScrollMath, DefaultStepsAreTenthsAndNeverZero) {
  struct Case {
    int total, page, line;
    int expectPage, expectLine;
  } cases[] = {
      {1000, 0, 0, 100, 10}, {1000, 200, 0, 200, 20}, {1000, 0, 7, 100, 7},
      {5, 0, 0, 1, 1},       {0, 0, 0, 0, 0},         {-10, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    ScrollAxis axis = MakeScrollAxis(c.total, c.page, c.line);
    EXPECT_EQ(axis.page, c.expectPage) << c.total << " " << c.page;
    EXPECT_EQ(axis.line, c.expectLine) << c.total << " " << c.line;
  }
}

TEST(ScrollMath, TargetsStayWithinTheScrollableRange) {
  ScrollAxis axis = MakeScrollAxis(1000, 300, 20);  // client 400: limit 600
  struct Case {
    UINT code;
    int pos, thumb;
    int expected;
  } cases[] = {
      {kScrollLineDown, 0, 0, 20},     {kScrollLineUp, 10, 0, 0},        {kScrollLineDown, 590, 0, 600},
      {kScrollPageDown, 100, 0, 400},  {kScrollPageDown, 400, 0, 600},   {kScrollPageUp, 250, 0, 0},
      {kScrollTop, 333, 0, 0},         {kScrollBottom, 0, 0, 600},       {kScrollThumbTrack, 0, 123, 123},
      {kScrollThumbPosition, 0, 999, 600}, {kScrollThumbTrack, 50, -5, 0}, {kScrollEnd, 77, 0, 77},
      {kScrollEnd, 900, 0, 600},       {99, 42, 0, 42},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ScrollTarget(axis, 400, c.code, c.pos, c.thumb), c.expected) << c.code << " from " << c.pos;
}

TEST(ScrollMath, ADocumentThatFitsDoesNotScroll) {
  ScrollAxis axis = MakeScrollAxis(300, 0, 0);
  EXPECT_EQ(ScrollLimit(axis, 400), 0);
  EXPECT_EQ(ScrollLimit(axis, 300), 0);
  EXPECT_EQ(ScrollLimit(axis, 299), 1);
  EXPECT_EQ(ScrollLimit(axis, -3), 300);
  for (UINT code : {kScrollLineDown, kScrollPageDown, kScrollBottom, kScrollThumbTrack})
    EXPECT_EQ(ScrollTarget(axis, 400, code, 0, 50), 0) << code;
}

}  // namespace
