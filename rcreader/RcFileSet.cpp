#include "RcFileSet.h"

CRcFileSet::CRcFileSet(const CString* paths, int count, IResProgress* progress, int from, int to) {
  if (!paths || count <= 0) return;
  m_list.reset(new CSourceTokenList(paths[0]));
  if (count < 2) return;
  int step = (to - from) / count;
  for (int k = 1; k < count; ++k) {
    if (progress) progress->SetPos(from + k * step);
    CSourceTokenList next(paths[k]);
    m_list->Append(std::move(next));
  }
}

std::unique_ptr<CResFile> CRcFileSet::BuildResFile(CResProblemLog& log) {
  std::unique_ptr<CResFile> file(new CResFile());
  if (!m_list) return file;
  file->Parse(m_list.get(), 0, log);
  if (m_list->IsTruncated()) log.Add(kMsgTooManyTokens, *m_list, m_list->GetCount() - 1);
  return file;
}
