// The program's command line as the application reads it at start: split
// into parameters (blanks separate, double quotes group and are dropped),
// each handed to CCommandLineInfo::ParseParam. The first parameter that is
// not a flag ('/' or '-') names a file to open. Window-free.
#pragma once

#include "Collections.h"

class CCommandLineInfo {
 public:
  enum { FileNew = 0, FileOpen = 1, FileNothing = -1 };
  virtual ~CCommandLineInfo() = default;

  // flag: param started with '/' or '-' (given without it); last: no more follow.
  virtual void ParseParam(LPCTSTR param, BOOL flag, BOOL last);

  int m_nShellCommand = FileNew;
  CString m_strFileName;
};

namespace lw {
// The parameters of a command line that no longer holds the program's name.
CArray<CString> SplitCommandLine(LPCTSTR commandLine);
// Runs every parameter of commandLine through info.ParseParam.
void ParseCommandLine(LPCTSTR commandLine, CCommandLineInfo& info);
}  // namespace lw
