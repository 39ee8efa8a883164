// Text items: what segments give back, how they measure and draw, and the
// placeholder cells.
#include "HeadlessView.h"
#include "TextBlock.h"
#include "TextFonts.h"

#include <gtest/gtest.h>

namespace {

struct Fixture {
  CHeadlessView view;
  CTraNode node{nullptr, _T("x"), _T("x"), TRA_STRING};
  CTextBlock block{&node, nullptr, &view};
};

TEST(TextSegment, GivesBackPercentDoubledOnlyInFormatTextsAndItsCarriageReturn) {
  Fixture f;
  struct Case {
    const TCHAR* text;
    bool format;
    bool cr;
    const TCHAR* expected;
  } cases[] = {
      {_T("50% mehr"), true, false, _T("50%% mehr")},
      {_T("50% mehr"), false, false, _T("50% mehr")},
      {_T("Zeile"), false, true, _T("Zeile\r")},
      {_T("%"), true, true, _T("%%\r")},
      {_T(""), false, false, _T("")},
  };
  for (const Case& c : cases) {
    CTextSegment segment(c.text, 0, &f.block, false, true, c.cr);
    segment.m_bFormat = c.format;
    EXPECT_EQ(CString(c.expected), segment.GetText()) << c.text;
  }
}

TEST(TextSegment, EmptySegmentKeepsTheWidthOfAnXAndAFullLine) {
  Fixture f;
  CTextSegment empty(_T(""), 0, &f.block, false, true, false);
  CSize size = empty.Layout(f.view.m_device, 50, 5);
  EXPECT_EQ(CFixedPitchDevice::kCharWidth, size.cx);
  EXPECT_EQ(CFixedPitchDevice::kTextHeight, size.cy);
  EXPECT_EQ(50, empty.m_rect.left);
  EXPECT_EQ(50 + CFixedPitchDevice::kCharWidth, empty.m_rect.right);
  EXPECT_EQ(5 + CFixedPitchDevice::kTextHeight, empty.m_rect.bottom);

  CTextSegment tabbed(_T("a\tb"), 0, &f.block, true, true, false);
  size = tabbed.Layout(f.view.m_device, 0, 0);
  EXPECT_EQ(28 + CFixedPitchDevice::kCharWidth, size.cx);  // tab stop of the view's width
  EXPECT_EQ(CFixedPitchDevice::kOverlayHeight, size.cy);
}

TEST(TextSegment, HitTestExcludesRightAndBottomEdgesAndAnEditedSegmentIsNotDrawn) {
  Fixture f;
  CTextSegment segment(_T("abc"), 0, &f.block, false, true, false);
  segment.Layout(f.view.m_device, 10, 10);
  EXPECT_TRUE(segment.HitTest(POINT{10, 10}));
  EXPECT_TRUE(segment.HitTest(POINT{30, 25}));
  EXPECT_FALSE(segment.HitTest(POINT{31, 10}));
  EXPECT_FALSE(segment.HitTest(POINT{10, 26}));

  segment.Draw(f.view.m_device, 0, 0);
  EXPECT_EQ(1, f.view.m_device.m_nTexts);
  EXPECT_EQ(2, f.view.m_device.m_nLines);  // the shadow
  segment.BeginEdit(&f.view.m_editor, 0, 0, -1);
  EXPECT_EQ(3, f.view.m_editor.m_nSelStart);
  segment.Draw(f.view.m_device, 0, 0);
  EXPECT_EQ(1, f.view.m_device.m_nTexts);
  segment.EndEdit();
  EXPECT_EQ(-10, f.view.m_editor.m_rect.left);
  EXPECT_EQ(nullptr, f.view.m_editor.m_pSegment);
}

TEST(PlaceholderItem, CellsByConversionLetterAndFixedSize) {
  const struct {
    TCHAR letter;
    int cell;
  } cells[] = {{'c', 3}, {'C', 3}, {'e', 2}, {'E', 2}, {'f', 2}, {'g', 2}, {'G', 2}, {'s', 4}, {'S', 4},
               {'x', 1}, {'X', 1}, {'o', 1}, {'p', 1}, {'d', 0}, {'i', 0}, {'u', 0}, {'F', 0}, {'n', 0}};
  for (const auto& c : cells) EXPECT_EQ(c.cell, CPlaceholderItem::CellForLetter(c.letter)) << char(c.letter);

  Fixture f;
  CPlaceholderItem item(_T("%5.2G"), 0, &f.block);
  CSize size = item.Layout(f.view.m_device, 60, 8);
  EXPECT_EQ(25, size.cx);
  EXPECT_EQ(15, size.cy);
  EXPECT_FALSE(item.HitTest(POINT{61, 9}));
  EXPECT_TRUE(item.IsFixed());
  item.Draw(f.view.m_device, 100, 200);
  EXPECT_EQ(DESK_STRIP_PLACEHOLDERS, f.view.m_device.m_lastStrip);
  EXPECT_EQ(2, f.view.m_device.m_nLastCell);
  EXPECT_EQ(160, f.view.m_device.m_lastCellAt.x);
  EXPECT_EQ(208, f.view.m_device.m_lastCellAt.y);
}

TEST(TextFonts, DefaultsOfBothRecords) {
  InitDefaultFonts();
  EXPECT_EQ(CString(_T("MS Sans Serif")), CString(g_TextFont.lfFaceName));
  EXPECT_EQ(-14, g_TextFont.lfHeight);
  EXPECT_EQ(0, g_TextFont.lfItalic);
  EXPECT_EQ(1, g_TextFont.lfOutPrecision);
  EXPECT_EQ(CString(_T("Arial")), CString(g_OverlayFont.lfFaceName));
  EXPECT_EQ(-12, g_OverlayFont.lfHeight);
  EXPECT_EQ(1, g_OverlayFont.lfItalic);
  EXPECT_EQ(3, g_OverlayFont.lfOutPrecision);
  EXPECT_EQ(34, g_OverlayFont.lfPitchAndFamily);
}

}  // namespace
