// WeaveMaker's pictures: each file made once, with the sizes and colours
// the program relies on.
#include <gtest/gtest.h>

#include "MakerPictureArt.h"

#include <set>
#include <string>

namespace {

TEST(MakerPictures, EveryPictureOnce) {
  const lwpicfiles::PictureFiles files = makerpic::AllPictureFiles();
  EXPECT_EQ(34u, files.size());  // icon, four strips, 29 button pictures
  std::set<std::string> names;
  for (const lwpicfiles::PictureFile& file : files) EXPECT_TRUE(names.insert(file.name).second) << file.name;
}

TEST(MakerPictures, StripsHaveTheirCells) {
  const makerpic::Picture tree = makerpic::Strip({"new", "open"}, 16, makerpic::kWhite);
  EXPECT_EQ(32, tree.width);
  EXPECT_EQ(16, tree.height);
  // Corners of a cell stay the mask colour, so images are drawn clear.
  EXPECT_EQ(makerpic::kWhite, tree.At(0, 0));
  EXPECT_EQ(makerpic::kWhite, tree.At(31, 15));
  EXPECT_NE(makerpic::kWhite, tree.At(2, 0));  // the page's outline
}

TEST(MakerPictures, ButtonStatesDiffer) {
  const makerpic::Picture normal = makerpic::ButtonPicture("save", 0);
  const makerpic::Picture pressed = makerpic::ButtonPicture("save", 1);
  const makerpic::Picture hover = makerpic::ButtonPicture("save", 2);
  const makerpic::Picture off = makerpic::ButtonPicture("save", 3);
  EXPECT_EQ(24, normal.width);
  EXPECT_EQ(22, normal.height);
  EXPECT_EQ(makerpic::kWhite, normal.At(0, 0));  // raised
  EXPECT_EQ(makerpic::kBlack, pressed.At(0, 0));  // sunken
  EXPECT_EQ(makerpic::kCream, hover.At(2, 2));
  EXPECT_NE(normal.pixels, pressed.pixels);
  EXPECT_NE(normal.pixels, off.pixels);
  for (uint8_t c : off.pixels) EXPECT_TRUE(c == makerpic::kGrey || c == makerpic::kWhite || c == makerpic::kBlack ||
                                           c == makerpic::kDark) << int(c);
}

TEST(MakerPictures, IconIsAThirtyTwoSquareIconFile) {
  makerpic::Picture p;
  p.width = 32;
  p.height = 32;
  p.pixels.assign(1024, makerpic::kBlue);
  const std::vector<uint8_t> ico = makerpic::EncodeIcon(p);
  ASSERT_GE(ico.size(), 22u + 40u);
  EXPECT_EQ(1, ico[2]);   // icon
  EXPECT_EQ(1, ico[4]);   // one image
  EXPECT_EQ(32, ico[6]);
  EXPECT_EQ(32, ico[7]);
  EXPECT_EQ(64, ico[22 + 8]);  // colour and mask rows
  // Header, 16 colours, 32 rows of 16 bytes, 32 mask rows of 4 bytes.
  EXPECT_EQ(22u + 40u + 64u + 512u + 128u, ico.size());
  // Every pixel opaque: the mask rows are all zero.
  for (size_t i = ico.size() - 128; i < ico.size(); ++i) EXPECT_EQ(0, ico[i]) << i;
}

}  // namespace
