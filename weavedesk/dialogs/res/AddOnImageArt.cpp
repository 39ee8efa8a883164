#include "AddOnImageArt.h"

#include "BmpEncoding.h"

#include <cstring>

namespace addonart {

namespace {

struct Ink {
  char key;
  uint8_t r, g, b;
};

const Ink kInks[] = {
    {'.', 255, 0, 255},   // mask
    {'k', 0, 0, 0},       // outline
    {'w', 255, 255, 255}, // paper
    {'g', 128, 128, 128}, // fold and lines
    {'b', 0, 0, 160},     // title bar, text
    {'y', 224, 176, 64},  // archive box
    {'r', 208, 0, 0},     // not imported
    {'G', 0, 144, 0},     // imported
};

// 0 unused, 1 other file, 2 text, 3 program, 4 archive, 5 not re-imported
// or invalid path, 6 re-imported.
const char* const kArt[kCount][kSide] = {
    {"................", "................", "................", "................", "................",
     "................", "................", "................", "................", "................",
     "................", "................", "................", "................", "................",
     "................"},
    {"..kkkkkkkk......", "..kwwwwwwkk.....", "..kwwwwwwkgk....", "..kwwwwwwkggk...", "..kwwwwwwkkkkk..",
     "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..",
     "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kkkkkkkkkkkk..",
     "................"},
    {"..kkkkkkkk......", "..kwwwwwwkk.....", "..kwbbbbwkgk....", "..kwwwwwwkggk...", "..kwbbbbbkkkkk..",
     "..kwwwwwwwwwwk..", "..kwbbbbbbbbwk..", "..kwwwwwwwwwwk..", "..kwbbbbbbbwwk..", "..kwwwwwwwwwwk..",
     "..kwbbbbbbbbwk..", "..kwwwwwwwwwwk..", "..kwbbbbbwwwwk..", "..kwwwwwwwwwwk..", "..kkkkkkkkkkkk..",
     "................"},
    {"................", "................", "kkkkkkkkkkkkkkkk", "kbbbbbbbbbbbkwkk", "kbbbbbbbbbbbkkkk",
     "kwwwwwwwwwwwwwwk", "kwwwwwwwwwwwwwwk", "kwwgggwwwwwwwwwk", "kwwwwwwwwwwwwwwk", "kwwgggggwwwwwwwk",
     "kwwwwwwwwwwwwwwk", "kwwwwwwwwwwwwwwk", "kwwwwwwwwwwwwwwk", "kkkkkkkkkkkkkkkk", "................",
     "................"},
    {"................", "................", "....kkkkkkkk....", "...kyyyyyyyyk...", "..kyyyyyyyyyyk..",
     ".kkkkkkkkkkkkkk.", ".kyyyyykkyyyyyk.", ".kyyyyykkyyyyyk.", ".kyyyyywwyyyyyk.", ".kyyyyykkyyyyyk.",
     ".kyyyyywwyyyyyk.", ".kyyyyykkyyyyyk.", ".kyyyyyyyyyyyyk.", ".kkkkkkkkkkkkkk.", "................",
     "................"},
    {"..kkkkkkkk......", "..kwwwwwwkk.....", "..kwwwwwwkgk....", "..kwwwwwwkggk...", "..kwwwwwwkkkkk..",
     "..kwrrwwwwrrwk..", "..kwwrrwwrrwwk..", "..kwwwrrrrwwwk..", "..kwwwwrrwwwwk..", "..kwwwrrrrwwwk..",
     "..kwwrrwwrrwwk..", "..kwrrwwwwrrwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kkkkkkkkkkkk..",
     "................"},
    {"..kkkkkkkk......", "..kwwwwwwkk.....", "..kwwwwwwkgk....", "..kwwwwwwkggk...", "..kwwwwwwkkkkk..",
     "..kwwwwwwwwGGk..", "..kwwwwwwwGGwk..", "..kwwwwwwGGwwk..", "..kwGGwwGGwwwk..", "..kwwGGGGwwwwk..",
     "..kwwwGGwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kkkkkkkkkkkk..",
     "................"},
};

const Ink& InkOf(char key) {
  for (const Ink& ink : kInks)
    if (ink.key == key) return ink;
  return kInks[0];
}

}  // namespace

std::vector<uint8_t> MakeStrip() {
  const int width = kSide * kCount;
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * kSide * 3);
  for (int image = 0; image < kCount; ++image)
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x) {
        const char key = strlen(kArt[image][y]) > static_cast<size_t>(x) ? kArt[image][y][x] : '.';
        const Ink& ink = InkOf(key);
        uint8_t* p = &rgb[(static_cast<size_t>(y) * width + image * kSide + x) * 3];
        p[0] = ink.r;
        p[1] = ink.g;
        p[2] = ink.b;
      }
  return rgb;
}

std::vector<uint8_t> MakeStripBmp() {
  const std::vector<uint8_t> rgb = MakeStrip();
  const int width = kSide * kCount;
  return lwbmp::EncodeBmp24(width, kSide, [&](int x, int y) {
    const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    lwbmp::Rgb c;
    c.r = p[0];
    c.g = p[1];
    c.b = p[2];
    return c;
  });
}

}  // namespace addonart
