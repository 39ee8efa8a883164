// The resource scan over fixture projects: scripts to tree and problem log,
// the entries the library supplies from recorded captures, the carry-over,
// unreadable scripts, progress and the library's busy flag.
#include "LwFileInfo.h"
#include "LwvProgram.h"
#include "LwvMessage.h"
#include "LwvPaths.h"
#include "ResTestUtil.h"
#include "ScanFixtures.h"
#include "StdDlgModels.h"
#include "TestPaths.h"
#include "TranslationManager.h"
#include "WizardTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

using namespace scantest;
typedef std::vector<std::string> Names;

namespace {

using rctest::CIdTexts;  // messages and switch-dialog texts as "[id]"

class WizardScan : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder = FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_FALSE(m_folder.IsEmpty());
    WriteText(m_folder + _T("A.rc"), kScriptA);
    WriteText(m_folder + _T("res/B.rc"), kScriptB);
    m_services.capture = &m_capture;
    m_services.progress = &m_progress;
    m_services.texts = &m_texts;
  }
  void WriteText(const CString& path, const char* text) {
    if (path.Find(_T("res/")) >= 0) {
      ASSERT_TRUE(lwtest::MakeFolder(m_folder + _T("res")));
    }
    scantest::WriteText(path, text);
  }
  CString m_folder;
  CWatchedCapture m_capture;
  CProgressRecorder m_progress;
  CIdTexts m_texts;
  WizardScanServices m_services;
};

TEST_F(WizardScan, ScriptsBecomeTheTreeAndTheProblemLog) {
  CWizardProject project;
  MakeProject(project, m_folder, {"A.rc", "res\\B.rc"});
  // The current directory is elsewhere: scripts are found from the project's folder.
  const CString before = GetCurrentDirectory();
  ChangeDirectory(_T("/"));
  const CString log = project.ScanResources(m_services);
  ChangeDirectory(before);

  const CTraFile& file = *project.GetTraFile();
  ASSERT_NE(nullptr, file.GetRootNode());
  EXPECT_EQ(Names({"3:IDR_MAIN", "3:System Menu"}), GroupNames(file, 0));
  EXPECT_EQ(Names({"1:Info", "30:[1000]"}), GroupNames(file, 1));
  EXPECT_EQ(Names({"6:String Table Section 1"}), GroupNames(file, 2));
  // One line: the message, the script as the project names it, its line.
  const std::string text = Utf8(log);
  EXPECT_EQ(0u, text.find("[113]\r\n- res\\B.rc (6): ")) << text;
  EXPECT_NE(std::string::npos, text.find("IDD_BAD DIALOG 0 , 0 \r\n")) << text;
  EXPECT_EQ(1, std::count(text.begin(), text.end(), '['));
  // Nothing of the old header goes over; the scan writes no file.
  EXPECT_TRUE(file.GetProgramName().IsEmpty());
  EXPECT_FALSE(Exists(m_folder + _T("Sample.tra")));
}

TEST_F(WizardScan, ANewProjectGetsTheSwitchDialogAndTheSystemMenuOnly) {
  CWizardProject project;
  MakeProject(project, m_folder, {"A.rc"});
  m_services.texts = nullptr;  // the program's texts, German
  const CString log = project.ScanResources(m_services);
  EXPECT_EQ(Utf8(WizardText(kTextScanDone)), Utf8(log));
  EXPECT_EQ(u8"Ressourcen-Scan erfolgreich durchgeführt !", Utf8(log));
  const CTraFile& file = *project.GetTraFile();
  EXPECT_EQ(Names({"1:Info", u8"30:Sprache wählen"}), GroupNames(file, 1));
  EXPECT_EQ(Names({"3:IDR_MAIN", "3:System Menu"}), GroupNames(file, 0));
  EXPECT_EQ(std::vector<int>({CResRecordedCapture::kAskedSystemMenu}), m_capture.Asked());
  const CTraNode* system = file.GetRootNode()->GetChild(0)->GetChild(1);
  ASSERT_EQ(1, system->GetChildCount());
  EXPECT_EQ(2, system->GetChild(0)->GetChildCount()) << "the separator makes no node";
}

TEST_F(WizardScan, OptionsTwoAndTwentyAddTheFindAndMessageBoxEntries) {
  CWizardProject project;
  MakeProject(project, m_folder, {"A.rc"});
  BYTE options[TRA_OPTION_COUNT] = {0};
  options[LWV_STDDLG_FIND] = 1;
  options[LWV_OPTION_MESSAGEBOX] = 1;
  options[40] = 1;  // names nothing: ignored
  project.GetTraFile()->SetStdDialogOptions(options);
  project.ScanResources(m_services);
  const CTraFile& file = *project.GetTraFile();
  EXPECT_EQ(Names({"1:Info", "30:[1000]", "1:eStddlgFind", "1:LwvMessageBox"}), GroupNames(file, 1));
  EXPECT_EQ(0, memcmp(options, file.GetStdDialogOptions(), TRA_OPTION_COUNT));
  const CTraNode* find = file.GetRootNode()->GetChild(1)->GetChild(2);
  EXPECT_EQ("Kind 2", Utf8(find->GetTranslation()));
  ASSERT_EQ(LwGetStdDlgModel(LWV_STDDLG_FIND).GetEntryCount(), find->GetChildCount());
  EXPECT_EQ("first", Utf8(find->GetChild(0)->GetTranslation()));
  EXPECT_EQ("", Utf8(find->GetChild(5)->GetTranslation())) << "not captured: empty";
  const CTraNode* box = file.GetRootNode()->GetChild(1)->GetChild(3);
  ASSERT_EQ(LWV_MB_BUTTONS, box->GetChildCount());
  EXPECT_EQ("B11", Utf8(box->GetChild(11)->GetTranslation()));
}

TEST_F(WizardScan, CarriesOverFlagLanguageIdOptionsAndAddOnsAndResetsStates) {
  for (bool withScripts : {true, false}) {
    CWizardProject project;
    MakeProject(project, m_folder, {});
    if (withScripts) project.AddRcFile(_T("A.rc"));
    CTraFile& old = *project.GetTraFile();
    for (int i = 0; i < TRA_FLAG_PIXELS; ++i) old.SetFlagPixel(i, static_cast<COLORREF>(0x10000 + i));
    old.SetLanguageId(0x0407);
    BYTE options[TRA_OPTION_COUNT] = {0};
    options[LWV_STDDLG_COLOR] = 1;
    old.SetStdDialogOptions(options);
    WriteText(m_folder + _T("help.txt"), "Hilfe");
    ASSERT_TRUE(old.GetAddOnFiles()->Add(_T("help.txt"), _T("Hilfe\\"), m_folder, _T("Die Hilfe")));
    old.SetComment(_T("not carried"));

    EXPECT_EQ(withScripts ? Utf8(WizardText(kTextScanDone)) : "", Utf8(project.ScanResources(m_services)));
    const CTraFile& file = *project.GetTraFile();
    EXPECT_NE(&old, &file);
    EXPECT_EQ(0x0407, file.GetLanguageId()) << "with scripts " << withScripts;
    EXPECT_EQ(static_cast<COLORREF>(0x10000 + 517), file.GetFlagPixel(517));
    EXPECT_EQ(1, file.GetStdDialogOptions()[LWV_STDDLG_COLOR]);
    ASSERT_EQ(1, file.GetAddOnFiles()->GetCount());
    EXPECT_EQ("Die Hilfe", Utf8(file.GetAddOnFiles()->GetAt(0)->GetDescription()));
    EXPECT_EQ("Hilfe\\", Utf8(file.GetAddOnFiles()->GetAt(0)->GetExportPath()));
    EXPECT_TRUE(file.GetComment().IsEmpty());
    if (!withScripts) {
      EXPECT_EQ(nullptr, file.GetRootNode());
      continue;
    }
    // Inner nodes 1, leaves 0.
    std::vector<const CTraNode*> stack = {file.GetRootNode()};
    int inner = 0, leaves = 0;
    while (!stack.empty()) {
      const CTraNode* n = stack.back();
      stack.pop_back();
      EXPECT_EQ(n->GetChildCount() > 0 ? 1 : 0, n->GetState()) << Utf8(n->GetOriginal());
      (n->GetChildCount() > 0 ? inner : leaves) += 1;
      for (int i = 0; i < n->GetChildCount(); ++i) stack.push_back(n->GetChild(i));
    }
    EXPECT_GT(inner, 3);
    EXPECT_GT(leaves, 3);
  }
}

// A tree without the entries of a script that cannot be read would replace
// a good one: the scan stops and the project keeps its language file.
TEST_F(WizardScan, AnUnreadableScriptEndsTheScanAndTheProjectKeepsItsFile) {
  CWizardProject project;
  MakeProject(project, m_folder, {"A.rc", "res\\B.rc"});
  project.ScanResources(m_services);
  const CTraFile* good = project.GetTraFile();
  const std::vector<std::string> dialogs = GroupNames(*good, 1);
  ASSERT_EQ(Names({"1:Info", "30:[1000]"}), dialogs);

  for (const char* missing : {"Missing.rc", "res\\Gone.rc"}) {
    CWizardProject moved;
    MakeProject(moved, m_folder, {"A.rc", missing, "res\\B.rc"});
    moved.ScanResources(m_services);  // no tree yet: stays without one
    EXPECT_EQ(nullptr, moved.GetTraFile()->GetRootNode());
  }
  project.RemoveRcFile(_T("res\\B.rc"));
  project.AddRcFile(_T("Missing.rc"));
  project.AddRcFile(_T("res\\B.rc"));
  CString unreadable;
  const std::string text = Utf8(project.ScanResources(m_services, &unreadable));
  EXPECT_EQ("Missing.rc", Utf8(unreadable));
  EXPECT_EQ("[177]\r\n- Missing.rc\r\n", text);  // named as the project stores it
  EXPECT_EQ(good, project.GetTraFile());
  EXPECT_EQ(dialogs, GroupNames(*project.GetTraFile(), 1));
  EXPECT_EQ("end", m_progress.events.back()) << "the progress window goes away";
  // Readable again: the scan goes on as before.
  WriteText(m_folder + _T("Missing.rc"), kScriptA);
  EXPECT_NE(std::string::npos, Utf8(project.ScanResources(m_services, &unreadable)).find("[113]"));
  EXPECT_EQ("", Utf8(unreadable));
  EXPECT_NE(good, project.GetTraFile());
}

TEST_F(WizardScan, ProgressRunsFromZeroOverFiftyToAHundred) {
  CWizardProject project;
  MakeProject(project, m_folder, {"A.rc", "res\\B.rc"});
  m_services.texts = nullptr;
  project.ScanResources(m_services);
  EXPECT_EQ(Names({"begin Lese Resource-Dateien ein...", "0", "25", "50", "70", "90", "100", "end"}),
            m_progress.events);
  // Without scripts no progress window is shown.
  CWizardProject empty;
  m_progress.events.clear();
  empty.ScanResources(m_services);
  EXPECT_TRUE(m_progress.events.empty());
}

// Starts the runtime on the language file at tra.
bool StartRuntime(const CString& tra) {
  LW_STARTPARAMS p;
  std::memset(&p, 0, sizeof(p));
  p.dwSize = sizeof(p);
  lw::StrCpyN(p.szStdFile, tra.GetString(), LW_PATH_CHARS);
  return LWStart(&p) != FALSE;
}

// The library's translation is suspended exactly while the supplied
// entries capture, also when something in between throws.
class WizardScanBusy : public WizardScan {
 protected:
  void SetUp() override {
    WizardScan::SetUp();
    LwvSetMessageHandler([](LPCTSTR) {});
    const CString tra = m_folder + _T("Own.tra");
    CTraFile own(new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE));
    ASSERT_TRUE(LwWriteLanguageFile(tra, own));
    ASSERT_TRUE(StartRuntime(tra));
  }
  void TearDown() override { LWEnd(); }
};

TEST_F(WizardScanBusy, SetAroundTheCapturesAndClearedOnEveryWayOut) {
  CWizardProject project;
  MakeProject(project, m_folder, {"A.rc"});
  BYTE options[TRA_OPTION_COUNT] = {0};
  options[LWV_STDDLG_FONT] = options[LWV_OPTION_MESSAGEBOX] = 1;
  project.GetTraFile()->SetStdDialogOptions(options);
  project.ScanResources(m_services);
  EXPECT_EQ(std::vector<bool>({true, true, true}), m_capture.busyDuringCalls);
  EXPECT_FALSE(LwGetManager()->IsBusy());

  const CTraFile* before = project.GetTraFile();
  m_capture.throwInMessageBox = true;
  EXPECT_THROW(project.ScanResources(m_services), std::bad_alloc);
  EXPECT_FALSE(LwGetManager()->IsBusy());
  EXPECT_EQ(before, project.GetTraFile()) << "the project keeps its file";
  EXPECT_EQ("end", m_progress.events.back()) << "the progress window goes away";
}

#ifndef _WIN32
// The wizard's texts come through the runtime's translation while it runs
// with a language file, and straight from the string table without it.
TEST_F(WizardScan, TextsFollowTheRuntimesLanguageFile) {
  LwvSetMessageHandler([](LPCTSTR) {});
  lw::SetNativeString(kTextScanDone, LW_WSTR("Scan done"));
  CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  CTraNode* strings =
      root->AddChild(std::make_unique<CTraNode>(root, TRA_SECTION_STRINGS, _T("String Table"), TRA_STRINGGROUP));
  CString name;
  name.Format(TRA_STRINGTABLE_NAME, 1);
  CTraNode* table = strings->AddChild(std::make_unique<CTraNode>(strings, name, name, TRA_STRINGTABLE));
  table->AddChild(std::make_unique<CTraNode>(table, _T("Scan done"), _T("Scan fertig"), TRA_STRING));
  CTraFile file(root);
  const CString tra = m_folder + _T("Texts.tra");
  ASSERT_TRUE(LwWriteLanguageFile(tra, file));

  const CString before = WizardText(kTextScanDone);
  ASSERT_TRUE(StartRuntime(tra));
  const CString running = WizardText(kTextScanDone);
  LWEnd();
  const CString after = WizardText(kTextScanDone);
  lw::ClearNativeStrings();
  EXPECT_EQ(CString(_T("Scan done")), before);
  EXPECT_EQ(CString(_T("Scan fertig")), running);
  EXPECT_EQ(CString(_T("Scan done")), after);
}
#endif

}  // namespace
