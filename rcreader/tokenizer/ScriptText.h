// Turns the bytes of a script file into text of the build's width.
#pragma once

#include "Framework.h"

#include <string>

namespace lw {

enum class ScriptEncoding { Cp1252, Utf8, Utf16LE, Utf16BE };

// Detects a byte-order mark (UTF-16 LE/BE, UTF-8); without one the bytes are
// Windows-1252, unless the first line is "#pragma code_page(65001)" (UTF-8,
// as the resource compiler reads it). The mark itself is not part of the
// text. NUL characters become blanks so that they cannot end a line or the
// file early.
std::basic_string<TCHAR> DecodeScriptText(const BYTE* data, size_t size, ScriptEncoding* found = nullptr);

}  // namespace lw
