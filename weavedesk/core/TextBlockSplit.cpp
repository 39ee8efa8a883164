// Splitting a node's text into lines of segments and placeholders.
#include "TextBlock.h"

#include "TraNode.h"

namespace {

bool IsConversionChar(TCHAR c) {
  static const TCHAR kConversions[] = _T("aAbBcCdeEfgGHiIjmMnopsSuUwWxXyYzZ");
  return c != 0 && lw::StrChr(kConversions, lw::CharCode(c)) != nullptr;
}

bool IsFlagChar(TCHAR c) { return c == ' ' || c == '#' || c == '+' || c == '-' || c == '0'; }
bool IsDigitChar(TCHAR c) { return c >= '0' && c <= '9'; }

}  // namespace

void CTextBlock::SplitWords(bool overlay) {
  m_bSplittingOverlay = overlay;
  m_strSegment.Empty();
  m_strConversion.Empty();
  m_nSplitLine = 0;
  m_nSplitPos = 0;
  m_strSplitText = overlay ? m_pOverlayNode->GetTranslation() : m_pNode->GetTranslation();
  m_nSplitLength = m_strSplitText.GetLength();
  ItemList& items = overlay ? m_overlayItems : m_items;
  const size_t first = items.size();
  bool format = false;
  const CString& text = m_strSplitText;

  while (m_nSplitPos < m_nSplitLength) {
    const TCHAR c = text[m_nSplitPos];
    if (c == 10) {
      ++m_nSplitPos;
      FlushWord();
      ++m_nSplitLine;
      continue;
    }
    if (c != '%') {
      m_strSegment += c;
      ++m_nSplitPos;
      continue;
    }
    const int start = m_nSplitPos++;
    ReadFlagsAndWidth();
    bool taken = false;
    if (TakeConversionChar()) {
      format = true;
      taken = true;
    }
    const int prefixStart = m_nSplitPos;
    if (ReadSizePrefix()) {
      if (TakeConversionChar()) {
        format = true;
        taken = true;
      } else if (taken) {
        m_strSegment += text.Mid(prefixStart, m_nSplitPos - prefixStart);
        m_strConversion.Empty();
      }
    }
    if (m_nSplitPos == start + 1 && m_nSplitPos < m_nSplitLength && text[m_nSplitPos] == '%') {
      m_strSegment += _T("%%");
      ++m_nSplitPos;
      format = true;
      continue;
    }
    if (taken) continue;
    // Nothing recognised: read the sequence again from its '%'.
    m_nSplitPos = start;
    m_strConversion.Empty();
    if (start + 1 < m_nSplitLength && IsDigitChar(text[start + 1])) {
      m_strConversion = text.Mid(start, 2);
      m_nSplitPos = start + 2;
      FlushWord();
      FlushPlaceholder();
      format = true;
    } else {
      m_strSegment += '%';
      m_nSplitPos = start + 1;
    }
  }
  FlushWord();
  ++m_nSplitLine;
  if (!overlay) m_nLineCount = m_items.back()->m_nLine + 1;
  for (size_t i = first; i < items.size(); ++i) items[i]->m_bFormat = format;
}

bool CTextBlock::TakeConversionChar() {
  if (m_nSplitPos >= m_nSplitLength || !IsConversionChar(m_strSplitText[m_nSplitPos])) return false;
  m_strConversion += m_strSplitText[m_nSplitPos++];
  FlushWord();
  FlushPlaceholder();
  return true;
}

void CTextBlock::ReadFlagsAndWidth() {
  const CString& text = m_strSplitText;
  m_strConversion = _T("%");
  if (m_nSplitPos < m_nSplitLength && IsFlagChar(text[m_nSplitPos])) m_strConversion += text[m_nSplitPos++];
  while (m_nSplitPos < m_nSplitLength && IsDigitChar(text[m_nSplitPos])) m_strConversion += text[m_nSplitPos++];
  if (m_nSplitPos < m_nSplitLength && text[m_nSplitPos] == '.') {
    m_strConversion += text[m_nSplitPos++];
    while (m_nSplitPos < m_nSplitLength && IsDigitChar(text[m_nSplitPos])) m_strConversion += text[m_nSplitPos++];
  }
}

bool CTextBlock::ReadSizePrefix() {
  const CString& text = m_strSplitText;
  if (m_nSplitPos >= m_nSplitLength) return false;
  const TCHAR c = text[m_nSplitPos];
  if (c == 'L' || c == 'h' || c == 'l') {
    m_strConversion += c;
    ++m_nSplitPos;
    return true;
  }
  if (c == 'I' && m_nSplitPos + 3 <= m_nSplitLength && text.Mid(m_nSplitPos, 3) == _T("I64")) {
    m_strConversion += _T("I64");
    m_nSplitPos += 3;
    return true;
  }
  return false;
}

void CTextBlock::FlushWord() {
  CString word = m_strSegment;
  bool trailingCr = false;
  if (!word.IsEmpty() && word[word.GetLength() - 1] == 13) {
    trailingCr = true;
    word = word.Left(word.GetLength() - 1);
  }
  // "%%" shows as one '%'; a '%' the text holds single is remembered as such.
  CString reduced;
  std::vector<int> singles;
  for (int i = 0; i < word.GetLength(); ++i) {
    const TCHAR c = word[i];
    if (c == '%') {
      if (i + 1 < word.GetLength() && word[i + 1] == '%')
        ++i;
      else
        singles.push_back(reduced.GetLength());
    }
    reduced += c;
  }
  ItemList& items = m_bSplittingOverlay ? m_overlayItems : m_items;
  auto* segment = new CTextSegment(reduced, m_nSplitLine, this, m_bSplittingOverlay, m_bFreeWidth, trailingCr);
  segment->SetSinglePercents(singles);
  items.emplace_back(segment);
  m_strSegment.Empty();
}

void CTextBlock::FlushPlaceholder() {
  ItemList& items = m_bSplittingOverlay ? m_overlayItems : m_items;
  items.emplace_back(new CPlaceholderItem(m_strConversion, m_nSplitLine, this));
  m_strConversion.Empty();
}
