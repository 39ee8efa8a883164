#include "ScriptText.h"
#include "SourceLineReader.h"
#include "TokenTestUtil.h"

#include <gtest/gtest.h>

using lwtest::Bytes;

namespace {

// What a script of code page 1252 reads as: the system's decoding of the
// whole buffer, NUL as a blank.
std::basic_string<TCHAR> SystemDecoding(const std::string& bytes) {
  const lw::WString wide = lw::Widen(bytes.data(), bytes.size(), 1252);
  std::basic_string<TCHAR> text = lw::FromWide(wide.data(), wide.size());
  for (auto& c : text)
    if (c == 0) c = ' ';
  return text;
}

std::string EveryByte() {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  return all;
}

TEST(ScriptText, Cp1252DecodesAsTheSystemDoes) {
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"every byte", EveryByte()},
      {"line ends", "a\nb\r\nc\rd\n\r\n"},
      {"escapes", "\"\\\"x\\\\\" \"\\244\\n\" \x80\x9f\xa4\xff"},
      {"NUL inside", std::string("A\0B\0\n\0", 6)},
      {"long line", std::string(200000, 'x') + "\x93y\x94"},
      {"bytes without a meaning in the page", "\x81\x8d\x8f\x90\x9d"},
  };
  for (const Case& c : cases) {
    lw::ScriptEncoding found = lw::ScriptEncoding::Utf8;
    const std::basic_string<TCHAR> text = lw::DecodeScriptText(Bytes(c.bytes), c.bytes.size(), &found);
    EXPECT_EQ(lw::ScriptEncoding::Cp1252, found) << c.name;
    EXPECT_EQ(SystemDecoding(c.bytes), text) << c.name;
    // Decoding into the memory of a longer text gives the same.
    std::basic_string<TCHAR> reused(300000, TCHAR('q'));
    lw::DecodeScriptTextInto(Bytes(c.bytes), c.bytes.size(), reused);
    EXPECT_EQ(text, reused) << c.name;
  }
}

TEST(ScriptText, LinesOfADecodedScriptAsOnTheirOwn) {
  // A long line, both line ends and an empty line: each line end reads as
  // one blank.
  const std::string script = std::string(70000, 'a') + "\r\n\xe4\n\n" + std::string(5, 'b');
  CSourceLineReader reader(_T("x.rc"), Bytes(script), script.size(), true);
  int chars = 0;
  while (reader.GetChar() != 0) ++chars;
  EXPECT_EQ(4, reader.GetLineCount());  // past the last of the four lines
  EXPECT_EQ(70000 + 1 + 1 + 1 + 1 + 5, chars);
}

}  // namespace
