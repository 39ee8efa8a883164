// Character functions for both widths: templates the string classes use, and
// natively the <tchar.h> names over TCHAR.
#pragma once

#include "LwTypes.h"
#include <cstdlib>
#include <type_traits>

namespace lw {

template <class Ch>
inline size_t StrLen(const Ch* s) {
  if (!s) return 0;
  const Ch* p = s;
  while (*p) ++p;
  return static_cast<size_t>(p - s);
}

template <class Ch>
inline int StrCmp(const Ch* a, const Ch* b) {
  for (;; ++a, ++b) {
    auto ca = static_cast<uint32_t>(static_cast<std::make_unsigned_t<Ch>>(*a));
    auto cb = static_cast<uint32_t>(static_cast<std::make_unsigned_t<Ch>>(*b));
    if (ca != cb) return ca < cb ? -1 : 1;
    if (!ca) return 0;
  }
}

template <class Ch>
inline int StrNCmp(const Ch* a, const Ch* b, size_t n) {
  for (; n; --n, ++a, ++b) {
    auto ca = static_cast<uint32_t>(static_cast<std::make_unsigned_t<Ch>>(*a));
    auto cb = static_cast<uint32_t>(static_cast<std::make_unsigned_t<Ch>>(*b));
    if (ca != cb) return ca < cb ? -1 : 1;
    if (!ca) return 0;
  }
  return 0;
}

// Case folding of ASCII and Latin-1 letters, the same for both widths
// (single bytes are taken as Windows-1252, which agrees with Latin-1 there).
inline uint32_t FoldLower(uint32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  return c;
}
inline uint32_t FoldUpper(uint32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  return c;
}

template <class Ch>
inline uint32_t CharCode(Ch c) {
  return static_cast<uint32_t>(static_cast<std::make_unsigned_t<Ch>>(c));
}

template <class Ch>
inline int StrICmp(const Ch* a, const Ch* b) {
  for (;; ++a, ++b) {
    uint32_t ca = FoldLower(CharCode(*a)), cb = FoldLower(CharCode(*b));
    if (ca != cb) return ca < cb ? -1 : 1;
    if (!ca) return 0;
  }
}

template <class Ch>
inline int StrNICmp(const Ch* a, const Ch* b, size_t n) {
  for (; n; --n, ++a, ++b) {
    uint32_t ca = FoldLower(CharCode(*a)), cb = FoldLower(CharCode(*b));
    if (ca != cb) return ca < cb ? -1 : 1;
    if (!ca) return 0;
  }
  return 0;
}

template <class Ch>
inline const Ch* StrChr(const Ch* s, uint32_t c) {
  for (;; ++s) {
    if (CharCode(*s) == c) return s;
    if (!*s) return nullptr;
  }
}

template <class Ch>
inline const Ch* StrRChr(const Ch* s, uint32_t c) {
  const Ch* last = nullptr;
  for (;; ++s) {
    if (CharCode(*s) == c) last = s;
    if (!*s) return last;
  }
}

template <class Ch>
inline const Ch* StrStr(const Ch* s, const Ch* sub) {
  size_t n = StrLen(sub);
  if (!n) return s;
  for (; *s; ++s)
    if (StrNCmp(s, sub, n) == 0) return s;
  return nullptr;
}

template <class Ch>
inline Ch* StrCpyN(Ch* dst, const Ch* src, size_t n) {
  // lstrcpyn semantics: at most n-1 characters, always terminated.
  if (!n) return dst;
  size_t i = 0;
  for (; i + 1 < n && src && src[i]; ++i) dst[i] = src[i];
  dst[i] = 0;
  return dst;
}

inline bool IsDigit(uint32_t c) { return c >= '0' && c <= '9'; }
inline bool IsSpace(uint32_t c) { return c == ' ' || (c >= 9 && c <= 13); }
inline bool IsAlpha(uint32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}
inline bool IsAlnum(uint32_t c) { return IsAlpha(c) || IsDigit(c); }
inline bool IsXDigit(uint32_t c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// strtol semantics with saturation at the 32-bit range, for both widths.
template <class Ch>
long StrToL(const Ch* s, const Ch** end, int base);
template <class Ch>
unsigned long StrToUL(const Ch* s, const Ch** end, int base);

}  // namespace lw

#ifndef _WIN32
inline size_t _tcslen(const TCHAR* s) { return lw::StrLen(s); }
inline int _tcscmp(const TCHAR* a, const TCHAR* b) { return lw::StrCmp(a, b); }
inline int _tcsncmp(const TCHAR* a, const TCHAR* b, size_t n) { return lw::StrNCmp(a, b, n); }
inline int _tcsicmp(const TCHAR* a, const TCHAR* b) { return lw::StrICmp(a, b); }
inline int _tcsnicmp(const TCHAR* a, const TCHAR* b, size_t n) { return lw::StrNICmp(a, b, n); }
inline const TCHAR* _tcschr(const TCHAR* s, unsigned c) { return lw::StrChr(s, c); }
inline const TCHAR* _tcsrchr(const TCHAR* s, unsigned c) { return lw::StrRChr(s, c); }
inline const TCHAR* _tcsstr(const TCHAR* s, const TCHAR* sub) { return lw::StrStr(s, sub); }
inline TCHAR* _tcscpy(TCHAR* d, const TCHAR* s) {
  size_t i = 0;
  for (; s[i]; ++i) d[i] = s[i];
  d[i] = 0;
  return d;
}
inline TCHAR* _tcsncpy(TCHAR* d, const TCHAR* s, size_t n) {
  size_t i = 0;
  for (; i < n && s[i]; ++i) d[i] = s[i];
  for (; i < n; ++i) d[i] = 0;
  return d;
}
inline TCHAR* _tcscat(TCHAR* d, const TCHAR* s) { return _tcscpy(d + lw::StrLen(d), s), d; }
inline long _tcstol(const TCHAR* s, TCHAR** end, int base) {
  const TCHAR* e = nullptr;
  long v = lw::StrToL(s, &e, base);
  if (end) *end = const_cast<TCHAR*>(e);
  return v;
}
inline unsigned long _tcstoul(const TCHAR* s, TCHAR** end, int base) {
  const TCHAR* e = nullptr;
  unsigned long v = lw::StrToUL(s, &e, base);
  if (end) *end = const_cast<TCHAR*>(e);
  return v;
}
inline int _ttoi(const TCHAR* s) { return static_cast<int>(lw::StrToL<TCHAR>(s, nullptr, 10)); }
inline long _ttol(const TCHAR* s) { return lw::StrToL<TCHAR>(s, nullptr, 10); }
inline int _istdigit(unsigned c) { return lw::IsDigit(c); }
inline int _istspace(unsigned c) { return lw::IsSpace(c); }
inline int _istalpha(unsigned c) { return lw::IsAlpha(c); }
inline int _istalnum(unsigned c) { return lw::IsAlnum(c); }
inline int _istxdigit(unsigned c) { return lw::IsXDigit(c); }
inline int _istupper(unsigned c) { return lw::FoldLower(c) != c; }
inline int _istlower(unsigned c) { return lw::FoldUpper(c) != c; }
inline unsigned _totupper(unsigned c) { return lw::FoldUpper(c); }
inline unsigned _totlower(unsigned c) { return lw::FoldLower(c); }
inline int lstrlen(const TCHAR* s) { return static_cast<int>(lw::StrLen(s)); }
inline int lstrcmp(const TCHAR* a, const TCHAR* b) { return lw::StrCmp(a, b); }
inline int lstrcmpi(const TCHAR* a, const TCHAR* b) { return lw::StrICmp(a, b); }
inline TCHAR* lstrcpy(TCHAR* d, const TCHAR* s) { return _tcscpy(d, s); }
inline TCHAR* lstrcpyn(TCHAR* d, const TCHAR* s, int n) { return lw::StrCpyN(d, s, n < 0 ? 0 : static_cast<size_t>(n)); }
#endif
