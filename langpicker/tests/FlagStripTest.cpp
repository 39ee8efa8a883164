// The flag strip the build made from the flag set: one cell per catalogue
// row in row order, flags on the grey background, and the table behind it.
#include "FlagStrip.h"
#include "LanguageCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const CString kStrip(LW_FLAG_STRIP_BMP);
const CString kEmpty(LW_EMPTY_FLAG_BMP);

bool Red(COLORREF c) { return (c & 0xFF) > 150 && (c >> 8 & 0xFF) < 100 && (c >> 16 & 0xFF) < 100; }
bool Black(COLORREF c) { return (c & 0xFF) < 80 && (c >> 8 & 0xFF) < 80 && (c >> 16 & 0xFF) < 80; }
bool Gold(COLORREF c) { return (c & 0xFF) > 200 && (c >> 8 & 0xFF) > 150 && (c >> 16 & 0xFF) < 100; }
bool White(COLORREF c) { return c == 0xFFFFFF; }

TEST(FlagStrip, HasOneCellPerCountry) {
  LwBmpImage strip;
  ASSERT_EQ(LW_BMP_OK, LwReadBmpFile(kStrip, strip));
  EXPECT_EQ(LW_FLAG_SIDE * COUNTRY_COUNT, strip.width);
  EXPECT_EQ(LW_FLAG_SIDE, strip.height);
  // Every cell: background at the top and bottom rows, something else inside.
  for (int cell = 0; cell < COUNTRY_COUNT; ++cell) {
    LwFlagPixels flag;
    ASSERT_TRUE(LwFlagStripCell(strip, cell, flag));
    EXPECT_EQ(LW_FLAG_BACKGROUND, flag[0]) << cell;
    EXPECT_EQ(LW_FLAG_BACKGROUND, flag[LW_FLAG_PIXEL_COUNT - 1]) << cell;
    EXPECT_NE(LW_FLAG_BACKGROUND, flag[16 * LW_FLAG_SIDE + 16]) << cell;
  }
}

// The set's 16 x 11 flags at twice their size from row 5; they are shaded,
// so each band is tested where its colour is plain.
TEST(FlagStrip, GermanyIsBlackRedGold) {
  LwFlagPixels flag;
  ASSERT_TRUE(LwReadFlagStripCell(kStrip, 122, flag));
  EXPECT_TRUE(Black(flag[5 * 32 + 16]));
  EXPECT_TRUE(Red(flag[15 * 32 + 16]));
  EXPECT_TRUE(Gold(flag[21 * 32 + 16]));
  EXPECT_EQ(LW_FLAG_BACKGROUND, flag[4 * 32 + 16]);
  EXPECT_EQ(LW_FLAG_BACKGROUND, flag[27 * 32 + 16]);
}

// By the catalogue's row name: Germany is row 122; an unknown name is no cell.
TEST(FlagStrip, CountryFlagByName) {
  LwFlagPixels byName{}, byRow{};
  ASSERT_EQ(true, LwReadCountryFlag(kStrip, _T("Germany"), byName));
  ASSERT_EQ(true, LwReadFlagStripCell(kStrip, 122, byRow));
  EXPECT_EQ(byRow, byName);
  EXPECT_EQ(false, LwReadCountryFlag(kStrip, _T("Atlantis"), byName));
  EXPECT_EQ(false, LwReadCountryFlag(_T(""), _T("Germany"), byName));
}

// Zaire is not in the flag set: a white cell with its label in black.
TEST(FlagStrip, ACountryWithoutAFlagGetsALabelledCell) {
  LwFlagPixels flag;
  ASSERT_TRUE(LwReadFlagStripCell(kStrip, 0, flag));
  int white = 0, ink = 0;
  for (COLORREF c : flag) {
    white += White(c);
    ink += c == 0;
  }
  EXPECT_GT(white, 300);
  EXPECT_GT(ink, 20);
}

TEST(FlagStrip, EmptyFlagIsAPlainCell) {
  LwBmpImage empty;
  ASSERT_EQ(LW_BMP_OK, LwReadBmpFile(kEmpty, empty));
  EXPECT_EQ(32, empty.width);
  EXPECT_EQ(32, empty.height);
  EXPECT_EQ(LW_FLAG_BACKGROUND, empty.At(0, 0));
  EXPECT_TRUE(White(empty.At(16, 16)));
}

TEST(FlagStrip, CellsOutsideTheStripAreRefused) {
  LwBmpImage strip;
  ASSERT_EQ(LW_BMP_OK, LwReadBmpFile(kStrip, strip));
  LwFlagPixels flag;
  flag.fill(1);
  EXPECT_FALSE(LwFlagStripCell(strip, -1, flag));
  EXPECT_FALSE(LwFlagStripCell(strip, COUNTRY_COUNT, flag));
  EXPECT_EQ(COLORREF(1), flag[0]);
  EXPECT_TRUE(LwFlagCellInStrip(163, 164 * 32, 32));
  EXPECT_FALSE(LwFlagCellInStrip(164, 164 * 32, 32));
  EXPECT_FALSE(LwFlagCellInStrip(0, 31, 32));
  EXPECT_FALSE(LwFlagCellInStrip(0, 32, 31));
  EXPECT_FALSE(LwReadFlagStripCell(_T(""), 0, flag));
}

// The generator's table names the catalogue's countries row by row.
TEST(FlagStrip, TableFollowsTheCatalogue) {
  CFile file;
  const CString path = CString(LW_SOURCE_DIR) + _T("/langpicker/flagstrip/FlagFiles.tsv");
  ASSERT_TRUE(file.Open(path, CFile::modeRead | CFile::shareDenyWrite));
  std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
  file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
  std::vector<lw::WString> names;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = bytes.substr(start, end - start);
    start = end + 1;
    if (line.empty() || line[0] == '#') continue;
    const size_t a = line.find('\t'), b = line.find('\t', a + 1);
    EXPECT_EQ(std::to_string(names.size()), line.substr(0, a));
    const std::string name = line.substr(a + 1, b - a - 1);
    names.push_back(lw::Widen(name.data(), name.size(), CP_UTF8));
  }
  ASSERT_EQ(size_t(COUNTRY_COUNT), names.size());
  for (int i = 0; i < COUNTRY_COUNT; ++i) {
    lw::WString units;
    for (LPCTSTR s = CountryNames[i]; *s; ++s) units.push_back(static_cast<WCHAR>(static_cast<std::make_unsigned_t<TCHAR>>(*s)));
    EXPECT_EQ(units, names[static_cast<size_t>(i)]) << i;
  }
}

}  // namespace
