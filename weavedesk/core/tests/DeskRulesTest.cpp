// The in-place editor's width rule and the toolbar's button looks.
#include "ToolButtonState.h"
#include "TraLayout.h"
#include "TraNode.h"
#include "WidthRule.h"

#include <gtest/gtest.h>

namespace {

TEST(WidthRule, LimitInPixelsTruncatesEachDivision) {
  struct Case {
    int textWidth, limit, baseUnit;
    bool fits;
  } cases[] = {
      {154, 100, 8, true},   // 8 * 100 / 4 * 31 / 40 = 155
      {155, 100, 8, false},
      {0, 0, 8, false},
      {45, 10, 7, false},    // 7 * 10 / 4 = 17, * 31 = 527, / 40 = 13
      {12, 10, 7, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.fits, DeskFitsWidth(c.textWidth, c.limit, c.baseUnit)) << c.textWidth << " " << c.limit;
}

TEST(WidthRule, OnlyASizeOnlyLayoutLimitsTheText) {
  CTraNode plain(nullptr);
  EXPECT_EQ(9999, DeskWidthLimit(&plain));
  EXPECT_EQ(9999, DeskWidthLimit(nullptr));
  CTraNode sized(nullptr);
  sized.SetLayout(std::make_unique<CTraLayout>());
  sized.GetLayout()->SetSizeOnly(100, 14);
  EXPECT_EQ(100, DeskWidthLimit(&sized));
  CTraNode placed(nullptr);
  placed.SetLayout(std::make_unique<CTraLayout>());
  placed.GetLayout()->m_rcTranslated = RECT{10, 10, 60, 24};
  EXPECT_EQ(9999, DeskWidthLimit(&placed));
}

TEST(ToolButtonState, StatesLooksAndFrames) {
  struct Case {
    bool enabled, checked, pressed, hot;
    ZweiState state;
    int look;
    ZweiFrame frame;
  } cases[] = {
      {true, false, false, false, ZWEI_NORMAL, 2, ZWEI_FRAME_NONE},
      {true, false, false, true, ZWEI_HOT, 1, ZWEI_FRAME_RAISED},
      {true, false, true, true, ZWEI_PRESSED, 1, ZWEI_FRAME_SUNKEN},
      {true, false, true, false, ZWEI_PRESSED, 1, ZWEI_FRAME_SUNKEN},
      {true, true, false, false, ZWEI_CHECKED, 4, ZWEI_FRAME_SUNKEN},
      {true, true, false, true, ZWEI_PRESSED, 1, ZWEI_FRAME_SUNKEN},
      {false, true, true, true, ZWEI_DISABLED, 3, ZWEI_FRAME_NONE},
      {false, false, false, false, ZWEI_DISABLED, 3, ZWEI_FRAME_NONE},
  };
  for (const Case& c : cases) {
    const ZweiState state = ZweiButtonState(c.enabled, c.checked, c.pressed, c.hot);
    EXPECT_EQ(c.state, state);
    EXPECT_EQ(c.look, ZweiLook(state));
    EXPECT_EQ(c.frame, ZweiFrameOf(state));
  }
}

TEST(ToolButtonState, OnlyAButtonReleasedFromCheckedIsErased) {
  EXPECT_TRUE(ZweiNeedsErase(ZWEI_CHECKED, ZWEI_NORMAL));
  EXPECT_TRUE(ZweiNeedsErase(ZWEI_CHECKED, ZWEI_HOT));
  EXPECT_FALSE(ZweiNeedsErase(ZWEI_CHECKED, ZWEI_CHECKED));
  EXPECT_FALSE(ZweiNeedsErase(ZWEI_NEVER_DRAWN, ZWEI_NORMAL));
  EXPECT_FALSE(ZweiNeedsErase(ZWEI_HOT, ZWEI_NORMAL));
}

}  // namespace
