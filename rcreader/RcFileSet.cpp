#include "RcFileSet.h"

CRcFileSet::CRcFileSet(const CString* paths, int count, IResProgress* progress, int from, int to,
                       CResProblemLog* log) {
  if (!paths || count <= 0) return;
  const int step = (to - from) / count;
  ScriptBuffers buffers;  // each script is read into the memory of the one before
  for (int k = 0; k < count; ++k) {
    if (progress && k > 0) progress->SetPos(from + k * step);
    try {
      // Read straight behind the scripts before: no list per script to copy.
      if (!m_list) {
        std::unique_ptr<CSourceTokenList> list(new CSourceTokenList());
        list->AppendFile(paths[k], &buffers);
        m_list = std::move(list);
      } else {
        m_list->AppendFile(paths[k], &buffers);
      }
    } catch (const CException&) {
      if (!log) throw;
      log->AddLine(kMsgScriptUnreadable, paths[k]);
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
