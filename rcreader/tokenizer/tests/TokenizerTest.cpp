#include "TokenTestUtil.h"

#include <gtest/gtest.h>

using lwtest::Bytes;

namespace {

struct Case {
  const char* script;
  const char* texts;  // token texts, each followed by "|"
  const char* kinds;  // token kinds, one digit each
};

void Check(const Case& c) {
  std::string s(c.script);
  CSourceTokenList list(_T("t.rc"), Bytes(s), s.size());
  EXPECT_EQ(CStringA(c.texts), lwtest::Texts(list)) << c.script;
  EXPECT_EQ(CStringA(c.kinds), lwtest::Kinds(list)) << c.script;
}

TEST(Tokenizer, TokenKinds) {
  const Case cases[] = {
      {"", "", ""},
      {"   \t\r\n  ", "", ""},
      {"IDD_ABOUT DIALOG", "IDD_ABOUT|DIALOG|", "11"},
      {"_a1 9x", "_a1|9|x|", "121"},
      {"0x10", "0|x10|", "21"},
      {"10L", "10|L|", "21"},
      {"-5", "-|5|", "42"},
      {"a,b", "a|,|b|", "141"},
      {"{}", "{|}|", "44"},
      {"\xE4" "b", "\xE4|b|", "41"},
      {"\"x\" y", "x|y|", "31"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(Tokenizer, QuotedStrings) {
  const Case cases[] = {
      {"\"a\"\"b\"\"c\"", "a\"b\"c|", "3"},
      {"\"a\\\\\" x", "a\\|x|", "31"},
      {"\"say \\\"hi\\\"\"", "say \"hi\"|", "3"},
      {"\"\\101\"", "A|", "3"},
      {"\"\\1 \\x41 \\b\"", "\\1 \\x41 \\b|", "3"},
      {"\"\\n\\r\\t\\a\"", "\n\r\t\a|", "3"},
      {"\"a\nb\"", "a b|", "3"},
      {"\"\"", "|", "3"},
      {"\"a\\\"", "a\\|", "3"},  // the file ends inside the string
      {"\"abc", "ab|", "3"},     // likewise, raw text loses its last character
      {"\"a/*b*/c\"", "ac|", "3"},
  };
  for (const Case& c : cases) Check(c);
}

// A backslash at the end of a line inside a string splices the next line
// on: backslash and line end vanish; elsewhere a backslash stays a token.
TEST(Tokenizer, LineSplicesInStrings) {
  const Case cases[] = {
      {"\"Usage:\\n\\\n  REG\" x", "Usage:\n  REG|x|", "31"},
      {"\"a\\\r\nb\"", "ab|", "3"},
      {"\"a\\\n\\\nb\"", "ab|", "3"},
      {"\"a\\\n\"", "a|", "3"},
      {"\"a\\\\\nb\"", "a\\ b|", "3"},  // an escaped backslash splices nothing
      {"\"a\\ \nb\"", "a\\  b|", "3"},    // nor one with a blank behind it
      {"\"a\\\n", "|", "3"},  // the file ends after the splice: cut as any unclosed string
      {"a \\\n b", "a|\\|b|", "141"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(Tokenizer, Comments) {
  const Case cases[] = {
      {"/*/word", "word|", "1"},
      {"a /* b */ c", "a|c|", "11"},
      {"a /* never closed\n b c", "a|", "1"},
      {"a /*", "a|", "1"},
      {"/* a // b */ STYLE 1\nEND", "STYLE|1|END|", "121"},
      {"\"x // y\" // z", "x // y|/|/|z|", "3441"},
      {"\"a//b\" c // d", "a//b|c|/|/|d|", "31441"},
      {"a // b\nc", "a|c|", "11"},
      // A closed comment inside a word or number leaves one token.
      {"IDD_/* x */A", "IDD_A|", "1"},
      {"12/*/34", "1234|", "2"},
      {"\"a\\/**/\"b\" c", "a\"b|c|", "31"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(Tokenizer, LineOfATokenIsTakenAfterTheNextCharacter) {
  std::string s = "A B C\nD E F";
  CSourceTokenList list(_T("t.rc"), Bytes(s), s.size());
  ASSERT_EQ(6, list.GetCount());
  const int lines[] = {0, 0, 1, 1, 1, 2};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(lines[i], list.GetLine(i)) << i;

  std::string c = "A/* x\n\ny */ B";
  CSourceTokenList withComment(_T("t.rc"), Bytes(c), c.size());
  ASSERT_EQ(2, withComment.GetCount());
  EXPECT_EQ(2, withComment.GetLine(0));
}

TEST(Tokenizer, OctalBytesMeanWhatTheyMeanInCodePage1252) {
  CString got = CSourceTokenizer::UnescapeString(lwtest::T("\"\\200\\374\\101\""));
  ASSERT_EQ(3, got.GetLength());
#ifdef UNICODE
  EXPECT_EQ(0x20AC, static_cast<int>(got[0]));  // the euro sign
  EXPECT_EQ(0xFC, static_cast<int>(got[1]));
#else
  EXPECT_EQ(0x80, lw::CharCode(got[0]));
  EXPECT_EQ(0xFC, lw::CharCode(got[1]));
#endif
  EXPECT_EQ('A', got[2]);
}

TEST(Tokenizer, UnescapeString) {
  struct U {
    const char* raw;
    const char* text;
  } cases[] = {
      {"\"\"", ""},      {"\"", "\""},        {"", ""},          {"\"ab\"", "ab"},
      {"\"\\\"", "\\"}, {"\"\\777\"", ""},    {"\"\\0123\"", "\n3"}, {"\"\\8\"", "\\8"},
  };
  for (const U& u : cases) {
    CString got = CSourceTokenizer::UnescapeString(lwtest::T(u.raw));
    if (CStringA(u.raw) == "\"\\777\"") {
      ASSERT_EQ(1, got.GetLength());
#ifdef UNICODE
      EXPECT_EQ(511, static_cast<int>(got[0]));
#endif
    } else {
      EXPECT_EQ(lwtest::T(u.text), got) << u.raw;
    }
  }
}

// The tokenizer as it cut tokens one character at a time, through Advance
// alone: the line runs of the real one must give the same tokens.
class COneCharTokenizer : public CSourceTokenizer {
 public:
  using CSourceTokenizer::CSourceTokenizer;
  bool NextToken(CSourceToken& token) override {
    while (IsBlank(m_look) && !m_reader.IsAtEnd()) Advance();
    if (m_look == 0 && m_reader.IsAtEnd()) return false;
    CString& text = token.m_text;
    text = CString(m_look);
    if (m_look == '"') {
      bool escaped = false;
      for (;;) {
        TCHAR c = Advance();
        if (c == 0 && m_reader.IsAtEnd()) break;
        if (c == '\\' && !escaped && m_reader.AtLineEnd() && !m_reader.IsAtEnd()) {
          Advance();  // a line splice
          continue;
        }
        text.AppendChar(c);
        if (escaped) escaped = false;
        else if (c == '\\') escaped = true;
        else if (c == '"' && Advance() != '"') break;
      }
      text = UnescapeString(text);
      token.m_kind = kTokenString;
    } else if (IsIdentStart(m_look)) {
      while (IsIdentChar(Advance())) text.AppendChar(m_look);
      token.m_kind = kTokenIdentifier;
    } else if (IsDigit(m_look)) {
      while (IsDigit(Advance())) text.AppendChar(m_look);
      token.m_kind = kTokenNumber;
    } else {
      Advance();
      token.m_kind = kTokenOther;
    }
    StampToken(token);
    return true;
  }
};

TEST(Tokenizer, LineRunsCutAsOneCharacterAtATime) {
  // Pieces that switch quotes, escapes, comments and lines on and off,
  // joined in a fixed pseudo-random order.
  const char* pieces[] = {"IDD_A", " ", "\t", "\n", "\r\n", "\"", "\\", "/", "*", "//", "/*", "*/",
                          "12", "0x1F", "a_9", "\"\"", "\\\"", "\xE4\xFC", ",", "{", "\\101", "\v\f"};
  const int count = static_cast<int>(sizeof pieces / sizeof pieces[0]);
  unsigned seed = 12345;
  for (int round = 0; round < 400; ++round) {
    std::string script;
    const int length = 1 + round % 40;
    for (int i = 0; i < length; ++i) {
      seed = seed * 1103515245u + 12345u;
      script += pieces[(seed >> 16) % static_cast<unsigned>(count)];
    }
    CSourceTokenList runs(_T("t.rc"), Bytes(script), script.size());
    COneCharTokenizer oneByOne(_T("t.rc"), Bytes(script), script.size());
    CSourceTokenList reference(oneByOne);
    ASSERT_EQ(lwtest::Texts(reference), lwtest::Texts(runs)) << script;
    ASSERT_EQ(lwtest::Kinds(reference), lwtest::Kinds(runs)) << script;
    for (int i = 0; i < runs.GetCount(); ++i) ASSERT_EQ(reference.GetLine(i), runs.GetLine(i)) << script;
  }
}

// A variant that cuts every character into a token of its own: the list
// takes whatever NextToken a tokenizer has.
class CCharTokenizer : public CSourceTokenizer {
 public:
  using CSourceTokenizer::CSourceTokenizer;
  bool NextToken(CSourceToken& token) override {
    if (!SkipBlanks()) return false;
    StampToken(token);
    token.m_text = CString(m_look);
    token.m_kind = kTokenOther;
    Advance();
    return true;
  }
};

TEST(Tokenizer, NextTokenCanBeReplaced) {
  std::string s = "ab c";
  CCharTokenizer tokenizer(_T("t.cpp"), Bytes(s), s.size());
  CSourceTokenList list(tokenizer);
  EXPECT_EQ(CStringA("a|b|c|"), lwtest::Texts(list));
  EXPECT_EQ(lwtest::T("t.cpp"), list.GetFileName(2));
}

}  // namespace
