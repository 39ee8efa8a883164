#include "ResItem.h"

#include "StyleNames.h"

LONG ResTextToLong(const CString& text) {
  const TCHAR* s = text.GetString();
  bool negative = *s == '-';
  if (negative) ++s;
  int64_t v = 0;
  for (; *s >= '0' && *s <= '9'; ++s) {
    v = v * 10 + (*s - '0');
    if (v > 0x80000000LL) v = 0x80000000LL;
  }
  if (negative) return static_cast<LONG>(-v);
  return static_cast<LONG>(v > 0x7FFFFFFFLL ? 0x7FFFFFFFLL : v);
}

bool ResIsNumberSuffix(const CString& text) {
  int u = 0, l = 0;
  for (int i = 0; i < text.GetLength(); ++i) {
    TCHAR c = text[i];
    if (c == 'u' || c == 'U') ++u;
    else if (c == 'l' || c == 'L') ++l;
    else return false;
  }
  return u + l > 0 && u <= 1 && l <= 2;
}

DWORD ResTextToULong(const CString& text) {
  const TCHAR* s = text.GetString();
  int base = 10;
  if (s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s += 2;
  } else if (s[0] == '0') {
    base = 8;
  }
  uint64_t v = 0;
  for (;; ++s) {
    int d;
    TCHAR c = *s;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else break;
    if (d >= base) break;
    v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
    if (v > 0xFFFFFFFFull) v = 0x100000000ull;  // saturates below
  }
  return v > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<DWORD>(v);
}

RECT ResRect(int x, int y, int cx, int cy) {
  auto sum = [](int a, int b) {
    int64_t v = static_cast<int64_t>(a) + b;
    return static_cast<LONG>(v > 0x7FFFFFFF ? 0x7FFFFFFF : v < -0x7FFFFFFF - 1 ? -0x7FFFFFFF - 1 : v);
  };
  RECT r = {x, y, sum(x, cx), sum(y, cy)};
  return r;
}

bool CResItem::IsHexTail(int at) const {
  if (Kind(at) != kTokenIdentifier) return false;
  TCHAR c = Text(at).GetAt(0);
  return c == 'x' || c == 'X';
}

bool CResItem::ExpectComma() {
  if (!Is(_T(","))) return false;
  ++m_pos;
  return true;
}

int CResItem::NumberTokens(int at) const {
  if (Kind(at) != kTokenNumber) return 0;
  if (Text(at) == _T("0") && IsHexTail(at + 1)) return 2;
  return IsNumberSuffix(at + 1) ? 2 : 1;
}

bool CResItem::ParseInteger(int& value) {
  int start = m_pos;
  bool negative = false;
  if (Is(_T("-"))) {
    negative = true;
    ++m_pos;
  }
  const int tokens = NumberTokens(m_pos);
  if (tokens == 0) {
    m_pos = start;
    return false;
  }
  if (IsHexTail(m_pos + 1) && tokens == 2) {
    // As the resource compiler reads it: the low 32 bits, two's complement.
    const DWORD bits = ResTextToULong(Text() + Text(m_pos + 1));
    value = static_cast<int>(negative ? 0u - bits : bits);
  } else {
    value = ResTextToLong(negative ? _T("-") + Text() : Text());
  }
  m_pos += tokens;
  return true;
}

bool CResItem::ParseIdOrText(CString& text) {
  int start = m_pos;
  text.Empty();
  if (Is(_T("-"))) {
    if (Kind(m_pos + 1) != kTokenNumber) return false;
    text = _T("-");
    ++m_pos;
  }
  if (Kind() == kTokenEnd) {
    m_pos = start;
    return false;
  }
  // A number comes out as written, with its hexadecimal prefix and suffix.
  const int first = NumberTokens(m_pos);
  for (int i = 0; i < (first > 0 ? first : 1); ++i) text += Text(m_pos++);
  if (Is(_T("+")) && Kind(m_pos + 1) == kTokenNumber) {
    text += _T("+");
    ++m_pos;
    for (int i = NumberTokens(m_pos); i > 0; --i) text += Text(m_pos++);
  }
  return true;
}

void CResItem::SkipMemoryFlags(CString& text) {
  static const TCHAR* const kFlags[] = {_T("PRELOAD"), _T("LOADONCALL"), _T("FIXED"), _T("MOVEABLE"),
                                        _T("DISCARDABLE"), _T("PURE"), _T("IMPURE")};
  for (;;) {
    bool found = false;
    for (const TCHAR* flag : kFlags)
      if (Is(flag)) found = true;
    if (!found) return;
    text += Text();
    text += _T(" ");
    ++m_pos;
  }
}

bool CResItem::ParseFlagText(CString& text) {
  text.Empty();
  if (Is(_T("0")) && !IsHexTail(m_pos + 1)) {
    ++m_pos;
    return true;
  }
  for (;;) {
    if (Kind() != kTokenIdentifier) {
      if (!Is(_T("0"))) return false;
      text += _T("0");
      ++m_pos;
      if (IsHexTail(m_pos)) {  // the second half of a hexadecimal number
        text += Text();
        ++m_pos;
      }
      text += _T(" ");
    } else {
      if (Is(_T("NOT"))) {
        text += _T("NOT ");
        ++m_pos;
        if (Kind() != kTokenIdentifier) return false;
      }
      text += Text();
      text += _T(" ");
      ++m_pos;
    }
    if (!Is(_T("|"))) return true;
    ++m_pos;
  }
}

void CResItem::ParseStyle(DWORD& value) {
  for (;;) {
    bool negate = false;
    if (Is(_T("NOT"))) {
      negate = true;
      ++m_pos;
    }
    if (Kind() == kTokenEnd) return;
    DWORD v;
    if (Kind() == kTokenNumber) {
      if (Is(_T("0")) && IsHexTail(m_pos + 1)) {
        v = ResTextToULong(Text() + Text(m_pos + 1));
        ++m_pos;
      } else {
        v = ResTextToULong(Text());
        if (IsNumberSuffix(m_pos + 1)) ++m_pos;
      }
    } else {
      v = LookupStyleName(Text());
    }
    value = negate ? (value & ~v) : (value | v);
    ++m_pos;
    if (!Is(_T("|"))) return;
    ++m_pos;
  }
}

bool CResItem::ParseFlagOption(const TCHAR* keyword, CString& text) {
  if (!Is(keyword)) return false;
  int behind = ++m_pos;
  if (!ParseFlagText(text)) m_pos = behind;
  return true;
}

bool CResItem::ParseLanguageOption(CString& language, CString& sublanguage) {
  if (!Is(_T("LANGUAGE"))) return false;
  int behind = ++m_pos;
  if (!(ParseIdOrText(language) && ExpectComma() && ParseIdOrText(sublanguage))) m_pos = behind;
  return true;
}
