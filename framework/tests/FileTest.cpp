#include <gtest/gtest.h>

#include "CStringPrinter.h"
#include "Framework.h"
#include "TestPaths.h"

namespace {

CString Scratch() {
  static CString dir = lwtest::ScratchDir("framework_files");
  return dir;
}

void WriteText(const CString& path, const char* text) {
  CFile f(path, CFile::modeCreate | CFile::modeWrite);
  f.Write(text, static_cast<UINT>(strlen(text)));
}

std::string ReadText(const CString& path) {
  CFile f(path, CFile::modeRead);
  std::string s(static_cast<size_t>(f.GetLength()), '\0');
  if (!s.empty()) f.Read(&s[0], static_cast<UINT>(s.size()));
  return s;
}

TEST(File, OpenFailuresGiveTheirCause) {
  struct Case {
    CString path;
    UINT flags;
    int cause;
  } cases[] = {
      {Scratch() + _T("missing.tra"), CFile::modeRead, CFileException::fileNotFound},
      {Scratch() + _T("no\\such\\folder\\x.tra"), CFile::modeRead, CFileException::badPath},
      {Scratch() + _T("no\\such\\folder\\x.tra"), CFile::modeCreate | CFile::modeWrite, CFileException::badPath},
      {CString(), CFile::modeRead, CFileException::badPath},
  };
  for (const Case& c : cases) {
    CFile f;
    CFileException error;
    EXPECT_FALSE(f.Open(c.path, c.flags, &error)) << lw::HostPath(c.path);
    EXPECT_EQ(c.cause, error.m_cause) << lw::HostPath(c.path);
    EXPECT_EQ(c.path, error.m_strFileName);
  }
  EXPECT_THROW(CFile(Scratch() + _T("missing.tra"), CFile::modeRead), CFileException);
}

TEST(File, ReadWriteSeekAndNames) {
  CString path = Scratch() + _T("rw.bin");
  {
    CFile f(path, CFile::modeCreate | CFile::modeReadWrite);
    f.Write("hello world", 11);
    EXPECT_EQ(11u, f.GetLength());
    f.Seek(6, CFile::begin);
    char buf[16] = {0};
    EXPECT_EQ(5u, f.Read(buf, 16));
    EXPECT_STREQ("world", buf);
    EXPECT_EQ(0u, f.Read(buf, 16));
    EXPECT_EQ(CString(_T("rw.bin")), f.GetFileName());
    EXPECT_EQ(CString(_T("rw")), f.GetFileTitle());
  }
  CFileStatus st;
  EXPECT_TRUE(CFile::GetStatus(path, st));
  EXPECT_EQ(11u, st.m_size);
  CFile::Rename(path, Scratch() + _T("rw2.bin"));
  EXPECT_FALSE(CFile::GetStatus(path, st));
  CFile::Remove(Scratch() + _T("rw2.bin"));
  EXPECT_THROW(CFile::Remove(Scratch() + _T("rw2.bin")), CFileException);
}

TEST(File, AtomicSaveReplacesOnlyOnCommit) {
  CString path = Scratch() + _T("doc.lwp");
  WriteText(path, "old contents");
  {
    CAtomicFile f;
    ASSERT_TRUE(f.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive));
    f.Write("new", 3);
    EXPECT_EQ("old contents", ReadText(path));  // the old file is untouched while writing
    // no Commit: a failure mid-way keeps the old file
  }
  EXPECT_EQ("old contents", ReadText(path));
  {
    CAtomicFile f;
    ASSERT_TRUE(f.Open(path, CFile::modeCreate | CFile::modeWrite));
    f.Write("new contents", 12);
    f.Commit();
  }
  EXPECT_EQ("new contents", ReadText(path));
  // no temporary file is left behind
  CFileFind find;
  int count = 0;
  BOOL more = find.FindFile(Scratch() + _T("doc.lwp*"));
  while (more) {
    more = find.FindNextFile();
    ++count;
  }
  EXPECT_EQ(1, count);
  CAtomicFile bad;
  CFileException error;
  EXPECT_FALSE(bad.Open(Scratch() + _T("missing\\doc.lwp"), CFile::modeCreate | CFile::modeWrite, &error));
  EXPECT_EQ(CFileException::badPath, error.m_cause);
}

TEST(File, WholeFileReplacesTheOldOrLeavesIt) {
  const CString path = Scratch() + _T("whole.txt");
  WriteText(path, "old");
  EXPECT_TRUE(lw::WriteWholeFile(path, "new\r\n"));
  EXPECT_EQ("new\r\n", ReadText(path));
  EXPECT_TRUE(lw::WriteWholeFile(path, ""));
  EXPECT_EQ("", ReadText(path));
  EXPECT_FALSE(lw::WriteWholeFile(Scratch() + _T("missing\\whole.txt"), "x"));
}

TEST(File, StdioLinesAndFileFind) {
  CString path = Scratch() + _T("lines.txt");
  {
    CStdioFile f(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    f.WriteString(_T("first\nzweite \xFC\n"));
    f.WriteString(_T("last"));
  }
  EXPECT_EQ("first\r\nzweite \xFC\r\nlast", ReadText(path));
  CStdioFile f(path, CFile::modeRead);
  CString line;
  ASSERT_TRUE(f.ReadString(line));
  EXPECT_EQ(CString(_T("first")), line);
  ASSERT_TRUE(f.ReadString(line));
  EXPECT_EQ(CString(_T("zweite \xFC")), line);
  ASSERT_TRUE(f.ReadString(line));
  EXPECT_EQ(CString(_T("last")), line);
  EXPECT_FALSE(f.ReadString(line));

  WriteText(Scratch() + _T("a.TRA"), "x");
  WriteText(Scratch() + _T("b.tra"), "y");
  CFileFind find;
  BOOL more = find.FindFile(Scratch() + _T("*.tra"));
  int found = 0;
  while (more) {
    more = find.FindNextFile();
    ++found;
    EXPECT_FALSE(find.IsDirectory());
    EXPECT_EQ(Scratch() + find.GetFileName(), find.GetFilePath());
  }
  EXPECT_EQ(2, found);  // matching ignores case, as on Windows
}

TEST(File, FileFindFoldsFolderCaseAndTakesBracketsLiterally) {
  CString root = lwtest::ScratchDir("framework_find");
  CString inc = lwtest::ScratchDir("framework_find\\inc");
  ASSERT_FALSE(inc.IsEmpty());
  WriteText(inc + _T("frame.h"), "x");
  WriteText(root + _T("list[1].h"), "a");
  WriteText(root + _T("list1.h"), "b");
  struct Case {
    const TCHAR* pattern;
    const TCHAR* found;  // relative to root, "" for no match
  } cases[] = {
      {_T("INC\\Frame.H"), _T("inc\\frame.h")},
      {_T("Inc\\*.h"), _T("inc\\frame.h")},
      {_T("inc\\frame.h"), _T("inc\\frame.h")},
      {_T("list[1].h"), _T("list[1].h")},
      {_T("LIST[1]*"), _T("list[1].h")},
      {_T("list?.h"), _T("list1.h")},
      {_T("list[2].h"), _T("")},
      {_T("NoSuch\\frame.h"), _T("")},
  };
  for (const Case& c : cases) {
    CFileFind find;
    BOOL found = find.FindFile(root + c.pattern);
    EXPECT_EQ(*c.found != 0, found != FALSE) << CStringA(c.pattern).GetString();
    if (!found) continue;
    EXPECT_FALSE(find.FindNextFile()) << CStringA(c.pattern).GetString();
    // The name as it is on disk, and a path that opens it (a folder may keep
    // the pattern's case where the file system ignores case).
    EXPECT_EQ(CStringA(lw::NameOf(c.found)), CStringA(find.GetFileName())) << CStringA(c.pattern).GetString();
    EXPECT_EQ(0, find.GetFilePath().CompareNoCase(root + c.found)) << CStringA(find.GetFilePath()).GetString();
    CFile file;
    EXPECT_TRUE(file.Open(find.GetFilePath(), CFile::modeRead)) << CStringA(find.GetFilePath()).GetString();
  }
}

// A pattern in the root folder searches the root, and its paths keep the
// root's separator (not the current folder's names).
TEST(File, FileFindInTheRootFolder) {
  CFileFind find;
  ASSERT_TRUE(find.FindFile(_T("\\*")));
  int found = 0;
  for (BOOL more = TRUE; more;) {
    more = find.FindNextFile();
    if (find.IsDots()) continue;
    EXPECT_EQ(_T("\\") + find.GetFileName(), find.GetFilePath());
    CFileStatus status;  // the root may hold entries nobody may read
    if (CFile::GetStatus(find.GetFilePath(), status)) ++found;
  }
  EXPECT_LT(0, found);
}

TEST(Time, FormatsDateAndTime) {
  CTime t(2026, 3, 4, 5, 6, 7);
  EXPECT_EQ(CString(_T("2026-03-04 05:06")), t.Format(_T("%Y-%m-%d %H:%M")));
  EXPECT_EQ(2026, t.GetYear());
  EXPECT_EQ(3, t.GetMonth());
}

}  // namespace
