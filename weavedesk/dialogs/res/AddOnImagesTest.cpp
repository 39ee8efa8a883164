// The committed add-on image strip is what the generator makes now.
#include "AddOnImageArt.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(AddOnImages, CommittedStripIsUpToDate) {
  const std::vector<uint8_t> fresh = addonart::MakeStripBmp();
  const std::string committed = ReadAll(std::string(LW_TEST_SOURCE_DIR) + "/AddOnImages.bmp");
  ASSERT_FALSE(committed.empty());
  EXPECT_TRUE(committed == std::string(fresh.begin(), fresh.end())) << "run the target refresh_addon_images";
}

TEST(AddOnImages, UnusedImageIsAllMask) {
  const std::vector<uint8_t> strip = addonart::MakeStrip();
  const int width = addonart::kSide * addonart::kCount;
  for (int y = 0; y < addonart::kSide; ++y)
    for (int x = 0; x < addonart::kSide; ++x) {
      const uint8_t* p = &strip[(static_cast<size_t>(y) * width + x) * 3];
      EXPECT_EQ(255, p[0]);
      EXPECT_EQ(0, p[1]);
      EXPECT_EQ(255, p[2]);
    }
}

}  // namespace
