// The English table reader on any bytes: it answers with entries or an
// error naming the line, and every entry it keeps can be found again.
#include "EnglishTable.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CEnglishTable table;
  CString error;
  const bool ok = table.Parse(data, size, error);
  if (ok != error.IsEmpty()) std::abort();
  if (!ok && error.Left(5) != _T("line ")) std::abort();
  return 0;
}
