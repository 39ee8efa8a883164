// The controller's test fixture: a view that keeps the header texts as the
// dialog's edits do and records what it was asked, a seam that answers
// from queues, and a scratch folder with script A.
#pragma once

#include "MakerController.h"
#include "ProjectFile.h"
#include "ScanFixtures.h"
#include "TraFile.h"
#include "UiTestKit.h"
#include "WeaveMakerIds.h"

#include <gtest/gtest.h>

using namespace scantest;

namespace makertest {

// Keeps the header texts as the dialog's edits do.
class CRecordingView : public IMakerView {
 public:
  void FillHeaderEdits() override {
    ++fills;
    const CWizardProject* project = maker->GetProject();
    if (!project) {  // the edits are emptied
      name = version = language = CString();
      return;
    }
    const CTraFile& file = *project->GetTraFile();
    name = file.GetProgramName();
    version = file.GetProgramVersion();
    language = file.GetLanguageName();
  }
  void CopyHeaderEdits() override {
    ++copies;
    CTraFile& file = *maker->GetProject()->GetTraFile();
    file.SetProgramName(name);
    file.SetProgramVersion(version);
    file.SetLanguageName(language);
  }
  void Refresh() override { ++refreshes; }
  void ShowProblems(const CString& log) override { problems = log; }
  void ProjectFolderChanged(const CString& folder) override { this->folder = folder; }
  void FlagChanged() override { ++flags; }
  bool ConfigureAddOn(const CString& name, CString& description, CString& exportPath) override {
    configured.push_back(name);
    if (configAnswers.empty()) return false;
    const std::pair<CString, CString> answer = configAnswers.front();
    configAnswers.erase(configAnswers.begin());
    description = answer.first;
    exportPath = answer.second;
    return true;
  }
  WizardScanServices ScanServices() override {
    WizardScanServices s;
    s.capture = &capture;
    return s;
  }

  CMakerController* maker = nullptr;
  CString name, version, language;
  int fills = 0, copies = 0, refreshes = 0, flags = 0;
  CString problems, folder;
  std::vector<CString> configured;
  std::vector<std::pair<CString, CString>> configAnswers;
  CWatchedCapture capture;
};

inline LwFlagChoice Germany() {
  LwFlagChoice flag;
  flag.langId = 0x0407;
  flag.pixels.assign(1024, 0x0000FF);
  return flag;
}

class MakerControllerTest : public ScriptAFolderTest {
 protected:
  void SetUp() override {
    ScriptAFolderTest::SetUp();
    if (HasFatalFailure()) return;
    m_view.maker = &m_maker;
    m_maker.text = [](UINT id) {
      CString s;
      s.Format(id == IDS_SCRIPTS_NOT_ADDED ? _T("#%u %%d ") : _T("#%u %%s %%s"), id);
      return s;
    };
  }
  // A new project with a flag and script A, as the command line makes it.
  void NewWithScript() {
    m_ui.QueueFlag(Germany());
    m_maker.NewProject(m_folder + _T("Sample.lwp"));
    ASSERT_NE(nullptr, m_maker.GetProject());
    m_view.language = _T("Deutsch");
    CArray<CString> scripts;
    scripts.Add(m_folder + _T("A.rc"));
    m_maker.InsertScripts(scripts);
  }
  // Add-on file extra.txt of the project's folder, exported to "doc\".
  void InsertConfiguredAddOn() {
    WriteText(m_folder + _T("extra.txt"), "x");
    m_view.configAnswers.push_back({_T("Info"), _T("doc\\")});
    CArray<CString> files;
    files.Add(m_folder + _T("extra.txt"));
    m_maker.InsertAddOnFiles(files);
  }
  std::string MessageId(size_t i) const {
    if (i >= m_ui.Messages().size()) return "none";
    const std::string text = Utf8(m_ui.Messages()[i].text);
    return text.substr(0, text.find(' '));
  }

  lwtest::Watchdog m_dog{60};  // a window the seam missed would wait forever
  CRecordingView m_view;
  CMakerController m_maker{m_ui, m_view};
};

}  // namespace makertest
