#include <gtest/gtest.h>

#include "Framework.h"
#include "CStringPrinter.h"

namespace {

TEST(CodePage, Windows1252RoundTrip) {
  // Every byte that 1252 defines maps to a code point and back.
  const int undefined[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
  for (int b = 1; b < 256; ++b) {
    char c = static_cast<char>(b);
    lw::WString w = lw::Widen(&c, 1, CP_ACP);
    ASSERT_EQ(1u, w.size()) << b;
    bool isUndefined = false;
    for (int u : undefined) isUndefined |= u == b;
    if (isUndefined) continue;  // Wine and the native table may differ there
    std::string back = lw::Narrow(w, CP_ACP);
    ASSERT_EQ(1u, back.size()) << b;
    EXPECT_EQ(c, back[0]) << b;
  }
}

TEST(CodePage, Windows1252HighBytesAreTheirLetters) {
  struct Case {
    char byte;
    WCHAR code;
  } cases[] = {{'\x80', 0x20AC}, {'\x84', 0x201E}, {'\x8A', 0x0160}, {'\x9E', 0x017E}, {'\x9F', 0x0178}};
  for (const Case& c : cases) {
    const lw::WString wide = lw::Widen(&c.byte, 1, CP_ACP);
    ASSERT_EQ(1u, wide.size()) << int(static_cast<unsigned char>(c.byte));
    EXPECT_EQ(c.code, wide[0]) << int(static_cast<unsigned char>(c.byte));
    BOOL usedDefault = FALSE;
    char back[2] = {0, 0};
    EXPECT_EQ(1, WideCharToMultiByte(CP_ACP, 0, &c.code, 1, back, 2, nullptr, &usedDefault));
    EXPECT_EQ(c.byte, back[0]) << int(static_cast<unsigned char>(c.byte));
    EXPECT_FALSE(usedDefault);
  }
}

TEST(CodePage, SingleByteTextsDecodeInOnePass) {
  // ASCII, a byte that differs between 1252 and Latin-1, and a Latin-1 letter.
  const char bytes[] = "A\x80z\xE9";
  struct Case {
    UINT codePage;
    WCHAR second;
  } cases[] = {{CP_ACP, 0x20AC}, {1252, 0x20AC}, {28591, 0x0080}};
  for (const Case& c : cases) {
    WCHAR out[4] = {0, 0, 0, 0};
    ASSERT_EQ(4, MultiByteToWideChar(c.codePage, 0, bytes, 4, out, 4)) << c.codePage;
    EXPECT_EQ(lw::WString({'A', c.second, 'z', 0xE9}), lw::WString(out, 4)) << c.codePage;
    EXPECT_EQ(0, MultiByteToWideChar(c.codePage, 0, bytes, 4, out, 3)) << c.codePage;
  }
}

TEST(CodePage, Utf8) {
  const WCHAR text[] = {'A', 0xE9, 0x20AC, 0xD83D, 0xDE00, 0};
  std::string utf8 = lw::Narrow(text, 5, CP_UTF8);
  EXPECT_EQ(std::string("A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), utf8);
  lw::WString back = lw::Widen(utf8, CP_UTF8);
  EXPECT_EQ(lw::WString(text, 5), back);
}

// A string made from UTF-8 holds the characters in either width: in an
// ANSI build "\u00DC" is one byte of the code page, not the two UTF-8 bytes.
TEST(CodePage, StringsFromAndToUtf8HoldCharacters) {
  const char utf8[] = "\xC3\x9C" "ber \xE2\x82\xAC";
  const CString text = lw::FromUtf8(utf8);
  EXPECT_EQ(CString(CStringW(LW_WSTR("\u00DCber \u20AC"))), text);
  EXPECT_EQ(6, text.GetLength());
  EXPECT_EQ(std::string(utf8), lw::ToUtf8(text));
}

TEST(CodePage, SizesLikeTheWindowsFunctions) {
  // -1 counts the terminator; a too-small buffer fails with 0.
  EXPECT_EQ(4, MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0));
  WCHAR small[2];
  EXPECT_EQ(0, MultiByteToWideChar(CP_ACP, 0, "abc", 3, small, 2));
  EXPECT_EQ(3, WideCharToMultiByte(CP_ACP, 0, LW_WSTR("ab"), -1, nullptr, 0, nullptr, nullptr));
  BOOL usedDefault = FALSE;
  const WCHAR cjk[] = {0x4E2D, 0};
  char out[4] = {0};
  EXPECT_EQ(1, WideCharToMultiByte(CP_ACP, 0, cjk, 1, out, 4, nullptr, &usedDefault));
  EXPECT_EQ('?', out[0]);
  EXPECT_TRUE(usedDefault);
}

TEST(CodePage, InvalidUtf8BecomesReplacementCharacters) {
  const char* bad[] = {"\xC3", "\xE2\x82", "\xFF", "\xC0\xAF", "\xED\xA0\x80"};
  for (const char* s : bad) {
    lw::WString w = lw::Widen(s, strlen(s), CP_UTF8);
    ASSERT_FALSE(w.empty()) << s;
    for (WCHAR c : w) EXPECT_EQ(0xFFFD, c) << s;
  }
}

}  // namespace
