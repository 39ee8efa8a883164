// The English table of a program: UTF-8 text, one entry a line
// "original<TAB>english", with the escapes \t, \n, \r and \\ on both sides;
// lines that start with '#' and blank lines are skipped. Reads and looks up;
// translates no tree itself (ProgramTraMaker.h does).
#pragma once

#include "Framework.h"

#include <map>
#include <utility>
#include <vector>

class CEnglishTable {
 public:
  // Adds the entries of a table text. False at the first bad line (no tab,
  // more than one, an unknown escape, an empty side, bytes that are no
  // UTF-8, an original already given another English text); error then
  // names the line ("line 3: ...") and the table keeps the lines before it.
  bool Parse(const BYTE* data, size_t size, CString& error);
  // Adds one entry; an original that is there already keeps its text.
  void Add(const CString& original, const CString& english);
  // Reads the file and parses it; the error names the file.
  bool Load(const CString& path, CString& error);

  // The English text of an original, or null.
  const CString* Find(const CString& original) const;
  int GetCount() const { return static_cast<int>(m_entries.size()); }
  // Every entry as original and English text.
  std::vector<std::pair<CString, CString>> GetEntries() const {
    std::vector<std::pair<CString, CString>> entries;
    for (const auto& e : m_entries) entries.emplace_back(e.first, e.second.english);
    return entries;
  }

 private:
  struct Entry {
    CString english;
    int line;
  };
  std::map<CString, Entry> m_entries;
};
