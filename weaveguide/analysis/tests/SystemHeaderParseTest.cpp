// Runs the tokenizer and the declaration parsers over the C and C++ headers
// of Debian's mingw-w64 packages: real sources nobody here wrote.
#include "AnalysisTestUtil.h"
#include "ProjectAnalyser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

const char* const kIncludeFolders[] = {"/usr/share/mingw-w64/include", "/usr/x86_64-w64-mingw32/include"};

std::set<fs::path> HeaderFiles() {
  std::set<fs::path> files;
  for (const char* folder : kIncludeFolders) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) continue;
    for (fs::recursive_directory_iterator it(folder, fs::directory_options::follow_directory_symlink, ec), end;
         !ec && it != end; it.increment(ec)) {
      if (it->is_regular_file(ec)) files.insert(fs::canonical(it->path(), ec));
    }
  }
  files.erase(fs::path());
  return files;
}

TEST(SystemHeaderParse, EveryMingwHeaderTokenizesAndParses) {
  std::set<fs::path> files = HeaderFiles();
  if (files.empty()) GTEST_SKIP() << "no mingw-w64 include folder here (install mingw-w64-common)";

  auto started = std::chrono::steady_clock::now();
  // Each file is tokenized once and run through both collecting phases.
  CProjectAnalyser analyser;
  long long tokens = 0;
  int largest = 0;
  for (const fs::path& file : files) {
    CString name(lw::FromNarrow(file.string().data(), file.string().size(), CP_UTF8).c_str());
    CCppTokenList list(name);
    EXPECT_FALSE(list.IsTruncated()) << file;
    tokens += list.GetCount();
    if (list.GetCount() > largest) largest = list.GetCount();
    analyser.CollectClasses(list);
    analyser.CollectIncludes(list);
  }
  analyser.ResolveBaseClasses();
  analyser.MatchFixTable();
  analyser.FindExternHeaders();
  EXPECT_GT(analyser.GetIncludes().GetCount(), 1000);
  EXPECT_GT(analyser.GetProjectClasses().GetCount(), 10);
  // The largest header holds far more than the old fixed 200000 tokens.
  EXPECT_GT(largest, 200000);
  for (INT_PTR i = 0; i < analyser.GetIncludes().GetCount(); i += 97) {
    CIncludeNode* include = analyser.GetIncludes().IncludeAt(i);
    EXPECT_GE(include->m_line, 0);
    EXPECT_FALSE(include->m_fileName.IsEmpty());
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("%zu files, %lld tokens (largest file %d), %d classes, %d includes, %d extern, %.1f s\n",
              files.size(), tokens, largest, static_cast<int>(analyser.GetProjectClasses().GetCount()),
              static_cast<int>(analyser.GetIncludes().GetCount()), static_cast<int>(analyser.GetExternIncludes().GetCount()),
              seconds);
}

}  // namespace
