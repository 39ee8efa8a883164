// Reads arbitrary bytes as a .bmp file: a decoded picture must have the
// size it claims and one colour per pixel; the sanitizers watch every read.
#include "BmpReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LwBmpImage image;
  // A smaller bound than the programs' keeps each run fast.
  if (LwReadBmp(data, size, image, size_t(1) << 20) != LW_BMP_OK) {
    if (!image.pixels.empty() || image.width != 0) std::abort();
    return 0;
  }
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
    std::abort();
  if (image.bitCount <= 8 && image.colourTable.size() > 256) std::abort();
  return 0;
}
