// Build-machine tool: writes the add-on list's image strip (bitmap 187,
// seven 16 x 16 images, mask colour magenta) as a 24-bit .bmp file.
//
//   MakeAddOnImages OUT.bmp
#include "AddOnImageArt.h"
#include "BmpFile.h"

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: MakeAddOnImages OUT.bmp\n");
    return 2;
  }
  const std::vector<uint8_t> strip = addonart::MakeStrip();
  if (!bmpfile::WriteBmp24(argv[1], addonart::kSide * addonart::kCount, addonart::kSide, strip.data())) {
    fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
