// The built-in pictures as the committed LwvPictureData.cpp holds them: the
// text of each picture stays inside its frame.
#include "PictureArt.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace {

std::string CommittedSource() {
  std::ifstream in(std::string(LW_SOURCE_DIR) + "/lwv/win32/LwvPictureData.cpp", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The bytes of one array of the committed file, pieces joined; empty when
// the array or its pieces are not well formed.
std::vector<uint8_t> CommittedImage(const std::string& source, const std::string& name) {
  const size_t begin = source.find(name + "[] = {");
  const size_t end = source.find("};", begin);
  if (begin == std::string::npos || end == std::string::npos) return {};
  std::string body = source.substr(begin + name.size() + 6, end - begin - name.size() - 6);
  body = std::regex_replace(body, std::regex("//[^\n]*"), "");
  std::vector<uint8_t> values;
  const std::regex number("0x[0-9A-Fa-f]+|[0-9]+");
  for (auto it = std::sregex_iterator(body.begin(), body.end(), number); it != std::sregex_iterator(); ++it)
    values.push_back(static_cast<uint8_t>(std::stoul(it->str(), nullptr, 0)));
  std::vector<uint8_t> image;
  for (size_t at = 0; at + 4 <= values.size();) {
    const size_t n = values[at] | values[at + 1] << 8 | values[at + 2] << 16 | static_cast<size_t>(values[at + 3]) << 24;
    at += 4;
    if (n == 0) return image;
    if (at + n > values.size()) return {};
    image.insert(image.end(), values.begin() + static_cast<std::ptrdiff_t>(at),
                 values.begin() + static_cast<std::ptrdiff_t>(at + n));
    at += n;
  }
  return {};
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// A 16-colour bottom-up BMP image read back into palette indices.
lwpic::Picture Decode(const std::vector<uint8_t>& bmp) {
  lwpic::Picture p;
  if (bmp.size() < 54 || bmp[0] != 'B' || bmp[1] != 'M' || bmp[28] != 4) return p;
  p.width = static_cast<int>(Le32(bmp, 18));
  p.height = static_cast<int>(Le32(bmp, 22));
  const size_t offset = Le32(bmp, 10);
  const size_t rowBytes = static_cast<size_t>(((p.width + 1) / 2 + 3) / 4 * 4);
  if (offset + rowBytes * static_cast<size_t>(p.height) > bmp.size()) return lwpic::Picture();
  p.pixels.resize(static_cast<size_t>(p.width * p.height));
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const uint8_t byte = bmp[offset + rowBytes * static_cast<size_t>(p.height - 1 - y) + static_cast<size_t>(x / 2)];
      p.pixels[static_cast<size_t>(y * p.width + x)] = x % 2 == 0 ? byte >> 4 : byte & 0x0F;
    }
  return p;
}

TEST(PictureData, TextStaysInsideTheFrame) {
  const std::string source = CommittedSource();
  struct Case {
    const char* array;
    int width, height;
  } cases[] = {{"kBannerPieces", 180, 64}, {"kAboutPieces", 230, 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.array);
    const lwpic::Picture p = Decode(CommittedImage(source, c.array));
    ASSERT_EQ(c.width, p.width);
    ASSERT_EQ(c.height, p.height);
    // The frame is whole: no text pixel on it.
    int frameBreaks = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        const bool onFrame = x < lwpic::kFrameWidth || y < lwpic::kFrameWidth || x >= p.width - lwpic::kFrameWidth ||
                             y >= p.height - lwpic::kFrameWidth;
        if (onFrame && p.At(x, y) != lwpic::kNavy) ++frameBreaks;
      }
    EXPECT_EQ(0, frameBreaks);
    // Some free space between frame and text all round, the text centred.
    const lwpic::Box box = lwpic::TextBounds(p);
    ASSERT_LT(box.left, box.right);
    EXPECT_GE(box.left, lwpic::kFrameWidth + 4);
    EXPECT_GE(box.top, lwpic::kFrameWidth + 4);
    EXPECT_LE(box.right, p.width - lwpic::kFrameWidth - 4);
    EXPECT_LE(box.bottom, p.height - lwpic::kFrameWidth - 4);
    EXPECT_LE(std::abs(box.left - (p.width - box.right)), 1);
    // At least half the width inside the frame: still a banner.
    EXPECT_GE(box.right - box.left, p.width / 2);
  }
}

TEST(PictureData, PiecesAndImageHeader) {
  const std::vector<uint8_t> bytes(1100, 7);
  const std::vector<uint8_t> pieces = lwpic::SplitIntoPieces(bytes);
  ASSERT_EQ(1100u + 4 * 4, pieces.size());
  EXPECT_EQ(512u, Le32(pieces, 0));
  EXPECT_EQ(512u, Le32(pieces, 516));
  EXPECT_EQ(76u, Le32(pieces, 1032));
  EXPECT_EQ(0u, Le32(pieces, 1112));
  const std::vector<uint8_t> bmp = lwpic::EncodeBmp(lwpic::DrawBanner());
  EXPECT_EQ(bmp.size(), Le32(bmp, 2));
  EXPECT_EQ(118u, Le32(bmp, 10));
  EXPECT_EQ(16u, Le32(bmp, 46));  // colours used: a palette is made from them
}

}  // namespace
