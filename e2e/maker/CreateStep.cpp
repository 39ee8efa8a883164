// The road's first step: a fresh work folder with the sample's script and
// the headers it includes; WeaveMaker started there with "-p Sample" makes
// the project from Sample.rc (Germany picked in the flag picker), the find
// and colour dialogs and the message box are chosen, and the project, the
// language file and the test language file are saved. Read back with the
// models: header, language id, flag, options, texts and markers.
#include "E2eWork.h"
#include "MakerSession.h"
#include "SavedFiles.h"
#include "StdDlgModels.h"
#include "TestMarkers.h"
#include "TestPaths.h"
#include "WeaveMakerDlg.h"
#include "WeaveMakerIds.h"

#include <gtest/gtest.h>

namespace {

using e2e::OnMaker;

CString Work(const TCHAR* name) { return CString(e2e::WorkFolder()) + name; }
bool Exists(const CString& path) { return ::GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES; }

// The standard dialogs the sample uses, ticked in the settings dialog.
const int kChosenBoxes[] = {IDC_STD_FIND, IDC_STD_COLOR, IDC_STD_BUTTONS};

TEST(E2eMakerCreate, ProjectFromTheSampleScriptSavedWithBothLanguageFiles) {
  lwtest::Watchdog dog(150);
  ASSERT_TRUE(lwtest::MakeFolder(e2e::WorkFolder()));
  lwtest::ClearFolder(e2e::WorkFolder());  // what a killed earlier run left goes too
  for (const char* source : {"samples/Sample.rc", "samples/resource.h", "framework/win32/FrameworkIds.h"})
    e2e::CopySource(source, e2e::WorkFolder());
  ASSERT_FALSE(HasFatalFailure());

  std::vector<lwtest::Step> steps = {
      e2e::AnswerBox(_T("Sample.rc"), IDYES, "maker_create_ask"),
  };
  for (lwtest::Step& s : e2e::PickCountry(_T("Germany"), "maker_create_flag")) steps.push_back(std::move(s));
  steps.push_back(OnMaker(
      _T("the new project, scanned"),
      [](CWeaveMakerDlg& dlg) { return dlg.Controller().GetProject() && !dlg.Controller().GetProblems().IsEmpty(); },
      [](CWeaveMakerDlg& dlg) {
        EXPECT_EQ(CString(_T("Lingoweave Wizard - Sample.lwp *")), lwtest::WindowText(dlg.m_hWnd));
        EXPECT_EQ(std::vector<CString>{_T("Sample.rc")}, lwtest::ListItems(::GetDlgItem(dlg.m_hWnd, IDC_RC_LIST)));
        EXPECT_EQ(CString(_T("Deutsch")), lwtest::ItemText(dlg.m_hWnd, IDC_LANGUAGE_NAME));
        EXPECT_EQ(CString(_T("Ressourcen-Scan erfolgreich durchgef\u00FChrt !")),
                  lwtest::ItemText(dlg.m_hWnd, IDC_PROBLEMS));
        e2e::Shot(dlg.m_hWnd, "maker_create_page0");
        e2e::ChooseMenu(dlg, ID_STANDARD_DIALOGS);
      }));
  steps.push_back(lwtest::When(_T("the standard dialogs"), lwtest::Captioned(_T("Einzubeziehende Standard-Dialoge")),
                               [](HWND d) {
                                 for (int id : kChosenBoxes)
                                   ::SendDlgItemMessage(d, id, BM_SETCHECK, BST_CHECKED, 0);
                                 e2e::Shot(d, "maker_create_stddialogs");
                                 ::PostMessage(d, WM_COMMAND, IDOK, 0);
                               }));
  steps.push_back(OnMaker(
      _T("the project scanned with the standard dialogs"),
      [](CWeaveMakerDlg& dlg) {
        return dlg.Controller().GetProject()->GetTraFile()->GetStdDialogOptions()[LWV_OPTION_MESSAGEBOX] != 0;
      },
      [](CWeaveMakerDlg& dlg) {
        e2e::ShotPages(dlg, "maker_create");
        e2e::ClickButton(dlg, IDC_PROJECT_SAVE);
        ASSERT_TRUE(Exists(Work(e2e::kProject)));
        e2e::ChooseMenu(dlg, ID_TRA_SAVE);
      }));
  steps.push_back(OnMaker(
      _T("the language files saved"), [](CWeaveMakerDlg& dlg) { return !dlg.Controller().State().languageFileModified; },
      [](CWeaveMakerDlg& dlg) {
        EXPECT_EQ(CString(_T("Lingoweave Wizard - Sample.lwp")), lwtest::WindowText(dlg.m_hWnd));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, IDC_PROJECT_SAVE)));
      }));
  steps.push_back(e2e::CloseMaker());
  EXPECT_TRUE(e2e::RunWeaveMaker(_T("-p Sample"), e2e::WorkFolder(), std::move(steps)));
  EXPECT_TRUE(e2e::LibraryMessages().empty()) << CStringA(e2e::LibraryMessages()[0]).GetString();

  // The project: the script, relative to it.
  std::unique_ptr<CWizardProject> project = e2e::ReadProject(Work(e2e::kProject));
  ASSERT_NE(nullptr, project);
  ASSERT_EQ(1, project->GetRcFileCount());
  EXPECT_EQ(CString(_T("Sample.rc")), project->GetRcFile(0));
  EXPECT_EQ(CString(e2e::kOriginal), project->GetTraPath());

  // The original language file.
  std::unique_ptr<CTraFile> original = e2e::ReadLanguageFile(Work(e2e::kOriginal));
  ASSERT_NE(nullptr, original);
  EXPECT_EQ(0x0407, original->GetLanguageId());
  EXPECT_TRUE(e2e::HasCountryFlag(*original, _T("Germany")));
  EXPECT_TRUE(original->IsOriginal());
  EXPECT_TRUE(original->GetWizardMark());
  EXPECT_EQ(TRA_VERSION, original->GetVersion());
  EXPECT_EQ(CString(_T("Sample")), original->GetProgramName());
  EXPECT_EQ(CString(_T("1.0")), original->GetProgramVersion());
  EXPECT_EQ(CString(_T("Deutsch")), original->GetLanguageName());
  const BYTE* options = original->GetStdDialogOptions();
  for (int option = 0; option < TRA_OPTION_COUNT; ++option) {
    const bool chosen = option == LWV_STDDLG_FIND || option == LWV_STDDLG_COLOR || option == LWV_OPTION_MESSAGEBOX;
    EXPECT_EQ(chosen ? 1 : 0, options[option]) << "option " << option;
  }
  const CTraNode* root = original->GetRootNode();
  ASSERT_NE(nullptr, root);
  // The chosen standard dialogs and the message box are in, the others not.
  EXPECT_EQ(1u, e2e::NodesWith(root, LwGetStdDlgKindName(LWV_STDDLG_FIND)).size());
  EXPECT_EQ(1u, e2e::NodesWith(root, LwGetStdDlgKindName(LWV_STDDLG_COLOR)).size());
  EXPECT_EQ(1u, e2e::NodesWith(root, TRA_MESSAGEBOX_NAME).size());
  EXPECT_EQ(0u, e2e::NodesWith(root, LwGetStdDlgKindName(LWV_STDDLG_REPLACE)).size());
  EXPECT_EQ(0u, e2e::NodesWith(root, LwGetStdDlgKindName(LWV_STDDLG_FONT)).size());
  // The script's menu, dialogs and strings, each text its own translation.
  struct Text {
    const TCHAR* original;
    int kind;
  };
  const Text texts[] = {
      {_T("&Suchen..."), TRA_MENUITEM},
      {e2e::kChangedTextBefore, TRA_MENUITEM},
      {_T("&Datei"), TRA_POPUP},
      {_T("Eingaben"), TRA_DIALOG},
      {_T("&Benachrichtigung senden"), TRA_CHECKBOX},
      {_T("Anschrift"), TRA_DIALOG},
      {_T("&Vorname:"), TRA_STATIC},
      {_T("Die Verbindung wurde unterbrochen."), TRA_STRING},
  };
  for (const Text& t : texts) {
    const std::vector<const CTraNode*> nodes = e2e::NodesWith(root, t.original, t.kind);
    ASSERT_EQ(1u, nodes.size()) << CStringA(t.original).GetString();
    EXPECT_EQ(CString(t.original), nodes[0]->GetTranslation());
  }
  EXPECT_EQ(0u, e2e::NodesWith(root, e2e::kNewDialogCaption).size());
  // An original asks for no translation: nothing is marked.
  EXPECT_EQ(0, e2e::CountMarked(root));

  // The test file: the same tree, every translation marked.
  std::unique_ptr<CTraFile> test = e2e::ReadLanguageFile(Work(e2e::kTestFile));
  ASSERT_NE(nullptr, test);
  EXPECT_EQ(0x0407, test->GetLanguageId());
  EXPECT_TRUE(e2e::HasCountryFlag(*test, _T("Germany")));
  EXPECT_EQ(CString(_T("Deutsch (test)")), test->GetLanguageName());
  ASSERT_TRUE(project->m_bReplaceLineStart || project->m_bReplaceLineEnd) << "no markers";
  for (const Text& t : texts) {
    const std::vector<const CTraNode*> nodes = e2e::NodesWith(test->GetRootNode(), t.original, t.kind);
    ASSERT_EQ(1u, nodes.size()) << CStringA(t.original).GetString();
    const CString marked = MarkTestText(t.original, project->m_bReplaceLineStart, project->m_strLineStart,
                                        project->m_bReplaceLineEnd, project->m_strLineEnd);
    EXPECT_EQ(marked, nodes[0]->GetTranslation());
    EXPECT_NE(CString(t.original), marked);
  }
}

}  // namespace
