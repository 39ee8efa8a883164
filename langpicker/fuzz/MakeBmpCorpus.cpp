// Writes the bitmap fuzzer's seed files: one small picture of every header
// kind, bit count and compression the reader accepts.
#include "../tests/BmpFiles.h"

#include <cstdio>
#include <string>

using namespace bmptest;

namespace {

CraftedBmp Picture(int header, int bits, DWORD compression) {
  CraftedBmp s;
  s.headerSize = header;
  s.width = 7;
  s.height = 5;
  s.bits = bits;
  s.compression = compression;
  if (bits <= 8) s.table = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};
  s.setClrUsed = bits <= 8 && header != 12;
  if (compression == 3) {
    s.masks[0] = bits == 16 ? 0xF800 : 0xFF0000;
    s.masks[1] = bits == 16 ? 0x07E0 : 0x00FF00;
    s.masks[2] = bits == 16 ? 0x001F : 0x0000FF;
  }
  for (int i = 0; i < s.width * s.height; ++i) s.values.push_back(bits <= 8 ? DWORD(i % (bits == 1 ? 2 : 4)) : DWORD(i * 0x10203));
  if (compression == 1) s.rle = {3, 1, 0, 3, 2, 3, 0, 0, 0, 0, 0, 2, 2, 1, 4, 2, 0, 1};
  if (compression == 2) s.rle = {5, 0x12, 0, 3, 0x30, 0x10, 0, 0, 7, 0x33, 0, 1};
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  int n = 0;
  auto write = [&](const CraftedBmp& s) {
    const std::vector<BYTE> bytes = Make(s);
    const std::string path = std::string(argv[1]) + "/seed" + std::to_string(n++) + ".bmp";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    return std::fclose(f) == 0;
  };
  for (int header : {12, 40, 108, 124})
    for (int bits : {1, 4, 8, 24})
      if (!write(Picture(header, bits, 0))) return 1;
  for (int header : {40, 108, 124})
    for (int bits : {16, 32})
      for (DWORD compression : {0u, 3u})
        if (!write(Picture(header, bits, compression))) return 1;
  CraftedBmp topDown = Picture(40, 24, 0);
  topDown.topDown = true;
  if (!write(topDown) || !write(Picture(40, 8, 1)) || !write(Picture(40, 4, 2))) return 1;
  return 0;
}
