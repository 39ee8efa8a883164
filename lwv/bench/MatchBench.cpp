// Times finding one live dialog among 2,000 "Dialoge" entries by its texts.
// Not a test: prints microseconds per match.
#include "DialogMatcher.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

namespace {

const TCHAR* kCommon[] = {_T("OK"), _T("Abbrechen"), _T("&Hilfe"), _T(""), _T("&Name:"), _T("&Datei:"),
                          _T("Optionen"), _T("\u00DCbernehmen"), _T("&Ja"), _T("&Nein"), _T("Static"), _T("...")};

struct Live {
  CString caption;
  std::vector<CString> texts;
};

double TimeMatches(const CTraNode* section, const std::vector<Live>& dialogs, int rounds, int& found,
                   bool useIndex = true) {
  found = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int r = 0; r < rounds; ++r) {
    const Live& live = dialogs[static_cast<size_t>(r) % dialogs.size()];
    CDialogMatcher m;
    m.SetControls(live.caption, live.texts.data(), static_cast<int>(live.texts.size()));
    if (m.FindBestNode(section, useIndex)) ++found;
  }
  const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
  return took.count() / rounds;
}

}  // namespace

int main() {
  std::mt19937 rng(2026);
  std::unique_ptr<CTraNode> section(new CTraNode(nullptr, TRA_SECTION_DIALOGS, _T("Dialog"), TRA_DIALOGGROUP));
  std::vector<Live> present, absent;
  for (int d = 0; d < 2000; ++d) {
    CString caption;
    caption.Format(_T("Dialog %d"), d);
    CTraNode* entry = section->AddChild(std::make_unique<CTraNode>(section.get(), caption, caption, TRA_DIALOG));
    Live live;
    live.caption = caption;
    const int n = 3 + static_cast<int>(rng() % 28);
    for (int i = 0; i < n; ++i) {
      CString text;
      if (rng() % 3 == 0)
        text = kCommon[rng() % 12];
      else
        text.Format(_T("Text %d.%d"), d, i);
      entry->AddChild(std::make_unique<CTraNode>(entry, text, text, TRA_STATIC));
      live.texts.push_back(text);
    }
    present.push_back(live);
    // A dialog of the same shape that has no entry (every entry is compared).
    Live other = live;
    other.caption.Format(_T("Fremd %d"), d);
    for (CString& t : other.texts)
      if (t.Find(_T("Text ")) == 0) t.Insert(0, _T("X"));
    absent.push_back(other);
  }
  std::shuffle(present.begin(), present.end(), rng);
  int found = 0;
  const int rounds = 20000;
  const double known = TimeMatches(section.get(), present, rounds, found);
  std::printf("match among 2000 entries, dialog present: %.2f us per match (%d of %d found)\n", known, found, rounds);
  const double unknown = TimeMatches(section.get(), absent, rounds, found);
  std::printf("match among 2000 entries, no entry fits:  %.2f us per match (%d of %d found)\n", unknown, found, rounds);
  const double cold = TimeMatches(section.get(), present, 2000, found, false);
  std::printf("match among 2000 entries, hashes made per call: %.2f us per match\n", cold);
  return 0;
}
