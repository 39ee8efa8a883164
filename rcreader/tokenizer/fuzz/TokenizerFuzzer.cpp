// Tokenizes arbitrary bytes and reads every token and context back.
#include "SourceTokenList.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CSourceTokenList list(_T("fuzz.rc"), data, size);
  CSourceTokenList both;
  both.Append(list);
  both.Append(list);
  if (both.GetCount() != 2 * list.GetCount()) __builtin_trap();
  for (int i = 0; i < list.GetCount(); ++i) {
    CSourceToken t = list.GetToken(i);
    if (t.m_kind < kTokenIdentifier || t.m_kind > kTokenOther || t.m_line < 0) __builtin_trap();
    if (t.m_kind != kTokenString && t.m_text.IsEmpty()) __builtin_trap();
    if (i % 64 == 0) list.GetErrorContext(i);
  }
  return 0;
}
