// Reads a generated project of resource scripts into a tree and prints the
// throughput; then reads nested menus against flat ones of the same size,
// closed and unclosed, in turns. Usage: rcreader_bench [folder] [megabytes]
#include "BenchProject.h"
#include "PairedRounds.h"
#include "RcFileSet.h"
#include "ResFile.h"

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

// Script text of units repeated to about bytes.
std::string Repeat(const std::string& unit, size_t bytes) {
  std::string s;
  while (s.size() < bytes) s += unit;
  return s;
}

// Tokenizes and parses a script held in memory and builds its tree.
void ReadScript(const std::string& script) {
  CSourceTokenList list(_T("bench.rc"), reinterpret_cast<const BYTE*>(script.data()), script.size());
  CResProblemLog log;
  CResFile file;
  file.Parse(&list, 0, log);
  std::unique_ptr<CTraNode> root(file.CreateNode(nullptr));
}

// Nested menus against flat menus of the same size, read in turns.
void CompareNesting(const char* what, const std::string& nested, const std::string& flat) {
  const double mbNested = static_cast<double>(nested.size()) / (1024.0 * 1024.0);
  const double mbFlat = static_cast<double>(flat.size()) / (1024.0 * 1024.0);
  lwbench::PairedRounds p = lwbench::TimeInTurns(80, [&] { ReadScript(nested); }, [&] { ReadScript(flat); });
  std::printf("%s menus, %.2f MB nested, %.2f MB flat:\n", what, mbNested, mbFlat);
  lwbench::PrintPaired("nested", "flat", p);
  const double nestedSpeed = mbNested / p.a.Median(), flatSpeed = mbFlat / p.b.Median();
  std::printf("  nested %.1f MB/s, flat %.1f MB/s (medians): nested reads at %.2f of flat (goal >= 0.33: %s)\n",
              nestedSpeed, flatSpeed, nestedSpeed / flatSpeed, nestedSpeed >= flatSpeed / 3 ? "met" : "MISSED");
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
    // Popups 30 deep with an item on each level, against the same 30 popups
    // side by side: the same tokens, only the ENDs stand elsewhere.
    const std::string popup = " POPUP \"&Level\"\n BEGIN\n  MENUITEM \"&Command\", ID_CMD\n";
    std::string deep = "1 MENU\nBEGIN\n", flat = deep;
    for (int i = 0; i < 30; ++i) deep += popup;
    for (int i = 0; i < 30; ++i) deep += " END\n";
    for (int i = 0; i < 30; ++i) flat += popup + " END\n";
    deep += "END\n";
    flat += "END\n";
    const size_t kBytes = 512 * 1024;
    CompareNesting("closed", Repeat(deep, kBytes), Repeat(flat, kBytes));
    CompareNesting("unclosed", Repeat("1 MENU BEGIN POPUP \"a\" BEGIN ", kBytes / 4),
                   Repeat("1 MENU BEGIN MENUITEM \"a\" ", kBytes / 4));
  } catch (const CException& e) {
    std::fprintf(stderr, "failed: %s\n", CStringA(e.GetErrorMessage()).GetString());
    return 1;
  }
  return 0;
}
