#include <gtest/gtest.h>

#include "AddOnExport.h"
#include "LwvPaths.h"
#include "LwvTestSupport.h"

using namespace lwvtest;

namespace {

TEST(AddOnExport, PlainFileNames) {
  struct Case {
    const TCHAR* name;
    bool ok;
  } cases[] = {
      {_T("help.chm"), true},   {_T("read me.txt"), true}, {_T(".hidden"), true},     {_T(""), false},
      {_T("."), false},         {_T(".."), false},         {_T("a\\b.txt"), false},   {_T("a/b.txt"), false},
      {_T("C:x.txt"), false},   {_T("x.txt:ads"), false},  {_T("\\x.txt"), false},    {_T("..\\x.txt"), false},
      {_T("a*b"), false},       {_T("a?b"), false},        {_T("a|b"), false},        {_T("a\tb"), false},
      // another name for a sibling, a device, a language or project file
      {_T("x.txt."), false},    {_T("x.txt "), false},     {_T("CON"), false},        {_T("nul.txt"), false},
      {_T("Com1"), false},      {_T("lpt9.log"), false},   {_T("COM10"), true},       {_T("console.txt"), true},
      {_T("Other.TRA"), false}, {_T("x.tra."), false},     {_T("app.lwp"), false},    {_T("a.trax"), true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.ok, IsPlainAddOnFileName(c.name)) << lw::ToNarrow(c.name, lw::StrLen(c.name));
  EXPECT_TRUE(IsPlainAddOnFileName(W("D\u00E4t\u00E9i.txt")));
}

TEST(AddOnExport, SafeExportPaths) {
  struct Case {
    const TCHAR* path;
    bool ok;
  } cases[] = {
      {_T(""), true},
      {_T("help\\"), true},
      {_T("help"), true},
      {_T("a\\b\\c\\"), true},
      {_T(".\\"), true},
      {_T("..\\"), true},                 // the parent of the language file's folder
      {_T("..\\sister\\"), true},
      {_T("a\\..\\..\\"), true},
      {_T("..\\..\\"), false},            // above the parent
      {_T("a\\..\\..\\..\\"), false},
      {_T("..\\x\\..\\..\\"), false},
      {_T("../../"), false},
      {_T("\\windows\\"), false},
      {_T("/etc/"), false},
      {_T("\\\\server\\share\\"), false},
      {_T("C:\\"), false},
      {_T("C:rel\\"), false},
      {_T("???\\"), false},
      {_T("a\\\\b\\"), true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.ok, IsSafeAddOnExportPath(c.path)) << lw::ToNarrow(c.path, lw::StrLen(c.path));
}

class Export : public ::testing::Test {
 protected:
  void SetUp() override {
    m_root = ScratchDir("export");
    m_folder = m_root + _T("lang\\");
#ifdef _WIN32
    CreateDirectory(m_folder, nullptr);
    CreateDirectory(m_folder + _T("help"), nullptr);
#else
    std::string cmd = "mkdir -p '" + lw::HostPath(m_folder + _T("help")) + "'";
    ASSERT_EQ(0, system(cmd.c_str()));
#endif
  }
  void AddEntry(CTraFile& file, const CString& name, const CString& exportPath, const std::string& text) {
    CAddOnFile* entry = new CAddOnFile(name, exportPath, _T(""));
    entry->SetContents(std::vector<BYTE>(text.begin(), text.end()));
    file.GetAddOnFiles()->Append(entry);
  }
  CString Save(CTraFile& file) {
    CString path = m_folder + _T("app.tra");
    EXPECT_TRUE(WriteBytesTo(path, WriteToBytes(file)));
    return path;
  }
  std::string Contents(const CString& path) {
    std::vector<BYTE> bytes;
    if (!ReadBytesFrom(path, bytes)) return "<missing>";
    return std::string(bytes.begin(), bytes.end());
  }
  CString m_root, m_folder;
};

TEST_F(Export, WritesBesideTheLanguageFile) {
  CTraFile file;
  AddEntry(file, _T("readme.txt"), _T(""), "one");
  AddEntry(file, _T("guide.txt"), _T("help"), "two");
  AddEntry(file, _T("up.txt"), _T("..\\"), "three");
  CString before = GetCurrentDirectory();
  EXPECT_TRUE(ExportAddOnFilesOf(Save(file)));
  EXPECT_EQ(GetCurrentDirectory(), before);
  EXPECT_EQ("one", Contents(m_folder + _T("readme.txt")));
  EXPECT_EQ("two", Contents(m_folder + _T("help\\guide.txt")));
  EXPECT_EQ("three", Contents(m_root + _T("up.txt")));
  // Existing files are replaced.
  file.GetAddOnFiles()->GetAt(0)->SetContents({'n', 'e', 'w'});
  EXPECT_TRUE(ExportAddOnFilesOf(Save(file)));
  EXPECT_EQ("new", Contents(m_folder + _T("readme.txt")));
}

#ifdef _WIN32
// Another program that starts with the same language file reads it at the
// same moment: the export reads beside it, and neither locks the other out.
TEST_F(Export, ReadsBesideAnotherReaderOfTheLanguageFile) {
  CTraFile file;
  AddEntry(file, _T("readme.txt"), _T(""), "one");
  const CString path = Save(file);
  CFile other;
  ASSERT_TRUE(other.Open(path, CFile::modeRead | CFile::shareDenyWrite));
  EXPECT_TRUE(ExportAddOnFilesOf(path));
  EXPECT_EQ("one", Contents(m_folder + _T("readme.txt")));
  CTraFile read;
  EXPECT_TRUE(LwReadLanguageFile(path, read, LW_READ_WHOLE)) << "the runtime's own read";
}
#endif

TEST_F(Export, HostileEntriesAreRefusedOthersWritten) {
  CTraFile file;
  AddEntry(file, _T("..\\escape.txt"), _T(""), "bad");
  AddEntry(file, _T("ok1.txt"), _T(""), "good");
  AddEntry(file, _T("deep.txt"), _T("..\\..\\"), "bad");
  AddEntry(file, _T("abs.txt"), m_root, "bad");
  AddEntry(file, _T("ok2.txt"), _T("help\\"), "good");
  AddEntry(file, _T("nofolder.txt"), _T("missing\\"), "lost");
  AddEntry(file, _T("ok3.txt"), _T(""), "good");
  EXPECT_FALSE(ExportAddOnFilesOf(Save(file)));
  EXPECT_EQ("good", Contents(m_folder + _T("ok1.txt")));
  EXPECT_EQ("good", Contents(m_folder + _T("help\\ok2.txt")));
  EXPECT_EQ("good", Contents(m_folder + _T("ok3.txt")));
  EXPECT_FALSE(FileExists(m_root + _T("escape.txt")));
  EXPECT_FALSE(FileExists(m_root + _T("..\\deep.txt")));
  EXPECT_FALSE(FileExists(m_root + _T("abs.txt")));
}

// A language file that names a sibling language file as an add-on does not
// overwrite it at the start of the program.
TEST_F(Export, LeavesTheOtherLanguageFilesAlone) {
  CTraFile other;
  ASSERT_TRUE(LwWriteLanguageFile(m_folder + _T("Deutsch.tra"), other));
  const std::string before = Contents(m_folder + _T("Deutsch.tra"));
  CTraFile file;
  AddEntry(file, _T("Deutsch.TRA"), _T(""), "lost");
  AddEntry(file, _T("Deutsch.tra."), _T(""), "lost");
  AddEntry(file, _T("readme.txt"), _T(""), "kept");
  EXPECT_FALSE(ExportAddOnFilesOf(Save(file)));
  EXPECT_EQ(before, Contents(m_folder + _T("Deutsch.tra")));
  EXPECT_EQ("kept", Contents(m_folder + _T("readme.txt")));
}

TEST_F(Export, InvalidPathsMarkWritesNothing) {
  CTraFile file;
  AddEntry(file, _T("readme.txt"), _T(""), "one");
  file.SetBadAddOnPaths(true);
  EXPECT_FALSE(ExportAddOnFilesOf(Save(file)));
  EXPECT_FALSE(FileExists(m_folder + _T("readme.txt")));
}

TEST_F(Export, UnreadableLanguageFiles) {
  EXPECT_FALSE(ExportAddOnFilesOf(m_folder + _T("none.tra")));
  WriteBytesTo(m_folder + _T("junk.tra"), std::vector<BYTE>(50, 0x41));
  LwReadResult read = LW_READ_OK;
  EXPECT_FALSE(ExportAddOnFilesOf(m_folder + _T("junk.tra"), &read));
  EXPECT_EQ(LW_READ_NOT_LANGUAGE_FILE, read);
  CTraFile empty;
  EXPECT_TRUE(ExportAddOnFilesOf(Save(empty)));
}

}  // namespace
