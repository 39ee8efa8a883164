#include "RcFileSet.h"

CRcFileSet::CRcFileSet(const CString* paths, int count, IResProgress* progress, int from, int to,
                       CResProblemLog* log) {
  if (!paths || count <= 0) return;
  const int step = (to - from) / count;
  for (int k = 0; k < count; ++k) {
    if (progress && k > 0) progress->SetPos(from + k * step);
    std::unique_ptr<CSourceTokenList> next;
    try {
      next.reset(new CSourceTokenList(paths[k]));
    } catch (const CException&) {
      if (!log) throw;
      log->AddLine(kMsgScriptUnreadable, paths[k]);
      continue;
    }
    if (!m_list)
      m_list = std::move(next);
    else
      m_list->Append(std::move(*next));
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
