// The framework's own message texts: a string-table entry of the program
// overrides the built-in English one. "%1" and "%2" are filled in by
// replacement, never used as a format, so a resource text cannot break them.
#pragma once

#include "CString.h"

namespace lw {
CString FrameworkText(UINT id, LPCTSTR fallback, const CString& first = CString(), const CString& second = CString());
}  // namespace lw
