#include "Format.h"

#include "CodePage.h"
#include "LwChars.h"

#include <algorithm>
#include <cstdio>
#include <type_traits>
#include <cstring>

namespace lw {
namespace {

struct Conversion {
  bool left = false, plus = false, space = false, alt = false, zero = false;
  int width = -1;
  int precision = -1;
  enum Length { kNone, kHH, kH, kL, kLL, kJ, kZ, kT, kBigL, kI64, kI32, kI } length = kNone;
  char conv = 0;
};

template <class Ch>
void Pad(std::basic_string<Ch>& out, size_t n, Ch c) {
  out.append(n, c);
}

// Appends body (already in Ch) with width and justification.
template <class Ch>
void Emit(std::basic_string<Ch>& out, const Conversion& sp, const Ch* body, size_t len) {
  size_t width = sp.width > 0 ? static_cast<size_t>(sp.width) : 0;
  size_t pad = width > len ? width - len : 0;
  if (!sp.left) Pad(out, pad, static_cast<Ch>(sp.zero ? '0' : ' '));
  out.append(body, len);
  if (sp.left) Pad(out, pad, static_cast<Ch>(' '));
}

template <class Ch>
void EmitAscii(std::basic_string<Ch>& out, const char* s, size_t len) {
  for (size_t i = 0; i < len; ++i) out.push_back(static_cast<Ch>(static_cast<unsigned char>(s[i])));
}

// Numbers are formatted by the C library in 8-bit (ASCII only), then widened.
template <class Ch>
void EmitNumber(std::basic_string<Ch>& out, const Conversion& sp, const char* conv, ...) {
  char fmt[32];
  char* f = fmt;
  *f++ = '%';
  if (sp.left) *f++ = '-';
  if (sp.plus) *f++ = '+';
  if (sp.space) *f++ = ' ';
  if (sp.alt) *f++ = '#';
  if (sp.zero) *f++ = '0';
  if (sp.width >= 0) f += snprintf(f, 12, "%d", sp.width);
  if (sp.precision >= 0) f += snprintf(f, 13, ".%d", sp.precision);
  strcpy(f, conv);
  va_list ap, ap2;
  va_start(ap, conv);
  va_copy(ap2, ap);
  char small[128];
  int n = vsnprintf(small, sizeof small, fmt, ap);
  va_end(ap);
  if (n < 0) {
    va_end(ap2);
    return;
  }
  if (static_cast<size_t>(n) < sizeof small) {
    EmitAscii(out, small, static_cast<size_t>(n));
  } else {
    std::string big(static_cast<size_t>(n) + 1, '\0');
    vsnprintf(&big[0], big.size(), fmt, ap2);
    EmitAscii(out, big.data(), static_cast<size_t>(n));
  }
  va_end(ap2);
}

template <class Ch>
std::basic_string<Ch> ConvertText(const char* s, size_t len);
template <>
std::string ConvertText<char>(const char* s, size_t len) { return std::string(s, len); }
template <>
WString ConvertText<WCHAR>(const char* s, size_t len) { return Widen(s, len, CP_ACP); }

template <class Ch>
std::basic_string<Ch> ConvertText(const WCHAR* s, size_t len);
template <>
std::string ConvertText<char>(const WCHAR* s, size_t len) { return Narrow(s, len, CP_ACP); }

template <class Ch, class Src>
void EmitString(std::basic_string<Ch>& out, const Conversion& sp, const Src* s) {
  static const char kNull[] = "(null)";
  if (!s) {
    std::basic_string<Ch> t = ConvertText<Ch>(kNull, 6);
    size_t n = sp.precision >= 0 ? std::min(t.size(), static_cast<size_t>(sp.precision)) : t.size();
    Emit(out, sp, t.data(), n);
    return;
  }
  size_t len = 0;
  if (sp.precision >= 0) {
    while (len < static_cast<size_t>(sp.precision) && s[len]) ++len;
  } else {
    len = StrLen(s);
  }
  if constexpr (std::is_same<Ch, Src>::value) {
    Emit(out, sp, s, len);
  } else {
    std::basic_string<Ch> t = ConvertText<Ch>(s, len);
    Emit(out, sp, t.data(), t.size());
  }
}

template <class Ch>
void EmitChar(std::basic_string<Ch>& out, const Conversion& sp, unsigned code, bool sourceWide) {
  Ch c;
  if (std::is_same<Ch, char>::value && sourceWide) {
    WCHAR w = static_cast<WCHAR>(code);
    std::string t = Narrow(&w, 1, CP_ACP);
    c = t.empty() ? '?' : static_cast<Ch>(t[0]);
  } else if (!std::is_same<Ch, char>::value && !sourceWide) {
    char b = static_cast<char>(code);
    WString t = Widen(&b, 1, CP_ACP);
    c = t.empty() ? static_cast<Ch>('?') : static_cast<Ch>(t[0]);
  } else {
    c = static_cast<Ch>(code);
  }
  Emit(out, sp, &c, 1);
}

template <class Ch>
bool IsWideArg(const Conversion& sp, bool upperConv) {
  if (sp.length == Conversion::kH) return false;
  if (sp.length == Conversion::kL) return true;
  bool own = !std::is_same<Ch, char>::value;
  return upperConv ? !own : own;
}

}  // namespace

template <class Ch>
void FormatAppendV(std::basic_string<Ch>& out, const Ch* format, va_list args) {
  if (!format) return;
  va_list ap;
  va_copy(ap, args);
  const Ch* p = format;
  while (*p) {
    if (*p != '%') {
      const Ch* start = p;
      while (*p && *p != '%') ++p;
      out.append(start, static_cast<size_t>(p - start));
      continue;
    }
    const Ch* specStart = p++;
    if (*p == '%') {
      out.push_back(static_cast<Ch>('%'));
      ++p;
      continue;
    }
    Conversion sp;
    for (;; ++p) {
      if (*p == '-') sp.left = true;
      else if (*p == '+') sp.plus = true;
      else if (*p == ' ') sp.space = true;
      else if (*p == '#') sp.alt = true;
      else if (*p == '0') sp.zero = true;
      else break;
    }
    if (*p == '*') {
      sp.width = va_arg(ap, int);
      if (sp.width < 0) {
        sp.left = true;
        sp.width = sp.width == INT32_MIN ? 0 : -sp.width;
      }
      ++p;
    } else {
      while (IsDigit(CharCode(*p))) {
        if (sp.width < 0) sp.width = 0;
        if (sp.width < 100000) sp.width = sp.width * 10 + (*p - '0');
        ++p;
      }
    }
    if (*p == '.') {
      ++p;
      sp.precision = 0;
      if (*p == '*') {
        sp.precision = va_arg(ap, int);
        if (sp.precision < 0) sp.precision = -1;
        ++p;
      } else {
        while (IsDigit(CharCode(*p))) {
          if (sp.precision < 100000) sp.precision = sp.precision * 10 + (*p - '0');
          ++p;
        }
      }
    }
    if (sp.width > 100000) sp.width = 100000;
    switch (*p) {
      case 'h': ++p; sp.length = Conversion::kH; if (*p == 'h') { ++p; sp.length = Conversion::kHH; } break;
      case 'l': ++p; sp.length = Conversion::kL; if (*p == 'l') { ++p; sp.length = Conversion::kLL; } break;
      case 'w': ++p; sp.length = Conversion::kL; break;
      case 'j': ++p; sp.length = Conversion::kJ; break;
      case 'z': ++p; sp.length = Conversion::kZ; break;
      case 't': ++p; sp.length = Conversion::kT; break;
      case 'L': ++p; sp.length = Conversion::kBigL; break;
      case 'I':
        if (p[1] == '6' && p[2] == '4') { p += 3; sp.length = Conversion::kI64; }
        else if (p[1] == '3' && p[2] == '2') { p += 3; sp.length = Conversion::kI32; }
        else { ++p; sp.length = Conversion::kI; }
        break;
      default: break;
    }
    Ch conv = *p;
    if (!conv) {  // a lone '%' at the end is kept as it stands
      out.append(specStart, static_cast<size_t>(p - specStart));
      break;
    }
    ++p;
    switch (conv) {
      case 'd': case 'i': {
        long long v;
        switch (sp.length) {
          case Conversion::kHH: v = static_cast<signed char>(va_arg(ap, int)); break;
          case Conversion::kH: v = static_cast<short>(va_arg(ap, int)); break;
          case Conversion::kL: v = va_arg(ap, long); break;
          case Conversion::kLL: case Conversion::kI64: case Conversion::kJ: v = va_arg(ap, long long); break;
          case Conversion::kZ: case Conversion::kT: case Conversion::kI: v = va_arg(ap, intptr_t); break;
          default: v = va_arg(ap, int); break;
        }
        EmitNumber(out, sp, "lld", v);
        break;
      }
      case 'u': case 'x': case 'X': case 'o': {
        unsigned long long v;
        switch (sp.length) {
          case Conversion::kHH: v = static_cast<unsigned char>(va_arg(ap, unsigned)); break;
          case Conversion::kH: v = static_cast<unsigned short>(va_arg(ap, unsigned)); break;
          case Conversion::kL: v = va_arg(ap, unsigned long); break;
          case Conversion::kLL: case Conversion::kI64: case Conversion::kJ: v = va_arg(ap, unsigned long long); break;
          case Conversion::kZ: case Conversion::kT: case Conversion::kI: v = va_arg(ap, uintptr_t); break;
          default: v = va_arg(ap, unsigned); break;
        }
        char c[4] = {'l', 'l', static_cast<char>(conv), 0};
        EmitNumber(out, sp, c, v);
        break;
      }
      case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A': {
        char c[2] = {static_cast<char>(conv), 0};
        if (sp.length == Conversion::kBigL) {
          double v = static_cast<double>(va_arg(ap, long double));
          EmitNumber(out, sp, c, v);
        } else {
          EmitNumber(out, sp, c, va_arg(ap, double));
        }
        break;
      }
      case 'p': {
        void* v = va_arg(ap, void*);
        Conversion ps = sp;
        ps.precision = static_cast<int>(2 * sizeof(void*));
        EmitNumber(out, ps, "llX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(v)));
        break;
      }
      case 'c': case 'C': {
        unsigned v = va_arg(ap, unsigned);
        EmitChar(out, sp, v, IsWideArg<Ch>(sp, conv == 'C'));
        break;
      }
      case 's': case 'S': {
        if (IsWideArg<Ch>(sp, conv == 'S')) EmitString(out, sp, va_arg(ap, const WCHAR*));
        else EmitString(out, sp, va_arg(ap, const char*));
        break;
      }
      case 'n':
        (void)va_arg(ap, void*);  // never written
        break;
      default:  // unknown conversion: copy it through
        out.append(specStart, static_cast<size_t>(p - specStart));
        break;
    }
  }
  va_end(ap);
}

template void FormatAppendV<char>(std::string&, const char*, va_list);
template void FormatAppendV<WCHAR>(WString&, const WCHAR*, va_list);

}  // namespace lw
