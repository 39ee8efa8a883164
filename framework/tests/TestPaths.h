// A scratch folder per test program, removed at the start of each run.
#pragma once

#include "Framework.h"

#include <string>

namespace lwtest {

// Absolute folder below the build tree, as the program sees it, with a
// trailing backslash.
inline CString ScratchDir(const char* name) {
  CString dir = CString(LW_BINARY_DIR) + _T("\\scratch\\") + CString(name);
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
