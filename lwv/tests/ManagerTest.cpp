// The translation manager's start and load rules, the LW functions and the
// translation-aware string, on language files written by the library itself.
#include "ManagerFixtures.h"

#include "TraFile.h"

using namespace mgrtest;

namespace {

std::vector<BYTE> WithWrongMagic(std::vector<BYTE> bytes) {
  // The first 'L' is the one of "_LINGOWEAVE" (length prefix and width marker hold none).
  for (size_t i = 0; i < bytes.size() && i < 80; ++i)
    if (bytes[i] == 'L') {
      bytes[i] = 'X';
      break;
    }
  return bytes;
}

TEST_F(ManagerTest, FailedLoadKeepsTheFileInUse) {
  CString good = WriteSpec("keep_good.tra", GermanToEnglish());
  std::vector<BYTE> bytes = ReadBytes(good);
  ASSERT_GT(bytes.size(), 100u);

  struct Case {
    const char* name;
    std::vector<BYTE> content;
    bool exists;
  } cases[] = {
      {"keep_missing.tra", {}, false},
      {"keep_empty.tra", {}, true},
      {"keep_truncated.tra", std::vector<BYTE>(bytes.begin(), bytes.begin() + bytes.size() / 2), true},
      {"keep_cut_at_end.tra", std::vector<BYTE>(bytes.begin(), bytes.end() - 3), true},
      {"keep_magic.tra", WithWrongMagic(bytes), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CTranslationManager manager;
    ASSERT_TRUE(manager.LoadFile(good, false));
    CTraFile* inUse = manager.GetCurrentFile();
    CString bad = TempPath(c.name);
    RemoveFile(bad);
    if (c.exists) WriteBytes(bad, c.content);

    EXPECT_FALSE(manager.LoadFile(bad, false));
    EXPECT_EQ(inUse, manager.GetCurrentFile());
    EXPECT_EQ(good, manager.GetCurrentPath());
    EXPECT_NE(nullptr, manager.FindSwitchDialogNode());
    RemoveFile(bad);
  }
}

TEST_F(ManagerTest, WrongMagicStartsUntranslated) {
  CString path = TempPath("magic_start.tra");
  WriteBytes(path, WithWrongMagic(ReadBytes(WriteSpec("magic_src.tra", GermanToEnglish()))));
  LW_STARTPARAMS p = Params(path);
  EXPECT_FALSE(LWStart(&p));
  ASSERT_NE(nullptr, LwGetManager());
  EXPECT_EQ(nullptr, LwGetManager()->GetCurrentFile());
  CString text(_T("Hallo"));
  EXPECT_FALSE(LWTranslateString(text));
  EXPECT_EQ(CString(_T("Hallo")), text);
  ASSERT_FALSE(m_capture.Messages().empty());
  EXPECT_EQ(CString(TRA_CORRUPT_MESSAGE), m_capture.Messages().front());
}

std::vector<CString> g_seen;
void Seen(LPCTSTR text) { g_seen.push_back(text); }

TEST_F(ManagerTest, MessageHandlerIsReplaceableAndRestored) {
  g_seen.clear();
  LwvMessageHandler previous = LwvSetMessageHandler(Seen);
  LwvShowMessage(_T("one"));
  LwvShowMessage(nullptr);
  ASSERT_EQ(2u, g_seen.size());
  EXPECT_EQ(CString(_T("one")), g_seen[0]);
  EXPECT_TRUE(g_seen[1].IsEmpty());
  EXPECT_EQ(Seen, LwvSetMessageHandler(previous));
  LwvShowMessage(_T("two"));
  ASSERT_EQ(1u, m_capture.Messages().size());
  EXPECT_EQ(2u, g_seen.size());
}

// The model shows nothing; the manager reports a file that is no language
// file wherever it reads one for the user.
TEST_F(ManagerTest, NoLanguageFileIsReportedByTheManager) {
  CString junk = TempPath("report_junk.tra");
  WriteBytes(junk, std::vector<BYTE>(50, 0x41));
  CTranslationManager manager;
  LW_FILEINFO info;
  EXPECT_FALSE(manager.GetOtherFileInfo(junk, info));
  EXPECT_FALSE(manager.ExportAddOnFiles(junk));
  EXPECT_FALSE(manager.LoadFile(junk, false));
  ASSERT_EQ(3u, m_capture.Messages().size());
  for (const CString& m : m_capture.Messages()) EXPECT_EQ(CString(TRA_CORRUPT_MESSAGE), m);
  CTraFile file;
  LwReadResult read = LW_READ_OK;
  EXPECT_FALSE(LwReadLanguageFile(junk, file, LW_READ_WHOLE, &read));
  EXPECT_EQ(LW_READ_NOT_LANGUAGE_FILE, read);
  EXPECT_EQ(3u, m_capture.Messages().size());
  RemoveFile(junk);
}

TEST_F(ManagerTest, MissingStandardFileReportsItsPathTwice) {
  CString path = TempPath("does_not_exist.tra");
  RemoveFile(path);
  LW_STARTPARAMS p = Params(path);
  EXPECT_FALSE(LWStart(&p));
  ASSERT_EQ(1u, m_capture.Messages().size());
  const CString& message = m_capture.Messages()[0];
  EXPECT_EQ(2, CountOf(message, path));
  EXPECT_EQ(0, message.Find(_T("The translation file ")));
  EXPECT_NE(nullptr, LwGetManager());  // a failed start keeps the manager, without a file
  EXPECT_EQ(nullptr, LwGetManager()->GetCurrentFile());
}

TEST_F(ManagerTest, StartRefusesAMissingRecord) {
  EXPECT_FALSE(LWStart(nullptr));
  EXPECT_TRUE(m_capture.Messages().empty());
}

TEST_F(ManagerTest, UnterminatedTextFieldsAreCut) {
  LW_STARTPARAMS p;
  std::memset(&p, 0, sizeof(p));
  for (int i = 0; i < LW_PATH_CHARS; ++i) p.szStdFile[i] = p.szTraPath[i] = p.szIniFilePath[i] = 'x';
  p.nSwitchCommandID = 77;  // the field after the texts stays readable
  EXPECT_FALSE(LWStart(&p));
  const LW_STARTPARAMS* copy = LwGetManager()->GetParams();
  EXPECT_EQ(LW_PATH_CHARS - 1, static_cast<int>(lw::StrLen(copy->szStdFile)));
  EXPECT_EQ(LW_PATH_CHARS - 1, static_cast<int>(lw::StrLen(copy->szTraPath)));
  EXPECT_EQ(LW_PATH_CHARS - 1, static_cast<int>(lw::StrLen(copy->szIniFilePath)));
  EXPECT_EQ(77u, copy->nSwitchCommandID);
  ASSERT_EQ(1u, m_capture.Messages().size());
  EXPECT_EQ(2, CountOf(m_capture.Messages()[0], CString(_T('x'), LW_PATH_CHARS - 1)));
}

TEST_F(ManagerTest, StartWithNothingRememberedUsesTheStandardFile) {
  FileContents spec = GermanToEnglish();
  spec.addOnName = _T("mgr_addon_start.txt");
  spec.addOnBytes = "english help";
  CString path = WriteSpec("start_std.tra", spec);
  CString exported = GetDirectoryPart(path) + spec.addOnName;
  RemoveFile(exported);

  LW_STARTPARAMS p = Params(path);
  EXPECT_TRUE(LWStart(&p));
  EXPECT_TRUE(m_capture.Messages().empty());
  EXPECT_EQ(path, LwGetManager()->GetCurrentPath());
  // string index built, add-on file written beside the language file
  EXPECT_NE(nullptr, LwGetManager()->GetCurrentFile()->GetStringIndex(TRA_PART_WHOLE));
  std::vector<BYTE> written = ReadBytes(exported);
  EXPECT_EQ(std::string("english help"), std::string(written.begin(), written.end()));
  RemoveFile(exported);
}

TEST_F(ManagerTest, SecondStartReusesTheManagerAndKeepsItsFileOnFailure) {
  CString good = WriteSpec("restart_good.tra", GermanToEnglish());
  LW_STARTPARAMS p = Params(good);
  ASSERT_TRUE(LWStart(&p));
  CTranslationManager* first = LwGetManager();
  CString missing = TempPath("restart_missing.tra");
  RemoveFile(missing);
  LW_STARTPARAMS q = Params(missing);
  EXPECT_FALSE(LWStart(&q));
  EXPECT_EQ(first, LwGetManager());
  CString text(_T("Hallo"));
  EXPECT_TRUE(LWTranslateString(text));
  EXPECT_EQ(CString(_T("Hello")), text);
}

TEST_F(ManagerTest, EntryPointsWithoutAManager) {
  EXPECT_EQ(nullptr, LwGetManager());
  EXPECT_FALSE(LWAddThread(1234));
  EXPECT_FALSE(LWSwitchFile(_T("x.tra")));
  CString text(_T("Hallo"));
  EXPECT_FALSE(LWTranslateString(text));
  EXPECT_FALSE(LWTranslateStatusText(text));
  EXPECT_FALSE(LWTranslateToolTip(text));
  EXPECT_EQ(CString(_T("Hallo")), text);
  LWEnd();  // nothing to end
  EXPECT_EQ(nullptr, LwGetManager());
}

TEST_F(ManagerTest, EndClearsTheManager) {
  LW_STARTPARAMS p = Params(WriteSpec("end.tra", GermanToEnglish()));
  ASSERT_TRUE(LWStart(&p));
  LWEnd();
  EXPECT_EQ(nullptr, LwGetManager());
  CString text(_T("Hallo"));
  EXPECT_FALSE(LWTranslateString(text));
}

TEST_F(ManagerTest, FailedSwitchKeepsTheFileInUse) {
  CString path = WriteSpec("switch.tra", GermanToEnglish());
  LW_STARTPARAMS p = Params(path);
  ASSERT_TRUE(LWStart(&p));
  CTraFile* inUse = LwGetManager()->GetCurrentFile();
  CString missing = TempPath("switch_missing.tra");
  RemoveFile(missing);
  EXPECT_FALSE(LWSwitchFile(missing));
  EXPECT_FALSE(LWSwitchFile(nullptr));
  EXPECT_EQ(inUse, LwGetManager()->GetCurrentFile());
  EXPECT_EQ(path, LwGetManager()->GetCurrentPath());
}

TEST_F(ManagerTest, TranslateFunctionsUseTheirPart) {
  LW_STARTPARAMS p = Params(WriteSpec("parts.tra", GermanToEnglish()));
  ASSERT_TRUE(LWStart(&p));
  struct Case {
    BOOL (*fn)(CString&);
    const TCHAR* in;
    BOOL found;
    const TCHAR* out;
  } cases[] = {
      {LWTranslateString, _T("Hallo"), TRUE, _T("Hello")},
      {LWTranslateString, _T("hallo"), FALSE, _T("hallo")},
      {LWTranslateString, _T("Neu\nNeue Datei"), TRUE, _T("New\nNew file")},
      {LWTranslateStatusText, _T("Neu"), TRUE, _T("New")},
      {LWTranslateToolTip, _T("Neue Datei"), TRUE, _T("New file")},
      {LWTranslateToolTip, _T("Neu"), FALSE, _T("Neu")},
  };
  for (const Case& c : cases) {
    CString text(c.in);
    EXPECT_EQ(c.found, c.fn(text)) << (const char*)CStringA(c.in);
    EXPECT_EQ(CString(c.out), text);
  }
}

// The C forms that translate in place read the caller's text only as far as
// its buffer goes: a buffer filled to its end without a terminator is not
// read past (the text is what the buffer holds).
TEST_F(ManagerTest, InPlaceFormsReadNoFurtherThanTheBuffer) {
  LW_STARTPARAMS p = Params(WriteSpec("inplace.tra", GermanToEnglish()));
  ASSERT_TRUE(LWStart(&p));
  struct Case {
    BOOL (*fn)(LPTSTR, int);
    const TCHAR* held;  // what the buffer holds, without a terminator
    BOOL found;
    const TCHAR* out;
  } cases[] = {
      {LWTranslateString, _T("Hallo"), TRUE, _T("Hell")},  // "Hello", cut to the buffer
      {LWTranslateString, _T("Hall"), FALSE, _T("Hall")},  // "Hall" + what lies beyond is no text of the file
      {LWTranslateStatusText, _T("Neu"), TRUE, _T("Ne")},
      {LWTranslateToolTip, _T("Neue Datei"), TRUE, _T("New file")},
  };
  for (const Case& c : cases) {
    const int size = static_cast<int>(lw::StrLen(c.held));
    SCOPED_TRACE(size);
    // The buffer is followed by more text that must not count.
    std::vector<TCHAR> memory(static_cast<size_t>(size) + 4, _T('o'));
    memory.back() = 0;
    for (int i = 0; i < size; ++i) memory[static_cast<size_t>(i)] = c.held[i];
    EXPECT_EQ(c.found, c.fn(memory.data(), size));
    if (c.found) {
      EXPECT_EQ(CString(c.out), CString(memory.data()));
    } else {
      EXPECT_EQ(CString(c.out), CString(memory.data(), size));
    }
    EXPECT_EQ(_T('o'), memory[static_cast<size_t>(size)]);  // nothing written past the buffer
  }
}

// LWLoadStringEx tells whether the library supplied the text also when it
// answers -1 (the switch command's id and no text for it in the file).
TEST_F(ManagerTest, LoadStringExSetsTranslatedWhenItGivesNothing) {
  FileContents spec = GermanToEnglish();
  spec.switchDialog = false;
  LW_STARTPARAMS p = Params(WriteSpec("loadex_noswitch.tra", spec));
  p.nSwitchCommandID = 0x1234;
  ASSERT_TRUE(LWStart(&p));
  TCHAR text[16] = _T("before");
  BOOL translated = 7;
  EXPECT_EQ(-1, LWLoadStringEx(nullptr, 0x1234, text, 16, &translated));
  EXPECT_EQ(FALSE, translated);
  EXPECT_EQ(CString(_T("before")), CString(text));
}

TEST(FindSwitchDialogNodeTest, FindsTheFirstLibraryDialog) {
  CTranslationManager manager;
  EXPECT_EQ(nullptr, manager.FindSwitchDialogNode());  // no file

  FileContents plain = GermanToEnglish();
  plain.switchDialog = false;
  ASSERT_TRUE(manager.LoadFile(WriteSpec("find_plain.tra", plain), false));
  EXPECT_EQ(nullptr, manager.FindSwitchDialogNode());  // no kind-30 entry

  ASSERT_TRUE(manager.LoadFile(WriteSpec("find_switch.tra", GermanToEnglish()), false));
  CTraNode* node = manager.FindSwitchDialogNode();
  ASSERT_NE(nullptr, node);
  EXPECT_EQ(TRA_SWITCHDIALOG, node->GetKind());
  EXPECT_EQ(CString(_T("Sprache")), node->GetOriginal());

  // a file without the "Dialoge" section
  CTraFile bare(new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE));
  CString barePath = TempPath("find_bare.tra");
  WriteFile(barePath, bare);
  ASSERT_TRUE(manager.LoadFile(barePath, false));
  EXPECT_EQ(nullptr, manager.FindSwitchDialogNode());

  // a file without a tree
  CTraFile empty;
  CString emptyPath = TempPath("find_notree.tra");
  WriteFile(emptyPath, empty);
  ASSERT_TRUE(manager.LoadFile(emptyPath, false));
  EXPECT_EQ(nullptr, manager.FindSwitchDialogNode());
}


}  // namespace
