#include "CFileFind.h"

#include "CFile.h"

#ifndef _WIN32
#include <cstring>
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#endif

BOOL CFileFind::FindFile(LPCTSTR pattern) {
  Close();
  CString pat = pattern && *pattern ? CString(pattern) : CString(_T("*.*"));
  m_root = lw::FolderOf(pat);
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
  std::string dir = m_root.IsEmpty() ? std::string(".") : lw::HostPath(m_root);
  std::string m = lw::HostPath(mask);
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
  return m_root.IsEmpty() ? Current()->name : m_root + _T("\\") + Current()->name;
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
