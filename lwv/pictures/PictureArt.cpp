#include "PictureArt.h"

#include <cstdio>

#include "BmpEncoding.h"

namespace lwpic {

using lwbmp::Put32;

namespace {

const char kText[] = "LINGOWEAVE";
const int kGlyphWidth = 5;
const int kGlyphHeight = 7;
// Free pixels between the frame and the text on either side.
const int kMargin = 6;

// The letters of the text, 5 x 7, top row first.
struct Glyph {
  char letter;
  const char* rows[kGlyphHeight];
};
const Glyph kGlyphs[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
};

// Blue, grey, red, yellow and green as BMP colour-table entries (B, G, R).
const uint8_t kPalette[16][3] = {
    {0xC0, 0xC0, 0xC0}, {0xFF, 0xFF, 0xFF}, {0x80, 0x00, 0x00}, {0xAA, 0x50, 0x28},
    {0xD2, 0x8C, 0x5A}, {0xE6, 0xBE, 0xA0}, {0x28, 0x28, 0xC8}, {0x00, 0x00, 0x00},
    {0x3C, 0xC8, 0xE6}, {0x3C, 0x96, 0x3C}, {0x78, 0x78, 0x78}, {0xEB, 0xDC, 0xDC},
    {0x00, 0x00, 0x00}, {0x00, 0x00, 0x00}, {0x00, 0x00, 0x00}, {0x00, 0x00, 0x00},
};

const Glyph* Find(char letter) {
  for (const Glyph& g : kGlyphs)
    if (g.letter == letter) return &g;
  return nullptr;
}

void Set(Picture& p, int x, int y, uint8_t colour) {
  if (x >= 0 && y >= 0 && x < p.width && y < p.height) p.pixels[static_cast<size_t>(y * p.width + x)] = colour;
}

// Threads woven over and under in cells of four pixels, in a frame.
Picture Woven(int width, int height) {
  Picture p;
  p.width = width;
  p.height = height;
  p.pixels.assign(static_cast<size_t>(width * height), kMid);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool across = ((x / 4) + (y / 4)) % 2 == 0;
      const int phase = across ? y % 4 : x % 4;
      Set(p, x, y, phase == 1 || phase == 2 ? kLight : kMid);
      if (x < kFrameWidth || y < kFrameWidth || x >= width - kFrameWidth || y >= height - kFrameWidth)
        Set(p, x, y, kNavy);
    }
  return p;
}

// The text as large as fits inside the frame with the margin, centred,
// letters one step taller than wide, with a shadow down and to the right.
void DrawText(Picture& p) {
  const int columns = static_cast<int>(sizeof(kText) - 1) * (kGlyphWidth + 1) - 1;
  const int inner = p.width - 2 * (kFrameWidth + kMargin);
  int sx = 1;
  while ((sx + 1) * columns + (sx + 1) / 2 + 1 <= inner) ++sx;
  const int sy = sx + 1;
  const int shadow = sx / 2 + 1;
  const int left = (p.width - (columns * sx + shadow)) / 2;
  const int top = (p.height - (kGlyphHeight * sy + shadow)) / 2;
  for (int pass = 0; pass < 2; ++pass) {
    const int offset = pass == 0 ? shadow : 0;
    const uint8_t colour = pass == 0 ? kNavy : kWhite;
    for (int i = 0; kText[i]; ++i) {
      const Glyph* g = Find(kText[i]);
      for (int row = 0; g && row < kGlyphHeight; ++row)
        for (int col = 0; col < kGlyphWidth; ++col) {
          if (g->rows[row][col] != '#') continue;
          const int x0 = left + (i * (kGlyphWidth + 1) + col) * sx + offset;
          const int y0 = top + row * sy + offset;
          for (int dy = 0; dy < sy; ++dy)
            for (int dx = 0; dx < sx; ++dx) Set(p, x0 + dx, y0 + dy, colour);
        }
    }
  }
}

std::string Array(const char* name, const Picture& picture) {
  const std::vector<uint8_t> pieces = SplitIntoPieces(EncodeBmp(picture));
  std::string out = std::string("const unsigned char ") + name + "[] = {\n";
  size_t at = 0;
  char buffer[64];
  while (at + 4 <= pieces.size()) {
    const uint32_t n = pieces[at] | pieces[at + 1] << 8 | pieces[at + 2] << 16 | static_cast<uint32_t>(pieces[at + 3]) << 24;
    if (n == 0) break;
    std::snprintf(buffer, sizeof(buffer), "  // piece of %u bytes\n  %u, %u, %u, %u,", n, pieces[at], pieces[at + 1],
                  pieces[at + 2], pieces[at + 3]);
    out += buffer;
    at += 4;
    for (uint32_t i = 0; i < n; ++i, ++at) {
      if (i % 24 == 0) out += "\n ";
      std::snprintf(buffer, sizeof(buffer), " 0x%02X,", pieces[at]);
      out += buffer;
    }
    out += "\n";
  }
  out += "  0, 0, 0, 0};\n";
  return out;
}

}  // namespace

Picture DrawBanner() {
  Picture p = Woven(180, 64);
  DrawText(p);
  return p;
}

Picture DrawAboutPicture() {
  Picture p = Woven(230, 100);
  DrawText(p);
  return p;
}

Box TextBounds(const Picture& picture) {
  Box box = {picture.width, picture.height, 0, 0};
  for (int y = kFrameWidth; y < picture.height - kFrameWidth; ++y)
    for (int x = kFrameWidth; x < picture.width - kFrameWidth; ++x) {
      const uint8_t c = picture.At(x, y);
      if (c != kWhite && c != kNavy) continue;
      if (x < box.left) box.left = x;
      if (y < box.top) box.top = y;
      if (x + 1 > box.right) box.right = x + 1;
      if (y + 1 > box.bottom) box.bottom = y + 1;
    }
  return box;
}

std::vector<uint8_t> EncodeBmp(const Picture& picture) {
  std::vector<lwbmp::Rgb> palette;
  for (const auto& c : kPalette) palette.push_back(lwbmp::Rgb{c[2], c[1], c[0]});
  return lwbmp::EncodeBmpIndexed(picture.width, picture.height, 4, palette,
                                 [&](int x, int y) { return picture.At(x, y); });
}

std::vector<uint8_t> SplitIntoPieces(const std::vector<uint8_t>& bytes) {
  std::vector<uint8_t> out;
  for (size_t at = 0; at < bytes.size(); at += 512) {
    const size_t n = bytes.size() - at < 512 ? bytes.size() - at : 512;
    Put32(out, static_cast<uint32_t>(n));
    out.insert(out.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
               bytes.begin() + static_cast<std::ptrdiff_t>(at + n));
  }
  Put32(out, 0);
  return out;
}

std::string PictureDataSource() {
  std::string out =
      "// The library's two built-in pictures (banner of the switch dialog, picture\n"
      "// of the about box) as BMP file images in pieces: a 32-bit length, that many\n"
      "// bytes, ended by a length of 0; 16 colours. Written by lwv/pictures\n"
      "// (target refresh_picture_data); do not edit.\n"
      "#include \"LwvPictures.h\"\n\n";
  out += Array("kBannerPieces", DrawBanner());
  out += "\n";
  out += Array("kAboutPieces", DrawAboutPicture());
  out += "\nconst unsigned char* LwvBannerPieces() { return kBannerPieces; }\n";
  out += "const unsigned char* LwvAboutPieces() { return kAboutPieces; }\n";
  return out;
}

}  // namespace lwpic
