// Scratch files of the tool's tests: a fresh folder per test, text files
// written into it, and UTF-8 literals as CString.
#pragma once

#include "TestPaths.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace tratest {

inline CString Fresh(const char* name) { return lwtest::FreshScratchDir(name); }

inline void WriteText(const CString& path, const std::string& text) {
  CFile out(path, CFile::modeCreate | CFile::modeWrite);
  out.Write(text.data(), static_cast<UINT>(text.size()));
}

inline bool Exists(const CString& path) {
  CFileStatus status;
  return CFile::GetStatus(path, status) != FALSE;
}

inline CString W(const char* utf8) {
  const lw::WString wide = lw::Widen(utf8, strlen(utf8), CP_UTF8);
  return CString(lw::FromWide(wide.data(), wide.size()).c_str());
}

}  // namespace tratest
