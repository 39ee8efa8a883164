// How gtest shows a CString in a failure message: quoted, in UTF-8, with
// control characters escaped, in either width. Only for tests; include it
// where CString values are compared with EXPECT_EQ and friends.
#pragma once

#include "Framework.h"

#include <cstdio>
#include <ostream>
#include <string>

template <class Ch>
void PrintTo(const CStringT<Ch>& text, std::ostream* os) {
  const CStringW wide(text);  // from the system code page when 8-bit
  const std::string utf8 = lw::Narrow(wide.GetString(), static_cast<size_t>(wide.GetLength()), CP_UTF8);
  *os << '"';
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\') {
      *os << '\\' << c;
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      *os << escaped;
    } else {
      *os << c;
    }
  }
  *os << '"';
}
