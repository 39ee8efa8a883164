#include "ResProblemLog.h"

CResProblemLog::CResProblemLog(IResTextSource* texts) : m_texts(texts ? texts : &m_defaultTexts) {}

CString CResProblemLog::MessageText(UINT id) {
  for (const auto& entry : m_cache)
    if (entry.first == id) return entry.second;
  m_cache.emplace_back(id, m_texts->LoadText(id));
  return m_cache.back().second;
}

void CResProblemLog::Add(UINT messageId, const CSourceTokenList& list, int tokenIndex) {
  if (m_count > kMaxListed) {  // counted only: no context to make
    ++m_count;
    return;
  }
  if (tokenIndex >= list.GetCount()) tokenIndex = list.GetCount() - 1;
  if (tokenIndex < 0) tokenIndex = 0;
  AddLine(messageId, list.GetErrorContext(tokenIndex));
}

void CResProblemLog::AddLine(UINT messageId, const CString& context) {
  ++m_count;
  if (m_count > kMaxListed + 1) return;
  if (m_count == kMaxListed + 1) messageId = kMsgTooManyProblems;
  m_ids.push_back(messageId);
  m_text += MessageText(messageId);
  m_text += _T("\r\n- ");
  m_text += context;
  m_text += _T("\r\n");
}
