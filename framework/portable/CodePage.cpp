#include "CodePage.h"
#include "LwChars.h"

#ifndef _WIN32
namespace {

// Windows-1252 0x80..0x9F; 0 marks the five undefined positions.
const WCHAR kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

uint32_t DecodeByte1252(unsigned char b) {
  if (b >= 0x80 && b < 0xA0) {
    WCHAR w = kCp1252High[b - 0x80];
    return w ? w : b;  // Windows maps the undefined bytes to the same code point
  }
  return b;
}

int EncodeChar1252(uint32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int i = 0; i < 32; ++i)
    if (kCp1252High[i] == c || (kCp1252High[i] == 0 && c == 0x80u + i)) return 0x80 + i;
  return -1;
}

bool IsSingleByte(UINT cp) { return cp == CP_ACP || cp == CP_OEMCP || cp == 1252 || cp == 28591; }

// Appends one code point as UTF-16; returns the units written (or needed).
int PutUtf16(uint32_t cp, LPWSTR dst, int pos, int cap) {
  int n = cp >= 0x10000 ? 2 : 1;
  if (dst && pos + n <= cap) {
    if (n == 1) {
      dst[pos] = static_cast<WCHAR>(cp);
    } else {
      cp -= 0x10000;
      dst[pos] = static_cast<WCHAR>(0xD800 + (cp >> 10));
      dst[pos + 1] = static_cast<WCHAR>(0xDC00 + (cp & 0x3FF));
    }
  }
  return n;
}

// Decodes one UTF-8 sequence; invalid bytes give U+FFFD and advance by one.
uint32_t NextUtf8(const unsigned char* s, int len, int& i, bool& bad) {
  unsigned char b = s[i];
  if (b < 0x80) { ++i; return b; }
  int need = b >= 0xF0 && b < 0xF5 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : -1;
  if (b >= 0xF5) need = -1;
  if (need < 0 || len - i - 1 < need) { ++i; bad = true; return 0xFFFD; }
  uint32_t cp = b & (0x3F >> need);
  for (int k = 1; k <= need; ++k) {
    unsigned char c = s[i + k];
    if ((c & 0xC0) != 0x80) { ++i; bad = true; return 0xFFFD; }
    cp = (cp << 6) | (c & 0x3F);
  }
  static const uint32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[need] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) { ++i; bad = true; return 0xFFFD; }
  i += need + 1;
  return cp;
}

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR src, int srcLen, LPWSTR dst, int dstLen) {
  if (!src || srcLen == 0 || dstLen < 0) return 0;
  if (srcLen < 0) srcLen = static_cast<int>(lw::StrLen(src)) + 1;
  const unsigned char* s = reinterpret_cast<const unsigned char*>(src);
  int out = 0;
  if (IsSingleByte(codePage)) {
    // One 16-bit unit per byte.
    if (!dst) return srcLen;
    const bool latin1 = codePage == 28591;
    const int fits = srcLen < dstLen ? srcLen : dstLen;
    for (int i = 0; i < fits; ++i) {
      const unsigned char b = s[i];
      dst[i] = static_cast<WCHAR>(b < 0x80 || latin1 ? b : DecodeByte1252(b));
    }
    return fits < srcLen ? 0 : srcLen;
  }
  if (codePage != CP_UTF8) return 0;
  for (int i = 0; i < srcLen;) {
    bool bad = false;
    uint32_t c = NextUtf8(s, srcLen, i, bad);
    if (bad && (flags & MB_ERR_INVALID_CHARS)) return 0;
    int n = PutUtf16(c, nullptr, 0, 0);
    if (dst && out + n > dstLen) return 0;
    PutUtf16(c, dst, out, dstLen);
    out += n;
  }
  return out;
}

int WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR src, int srcLen, LPSTR dst, int dstLen,
                        LPCSTR defaultChar, BOOL* usedDefault) {
  if (usedDefault) *usedDefault = FALSE;
  if (!src || srcLen == 0 || dstLen < 0) return 0;
  if (srcLen < 0) srcLen = static_cast<int>(lw::StrLen(src)) + 1;
  int out = 0;
  auto put = [&](unsigned char b) -> bool {
    if (dst) {
      if (out >= dstLen) return false;
      dst[out] = static_cast<char>(b);
    }
    ++out;
    return true;
  };
  for (int i = 0; i < srcLen; ++i) {
    uint32_t c = src[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < srcLen && src[i + 1] >= 0xDC00 && src[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (src[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
    }
    if (codePage == CP_UTF8) {
      unsigned char buf[4];
      int n;
      if (c < 0x80) { buf[0] = static_cast<unsigned char>(c); n = 1; }
      else if (c < 0x800) { buf[0] = 0xC0 | (c >> 6); buf[1] = 0x80 | (c & 0x3F); n = 2; }
      else if (c < 0x10000) { buf[0] = 0xE0 | (c >> 12); buf[1] = 0x80 | ((c >> 6) & 0x3F); buf[2] = 0x80 | (c & 0x3F); n = 3; }
      else { buf[0] = 0xF0 | (c >> 18); buf[1] = 0x80 | ((c >> 12) & 0x3F); buf[2] = 0x80 | ((c >> 6) & 0x3F); buf[3] = 0x80 | (c & 0x3F); n = 4; }
      if (dst && out + n > dstLen) return 0;
      for (int k = 0; k < n; ++k) put(buf[k]);
      continue;
    }
    if (!IsSingleByte(codePage)) return 0;
    int b = codePage == 28591 ? (c <= 0xFF ? static_cast<int>(c) : -1) : EncodeChar1252(c);
    if (b < 0) {
      b = defaultChar ? static_cast<unsigned char>(*defaultChar) : '?';
      if (usedDefault) *usedDefault = TRUE;
    }
    if (!put(static_cast<unsigned char>(b))) return 0;
  }
  return out;
}
#endif  // !_WIN32

namespace lw {

WString Widen(const char* s, size_t len, UINT codePage) {
  WString out;
  if (!s || !len) return out;
  int n = MultiByteToWideChar(codePage, 0, s, static_cast<int>(len), nullptr, 0);
  if (n <= 0) return out;
  out.resize(static_cast<size_t>(n));
  MultiByteToWideChar(codePage, 0, s, static_cast<int>(len), &out[0], n);
  return out;
}

std::string Narrow(const WCHAR* s, size_t len, UINT codePage) {
  std::string out;
  if (!s || !len) return out;
  int n = WideCharToMultiByte(codePage, 0, s, static_cast<int>(len), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return out;
  out.resize(static_cast<size_t>(n));
  WideCharToMultiByte(codePage, 0, s, static_cast<int>(len), &out[0], n, nullptr, nullptr);
  return out;
}

std::string ToUtf8(const WCHAR* s, size_t len) { return Narrow(s, len, static_cast<UINT>(CP_UTF8)); }

std::basic_string<TCHAR> FromNarrow(const char* s, size_t len, UINT codePage) {
#ifdef _UNICODE
  return Widen(s, len, codePage);
#else
  (void)codePage;
  return std::string(s ? s : "", s ? len : 0);
#endif
}

std::basic_string<TCHAR> FromWide(const WCHAR* s, size_t len) {
#ifdef _UNICODE
  return WString(s ? s : LW_WSTR(""), s ? len : 0);
#else
  return Narrow(s, len, CP_ACP);
#endif
}

std::string ToNarrow(const TCHAR* s, size_t len, UINT codePage) {
#ifdef _UNICODE
  return Narrow(s, len, codePage);
#else
  (void)codePage;
  return std::string(s ? s : "", s ? len : 0);
#endif
}

WString ToWide(const TCHAR* s, size_t len) {
#ifdef _UNICODE
  return WString(s ? s : LW_WSTR(""), s ? len : 0);
#else
  return Widen(s, len, CP_ACP);
#endif
}

}  // namespace lw
