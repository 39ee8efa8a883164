#include "ScriptText.h"

#include <cstring>
#include <regex>
#include <string>

namespace lw {

namespace {

WString DecodeUtf16(const BYTE* data, size_t size, bool bigEndian) {
  WString out;
  out.resize(size / 2);  // an odd last byte is dropped
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned lo = data[2 * i + (bigEndian ? 1 : 0)];
    unsigned hi = data[2 * i + (bigEndian ? 0 : 1)];
    out[i] = static_cast<WCHAR>(lo | (hi << 8));
  }
  return out;
}

// A script without a byte-order mark is UTF-8 for the resource compiler
// when its first "#pragma code_page(...)" line names 65001.
bool PragmaSaysUtf8(const BYTE* data, size_t size) {
  static const std::regex pragma(R"(^\s*#\s*pragma\s+code_page\s*\(\s*(\w+)\s*\)\s*$)");
  size_t start = 0;
  while (start < size) {
    const void* newline = std::memchr(data + start, '\n', size - start);
    const size_t end = newline ? static_cast<size_t>(static_cast<const BYTE*>(newline) - data) : size;
    size_t first = start;
    while (first < end && (data[first] == ' ' || data[first] == '\t')) ++first;
    // Directive lines only, and no longer than a directive needs.
    if (first < end && data[first] == '#' && end - start <= 256) {
      std::smatch match;
      const std::string line(reinterpret_cast<const char*>(data + start), end - start);
      if (std::regex_match(line, match, pragma)) return match[1] == "65001";
    }
    start = end + 1;
  }
  return false;
}

#ifdef _UNICODE
// The 16-bit unit of every byte of code page 1252 as the system decodes it,
// with NUL as a blank: a script of that page is decoded by table lookup.
struct Cp1252Table {
  WCHAR unit[256];
  static const Cp1252Table& Get() {
    static const Cp1252Table table;
    return table;
  }

 private:
  Cp1252Table() {
    for (int b = 0; b < 256; ++b) {
      const char byte = static_cast<char>(b);
      WCHAR w = 0;
      if (MultiByteToWideChar(1252, 0, &byte, 1, &w, 1) != 1) w = static_cast<WCHAR>(b);
      unit[b] = w == 0 ? WCHAR(' ') : w;
    }
  }
};
#endif

// The decoded text in the build's width.
void Assign(std::basic_string<TCHAR>& text, WString&& wide) {
#ifdef _UNICODE
  text = std::move(wide);
#else
  text = FromWide(wide.data(), wide.size());
#endif
}

}  // namespace

void DecodeScriptTextInto(const BYTE* data, size_t size, std::basic_string<TCHAR>& text, ScriptEncoding* found) {
  ScriptEncoding enc = ScriptEncoding::Cp1252;
  if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
    enc = ScriptEncoding::Utf16LE;
    Assign(text, DecodeUtf16(data + 2, size - 2, false));
  } else if (size >= 2 && data[0] == 0xFE && data[1] == 0xFF) {
    enc = ScriptEncoding::Utf16BE;
    Assign(text, DecodeUtf16(data + 2, size - 2, true));
  } else if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
    enc = ScriptEncoding::Utf8;
    Assign(text, Widen(reinterpret_cast<const char*>(data + 3), size - 3, CP_UTF8));
  } else if (PragmaSaysUtf8(data, size)) {
    enc = ScriptEncoding::Utf8;
    Assign(text, Widen(reinterpret_cast<const char*>(data), size, CP_UTF8));
  } else {
#ifdef _UNICODE
    // One unit per byte through the page's table, NUL already a blank.
    const Cp1252Table& table = Cp1252Table::Get();
    text.resize(size);
    TCHAR* out = &text[0];
    for (size_t i = 0; i < size; ++i) out[i] = table.unit[data[i]];
    if (found) *found = enc;
    return;
#else
    Assign(text, Widen(reinterpret_cast<const char*>(data), size, 1252));
#endif
  }
  if (found) *found = enc;
  for (auto& c : text)
    if (c == 0) c = ' ';
}

std::basic_string<TCHAR> DecodeScriptText(const BYTE* data, size_t size, ScriptEncoding* found) {
  std::basic_string<TCHAR> text;
  DecodeScriptTextInto(data, size, text, found);
  return text;
}

}  // namespace lw
