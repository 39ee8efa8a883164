// A scratch folder per test program, and a whole file read as bytes.
#pragma once

#include "Framework.h"

#include <string>
#include <vector>

namespace lwtest {

// Makes a folder with the folders above it; false when it is not there after.
inline bool MakeFolder(const CString& path) {
#ifdef _WIN32
  CString p = path;
  p.Replace(_T('/'), _T('\\'));
  for (int at = p.Find(_T('\\'), 3); at > 0; at = p.Find(_T('\\'), at + 1)) CreateDirectory(p.Left(at), nullptr);
  CreateDirectory(p, nullptr);
  const DWORD attributes = GetFileAttributes(p);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
#else
  const std::string cmd = "mkdir -p '" + lw::HostPath(path) + "'";
  return system(cmd.c_str()) == 0;
#endif
}

// Absolute folder below the build tree, as the program sees it, with a
// trailing backslash; one per character width, since both test programs of a
// width pair run at the same time.
inline CString ScratchDir(const char* name) {
  const TCHAR* width = sizeof(TCHAR) == 1 ? _T("a_") : _T("u_");
  CString dir = CString(LW_BINARY_DIR) + _T("\\scratch\\") + width + CString(name);
  if (!MakeFolder(dir)) return CString();
  return dir + _T("\\");
}

// Deletes everything inside folder (given with its trailing separator), the
// folder itself stays.
inline void ClearFolder(const CString& folder) {
#ifdef _WIN32
  CFileFind find;
  BOOL more = find.FindFile(folder + _T("*"));
  while (more) {
    more = find.FindNextFile();
    if (find.IsDots()) continue;
    const CString path = folder + find.GetFileName();
    if (find.IsDirectory()) {
      ClearFolder(path + _T("\\"));
      ::RemoveDirectory(path);
    } else {
      ::SetFileAttributes(path, FILE_ATTRIBUTE_NORMAL);
      ::DeleteFile(path);
    }
  }
#else
  const std::string cmd = "rm -rf '" + lw::HostPath(folder) + "'/* '" + lw::HostPath(folder) + "'/.[!.]*";
  if (system(cmd.c_str()) != 0) return;
#endif
}

// ScratchDir emptied first: what a killed run left there cannot break the
// test that uses it next.
inline CString FreshScratchDir(const char* name) {
  const CString dir = ScratchDir(name);
  if (!dir.IsEmpty()) ClearFolder(dir);
  return dir;
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
