// The add-on image strip: the unused first image is all mask colour.
#include "AddOnImageArt.h"

#include <gtest/gtest.h>

namespace {

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
