// Opening and saving project files: the path taken over on opening, the
// framework's messages for failures, and a save that fails part-way leaving
// the old file as it was and no temporary file behind.
#include "ProjectFile.h"
#include "ProjectTestSupport.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

using namespace lwptest;

namespace {

Bytes ReadAll(const CString& path) {
  CFile file;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone)) return Bytes();
  Bytes bytes(static_cast<size_t>(file.GetLength()));
  if (!bytes.empty()) file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  return bytes;
}

void WriteAll(const CString& path, const Bytes& bytes) {
  CFile file(path, CFile::modeCreate | CFile::modeWrite);
  if (!bytes.empty()) file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
  file.Close();
}

std::vector<std::string> FilesIn(const CString& dir) {
  std::vector<std::string> names;
  CFileFind find;
  BOOL more = find.FindFile(dir + _T("*"));
  while (more) {
    more = find.FindNextFile();
    if (!find.IsDots()) names.push_back(Utf8(find.GetFileName()));
  }
  return names;
}

class ProjectFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = lwtest::FreshScratchDir((std::string("project_") + info->name()).c_str());
    ASSERT_FALSE(dir.IsEmpty());
  }
  CString dir;
};

TEST_F(ProjectFileTest, SaveAndOpenTakeOverTheOpenedPath) {
  CWizardProject saved;
  FillSample(saved, 5);
  saved.SetProjectPath(_T("D:\\Elsewhere\\Old.lwp"));
  CString error;
  ASSERT_TRUE(SaveProjectFile(saved, dir + _T("Sample.lwp"), error)) << Utf8(error);
  EXPECT_TRUE(error.IsEmpty());
  EXPECT_EQ(std::vector<std::string>{"Sample.lwp"}, FilesIn(dir));  // no temporary file left
  EXPECT_EQ(WriteProject(saved), ReadAll(dir + _T("Sample.lwp")));

  CWizardProject opened;
  ASSERT_TRUE(OpenProjectFile(opened, dir + _T("Sample.lwp"), error)) << Utf8(error);
  EXPECT_EQ(Utf8(dir + _T("Sample.lwp")), Utf8(opened.GetProjectPath()));
  EXPECT_EQ(5, opened.GetRcFileCount());
  EXPECT_EQ(Utf8(saved.GetRcFile(4)), Utf8(opened.GetRcFile(4)));
  EXPECT_TRUE(opened.GetTraFile()->GetWizardMark());

  // Saving again replaces the file as a whole.
  opened.RemoveRcFile(opened.GetRcFile(0));
  ASSERT_TRUE(SaveProjectFile(opened, dir + _T("Sample.lwp"), error)) << Utf8(error);
  EXPECT_EQ(WriteProject(opened), ReadAll(dir + _T("Sample.lwp")));
  EXPECT_EQ(std::vector<std::string>{"Sample.lwp"}, FilesIn(dir));
}

TEST_F(ProjectFileTest, FailedOpenNamesTheFileAndChangesNothing) {
  CWizardProject good;
  FillSample(good, 2);
  const Bytes full = WriteProject(good);
  WriteAll(dir + _T("cut.lwp"), Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(full.size() / 2)));
  Bytes tooMany = Concat({OneByteProjectHeader("x.lwp", "x.tra", 1, 1, 1, "X", 1, "Y"), OneByteTraFile("x", 0),
                          Int32(51)});
  for (int i = 0; i < 51; ++i) tooMany = Concat({tooMany, OneByteString("s.rc")});
  WriteAll(dir + _T("many.lwp"), tooMany);
  WriteAll(dir + _T("empty.lwp"), Bytes());

  struct Case {
    const TCHAR* name;
    const char* messageStart;
  } cases[] = {
      {_T("missing.lwp"), "The file could not be found"},
      {_T("cut.lwp"), "Reached the end of the file while reading"},
      {_T("empty.lwp"), "Reached the end of the file while reading"},
      {_T("many.lwp"), "Invalid file format"},
  };
  for (const Case& c : cases) {
    CWizardProject p;
    FillSample(p, 1);
    const std::vector<std::string> before = Snapshot(p);
    CString error;
    EXPECT_FALSE(OpenProjectFile(p, dir + c.name, error));
    const std::string message = Utf8(error);
    EXPECT_EQ(0u, message.find(c.messageStart)) << message;
    EXPECT_NE(std::string::npos, message.find(Utf8(c.name))) << message;
    EXPECT_EQ(before, Snapshot(p)) << message;
  }
}

TEST_F(ProjectFileTest, SaveIntoAMissingFolderFails) {
  CWizardProject p;
  FillSample(p);
  CString error;
  EXPECT_FALSE(SaveProjectFile(p, dir + _T("no-such-folder\\p.lwp"), error));
  EXPECT_NE(std::string::npos, Utf8(error).find("p.lwp")) << Utf8(error);
  EXPECT_TRUE(FilesIn(dir).empty());
}

#ifndef _WIN32
// A write that fails part-way (file size limit) keeps the old file.
TEST_F(ProjectFileTest, SaveFailingPartWayKeepsTheOldFile) {
  const CString path = dir + _T("keep.lwp");
  const Bytes old = {'o', 'l', 'd'};
  WriteAll(path, old);
  CWizardProject p;
  FillSample(p);
  CAddOnFileList* list = p.GetTraFile()->GetAddOnFiles();
  CAddOnFile* big = new CAddOnFile(_T("big.bin"));
  big->SetContents(Bytes(200000, 0x5A));
  ASSERT_TRUE(list->Append(big));

  struct rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 64 * 1024;
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  CString error;
  const BOOL ok = SaveProjectFile(p, path, error);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(ok);
  EXPECT_NE(std::string::npos, Utf8(error).find("keep.lwp")) << Utf8(error);
  EXPECT_EQ(old, ReadAll(path));
  EXPECT_EQ(std::vector<std::string>{"keep.lwp"}, FilesIn(dir));
}
#else
// A file held open by another reader is not replaced and the old one stays.
TEST_F(ProjectFileTest, SaveOverAFileInUseKeepsTheOldFile) {
  const CString path = dir + _T("busy.lwp");
  const Bytes old = {'o', 'l', 'd'};
  WriteAll(path, old);
  CFile reader;
  ASSERT_TRUE(reader.Open(path, CFile::modeRead | CFile::shareDenyWrite));
  CWizardProject p;
  FillSample(p);
  CString error;
  EXPECT_FALSE(SaveProjectFile(p, path, error));
  EXPECT_NE(std::string::npos, Utf8(error).find("busy.lwp")) << Utf8(error);
  reader.Close();
  EXPECT_EQ(old, ReadAll(path));
  EXPECT_EQ(std::vector<std::string>{"busy.lwp"}, FilesIn(dir));
}
#endif

}  // namespace
