// The controls tests' bitmaps (24-bit .bmp files in this folder): the files
// of the generator MakeTestBitmaps.
//   strip.bmp: four 16 x 16 cells side by side, each a solid colour inside a
//     3-pixel frame of the mask colour magenta;
//   button_*.bmp: one solid colour each, 24 x 16.
#include "BmpEncoding.h"
#include "PictureFiles.h"

#include <algorithm>

namespace {

using lwbmp::Rgb;

const Rgb kMask = {255, 0, 255};
const int kCell = 16;
const int kFrame = 3;
const Rgb kStripColours[] = {{255, 0, 0}, {0, 128, 0}, {0, 0, 255}, {255, 255, 0}};
const int kStripCells = static_cast<int>(sizeof(kStripColours) / sizeof(kStripColours[0]));

struct Button {
  const char* name;
  Rgb colour;
};
const Button kButtons[] = {
    {"button_normal.bmp", {255, 0, 0}},
    {"button_selected.bmp", {0, 128, 0}},
    {"button_focus.bmp", {0, 0, 255}},
    {"button_disabled.bmp", {128, 128, 128}},
};

Rgb StripPixel(int x, int y) {
  const int cx = x % kCell;
  if (std::min({cx, y, kCell - 1 - cx, kCell - 1 - y}) < kFrame) return kMask;
  return kStripColours[x / kCell];
}

}  // namespace

lwpicfiles::PictureFiles GeneratedPictureFiles() {
  lwpicfiles::PictureFiles files = {{"strip.bmp", lwbmp::EncodeBmp24(kCell * kStripCells, kCell, StripPixel)}};
  for (const Button& b : kButtons)
    files.push_back({b.name, lwbmp::EncodeBmp24(24, 16, [&](int, int) { return b.colour; })});
  return files;
}
