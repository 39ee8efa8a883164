// A generator's set of files: written whole into the folder, compared with
// the committed copies (the first differing file named), and the command
// line that does either.
#include "PictureFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

class PictureFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef UNICODE
    folder_ = fs::path(LW_BINARY_DIR) / "picture_files_scratch_u";
#else
    folder_ = fs::path(LW_BINARY_DIR) / "picture_files_scratch_a";
#endif
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Folder() const { return folder_.string(); }
  std::vector<uint8_t> Read(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void Put(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream out(folder_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  int Run(std::vector<std::string> args, const lwpicfiles::PictureFiles& files) const {
    args.insert(args.begin(), "MakeSomething");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(&a[0]);
    return lwpicfiles::RunPictureGenerator(static_cast<int>(argv.size()), argv.data(), files, "refresh_something");
  }

  const lwpicfiles::PictureFiles files_ = {
      {"One.bmp", {'B', 'M', 1, 2, 3}}, {"Two.ico", {0, 0, 1, 0}}, {"Three.cpp", {'/', '/', '\n'}}};
  fs::path folder_;
};

TEST_F(PictureFilesTest, WritesEveryFileWhole) {
  Put("One.bmp", std::vector<uint8_t>(100, 0xEE));  // an older, longer picture
  ASSERT_TRUE(lwpicfiles::WritePictureFiles(Folder(), files_));
  for (const lwpicfiles::PictureFile& file : files_) EXPECT_EQ(file.bytes, Read(file.name)) << file.name;
  size_t entries = 0;
  for (const auto& entry : fs::directory_iterator(folder_)) entries += entry.is_regular_file();
  EXPECT_EQ(files_.size(), entries);  // no temporary file left beside them
}

TEST_F(PictureFilesTest, NamesTheFileItCannotWrite) {
  std::string failed;
  EXPECT_FALSE(lwpicfiles::WritePictureFiles(Folder() + "/missing", files_, &failed));
  EXPECT_EQ("One.bmp", failed);
}

TEST_F(PictureFilesTest, NamesTheFirstStaleFile) {
  ASSERT_TRUE(lwpicfiles::WritePictureFiles(Folder(), files_));
  EXPECT_EQ("", lwpicfiles::FirstStaleFile(Folder(), files_));

  struct Case {
    const char* what;
    const char* file;
    std::vector<uint8_t> committed;  // empty: the committed file is missing
  } cases[] = {
      {"one byte differs", "Two.ico", {0, 0, 2, 0}},
      {"shorter", "Two.ico", {0, 0, 1}},
      {"longer", "Three.cpp", {'/', '/', '\n', '\n'}},
      {"missing", "One.bmp", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(lwpicfiles::WritePictureFiles(Folder(), files_));
    if (c.committed.empty())
      fs::remove(folder_ / c.file);
    else
      Put(c.file, c.committed);
    EXPECT_EQ(c.file, lwpicfiles::FirstStaleFile(Folder(), files_));
  }

  // With two stale files the one made first is named.
  ASSERT_TRUE(lwpicfiles::WritePictureFiles(Folder(), files_));
  Put("Three.cpp", {});
  Put("Two.ico", {9});
  EXPECT_EQ("Two.ico", lwpicfiles::FirstStaleFile(Folder(), files_));
}

TEST_F(PictureFilesTest, CommandLineWritesAndChecks) {
  EXPECT_EQ(1, Run({"--check", Folder()}, files_));  // nothing written yet
  EXPECT_EQ(0, Run({Folder()}, files_));
  EXPECT_EQ(0, Run({"--check", Folder()}, files_));
  Put("Three.cpp", {'x'});
  EXPECT_EQ(1, Run({"--check", Folder()}, files_));
  EXPECT_EQ(1, Run({Folder() + "/missing"}, files_));

  struct Usage {
    std::vector<std::string> args;
  } usages[] = {{{}}, {{"--check"}}, {{"--verify", Folder()}}, {{Folder(), Folder()}}};
  for (const Usage& u : usages) EXPECT_EQ(2, Run(u.args, files_)) << u.args.size();
}

}  // namespace
