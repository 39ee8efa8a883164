#include "ResStringTable.h"

int CResStringTable::Parse(const CSourceTokenList* list, int start, CResProblemLog& log) {
  Begin(list, start);
  if (!Is(_T("STRINGTABLE"))) return kResParseFailed;
  ++m_pos;
  while (Kind() == kTokenIdentifier && !Is(_T("BEGIN"))) {
    m_options += Text();
    m_options += _T(" ");
    ++m_pos;
  }
  if (!IsOpen()) return kResParseFailed;
  ++m_pos;
  std::vector<int> starts;
  while (!IsClose()) {
    log.CountStep();
    if (AtEnd() || log.RunOffs().IsRunOff(CResRunOffMemo::kStringTableBody, m_pos)) {
      log.RunOffs().MarkRunOff(CResRunOffMemo::kStringTableBody, starts);
      return kResParseFailed;  // the list ended inside the table
    }
    int b = m_pos;
    starts.push_back(b);
    if (!ParseEntry(log)) {
      log.Add(kMsgStringError, *m_list, b);
      m_pos = b + 1;
    }
  }
  return ++m_pos;
}

bool CResStringTable::ParseEntry(CResProblemLog& log) {
  int start = m_pos;
  CString id;
  if (!ParseIdOrText(id)) return false;
  ExpectComma();
  if (Kind() != kTokenString) return false;
  if (GetCount() < kCapacity) {
    m_ids.push_back(id);
    m_texts.push_back(Text());
  } else if (!m_fullLogged) {
    m_fullLogged = true;
    log.Add(kMsgTooManyStrings, *m_list, start);
  }
  ++m_pos;
  return true;
}

CTraNode* CResStringTable::CreateNode(CTraNode* parent) {
  CString name;
  name.Format(TRA_STRINGTABLE_NAME, m_number);
  CTraNode* node = new CTraNode(parent, name, name, TRA_STRINGTABLE, -1, -1);
  for (const CString& text : m_texts) node->AddChild(std::make_unique<CTraNode>(node, text, text, TRA_STRING, -1, -1));
  return node;
}
