// Builds a 20,000-node language file, writes it, times reading it back with
// its string index against building the same tree in memory (goal: at most
// 5 ms and at most 2.5 times the build), then times 1,000,000 string lookups
// against glibc's dgettext on a .mo file of the same strings made with msgfmt.
// Each comparison runs its two sides in turns over many rounds.
#include "PairedRounds.h"
#include "StringLookup.h"
#include "TraFile.h"

#include <libintl.h>
#include <clocale>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

typedef std::chrono::steady_clock Clock;

double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

const int kMenus = 50, kItemsPerMenu = 18;
const int kDialogs = 400, kControlsPerDialog = 19;
const int kTables = 20, kStringsPerTable = 549;
const int kLookups = 1000000;
const double kReadGoalMs = 5.0;     // read + string index
const double kReadGoalRatio = 2.5;  // read + string index / build in memory

std::string Narrow(const CString& s) { return lw::ToNarrow(s, static_cast<size_t>(s.GetLength()), CP_UTF8); }

CString Original(int i) {
  CString s;
  s.Format(_T("Message number %d of the demo program"), i);
  return s;
}
CString Translation(int i) {
  CString s;
  s.Format(_T("Meldung Nummer %d des Beispielprogramms"), i);
  return s;
}

std::unique_ptr<CTraFile> BuildFile() {
  CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  std::unique_ptr<CTraFile> file(new CTraFile(root));
  CTraNode* menus = root->AddChild(std::make_unique<CTraNode>(root, TRA_SECTION_MENUS, _T("Menu"), TRA_MENUGROUP));
  for (int m = 0; m < kMenus; ++m) {
    CString name;
    name.Format(_T("IDR_MENU%d"), m);
    CTraNode* menu = menus->AddChild(std::make_unique<CTraNode>(menus, name, name, TRA_MENU));
    CTraNode* popup = menu->AddChild(std::make_unique<CTraNode>(menu, _T("&File"), _T("&Datei"), TRA_POPUP));
    for (int i = 0; i < kItemsPerMenu; ++i) {
      CString item;
      item.Format(_T("Item %d of menu %d"), i, m);
      popup->AddChild(std::make_unique<CTraNode>(popup, item, _T("Eintrag ") + item, TRA_MENUITEM));
    }
  }
  CTraNode* dialogs =
      root->AddChild(std::make_unique<CTraNode>(root, TRA_SECTION_DIALOGS, _T("Dialog"), TRA_DIALOGGROUP));
  for (int d = 0; d < kDialogs; ++d) {
    CString caption;
    caption.Format(_T("Dialog %d"), d);
    RECT r = {0, 0, 300, 200};
    CTraNode* dlg = dialogs->AddChild(
        std::make_unique<CTraNode>(dialogs, caption, caption + _T(" (de)"), TRA_DIALOG, 0, 0x10C80080, r, r));
    dlg->GetLayout()->m_strFontFace = _T("MS Sans Serif");
    dlg->GetLayout()->m_nFontSize = 8;
    for (int c = 0; c < kControlsPerDialog; ++c) {
      CString text;
      text.Format(_T("Control %d"), c);
      RECT cr = {5, 5 + 10 * c, 100, 14 + 10 * c};
      dlg->AddChild(
          std::make_unique<CTraNode>(dlg, text, _T("Element ") + text, TRA_PUSHBUTTON, 0, 0x50010000, cr, cr));
    }
  }
  CTraNode* strings =
      root->AddChild(std::make_unique<CTraNode>(root, TRA_SECTION_STRINGS, _T("String Table"), TRA_STRINGGROUP));
  int n = 0;
  for (int t = 0; t < kTables; ++t) {
    CString name;
    name.Format(TRA_STRINGTABLE_NAME, t + 1);
    CTraNode* table = strings->AddChild(std::make_unique<CTraNode>(strings, name, name, TRA_STRINGTABLE));
    for (int s = 0; s < kStringsPerTable; ++s, ++n)
      table->AddChild(std::make_unique<CTraNode>(table, Original(n), Translation(n), TRA_STRING));
  }
  return file;
}

bool WriteMo(const std::string& dir, int count) {
  std::string po = dir + "/bench.po";
  FILE* f = std::fopen(po.c_str(), "w");
  if (!f) return false;
  std::fprintf(f, "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n");
  for (int i = 0; i < count; ++i)
    std::fprintf(f, "msgid \"%s\"\nmsgstr \"%s\"\n\n", Narrow(Original(i)).c_str(), Narrow(Translation(i)).c_str());
  std::fclose(f);
  std::string folder = dir + "/de/LC_MESSAGES";
  std::string cmd = "mkdir -p '" + folder + "' && msgfmt -o '" + folder + "/lwvbench.mo' '" + po + "'";
  return std::system(cmd.c_str()) == 0;
}

}  // namespace

int main() {
  char tmpl[] = "/tmp/lwvbench.XXXXXX";
  if (!mkdtemp(tmpl)) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::string dir = tmpl;
  const CString traPath = CString(dir.c_str()) + _T("/bench.tra");

  auto built = BuildFile();
  const int nodes = built->GetRootNode()->CountNodes();
  Clock::time_point t0 = Clock::now();
  if (!LwWriteLanguageFile(traPath, *built)) {
    std::fprintf(stderr, "write failed: %s\n", Narrow(traPath).c_str());
    return 1;
  }
  const double writeTime = Seconds(t0);

  // Read + index and the same tree built in memory with the model's own
  // calls, in turns.
  const int kReadRounds = 30;
  std::unique_ptr<CTraFile> file;
  bool readFailed = false;
  const lwbench::PairedRounds reading = lwbench::TimeInTurns(
      kReadRounds,
      [&] {
        file.reset(new CTraFile);
        if (!LwReadLanguageFile(traPath, *file, LW_READ_WHOLE)) readFailed = true;
        file->BuildStringIndex();
      },
      [&] { built = BuildFile(); });
  if (readFailed) return 1;
  const double readTime = reading.a.Min();

  // A language switch merges the running file into the new one.
  std::unique_ptr<CTraFile> other(file->Clone());
  t0 = Clock::now();
  other->UpdateFrom(*file);
  const double mergeTime = Seconds(t0);

  const int count = kTables * kStringsPerTable;
  std::vector<CString> keys;
  std::vector<std::string> narrowKeys;
  for (int i = 0; i < count; ++i) {
    keys.push_back(Original(i));
    narrowKeys.push_back(Narrow(Original(i)));
  }

  // Keys in file order (a program loading its strings again and again) and
  // in a scattered order (every lookup far from the last one).
  std::vector<size_t> order[2];
  for (int i = 0; i < kLookups; ++i) {
    order[0].push_back(static_cast<size_t>(i) % keys.size());
    order[1].push_back(static_cast<size_t>(i) * 7919 % keys.size());
  }
  if (!WriteMo(dir, count)) {
    std::fprintf(stderr, "msgfmt failed\n");
    return 1;
  }
  setenv("LANGUAGE", "de", 1);
  setenv("LC_ALL", "C.UTF-8", 1);
  if (!setlocale(LC_ALL, "C.UTF-8")) {
    std::fprintf(stderr, "no C.UTF-8 locale\n");
    return 1;
  }
  bindtextdomain("lwvbench", dir.c_str());
  bind_textdomain_codeset("lwvbench", "UTF-8");
  const char* probe = dgettext("lwvbench", narrowKeys[5].c_str());
  if (Narrow(Translation(5)) != probe) {
    std::fprintf(stderr, "dgettext does not translate (got \"%s\")\n", probe);
    return 1;
  }

  // Each round looks up a slice of the order on both sides in turn.
  const int kLookupRounds = 40;
  const size_t slice = static_cast<size_t>(kLookups / kLookupRounds);
  size_t checksum = 0, gettextChecksum = 0;
  lwbench::PairedRounds lookups[2];
  for (int o = 0; o < 2; ++o) {
    size_t from = 0;
    lookups[o] = lwbench::TimeInTurns(
        kLookupRounds,
        [&] {
          for (size_t i = from; i < from + slice; ++i) {
            CString text = keys[order[o][i]];
            if (TranslateTextIn(file.get(), text, TRA_PART_WHOLE)) checksum += static_cast<size_t>(text.GetLength());
          }
        },
        [&] {
          for (size_t i = from; i < from + slice; ++i)
            gettextChecksum += std::strlen(dgettext("lwvbench", narrowKeys[order[o][i]].c_str()));
          from += slice;
        });
  }

  CFileStatus status;
  CFile::GetStatus(traPath, status);
  std::printf("language file: %d nodes, %d strings, %llu bytes\n", nodes, count, status.m_size);
  std::printf("write:                         %8.2f ms\n", writeTime * 1e3);
  std::printf("version update (merge):        %8.2f ms\n", mergeTime * 1e3);
  std::printf("read + string index against building the tree in memory:\n");
  lwbench::PrintPaired("read + index", "build", reading);
  std::printf("read + string index:           %8.2f ms (fastest of %d), goal <= %.1f ms: %s\n", readTime * 1e3,
              kReadRounds, kReadGoalMs, readTime * 1e3 <= kReadGoalMs ? "met" : "MISSED");
  std::printf("ratio read + index / build:    %8.2f (of the medians), goal <= %.1f: %s\n", reading.RatioOfMedians(),
              kReadGoalRatio, reading.RatioOfMedians() <= kReadGoalRatio ? "met" : "MISSED");
  const char* names[2] = {"in file order", "scattered"};
  for (int o = 0; o < 2; ++o) {
    std::printf("%d lookups %s, %zu per round (%.1f ns each in the fastest rounds):\n", kLookups, names[o], slice,
                lookups[o].a.Min() * 1e9 / static_cast<double>(slice));
    lwbench::PrintPaired("lwv", "dgettext", lookups[o]);
  }
  if (checksum != gettextChecksum) std::printf("warning: results differ (%zu vs %zu)\n", checksum, gettextChecksum);
  std::string cleanup = "rm -rf '" + dir + "'";
  return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
