// One STRINGTABLE block: its strings in script order.
#pragma once

#include "ResItem.h"

#include <vector>

class CResStringTable : public CResContainer {
 public:
  static constexpr int kCapacity = 200;

  // number: the table's running number in the project, from 1.
  explicit CResStringTable(int number) : m_number(number) {}

  // From the STRINGTABLE token; the position after END or "}", or kResParseFailed.
  int Parse(const CSourceTokenList* list, int start, CResProblemLog& log) override;
  int GetKind() const override { return TRA_STRINGTABLE; }
  CTraNode* CreateNode(CTraNode* parent) override;

  int GetCount() const { return static_cast<int>(m_texts.size()); }
  const CString& GetId(int index) const { return m_ids[static_cast<size_t>(index)]; }
  const CString& GetText(int index) const { return m_texts[static_cast<size_t>(index)]; }
  const CString& GetOptions() const { return m_options; }
  int GetNumber() const { return m_number; }

 private:
  bool ParseEntry(CResProblemLog& log);

  std::vector<CString> m_ids;
  std::vector<CString> m_texts;
  CString m_options;
  int m_number;
  bool m_fullLogged = false;
};
