// Position, size, styles and (for dialogs) font of a dialog or control node.
#pragma once

#include "Framework.h"

// Left edge of a translated rectangle that holds only a size.
const LONG TRA_SIZE_ONLY = -1234;

class CTraLayout {
 public:
  CTraLayout();
  virtual ~CTraLayout() = default;

  CTraLayout* Clone() const;
  void Serialize(CArchive& ar, int kind, int version);

  // Translated rectangle as a size only: left -1234, top 0.
  void SetSizeOnly(LONG width, LONG height);
  bool IsSizeOnly() const { return m_rcTranslated.left == TRA_SIZE_ONLY; }
  // Sizes of the translated rectangle (values from a file may be extreme: no overflow).
  LONG GetWidth() const { return static_cast<LONG>(static_cast<int64_t>(m_rcTranslated.right) - m_rcTranslated.left); }
  LONG GetHeight() const { return static_cast<LONG>(static_cast<int64_t>(m_rcTranslated.bottom) - m_rcTranslated.top); }

  RECT m_rcOriginal;
  RECT m_rcTranslated;
  LONG m_nStyle;
  LONG m_nExStyle;
  CString m_strFontFace;
  WORD m_nFontSize;
};

bool EqualRects(const RECT& a, const RECT& b);
