// Readable values in gtest failures: a CString is printed quoted, as UTF-8,
// whichever width the test has. Only printing; nothing here compares.
#pragma once

#include "Framework.h"

#include <ostream>

void PrintTo(const CString& s, std::ostream* os);
