// Opens a language file of 20,004 nodes through the document (reading it,
// building and laying out every text block) and runs a find that hits
// nothing over all blocks; prints both times beside their goals.
#include "DeskDocument.h"
#include "FindReplace.h"
#include "BenchFile.h"
#include "HeadlessDocHost.h"
#include "LwFileInfo.h"
#include "TraFile.h"
#include "UiServices.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

typedef std::chrono::steady_clock Clock;

double Millis(Clock::time_point from) {
  return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

}  // namespace

int main() {
  CTraFile* built = deskbench::BuildFile();
  const int nodes = built->GetRootNode()->CountNodes();
  const std::string path = "/tmp/deskcore_bench_" + std::to_string(getpid()) + ".tra";
  if (!LwWriteLanguageFile(CString(path.c_str()), *built)) {
    fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
  }
  delete built;

  const int runs = 5;
  double bestOpen = 1e9, bestFind = 1e9;
  int blocks = 0;
  for (int run = 0; run < runs; ++run) {
    CQueuedUiServices ui;
    CHeadlessDocHost host;
    CDeskDocument doc(ui, host);
    host.m_pDoc = &doc;
    doc.SetPendingFile(CString(path.c_str()));
    Clock::time_point start = Clock::now();
    if (!doc.OpenLanguageFile()) {
      fprintf(stderr, "cannot open %s\n", path.c_str());
      return 1;
    }
    const double open = Millis(start);
    blocks = host.m_view.m_blocks.GetCount();

    CFindReplace find(host.m_view.m_blocks, ui);
    find.SetDialogParams("Nirgendwo", "", false, false);
    start = Clock::now();
    const bool hit = find.FindNext(false, true);
    const double search = Millis(start);
    if (hit) {
      fprintf(stderr, "the search hit something\n");
      return 1;
    }
    if (open < bestOpen) bestOpen = open;
    if (search < bestFind) bestFind = search;
  }
  unlink(path.c_str());
  printf("file: %d nodes, %d text blocks; best of %d runs\n", nodes, blocks, runs);
  printf("open + build and lay out every block: %8.2f ms (goal <= 100 ms) %s\n", bestOpen,
         bestOpen <= 100.0 ? "ok" : "MISSED");
  printf("find that hits nothing:               %8.2f ms (goal <=  20 ms) %s\n", bestFind,
         bestFind <= 20.0 ? "ok" : "MISSED");
  return 0;
}
