// Draws the library's two built-in pictures (the switch dialog's banner and
// the about box's picture) from the data in PictureArt.cpp and writes them as
// the source file LwvPictureData.cpp. Build-machine code: the library itself
// only reads the written file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lwpic {

// A picture of palette indices, top row first.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;
  uint8_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// Palette indices the pictures use.
enum : uint8_t { kGrey = 0, kWhite = 1, kNavy = 2, kBlue = 3, kMid = 4, kLight = 5 };
// Width of the drawn frame at the picture's edge, in pixels.
const int kFrameWidth = 2;

// The text in its frame: the banner 180 x 64, the about picture 230 x 100.
Picture DrawBanner();
Picture DrawAboutPicture();

// Smallest rectangle holding the text's pixels (white and its shadow):
// left, top, right, bottom (exclusive).
struct Box {
  int left, top, right, bottom;
};
Box TextBounds(const Picture& picture);

// The picture as a 16-colour BMP file image.
std::vector<uint8_t> EncodeBmp(const Picture& picture);
// The bytes as pieces of at most 512 bytes (a 32-bit length, the bytes),
// ended by a length of 0.
std::vector<uint8_t> SplitIntoPieces(const std::vector<uint8_t>& bytes);

// The whole text of LwvPictureData.cpp.
std::string PictureDataSource();

}  // namespace lwpic
