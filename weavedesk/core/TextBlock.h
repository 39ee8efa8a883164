// One text of the language file as the edit view shows it: the node's
// translated text split into lines of segments and placeholders, with the
// overlay file's text above it, laid out, drawn with the tree's connector
// lines, box and icons, and edited item by item through the in-place
// editor. Does not own its nodes; knows nothing of scrolling.
#pragma once

#include "TextItem.h"

#include <memory>
#include <vector>

class CTraNode;
class CTextBlockHost;

class CTextBlock {
 public:
  // Layout constants (pixels).
  static constexpr int kTextLeft = 50;
  static constexpr int kTopMargin = 5;
  static constexpr int kOverlayGap = 3;
  static constexpr int kRightMargin = 20;
  static constexpr int kIndent = 16;

  CTextBlock(CTraNode* node, CTraNode* overlayNode, CTextBlockHost* host);
  ~CTextBlock();
  CTextBlock(const CTextBlock&) = delete;
  CTextBlock& operator=(const CTextBlock&) = delete;

  int Layout(CTextDevice& dc);
  void Draw(CTextDevice& dc, int x, int y);
  bool HitTest(int x, int y) const;
  bool HitTestBox(int x, int y) const;

  void OnClick(CSegmentEditor* editor, int x, int y, int originX, int originY);
  void EnterEdit(CSegmentEditor* editor, bool enterAtStart, bool caretAtStart);
  void LeaveEdit();
  CString GetText() const;

  // The in-place editor's keys.
  // The new segment after item (null when item is no segment of the block).
  CTextSegment* SplitLine(CTextItem* item, const CString& textAfter);
  // edited: the item's text was changed on the way (Delete with the end of
  // the text selected): an edit like typing, whatever is joined.
  void JoinLines(CTextItem* item, bool backward, bool edited = false);
  void MoveToNeighbourItem(CTextItem* item, bool backward);
  void MoveLineUpDown(CTextItem* item, bool up);

  void ScrollIntoView();
  int GetCurrentItem() const { return m_nCurrentItem; }
  bool IsFirstItem(const CTextItem* item) const;
  bool IsLastItem(const CTextItem* item) const;
  bool IsOnLastLine(const CTextItem* item) const;
  // Lines now, and lines when the node's text was split into items.
  int GetLineCount() const;
  int GetLineCountAtSplit() const { return m_nLineCount; }
  void ClearEditMark();
  // Edits the item with length characters from position selected (a find hit).
  void BeginEditAtHit(int item, int position, int length);
  void CommitText();

  CTraNode* GetNode() const { return m_pNode; }
  CTraNode* GetOverlayNode() const { return m_pOverlayNode; }
  int GetItemCount() const { return static_cast<int>(m_items.size()); }
  CTextItem* GetItem(int index) const { return m_items[static_cast<size_t>(index)].get(); }
  int GetOverlayItemCount() const { return static_cast<int>(m_overlayItems.size()); }
  CTextItem* GetOverlayItem(int index) const { return m_overlayItems[static_cast<size_t>(index)].get(); }
  int IndexOf(const CTextItem* item) const;
  const RECT& GetRect() const { return m_rcBlock; }
  int GetHeight() const { return m_rcBlock.bottom; }
  bool IsFreeWidth() const { return m_bFreeWidth; }
  bool IsCollapsed() const { return m_bCollapsed; }
  void SetCollapsed(bool collapsed) { m_bCollapsed = collapsed; }
  CTextBlockHost* GetHost() const { return m_pHost; }

  static bool IsFreeWidthKind(int kind);
  static int KindIconCell(int kind);
  static int StateIconCell(int state);

 private:
  typedef std::vector<std::unique_ptr<CTextItem>> ItemList;

  // Splitting the node's text into items (TextBlockSplit.cpp).
  void SplitWords(bool overlay);
  void ReadFlagsAndWidth();
  bool ReadSizePrefix();
  // A conversion character at the position closes the conversion into a placeholder.
  bool TakeConversionChar();
  void FlushWord();
  void FlushPlaceholder();

  void PlaceItem(CTextItem* item, int& x, int& y, int& lineHeight, int& line, int& widest, CTextDevice& dc);
  void DrawTreeLines(CTextDevice& dc, int x, int y);
  void DrawBoxAndIcons(CTextDevice& dc, int x, int y);
  CTextSegment* CurrentSegment() const;
  void StartEditing(int index, int caret);
  void AfterLineChange();
  // Some line of the text ends in a carriage return before its line feed.
  bool UsesCrLf() const;
  bool IsLastChild() const;

  bool m_bIsLastChild;
  int m_nLineCount;
  RECT m_rcBlock;
  RECT m_rcBox;
  RECT m_rcIcon;
  CTraNode* m_pNode;
  CTraNode* m_pOverlayNode;
  int m_nCurrentItem;
  bool m_bHasOverlay;
  bool m_bCollapsed;
  bool m_bFreeWidth;
  CTextBlockHost* m_pHost;

  // Splitting state.
  int m_nSplitLine;
  bool m_bSplittingOverlay;
  CString m_strSplitText;
  int m_nSplitPos;
  int m_nSplitLength;
  CString m_strSegment;
  CString m_strConversion;

  ItemList m_items;
  ItemList m_overlayItems;
};
