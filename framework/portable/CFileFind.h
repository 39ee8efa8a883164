// Lists the files that match a pattern such as "C:\\dir\\*.tra".
#pragma once

#include "CTime.h"

#include <vector>

class CFileFind {
 public:
  // Collects the matches; false when there is none. A null pattern means "*.*".
  BOOL FindFile(LPCTSTR pattern = nullptr);
  // Moves to the next match; false when the match it moved to is the last one.
  BOOL FindNextFile();
  void Close();

  CString GetFileName() const;
  CString GetFilePath() const;
  CString GetFileTitle() const;
  CString GetRoot() const { return m_root; }
  BOOL IsDirectory() const;
  BOOL IsDots() const;
  ULONGLONG GetLength() const;
  BOOL GetLastWriteTime(CTime& time) const;

 private:
  struct Entry {
    CString name;
    bool directory;
    ULONGLONG size;
    time_t mtime;
  };
  const Entry* Current() const;
  CString m_root;
  std::vector<Entry> m_entries;
  int m_index = -1;
};
