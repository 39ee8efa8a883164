// BMP and ICO file images of pictures, for the generators that make the
// project's pictures on the build machine. Header only, so that generators
// built as projects of their own include it too. Turns pixels into bytes;
// drawing and writing files are the generators' own.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace lwbmp {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
  bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// Pixels are asked for top row first; x and y count from the top left.
using RgbAt = std::function<Rgb(int x, int y)>;
using IndexAt = std::function<uint8_t(int x, int y)>;

inline void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v & 0xFF));
  out.push_back(static_cast<uint8_t>(v >> 8 & 0xFF));
}
inline void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// Bytes of one row of bits per pixel, padded to four bytes.
inline uint32_t RowBytes(int width, int bitsPerPixel) {
  return (static_cast<uint32_t>(width) * static_cast<uint32_t>(bitsPerPixel) + 31) / 32 * 4;
}

namespace detail {

// The 40-byte info header; height as stored (an icon stores twice its own).
inline void PutInfoHeader(std::vector<uint8_t>& out, int width, int storedHeight, int bits, uint32_t imageBytes,
                          uint32_t colours) {
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(storedHeight));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, 0);  // no compression
  Put32(out, imageBytes);
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, colours);
  Put32(out, colours);
}

inline void PutPalette(std::vector<uint8_t>& out, const std::vector<Rgb>& palette) {
  for (const Rgb& c : palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
}

// Rows bottom first, each of RowBytes bytes.
inline void PutIndexedRows(std::vector<uint8_t>& out, int width, int height, int bits, const IndexAt& index) {
  const uint32_t rowBytes = RowBytes(width, bits);
  const int perByte = 8 / bits;
  for (int y = height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(rowBytes, 0);
    for (int x = 0; x < width; ++x) {
      const int shift = 8 - bits * (x % perByte + 1);
      row[static_cast<size_t>(x / perByte)] |= static_cast<uint8_t>((index(x, y) & ((1 << bits) - 1)) << shift);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

}  // namespace detail

// A 24-bit bitmap file (no colour table).
inline std::vector<uint8_t> EncodeBmp24(int width, int height, const RgbAt& pixel) {
  const uint32_t imageBytes = RowBytes(width, 24) * static_cast<uint32_t>(height);
  std::vector<uint8_t> out = {'B', 'M'};
  Put32(out, 54 + imageBytes);
  Put32(out, 0);
  Put32(out, 54);
  detail::PutInfoHeader(out, width, height, 24, imageBytes, 0);
  for (int y = height - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int x = 0; x < width; ++x) {
      const Rgb c = pixel(x, y);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    out.resize(start + RowBytes(width, 24), 0);
  }
  return out;
}

// A bitmap file of 1, 4 or 8 bits per pixel with the palette as its colour
// table (at most 2^bits entries; indices beyond it are the generator's fault).
inline std::vector<uint8_t> EncodeBmpIndexed(int width, int height, int bits, const std::vector<Rgb>& palette,
                                             const IndexAt& index) {
  const uint32_t imageBytes = RowBytes(width, bits) * static_cast<uint32_t>(height);
  const uint32_t offset = 14 + 40 + 4 * static_cast<uint32_t>(palette.size());
  std::vector<uint8_t> out = {'B', 'M'};
  Put32(out, offset + imageBytes);
  Put32(out, 0);
  Put32(out, offset);
  detail::PutInfoHeader(out, width, height, bits, imageBytes, static_cast<uint32_t>(palette.size()));
  detail::PutPalette(out, palette);
  detail::PutIndexedRows(out, width, height, bits, index);
  return out;
}

// An icon file of one image (width and height at most 256) of 4 or 8 bits
// per pixel; pixels whose index is `transparent` are masked out.
inline std::vector<uint8_t> EncodeIcon(int width, int height, int bits, const std::vector<Rgb>& palette,
                                       const IndexAt& index, uint8_t transparent) {
  std::vector<uint8_t> image;
  const uint32_t xorBytes = RowBytes(width, bits) * static_cast<uint32_t>(height);
  const uint32_t andBytes = RowBytes(width, 1) * static_cast<uint32_t>(height);
  detail::PutInfoHeader(image, width, height * 2, bits, xorBytes + andBytes, static_cast<uint32_t>(palette.size()));
  detail::PutPalette(image, palette);
  detail::PutIndexedRows(image, width, height, bits, [&](int x, int y) {
    const uint8_t i = index(x, y);
    return i == transparent ? uint8_t(0) : i;
  });
  detail::PutIndexedRows(image, width, height, 1,
                         [&](int x, int y) { return uint8_t(index(x, y) == transparent ? 1 : 0); });

  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // an icon
  Put16(out, 1);  // one image
  out.push_back(static_cast<uint8_t>(width >= 256 ? 0 : width));
  out.push_back(static_cast<uint8_t>(height >= 256 ? 0 : height));
  out.push_back(static_cast<uint8_t>(palette.size() >= 256 ? 0 : palette.size()));
  out.push_back(0);
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, static_cast<uint32_t>(image.size()));
  Put32(out, 6 + 16);
  out.insert(out.end(), image.begin(), image.end());
  return out;
}

}  // namespace lwbmp
