#include <gtest/gtest.h>

#include "AddOnFile.h"
#include "LwvPaths.h"
#include "LwvTestSupport.h"

using namespace lwvtest;

namespace {

TEST(AddOnPaths, PartsOfAPath) {
  struct Case {
    const TCHAR* path;
    const TCHAR* name;
    const TCHAR* folder;
    const TCHAR* extension;
  } cases[] = {
      {_T("C:\\dir\\file.txt"), _T("file.txt"), _T("C:\\dir\\"), _T("txt")},
      {_T("file.txt"), _T("file.txt"), _T(""), _T("txt")},
      {_T("C:\\dir\\"), _T(""), _T("C:\\dir\\"), _T("C:\\dir\\")},
      {_T("noext"), _T("noext"), _T(""), _T("noext")},
      {_T("a/b/c.tra"), _T("c.tra"), _T("a/b/"), _T("tra")},
      {_T("a.b\\c.d.e"), _T("c.d.e"), _T("a.b\\"), _T("e")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(lw::NameOf(c.path), c.name) << lw::ToNarrow(c.path, lw::StrLen(c.path));
    EXPECT_EQ(GetDirectoryPart(c.path), c.folder) << lw::ToNarrow(c.path, lw::StrLen(c.path));
    EXPECT_EQ(GetExtension(c.path), c.extension) << lw::ToNarrow(c.path, lw::StrLen(c.path));
  }
}

TEST(AddOnPaths, MakeRelativePath) {
  struct Case {
    const TCHAR* file;
    const TCHAR* base;
    const TCHAR* expected;
  } cases[] = {
      {_T("C:\\proj\\res\\app.rc"), _T("C:\\proj\\app.lwp"), _T("res\\app.rc")},
      {_T("C:\\proj\\app.rc"), _T("C:\\proj\\app.lwp"), _T("app.rc")},
      {_T("C:\\work\\sister\\a.txt"), _T("C:\\work\\proj\\app.lwp"), _T("..\\sister\\a.txt")},
      {_T("C:\\a\\b.txt"), _T("C:\\x\\y\\z\\p.lwp"), _T("..\\..\\..\\a\\b.txt")},
      {_T("D:\\data\\a.txt"), _T("C:\\proj\\app.lwp"), _T("D:\\data\\a.txt")},  // another drive
      {_T("C:\\a.txt"), _T("C:\\proj\\app.lwp"), _T("C:\\a.txt")},              // a drive root
      {_T("c:\\PROJ\\res\\a.rc"), _T("C:\\proj\\app.lwp"), _T("res\\a.rc")},    // case
      {_T("C:\\projects\\a.rc"), _T("C:\\proj\\app.lwp"), _T("..\\projects\\a.rc")},
      {_T("\\\\srv\\share\\a.txt"), _T("C:\\proj\\app.lwp"), _T("\\\\srv\\share\\a.txt")},
      {_T("\\\\srv\\share\\res\\a.rc"), _T("\\\\srv\\share\\app.lwp"), _T("res\\a.rc")},
      {_T("\\\\srv\\share\\a\\x.rc"), _T("\\\\SRV\\Share\\b\\app.lwp"), _T("..\\a\\x.rc")},
      // ".." never leaves a share: another share or server keeps the full path
      {_T("\\\\srv\\one\\a\\x.rc"), _T("\\\\srv\\two\\app.lwp"), _T("\\\\srv\\one\\a\\x.rc")},
      {_T("\\\\srvA\\s\\a\\x.rc"), _T("\\\\srvB\\s\\p\\app.lwp"), _T("\\\\srvA\\s\\a\\x.rc")},
      {_T("C:\\proj\\res\\a.rc"), _T("\\\\srv\\share\\app.lwp"), _T("C:\\proj\\res\\a.rc")},
      {_T("\\\\srvB\\share\\d\\a.txt"), _T("\\\\srvA\\share\\d\\app.lwp"), _T("\\\\srvB\\share\\d\\a.txt")},
      {_T("\\\\srv\\other\\a.txt"), _T("\\\\srv\\share\\app.lwp"), _T("\\\\srv\\other\\a.txt")},
      {_T("\\\\srv\\share\\res\\a.rc"), _T("\\\\srv\\share\\proj\\app.lwp"), _T("..\\res\\a.rc")},
      {_T("\\\\srv\\share\\a.rc"), _T("\\\\srv\\share\\app.lwp"), _T("a.rc")},
      {_T("C:\\dir\\a.txt"), _T("app.lwp"), _T("C:\\dir\\a.txt")},
      {_T("C:\\dir\\a.txt"), _T("rel\\app.lwp"), _T("C:\\dir\\a.txt")},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MakeRelativePath(c.file, c.base), c.expected) << lw::ToNarrow(c.file, lw::StrLen(c.file));
}

TEST(AddOnPaths, TimeStampAndCurrentDirectory) {
  CString stamp = GetTimeStamp();
  ASSERT_EQ(16, stamp.GetLength());
  EXPECT_EQ(_T(' '), stamp[10]);
  EXPECT_EQ(_T(':'), stamp[13]);
  CString here = GetCurrentDirectory();
  EXPECT_FALSE(here.IsEmpty());
  ChangeDirectory(_T("this folder does not exist"));
  EXPECT_EQ(GetCurrentDirectory(), here);
}

class AddOnFiles : public ::testing::Test {
 protected:
  void SetUp() override { m_dir = ScratchDir("addon"); }
  CString Make(const char* name, const std::string& text) {
    WriteBytesTo(m_dir + CString(name), std::vector<BYTE>(text.begin(), text.end()));
    return m_dir + CString(name);
  }
  CString m_dir;
};

TEST_F(AddOnFiles, ReadCountsImportsAndReimports) {
  Make("a.txt", "first");
  CAddOnFile file(_T("a.txt"), _T("out\\"), m_dir);
  EXPECT_EQ(-1, file.GetImportCounter());
  EXPECT_EQ(16, file.GetDate().GetLength());
  ASSERT_TRUE(file.ReadFromDisk(m_dir));
  EXPECT_EQ(0, file.GetImportCounter());
  EXPECT_EQ(5, file.GetLength());
  Make("a.txt", "second!");
  file.SetDate(_T("2000-01-01 00:00"));
  EXPECT_TRUE(file.Reimport(m_dir));
  EXPECT_TRUE(file.Reimport(m_dir));
  EXPECT_EQ(2, file.GetImportCounter());
  EXPECT_EQ(7, file.GetLength());
  EXPECT_EQ(file.GetStoredPath(), m_dir);
  EXPECT_NE(file.GetDate(), _T("2000-01-01 00:00"));
  // A failed read leaves everything as it was.
  EXPECT_FALSE(file.Reimport(m_dir + _T("missing\\")));
  EXPECT_EQ(2, file.GetImportCounter());
  EXPECT_EQ(7, file.GetLength());
  CAddOnFile nameless;
  EXPECT_FALSE(nameless.ReadFromDisk(m_dir));
  EXPECT_FALSE(nameless.WriteToDisk(m_dir));
}

TEST_F(AddOnFiles, ExportWritesAndOverwrites) {
  Make("b.txt", "payload");
  CAddOnFile file(_T("b.txt"), m_dir + _T("exp\\"), m_dir);
  ASSERT_TRUE(file.ReadFromDisk(m_dir));
  EXPECT_FALSE(file.ExistsAtExportPath());
  EXPECT_TRUE(file.ExistsAtStoredPath());
  EXPECT_THROW(file.Export(), CFileException);  // the folder does not exist
  CString target = ScratchDir("addon-exp");
  file.SetExportPath(target);
  WriteBytesTo(target + _T("b.txt"), std::vector<BYTE>(100, 'x'));
  EXPECT_TRUE(file.Export());
  std::vector<BYTE> back;
  ASSERT_TRUE(ReadBytesFrom(target + _T("b.txt"), back));
  EXPECT_EQ(std::string("payload"), std::string(back.begin(), back.end()));
  EXPECT_TRUE(file.ExistsAtExportPath());
  CString other = ScratchDir("addon-other");
  EXPECT_TRUE(file.ExportTo(other));
  EXPECT_EQ(file.GetStoredPath(), other);
  EXPECT_TRUE(FileExists(other + _T("b.txt")));
}

TEST_F(AddOnFiles, ExportPathValidity) {
  CAddOnFile missingFile(_T("nothere.txt"), m_dir, m_dir);
  EXPECT_TRUE(missingFile.IsExportPathValid());
  Make("plain", "x");
  CAddOnFile underAFile(_T("x.txt"), m_dir + _T("plain\\"), m_dir);  // a file where a folder should be
  EXPECT_FALSE(underAFile.IsExportPathValid());
}

TEST_F(AddOnFiles, ListLimitsAndOrder) {
  Make("f.txt", "x");
  CAddOnFileList list;
  for (int i = 0; i < ADDON_MAX_FILES; ++i) ASSERT_TRUE(list.Add(_T("f.txt"), _T("e\\"), m_dir, _T("d")));
  EXPECT_FALSE(list.Add(_T("f.txt"), _T("e\\"), m_dir, _T("d")));
  EXPECT_FALSE(list.Append(new CAddOnFile(_T("g.txt"))));
  EXPECT_EQ(ADDON_MAX_FILES, list.GetCount());

  CAddOnFileList small;
  EXPECT_FALSE(small.Add(_T("missing.txt"), _T(""), m_dir, _T("")));
  EXPECT_EQ(0, small.GetCount());
  Make("g.txt", "y");
  ASSERT_TRUE(small.Add(_T("f.txt"), _T(""), m_dir, _T("first")));
  ASSERT_TRUE(small.Add(_T("g.txt"), _T(""), m_dir, _T("second")));
  ASSERT_TRUE(small.Add(_T("f.txt"), _T(""), m_dir, _T("third")));
  EXPECT_EQ(small.GetAt(0)->GetDescription(), _T("first"));
  EXPECT_EQ(0, small.GetAt(0)->GetImportCounter());
  EXPECT_TRUE(small.Find(_T("C:\\any\\where\\g.txt")));
  EXPECT_FALSE(small.Find(_T("G.TXT")));
  small.Remove(_T("f.txt"));
  ASSERT_EQ(2, small.GetCount());
  EXPECT_EQ(small.GetAt(0)->GetDescription(), _T("second"));
  EXPECT_EQ(small.GetAt(1)->GetDescription(), _T("third"));
  EXPECT_EQ(nullptr, small.GetAt(2));
  EXPECT_EQ(nullptr, small.GetAt(-1));
  small.Remove(_T("nothing"));
  EXPECT_EQ(2, small.GetCount());
  // By position: the second of two equal names goes, the first stays.
  ASSERT_TRUE(small.Add(_T("g.txt"), _T(""), m_dir, _T("fourth")));
  EXPECT_FALSE(small.RemoveAt(3));
  EXPECT_FALSE(small.RemoveAt(-1));
  EXPECT_TRUE(small.RemoveAt(2));
  ASSERT_EQ(2, small.GetCount());
  EXPECT_EQ(CString(_T("second")), small.GetAt(0)->GetDescription());
  EXPECT_EQ(CString(_T("third")), small.GetAt(1)->GetDescription());
  small.SetAllDates(_T("2020-02-02 02:02"));
  std::unique_ptr<CAddOnFileList> copy(small.Clone());
  EXPECT_EQ(copy->GetAt(1)->GetDate(), _T("2020-02-02 02:02"));
  EXPECT_NE(small.GetAt(1), copy->GetAt(1));
}

TEST(AddOnList, CheckExportPaths) {
  struct Case {
    std::initializer_list<const TCHAR*> paths;
    bool ok;
    const TCHAR* firstAfter;
  } cases[] = {
      {{_T("help")}, true, _T("help\\")},
      {{_T("help\\")}, true, _T("help\\")},
      {{_T("")}, true, _T("")},
      {{_T("???\\")}, false, _T("???\\")},
      {{_T("a"), _T("???\\"), _T("b")}, false, _T("a\\")},
      {{_T("x?")}, true, _T("x?\\")},
  };
  for (const Case& c : cases) {
    CAddOnFileList list;
    for (const TCHAR* p : c.paths) list.Append(new CAddOnFile(_T("f"), p, _T("")));
    EXPECT_EQ(c.ok, list.CheckExportPaths());
    EXPECT_EQ(list.GetAt(0)->GetExportPath(), c.firstAfter);
  }
}

TEST(AddOnList, ImportedFlag) {
  CTraFile file;
  EXPECT_TRUE(file.CheckAddOnFilesImported());
  EXPECT_TRUE(file.AreAddOnFilesImported());
  CAddOnFile* entry = new CAddOnFile(_T("f"));
  file.GetAddOnFiles()->Append(entry);
  EXPECT_FALSE(file.CheckAddOnFilesImported());
  EXPECT_FALSE(file.AreAddOnFilesImported());
  // Two re-imports give a counter of 2.
  CAddOnFile counted;
  CMemFile mem;
  {
    CArchive ar(&mem, CArchive::store);
    ar << CString(_T("f")) << CString() << CString() << CString() << CString() << static_cast<int32_t>(2)
       << static_cast<int32_t>(0);
    ar.Close();
  }
  mem.SeekToBegin();
  CArchive in(&mem, CArchive::load);
  entry->Serialize(in);
  EXPECT_EQ(2, entry->GetImportCounter());
  EXPECT_TRUE(file.CheckAddOnFilesImported());
  EXPECT_TRUE(file.AreAddOnFilesImported());
}

TEST_F(AddOnFiles, BadPathFlag) {
  Make("plain", "x");
  CTraFile file;
  file.GetAddOnFiles()->Append(new CAddOnFile(_T("a.txt"), m_dir, m_dir));
  EXPECT_TRUE(file.CheckAddOnPaths());
  EXPECT_FALSE(file.HasBadAddOnPaths());
  file.GetAddOnFiles()->Append(new CAddOnFile(_T("a.txt"), m_dir + _T("plain\\"), m_dir));
  EXPECT_FALSE(file.CheckAddOnPaths());
  EXPECT_TRUE(file.HasBadAddOnPaths());
}

}  // namespace
