// Build-machine tool: writes the add-on list's image strip (bitmap 187,
// seven 16 x 16 images, mask colour magenta) as a 24-bit .bmp file.
//
//   MakeAddOnImages OUT.bmp
#include "AddOnImageArt.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: MakeAddOnImages OUT.bmp\n");
    return 2;
  }
  const std::vector<uint8_t> bytes = addonart::MakeStripBmp();
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
