#include "ScriptText.h"

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

// A script without a byte-order mark that opens with
// "#pragma code_page(65001)" is UTF-8 for the resource compiler.
bool OpensWithUtf8Pragma(const BYTE* data, size_t size) {
  size_t end = 0;
  while (end < size && end < 256 && data[end] != '\n') ++end;
  static const std::regex pragma(R"(^\s*#\s*pragma\s+code_page\s*\(\s*65001\s*\)\s*$)");
  return std::regex_match(std::string(reinterpret_cast<const char*>(data), end), pragma);
}

}  // namespace

std::basic_string<TCHAR> DecodeScriptText(const BYTE* data, size_t size, ScriptEncoding* found) {
  ScriptEncoding enc = ScriptEncoding::Cp1252;
  WString wide;
  if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
    enc = ScriptEncoding::Utf16LE;
    wide = DecodeUtf16(data + 2, size - 2, false);
  } else if (size >= 2 && data[0] == 0xFE && data[1] == 0xFF) {
    enc = ScriptEncoding::Utf16BE;
    wide = DecodeUtf16(data + 2, size - 2, true);
  } else if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
    enc = ScriptEncoding::Utf8;
    wide = Widen(reinterpret_cast<const char*>(data + 3), size - 3, CP_UTF8);
  } else if (OpensWithUtf8Pragma(data, size)) {
    enc = ScriptEncoding::Utf8;
    wide = Widen(reinterpret_cast<const char*>(data), size, CP_UTF8);
  } else {
    wide = Widen(reinterpret_cast<const char*>(data), size, 1252);
  }
  if (found) *found = enc;
  for (auto& c : wide)
    if (c == 0) c = ' ';
  return FromWide(wide.data(), wide.size());
}

}  // namespace lw
