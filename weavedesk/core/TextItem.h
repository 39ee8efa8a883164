// The items a text block is made of: plain-text segments the translator
// edits in place and placeholders, one printf conversion each, shown as a
// picture and never edited. Items know their line, text and rectangle;
// the block that owns them splits, joins and moves between them.
#pragma once

#include "TextDevice.h"

#include <vector>

class CTextBlock;
class CSegmentEditor;

class CTextItem {
 public:
  CTextItem(const CString& text, int line, CTextBlock* block);
  virtual ~CTextItem() = default;
  CTextItem(const CTextItem&) = delete;
  CTextItem& operator=(const CTextItem&) = delete;

  // What the item contributes when the block joins its items into the node's text.
  virtual CString GetText() const = 0;
  // Lays the item out at (x, y) and returns its size.
  virtual CSize Layout(CTextDevice& dc, int x, int y) = 0;
  virtual void Draw(CTextDevice& dc, int dx, int dy) = 0;
  virtual bool HitTest(POINT point) const { (void)point; return false; }
  // True for items the caret can never enter.
  virtual bool IsFixed() const = 0;
  int GetTabWidth() const;

  int m_nLine;
  CString m_strText;
  RECT m_rect;
  CTextBlock* m_pBlock;
  bool m_bFormat;
};

class CTextSegment : public CTextItem {
 public:
  CTextSegment(const CString& text, int line, CTextBlock* block, bool overlay, bool freeWidth, bool trailingCr);

  CString GetText() const override;
  CSize Measure(CTextDevice& dc) const;
  CSize Layout(CTextDevice& dc, int x, int y) override;
  void Draw(CTextDevice& dc, int dx, int dy) override;
  bool HitTest(POINT point) const override;
  bool IsFixed() const override { return false; }

  // The text as typed: the single-written percent signs of the parts
  // that stayed as they were keep their form.
  void SetText(const CString& text);
  // Joining lines: the segment's text, separator and tail's text after it;
  // or head's text before it.
  void Append(const CString& separator, const CTextSegment& tail);
  void Prepend(const CTextSegment& head);
  // Positions of '%' signs that the node's text holds single although it is
  // a format text; every other '%' of a format text is written doubled.
  const std::vector<int>& GetSinglePercents() const { return m_singlePercents; }
  void SetSinglePercents(const std::vector<int>& positions) { m_singlePercents = positions; }
  void BeginEdit(CSegmentEditor* editor, int dx, int dy, int caret);
  void EndEdit();
  bool IsEdited() const { return m_pEditor != nullptr; }
  // Enter: keeps left, right starts a new line; false when the block refused.
  bool Split(const CString& left, const CString& right);
  void Join(bool withPrevious, const CString& text);
  bool IsFirstItem() const;
  bool IsLastItem() const;
  bool IsOnLastLine() const;
  void MoveToNeighbour(bool previous);
  void MoveLine(bool up);
  void ClickAt(int x, int y);
  void ClearEditMark();
  bool CheckWidth(int limit, const CString& text);

  CSegmentEditor* m_pEditor;
  bool m_bOverlay;
  bool m_bFreeWidth;
  bool m_bTrailingCr;

 private:
  std::vector<int> m_singlePercents;
};

// The marks (character positions) of text old carried over to text now:
// marks in the part both texts start with stay, marks in the part both end
// with move with it, marks in the changed middle go. fromEnd matches the
// common end first (now is a tail of old).
std::vector<int> CarryMarks(const CString& old, const std::vector<int>& marks, const CString& now, bool fromEnd);

class CPlaceholderItem : public CTextItem {
 public:
  CPlaceholderItem(const CString& text, int line, CTextBlock* block);

  CString GetText() const override { return m_strText; }
  CSize Layout(CTextDevice& dc, int x, int y) override;
  void Draw(CTextDevice& dc, int dx, int dy) override;
  bool IsFixed() const override { return true; }

  // Cell of the placeholder strip for a conversion letter.
  static int CellForLetter(TCHAR letter);

  static constexpr int kWidth = 25;
  static constexpr int kHeight = 15;
};
