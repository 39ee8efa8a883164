// Opens a language file of 20,004 nodes through the document (reading it,
// building and laying out every text block) and runs a find that hits
// nothing over all blocks; prints both times beside their goals.
#include "DeskDocument.h"
#include "FindReplace.h"
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

CTraNode* Add(CTraNode* parent, const CString& original, const CString& translation, int kind) {
  CTraNode* node = new CTraNode(parent, original, translation, kind);
  parent->AddChild(node);
  return node;
}

CString Numbered(const char* format, int a, int b = 0) {
  CString s;
  s.Format(format, a, b);
  return s;
}

// Root, three groups, 50 menus of 20 nodes, 400 dialogs of 20 nodes and
// 20 string tables of 550 nodes: 20,004 nodes.
CTraFile* BuildFile() {
  CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  CTraFile* file = new CTraFile(root);
  file->SetProgramName("Bench");
  CTraNode* menus = Add(root, TRA_SECTION_MENUS, "Menus", TRA_MENUGROUP);
  for (int m = 0; m < 50; ++m) {
    CTraNode* popup = Add(Add(menus, Numbered("IDR_MENU%d", m), Numbered("IDR_MENU%d", m), TRA_MENU), "&Datei",
                          "&File", TRA_POPUP);
    for (int i = 0; i < 18; ++i)
      Add(popup, Numbered("Eintrag %d in Men\xFC %d\tStrg+%d", i, m), Numbered("Item %d of menu %d\tCtrl+%d", i, m),
          TRA_MENUITEM);
  }
  CTraNode* dialogs = Add(root, TRA_SECTION_DIALOGS, "Dialoge", TRA_DIALOGGROUP);
  for (int d = 0; d < 400; ++d) {
    CTraNode* dialog = Add(dialogs, Numbered("Dialog %d", d), Numbered("Dialog %d (en)", d), TRA_DIALOG);
    for (int c = 0; c < 19; ++c) {
      CTraNode* control = new CTraNode(dialog, Numbered("Schaltfl\xE4" "che %d", c), Numbered("Button %d", c),
                                       TRA_PUSHBUTTON, 80, 14);
      dialog->AddChild(control);
    }
  }
  CTraNode* strings = Add(root, TRA_SECTION_STRINGS, "Stringtables", TRA_STRINGGROUP);
  for (int t = 0; t < 20; ++t) {
    CTraNode* table = Add(strings, Numbered("String Table Section %d", t + 1), "", TRA_STRINGTABLE);
    for (int s = 0; s < 549; ++s)
      Add(table, Numbered("Datei %%s konnte nicht gelesen werden (%d.%d).\nFehler %%d", t, s),
          Numbered("File %%s could not be read (%d.%d).\nError %%d, %%5.2f%%%% done", t, s), TRA_STRING);
  }
  return file;
}


}  // namespace

int main() {
  CTraFile* built = BuildFile();
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
