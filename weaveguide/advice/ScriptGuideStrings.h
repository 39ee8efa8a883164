// The assistant's strings as its resource script holds them, for composing
// its page texts outside the program: the STRINGTABLE entries of the script,
// their symbolic ids resolved by the #define lines of the ids header. Reads
// the two files; knows nothing of the pages.
#pragma once

#include "GuideStrings.h"

#include <map>

class CScriptGuideStrings : public CGuideStrings {
 public:
  // False with error set when a file cannot be read or the script holds no
  // string table.
  bool ReadScript(const CString& script, const CString& idsHeader, CString& error);

  // The string of the id; empty when the script has none.
  CString Load(UINT id) const override;
  CString LoadOriginal(UINT id) const override { return Load(id); }
  int GetCount() const { return static_cast<int>(m_texts.size()); }

 private:
  std::map<UINT, CString> m_texts;
};
