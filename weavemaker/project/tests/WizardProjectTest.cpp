// The project model: defaults, derived names, the script list and the .lwp
// stream in both string forms, with every refused or broken stream leaving
// the project as it was.
#include "ProjectTestSupport.h"
#include "LwvMessage.h"
#include "LwvPaths.h"
#include "RuntimeStrings.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace lwptest;

namespace {

// A snapshot without the language file's address, to compare two projects.
std::vector<std::string> Contents(const CWizardProject& p) {
  std::vector<std::string> s = Snapshot(p);
  s.erase(s.begin() + 4);
  return s;
}

CString Wide(const char* utf8) { return CString(lw::Widen(utf8, strlen(utf8), CP_UTF8).c_str()); }

TEST(WizardProject, StartsEmptyWithTestFileDefaults) {
  CWizardProject p;
  ASSERT_NE(nullptr, p.GetTraFile());
  EXPECT_EQ(nullptr, p.GetTraFile()->GetRootNode());
  EXPECT_TRUE(p.GetProjectPath().IsEmpty());
  EXPECT_TRUE(p.GetTraPath().IsEmpty());
  EXPECT_EQ(0, p.GetRcFileCount());
  EXPECT_TRUE(p.m_bWriteTestFile);
  EXPECT_TRUE(p.m_bReplaceLineStart);
  EXPECT_TRUE(p.m_bReplaceLineEnd);
  EXPECT_EQ("X", Utf8(p.m_strLineStart));
  EXPECT_EQ("Y", Utf8(p.m_strLineEnd));
}

TEST(WizardProject, NamesDerivedFromTheProjectPath) {
  lw::SetNativeString(WIZARD_DEFAULT_LANGUAGE_STRING, LW_WSTR("Deutsch"));
  struct Case {
    const char* projectPath;
    const char* fileName;
    const char* traPath;
    const char* testFile;
    const char* programName;
  } cases[] = {
      {"C:\\Dev\\Sample.lwp", "Sample.lwp", "Sample.tra", "Sample_test.tra", "Sample"},
      {"C:\\Dev\\Sample.LWP", "Sample.LWP", "Sample.LWP.tra", "Sample.LWP_test.tra", "Sample.LWP"},
      {"Sample.lwp", "Sample.lwp", "Sample.tra", "Sample_test.tra", "Sample"},
      {"C:\\a.b\\x.lwp.lwp", "x.lwp.lwp", "x.lwp.tra", "x.lwp_test.tra", "x.lwp"},
      {"C:\\Dev\\", "", ".tra", "_test.tra", ""},
      {"C:\\Dev\\.lwp", ".lwp", ".tra", "_test.tra", ""},
      {"lwp", "lwp", "lwp.tra", "lwp_test.tra", "lwp"},
      {"", "", ".tra", "_test.tra", ""},
      {"C:/Dev/Sample.lwp", "Sample.lwp", "Sample.tra", "Sample_test.tra", "Sample"},
  };
  for (const Case& c : cases) {
    CWizardProject p;
    p.SetProjectPath(Wide(c.projectPath));
    EXPECT_EQ(c.fileName, Utf8(p.GetProjectFileName())) << c.projectPath;
    p.SetDefaultTraPath();
    EXPECT_EQ(c.traPath, Utf8(p.GetTraPath())) << c.projectPath;
    EXPECT_EQ(c.testFile, Utf8(p.GetTestFileName())) << c.projectPath;
    p.InitLanguageFileHeader();
    EXPECT_EQ(c.programName, Utf8(p.GetTraFile()->GetProgramName())) << c.projectPath;
    EXPECT_EQ("1.0", Utf8(p.GetTraFile()->GetProgramVersion()));
    EXPECT_EQ("Deutsch", Utf8(p.GetTraFile()->GetLanguageName()));
    // A full path stays as it is; a relative one is made full once.
    const std::string path = Utf8(p.GetProjectPath());
    if (IsFullPath(Wide(c.projectPath)) || !*c.projectPath) {
      EXPECT_EQ(c.projectPath, path);
    } else {
      EXPECT_TRUE(IsFullPath(p.GetProjectPath())) << path;
      EXPECT_EQ(c.projectPath, path.substr(path.size() - strlen(c.projectPath))) << path;
    }
  }
}

TEST(WizardProject, DefaultLanguageNameComesInTheWizardsLanguage) {
  LwvSetMessageHandler([](LPCTSTR) {});
  lw::SetNativeString(WIZARD_DEFAULT_LANGUAGE_STRING, LW_WSTR("Deutsch"));
  ASSERT_TRUE(lwtest::StartRuntimeWithStrings(lwtest::FreshScratchDir("default-language") + _T("WizardEN.tra"),
                                              {{_T("Deutsch"), _T("Englisch")}}));
  CWizardProject p;
  p.InitLanguageFileHeader();
  EXPECT_EQ("Englisch", Utf8(p.GetTraFile()->GetLanguageName()));
  LWEnd();
  p.InitLanguageFileHeader();
  EXPECT_EQ("Deutsch", Utf8(p.GetTraFile()->GetLanguageName()));
  LwvSetMessageHandler(nullptr);
}

TEST(WizardProject, TestFileNameDropsFourCharactersWhateverTheyAre) {
  struct Case {
    const char* traPath;
    const char* testFile;
  } cases[] = {
      {"Sample.tra", "Sample_test.tra"}, {"lang\\de.TRA", "lang\\de_test.tra"},
      {"Sample.lng", "Sample_test.tra"}, {"Sampletra", "Sampl_test.tra"},
      {"abcde", "a_test.tra"},           {"abcd", "_test.tra"},
      {"abc", "_test.tra"},              {"", "_test.tra"},
  };
  for (const Case& c : cases) {
    CWizardProject p;
    p.SetTraPath(Wide(c.traPath));
    EXPECT_EQ(c.testFile, Utf8(p.GetTestFileName())) << c.traPath;
  }
}

TEST(WizardProject, ScriptListHoldsFiftyAndRefusesMore) {
  CWizardProject p;
  for (int i = 0; i < CWizardProject::MAX_RC_FILES; ++i) {
    CString path;
    path.Format(_T("s%d.rc"), i);
    EXPECT_TRUE(p.AddRcFile(path)) << i;
  }
  EXPECT_FALSE(p.AddRcFile(_T("one-too-many.rc")));
  EXPECT_EQ(50, p.GetRcFileCount());
  EXPECT_EQ("s49.rc", Utf8(p.GetRcFile(49)));
  EXPECT_EQ("", Utf8(p.GetRcFile(50)));
  EXPECT_EQ("", Utf8(p.GetRcFile(-1)));
  p.RemoveRcFile(_T("s0.rc"));
  EXPECT_EQ(49, p.GetRcFileCount());
  EXPECT_TRUE(p.AddRcFile(_T("again.rc")));
  EXPECT_EQ("s1.rc", Utf8(p.GetRcFile(0)));
  EXPECT_EQ("again.rc", Utf8(p.GetRcFile(49)));
}

TEST(WizardProject, RemoveTakesTheFirstExactMatch) {
  struct Case {
    const char* remove;
    std::vector<std::string> after;
  } cases[] = {
      {"a.rc", {"B.rc", "c.rc", "a.rc"}},
      {"b.rc", {"a.rc", "B.rc", "c.rc", "a.rc"}},  // case matters
      {"B.rc", {"a.rc", "c.rc", "a.rc"}},
      {"c.rc", {"a.rc", "B.rc", "a.rc"}},
      {"x.rc", {"a.rc", "B.rc", "c.rc", "a.rc"}},
      {"", {"a.rc", "B.rc", "c.rc", "a.rc"}},
  };
  for (const Case& c : cases) {
    CWizardProject p;
    for (const char* s : {"a.rc", "B.rc", "c.rc", "a.rc"}) p.AddRcFile(Wide(s));  // duplicates allowed
    p.RemoveRcFile(Wide(c.remove));
    std::vector<std::string> after;
    for (int i = 0; i < p.GetRcFileCount(); ++i) after.push_back(Utf8(p.GetRcFile(i)));
    EXPECT_EQ(c.after, after) << c.remove;
  }
}

TEST(WizardProjectStream, RoundTripKeepsEverything) {
  for (int scripts : {0, 1, 3, 50}) {
    CWizardProject written;
    FillSample(written, scripts);
    const Bytes bytes = WriteProject(written);
    EXPECT_TRUE(written.GetTraFile()->GetWizardMark());  // writing marks the project's file

    CWizardProject read;
    const CTraFile* before = read.GetTraFile();
    ASSERT_EQ(READ_OK, ReadProject(bytes, read)) << scripts;
    EXPECT_NE(before, read.GetTraFile());  // a new language file
    EXPECT_EQ(Contents(written), Contents(read)) << scripts;
    EXPECT_TRUE(read.GetTraFile()->GetWizardMark());
    EXPECT_EQ(bytes, WriteProject(read)) << scripts;  // and writes the same stream again
  }
}

TEST(WizardProjectStream, WriterUsesTheWideFormAndFixedFields) {
  CWizardProject p;
  FillSample(p, 2);
  p.m_bWriteTestFile = true;
  const Bytes bytes = WriteProject(p);

  // The embedded language file is exactly what the file writes by itself.
  StreamBuilder tra;
  p.GetTraFile()->Serialize(tra.ar());
  const Bytes traBytes = tra.Finish();

  StreamBuilder head;
  head.ar() << CStringW(p.GetProjectPath()) << CStringW(p.GetTraPath()) << LONG(1) << LONG(1) << LONG(1)
            << CStringW(p.m_strLineStart) << LONG(0) << CStringW(p.m_strLineEnd);
  const Bytes headBytes = head.Finish();
  StreamBuilder tail;
  tail.ar() << LONG(2) << CStringW(p.GetRcFile(0)) << CStringW(p.GetRcFile(1));
  EXPECT_EQ(Concat({headBytes, traBytes, tail.Finish()}), bytes);

  // Marker 0xFF 0xFFFE, then the length of "C:\Dev\Sample.lwp" and UTF-16LE.
  ASSERT_GT(bytes.size(), 6u);
  EXPECT_EQ((Bytes{0xFF, 0xFE, 0xFF, 17, 'C', 0}), Bytes(bytes.begin(), bytes.begin() + 6));
}

TEST(WizardProjectStream, ReaderTakesTheOneByteForm) {
  const Bytes stream = Concat({OneByteProjectHeader("C:\\Projekte\\Gr\xF6\xDF" "e.lwp", "Gr\xF6\xDF" "e.tra", 1,
                                                    0x7FFFFFFF, 2, "[", 1, "]"),
                               OneByteTraFile("Pr\xFC" "fung", 0x0407), Int32(2), OneByteString("a.rc"),
                               OneByteString("res\\\xC4" "nderung.rc")});
  CWizardProject p;
  ASSERT_EQ(READ_OK, ReadProject(stream, p));
  EXPECT_EQ("C:\\Projekte\\Gr\xC3\xB6\xC3\x9F" "e.lwp", Utf8(p.GetProjectPath()));
  EXPECT_EQ("Gr\xC3\xB6\xC3\x9F" "e.tra", Utf8(p.GetTraPath()));
  EXPECT_TRUE(p.m_bWriteTestFile);
  EXPECT_FALSE(p.m_bReplaceLineStart);  // a stored 2 is not set
  EXPECT_TRUE(p.m_bReplaceLineEnd);
  EXPECT_EQ("[", Utf8(p.m_strLineStart));
  EXPECT_EQ("]", Utf8(p.m_strLineEnd));
  const CTraFile* tra = p.GetTraFile();
  EXPECT_EQ("Pr\xC3\xBC" "fung", Utf8(tra->GetProgramName()));
  EXPECT_EQ("Autor", Utf8(tra->GetAuthor()));
  EXPECT_EQ(0x0407, tra->GetLanguageId());
  EXPECT_EQ(COLORREF(1023), tra->GetFlagPixel(1023));
  EXPECT_EQ(nullptr, tra->GetRootNode());
  EXPECT_TRUE(tra->GetWizardMark());  // set on reading
  EXPECT_TRUE(tra->IsOriginal());
  ASSERT_EQ(2, p.GetRcFileCount());
  EXPECT_EQ("res\\\xC3\x84" "nderung.rc", Utf8(p.GetRcFile(1)));

  // What was read in the one-byte form is written in the wide form and reads back the same.
  const Bytes wide = WriteProject(p);
  EXPECT_NE(stream, wide);
  CWizardProject again;
  ASSERT_EQ(READ_OK, ReadProject(wide, again));
  EXPECT_EQ(Contents(p), Contents(again));
}

TEST(WizardProjectStream, FlagFieldsAreSetOnlyByExactlyOne) {
  for (LONG value : {0, 1, 2, -1, 0x101, 0x7FFFFFFF}) {
    const Bytes stream = Concat({OneByteProjectHeader("p.lwp", "p.tra", value, value, value, "X", value, "Y"),
                                 OneByteTraFile("p", 0), Int32(0)});
    CWizardProject p;
    ASSERT_EQ(READ_OK, ReadProject(stream, p)) << value;
    EXPECT_EQ(value == 1, p.m_bWriteTestFile) << value;
    EXPECT_EQ(value == 1, p.m_bReplaceLineStart) << value;
    EXPECT_EQ(value == 1, p.m_bReplaceLineEnd) << value;
  }
}

TEST(WizardProjectStream, ScriptCountOutsideTheSlotsIsRefused) {
  struct Case {
    LONG count;
    int paths;  // paths actually in the stream
    ReadResult result;
  } cases[] = {
      {0, 0, READ_OK},          {50, 50, READ_OK},         {51, 51, READ_REFUSED},
      {-1, 0, READ_REFUSED},    {-2147483647 - 1, 0, READ_REFUSED},
      {0x7FFFFFFF, 0, READ_REFUSED}, {1000, 60, READ_REFUSED},
      {3, 2, READ_THREW},  // ends early
  };
  for (const Case& c : cases) {
    std::vector<Bytes> parts = {OneByteProjectHeader("new.lwp", "new.tra", 0, 1, 0, "a", 0, "b"),
                                OneByteTraFile("new", 0x0409), Int32(c.count)};
    for (int i = 0; i < c.paths; ++i) parts.push_back(OneByteString("s.rc"));
    Bytes stream;
    for (const Bytes& part : parts) stream.insert(stream.end(), part.begin(), part.end());

    CWizardProject p;
    FillSample(p, 4);
    const std::vector<std::string> before = Snapshot(p);
    EXPECT_EQ(c.result, ReadProject(stream, p)) << c.count;
    if (c.result == READ_OK) {
      EXPECT_EQ(c.count, p.GetRcFileCount());
      EXPECT_EQ("new", Utf8(p.GetTraFile()->GetProgramName()));
    } else {
      EXPECT_EQ(before, Snapshot(p)) << c.count;
    }
  }
}

TEST(WizardProjectStream, EveryTruncationFailsAndChangesNothing) {
  CWizardProject written;
  FillSample(written, 3);
  const Bytes full = WriteProject(written);
  for (size_t length = 0; length < full.size(); ++length) {
    CWizardProject p;
    FillSample(p, 1);
    p.SetProjectPath(_T("C:\\Other.lwp"));
    const std::vector<std::string> before = Snapshot(p);
    const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
    ASSERT_NE(READ_OK, ReadProject(cut, p)) << length;
    ASSERT_EQ(before, Snapshot(p)) << length;
  }
}

TEST(WizardProjectStream, BrokenLanguageFileFailsAndChangesNothing) {
  const Bytes header = OneByteProjectHeader("new.lwp", "new.tra", 1, 1, 1, "X", 1, "Y");
  Bytes badMagic = OneByteTraFile("new", 0);
  badMagic[3] = 'X';  // inside "_LINGOWEAVE_..."
  Bytes badAddOns = OneByteTraFile("new", 0);
  const Bytes count = Int32(-5);
  std::copy(count.begin(), count.end(), badAddOns.end() - 4);  // add-on count
  const Bytes cases[] = {
      Concat({header, badMagic, Int32(0)}),
      Concat({header, badAddOns, Int32(0)}),
      Concat({header, OneByteString("NoTraHere"), Int32(0)}),
      header,
  };
  for (const Bytes& stream : cases) {
    CWizardProject p;
    FillSample(p, 2);
    const std::vector<std::string> before = Snapshot(p);
    EXPECT_NE(READ_OK, ReadProject(stream, p));
    EXPECT_EQ(before, Snapshot(p));
    // The project stays usable: it writes and reads back.
    CWizardProject copy;
    EXPECT_EQ(READ_OK, ReadProject(WriteProject(p), copy));
  }
}

}  // namespace
