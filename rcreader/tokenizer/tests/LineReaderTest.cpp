#include "SourceLineReader.h"
#include "TestPaths.h"
#include "TokenTestUtil.h"

#include <gtest/gtest.h>

using lwtest::Bytes;

namespace {

// Every character the reader hands out until the end of the file.
CString Drain(CSourceLineReader& reader, bool skipComments) {
  CString out;
  for (int guard = 0; guard < 100000; ++guard) {
    TCHAR c = skipComments ? reader.GetCharSkipComments() : reader.GetChar();
    if (c == 0 && reader.IsAtEnd()) break;
    out.AppendChar(c);
  }
  return out;
}

CString DrainBytes(const std::string& bytes, bool strip = true) {
  CSourceLineReader reader(_T("t.rc"), Bytes(bytes), bytes.size(), strip);
  return Drain(reader, strip);
}

TEST(LineReader, EncodingsAreDetectedByTheirMark) {
  struct Case {
    std::string bytes;
    lw::ScriptEncoding encoding;
    std::u16string text;
  } cases[] = {
      {std::string("\xFF\xFE" "A\0\xFC\0" "B\0", 8), lw::ScriptEncoding::Utf16LE, u"A\u00FCB"},
      {std::string("\xFE\xFF\0A\x20\xAC\0B", 8), lw::ScriptEncoding::Utf16BE, u"A\u20ACB"},
      {"\xEF\xBB\xBF" "A\xC3\xA4" "B", lw::ScriptEncoding::Utf8, u"A\u00E4B"},
      {"A\xE4\x80" "B", lw::ScriptEncoding::Cp1252, u"A\u00E4\u20ACB"},
      {"", lw::ScriptEncoding::Cp1252, u""},
  };
  for (const Case& c : cases) {
    CSourceLineReader reader(_T("t.rc"), Bytes(c.bytes), c.bytes.size(), true);
    EXPECT_EQ(c.encoding, reader.GetEncoding());
    lw::WString wide(c.text.begin(), c.text.end());
    // Eight-bit builds hold the text in the system code page.
    EXPECT_EQ(CString(lw::FromWide(wide.data(), wide.size())), Drain(reader, true));
  }
}

// Without a mark, the resource compiler reads a script as UTF-8 when its
// first line says so; a pragma further down or for another page does not.
TEST(LineReader, Utf8PragmaOnTheFirstLineWithoutMark) {
  struct Case {
    std::string bytes;
    lw::ScriptEncoding encoding;
    std::u16string tail;  // how the last bytes "A\xC3\xA4" read
  } cases[] = {
      {"#pragma code_page(65001)\nA\xC3\xA4", lw::ScriptEncoding::Utf8, u"\nA\u00E4"},
      {"  # pragma  code_page ( 65001 ) \r\nA\xC3\xA4", lw::ScriptEncoding::Utf8, u"\nA\u00E4"},
      {"#pragma code_page(1252)\nA\xC3\xA4", lw::ScriptEncoding::Cp1252, u"\nA\u00C3\u00A4"},
      {"// x\n#pragma code_page(65001)\nA\xC3\xA4", lw::ScriptEncoding::Cp1252, u"\nA\u00C3\u00A4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    lw::ScriptEncoding found = lw::ScriptEncoding::Utf16BE;
    const CString text = lw::DecodeScriptText(Bytes(c.bytes), c.bytes.size(), &found).c_str();
    EXPECT_EQ(c.encoding, found);
    lw::WString wide(c.tail.begin(), c.tail.end());
    const CString tail = lw::FromWide(wide.data(), wide.size()).c_str();
    EXPECT_EQ(tail, text.Right(tail.GetLength()));
  }
}

TEST(LineReader, LineEndsReadAsOneBlankAndNulIsNotTheEnd) {
  EXPECT_EQ(lwtest::T("ab cd ef"), DrainBytes("ab\r\ncd\nef"));
  EXPECT_EQ(lwtest::T("ab cd"), DrainBytes("ab\ncd\n"));
  EXPECT_EQ(lwtest::T("a b c"), DrainBytes(std::string("a\0b\nc", 5)));
  EXPECT_EQ(lwtest::T(" x"), DrainBytes("\nx"));
}

TEST(LineReader, LineCountAndLastChar) {
  std::string s = "ab\ncd";
  CSourceLineReader reader(_T("t.rc"), Bytes(s), s.size(), true);
  EXPECT_EQ(0, reader.GetLineCount());
  EXPECT_EQ('a', reader.PeekChar());
  EXPECT_EQ('a', reader.GetChar());
  EXPECT_EQ('b', reader.GetChar());
  EXPECT_EQ(0, reader.PeekChar());
  EXPECT_EQ(' ', reader.GetChar());
  EXPECT_EQ(1, reader.GetLineCount());
  EXPECT_EQ(' ', reader.GetLastChar());
  EXPECT_EQ('c', reader.GetChar());
  EXPECT_EQ('d', reader.GetChar());
  EXPECT_EQ(0, reader.GetChar());
  EXPECT_TRUE(reader.IsAtEnd());
  EXPECT_EQ('d', reader.GetLastChar());
  EXPECT_EQ(2, reader.GetLineCount());
  // At the end it keeps answering 0 and counts no further lines.
  EXPECT_EQ(0, reader.GetChar());
  EXPECT_EQ(0, reader.GetCharSkipComments());
  EXPECT_EQ(2, reader.GetLineCount());
}

TEST(LineReader, CommentCutting) {
  struct Case {
    const char* script;
    const char* chars;  // what GetCharSkipComments hands out
  } cases[] = {
      {"a // b", "a "},
      {"\"x // y\" // z", "\"x // y\" // z"},
      // The first "//" between quotes keeps the whole line, a later comment too.
      {"\"a//b\" c // d", "\"a//b\" c // d"},
      {"a \"b\" // c", "a \"b\" "},
      // A "//" inside a block comment closed on the same line cuts nothing.
      {"a /* // */ b\nc", "a  b c"},
      // After a block comment that ends on a later line, the rest of that
      // line is cut like any other line.
      {"a /* x\ny */ b // c\nd", "a  b  d"},
      {"a /*/ b", "a  b"},
      {"a /* b", "a "},
      // Lines read while a comment is open keep their "//" text until it closes.
      {"/* a\n// b */c", "c"},
      {"a * / b", "a * / b"},
      {"a *\n/ b", "a * / b"},
      // Quote characters escaped inside a string neither open nor close one.
      {"L \"say \\\"hi // x\\\"\", 1", "L \"say \\\"hi // x\\\"\", 1"},
      {"a \"\\\"\" b\n\"c // d\" e", "a \"\\\"\" b \"c // d\" e"},
      {"\"a\\\\\" // c", "\"a\\\\\" "},
      // Outside a string a backslash escapes nothing.
      {"a \\\"b // c\" // d", "a \\\"b // c\" // d"},
  };
  for (const Case& c : cases) EXPECT_EQ(lwtest::T(c.chars), DrainBytes(c.script)) << c.script;
}

TEST(LineReader, WithoutStrippingBlockCommentsStayButLineCommentsGo) {
  EXPECT_EQ(lwtest::T("a /* b */ c "), DrainBytes("a /* b */ c // d", false));
}

TEST(LineReader, MissingFileThrowsFileException) {
  bool thrown = false;
  try {
    CSourceLineReader reader(_T("no-such-folder\\no-such-file.rc"), true);
  } catch (const CFileException& e) {
    thrown = true;
    EXPECT_NE(CFileException::none, e.m_cause);
  }
  EXPECT_TRUE(thrown);
}

TEST(LineReader, ReadsAFileFromDisk) {
  CString dir = lwtest::ScratchDir("linereader");
  ASSERT_FALSE(dir.IsEmpty());
  CString path = dir + _T("one.rc");
  {
    CFile f(path, CFile::modeCreate | CFile::modeWrite);
    const char text[] = "\xFF\xFEX\0\r\0\n\0Y\0";
    f.Write(text, sizeof(text) - 1);
  }
  CSourceLineReader reader(path, true);
  EXPECT_EQ(lwtest::T("X Y"), Drain(reader, true));
  EXPECT_EQ(path, reader.GetFileName());
}

}  // namespace
