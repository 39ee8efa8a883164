// The language switch and the file information, without windows.
#include "SwitchFixtures.h"

#include <cstring>

using namespace swtest;

namespace {

class SwitchTest : public ManagerTest {
 protected:
  void SetUp() override {
    m_de = WriteLanguage(German());
    m_en = WriteLanguage(English());
    LW_STARTPARAMS p = Params(m_de);
    ASSERT_TRUE(LWStart(&p));
    m_manager = LwGetManager();
  }
  CString m_de, m_en;
  CTranslationManager* m_manager = nullptr;
};

TEST(CopyBoundedTest, CutsAtTheFieldAndTerminates) {
  struct Case {
    const TCHAR* text;
    int size;
    const TCHAR* expected;
  } cases[] = {
      {_T("abc"), 8, _T("abc")},       {_T("abcdefg"), 8, _T("abcdefg")}, {_T("abcdefgh"), 8, _T("abcdefg")},
      {_T("abcdefghijk"), 8, _T("abcdefg")}, {_T("abc"), 1, _T("")},      {nullptr, 8, _T("")},
      {_T(""), 8, _T("")},
  };
  for (const Case& c : cases) {
    TCHAR field[12];
    for (TCHAR& ch : field) ch = _T('#');
    LwCopyBounded(field, c.size, c.text);
    EXPECT_EQ(CString(c.expected), CString(field));
    EXPECT_EQ(_T('#'), field[c.size]) << "wrote past the field";
  }
  TCHAR untouched[2] = {_T('x'), _T('y')};
  LwCopyBounded(untouched, 0, _T("abc"));
  EXPECT_EQ(_T('x'), untouched[0]);
}

TEST_F(SwitchTest, FixedRecordCutsLongTextsAndKeepsItsFirstWord) {
  // A comment of 2000 characters and a long author in the file on disk.
  HostLanguage spec = English();
  CString longComment(_T('c'), 2000);
  spec.comment = longComment;
  spec.fileName = "sw_long.tra";
  CString path = WriteLanguage(spec);

  struct Guarded {
    LW_FILEINFO_FIXED info;
    unsigned char after[64];
  } g;
  std::memset(&g, 0x5A, sizeof(g));
  g.info.dwSize = 12345;
  ASSERT_TRUE(LWGetOtherFileInfo(path, &g.info));
  EXPECT_EQ(12345u, g.info.dwSize);
  EXPECT_EQ(LW_INFO_COMMENT_CHARS - 1, lw::StrLen(g.info.szComment));
  EXPECT_EQ(CString(_T("English")), CString(g.info.szLanguageName));
  EXPECT_EQ(CString(_T("Probe")), CString(g.info.szProgramName));
  EXPECT_EQ(CString(_T("1.0")), CString(g.info.szProgramVersion));
  EXPECT_EQ(CString(_T("Autor")), CString(g.info.szAuthor));
  EXPECT_EQ(CString(_T("2026-12-09 07:00")), CString(g.info.szDate));
  EXPECT_EQ(path, CString(g.info.szFilePath));
  EXPECT_EQ(0x0409, g.info.wLanguageId);
  EXPECT_EQ(7u, g.info.dwCarried);
  for (unsigned char b : g.after) EXPECT_EQ(0x5A, b);

  // A path longer than its field is cut as well.
  LW_FILEINFO info;
  info.strFilePath = CString(_T('p'), 400);
  LW_FILEINFO_FIXED fixed;
  LwCopyFileInfo(info, fixed);
  EXPECT_EQ(LW_PATH_CHARS - 1, lw::StrLen(fixed.szFilePath));
}

TEST_F(SwitchTest, InformationOfTheCurrentAndOfOtherFiles) {
  LW_FILEINFO info;
  ASSERT_TRUE(LWGetFileInfo(info));
  EXPECT_EQ(m_de, info.strFilePath);
  EXPECT_EQ(CString(_T("Deutsch")), info.strLanguageName);
  EXPECT_EQ(0x0407, info.wLanguageId);

  ASSERT_TRUE(LWGetOtherFileInfo(m_en, info));
  EXPECT_EQ(CString(_T("English")), info.strLanguageName);
  EXPECT_EQ(m_en, info.strFilePath);
  FreeFileInfo(info);
  EXPECT_TRUE(info.strLanguageName.IsEmpty());
  EXPECT_TRUE(info.strFilePath.IsEmpty());

  // Unreadable files fill nothing.
  CString missing = TempPath("sw_missing.tra");
  RemoveFile(missing);
  CString junk = TempPath("sw_junk.tra");
  WriteBytes(junk, std::vector<BYTE>(40, 'x'));
  for (const CString& path : {missing, junk}) {
    LW_FILEINFO_FIXED fixed;
    std::memset(&fixed, 0, sizeof(fixed));
    EXPECT_FALSE(LWGetOtherFileInfo(path, &fixed));
    EXPECT_EQ(0, fixed.szLanguageName[0]);
  }
}

TEST(SwitchNoManagerTest, EverythingAnswersFalse) {
  LW_FILEINFO info;
  LW_FILEINFO_FIXED fixed;
  EXPECT_FALSE(LWGetFileInfo(info));
  EXPECT_FALSE(LWGetFileInfo(&fixed));
  EXPECT_FALSE(LWGetOtherFileInfo(_T("x.tra"), info));
  EXPECT_FALSE(LWSwitchFile(_T("x.tra")));
  CTranslationManager manager;  // started never: no current file
  EXPECT_FALSE(manager.GetFileInfo(info));
  EXPECT_FALSE(manager.SwitchFile(_T("x.tra")));
}

TEST_F(SwitchTest, SwitchTakesTheNewLanguageOntoTheRunningTree) {
  EXPECT_EQ(CString(_T("Hallo")), Translated(_T("Hallo")));
  CTraFile* before = m_manager->GetCurrentFile();
  ASSERT_TRUE(LWSwitchFile(m_en));
  EXPECT_EQ(m_en, m_manager->GetCurrentPath());
  EXPECT_EQ(before, m_manager->GetPreviousFile());
  EXPECT_FALSE(m_manager->IsSwitchRunning());
  // The string index belongs to the new file.
  EXPECT_EQ(CString(_T("Hello")), Translated(_T("Hallo")));
  CString prompt(_T("Neu"));
  EXPECT_TRUE(LWTranslateStatusText(prompt));
  EXPECT_EQ(CString(_T("New")), prompt);

  LW_FILEINFO info;
  ASSERT_TRUE(LWGetFileInfo(info));
  EXPECT_EQ(0x0409, info.wLanguageId);
  EXPECT_EQ(CString(_T("English")), info.strLanguageName);
  EXPECT_EQ(RGB(0, 0, 160), m_manager->GetCurrentFile()->GetFlagPixel(0));
  // The switch dialog's texts follow too.
  EXPECT_EQ(CString(_T("English")), m_manager->FindSwitchDialogNode()->GetTranslation());

  // And back; the file of the switch before is freed, the last one kept.
  CTraFile* english = m_manager->GetCurrentFile();
  ASSERT_TRUE(LWSwitchFile(m_de));
  EXPECT_EQ(english, m_manager->GetPreviousFile());
  EXPECT_EQ(CString(_T("Hallo")), Translated(_T("Hallo")));
  // Again to the file in use: reloaded, same texts.
  ASSERT_TRUE(LWSwitchFile(m_de));
  EXPECT_EQ(CString(_T("Hallo")), Translated(_T("Hallo")));
}

TEST_F(SwitchTest, OptionsAndAddOnsStayThoseOfTheRunningProgram) {
  CTraFile* running = m_manager->GetCurrentFile();
  BYTE options[TRA_OPTION_COUNT] = {0};
  options[3] = 1;
  running->SetStdDialogOptions(options);
  const CString version = running->GetProgramVersion();
  ASSERT_TRUE(LWSwitchFile(m_en));
  EXPECT_EQ(1, m_manager->GetCurrentFile()->GetStdDialogOptions()[3]);
  EXPECT_EQ(version, m_manager->GetCurrentFile()->GetProgramVersion());
}

TEST_F(SwitchTest, FailedSwitchChangesNothing) {
  std::vector<BYTE> bytes = ReadBytes(m_en);
  ASSERT_GT(bytes.size(), 200u);
  std::vector<BYTE> wrongMagic = bytes;
  for (size_t i = 0; i < 80 && i < wrongMagic.size(); ++i)
    if (wrongMagic[i] == 'L') {
      wrongMagic[i] = 'X';
      break;
    }
  HostLanguage other = French();
  other.programName = _T("Anderes Programm");
  other.fileName = "sw_other_program.tra";
  const CString otherProgram = WriteLanguage(other);

  struct Case {
    const char* name;
    std::vector<BYTE> content;
    bool exists;
  } cases[] = {
      {"sw_gone.tra", {}, false},
      {"sw_empty.tra", {}, true},
      {"sw_truncated.tra", std::vector<BYTE>(bytes.begin(), bytes.begin() + bytes.size() / 2), true},
      {"sw_cut_at_end.tra", std::vector<BYTE>(bytes.begin(), bytes.end() - 3), true},
      {"sw_magic.tra", wrongMagic, true},
      {"sw_header_only.tra", std::vector<BYTE>(bytes.begin(), bytes.begin() + 120), true},
  };
  CTraFile* inUse = m_manager->GetCurrentFile();
  CTraFile* previous = m_manager->GetPreviousFile();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CString bad = TempPath(c.name);
    RemoveFile(bad);
    if (c.exists) WriteBytes(bad, c.content);
    EXPECT_FALSE(LWSwitchFile(bad));
    EXPECT_EQ(inUse, m_manager->GetCurrentFile());
    EXPECT_EQ(previous, m_manager->GetPreviousFile());
    EXPECT_FALSE(m_manager->IsSwitchRunning());
    EXPECT_EQ(m_de, m_manager->GetCurrentPath());
    EXPECT_EQ(CString(_T("Hallo")), Translated(_T("Hallo")));
  }
  EXPECT_FALSE(LWSwitchFile(otherProgram));
  EXPECT_EQ(inUse, m_manager->GetCurrentFile());
  // A good file still switches afterwards.
  EXPECT_TRUE(LWSwitchFile(m_en));
  EXPECT_EQ(CString(_T("Hello")), Translated(_T("Hallo")));
}

}  // namespace
