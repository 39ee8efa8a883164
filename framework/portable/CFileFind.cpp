#include "CFileFind.h"

#include "CFile.h"

#ifndef _WIN32
#include <cstring>
#include <dirent.h>
#include <fnmatch.h>
#include <strings.h>
#include <sys/stat.h>

namespace {

// A Windows name pattern for fnmatch: only '*' and '?' are wildcards, so
// brackets and backslashes stand for themselves.
std::string LiteralBrackets(const std::string& mask) {
  std::string out;
  for (char c : mask) {
    if (c == '[' || c == ']' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

// The entry of dir whose name equals name apart from case ("" when none).
std::string EntryIgnoringCase(const std::string& dir, const std::string& name) {
  std::string found;
  if (DIR* d = opendir(dir.empty() ? "." : dir.c_str())) {
    while (dirent* e = readdir(d))
      if (strcasecmp(e->d_name, name.c_str()) == 0) {
        found = e->d_name;
        break;
      }
    closedir(d);
  }
  return found;
}

}  // namespace
#endif

namespace lw {

CString FoldFolderCase(const CString& folder) {
#ifdef _WIN32
  return folder;
#else
  std::string host = HostPath(folder);
  if (host.empty() || Exists(host)) return folder;
  // Component by component: a part that is not there as written takes the
  // name of an entry that differs from it only in case.
  std::string done;
  size_t pos = 0;
  bool changed = false;
  while (pos <= host.size()) {
    size_t slash = host.find('/', pos);
    if (slash == std::string::npos) slash = host.size();
    std::string part = host.substr(pos, slash - pos);
    std::string path = done + part;
    if (!part.empty() && part != "." && part != ".." && !Exists(path)) {
      std::string other = EntryIgnoringCase(done, part);
      if (other.empty()) return folder;
      path = done + other;
      changed = true;
    }
    done = path;
    if (slash < host.size()) done += '/';
    pos = slash + 1;
  }
  if (!changed) return folder;
  CString found(FromNarrow(done.data(), done.size(), CP_UTF8));
  // Keep the caller's separators.
  for (int i = 0; i < folder.GetLength() && i < found.GetLength(); ++i)
    if (folder[i] == '\\' && found[i] == '/') found.SetAt(i, '\\');
  return found;
#endif
}

}  // namespace lw

BOOL CFileFind::FindFile(LPCTSTR pattern) {
  Close();
  CString pat = pattern && *pattern ? CString(pattern) : CString(_T("*.*"));
  // A pattern in the root folder keeps the root's separator.
  m_root = lw::LastSeparator(pat) == 0 ? pat.Left(1) : lw::FolderOf(pat);
  CString mask = lw::NameOf(pat);
#ifdef _WIN32
  WIN32_FIND_DATA data;
  HANDLE h = ::FindFirstFile(pat, &data);
  if (h == INVALID_HANDLE_VALUE) return FALSE;
  do {
    ULONGLONG v = (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    m_entries.push_back({data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                         (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                         static_cast<time_t>((v - 116444736000000000ULL) / 10000000ULL)});
  } while (::FindNextFile(h, &data));
  ::FindClose(h);
#else
  m_root = lw::FoldFolderCase(m_root);
  std::string dir = m_root.IsEmpty() ? std::string(".") : lw::HostPath(m_root);
  std::string m = LiteralBrackets(lw::HostPath(mask));
  if (m == "*.*") m = "*";
  DIR* d = opendir(dir.c_str());
  if (!d) return FALSE;
  while (dirent* e = readdir(d)) {
    if (fnmatch(m.c_str(), e->d_name, FNM_CASEFOLD) != 0) continue;
    struct stat st;
    std::string full = dir + "/" + e->d_name;
    if (stat(full.c_str(), &st) != 0) continue;
    m_entries.push_back({CString(lw::FromNarrow(e->d_name, strlen(e->d_name), CP_UTF8)), S_ISDIR(st.st_mode),
                         static_cast<ULONGLONG>(st.st_size), st.st_mtime});
  }
  closedir(d);
#endif
  return m_entries.empty() ? FALSE : TRUE;
}

BOOL CFileFind::FindNextFile() {
  if (m_index + 1 >= static_cast<int>(m_entries.size())) return FALSE;
  ++m_index;
  return m_index + 1 < static_cast<int>(m_entries.size()) ? TRUE : FALSE;
}

void CFileFind::Close() {
  m_entries.clear();
  m_index = -1;
  m_root.Empty();
}

const CFileFind::Entry* CFileFind::Current() const {
  return m_index >= 0 && m_index < static_cast<int>(m_entries.size()) ? &m_entries[static_cast<size_t>(m_index)] : nullptr;
}

CString CFileFind::GetFileName() const { return Current() ? Current()->name : CString(); }

CString CFileFind::GetFilePath() const {
  if (!Current()) return CString();
  if (m_root.IsEmpty() || lw::IsPathSeparator(m_root[m_root.GetLength() - 1])) return m_root + Current()->name;
  return m_root + _T("\\") + Current()->name;
}

CString CFileFind::GetFileTitle() const { return lw::TitleOf(GetFileName()); }

BOOL CFileFind::IsDirectory() const { return Current() && Current()->directory; }

BOOL CFileFind::IsDots() const {
  CString n = GetFileName();
  return IsDirectory() && (n == _T(".") || n == _T(".."));
}

ULONGLONG CFileFind::GetLength() const { return Current() ? Current()->size : 0; }

BOOL CFileFind::GetLastWriteTime(CTime& time) const {
  if (!Current()) return FALSE;
  time = CTime(Current()->mtime);
  return TRUE;
}
