// The problem log of a scan: one entry per statement, control, menu entry
// or string that could not be read, as message text, "\r\n- ", the error
// context of the token, "\r\n".
#pragma once

#include "ResBlockMap.h"
#include "ResMessages.h"
#include "ResRunOffMemo.h"
#include "SourceTokenList.h"

#include <vector>

class CResProblemLog {
 public:
  // texts may be null: the default texts are used.
  explicit CResProblemLog(IResTextSource* texts = nullptr);
  CResProblemLog(const CResProblemLog&) = delete;
  CResProblemLog& operator=(const CResProblemLog&) = delete;

  // More entries than this are counted but not listed; one last entry says so.
  static constexpr int kMaxListed = 5000;

  // Adds one entry for the token at index (clamped to the list).
  void Add(UINT messageId, const CSourceTokenList& list, int tokenIndex);
  // Adds one entry whose context is not a token (a script, a supplied entry).
  void AddLine(UINT messageId, const CString& context);
  const CString& GetText() const { return m_text; }
  int GetCount() const { return m_count; }
  // The message ids of the listed entries, in order.
  const std::vector<UINT>& GetIds() const { return m_ids; }
  IResTextSource& Texts() { return *m_texts; }
  // State of the scan the parsers share with the log.
  CResRunOffMemo& RunOffs() { return m_runOffs; }
  CResBlockMap& Blocks() { return m_blocks; }
  // One round of a parser's loop over tokens: the work of a scan, which
  // stays in proportion to the tokens read.
  void CountStep() { ++m_steps; }
  long long GetSteps() const { return m_steps; }

 private:
  CString MessageText(UINT id);

  CResDefaultTexts m_defaultTexts;
  IResTextSource* m_texts;
  CString m_text;
  std::vector<UINT> m_ids;
  int m_count = 0;
  CResRunOffMemo m_runOffs;
  CResBlockMap m_blocks;
  long long m_steps = 0;
  // Message texts loaded once per id.
  std::vector<std::pair<UINT, CString>> m_cache;
};
