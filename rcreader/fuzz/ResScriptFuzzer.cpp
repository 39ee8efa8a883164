// Tokenizes arbitrary bytes as a resource script, parses it and builds the tree.
#include "ResFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CSourceTokenList list(_T("fuzz.rc"), data, size);
  CResProblemLog log;
  CResFile file;
  int end = file.Parse(&list, 0, log);
  if (end < list.GetCount()) __builtin_trap();
  std::unique_ptr<CTraNode> root(file.CreateNode(nullptr));
  if (root->GetChildCount() != 3) __builtin_trap();
  if (list.GetCount() > 0) {
    list.GetErrorContext(static_cast<int>(size % static_cast<size_t>(list.GetCount())));
    list.GetToken(list.GetCount());
  }
  return 0;
}
