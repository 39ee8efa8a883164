#include "LwvPaths.h"

#include <algorithm>
#include <cstring>

#ifndef _WIN32
#include <unistd.h>
#endif

using lw::LastSeparator;

CString GetTimeStamp() { return CTime::GetCurrentTime().Format(_T("%Y-%m-%d %H:%M")); }

CString GetDirectoryPart(const CString& path) {
  int at = LastSeparator(path);
  return at < 0 ? CString() : path.Left(at + 1);
}

CString GetExtension(const CString& path) {
  int at = path.ReverseFind(_T('.'));
  return at < 0 ? path : path.Mid(at + 1);
}

namespace {

using lw::IsPathSeparator;

// Length of the part of a path that ".." never climbs above: "\\server\share\"
// of a UNC path, "C:\" of a drive, a leading separator; 0 for a relative path.
int RootLength(const CString& path) {
  const int length = path.GetLength();
  if (length >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1])) {
    int separators = 0;
    for (int i = 2; i < length; ++i)
      if (IsPathSeparator(path[i]) && ++separators == 2) return i + 1;
    return length;
  }
  if (length >= 2 && path[1] == _T(':')) return length >= 3 && IsPathSeparator(path[2]) ? 3 : 2;
  return length >= 1 && IsPathSeparator(path[0]) ? 1 : 0;
}

}  // namespace

CString MakeRelativePath(const CString& file, const CString& base) {
  CString folder = GetDirectoryPart(file);
  CString baseFolder = GetDirectoryPart(base);
  if (folder.GetLength() < 4) return file;  // a drive root or no folder at all
  // Another drive, server or share, or a relative base: nothing in common.
  const int root = RootLength(folder);
  if (root == 0 || RootLength(baseFolder) != root || folder.Left(root).CompareNoCase(baseFolder.Left(root)) != 0)
    return file;
  for (int levels = 0;; ++levels) {
    int n = baseFolder.GetLength();
    if (folder.Left(n).CompareNoCase(baseFolder) == 0) {
      CString result;
      for (int i = 0; i < levels; ++i) result += _T("..\\");
      return result + folder.Mid(n) + lw::NameOf(file);
    }
    if (n <= root) break;
    baseFolder = GetDirectoryPart(baseFolder.Left(n - 1));
  }
  return file;
}

void ChangeDirectory(const CString& path) {
#ifdef _WIN32
  ::SetCurrentDirectory(path);
#else
  if (chdir(lw::HostPath(path).c_str()) != 0) return;
#endif
}

CString GetCurrentDirectory() {
#ifdef _WIN32
  TCHAR buffer[MAX_PATH + 1];
  DWORD n = ::GetCurrentDirectory(MAX_PATH + 1, buffer);
  if (n == 0 || n > MAX_PATH) return CString();
  return CString(buffer, static_cast<int>(n));
#else
  char buffer[4096];
  if (!getcwd(buffer, sizeof buffer)) return CString();
  return CString(lw::FromNarrow(buffer, strlen(buffer), CP_UTF8));
#endif
}

bool IsFullPath(const CString& path) {
  return (!path.IsEmpty() && lw::IsPathSeparator(path[0])) ||
         (path.GetLength() >= 2 && path[1] == _T(':'));
}

CString MakeFullPath(const CString& path) {
  if (path.IsEmpty() || IsFullPath(path)) return path;
  const CString folder = GetCurrentDirectory();
  if (folder.IsEmpty()) return path;
  return JoinPath(folder, path);
}

CString JoinPath(const CString& base, const CString& path) {
  if (IsFullPath(path) || base.IsEmpty()) return path;
  CString folder = base;
  const TCHAR separator = folder.Find(_T('\\')) >= 0 ? _T('\\') : _T('/');
  if (LastSeparator(folder) != folder.GetLength() - 1) folder += separator;
  CString rest = path;
  for (;;) {
    if (rest.Left(2) == _T(".\\") || rest.Left(2) == _T("./")) {
      rest = rest.Mid(2);
    } else if (rest.Left(3) == _T("..\\") || rest.Left(3) == _T("../")) {
      rest = rest.Mid(3);
      // One folder up, never above the root.
      const CString up = GetDirectoryPart(folder.Left(folder.GetLength() - 1));
      if (!up.IsEmpty()) folder = up;
    } else {
      break;
    }
  }
  return folder + rest;
}

CString LwFolderOf(const CString& programPath) {
  const int slash = programPath.ReverseFind(_T('\\'));
  return slash < 0 ? programPath : programPath.Left(slash);
}

CString LwHelpFileOf(const CString& programPath) {
  const int dot = programPath.ReverseFind(_T('.'));
  const int slash = std::max(programPath.ReverseFind(_T('\\')), programPath.ReverseFind(_T('/')));
  if (dot < 0 || dot < slash) return CString();
  return programPath.Left(dot) + _T(".hlp");
}
