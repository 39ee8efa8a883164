#include "ResSkipBlock.h"

int CResSkipBlock::Parse(const CSourceTokenList* list, int start, CResProblemLog&) {
  Begin(list, start);
  while (!AtEnd() && !IsOpen()) ++m_pos;
  if (AtEnd()) return kResParseFailed;
  ++m_pos;
  for (int depth = 1; depth > 0; ++m_pos) {
    if (AtEnd()) return kResParseFailed;  // never closed
    if (IsOpen()) ++depth;
    else if (IsClose()) --depth;
  }
  return m_pos;
}
