// Writes WeaveGuide's pictures into the folder given (weaveguide/res).
#include "GuidePictures.h"

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: MakeGuidePictures FOLDER\n");
    return 2;
  }
  if (!guidepic::WriteGuidePictures(argv[1])) {
    std::fprintf(stderr, "MakeGuidePictures: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
