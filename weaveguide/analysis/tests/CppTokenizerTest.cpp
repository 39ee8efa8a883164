#include "AnalysisTestUtil.h"

#include <gtest/gtest.h>

using lwtest::S;
using lwtest::Texts;
using lwtest::Tokenize;

namespace {

TEST(CppTokenizer, CodesAndClasses) {
  struct Case { const char* text; int code; int cls; };
  const Case cases[] = {
      {":", 0, 1}, {";", 1, 1}, {"(", 2, 1}, {")", 3, 1}, {"{", 4, 1}, {"}", 5, 1}, {"<", 6, 1},
      {">", 7, 1}, {",", 8, 1}, {"#", 9, 1}, {"\\", 10, 1}, {"~", 11, 1}, {"class", 12, 1},
      {"public", 13, 1}, {"private", 14, 1}, {"protected", 15, 1}, {"virtual", 16, 1}, {"const", 17, 1},
      {"afx_msg", 18, 1}, {"include", 19, 1}, {"OnUpdateCmdUI", 20, 6}, {"CFrameWnd", 21, 6},
      {"BOOL", 22, 6}, {"Bool", 23, 1}, {"bool", 23, 1}, {"BOOLEAN", 23, 1}, {"Class", 23, 1},
      {"classes", 23, 1}, {"CFrameWndEx", 23, 1}, {"=", 23, 1}, {"42", 23, 1}, {"\"class\"", 23, 1},
      {"\"BOOL\"", 23, 1},
  };
  for (const Case& c : cases) {
    auto list = Tokenize(c.text);
    ASSERT_EQ(1, list->GetCount()) << c.text;
    EXPECT_EQ(c.code, list->GetTokenPtr(0)->GetCode()) << c.text;
    EXPECT_EQ(c.cls, list->GetTokenPtr(0)->GetClass()) << c.text;
  }
}

TEST(CppTokenizer, TextsAndKinds) {
  struct Case { const char* source; const char* texts; const char* kinds; };
  const Case cases[] = {
      {"", "", ""},
      {"  \t\r\n\f\v ", "", ""},
      {"int m_nCount;", "int|m_nCount|;|", "114"},
      {"0x1F 10L -5", "0|x1F|10|L|-|5|", "212142"},
      {"\"a\\nb\"", "a\\nb|", "3"},                 // no escapes
      {"\"C:\\dir\\\"x", "C:\\dir\\|x|", "31"},   // a backslash does not keep the string open
      {"\"say \"\"hi\"\"\" x", "say \"hi\"|x|", "31"},  // doubled quotes stand for one
      {"a \"\" b", "a|b|", "11"},                   // an empty string gives no token
      {"a /**/ b /* x\ny */ c", "a|b|c|", "111"},
      {"a // b c\nd", "a|d|", "11"},
      {"\"//\" x // y", "//|x|/|/|y|", "31441"},  // the first "//" stands in quotes
  };
  for (const Case& c : cases) {
    auto list = Tokenize(c.source);
    EXPECT_EQ(c.texts, Texts(*list)) << c.source;
    std::string kinds;
    for (int i = 0; i < list->GetCount(); ++i) kinds += char('0' + list->GetTokenPtr(i)->GetKind());
    EXPECT_EQ(c.kinds, kinds) << c.source;
  }
}

TEST(CppTokenizer, LettersOutsideAToZAreSingleCharacters) {
  auto list = Tokenize("\xE4x");
  ASSERT_EQ(2, list->GetCount());
  EXPECT_EQ(1, list->GetTokenPtr(0)->GetText().GetLength());
  EXPECT_EQ(kTokenOther, list->GetTokenPtr(0)->GetKind());
  EXPECT_EQ("x", S(list->GetTokenPtr(1)->GetText()));
}

TEST(CppTokenizer, LineIsTheLineTheTokenStartsOn) {
  auto list = Tokenize("A B C\nD E F\n\n/* two\nlines */ G \"x\ny\" H");
  ASSERT_EQ(9, list->GetCount());
  const int lines[] = {0, 0, 0, 1, 1, 1, 4, 4, 5};
  const bool newLine[] = {true, false, false, true, false, false, true, false, true};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(lines[i], list->GetTokenPtr(i)->GetLine()) << i;
    EXPECT_EQ(newLine[i], list->GetTokenPtr(i)->IsNewLine()) << i;
  }
  EXPECT_EQ("x y", S(list->GetTokenPtr(7)->GetText()));  // a line end in a string reads as a blank
}

TEST(CppTokenizer, ContinuedPreprocessorLine) {
  auto list = Tokenize("#define X \\\n  1\nint");
  EXPECT_EQ("#|define|X|\\|1|int|", Texts(*list));
  EXPECT_EQ(kCodeBackslash, list->GetTokenPtr(3)->GetCode());
  EXPECT_FALSE(list->GetTokenPtr(3)->IsNewLine());
  EXPECT_TRUE(list->GetTokenPtr(4)->IsNewLine());
  EXPECT_TRUE(list->GetTokenPtr(5)->IsNewLine());
}

TEST(CppTokenizer, EndOfFileInsideACommentOrStringEnds) {
  struct Case { const char* source; const char* texts; };
  const Case cases[] = {
      {"a \n\n  \t", "a|"},               // trailing blanks make no token
      {"a /* never closed", "a|"},
      {"a /* never\nclosed\n", "a|"},
      {"a /*", "a|"},
      {"a /* *", "a|"},
      {"a \"open string", "a|open string|"},
      {"a \"", "a|"},
      {"a \"x\n", "a|x|"},
      {"/*/ x", "x|"},                  // slash, star, slash is a whole comment
      {"a /*/ x */ b", "a|x|*|/|b|"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.texts, Texts(*Tokenize(c.source))) << c.source;
}

TEST(CppTokenizer, TokensCarryTheGivenName) {
  auto list = Tokenize("x", _T("..\\inc\\Doc.h"));
  EXPECT_EQ("..\\inc\\Doc.h", S(list->GetTokenPtr(0)->GetFileName()));
  CSourceToken copy = list->GetToken(0);
  EXPECT_EQ("x", S(copy.m_text));
  EXPECT_EQ(kTokenIdentifier, copy.m_kind);
  EXPECT_EQ(kTokenEnd, list->GetToken(1).m_kind);
  EXPECT_EQ(kTokenEnd, list->GetToken(-1).m_kind);
}

TEST(CppTokenizer, FilesOpenByPathAndKeepTheirShortName) {
  CString dir = lwtest::ScratchDir("cpptokenizer");
  CString path = lwtest::WriteFile(dir, "Doc.h", "class CDoc;\r\n");
  CCppTokenList list(path, _T(".\\Doc.h"));
  ASSERT_EQ(3, list.GetCount());
  EXPECT_EQ(".\\Doc.h", S(list.GetTokenPtr(0)->GetFileName()));
  CCppTokenList unnamed(path);
  EXPECT_EQ(S(path), S(unnamed.GetTokenPtr(0)->GetFileName()));
  EXPECT_THROW(CCppTokenList(dir + _T("missing.h")), CFileException);
}

TEST(CppTokenizer, LargeSourcesAreReadWhole) {
  // Far more than the old fixed limit of 200000 tokens.
  std::string source;
  for (int i = 0; i < 70000; ++i) source += "a b ;\n";
  auto list = Tokenize(source);
  EXPECT_EQ(210000, list->GetCount());
  EXPECT_FALSE(list->IsTruncated());
  EXPECT_EQ(69999, list->GetTokenPtr(209999)->GetLine());
}

}  // namespace
