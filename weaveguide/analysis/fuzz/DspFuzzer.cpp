// The project file reader over arbitrary bytes: no crash, no hang, and the
// file list takes whatever paths it collects.
#include "DspReader.h"
#include "ProjectFileList.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// The reader opens files only: the bytes go to a file of this process.
CString ScratchFile() {
  static const std::string path = "/tmp/lw_dsp_fuzz_" + std::to_string(getpid()) + ".dsp";
  return CString(path.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CString path = ScratchFile();
  FILE* f = std::fopen(CStringA(path).GetString(), "wb");
  if (!f) return 0;
  const bool written = std::fwrite(data, 1, size, f) == size;
  std::fclose(f);
  if (!written) return 0;
  CDspReader reader(path);
  reader.Read();
  Check(reader.GetPaths().GetSize() >= 0);
  std::unique_ptr<CProjectFileList> files(reader.CreateProjectFileList());
  Check(files != nullptr);
  return 0;
}
