// A scratch folder per test program, and a whole file read as bytes.
#pragma once

#include "Framework.h"

#include <string>
#include <vector>

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

// The bytes of a file; empty when it cannot be opened.
inline std::vector<BYTE> ReadFileBytes(const CString& path) {
  std::vector<BYTE> bytes;
  CFile in;
  if (!in.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return bytes;
  bytes.resize(static_cast<size_t>(in.GetLength()));
  if (!bytes.empty()) in.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  return bytes;
}

}  // namespace lwtest
