// WeaveDesk's pictures have the sizes the program cuts them by, and the
// disabled look keeps to the greys.
#include "DeskPictures.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

TEST(DeskPictures, SizesMatchTheCellsTheProgramCuts) {
  struct Expected {
    const char* name;
    int width;
    int height;
  } expected[] = {
      {"ToolHot.bmp", 17 * 20, 20},     {"ToolNormal.bmp", 17 * 20, 20}, {"ToolDisabled.bmp", 17 * 20, 20},
      {"ToolChecked.bmp", 17 * 20, 20}, {"Boxes.bmp", 4 * 10, 10},       {"Icons.bmp", 18 * 16, 15},
      {"Placeholders.bmp", 5 * 25, 15}, {"AddOnNone.bmp", 32, 32},       {"AddOnOpen.bmp", 32, 32},
      {"AddOnImported.bmp", 32, 32},
  };
  const std::vector<deskpic::NamedPicture> all = deskpic::DrawAll();
  ASSERT_EQ(std::size(expected), all.size());
  for (size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(expected[i].name, all[i].fileName);
    EXPECT_EQ(expected[i].width, all[i].picture.width) << expected[i].name;
    EXPECT_EQ(expected[i].height, all[i].picture.height) << expected[i].name;
  }
}

TEST(DeskPictures, DisabledLookHasNoColourOfTheNormalLook) {
  const std::vector<deskpic::NamedPicture> all = deskpic::DrawAll();
  const lwpic::Picture& disabled = all[2].picture;
  for (uint8_t c : disabled.pixels) EXPECT_TRUE(c == 0 || c == 1 || c == 10) << int(c);
}

}  // namespace
