#include "CommandLine.h"

void CCommandLineInfo::ParseParam(LPCTSTR param, BOOL flag, BOOL) {
  if (flag || !param || !*param || !m_strFileName.IsEmpty()) return;
  m_strFileName = param;
  m_nShellCommand = FileOpen;
}

namespace lw {

CArray<CString> SplitCommandLine(LPCTSTR commandLine) {
  CArray<CString> params;
  if (!commandLine) return params;
  const TCHAR* p = commandLine;
  for (;;) {
    while (*p == ' ' || *p == '\t') ++p;
    if (!*p) break;
    CString param;
    bool quoted = false;
    for (; *p && (quoted || (*p != ' ' && *p != '\t')); ++p) {
      if (*p == '"') quoted = !quoted;
      else param += *p;
    }
    params.Add(param);
  }
  return params;
}

void ParseCommandLine(LPCTSTR commandLine, CCommandLineInfo& info) {
  CArray<CString> params = SplitCommandLine(commandLine);
  for (INT_PTR i = 0; i < params.GetSize(); ++i) {
    const CString& param = params[i];
    BOOL flag = !param.IsEmpty() && (param[0] == '/' || param[0] == '-');
    info.ParseParam(flag ? param.GetString() + 1 : param.GetString(), flag, i + 1 == params.GetSize());
  }
}

}  // namespace lw
