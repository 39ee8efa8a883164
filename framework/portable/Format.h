// printf-style formatting by the class library's rules, for both widths:
// %s and %c take the format's own width, %S and %C the other one, %hs/%hc
// always 8-bit and %ls/%lc/%ws always 16-bit. %n is never written.
#pragma once

#include "LwTypes.h"
#include <cstdarg>
#include <string>

namespace lw {

template <class Ch>
void FormatAppendV(std::basic_string<Ch>& out, const Ch* format, va_list args);

template <class Ch>
std::basic_string<Ch> FormatV(const Ch* format, va_list args) {
  std::basic_string<Ch> out;
  FormatAppendV(out, format, args);
  return out;
}

}  // namespace lw
