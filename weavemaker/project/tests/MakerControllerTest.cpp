// The main dialog's commands over scratch projects, the seam answering:
// the bound of 50 scripts, Save As moving relative paths, a failed open,
// a cancelled or failing flag picker, closing with failed saves, add-on
// files refused, full, unreadable and with bad export paths, and the
// command line.
#include "MakerControllerFixture.h"

using namespace makertest;

namespace {

TEST_F(MakerControllerTest, NewProjectTakesTheFlagAndHeader) {
  NewWithScript();
  CWizardProject& p = *m_maker.GetProject();
  EXPECT_EQ("Sample.tra", Utf8(p.GetTraPath()));
  EXPECT_EQ("A.rc", Utf8(p.GetRcFile(0)));
  EXPECT_EQ(0x0407, p.GetTraFile()->GetLanguageId());
  EXPECT_EQ(0x0000FFu, p.GetTraFile()->GetFlagPixel(0));
  EXPECT_NE(nullptr, p.GetTraFile()->GetRootNode());
  EXPECT_TRUE(m_maker.State().projectModified);
  EXPECT_TRUE(m_maker.State().languageFileModified);
  EXPECT_TRUE(m_maker.IsLoaded());
  EXPECT_EQ(Utf8(m_folder), Utf8(m_view.folder));
  EXPECT_EQ(1, m_ui.FlagQuestions());
}

TEST_F(MakerControllerTest, CancelInThePickerAbandonsNew) {
  m_ui.QueueFlagCancel();
  m_maker.NewProject(m_folder + _T("Sample.lwp"));
  EXPECT_EQ(nullptr, m_maker.GetProject());
  EXPECT_EQ(1, m_ui.FlagQuestions());  // asked once, not again and again
  EXPECT_FALSE(m_maker.IsLoaded());
  EXPECT_FALSE(m_maker.Flags().projectModified);
}

TEST_F(MakerControllerTest, TheFiftyFirstScriptIsRefusedAndCounted) {
  NewWithScript();
  CArray<CString> scripts;
  for (int i = 0; i < 52; ++i) scripts.Add(m_folder + _T("A.rc"));
  m_ui.QueueMessageAnswer(IDOK);
  m_maker.InsertScripts(scripts);
  EXPECT_EQ(50, m_maker.GetProject()->GetRcFileCount());
  ASSERT_EQ(1u, m_ui.Messages().size());
  EXPECT_EQ("#2062", MessageId(0));
  EXPECT_NE(std::string::npos, Utf8(m_ui.Messages()[0].text).find(" 3 "));
}

TEST_F(MakerControllerTest, SaveAsMovesRelativePaths) {
  NewWithScript();
  InsertConfiguredAddOn();
  const CString sub = FreshFolder("MakerSaveAsTarget");
  m_ui.QueueFile(sub + _T("Moved.lwp"));
  ASSERT_TRUE(m_maker.OnProjectSaveAs());
  CWizardProject& p = *m_maker.GetProject();
  EXPECT_EQ(Utf8(sub + _T("Moved.lwp")), Utf8(p.GetProjectPath()));
  // Relative to the new folder, they still name the same files.
  const CString script = p.GetRcFile(0);
  EXPECT_EQ("..", Utf8(script.Left(2)));
  EXPECT_TRUE(Exists(p.ResolvePath(script)));
  EXPECT_EQ(Utf8(script.Left(script.GetLength() - 4) + _T("Sample.tra")), Utf8(p.GetTraPath()));
  EXPECT_EQ(Utf8(script.Left(script.GetLength() - 4)), Utf8(p.GetTraFile()->GetAddOnFiles()->GetAt(0)->GetStoredPath()));
  EXPECT_FALSE(m_maker.State().projectModified);
  EXPECT_TRUE(Exists(sub + _T("Moved.lwp")));
  // Reopened from there, the scripts are found again.
  m_maker.OpenProject(sub + _T("Moved.lwp"));
  ASSERT_NE(nullptr, m_maker.GetProject());
  EXPECT_NE(nullptr, m_maker.GetProject()->GetTraFile()->GetRootNode());
  EXPECT_EQ(std::string::npos, Utf8(m_view.problems).find("A.rc"));
}

TEST_F(MakerControllerTest, SaveAsAgainKeepsThePathsShort) {
  NewWithScript();
  InsertConfiguredAddOn();
  m_ui.QueueFile(FreshFolder("MakerSaveAsFirst") + _T("Moved.lwp"));
  ASSERT_TRUE(m_maker.OnProjectSaveAs());
  CWizardProject& p = *m_maker.GetProject();
  const CString script = p.GetRcFile(0), tra = p.GetTraPath();
  const CString addOn = p.GetTraFile()->GetAddOnFiles()->GetAt(0)->GetStoredPath();
  // From a sister folder the same way back: "..\first\..\" is no part of it.
  m_ui.QueueFile(FreshFolder("MakerSaveAsSecond") + _T("Moved.lwp"));
  ASSERT_TRUE(m_maker.OnProjectSaveAs());
  EXPECT_EQ(Utf8(script), Utf8(p.GetRcFile(0)));
  EXPECT_EQ(Utf8(tra), Utf8(p.GetTraPath()));
  EXPECT_EQ(Utf8(addOn), Utf8(p.GetTraFile()->GetAddOnFiles()->GetAt(0)->GetStoredPath()));
  EXPECT_TRUE(Exists(p.ResolvePath(p.GetRcFile(0))));
}

TEST_F(MakerControllerTest, AFailedSaveAsLeavesEveryPathAsItWas) {
  NewWithScript();
  InsertConfiguredAddOn();
  CWizardProject& p = *m_maker.GetProject();
  const CString project = p.GetProjectPath(), script = p.GetRcFile(0), tra = p.GetTraPath();
  const CString addOn = p.GetTraFile()->GetAddOnFiles()->GetAt(0)->GetStoredPath();
  // A folder that is not there: the project file cannot be written.
  m_ui.QueueFile(FreshFolder("MakerSaveAsMissing") + _T("gone") + m_folder.Right(1) + _T("Moved.lwp"));
  m_ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(m_maker.OnProjectSaveAs());
  EXPECT_EQ(Utf8(project), Utf8(p.GetProjectPath()));
  EXPECT_EQ(Utf8(script), Utf8(p.GetRcFile(0)));
  EXPECT_EQ(Utf8(tra), Utf8(p.GetTraPath()));
  EXPECT_EQ(Utf8(addOn), Utf8(p.GetTraFile()->GetAddOnFiles()->GetAt(0)->GetStoredPath()));
}

TEST_F(MakerControllerTest, AFailedOpenLeavesNoProject) {
  NewWithScript();
  m_ui.QueueMessageAnswer(IDNO);  // do not save the modified project
  WriteText(m_folder + _T("Broken.lwp"), "not a project");
  m_ui.QueueMessageAnswer(IDOK);
  m_maker.OpenProject(m_folder + _T("Broken.lwp"));
  EXPECT_EQ(nullptr, m_maker.GetProject());
  EXPECT_FALSE(m_maker.IsLoaded());
  EXPECT_FALSE(m_maker.State().projectModified);
  EXPECT_FALSE(m_maker.State().languageFileModified);
  ASSERT_EQ(2u, m_ui.Messages().size());
  EXPECT_EQ("#122", MessageId(0));
  EXPECT_EQ("#2063", MessageId(1));
  EXPECT_TRUE(m_maker.QuerySave());  // nothing left to ask about
}

// This fixture's texts carry two conversions; a message that fills one is
// shown as the text with its value below, never formatted with a missing one.
TEST_F(MakerControllerTest, ATextWhoseConversionsDifferIsNotUsedAsAFormat) {
  WriteText(m_folder + _T("Broken.lwp"), "not a project");
  m_ui.QueueMessageAnswer(IDOK);
  m_maker.OpenProject(m_folder + _T("Broken.lwp"));
  ASSERT_EQ(1u, m_ui.Messages().size());
  const CString& text = m_ui.Messages()[0].text;
  EXPECT_EQ(0, text.Find(_T("#2063 %s %s\n"))) << Utf8(text);
  EXPECT_NE(-1, text.Find(_T("Broken.lwp"))) << Utf8(text);
}

TEST_F(MakerControllerTest, ClosingAsksAndStaysWhenASaveFails) {
  NewWithScript();
  // The project file's folder does not exist: the save fails.
  m_maker.GetProject()->SetProjectPath(m_folder + _T("missing\\Sample.lwp"));
  m_ui.QueueMessageAnswer(IDYES);
  m_ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(m_maker.QuerySave());
  EXPECT_EQ("#130", MessageId(0));
  EXPECT_EQ("#2068", MessageId(1));
  EXPECT_TRUE(m_maker.State().projectModified);
  m_ui.QueueMessageAnswer(IDCANCEL);
  EXPECT_FALSE(m_maker.QuerySave());
  m_ui.QueueMessageAnswer(IDNO);
  EXPECT_TRUE(m_maker.QuerySave());
}

TEST_F(MakerControllerTest, ClosingSavesBothWhenAsked) {
  NewWithScript();
  m_ui.QueueMessageAnswer(IDYES);
  EXPECT_TRUE(m_maker.QuerySave());
  EXPECT_TRUE(Exists(m_folder + _T("Sample.lwp")));
  EXPECT_TRUE(Exists(m_folder + _T("Sample.tra")));
  EXPECT_FALSE(m_maker.State().projectModified);
  EXPECT_FALSE(m_maker.State().languageFileModified);
  EXPECT_TRUE(m_maker.QuerySave());
}

TEST_F(MakerControllerTest, IncompleteHeaderOffersOnlyYesNo) {
  NewWithScript();
  m_view.name.Empty();
  m_ui.QueueMessageAnswer(IDNO);
  EXPECT_FALSE(m_maker.QuerySave());
  EXPECT_EQ("#135", MessageId(0));
  EXPECT_EQ(static_cast<UINT>(MB_YESNO), m_ui.Messages()[0].type & MB_TYPEMASK);
  m_ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(m_maker.SaveAndClose());
  EXPECT_EQ("#134", MessageId(1));
  EXPECT_FALSE(Exists(m_folder + _T("Sample.lwp")));
}

TEST_F(MakerControllerTest, StandardDialogChoiceMarksBoth) {
  NewWithScript();
  m_ui.QueueMessageAnswer(IDYES);
  ASSERT_TRUE(m_maker.QuerySave());  // both saved
  BYTE block[256] = {};
  block[20] = 1;
  m_maker.SetStandardDialogOptions(block);
  EXPECT_TRUE(m_maker.State().projectModified);
  EXPECT_TRUE(m_maker.State().languageFileModified);
  EXPECT_EQ(1, m_maker.GetProject()->GetTraFile()->GetStdDialogOptions()[20]);
}

TEST_F(MakerControllerTest, AddOnFilesRefusedUnreadableAndConfigured) {
  NewWithScript();
  WriteText(m_folder + _T("liesmich.txt"), "hallo");
  WriteText(m_folder + _T("Other.TRA"), "x");
  WriteText(m_folder + _T("tra"), "x");
  m_view.configAnswers.push_back({_T("Info"), _T("C:\\windows")});  // refused, asked again
  m_view.configAnswers.push_back({_T("Info"), _T("doc")});
  CArray<CString> files;
  files.Add(m_folder + _T("Other.TRA"));
  files.Add(m_folder + _T("liesmich.txt"));
  files.Add(m_folder + _T("missing.txt"));  // not asked about
  files.Add(m_folder + _T("tra"));  // no extension: allowed, configuration cancelled
  for (int i = 0; i < 3; ++i) m_ui.QueueMessageAnswer(IDOK);
  m_maker.InsertAddOnFiles(files);
  ASSERT_EQ(3u, m_ui.Messages().size());
  EXPECT_EQ("#2031", MessageId(0));
  EXPECT_EQ("#2067", MessageId(1));  // the refused export path
  EXPECT_EQ("#2066", MessageId(2));  // the missing file
  EXPECT_EQ(3u, m_view.configured.size());  // twice liesmich.txt, once tra
  const CAddOnFileList& list = *m_maker.GetProject()->GetTraFile()->GetAddOnFiles();
  ASSERT_EQ(2, list.GetCount());
  EXPECT_EQ("liesmich.txt", Utf8(list.GetAt(0)->GetFileName()));
  EXPECT_EQ("doc\\", Utf8(list.GetAt(0)->GetExportPath()));
  EXPECT_EQ(5, list.GetAt(0)->GetLength());
  EXPECT_EQ("", Utf8(list.GetAt(0)->GetStoredPath()));
  EXPECT_EQ("???\\", Utf8(list.GetAt(1)->GetExportPath()));
  EXPECT_EQ("#2046 %s %s", Utf8(list.GetAt(1)->GetDescription()));
}

TEST_F(MakerControllerTest, FullAddOnListIsReported) {
  NewWithScript();
  WriteText(m_folder + _T("a.txt"), "a");
  CAddOnFileList& list = *m_maker.GetProject()->GetTraFile()->GetAddOnFiles();
  for (int i = 0; i < ADDON_MAX_FILES; ++i) list.Append(new CAddOnFile(_T("x.txt")));
  CArray<CString> files;
  files.Add(m_folder + _T("a.txt"));
  m_ui.QueueMessageAnswer(IDOK);
  m_maker.InsertAddOnFiles(files);
  ASSERT_EQ(1u, m_ui.Messages().size());
  EXPECT_EQ("#2065", MessageId(0));
  EXPECT_EQ(ADDON_MAX_FILES, list.GetCount());
}

TEST_F(MakerControllerTest, AddOnEditsCheckThePathAndMarkBoth) {
  NewWithScript();
  CAddOnFileList& list = *m_maker.GetProject()->GetTraFile()->GetAddOnFiles();
  list.Append(new CAddOnFile(_T("x.txt"), _T("doc\\"), _T("")));
  m_maker.State() = WizardDialogState();
  EXPECT_TRUE(m_maker.SetAddOnDescription(0, _T("neu")));
  EXPECT_TRUE(m_maker.State().languageFileModified);
  EXPECT_TRUE(m_maker.State().projectModified);
  struct Case {
    const TCHAR* path;
    bool accepted;
  } cases[] = {{_T("hilfe"), true}, {_T("\\\\server\\share"), false}, {_T("D:\\x"), false},
               {_T("\\root"), false}, {_T("a|b"), false}, {_T("..\\up\\"), true}};
  for (int i = 0; i < 4; ++i) m_ui.QueueMessageAnswer(IDOK);
  for (const Case& c : cases) {
    EXPECT_EQ(c.accepted, m_maker.LeaveAddOnExportPath(0, c.path)) << Utf8(c.path);  // checked when left
    if (c.accepted) {
      EXPECT_EQ(Utf8(c.path), Utf8(list.GetAt(0)->GetExportPath()));
    }
  }
  EXPECT_EQ("..\\up\\", Utf8(list.GetAt(0)->GetExportPath()));
  EXPECT_FALSE(m_maker.SetAddOnExportPath(3, _T("x")));  // no such file
  EXPECT_EQ(4u, m_ui.Messages().size());
}

TEST_F(MakerControllerTest, CommandLine) {
  auto exists = [this](const CString& path) { return Exists(path); };
  m_ui.QueueMessageAnswer(IDOK);
  m_maker.ProcessCommandLine(_T("-x"), m_folder, exists);
  EXPECT_EQ("#61215", MessageId(0));
  EXPECT_EQ(nullptr, m_maker.GetProject());

  // Only the script: Yes makes the project and scans the script.
  WriteText(m_folder + _T("Sample.rc"), kScriptA);
  m_ui.QueueMessageAnswer(IDYES);
  m_ui.QueueFlag(Germany());
  m_maker.ProcessCommandLine(_T("-p  Sample "), m_folder, exists);
  EXPECT_EQ("#128", MessageId(1));
  ASSERT_NE(nullptr, m_maker.GetProject());
  EXPECT_EQ("Sample.rc", Utf8(m_maker.GetProject()->GetRcFile(0)));
  EXPECT_NE(nullptr, m_maker.GetProject()->GetTraFile()->GetRootNode());
  m_view.language = _T("Deutsch");
  ASSERT_TRUE(m_maker.OnProjectSave());

  // Both present: opened without a question.
  const size_t asked = m_ui.Messages().size();
  m_maker.ProcessCommandLine(_T("-PSample"), m_folder, exists);
  EXPECT_EQ(asked, m_ui.Messages().size());
  ASSERT_NE(nullptr, m_maker.GetProject());
  EXPECT_FALSE(m_maker.State().projectModified);
  EXPECT_EQ("Sample", Utf8(m_maker.GetProject()->GetTraFile()->GetProgramName()));

  // Neither: No leaves everything as it is.
  m_ui.QueueMessageAnswer(IDNO);
  m_maker.ProcessCommandLine(_T("-p Other"), m_folder, exists);
  EXPECT_EQ("#129", MessageId(asked));
  EXPECT_EQ(Utf8(m_folder + _T("Sample.lwp")), Utf8(m_maker.GetProject()->GetProjectPath()));
}

}  // namespace
