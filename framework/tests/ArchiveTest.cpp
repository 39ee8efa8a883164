#include <gtest/gtest.h>

#include "Framework.h"
#include "TestPaths.h"

#include <vector>

namespace {

std::vector<BYTE> Bytes(CMemFile& f) { return std::vector<BYTE>(f.Data(), f.Data() + f.GetLength()); }

template <class Writer>
std::vector<BYTE> Store(Writer write) {
  CMemFile f;
  {
    CArchive ar(&f, CArchive::store, 128);
    write(ar);
    ar.Close();
  }
  return Bytes(f);
}

template <class Reader>
void Load(std::vector<BYTE> data, Reader read) {
  CMemFile f(data.data(), static_cast<UINT>(data.size()));
  CArchive ar(&f, CArchive::load, 128);
  read(ar);
}

TEST(Archive, NumbersAreRawLittleEndian) {
  auto data = Store([](CArchive& ar) {
    ar << static_cast<BYTE>(0x12) << static_cast<WORD>(0x3456) << static_cast<DWORD>(0x789ABCDEu)
       << static_cast<LONG>(-2) << static_cast<short>(-3) << 1.5 << 2.5f << static_cast<LONGLONG>(-4)
       << static_cast<ULONGLONG>(5) << static_cast<uint64_t>(6) << static_cast<int64_t>(-7);
  });
  ASSERT_EQ(1u + 2 + 4 + 4 + 2 + 8 + 4 + 8 + 8 + 8 + 8, data.size());
  EXPECT_EQ(0x12, data[0]);
  EXPECT_EQ(0x56, data[1]);
  EXPECT_EQ(0x34, data[2]);
  EXPECT_EQ(0xDE, data[3]);
  EXPECT_EQ(0x78, data[6]);
  Load(data, [](CArchive& ar) {
    BYTE b;
    WORD w;
    DWORD d;
    LONG l;
    short s;
    double db;
    float fl;
    LONGLONG ll;
    ULONGLONG ull;
    uint64_t ul;
    int64_t sl;
    ar >> b >> w >> d >> l >> s >> db >> fl >> ll >> ull >> ul >> sl;
    EXPECT_EQ(0x12, b);
    EXPECT_EQ(0x3456, w);
    EXPECT_EQ(0x789ABCDEu, d);
    EXPECT_EQ(-2, l);
    EXPECT_EQ(-3, s);
    EXPECT_EQ(1.5, db);
    EXPECT_EQ(2.5f, fl);
    EXPECT_EQ(-4, ll);
    EXPECT_EQ(5u, ull);
    EXPECT_EQ(6u, ul);
    EXPECT_EQ(-7, sl);
  });
}

TEST(Archive, ReadingPastTheEndThrows) {
  std::vector<BYTE> three = {1, 2, 3};
  Load(three, [](CArchive& ar) {
    WORD w;
    ar >> w;
    DWORD d = 0;
    try {
      ar >> d;
      ADD_FAILURE() << "no exception";
    } catch (const CArchiveException& e) {
      EXPECT_EQ(CArchiveException::endOfFile, e.m_cause);
    }
  });
}

struct LengthCase {
  int length;
  size_t narrowPrefix;  // bytes before the characters, 8-bit writer
};
const LengthCase kLengths[] = {{0, 1}, {1, 1}, {254, 1}, {255, 3}, {65533, 3}, {65534, 7}, {65535, 7}, {70000, 7}};

TEST(Archive, StringPrefixForms) {
  for (const LengthCase& c : kLengths) {
    CStringA a('a', c.length);
    auto narrow = Store([&](CArchive& ar) { ar << a; });
    EXPECT_EQ(c.narrowPrefix + c.length, narrow.size()) << c.length;
    CStringW w(CStringA('w', c.length));
    auto wide = Store([&](CArchive& ar) { ar << w; });
    // the 16-bit writer puts FF FE FF before the same prefix
    EXPECT_EQ(3 + c.narrowPrefix + 2 * c.length, wide.size()) << c.length;
    EXPECT_EQ(0xFF, wide[0]);
    EXPECT_EQ(0xFE, wide[1]);
    EXPECT_EQ(0xFF, wide[2]);
  }
}

TEST(Archive, EitherWidthReadsEitherForm) {
  for (const LengthCase& c : kLengths) {
    CStringA a(CStringA("\xE9") + CStringA('x', c.length > 0 ? c.length - 1 : 0));
    if (c.length == 0) a.Empty();
    CStringW w(a);
    auto narrow = Store([&](CArchive& ar) { ar << a << static_cast<BYTE>(0x5A); });
    auto wide = Store([&](CArchive& ar) { ar << w << static_cast<BYTE>(0x5A); });
    for (const auto& data : {narrow, wide}) {
      Load(data, [&](CArchive& ar) {
        CStringW gotW;
        BYTE tail;
        ar >> gotW >> tail;
        EXPECT_EQ(w, gotW) << c.length;
        EXPECT_EQ(0x5A, tail);
      });
      Load(data, [&](CArchive& ar) {
        CStringA gotA;
        ar >> gotA;
        EXPECT_EQ(a, gotA) << c.length;
      });
    }
  }
}

TEST(Archive, WideTextTheCodePageCannotHoldIsCountedWhenReadNarrow) {
  const CStringW kept(LW_WSTR("gr\x00FC\x00DF"));  // fits code page 1252
  const CStringW lost(LW_WSTR("\x0416\x0435\x043D\x0430"));  // Cyrillic: does not
  auto data = Store([&](CArchive& ar) { ar << kept << lost << CStringA("plain") << lost; });
  Load(data, [&](CArchive& ar) {
    CStringA a, b, c, d;
    ar >> a;
    EXPECT_EQ(0u, ar.m_nLossyStrings);
    ar >> b >> c >> d;
    EXPECT_EQ(2u, ar.m_nLossyStrings);
    EXPECT_EQ(CStringA("gr\xFC\xDF"), a);
  });
  Load(data, [&](CArchive& ar) {
    CStringW a, b;
    ar >> a >> b;
    EXPECT_EQ(lost, b);
    EXPECT_EQ(0u, ar.m_nLossyStrings);  // a wide reader loses nothing
  });
}

// An ANSI program's file written by a 16-bit writer: one byte per
// character in the code page, exactly as an 8-bit writer stores it.
TEST(Archive, StoringCodePageWritesTheOneByteForm) {
  const CStringW kept(LW_WSTR("gr\x00FC\x00DF"));
  const auto narrow = Store([&](CArchive& ar) {
    ar.m_nStoreCodePage = 1252;
    ar << kept;
  });
  EXPECT_EQ((std::vector<BYTE>{4, 'g', 'r', 0xFC, 0xDF}), narrow);
  EXPECT_EQ(Store([&](CArchive& ar) { ar << CStringA("gr\xFC\xDF"); }), narrow);
  Load(narrow, [&](CArchive& ar) {
    CStringW back;
    ar >> back;
    EXPECT_EQ(kept, back);
  });
}

TEST(Archive, StoringCodePageRefusesWhatItCannotHold) {
  CMemFile f;
  CArchive ar(&f, CArchive::store, 128);
  ar.m_nStoreCodePage = 1252;
  const CStringW lost(LW_WSTR("\x0416"));
  EXPECT_THROW(ar << lost, CArchiveException);
  ar.Abort();
}

TEST(Archive, LengthLongerThanTheDataIsRefused) {
  struct Case {
    const char* name;
    std::vector<BYTE> data;
  } cases[] = {
      {"one-byte prefix", {10, 'a', 'b'}},
      {"uint16 prefix", {0xFF, 0x00, 0x10, 'a'}},
      {"uint32 prefix of 4 GB", {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF}},
      {"wide marker, short data", {0xFF, 0xFE, 0xFF, 5, 'a', 0}},
      {"marker only", {0xFF, 0xFE, 0xFF}},
      {"64-bit escape", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {"empty", {}},
  };
  for (auto& c : cases) {
    Load(c.data, [&](CArchive& ar) {
      CString s;
      EXPECT_THROW(ar >> s, CArchiveException) << c.name;
    });
  }
}

TEST(Archive, LargeDataThroughASmallBufferAndAFile) {
  CFile f;
  CString path = lwtest::ScratchDir("archive") + _T("large.bin");
  ASSERT_TRUE(f.Open(path, CFile::modeCreate | CFile::modeWrite));
  CString big(_T('q'), 100000);
  {
    CArchive ar(&f, CArchive::store, 256);
    for (int i = 0; i < 3; ++i) ar << big << static_cast<DWORD>(i);
    ar.Close();
  }
  f.Close();
  ASSERT_TRUE(f.Open(path, CFile::modeRead | CFile::shareDenyWrite));
  CArchive ar(&f, CArchive::load, 256);
  for (DWORD i = 0; i < 3; ++i) {
    CString s;
    DWORD n;
    ar >> s >> n;
    EXPECT_EQ(big, s);
    EXPECT_EQ(i, n);
  }
  BYTE extra;
  EXPECT_THROW(ar >> extra, CArchiveException);
  f.Close();
  CFile::Remove(path);
}

TEST(Archive, CountsAndDirection) {
  auto data = Store([](CArchive& ar) {
    ar.WriteCount(5);
    ar.WriteCount(0x12345);
  });
  EXPECT_EQ(2u + 6u, data.size());
  Load(data, [](CArchive& ar) {
    EXPECT_EQ(5u, ar.ReadCount());
    EXPECT_EQ(0x12345u, ar.ReadCount());
    EXPECT_THROW(ar << 1, CArchiveException);
  });
}

}  // namespace
