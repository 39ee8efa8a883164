#include "RcFileSet.h"

CRcFileSet::CRcFileSet(const CString* paths, int count, IResProgress* progress, int from, int to,
                       CResProblemLog* log, const CString* names) {
  if (!paths || count <= 0) return;
  const int step = (to - from) / count;
  ScriptBuffers buffers;  // each script is read into the memory of the one before
  for (int k = 0; k < count; ++k) {
    if (progress && k > 0) progress->SetPos(from + k * step);
    const CString& name = names ? names[k] : paths[k];
    try {
      // Read straight behind the scripts before: no list per script to copy.
      if (!m_list) m_list.reset(new CSourceTokenList());
      m_list->AppendFile(paths[k], &buffers, name);
    } catch (const CException&) {
      if (!log) throw;
      log->AddLine(kMsgScriptUnreadable, name);
      m_unreadable = name;
      return;
    }
  }
}

std::unique_ptr<CResFile> CRcFileSet::BuildResFile(CResProblemLog& log, bool addSwitchDialog) {
  std::unique_ptr<CResFile> file(new CResFile());
  if (m_list) {
    file->Parse(m_list.get(), 0, log);
    if (m_list->IsTruncated()) log.Add(kMsgTooManyTokens, *m_list, m_list->GetCount() - 1);
  }
  if (addSwitchDialog) file->AddSwitchDialog(log.Texts(), log);
  return file;
}
