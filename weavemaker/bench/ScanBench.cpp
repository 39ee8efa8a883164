// The wizard's scan and save end to end on the reader benchmark's generated
// project: read and tokenize, parse, entries and tree, carry-over, then the
// language file and its test version written. Prints each phase and MB/s
// of script input. Usage: weavemaker_scan_bench [folder] [megabytes]
#include "BenchProject.h"
#include "LanguageFileCommands.h"
#include "LwvPaths.h"
#include "TraFile.h"
#include "WizardProject.h"
#include "WizardScan.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

// The phases as the scan reports them through its progress bar.
class CPhaseClock : public IWizardScanProgress {
 public:
  void Begin(const CString&) override { m_start = std::chrono::steady_clock::now(); }
  void SetPos(int pos) override { m_marks.push_back({pos, std::chrono::steady_clock::now()}); }
  void End() override {}
  // Seconds from the mark at pos to the next mark.
  double Phase(int pos) const {
    for (size_t i = 0; i + 1 < m_marks.size(); ++i)
      if (m_marks[i].first == pos) return Seconds(m_marks[i].second, m_marks[i + 1].second);
    return 0.0;
  }
  double Read() const {  // 0 .. 50: the scripts read and tokenized
    for (const auto& m : m_marks)
      if (m.first == 50) return Seconds(m_start, m.second);
    return 0.0;
  }

 private:
  std::chrono::steady_clock::time_point m_start;
  std::vector<std::pair<int, std::chrono::steady_clock::time_point>> m_marks;
};

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "scanbench-project";
  double megabytes = argc > 2 ? std::atof(argv[2]) : 16.0;
  if (megabytes < 1.0) megabytes = 1.0;
  try {
    std::vector<CString> paths;
    size_t total = 0;
    if (!WriteBenchProject(folder, megabytes, paths, total)) {
      std::fprintf(stderr, "cannot create %s\n", folder.c_str());
      return 1;
    }
    CWizardProject project;
    project.SetProjectPath(CString(CStringA((folder + "/Bench.lwp").c_str())));
    project.SetDefaultTraPath();
    // As the wizard stores them: relative to the project's folder.
    for (const CString& path : paths) project.AddRcFile(MakeRelativePath(MakeFullPath(path), project.GetProjectPath()));
    CTraFile* old = project.GetTraFile();
    old->SetLanguageId(0x0407);
    for (int i = 0; i < TRA_FLAG_PIXELS; ++i) old->SetFlagPixel(i, static_cast<COLORREF>(i));
    BYTE options[TRA_OPTION_COUNT] = {0};
    options[20] = 1;
    old->SetStdDialogOptions(options);

    CResRecordedCapture capture;  // the message box is not recorded: one log line
    capture.RecordSystemMenu({_T("&Restore"), _T("&Move"), _T(""), _T("&Close")});
    CPhaseClock clock;
    WizardScanServices services;
    services.capture = &capture;
    services.progress = &clock;

    const auto t0 = std::chrono::steady_clock::now();
    const CString log = project.ScanResources(services);
    const auto t1 = std::chrono::steady_clock::now();
    CTraFile* file = project.GetTraFile();
    file->SetProgramName(_T("Bench"));
    file->SetProgramVersion(_T("1.0"));
    file->SetLanguageName(_T("Deutsch"));
    CQueuedUiServices ui;
    WizardDialogState state;
    CLanguageFileCommands commands(project, state, ui);
    const bool saved = commands.OnLanguageFileSave();
    const auto t2 = std::chrono::steady_clock::now();
    if (!saved) {
      std::fprintf(stderr, "saving failed: %s\n",
                   ui.Messages().empty() ? "" : CStringA(ui.Messages().back().text).GetString());
      return 1;
    }

    const double mb = static_cast<double>(total) / (1024.0 * 1024.0);
    std::printf("project: %d scripts, %.1f MB, %d nodes, problem log %d characters\n", project.GetRcFileCount(), mb,
                file->GetRootNode()->CountNodes(), log.GetLength());
    std::printf("read %.3f s, parse %.3f s, entries %.3f s, tree and carry-over %.3f s, scan %.3f s: %.1f MB/s\n",
                clock.Read(), clock.Phase(50), clock.Phase(70), clock.Phase(90), Seconds(t0, t1),
                mb / Seconds(t0, t1));
    std::printf("save (language file and test file) %.3f s; end to end %.3f s: %.1f MB/s (goal 30)\n",
                Seconds(t1, t2), Seconds(t0, t2), mb / Seconds(t0, t2));
  } catch (const CException& e) {
    std::fprintf(stderr, "failed: %s\n", CStringA(e.GetErrorMessage()).GetString());
    return 1;
  }
  return 0;
}
