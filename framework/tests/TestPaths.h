// A scratch folder per test program, removed at the start of each run.
#pragma once

#include "Framework.h"

#include <string>

namespace lwtest {

// Absolute folder below the build tree, as the program sees it, with a
// trailing backslash; one per character width, since both test programs of a
// width pair run at the same time.
inline CString ScratchDir(const char* name) {
  const TCHAR* width = sizeof(TCHAR) == 1 ? _T("a_") : _T("u_");
  CString dir = CString(LW_BINARY_DIR) + _T("\\scratch\\") + width + CString(name);
  std::string host = lw::HostPath(dir);
  std::string cmd;
#ifdef _WIN32
  CreateDirectory(CString(LW_BINARY_DIR) + _T("\\scratch"), nullptr);
  CreateDirectory(dir, nullptr);
#else
  cmd = "mkdir -p '" + host + "'";
  if (system(cmd.c_str()) != 0) return CString();
#endif
  return dir + _T("\\");
}

}  // namespace lwtest
