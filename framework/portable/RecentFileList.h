// The recent-file list: most recent first, at most a fixed number of paths,
// each path once (compared without regard to case), stored in a profile
// section as "File1", "File2", ... and shown in a menu as "&1 path".
// Window-free: reading and writing the profile go through the caller's
// functions, and the menu is the application's business.
#pragma once

#include "Collections.h"

#include <functional>

class CRecentFileList {
 public:
  // start: command id of the first entry; entryFormat: "File%d".
  CRecentFileList(UINT start, LPCTSTR section, LPCTSTR entryFormat, int maxSize);
  virtual ~CRecentFileList() = default;

  int GetSize() const { return static_cast<int>(m_names.GetSize()); }
  int GetMaxSize() const { return m_nMaxSize; }
  const CString& operator[](int index) const { return m_names[index]; }
  UINT GetStartId() const { return m_nStart; }
  const CString& GetSection() const { return m_strSection; }

  // Puts path first (moving it when present); an empty path changes nothing.
  virtual void Add(LPCTSTR path);
  // Removes entry index (no-op when out of range).
  virtual void Remove(int index);
  // The menu text of entry index: "&1 " and the path, '&' doubled.
  CString GetDisplayName(int index) const;

  // The profile entry name of position index (0-based): "File1" ...
  CString EntryName(int index) const;
  // Reads every entry; empty ones and repeats are dropped.
  void ReadList(const std::function<CString(const CString& entry)>& read);
  // Writes every position; unused ones are written empty.
  void WriteList(const std::function<void(const CString& entry, const CString& value)>& write) const;

 private:
  UINT m_nStart;
  CString m_strSection;
  CString m_strEntryFormat;
  int m_nMaxSize;
  CArray<CString> m_names;
};
