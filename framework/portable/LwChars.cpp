#include "LwChars.h"

#include <climits>

namespace lw {
namespace {

int DigitValue(uint32_t c) {
  if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
  if (c >= 'a' && c <= 'z') return static_cast<int>(c - 'a' + 10);
  if (c >= 'A' && c <= 'Z') return static_cast<int>(c - 'A' + 10);
  return 99;
}

// Parses sign and digits; the magnitude saturates at 2^32 so that both
// results below can clamp to the 32-bit ranges Windows uses.
template <class Ch>
const Ch* ParseMagnitude(const Ch* s, int base, bool& negative, uint64_t& magnitude, bool& any) {
  negative = false;
  magnitude = 0;
  any = false;
  while (*s && IsSpace(CharCode(*s))) ++s;
  if (*s == '+' || *s == '-') negative = *s++ == '-';
  if ((base == 0 || base == 16) && s[0] == '0' && (s[1] == 'x' || s[1] == 'X') && DigitValue(CharCode(s[2])) < 16) {
    s += 2;
    base = 16;
  } else if (base == 0) {
    base = s[0] == '0' ? 8 : 10;
  }
  for (; *s; ++s) {
    int d = DigitValue(CharCode(*s));
    if (d >= base) break;
    any = true;
    magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
    if (magnitude > 0x100000000ull) magnitude = 0x100000000ull;
  }
  return s;
}

}  // namespace

template <class Ch>
long StrToL(const Ch* s, const Ch** end, int base) {
  if (!s) return 0;
  bool negative, any;
  uint64_t m;
  const Ch* e = ParseMagnitude(s, base, negative, m, any);
  if (end) *end = any ? e : s;
  if (!negative) return m > 0x7FFFFFFFull ? 0x7FFFFFFFL : static_cast<long>(m);
  return m > 0x80000000ull ? static_cast<long>(INT32_MIN) : -static_cast<long>(m);
}

template <class Ch>
unsigned long StrToUL(const Ch* s, const Ch** end, int base) {
  if (!s) return 0;
  bool negative, any;
  uint64_t m;
  const Ch* e = ParseMagnitude(s, base, negative, m, any);
  if (end) *end = any ? e : s;
  if (m > 0xFFFFFFFFull) return 0xFFFFFFFFul;
  uint32_t v = static_cast<uint32_t>(m);
  return negative ? static_cast<uint32_t>(0u - v) : v;
}

template long StrToL<char>(const char*, const char**, int);
template long StrToL<WCHAR>(const WCHAR*, const WCHAR**, int);
template unsigned long StrToUL<char>(const char*, const char**, int);
template unsigned long StrToUL<WCHAR>(const WCHAR*, const WCHAR**, int);

}  // namespace lw
