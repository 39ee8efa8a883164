// Writes a 24-bit bottom-up .bmp file with a 40-byte info header from RGB
// triples given row by row from the top. Header-only, for the build
// machine's picture generators; reads nothing.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace bmpfile {

inline void Put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8 & 0xFF);
}

inline void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// rgb holds width * height triples (red, green, blue), the top row first.
inline bool WriteBmp24(const std::string& path, int width, int height, const uint8_t* rgb) {
  const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
  const uint32_t dataSize = stride * static_cast<uint32_t>(height);
  std::string out;
  out += "BM";
  Put32(out, 54 + dataSize);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, dataSize);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int x = 0; x < width; ++x) {
      const uint8_t* c = rgb + (static_cast<size_t>(y) * width + x) * 3;
      out += static_cast<char>(c[2]);
      out += static_cast<char>(c[1]);
      out += static_cast<char>(c[0]);
    }
    out.append(stride - (out.size() - start), '\0');
  }
  std::ofstream file(path, std::ios::binary);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

}  // namespace bmpfile
