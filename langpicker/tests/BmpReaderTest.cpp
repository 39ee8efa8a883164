// The bitmap reader on crafted files: every header kind, bit count and
// compression it accepts, what it refuses, and every truncation.
#include "BmpFiles.h"

#include <gtest/gtest.h>

using namespace bmptest;

namespace {

const COLORREF kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF, kBlack = 0;

// A 5 x 3 picture of four colours, different in every row and column, so
// that a mirrored or shifted row shows.
const int kW = 5, kH = 3;
const DWORD kIndexes[kW * kH] = {0, 1, 2, 3, 0,  //
                                 1, 1, 3, 3, 2,  //
                                 2, 0, 0, 1, 3};
const COLORREF kTable[4] = {kRed, kGreen, kBlue, kWhite};

std::vector<COLORREF> Expected() {
  std::vector<COLORREF> out;
  for (DWORD i : kIndexes) out.push_back(kTable[i]);
  return out;
}

CraftedBmp Paletted(int headerSize, int bits) {
  CraftedBmp s;
  s.headerSize = headerSize;
  s.width = kW;
  s.height = kH;
  s.bits = bits;
  s.table.assign(kTable, kTable + 4);
  s.table.resize(size_t(1) << (bits < 8 ? bits : 8), kBlack);
  s.values.assign(kIndexes, kIndexes + kW * kH);
  if (bits == 1)
    for (DWORD& v : s.values) v = v == 0 ? 0 : 1;
  return s;
}

CraftedBmp Direct(int headerSize, int bits, DWORD compression = 0) {
  CraftedBmp s;
  s.headerSize = headerSize;
  s.width = kW;
  s.height = kH;
  s.bits = bits;
  s.compression = compression;
  for (DWORD i : kIndexes) {
    const COLORREF c = kTable[i];
    const DWORD r = c & 0xFF, g = c >> 8 & 0xFF, b = c >> 16 & 0xFF;
    if (bits == 24) s.values.push_back(c);
    else if (bits == 32 && compression == 0) s.values.push_back(r << 16 | g << 8 | b);
    else if (bits == 32) s.values.push_back(r | g << 8 | b << 16);          // masks below
    else if (compression == 0) s.values.push_back(r >> 3 << 10 | g >> 3 << 5 | b >> 3);  // 5-5-5
    else s.values.push_back(r >> 3 << 11 | g >> 2 << 5 | b >> 3);          // 5-6-5
  }
  if (compression == 3) {
    if (bits == 32) {
      s.masks[0] = 0x0000FF;
      s.masks[1] = 0x00FF00;
      s.masks[2] = 0xFF0000;
    } else {
      s.masks[0] = 0xF800;
      s.masks[1] = 0x07E0;
      s.masks[2] = 0x001F;
    }
  }
  return s;
}

struct Case {
  const char* name;
  CraftedBmp bmp;
};

std::vector<Case> AcceptedFiles() {
  std::vector<Case> cases;
  for (int header : {12, 40, 108, 124}) {
    const std::string h = std::to_string(header);
    for (int bits : {4, 8}) cases.push_back({"paletted", Paletted(header, bits)});
    cases.push_back({"24 bit", Direct(header, 24)});
    if (header != 12) {
      cases.push_back({"16 bit 5-5-5", Direct(header, 16)});
      cases.push_back({"16 bit 5-6-5 bit fields", Direct(header, 16, 3)});
      cases.push_back({"32 bit", Direct(header, 32)});
      cases.push_back({"32 bit bit fields", Direct(header, 32, 3)});
    }
  }
  CraftedBmp topDown = Direct(40, 24);
  topDown.topDown = true;
  cases.push_back({"24 bit from the top", topDown});
  CraftedBmp gap = Paletted(40, 8);
  gap.gapBeforePixels = 6;
  cases.push_back({"gap before the pixels", gap});
  CraftedBmp zero = Paletted(40, 4);
  zero.zeroOffset = true;
  cases.push_back({"no pixel offset", zero});
  CraftedBmp shortTable = Paletted(40, 8);
  shortTable.table.resize(4);
  shortTable.setClrUsed = true;
  cases.push_back({"colour count 4 of 256", shortTable});
  return cases;
}

TEST(BmpReader, DecodesEveryAcceptedKind) {
  for (const Case& c : AcceptedFiles()) {
    SCOPED_TRACE(std::string(c.name) + ", header " + std::to_string(c.bmp.headerSize) + ", " +
                 std::to_string(c.bmp.bits) + " bits");
    LwBmpImage image;
    ASSERT_EQ(LW_BMP_OK, Read(Make(c.bmp), image));
    EXPECT_EQ(kW, image.width);
    EXPECT_EQ(kH, image.height);
    EXPECT_EQ(c.bmp.bits, image.bitCount);
    EXPECT_EQ(c.bmp.headerSize, image.headerSize);
    EXPECT_EQ(Expected(), image.pixels);
    EXPECT_EQ(c.bmp.table, image.colourTable);
  }
}

TEST(BmpReader, OneBitPicturesTakeTheirTwoColours) {
  CraftedBmp s = Paletted(40, 1);
  LwBmpImage image;
  ASSERT_EQ(LW_BMP_OK, Read(Make(s), image));
  for (int i = 0; i < kW * kH; ++i) EXPECT_EQ(kIndexes[i] == 0 ? kRed : kGreen, image.pixels[i]) << i;
  EXPECT_EQ(2u, image.colourTable.size());
}

// RLE8 and RLE4 runs, literals, line ends and moves of a 6 x 3 picture
// (the streams run from the bottom row; skipped pixels keep colour 0).
TEST(BmpReader, DecodesRunLengthPictures) {
  CraftedBmp s;
  s.width = 6;
  s.height = 3;
  s.table = {kRed, kGreen, kBlue, kWhite};
  s.setClrUsed = true;
  s.bits = 8;
  s.compression = 1;
  s.rle = {3, 1,           // three times 1
           0, 3, 2, 3, 0,  // literal 2 3 0
           0,              // its pad to a whole word
           0, 0,           // end of line
           0, 2, 2, 1,     // move 2 right and 1 up
           2, 3,           // two times 3
           0, 1};          // end of picture
  LwBmpImage image;
  ASSERT_EQ(LW_BMP_OK, Read(Make(s), image));
  const std::vector<COLORREF> rle8 = {kRed, kRed, kWhite, kWhite, kRed, kRed,  //
                                      kRed, kRed, kRed, kRed, kRed, kRed,      //
                                      kGreen, kGreen, kGreen, kBlue, kWhite, kRed};
  EXPECT_EQ(rle8, image.pixels);

  CraftedBmp four = s;
  four.bits = 4;
  four.compression = 2;
  four.rle = {5, 0x12,           // 1 2 1 2 1
              0, 3, 0x30, 0x00,  // literal 3 0 0 (the last two leave the row)
              0, 1};
  ASSERT_EQ(LW_BMP_OK, Read(Make(four), image));
  const std::vector<COLORREF> rle4 = {kRed, kRed, kRed, kRed, kRed, kRed,  //
                                      kRed, kRed, kRed, kRed, kRed, kRed,  //
                                      kGreen, kBlue, kGreen, kBlue, kGreen, kWhite};
  EXPECT_EQ(rle4, image.pixels);
}

TEST(BmpReader, RunsLeavingThePictureAreCut) {
  CraftedBmp s;
  s.width = 2;
  s.height = 2;
  s.table = {kRed, kGreen};
  s.setClrUsed = true;
  s.bits = 8;
  s.compression = 1;
  s.rle = {255, 1, 0, 2, 200, 200, 255, 1, 0, 0, 0, 0, 0, 0, 9, 1};
  LwBmpImage image;
  ASSERT_EQ(LW_BMP_OK, Read(Make(s), image));
  EXPECT_EQ(kGreen, image.At(0, 1));
  EXPECT_EQ(kGreen, image.At(1, 1));
  EXPECT_EQ(kRed, image.At(0, 0));
}

TEST(BmpReader, RefusesWhatItDoesNotAccept) {
  struct Refusal {
    const char* name;
    LwBmpResult result;
    CraftedBmp bmp;
    void (*patch)(std::vector<BYTE>&);
  };
  CraftedBmp eightBit = Paletted(40, 8);
  CraftedBmp colour = Direct(40, 24);
  CraftedBmp rle = Paletted(40, 8);
  rle.compression = 1;
  rle.rle = {0, 1};
  CraftedBmp rleTopDown = rle;
  rleTopDown.topDown = true;
  CraftedBmp fields24 = Direct(40, 24);
  fields24.compression = 3;
  CraftedBmp coreSixteen = Direct(12, 16);
  const std::vector<Refusal> refusals = {
      {"no BM", LW_BMP_NOT_BITMAP, eightBit, [](std::vector<BYTE>& b) { b[1] = 'A'; }},
      {"header size 20", LW_BMP_BAD_HEADER, eightBit, [](std::vector<BYTE>& b) { Set32(b, 14, 20); }},
      {"header size 64", LW_BMP_BAD_HEADER, eightBit, [](std::vector<BYTE>& b) { Set32(b, 14, 64); }},
      {"header longer than the file", LW_BMP_BAD_HEADER, eightBit,
       [](std::vector<BYTE>& b) { Set32(b, 14, 124); b.resize(100); }},
      {"width 0", LW_BMP_BAD_SIZE, eightBit, [](std::vector<BYTE>& b) { Set32(b, 18, 0); }},
      {"negative width", LW_BMP_BAD_SIZE, eightBit, [](std::vector<BYTE>& b) { Set32(b, 18, DWORD(-5)); }},
      {"height 0", LW_BMP_BAD_SIZE, eightBit, [](std::vector<BYTE>& b) { Set32(b, 22, 0); }},
      {"smallest height", LW_BMP_BAD_SIZE, eightBit, [](std::vector<BYTE>& b) { Set32(b, 22, 0x80000000u); }},
      {"absurd width", LW_BMP_BAD_SIZE, eightBit, [](std::vector<BYTE>& b) { Set32(b, 18, 0x7FFFFFFFu); }},
      {"too many pixels", LW_BMP_BAD_SIZE, eightBit,
       [](std::vector<BYTE>& b) { Set32(b, 18, 30000); Set32(b, 22, 30000); }},
      {"two planes", LW_BMP_UNSUPPORTED, eightBit, [](std::vector<BYTE>& b) { b[26] = 2; }},
      {"2 bits", LW_BMP_UNSUPPORTED, eightBit, [](std::vector<BYTE>& b) { b[28] = 2; }},
      {"64 bits", LW_BMP_UNSUPPORTED, colour, [](std::vector<BYTE>& b) { b[28] = 64; }},
      {"JPEG", LW_BMP_UNSUPPORTED, colour, [](std::vector<BYTE>& b) { Set32(b, 30, 4); }},
      {"PNG", LW_BMP_UNSUPPORTED, colour, [](std::vector<BYTE>& b) { Set32(b, 30, 5); }},
      {"RLE4 on 8 bits", LW_BMP_UNSUPPORTED, rle, [](std::vector<BYTE>& b) { Set32(b, 30, 2); }},
      {"bit fields on 8 bits", LW_BMP_UNSUPPORTED, eightBit, [](std::vector<BYTE>& b) { Set32(b, 30, 3); }},
      {"bit fields on 24 bits", LW_BMP_UNSUPPORTED, fields24, nullptr},
      {"RLE from the top", LW_BMP_UNSUPPORTED, rleTopDown, nullptr},
      {"16 bits in a core header", LW_BMP_UNSUPPORTED, coreSixteen, nullptr},
      {"more colours than 8 bits index", LW_BMP_BAD_COLOUR_TABLE, eightBit,
       [](std::vector<BYTE>& b) { Set32(b, 46, 257); }},
      {"colour count past the end", LW_BMP_BAD_COLOUR_TABLE, colour,
       [](std::vector<BYTE>& b) { Set32(b, 46, 0x40000000u); }},
      {"pixel offset inside the table", LW_BMP_BAD_PIXEL_DATA, eightBit, [](std::vector<BYTE>& b) { Set32(b, 10, 60); }},
      {"pixel offset past the end", LW_BMP_BAD_PIXEL_DATA, eightBit,
       [](std::vector<BYTE>& b) { Set32(b, 10, DWORD(b.size() + 1)); }},
      {"more rows than pixel data", LW_BMP_BAD_PIXEL_DATA, colour, [](std::vector<BYTE>& b) { Set32(b, 22, 4); }},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.name);
    std::vector<BYTE> bytes = Make(r.bmp);
    if (r.patch) r.patch(bytes);
    LwBmpImage image;
    image.width = 7;
    EXPECT_EQ(r.result, Read(bytes, image));
    EXPECT_EQ(0, image.width);
    EXPECT_TRUE(image.pixels.empty());
  }
  LwBmpImage image;
  EXPECT_EQ(LW_BMP_NOT_BITMAP, LwReadBmp(nullptr, 0, image));
}

TEST(BmpReader, EveryTruncationIsRefusedOrStaysInside) {
  std::vector<Case> cases = AcceptedFiles();
  CraftedBmp rle = Paletted(40, 8);
  rle.compression = 1;
  rle.rle = {5, 1, 0, 0, 5, 2, 0, 0, 5, 3, 0, 1};
  cases.push_back({"RLE8", rle});
  for (const Case& c : cases) {
    const std::vector<BYTE> whole = Make(c.bmp);
    const size_t pixelsAt = whole[10] | size_t(whole[11]) << 8;
    for (size_t length = 0; length < whole.size(); ++length) {
      SCOPED_TRACE(std::string(c.name) + " cut to " + std::to_string(length));
      // A copy of exactly that length, so that the sanitizers see a read past it.
      std::vector<BYTE> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
      LwBmpImage image;
      const LwBmpResult result = Read(cut, image);
      if (c.bmp.compression == 1 && length >= pixelsAt) continue;  // a run-length stream may end early
      EXPECT_NE(LW_BMP_OK, result);
    }
  }
}

TEST(BmpReader, TheCallersBoundOnPixelsHolds) {
  CraftedBmp s = Direct(40, 24);
  LwBmpImage image;
  EXPECT_EQ(LW_BMP_BAD_SIZE, Read(Make(s), image, kW * kH - 1));
  EXPECT_EQ(LW_BMP_OK, Read(Make(s), image, kW * kH));
}

}  // namespace
