#include "TextItem.h"

#include "SegmentEditor.h"
#include "TextBlock.h"
#include "TextBlockHost.h"

CTextItem::CTextItem(const CString& text, int line, CTextBlock* block)
    : m_nLine(line), m_strText(text), m_rect{0, 0, 0, 0}, m_pBlock(block), m_bFormat(false) {}

int CTextItem::GetTabWidth() const {
  return m_pBlock && m_pBlock->GetHost() ? m_pBlock->GetHost()->GetTabWidth() : 0;
}

// ---- segments ----

CTextSegment::CTextSegment(const CString& text, int line, CTextBlock* block, bool overlay, bool freeWidth,
                           bool trailingCr)
    : CTextItem(text, line, block),
      m_pEditor(nullptr),
      m_bOverlay(overlay),
      m_bFreeWidth(freeWidth),
      m_bTrailingCr(trailingCr) {}

CString CTextSegment::GetText() const {
  CString text;
  if (!m_bFormat) {
    text = m_strText;
  } else {
    size_t single = 0;
    for (int i = 0; i < m_strText.GetLength(); ++i) {
      const TCHAR c = m_strText[i];
      text += c;
      while (single < m_singlePercents.size() && m_singlePercents[single] < i) ++single;
      const bool keptSingle = single < m_singlePercents.size() && m_singlePercents[single] == i;
      if (c == '%' && !keptSingle) text += c;
    }
  }
  if (m_bTrailingCr) text += TCHAR(13);
  return text;
}

void CTextSegment::SetText(const CString& text) {
  m_singlePercents = CarryMarks(m_strText, m_singlePercents, text, false);
  m_strText = text;
}

void CTextSegment::Append(const CString& separator, const CTextSegment& tail) {
  const int shift = m_strText.GetLength() + separator.GetLength();
  for (int mark : tail.m_singlePercents) m_singlePercents.push_back(mark + shift);
  m_strText += separator + tail.m_strText;
}

void CTextSegment::Prepend(const CTextSegment& head) {
  std::vector<int> marks = head.m_singlePercents;
  for (int mark : m_singlePercents) marks.push_back(mark + head.m_strText.GetLength());
  m_singlePercents = marks;
  m_strText = head.m_strText + m_strText;
}

std::vector<int> CarryMarks(const CString& old, const std::vector<int>& marks, const CString& now, bool fromEnd) {
  if (marks.empty()) return marks;
  const int oldLength = old.GetLength();
  const int newLength = now.GetLength();
  const int shorter = oldLength < newLength ? oldLength : newLength;
  int head = 0, tail = 0;
  auto matchHead = [&] {
    while (head < shorter - tail && old[head] == now[head]) ++head;
  };
  auto matchTail = [&] {
    while (tail < shorter - head && old[oldLength - 1 - tail] == now[newLength - 1 - tail]) ++tail;
  };
  if (fromEnd) {
    matchTail();
    matchHead();
  } else {
    matchHead();
    matchTail();
  }
  std::vector<int> carried;
  for (int mark : marks) {
    if (mark < head)
      carried.push_back(mark);
    else if (mark >= oldLength - tail && mark < oldLength)
      carried.push_back(mark + newLength - oldLength);
  }
  return carried;
}

CSize CTextSegment::Measure(CTextDevice& dc) const {
  const DeskFont font = m_bOverlay ? DESK_FONT_OVERLAY : DESK_FONT_TEXT;
  CSize text = dc.MeasureText(m_strText, font, GetTabWidth());
  CSize tall = dc.MeasureText(_T("AayY123"), font, 0);
  CSize x = dc.MeasureText(_T("X"), font, 0);
  return CSize(text.cx > x.cx ? text.cx : x.cx, text.cy > tall.cy ? text.cy : tall.cy);
}

CSize CTextSegment::Layout(CTextDevice& dc, int x, int y) {
  CSize size = Measure(dc);
  m_rect = RECT{x, y, x + size.cx, y + size.cy};
  return size;
}

void CTextSegment::Draw(CTextDevice& dc, int dx, int dy) {
  if (m_pEditor) return;  // the editor covers the segment
  RECT r{m_rect.left + dx, m_rect.top + dy, m_rect.right + dx, m_rect.bottom + dy};
  const COLORREF background = m_bOverlay ? DESK_BACKGROUND : DESK_WHITE;
  dc.FillRect(r, background);
  dc.DrawText(r.left, r.top, m_strText, m_bOverlay ? DESK_FONT_OVERLAY : DESK_FONT_TEXT, GetTabWidth(), background);
  if (!m_bOverlay) {
    dc.DrawLine(r.left + 1, r.bottom + 1, r.right + 1, r.bottom + 1, DESK_SHADOW);
    dc.DrawLine(r.right + 1, r.bottom + 1, r.right + 1, r.top + 1, DESK_SHADOW);
  }
}

bool CTextSegment::HitTest(POINT p) const {
  return p.x >= m_rect.left && p.x < m_rect.right && p.y >= m_rect.top && p.y < m_rect.bottom;
}

void CTextSegment::BeginEdit(CSegmentEditor* editor, int dx, int dy, int caret) {
  if (!editor) return;
  m_pEditor = editor;
  editor->SetRect(m_rect.left + dx, m_rect.top + dy, m_rect.right + dx, m_rect.bottom + dy);
  editor->BeginEdit(this, caret);
}

void CTextSegment::EndEdit() {
  if (!m_pEditor) return;
  CSegmentEditor* editor = m_pEditor;
  m_pEditor = nullptr;
  editor->EndEdit();
  editor->SetRect(-10, -10, -5, -5);
}

bool CTextSegment::Split(const CString& left, const CString& right) {
  // A text that must fit its control never gets more lines than it had.
  if (!m_bFreeWidth && m_pBlock->GetLineCount() == m_pBlock->GetLineCountAtSplit()) return false;
  const std::vector<int> rightMarks = CarryMarks(m_strText, m_singlePercents, right, true);
  SetText(left);
  if (CTextSegment* fresh = m_pBlock->SplitLine(this, right)) fresh->SetSinglePercents(rightMarks);
  return true;
}

void CTextSegment::Join(bool withPrevious, const CString& text) {
  const bool edited = text != m_strText;
  SetText(text);
  m_pBlock->JoinLines(this, withPrevious, edited);
}

bool CTextSegment::IsFirstItem() const { return m_pBlock->IsFirstItem(this); }
bool CTextSegment::IsLastItem() const { return m_pBlock->IsLastItem(this); }
bool CTextSegment::IsOnLastLine() const { return m_pBlock->IsOnLastLine(this); }
void CTextSegment::MoveToNeighbour(bool previous) { m_pBlock->MoveToNeighbourItem(this, previous); }
void CTextSegment::MoveLine(bool up) { m_pBlock->MoveLineUpDown(this, up); }
void CTextSegment::ClearEditMark() { m_pBlock->ClearEditMark(); }

void CTextSegment::ClickAt(int x, int y) {
  if (m_pEditor) m_pEditor->ClickAt(x, y);
}

bool CTextSegment::CheckWidth(int limit, const CString& text) {
  return m_pEditor ? m_pEditor->CheckWidth(limit, text) : true;
}

// ---- placeholders ----

CPlaceholderItem::CPlaceholderItem(const CString& text, int line, CTextBlock* block)
    : CTextItem(text, line, block) {}

CSize CPlaceholderItem::Layout(CTextDevice&, int x, int y) {
  m_rect = RECT{x, y, x + kWidth, y + kHeight};
  return CSize(kWidth, kHeight);
}

void CPlaceholderItem::Draw(CTextDevice& dc, int dx, int dy) {
  const int n = m_strText.GetLength();
  dc.DrawCell(DESK_STRIP_PLACEHOLDERS, CellForLetter(n > 0 ? m_strText[n - 1] : TCHAR(0)), m_rect.left + dx,
              m_rect.top + dy);
}

int CPlaceholderItem::CellForLetter(TCHAR letter) {
  switch (letter) {
    case 'c': case 'C':
      return 3;
    case 'e': case 'E': case 'f': case 'g': case 'G':
      return 2;
    case 's': case 'S':
      return 4;
    case 'x': case 'X': case 'o': case 'p':
      return 1;
    default:
      return 0;
  }
}
