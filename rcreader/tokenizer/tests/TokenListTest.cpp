#include "TestPaths.h"
#include "TokenTestUtil.h"

#include <gtest/gtest.h>

using lwtest::Bytes;

namespace {

TEST(TokenList, ErrorContextShowsTheLineWithOneNeighbourEachSide) {
  std::string s = "A B C\nD E F";
  CSourceTokenList list(_T("x.rc"), Bytes(s), s.size());
  EXPECT_EQ(lwtest::T("x.rc (2): B C D E F "), list.GetErrorContext(4));
  EXPECT_EQ(lwtest::T("x.rc (2): B C D E F "), list.GetErrorContext(2));
  EXPECT_EQ(lwtest::T("x.rc (1): A B C "), list.GetErrorContext(0));
  EXPECT_EQ(lwtest::T("x.rc (3): E F "), list.GetErrorContext(5));
  EXPECT_EQ(CString(), list.GetErrorContext(6));
  EXPECT_EQ(CString(), list.GetErrorContext(-1));
}

TEST(TokenList, OutsideTheListIsAnEmptyEndToken) {
  std::string s = "A";
  CSourceTokenList list(_T("x.rc"), Bytes(s), s.size());
  for (int index : {-1, 1, 1000000}) {
    CSourceToken t = list.GetToken(index);
    EXPECT_EQ(kTokenEnd, t.m_kind);
    EXPECT_TRUE(t.m_text.IsEmpty());
    EXPECT_EQ(kTokenEnd, list.GetKind(index));
    EXPECT_TRUE(list.GetText(index).IsEmpty());
  }
  CSourceToken a = list.GetToken(0);
  EXPECT_EQ(lwtest::T("A"), a.m_text);
  EXPECT_EQ(lwtest::T("x.rc"), a.m_fileName);
  EXPECT_EQ(1, a.m_line);
}

TEST(TokenList, AppendedScriptsKeepTheirFileNamesAndLines) {
  std::string one = "A\nB", two = "C", three = "\n\nD E";
  CSourceTokenList list(_T("one.rc"), Bytes(one), one.size());
  {
    CSourceTokenList t2(_T("two.rc"), Bytes(two), two.size());
    CSourceTokenList t3(_T("three.rc"), Bytes(three), three.size());
    list.Append(t2);
    list.Append(t3);
    EXPECT_EQ(2, t3.GetCount());
  }
  list.Append(list);  // appending a list to itself changes nothing
  ASSERT_EQ(5, list.GetCount());
  EXPECT_EQ(CStringA("A|B|C|D|E|"), lwtest::Texts(list));
  EXPECT_EQ(lwtest::T("one.rc"), list.GetFileName(1));
  EXPECT_EQ(lwtest::T("two.rc"), list.GetFileName(2));
  EXPECT_EQ(lwtest::T("three.rc"), list.GetFileName(3));
  EXPECT_EQ(lwtest::T("three.rc (3): C D E "), list.GetErrorContext(3));
}

TEST(TokenList, ReadsFilesAndRefusesMissingOnes) {
  CString dir = lwtest::ScratchDir("tokenlist");
  ASSERT_FALSE(dir.IsEmpty());
  CString path = dir + _T("a.rc");
  {
    CFile f(path, CFile::modeCreate | CFile::modeWrite);
    f.Write("1 MENU\r\nBEGIN END\r\n", 19);
  }
  CSourceTokenList list(path);
  EXPECT_EQ(CStringA("1|MENU|BEGIN|END|"), lwtest::Texts(list));
  EXPECT_THROW(CSourceTokenList missing(dir + _T("missing.rc")), CFileException);
}

TEST(TokenList, AdjacentStringsJoinWithinOneScript) {
  struct Case {
    const char* script;
    const char* texts;
    const char* kinds;
  } cases[] = {
      {"A \"a \" \"b\" B", "A|a b|B|", "131"},
      {"\"a\" \\\n  \"b\" \\\r\n\"c\"", "abc|", "3"},
      {"\"\" \"x\"\"y\"", "x\"y|", "3"},
      // A backslash before anything but a string stays a token.
      {"\"a\" \\ x \"b\"", "a|\\|x|b|", "3413"},
      {"\\ \"a\"", "\\|a|", "43"},
      {"\"a\", \"b\"", "a|,|b|", "343"},
      // Joining changes that string only, not equal texts elsewhere.
      {"x \"x\" \"y\" x \"x\" \"x\"\"z\"", "x|xy|x|xx\"z|", "1313"},
  };
  for (const Case& c : cases) {
    std::string s = c.script;
    CSourceTokenList list(_T("x.rc"), Bytes(s), s.size());
    EXPECT_EQ(CStringA(c.texts), lwtest::Texts(list)) << c.script;
    EXPECT_EQ(CStringA(c.kinds), lwtest::Kinds(list)) << c.script;
  }
  // The joined string carries the line of its last part.
  std::string s = "\"a\" \\\n\"b\"\nX";
  CSourceTokenList list(_T("x.rc"), Bytes(s), s.size());
  EXPECT_EQ(2, list.GetLine(0));
  // Strings of two scripts appended one after the other stay apart.
  std::string one = "\"a\"", two = "\"b\"";
  CSourceTokenList first(_T("one.rc"), Bytes(one), one.size());
  CSourceTokenList second(_T("two.rc"), Bytes(two), two.size());
  first.Append(second);
  EXPECT_EQ(CStringA("a|b|"), lwtest::Texts(first));
}

TEST(TokenList, JoinsAcrossTheEndOfAStorageBlock) {
  // The backslash between two strings is dropped wherever it lies, also as
  // the first token of a new block of storage.
  for (int before : {4093, 4094, 4095, 4096}) {
    std::string s;
    for (int i = 0; i < before; ++i) s += "x ";
    s += "\"a\" \\\n \"b\" y \"c\" \\ \"d\" z";
    CSourceTokenList list(_T("x.rc"), Bytes(s), s.size());
    ASSERT_EQ(before + 4, list.GetCount()) << before;
    EXPECT_EQ(lwtest::T("ab"), list.GetText(before)) << before;
    EXPECT_EQ(1, list.GetLine(before)) << before;
    EXPECT_EQ(lwtest::T("y"), list.GetText(before + 1)) << before;
    EXPECT_EQ(lwtest::T("cd"), list.GetText(before + 2)) << before;
    EXPECT_EQ(lwtest::T("z"), list.GetText(before + 3)) << before;
  }
}

TEST(TokenList, GrowsPastTheOldFixedCapacity) {
  std::string s;
  for (int i = 0; i < 210000; ++i) s += "a ";
  CSourceTokenList list(_T("big.rc"), Bytes(s), s.size());
  EXPECT_EQ(210000, list.GetCount());
  EXPECT_FALSE(list.IsTruncated());
}

TEST(TokenList, ManyDistinctWordsKeepTheirTexts) {
  // Enough different words to make the shared texts' table grow several
  // times; each word comes back twice, and a word equal to a string stays apart.
  std::string s;
  for (int round = 0; round < 2; ++round)
    for (int i = 0; i < 5000; ++i) s += "W" + std::to_string(i * 7919 % 100003) + " \"W" + std::to_string(i) + "\" , ";
  CSourceTokenList list(_T("many.rc"), Bytes(s), s.size());
  ASSERT_EQ(2 * 5000 * 3, list.GetCount());
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 5000; ++i) {
      const int at = (round * 5000 + i) * 3;
      ASSERT_EQ(lwtest::T(("W" + std::to_string(i * 7919 % 100003)).c_str()), list.GetText(at)) << at;
      ASSERT_EQ(kTokenIdentifier, list.GetKind(at));
      ASSERT_EQ(lwtest::T(("W" + std::to_string(i)).c_str()), list.GetText(at + 1)) << at;
      ASSERT_EQ(kTokenString, list.GetKind(at + 1));
    }
  }
  // Two words of the same 32-bit FNV-1a hash stay two texts.
  std::string same = "costarring liquid costarring liquid";
  CSourceTokenList pair(_T("pair.rc"), Bytes(same), same.size());
  EXPECT_EQ(CStringA("costarring|liquid|costarring|liquid|"), lwtest::Texts(pair));
}

}  // namespace

namespace {

TEST(TokenList, AppendFileGivesWhatAppendOfItsListGives) {
  CString dir = lwtest::ScratchDir("tokenlist-appendfile");
  ASSERT_FALSE(dir.IsEmpty());
  struct Case {
    const char* before;
    const char* file;
  } cases[] = {
      {"A \"a\"", "\"b\" B"},  // strings of two scripts stay apart
      {"\"a\" \\", "\"b\""},
      {"X", "\"a\" \\\n \"b\" // c\n/* d */ 12 \"e\"\"f\""},
      {"", "A"},
      {"A", ""},
  };
  for (const Case& c : cases) {
    std::string before = c.before, file = c.file;
    CString path = dir + _T("b.rc");
    {
      CFile f(path, CFile::modeCreate | CFile::modeWrite);
      f.Write(file.data(), static_cast<UINT>(file.size()));
    }
    CSourceTokenList appended(_T("a.rc"), Bytes(before), before.size());
    CSourceTokenList read(_T("a.rc"), Bytes(before), before.size());
    appended.Append(CSourceTokenList(path));
    read.AppendFile(path);
    EXPECT_EQ(lwtest::Texts(appended), lwtest::Texts(read)) << c.file;
    EXPECT_EQ(lwtest::Kinds(appended), lwtest::Kinds(read)) << c.file;
    ASSERT_EQ(appended.GetCount(), read.GetCount()) << c.file;
    for (int i = 0; i < read.GetCount(); ++i) {
      EXPECT_EQ(appended.GetLine(i), read.GetLine(i)) << c.file << " " << i;
      EXPECT_EQ(appended.GetFileName(i), read.GetFileName(i)) << c.file << " " << i;
    }
  }
  // A file that cannot be read leaves the list as it was.
  std::string one = "A";
  CSourceTokenList list(_T("a.rc"), Bytes(one), one.size());
  EXPECT_THROW(list.AppendFile(dir + _T("missing.rc")), CFileException);
  EXPECT_EQ(CStringA("A|"), lwtest::Texts(list));
}

TEST(TokenList, FilesReadIntoTheMemoryOfTheOneBeforeGiveTheirOwnTokens) {
  // Long before short, and encodings that decode differently, through one
  // set of buffers: nothing of a file before may show in the next.
  CString dir = lwtest::ScratchDir("tokenlist-reuse");
  ASSERT_FALSE(dir.IsEmpty());
  std::string longScript;
  for (int i = 0; i < 300; ++i) longScript += "WORD" + std::to_string(i) + " \"text\"\n";
  const std::string scripts[] = {longScript, "X", "\xEF\xBB\xBF\"\xC3\xA4\" Y", std::string("\xFF\xFEZ\0 \0Q\0", 8),
                                 "", longScript.substr(0, 50), "\"\x80\" 7"};
  std::vector<CString> paths;
  for (size_t k = 0; k < sizeof scripts / sizeof scripts[0]; ++k) {
    paths.push_back(dir + lwtest::T(("s" + std::to_string(k) + ".rc").c_str()));
    CFile f(paths.back(), CFile::modeCreate | CFile::modeWrite);
    f.Write(scripts[k].data(), static_cast<UINT>(scripts[k].size()));
  }
  ScriptBuffers buffers;
  CSourceTokenList shared, separate;
  for (const CString& path : paths) {
    shared.AppendFile(path, &buffers);
    separate.AppendFile(path);
  }
  EXPECT_EQ(lwtest::Texts(separate), lwtest::Texts(shared));
  EXPECT_EQ(lwtest::Kinds(separate), lwtest::Kinds(shared));
  ASSERT_EQ(separate.GetCount(), shared.GetCount());
  for (int i = 0; i < shared.GetCount(); ++i) {
    EXPECT_EQ(separate.GetLine(i), shared.GetLine(i)) << i;
    EXPECT_EQ(separate.GetFileName(i), shared.GetFileName(i)) << i;
  }
  // The end of the list: the 50 bytes of the long script, then the last file.
  EXPECT_EQ(CStringA("|7|"), lwtest::Texts(shared).Right(3));
}

TEST(TokenList, AppendByMoveEmptiesTheOther) {
  std::string one = "A", two = "B\nC";
  CSourceTokenList list(_T("one.rc"), Bytes(one), one.size());
  CSourceTokenList other(_T("two.rc"), Bytes(two), two.size());
  list.Append(std::move(other));
  EXPECT_EQ(CStringA("A|B|C|"), lwtest::Texts(list));
  EXPECT_EQ(lwtest::T("two.rc"), list.GetFileName(2));
  EXPECT_EQ(2, list.GetLine(2));
  EXPECT_EQ(0, other.GetCount());
}

}  // namespace

namespace {

// The zero-based line of every token, each followed by "|".
CStringA Lines(const CSourceTokenList& list) {
  CStringA out;
  for (int i = 0; i < list.GetCount(); ++i) {
    CStringA line;
    line.Format("%d|", list.GetLine(i));
    out += line;
  }
  return out;
}

}  // namespace

TEST(TokenList, EveryTokenKeepsItsLineThroughJoins) {
  // A token's line is the reader's after the character behind it: a token
  // at a line end counts to the next line.
  struct Case {
    const char* script;
    const char* lines;
  } cases[] = {
      {"A B\nC\n\nD", "0|1|2|4|"},
      // A joined string takes the line of its last part.
      {"\"a\" \\\n\"b\" c\nd", "1|2|3|"},
      // The backslash alone on its line is dropped with its line.
      {"x \"a\"\n\\\n\"b\" c", "0|2|3|"},
      {"\"a\"\n\"b\"\n\"c\" d", "2|3|"},
      {"x\r\ny\rz\n", "1|1|2|"},  // a lone carriage return is a blank
      {"", ""},
  };
  for (const Case& c : cases) {
    std::string s = c.script;
    CSourceTokenList list(_T("x.rc"), Bytes(s), s.size());
    EXPECT_EQ(CStringA(c.lines), Lines(list)) << c.script;
  }
}

TEST(TokenList, AddedTokensKeepTheirOwnPlaceAndKind) {
  CSourceTokenList list;
  const struct {
    const char* text;
    int kind;
    const char* file;
    int line;
  } tokens[] = {
      {"a", kTokenIdentifier, "one.rc", 5}, {"1", kTokenNumber, "one.rc", 5}, {"b", kTokenIdentifier, "two.rc", 5},
      {"c", kTokenIdentifier, "one.rc", 2}, {"?", 17, "one.rc", 2},       {"s", kTokenString, "one.rc", -1},
  };
  for (const auto& t : tokens) list.Add(CSourceToken(lwtest::T(t.text), t.kind, lwtest::T(t.file), t.line));
  ASSERT_EQ(6, list.GetCount());
  for (int i = 0; i < 6; ++i) {
    const CSourceToken got = list.GetToken(i);
    EXPECT_EQ(lwtest::T(tokens[i].text), got.m_text) << i;
    EXPECT_EQ(lwtest::T(tokens[i].file), got.m_fileName) << i;
    EXPECT_EQ(tokens[i].line, got.m_line) << i;
    EXPECT_EQ(tokens[i].line, list.GetLine(i)) << i;
  }
  EXPECT_EQ(kTokenNumber, list.GetKind(1));
  EXPECT_EQ(kTokenOther, list.GetKind(4));  // an unknown kind reads as a single character
  EXPECT_EQ(kTokenString, list.GetKind(5));
  CSourceTokenList copy;
  copy.Append(list);
  EXPECT_EQ(lwtest::T("two.rc"), copy.GetFileName(2));
  EXPECT_EQ(2, copy.GetLine(3));
  EXPECT_EQ(-1, copy.GetLine(5));
}
