// Golden .tra files, committed under data/: each is written by the build of
// the width named in the table (run the tests of both widths with
// LWV_WRITE_GOLDEN=1 to write them again) and read back by both widths.
#include <gtest/gtest.h>

#include "LwvTestSupport.h"

#include <cstdlib>

using namespace lwvtest;

namespace {

struct GoldenVector {
  const char* name;
  int version;
  bool unicodeWriter;
};

const GoldenVector kVectors[] = {
    {"sample_ansi_30003.tra", 30003, false}, {"sample_unicode_30003.tra", 30003, true},
    {"sample_14000.tra", 14000, false},      {"sample_29000.tra", 29000, true},
    {"sample_30001.tra", 30001, false},      {"sample_30002.tra", 30002, true},
};

#ifdef _UNICODE
const bool kUnicodeBuild = true;
#else
const bool kUnicodeBuild = false;
#endif

CString PathOf(const GoldenVector& v) { return CString(LW_SOURCE_DIR) + _T("/lwv/tests/data/") + CString(v.name); }

std::unique_ptr<CTraFile> Expected(int version) {
  auto file = MakeSampleFile();
  file->SetVersion(version);
  return RoundTrip(*file);  // as this build reads that version
}

TEST(Golden, WriteWhenAsked) {
  if (!std::getenv("LWV_WRITE_GOLDEN")) GTEST_SKIP() << "set LWV_WRITE_GOLDEN=1 to write the golden files";
  for (const GoldenVector& v : kVectors) {
    if (v.unicodeWriter != kUnicodeBuild) continue;
    auto file = MakeSampleFile();
    file->SetVersion(v.version);
    CAtomicFile out;
    ASSERT_TRUE(out.Open(PathOf(v), CFile::modeCreate | CFile::modeWrite)) << v.name;
    CArchive ar(&out, CArchive::store);
    file->Serialize(ar);
    ar.Close();
    out.Commit();
  }
}

TEST(Golden, EveryVectorReadsBackInThisWidth) {
  for (const GoldenVector& v : kVectors) {
    SCOPED_TRACE(v.name);
    std::vector<BYTE> bytes;
    ASSERT_TRUE(ReadBytesFrom(PathOf(v), bytes));
    CTraFile file;
    ReadFromBytes(bytes, file);
    auto expected = Expected(v.version);
    ExpectSameFile(*expected, file);
    EXPECT_EQ(file.GetComment(), W("Kommentar mit \u00FC"));
    CString path[] = {TRA_SECTION_DIALOGS, W("Gr\u00F6\u00DFe \u00E4ndern")};
    EXPECT_NE(nullptr, file.GetRootNode()->FindPath(path, 2));
    // The writer's own width reproduces the file byte for byte.
    if (v.unicodeWriter == kUnicodeBuild) {
      EXPECT_EQ(WriteToBytes(file), bytes);
    }
  }
}

TEST(Golden, WidthsDifferOnlyInTheirTexts) {
  std::vector<BYTE> ansi, unicode;
  ASSERT_TRUE(ReadBytesFrom(PathOf(kVectors[0]), ansi));
  ASSERT_TRUE(ReadBytesFrom(PathOf(kVectors[1]), unicode));
  EXPECT_GT(unicode.size(), ansi.size());
  // Both start with the magic: ANSI as 27 bytes, Unicode after the 16-bit marker.
  ASSERT_GT(ansi.size(), 30u);
  EXPECT_EQ(27, ansi[0]);
  EXPECT_EQ(0xFF, unicode[0]);
  EXPECT_EQ(0xFE, unicode[1]);
  EXPECT_EQ(0xFF, unicode[2]);
  EXPECT_EQ(27, unicode[3]);
}

}  // namespace
