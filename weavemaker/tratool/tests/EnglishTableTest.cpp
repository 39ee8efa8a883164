#include "EnglishTable.h"

#include "ToolTestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

using namespace tratest;

bool ParseText(CEnglishTable& table, const std::string& text, CString& error) {
  return table.Parse(reinterpret_cast<const BYTE*>(text.data()), text.size(), error);
}

TEST(EnglishTable, EntriesWithEscapesCommentsAndBlankLines) {
  CEnglishTable table;
  CString error;
  ASSERT_TRUE(ParseText(table,
                        "\xEF\xBB\xBF# the menu\r\n"
                        "&Datei\t&File\r\n"
                        "\n"
                        "   \t \n"
                        "&\xC3\x96" "ffnen...\\tStrg+O\t&Open...\\tCtrl+O\n"
                        "Zeile eins\\nZeile zwei\tLine one\\nline two\n"
                        "C:\\\\Pfad\tC:\\\\path",
                        error))
      << CStringA(error).GetString();
  EXPECT_EQ(CString(), error);
  EXPECT_EQ(4, table.GetCount());
  const struct {
    CString original;
    CString english;
  } cases[] = {
      {_T("&Datei"), _T("&File")},
      {W(u8"&\u00D6ffnen...\tStrg+O"), _T("&Open...\tCtrl+O")},
      {_T("Zeile eins\nZeile zwei"), _T("Line one\nline two")},
      {_T("C:\\Pfad"), _T("C:\\path")},
  };
  for (const auto& c : cases) {
    const CString* english = table.Find(c.original);
    ASSERT_NE(nullptr, english) << CStringA(c.original).GetString();
    EXPECT_EQ(c.english, *english);
  }
  EXPECT_EQ(nullptr, table.Find(_T("# the menu")));
  EXPECT_EQ(nullptr, table.Find(_T("&Datei\r")));
}

TEST(EnglishTable, BadLinesAreNamedByTheirNumber) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"a\tb\nno tab\n", "line 2: has no tab between the original and the English text"},
      {"# x\n\na\tb\tc\n", "line 3: has more than one tab (write a tab in a text as \\t)"},
      {"a\\x\tb\n", "line 1: has the unknown escape \"\\x\" (known: \\t \\n \\\\)"},
      {"a\tb\\\n", "line 1: has the unknown escape \"\\\" (known: \\t \\n \\\\)"},
      {"\tb\n", "line 1: has an empty original"},
      {"a\t\r\n", "line 1: has an empty English text"},
      {"a\t\xC3\n", "line 1: is not UTF-8"},
      {"a\t\xC0\xAF\n", "line 1: is not UTF-8"},
      {"a\tb\nc\td\na\te\n", "line 3: \"a\" has another English text on line 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CEnglishTable table;
    CString error;
    EXPECT_FALSE(ParseText(table, c.text, error));
    EXPECT_EQ(CString(c.error), error);
  }
}

TEST(EnglishTable, TheSameEntryTwiceIsNoError) {
  CEnglishTable table;
  CString error;
  EXPECT_TRUE(ParseText(table, "a\tb\na\tb\n", error));
  EXPECT_EQ(1, table.GetCount());
}

TEST(EnglishTable, AMissingFileIsNamed) {
  CEnglishTable table;
  CString error;
  EXPECT_FALSE(table.Load(_T("/nonexistent/table.txt"), error));
  EXPECT_EQ(CString(_T("cannot read the English table /nonexistent/table.txt")), error);
}

}  // namespace
