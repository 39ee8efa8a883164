// Reads a generated project of resource scripts into a tree and prints the
// throughput. Usage: rcreader_bench [folder] [megabytes]
#include "BenchProject.h"
#include "RcFileSet.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

double Seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder = argc > 1 ? argv[1] : "rcbench-project";
  double megabytes = argc > 2 ? std::atof(argv[2]) : 16.0;
  if (megabytes < 1.0) megabytes = 1.0;
  std::vector<CString> paths;
  size_t total = 0;
  try {
    if (!WriteBenchProject(folder, megabytes, paths, total)) {
      std::fprintf(stderr, "cannot create %s\n", folder.c_str());
      return 1;
    }
    const int kScripts = static_cast<int>(paths.size());
    auto t0 = std::chrono::steady_clock::now();
    CRcFileSet set(paths.data(), static_cast<int>(paths.size()), nullptr, 0, 50);
    auto t1 = std::chrono::steady_clock::now();
    CResProblemLog log;
    std::unique_ptr<CResFile> file = set.BuildResFile(log);
    auto t2 = std::chrono::steady_clock::now();
    std::unique_ptr<CTraNode> root(file->CreateNode(nullptr));
    auto t3 = std::chrono::steady_clock::now();
    double mb = static_cast<double>(total) / (1024.0 * 1024.0);
    std::printf("scripts: %d, %.1f MB, %d tokens, %d nodes, %d problem-log entries\n", kScripts, mb,
                set.GetTokenList()->GetCount(), root->CountNodes(), log.GetCount());
    std::printf("tokenize %.3f s (%.1f MB/s), parse %.3f s, tree %.3f s, total %.3f s: %.1f MB/s\n", Seconds(t0, t1),
                mb / Seconds(t0, t1), Seconds(t1, t2), Seconds(t2, t3), Seconds(t0, t3), mb / Seconds(t0, t3));
  } catch (const CException& e) {
    std::fprintf(stderr, "failed: %s\n", CStringA(e.GetErrorMessage()).GetString());
    return 1;
  }
  return 0;
}
