// Build-machine tool: makes the flag strip (one 32 x 32 cell per row of the
// table, side by side) and the empty flag as 24-bit .bmp files from the
// PNG flags of a flag set. Each flag is scaled by the largest whole factor
// that fits the cell and centred on the flag background RGB(192,192,192);
// a row without a file gets a plain white flag with its label.
//
//   MakeFlagStrip TABLE FLAG_DIR STRIP.bmp EMPTY.bmp
//
// TABLE: lines "row<TAB>country<TAB>file stem or -<TAB>label"; "#" starts a
// comment line. Rows must be numbered 0, 1, 2, ... in order.
#include <png.h>

#include "BmpEncoding.h"

#include <cstdint>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const int kSide = 32;
using lwbmp::Rgb;
const Rgb kBackground = {192, 192, 192};
const Rgb kNearBackground = {191, 191, 191};  // an opaque flag pixel never vanishes
const Rgb kWhite = {255, 255, 255};
const Rgb kFrame = {96, 96, 96};
const Rgb kInk = {0, 0, 0};
// The rectangle of a plain flag: the size of the set's 16 x 11 flags at twice their size.
const int kPlainTop = 5, kPlainHeight = 22;

struct Picture {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;
  Picture(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, kBackground) {}
  Rgb& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Glyphs of 3 x 5 pixels for the labels, rows from the top.
struct Glyph {
  char c;
  const char* rows[5];
};
const Glyph kGlyphs[] = {
    {'A', {"###", "#.#", "###", "#.#", "#.#"}}, {'B', {"##.", "#.#", "##.", "#.#", "##."}},
    {'C', {"###", "#..", "#..", "#..", "###"}}, {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
    {'E', {"###", "#..", "##.", "#..", "###"}}, {'F', {"###", "#..", "##.", "#..", "#.."}},
    {'G', {"###", "#..", "#.#", "#.#", "###"}}, {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
    {'I', {"###", ".#.", ".#.", ".#.", "###"}}, {'J', {"..#", "..#", "..#", "#.#", "###"}},
    {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}}, {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'M', {"#.#", "###", "###", "#.#", "#.#"}}, {'N', {"##.", "#.#", "#.#", "#.#", "#.#"}},
    {'O', {"###", "#.#", "#.#", "#.#", "###"}}, {'P', {"###", "#.#", "###", "#..", "#.."}},
    {'Q', {"###", "#.#", "#.#", "###", "..#"}}, {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    {'S', {"###", "#..", "###", "..#", "###"}}, {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'U', {"#.#", "#.#", "#.#", "#.#", "###"}}, {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
    {'W', {"#.#", "#.#", "###", "###", "#.#"}}, {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    {'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}}, {'Z', {"###", "..#", ".#.", "#..", "###"}},
};

const Glyph* FindGlyph(char c) {
  for (const Glyph& g : kGlyphs)
    if (g.c == c) return &g;
  return nullptr;
}

// A white flag with a frame; the label, at twice the glyph size, in its middle.
void DrawPlainCell(Picture& strip, int cell, const std::string& label) {
  const int left = cell * kSide;
  for (int y = kPlainTop; y < kPlainTop + kPlainHeight; ++y)
    for (int x = 0; x < kSide; ++x) {
      const bool edge = y == kPlainTop || y == kPlainTop + kPlainHeight - 1 || x == 0 || x == kSide - 1;
      strip.At(left + x, y) = edge ? kFrame : kWhite;
    }
  const int scale = 2, advance = 4 * scale;
  const int width = static_cast<int>(label.size()) * advance - scale;
  int x0 = left + (kSide - width) / 2;
  const int y0 = kPlainTop + (kPlainHeight - 5 * scale) / 2;
  for (char c : label) {
    if (const Glyph* g = FindGlyph(c))
      for (int gy = 0; gy < 5; ++gy)
        for (int gx = 0; gx < 3; ++gx)
          if (g->rows[gy][gx] == '#')
            for (int s = 0; s < scale * scale; ++s) {
              const int x = x0 + gx * scale + s % scale, y = y0 + gy * scale + s / scale;
              if (x > left && x < left + kSide - 1) strip.At(x, y) = kInk;
            }
    x0 += advance;
  }
}

bool ReadPng(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba) {
  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_RGBA;
  rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  return width > 0 && height > 0;
}

// The flag scaled by a whole factor and centred in the cell; transparent
// pixels stay background.
bool DrawFlagCell(Picture& strip, int cell, const std::string& path) {
  int w = 0, h = 0;
  std::vector<uint8_t> rgba;
  if (!ReadPng(path, w, h, rgba) || w > kSide || h > kSide) return false;
  const int scale = std::min(kSide / w, kSide / h);
  const int left = cell * kSide + (kSide - w * scale) / 2, top = (kSide - h * scale) / 2;
  for (int y = 0; y < h * scale; ++y)
    for (int x = 0; x < w * scale; ++x) {
      const uint8_t* p = &rgba[(static_cast<size_t>(y / scale) * w + x / scale) * 4];
      if (p[3] < 128) continue;
      Rgb c = {p[0], p[1], p[2]};
      strip.At(left + x, top + y) = c == kBackground ? kNearBackground : c;
    }
  return true;
}

bool WriteBmp(const std::string& path, Picture& picture) {
  const std::vector<uint8_t> bytes =
      lwbmp::EncodeBmp24(picture.width, picture.height, [&](int x, int y) { return picture.At(x, y); });
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

struct Row {
  std::string country, file, label;
};

bool ReadTable(const std::string& path, std::vector<Row>& rows) {
  std::ifstream in(path);
  if (!in) {
    std::fprintf(stderr, "MakeFlagStrip: cannot read %s\n", path.c_str());
    return false;
  }
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::stringstream s(line);
    std::string field;
    while (std::getline(s, field, '\t')) fields.push_back(field);
    while (fields.size() < 4) fields.emplace_back();
    if (fields[0] != std::to_string(rows.size()) || fields[2].empty()) {
      std::fprintf(stderr, "MakeFlagStrip: bad row \"%s\" (expected row %zu)\n", line.c_str(), rows.size());
      return false;
    }
    rows.push_back({fields[1], fields[2], fields[3]});
  }
  return !rows.empty();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: MakeFlagStrip TABLE FLAG_DIR STRIP.bmp EMPTY.bmp\n");
    return 2;
  }
  std::vector<Row> rows;
  if (!ReadTable(argv[1], rows)) return 1;
  Picture strip(kSide * static_cast<int>(rows.size()), kSide);
  for (size_t i = 0; i < rows.size(); ++i) {
    const int cell = static_cast<int>(i);
    if (rows[i].file == "-") {
      DrawPlainCell(strip, cell, rows[i].label);
    } else if (!DrawFlagCell(strip, cell, std::string(argv[2]) + "/" + rows[i].file + ".png")) {
      std::fprintf(stderr, "MakeFlagStrip: no usable flag %s.png for %s in %s\n", rows[i].file.c_str(),
                   rows[i].country.c_str(), argv[2]);
      return 1;
    }
  }
  Picture empty(kSide, kSide);
  DrawPlainCell(empty, 0, "");
  if (!WriteBmp(argv[3], strip) || !WriteBmp(argv[4], empty)) {
    std::fprintf(stderr, "MakeFlagStrip: cannot write the pictures\n");
    return 1;
  }
  return 0;
}
