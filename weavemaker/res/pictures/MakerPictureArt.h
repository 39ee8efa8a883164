// Draws WeaveMaker's pictures from the letter art in MakerPictureArt.cpp:
// the icon, the image strips of the tree and the lists, and the picture
// buttons in their four states. Build-machine code: the program carries the
// files MakeMakerPictures writes (weavemaker/res), never this code.
#pragma once

#include "PictureFiles.h"

#include <cstdint>
#include <vector>

namespace makerpic {

// A picture of palette indices, top row first.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;
  uint8_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// Every picture of the program as a file of weavemaker/res, in a fixed order.
lwpicfiles::PictureFiles AllPictureFiles();

// Parts, for the tests.
Picture ButtonPicture(const char* glyph, int state);  // state 0 normal, 1 pressed, 2 hover, 3 disabled
Picture Strip(const std::vector<const char*>& glyphs, int cell, uint8_t background);
std::vector<uint8_t> EncodeIcon(const Picture& picture);  // 32 x 32, opaque

enum : uint8_t { kWhite = 0, kBlack = 1, kGrey = 2, kDark = 3, kNavy = 4, kBlue = 5, kYellow = 6, kRed = 7,
                 kGreen = 8, kMagenta = 9, kSky = 10, kBrown = 11, kCream = 12, kForest = 13, kOrange = 14,
                 kWine = 15 };

}  // namespace makerpic
