// WeaveGuide's pictures: the committed .bmp files have the sizes the dialogs
// rely on, and the watermark keeps the field under the welcome texts free of
// the band.
#include "GuidePictures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::vector<uint8_t> Committed(const char* name) {
  std::ifstream in(std::string(LW_SOURCE_DIR) + "/weaveguide/res/" + name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

TEST(GuidePicturesTest, SizesAsTheDialogsTileAndShowThem) {
  struct Row {
    const char* name;
    uint32_t width, height;
  } rows[] = {
      {"Watermark.bmp", 500, 480},
      {"WatermarkLow.bmp", 500, 480},
      {"Header.bmp", 16, 96},
      {"HeaderLow.bmp", 16, 96},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::vector<uint8_t> bmp = Committed(row.name);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(row.width, Le32(bmp, 18));
    EXPECT_EQ(row.height, Le32(bmp, 22));
    EXPECT_EQ(bmp.size(), Le32(bmp, 2));
  }
}

TEST(GuidePicturesTest, TextFieldOfTheWatermarkIsPlain) {
  for (const guidepic::GuidePicture& g : guidepic::DrawGuidePictures()) {
    if (g.picture.width != guidepic::kWatermarkWidth) continue;
    SCOPED_TRACE(g.fileName);
    const uint8_t field = g.picture.At(guidepic::kBandWidth + 1, 0);
    int others = 0;
    for (int y = 0; y < g.picture.height; ++y)
      for (int x = guidepic::kBandWidth + 1; x < g.picture.width; ++x) others += g.picture.At(x, y) != field;
    EXPECT_EQ(0, others);
    EXPECT_NE(field, g.picture.At(5, 5));  // the band is woven
  }
}

// The sheet fills the header right of the picture with its top-left pixel
// and starts the title 20 pixels in: the field is there, the ribbon is not.
TEST(GuidePicturesTest, HeaderRibbonStaysInTheTitleMargin) {
  for (const guidepic::GuidePicture& g : guidepic::DrawGuidePictures()) {
    if (g.picture.width == guidepic::kWatermarkWidth) continue;
    SCOPED_TRACE(g.fileName);
    EXPECT_EQ(lwpic::kWhite, g.picture.At(0, 0));
    EXPECT_LT(g.picture.width, guidepic::kHeaderTitleMargin);
    int woven = 0;
    for (int x = 0; x < g.picture.width; ++x) woven += g.picture.At(x, g.picture.height / 2) != lwpic::kWhite;
    EXPECT_GE(woven, g.picture.width / 2);
  }
}

}  // namespace
