// The scripts of a project read into one token list, and the statement
// loop run over it.
#pragma once

#include "ResFile.h"
#include "ResProgress.h"

#include <memory>

class CRcFileSet {
 public:
  // Reads every script; moves progress (when given) from..to between them.
  // Without a log, throws CFileException when a script cannot be read; with
  // one, the first such script is a line of the log, reading stops there
  // and Unreadable names it. names (count of them, when given) are how the
  // tokens and so the log name the scripts.
  CRcFileSet(const CString* paths, int count, IResProgress* progress, int from, int to,
             CResProblemLog* log = nullptr, const CString* names = nullptr);
  CRcFileSet(const CRcFileSet&) = delete;
  CRcFileSet& operator=(const CRcFileSet&) = delete;

  // A new CResFile parsed from the whole list, with the language-switch
  // dialog when asked (its texts from the log's text source); the caller
  // owns it.
  std::unique_ptr<CResFile> BuildResFile(CResProblemLog& log, bool addSwitchDialog = false);
  // Null when the set was made without a path.
  const CSourceTokenList* GetTokenList() const { return m_list.get(); }
  // The script that could not be read (its name), or "".
  const CString& Unreadable() const { return m_unreadable; }

 private:
  std::unique_ptr<CSourceTokenList> m_list;
  CString m_unreadable;
};
