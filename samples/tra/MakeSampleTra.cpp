// Writes the sample program's language files LwvSample.tra (German, the
// original language) and LwvSampleEN.tra (English) into a folder.
// The flags are cells of the build's flag strip.
//   MakeSampleTra <folder> [<Sample.rc> [<FlagStrip.bmp>]]
#include "SampleTraMaker.h"

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: %s <folder> [<Sample.rc> [<FlagStrip.bmp>]]\n", argv[0]);
    return 2;
  }
  const CString folder = CString(CStringA(argv[1]));
  const CString script = argc > 2 ? CString(CStringA(argv[2])) : CString(_T(SAMPLE_RC_PATH));
  const CString strip = argc > 3 ? CString(CStringA(argv[3])) : CString(_T(SAMPLE_FLAG_STRIP_PATH));
  std::vector<CString> problems;
  if (!WriteSampleTraFiles(script, strip, folder, problems)) {
    for (const CString& problem : problems) std::fprintf(stderr, "%s\n", CStringA(problem).GetString());
    return 1;
  }
  return 0;
}
