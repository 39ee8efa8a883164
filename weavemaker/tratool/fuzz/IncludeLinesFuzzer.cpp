// The #include lines of any script text: every name found is non-empty and
// lies inside the text.
#include "ScriptIncludes.h"
#include "ScriptText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CString text = lw::DecodeScriptText(data, size).c_str();
  for (const IncludeLine& line : FindIncludeLines(text))
    if (line.name.IsEmpty() || text.Find(line.name) < 0) std::abort();
  return 0;
}
