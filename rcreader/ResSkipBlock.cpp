#include "ResSkipBlock.h"

int CResSkipBlock::Parse(const CSourceTokenList* list, int start, CResProblemLog& log) {
  Begin(list, start);
  log.CountStep();
  const int open = log.Blocks().NextOpen(*list, start);
  if (open == CResBlockMap::kNone) return kResParseFailed;
  const int end = log.Blocks().BlockEnd(*list, open);
  if (end == CResBlockMap::kNone) return kResParseFailed;  // never closed
  m_pos = end;
  return m_pos;
}
