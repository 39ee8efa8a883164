// Splitting node texts into items, joining them back, layout and drawing.
#include "HeadlessView.h"

#include <gtest/gtest.h>

namespace {

// Items as "S:text" and "P:conversion", each with its line, e.g. "S0:a".
CString Describe(const CTextBlock& block) {
  CString out;
  for (int i = 0; i < block.GetItemCount(); ++i) {
    const CTextItem* item = block.GetItem(i);
    CString one;
    one.Format(_T("%s%d:%s|"), item->IsFixed() ? _T("P") : _T("S"), item->m_nLine, item->m_strText.GetString());
    out += one;
  }
  return out;
}

TEST(TextBlockSplit, ConversionsSegmentsAndLinesRoundTrip) {
  struct Case {
    const TCHAR* text;
    const TCHAR* items;
    bool format;
  } cases[] = {
      {_T(""), _T("S0:|"), false},
      {_T("Fertig"), _T("S0:Fertig|"), false},
      {_T("a\nb"), _T("S0:a|S1:b|"), false},
      {_T("a\r\nb"), _T("S0:a|S1:b|"), false},
      {_T("%d%%"), _T("S0:|P0:%d|S0:%|"), true},
      {_T("%5.2f"), _T("S0:|P0:%5.2f|S0:|"), true},
      {_T("%ld"), _T("S0:|P0:%ld|S0:|"), true},
      {_T("%1"), _T("S0:|P0:%1|S0:|"), true},
      {_T("%12"), _T("S0:|P0:%1|S0:2|"), true},
      {_T("%I64d"), _T("S0:|P0:%I|S0:64d|"), true},
      {_T("50% off"), _T("S0:50|P0:% o|S0:ff|"), true},
      {_T("50%!"), _T("S0:50%!|"), false},
      {_T("%lq"), _T("S0:%lq|"), false},
      {_T("%Y-%m-%d %H:%M"), _T("S0:|P0:%Y|S0:-|P0:%m|S0:-|P0:%d|S0: |P0:%H|S0::|P0:%M|S0:|"), true},
      {_T("Datei %s\nnicht %-8.3s da"), _T("S0:Datei |P0:%s|S0:|S1:nicht |P1:%-8.3s|S1: da|"), true},
  };
  for (const Case& c : cases) {
    CHeadlessView view;
    CTraNode node(nullptr, _T("o"), c.text, TRA_STRING);
    CTextBlock block(&node, nullptr, &view);
    EXPECT_EQ(CString(c.items), Describe(block)) << c.text;
    for (int i = 0; i < block.GetItemCount(); ++i) EXPECT_EQ(c.format, block.GetItem(i)->m_bFormat) << c.text;
    EXPECT_EQ(CString(c.text), block.GetText()) << c.text;
  }
}

TEST(TextBlockSplit, CarriageReturnIsKeptOnTheSegmentAndLineCountFollowsTheLastItem) {
  CHeadlessView view;
  CTraNode node(nullptr, _T("o"), _T("eins\r\nzwei\r\ndrei"), TRA_STRING);
  CTextBlock block(&node, nullptr, &view);
  ASSERT_EQ(3, block.GetItemCount());
  EXPECT_TRUE(static_cast<CTextSegment*>(block.GetItem(0))->m_bTrailingCr);
  EXPECT_FALSE(static_cast<CTextSegment*>(block.GetItem(2))->m_bTrailingCr);
  EXPECT_EQ(3, block.GetLineCount());
  EXPECT_EQ(3, block.GetLineCountAtSplit());
}

TEST(TextBlock, FreeWidthByNodeKind) {
  for (int kind : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 21, 30, 99}) EXPECT_TRUE(CTextBlock::IsFreeWidthKind(kind)) << kind;
  for (int kind : {2, 22, 23, 24, 25, 26, 27, 28, 29, 41}) EXPECT_FALSE(CTextBlock::IsFreeWidthKind(kind)) << kind;
}

TEST(TextBlock, LayoutPlacesOverlayLinesAboveTheTextAndSizesTheBlock) {
  CHeadlessView view;
  CTraNode node(nullptr, _T("o"), _T("ab %d\ncdef"), TRA_STRING);
  CTraNode overlay(nullptr, _T("o"), _T("Hello"), TRA_STRING);
  CTextBlock block(&node, &overlay, &view);
  const int height = block.Layout(view.m_device);
  const int w = CFixedPitchDevice::kCharWidth;
  // Overlay line at y 5 (14 high), then the gap of 3: text lines at 22 and 38.
  EXPECT_EQ(5, block.GetOverlayItem(0)->m_rect.top);
  EXPECT_EQ(50, block.GetItem(0)->m_rect.left);
  EXPECT_EQ(22, block.GetItem(0)->m_rect.top);
  EXPECT_EQ(50 + 3 * w, block.GetItem(1)->m_rect.left);  // the placeholder after "ab "
  EXPECT_EQ(38, block.GetItem(3)->m_rect.top);
  EXPECT_EQ(5 + 2 * ((38 + 16) / 2), height);
  EXPECT_EQ(50 + 3 * w + 25 + w + 20, block.GetRect().right);  // widest line + right margin
  // Overlay lines never take the point; text items do.
  EXPECT_FALSE(block.HitTest(55, 8));
  EXPECT_TRUE(block.HitTest(55, 25));
  EXPECT_FALSE(block.HitTest(50 + 3 * w + 2, 25));  // on the placeholder
  EXPECT_TRUE(block.HitTestBox(5, height / 2));
  EXPECT_FALSE(block.HitTestBox(11, height / 2));
}

TEST(TextBlock, DrawsBoxAndIconCellsByChildrenStateAndKind) {
  CHeadlessView view;
  CTraNode root(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  CTraNode* group = root.AddChild(std::make_unique<CTraNode>(&root, _T("Dialoge"), _T("Dialoge"), TRA_DIALOGGROUP));
  CTraNode* a = group->AddChild(std::make_unique<CTraNode>(group, _T("A"), _T("A"), TRA_DIALOG));
  CTraNode* b = group->AddChild(std::make_unique<CTraNode>(group, _T("B"), _T("B"), TRA_STRING));
  b->SetState(TRA_STATE_NEW);

  struct Case {
    CTraNode* node;
    bool collapsed;
    int box;
  } cases[] = {{group, false, 1}, {group, true, 0}, {a, false, 2}, {b, false, 3}};
  for (const Case& c : cases) {
    CTextBlock block(c.node, nullptr, &view);
    block.SetCollapsed(c.collapsed);
    block.Layout(view.m_device);
    CFixedPitchDevice dc;
    block.Draw(dc, 0, 0);
    EXPECT_EQ(3, dc.m_nCells);  // box, kind, state
    EXPECT_GT(dc.m_nPixels, 0);
  }
  // Box cell of a collapsed group, and the state icon of a marked leaf.
  CTextBlock groupBlock(group, nullptr, &view);
  groupBlock.SetCollapsed(true);
  groupBlock.Layout(view.m_device);
  CFixedPitchDevice dc;
  groupBlock.Draw(dc, 0, 0);
  EXPECT_EQ(0, CTextBlock::KindIconCell(TRA_DIALOGGROUP));
  EXPECT_EQ(15, CTextBlock::StateIconCell(TRA_STATE_NEW));
  EXPECT_EQ(12, CTextBlock::StateIconCell(77));  // a state from a broken file draws as done
  const struct {
    int kind;
    int cell;
  } kinds[] = {{1, 0}, {8, 0}, {30, 0}, {3, 1}, {9, 1}, {11, 2}, {5, 3}, {6, 4}, {10, 4}, {4, 5},
               {23, 6}, {22, 7}, {21, 8}, {2, 9}, {7, 9}, {24, 9}, {29, 9}, {41, 9}, {99, 9}};
  for (const auto& k : kinds) EXPECT_EQ(k.cell, CTextBlock::KindIconCell(k.kind)) << k.kind;
}

TEST(TextBlockList, OneBlockPerTranslatableNodeWithTheOverlayMatchedByPosition) {
  CHeadlessView view;
  CTraNode root(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  CTraNode* dialog = root.AddChild(std::make_unique<CTraNode>(&root, _T("D"), _T("D"), TRA_DIALOG));
  dialog->AddChild(std::make_unique<CTraNode>(dialog, _T(""), _T(""), TRA_STATIC));    // no text: no block
  dialog->AddChild(std::make_unique<CTraNode>(dialog, _T("edit"), _T(""), TRA_EDIT));  // no block
  dialog->AddChild(std::make_unique<CTraNode>(dialog, _T("OK"), _T("OK"), TRA_PUSHBUTTON));
  CTraNode overlayRoot(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  CTraNode* overlayDialog =
      overlayRoot.AddChild(std::make_unique<CTraNode>(&overlayRoot, _T("D"), _T("Dlg"), TRA_DIALOG));
  overlayDialog->AddChild(std::make_unique<CTraNode>(overlayDialog, _T(""), _T(""), TRA_STATIC));  // fewer children

  view.Rebuild(&root, &overlayRoot);
  ASSERT_EQ(2, view.m_blocks.GetCount());
  EXPECT_EQ(dialog, view.m_blocks.GetBlock(0)->GetNode());
  EXPECT_EQ(overlayDialog, view.m_blocks.GetBlock(0)->GetOverlayNode());
  EXPECT_EQ(1, view.m_blocks.GetLevel(0));
  EXPECT_EQ(2, view.m_blocks.GetLevel(1));
  EXPECT_EQ(nullptr, view.m_blocks.GetBlock(1)->GetOverlayNode());

  CTraNode only(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  view.Rebuild(&only, nullptr);
  EXPECT_EQ(0, view.m_blocks.GetCount());
}

TEST(TextBlockList, CollapsedBlockHidesTheDeeperRunAfterIt) {
  CHeadlessView view;
  CTraNode root(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  CTraNode* a = root.AddChild(std::make_unique<CTraNode>(&root, _T("A"), _T("A"), TRA_MENU));
  CTraNode* a1 = a->AddChild(std::make_unique<CTraNode>(a, _T("A1"), _T("A1"), TRA_POPUP));
  a1->AddChild(std::make_unique<CTraNode>(a1, _T("A11"), _T("A11"), TRA_MENUITEM));
  root.AddChild(std::make_unique<CTraNode>(&root, _T("B"), _T("B"), TRA_MENU));
  view.Rebuild(&root, nullptr);
  view.m_blocks.GetBlock(1)->SetCollapsed(true);  // A1
  EXPECT_EQ((std::vector<bool>{true, true, false, true}), view.m_blocks.VisibleBlocks());
  view.m_blocks.GetBlock(0)->SetCollapsed(true);
  EXPECT_EQ((std::vector<bool>{true, false, false, true}), view.m_blocks.VisibleBlocks());
  // Expanding to a hidden current block opens its ancestors only.
  view.m_blocks.SetCurrent(2);
  view.m_blocks.ExpandToCurrent();
  EXPECT_EQ((std::vector<bool>{true, true, true, true}), view.m_blocks.VisibleBlocks());
}

}  // namespace
