// The language-file commands over a scanned fixture project: both files
// with markers only in the test file, refusals that touch no file, failing
// writes that keep the old files, Save As paths, the test settings and the
// check box.
#include "LwFileInfo.h"
#include "LwvMessage.h"
#include "LwvPaths.h"
#include "ScanFixtures.h"
#include "TestPaths.h"
#include "WizardTexts.h"

#include <gtest/gtest.h>

using namespace scantest;

namespace {

class LanguageFileCommands : public ScriptAFolderTest {
 protected:
  void SetUp() override {
    ScriptAFolderTest::SetUp();
    if (HasFatalFailure()) return;
    MakeProject(m_project, m_folder, {"A.rc"});
    WizardScanServices services;
    services.capture = &m_capture;
    m_project.ScanResources(services);
    m_project.GetTraFile()->SetProgramName(_T("Sample"));
    m_project.GetTraFile()->SetProgramVersion(_T("1.0"));
    m_project.GetTraFile()->SetLanguageName(_T("Deutsch"));
    m_state.languageFileModified = true;
    m_commands.refresh = [this] { ++m_refreshes; };
    m_commands.copyHeaderEdits = [this] { ++m_headerCopies; };
  }
  CString Tra() const { return m_folder + _T("Sample.tra"); }
  CString TestTra() const { return m_folder + _T("Sample_test.tra"); }
  static const CTraNode* InfoDialog(const CTraFile& file) { return file.GetRootNode()->GetChild(1)->GetChild(0); }
  std::string LastMessage() const { return m_ui.Messages().empty() ? "" : Utf8(m_ui.Messages().back().text); }

  CWatchedCapture m_capture;
  CWizardProject m_project;
  WizardDialogState m_state;
  CLanguageFileCommands m_commands{m_project, m_state, m_ui};
  int m_refreshes = 0;
  int m_headerCopies = 0;
};

TEST_F(LanguageFileCommands, SaveWritesBothFilesWithMarkersOnlyInTheTestFile) {
  ASSERT_TRUE(m_commands.OnLanguageFileSave());
  EXPECT_FALSE(m_state.languageFileModified);
  EXPECT_EQ(1, m_refreshes);
  EXPECT_EQ(1, m_headerCopies);
  EXPECT_TRUE(m_ui.Messages().empty());
  CTraFile real, test;
  ASSERT_TRUE(LwReadLanguageFile(Tra(), real, LW_READ_WHOLE));
  ASSERT_TRUE(LwReadLanguageFile(TestTra(), test, LW_READ_WHOLE));
  EXPECT_EQ("Deutsch", Utf8(real.GetLanguageName()));
  EXPECT_EQ("Deutsch (test)", Utf8(test.GetLanguageName()));
  EXPECT_TRUE(real.GetWizardMark());
  EXPECT_TRUE(test.GetWizardMark());
  EXPECT_FALSE(real.GetDate().IsEmpty());
  EXPECT_EQ(real.GetDate(), test.GetDate());
  EXPECT_EQ("Info", Utf8(InfoDialog(real)->GetTranslation()));
  const std::string marked = Utf8(InfoDialog(test)->GetTranslation());
  EXPECT_EQ('X', marked.front()) << marked;
  EXPECT_EQ('Y', marked.back()) << marked;
  EXPECT_EQ("Version 1.0", Utf8(InfoDialog(real)->GetChild(1)->GetTranslation()));
  EXPECT_NE("Version 1.0", Utf8(InfoDialog(test)->GetChild(1)->GetTranslation()));
}

TEST_F(LanguageFileCommands, WithoutTheTestFileOnlyTheLanguageFile) {
  m_project.m_bWriteTestFile = false;
  ASSERT_TRUE(m_commands.OnLanguageFileSave());
  EXPECT_TRUE(Exists(Tra()));
  EXPECT_FALSE(Exists(TestTra()));
}

TEST_F(LanguageFileCommands, ARefusedSaveTouchesNoFile) {
  // No tree: string 61214.
  CWizardProject empty;
  MakeProject(empty, m_folder, {});
  CLanguageFileCommands commands(empty, m_state, m_ui);
  m_ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(commands.OnLanguageFileSave());
  EXPECT_EQ(Utf8(WizardText(kTextNoResources)), LastMessage());
  EXPECT_EQ(0u, LastMessage().find("Sie haben noch keine Ressourcen"));

  // An add-on file whose configuration was cancelled: string 2032.
  WriteText(m_folder + _T("help.txt"), "Hilfe");
  ASSERT_TRUE(m_project.GetTraFile()->GetAddOnFiles()->Add(_T("help.txt"), _T("???\\"), m_folder, _T("x")));
  m_ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(m_commands.OnLanguageFileSave());
  EXPECT_EQ(Utf8(WizardText(kTextAddOnPaths)), LastMessage());

  EXPECT_FALSE(Exists(Tra()));
  EXPECT_FALSE(Exists(TestTra()));
  EXPECT_TRUE(m_state.languageFileModified);
  EXPECT_EQ(0, m_refreshes);
}

TEST_F(LanguageFileCommands, AFailingWriteKeepsTheOldFilesByteForByte) {
  ASSERT_TRUE(m_commands.OnLanguageFileSave());
  const std::vector<BYTE> oldTra = lwtest::ReadFileBytes(Tra());
  ASSERT_FALSE(oldTra.empty());
  m_project.GetTraFile()->SetLanguageName(_T("Neu"));
  m_state.languageFileModified = true;

  // The test file cannot be replaced (a folder stands in its place).
  CFile::Remove(TestTra());
  ASSERT_TRUE(lwtest::MakeFolder(TestTra()));
  m_ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(m_commands.OnLanguageFileSave());
  EXPECT_EQ(Utf8(WizardText(kTextWriteFailed, TestTra())), LastMessage());
  EXPECT_EQ(oldTra, lwtest::ReadFileBytes(Tra())) << "the language file was not touched";
  EXPECT_TRUE(m_state.languageFileModified);

  // The language file cannot be replaced: the message names it.
  m_project.m_bWriteTestFile = false;
  CFile::Remove(Tra());
  ASSERT_TRUE(lwtest::MakeFolder(Tra()));
  m_ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(m_commands.OnLanguageFileSave());
  EXPECT_EQ(Utf8(WizardText(kTextWriteFailed, Tra())), LastMessage());
  EXPECT_TRUE(m_state.languageFileModified);
}

TEST_F(LanguageFileCommands, SaveAsKeepsPathsRelativeToTheProjectOrWhole) {
  ASSERT_TRUE(lwtest::MakeFolder(m_folder + _T("Out")));
  // Cancel changes nothing.
  m_ui.QueueFileCancel();
  EXPECT_FALSE(m_commands.OnLanguageFileSaveAs());
  EXPECT_EQ("Sample.tra", Utf8(m_project.GetTraPath()));
  EXPECT_FALSE(m_state.projectModified);
  ASSERT_EQ(1u, m_ui.FileQuestions().size());
  EXPECT_FALSE(m_ui.FileQuestions()[0].bOpen);
  EXPECT_EQ("tra", Utf8(m_ui.FileQuestions()[0].strDefExt));
  EXPECT_EQ("Weavecraft (*.tra)|*.tra||", Utf8(m_ui.FileQuestions()[0].strFilter));

  // A file below the project's folder: relative, and the project is modified.
  m_ui.QueueFile(m_folder + _T("Out/Other.tra"));
  EXPECT_TRUE(m_commands.OnLanguageFileSaveAs());
  EXPECT_EQ("Out/Other.tra", Utf8(m_project.GetTraPath()));
  EXPECT_TRUE(m_state.projectModified);
  EXPECT_TRUE(Exists(m_folder + _T("Out/Other.tra")));
  EXPECT_TRUE(Exists(m_folder + _T("Out/Other_test.tra")));

  // The same file again: nothing changed in the project.
  m_state.projectModified = false;
  m_ui.QueueFile(m_folder + _T("Out/Other.tra"));
  EXPECT_TRUE(m_commands.OnLanguageFileSaveAs());
  EXPECT_FALSE(m_state.projectModified);

  // Another drive shares no folder with the project: the whole path is kept
  // (here it cannot be written, which the message says).
  CWizardProject onC;
  MakeProject(onC, _T("C:\\Dev\\"), {});
  onC.GetTraFile()->SetRootNode(new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE));
  onC.m_bWriteTestFile = false;
  CLanguageFileCommands commands(onC, m_state, m_ui);
  m_ui.QueueFile(_T("D:\\Elsewhere\\Sample.tra"));
  m_ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(commands.OnLanguageFileSaveAs());
  EXPECT_EQ("D:\\Elsewhere\\Sample.tra", Utf8(onC.GetTraPath()));
  EXPECT_EQ(Utf8(WizardText(kTextWriteFailed, _T("D:\\Elsewhere\\Sample.tra"))), LastMessage());
}

TEST_F(LanguageFileCommands, TestSettingsRefusePercentMarkersAndMarkAChange) {
  std::vector<WizardTestSettings> shown;
  std::vector<WizardTestSettings> typed;
  auto dialog = [&](WizardTestSettings& s) {
    shown.push_back(s);
    if (typed.empty()) return false;
    s = typed.front();
    typed.erase(typed.begin());
    return true;
  };
  // Cancel: nothing changes, the dialog is refreshed.
  m_commands.OnTestSettings(dialog);
  ASSERT_EQ(1u, shown.size());
  EXPECT_EQ("X", Utf8(shown[0].lineStart));
  EXPECT_FALSE(m_state.projectModified);
  EXPECT_EQ(1, m_refreshes);

  // '%' refused with a message; the dialog comes again with what was typed.
  shown.clear();
  WizardTestSettings bad;
  bad.lineStart = _T("%s");
  bad.lineEnd = _T("]");
  WizardTestSettings good = bad;
  good.lineStart = _T("[");
  good.replaceLineEnd = false;
  typed = {bad, good};
  m_ui.QueueMessageAnswer(IDOK);
  m_commands.OnTestSettings(dialog);
  ASSERT_EQ(2u, shown.size());
  EXPECT_EQ("%s", Utf8(shown[1].lineStart));
  EXPECT_EQ(Utf8(WizardText(kTextPercentMarker)), LastMessage());
  EXPECT_EQ("[", Utf8(m_project.m_strLineStart));
  EXPECT_EQ("]", Utf8(m_project.m_strLineEnd));
  EXPECT_FALSE(m_project.m_bReplaceLineEnd);
  EXPECT_TRUE(m_state.projectModified);

  // OK without a change leaves the project unmodified.
  m_state.projectModified = false;
  typed = {good};
  m_commands.OnTestSettings(dialog);
  EXPECT_FALSE(m_state.projectModified);
}

TEST_F(LanguageFileCommands, AMarkerWithPercentFromAProjectFileIsLeftOut) {
  m_project.m_strLineStart = _T("%d");
  ASSERT_TRUE(m_commands.OnLanguageFileSave());
  CTraFile test;
  ASSERT_TRUE(LwReadLanguageFile(TestTra(), test, LW_READ_WHOLE));
  const std::string marked = Utf8(InfoDialog(test)->GetTranslation());
  EXPECT_EQ(std::string::npos, marked.find('%')) << marked;
  EXPECT_EQ('Y', marked.back()) << marked;
}

TEST_F(LanguageFileCommands, TheCheckBoxSetsTheFlagAndMarksBoth) {
  for (int state : {0, 1, 2}) {
    m_state = WizardDialogState();
    m_commands.OnTestCheck(state);
    EXPECT_EQ(state == 1, m_project.m_bWriteTestFile) << state;
    EXPECT_TRUE(m_state.projectModified);
    EXPECT_TRUE(m_state.languageFileModified);
  }
  EXPECT_EQ(3, m_refreshes);
}

}  // namespace

// The current directory as it was, back at the end of a test.
class CurrentDirectoryScope {
 public:
  CurrentDirectoryScope() : m_previous(GetCurrentDirectory()) {}
  ~CurrentDirectoryScope() { ChangeDirectory(m_previous); }

 private:
  CString m_previous;
};

// A project named relative to the current directory: scan and save read
// and write in the project's folder, also after the current directory has
// moved into it (as the dialog moves it), and nowhere else.
TEST(RelativeProjectPath, ScanAndSaveStayInTheProjectFolder) {
  LwvSetMessageHandler([](LPCTSTR) {});
  const CString folder = FreshFolder("RelativeProjectPath");
  ASSERT_FALSE(folder.IsEmpty());
  ASSERT_TRUE(lwtest::MakeFolder(folder + _T("proj")));
  WriteText(folder + _T("proj\\A.rc"), kScriptA);
  CurrentDirectoryScope keep;
  const struct {
    const TCHAR* currentDir;  // below folder
    const TCHAR* projectPath;
  } cases[] = {{_T(""), _T("proj\\Sample.lwp")}, {_T(""), _T("./proj/Sample.lwp")},
               {_T("proj"), _T("..\\proj\\Sample.lwp")}, {_T("proj"), _T("Sample.lwp")}};
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.projectPath));
    for (const TCHAR* name : {_T("Sample.tra"), _T("Sample_test.tra")})
      if (Exists(folder + _T("proj\\") + name)) CFile::Remove(folder + _T("proj\\") + name);
    ChangeDirectory(folder + c.currentDir);
    CWizardProject project;
    project.SetProjectPath(c.projectPath);
    EXPECT_TRUE(IsFullPath(project.GetProjectPath())) << Utf8(project.GetProjectPath());
    EXPECT_EQ("Sample.lwp", Utf8(project.GetProjectFileName()));
    project.SetDefaultTraPath();
    EXPECT_EQ("Sample.tra", Utf8(project.GetTraPath()));
    project.AddRcFile(_T("A.rc"));
    ChangeDirectory(folder + _T("proj"));  // the dialog's move into the project folder

    CWatchedCapture capture;
    WizardScanServices services;
    services.capture = &capture;
    const CString log = project.ScanResources(services);
    EXPECT_EQ(std::string::npos, Utf8(log).find("A.rc")) << Utf8(log);
    ASSERT_NE(nullptr, project.GetTraFile()->GetRootNode());
    project.GetTraFile()->SetProgramName(_T("Sample"));
    project.GetTraFile()->SetProgramVersion(_T("1.0"));
    project.GetTraFile()->SetLanguageName(_T("Deutsch"));
    WizardDialogState state;
    CQueuedUiServices ui;
    CLanguageFileCommands commands(project, state, ui);
    EXPECT_TRUE(commands.OnLanguageFileSave());
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_TRUE(Exists(folder + _T("proj\\Sample.tra")));
    EXPECT_TRUE(Exists(folder + _T("proj\\Sample_test.tra")));
    EXPECT_FALSE(Exists(folder + _T("proj\\proj\\Sample.tra")));
    EXPECT_FALSE(Exists(folder + _T("Sample.tra")));
  }
}
