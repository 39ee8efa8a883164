#include "TextSearch.h"

#include "TextBlock.h"

CTextSearch::CTextSearch()
    : m_bForward(true),
      m_bMatchCase(false),
      m_bWholeWord(false),
      m_nBlockCount(0),
      m_nCurrentBlock(0),
      m_nCurrentItem(0),
      m_nPosition(0),
      m_nStartBlock(0),
      m_nStartItem(0),
      m_nStartPosition(0),
      m_bFound(false),
      m_bNoWrap(false),
      m_bRevisited(false) {}

void CTextSearch::SetStart(int block, int item, int position, int blockCount) {
  m_nStartBlock = m_nCurrentBlock = block;
  m_nStartItem = m_nCurrentItem = item;
  m_nStartPosition = m_nPosition = position;
  m_nBlockCount = blockCount;
  m_bFound = false;
  m_bRevisited = false;
}

void CTextSearch::SetParams(const CString& search, bool forward, bool matchCase, bool wholeWord,
                            const CString& replace) {
  m_strSearch = search;
  m_bForward = forward;
  m_bMatchCase = matchCase;
  m_bWholeWord = wholeWord;
  m_strReplace = replace;
}

bool CTextSearch::StartsInMiddle() const {
  return m_bForward ? (m_nStartItem > 0 || m_nStartPosition > 0) : m_nStartItem >= 0;
}

bool CTextSearch::SearchBlock(const CTextBlock& block) {
  const int count = block.GetItemCount();
  const bool fromStart = m_nCurrentBlock == m_nStartBlock && !m_bRevisited;
  int first;
  if (m_bForward)
    first = fromStart ? m_nStartItem : 0;
  else
    first = fromStart && m_nStartItem >= 0 ? m_nStartItem : count - 1;
  if (first < 0) first = 0;
  const int step = m_bForward ? 1 : -1;
  for (int i = first; i >= 0 && i < count; i += step) {
    m_nCurrentItem = i;
    if (i != first) m_nPosition = m_bForward ? 0 : -1;
    const CTextItem* item = block.GetItem(i);
    if (item->IsFixed()) continue;
    if (FindInItem(item->m_strText)) {
      m_bFound = true;
      return true;
    }
  }
  return false;
}

bool CTextSearch::FindInItem(const CString& text) {
  const int length = text.GetLength();
  int position = m_nPosition == -1 || m_nPosition > length ? length : m_nPosition;
  if (position < 0) position = 0;
  const int hit = m_bForward ? FindInRange(text, position, length) : FindInRange(text, 0, position);
  if (hit < 0) return false;
  m_nPosition = hit;
  return true;
}

int CTextSearch::FindInText(const CString& text) const { return FindInRange(text, 0, text.GetLength()); }

int CTextSearch::FindInRange(const CString& text, int from, int to) const {
  const int n = m_strSearch.GetLength();
  if (n == 0 || to - from < n) return -1;
  CString haystack = text.Left(to);
  CString needle = m_strSearch;
  if (!m_bMatchCase) {
    haystack.MakeUpper();
    needle.MakeUpper();
  }
  // Whole words are judged in the whole text, not in the searched part.
  auto qualifies = [&](int at) { return !m_bWholeWord || IsWholeWord(text, n, at); };
  if (m_bForward) {
    for (int at = haystack.Find(needle, from); at >= 0; at = haystack.Find(needle, at + 1))
      if (qualifies(at)) return at;
    return -1;
  }
  const auto& s = haystack.Std();
  const auto& pattern = needle.Std();
  const size_t none = CString::StdString::npos;
  for (size_t at = s.rfind(pattern, static_cast<size_t>(to - n)); at != none && static_cast<int>(at) >= from;
       at = at == 0 ? none : s.rfind(pattern, at - 1)) {
    if (qualifies(static_cast<int>(at))) return static_cast<int>(at);
  }
  return -1;
}

bool CTextSearch::IsWholeWord(const CString& text, int patternLength, int position) {
  auto blank = [](TCHAR c) { return c == ' ' || c == '\t'; };
  const int end = position + patternLength;
  const bool before = position == 0 || blank(text[position - 1]);
  const bool after = end >= text.GetLength() || blank(text[end]);
  return before && after;
}

bool CTextSearch::StepBlock() {
  // The start block, searched again up to its start, was the last one.
  if (m_nBlockCount <= 0 || m_bRevisited) return false;
  if (m_bForward) {
    if (++m_nCurrentBlock >= m_nBlockCount) {
      if (m_bNoWrap) return false;
      m_nCurrentBlock = 0;
    }
    m_nCurrentItem = 0;
    m_nPosition = 0;
  } else {
    if (--m_nCurrentBlock < 0) {
      if (m_bNoWrap) return false;
      m_nCurrentBlock = m_nBlockCount - 1;
    }
    m_nCurrentItem = -1;
    m_nPosition = -1;
  }
  if (m_nCurrentBlock == m_nStartBlock && !m_bFound) {
    // Back at the start: its part before the start place is searched once.
    if (m_bRevisited || !StartsInMiddle()) return false;
    m_bRevisited = true;
  }
  return true;
}

bool CTextSearch::Matches(const CString& text) const {
  if (m_bMatchCase) return text == m_strSearch;
  CString a = text, b = m_strSearch;
  return a.MakeUpper() == b.MakeUpper();
}
