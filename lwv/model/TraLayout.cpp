#include "TraLayout.h"

#include "TraKinds.h"

CTraLayout::CTraLayout() : m_rcOriginal{0, 0, 0, 0}, m_rcTranslated{0, 0, 0, 0}, m_nStyle(0), m_nExStyle(0), m_nFontSize(0) {}

CTraLayout* CTraLayout::Clone() const { return new CTraLayout(*this); }

void CTraLayout::SetSizeOnly(LONG width, LONG height) {
  m_rcTranslated.left = TRA_SIZE_ONLY;
  m_rcTranslated.top = 0;
  m_rcTranslated.right = static_cast<LONG>(static_cast<int64_t>(width) + TRA_SIZE_ONLY);
  m_rcTranslated.bottom = height;
}

namespace {

void SerializeRect(CArchive& ar, RECT& r) {
  if (ar.IsStoring())
    ar << r.left << r.top << r.right << r.bottom;
  else
    ar >> r.left >> r.top >> r.right >> r.bottom;
}

}  // namespace

void CTraLayout::Serialize(CArchive& ar, int kind, int /*version*/) {
  if (ar.IsStoring())
    ar << m_nExStyle << m_nStyle;
  else
    ar >> m_nExStyle >> m_nStyle;
  SerializeRect(ar, m_rcTranslated);
  SerializeRect(ar, m_rcOriginal);
  if (kind == TRA_DIALOG) {
    if (ar.IsStoring())
      ar << m_strFontFace << m_nFontSize;
    else
      ar >> m_strFontFace >> m_nFontSize;
  }
}

bool EqualRects(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
