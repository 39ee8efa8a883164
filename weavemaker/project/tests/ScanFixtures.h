// Fixture projects of the scan and save tests: a scratch folder with
// scripts, recorded captures that also note the library's busy flag, and a
// progress recorder.
#pragma once

#include "LanguageFileCommands.h"
#include "UiServices.h"
#include "ResLibraryCapture.h"
#include "TraFile.h"
#include "WizardProject.h"
#include "WizardScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scantest {

// An emptied scratch folder (with a trailing separator) for one test.
CString FreshFolder(const char* name);
void WriteText(const CString& path, const std::string& text);
bool Exists(const CString& path);

extern const char kScriptA[];  // a dialog and a menu
extern const char kScriptB[];  // a string table and a dialog that cannot be read

// Recorded captures of every kind; each call notes whether the library's
// translation was suspended, and one may throw.
class CWatchedCapture : public CResRecordedCapture {
 public:
  CWatchedCapture();
  bool CaptureMessageBox(ResMessageBoxCapture& out) override;
  bool CaptureStdDialog(int kind, ResStdDialogCapture& out) override;
  bool ReadSystemMenu(std::vector<CString>& items) override;

  std::vector<bool> busyDuringCalls;
  bool throwInMessageBox = false;

 private:
  void Note();
};

class CProgressRecorder : public IWizardScanProgress {
 public:
  void Begin(const CString& caption) override;
  void SetPos(int pos) override;
  void End() override { events.push_back("end"); }
  std::vector<std::string> events;
};

std::string Utf8(const CString& s);

// A project in folder with the given scripts (paths relative to it).
void MakeProject(CWizardProject& project, const CString& folder, const std::vector<const char*>& scripts);

// A test in a fresh folder named after it that holds script A, with the
// library's messages silenced and a seam answering from queues; every
// queued answer must have been asked for when the test ends.
class ScriptAFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  CString m_folder;
  CQueuedUiServices m_ui;
};

// "kind:original" of the children of a group ("Menus" 0, "Dialoge" 1).
std::vector<std::string> GroupNames(const CTraFile& file, int group);

}  // namespace scantest
