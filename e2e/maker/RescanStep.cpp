// The road's version step on WeaveMaker's side: the work folder's Sample.rc
// gets a new dialog and a changed menu text; WeaveMaker started with
// "-p Sample" opens Sample.lwp, scans the script again, and the language
// files are saved. Read back: the new and the changed texts are in, the old
// text is gone, language, flag and options are kept.
#include "E2eWork.h"
#include "MakerSession.h"
#include "SavedFiles.h"
#include "StdDlgModels.h"
#include "TestMarkers.h"
#include "WeaveMakerDlg.h"
#include "WeaveMakerIds.h"
#include "WizardTexts.h"

#include <gtest/gtest.h>

namespace {

CString Work(const TCHAR* name) { return CString(e2e::WorkFolder()) + name; }

std::string Utf8(const CString& text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size > 0 ? size : 1), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

// The developer's change of the script (UTF-8, as Sample.rc is written).
void ChangeScript(const CString& path) {
  std::string script = e2e::ReadBytes(path);
  const std::string before = "\"" + Utf8(e2e::kChangedTextBefore) + "\"";
  const size_t at = script.find(before);
  ASSERT_NE(std::string::npos, at) << "Sample.rc has no " << before;
  script.replace(at, before.size(), "\"" + Utf8(e2e::kChangedTextAfter) + "\"");
  script += "\r\n110 DIALOGEX 0, 0, 180, 60\r\n"
            "STYLE DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU\r\n"
            "CAPTION \"" + Utf8(e2e::kNewDialogCaption) + "\"\r\n"
            "FONT 8, \"MS Shell Dlg\"\r\n"
            "BEGIN\r\n"
            "  LTEXT \"" + Utf8(e2e::kNewDialogText) + "\", -1, 7, 9, 166, 8\r\n"
            "  EDITTEXT 1401, 7, 20, 166, 12, ES_AUTOHSCROLL\r\n"
            "  DEFPUSHBUTTON \"OK\", IDOK, 123, 39, 50, 14\r\n"
            "END\r\n";
  ASSERT_TRUE(e2e::WriteBytes(path, script));
}

// The tree item with this text, below item and its siblings, or null.
HTREEITEM FindTreeItem(HWND tree, HTREEITEM item, const CString& text) {
  for (; item; item = TreeView_GetNextSibling(tree, item)) {
    TCHAR buffer[256] = {0};
    TVITEM tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = buffer;
    tv.cchTextMax = 256;
    TreeView_GetItem(tree, &tv);
    if (text == buffer) return item;
    if (HTREEITEM below = FindTreeItem(tree, TreeView_GetChild(tree, item), text)) return below;
  }
  return nullptr;
}

TEST(E2eMakerRescan, ChangedScriptScannedAgainIntoTheLanguageFiles) {
  lwtest::Watchdog dog(150);
  // Without the first step's files there is nothing to rescan.
  for (const TCHAR* name : {e2e::kScript, e2e::kProject, e2e::kOriginal})
    if (::GetFileAttributes(Work(name)) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no " << CStringA(name).GetString();
  ChangeScript(Work(e2e::kScript));
  ASSERT_FALSE(HasFatalFailure());

  std::vector<lwtest::Step> steps = {
      e2e::OnMaker(
          _T("the opened project, scanned"),
          [](CWeaveMakerDlg& dlg) { return dlg.Controller().GetProject() && !dlg.Controller().GetProblems().IsEmpty(); },
          [](CWeaveMakerDlg& dlg) {
            EXPECT_EQ(CString(_T("Lingoweave Wizard - Sample.lwp")), lwtest::WindowText(dlg.m_hWnd));
            EXPECT_EQ(CString(_T("Ressourcen-Scan erfolgreich durchgef\u00FChrt !")),
                      lwtest::ItemText(dlg.m_hWnd, IDC_PROBLEMS));
            // The new dialog is a node of the tree, selected in the pictures.
            HWND treeWnd = ::GetDlgItem(dlg.m_hWnd, IDC_RESOURCE_TREE);
            HTREEITEM item = FindTreeItem(treeWnd, TreeView_GetRoot(treeWnd), e2e::kNewDialogCaption);
            ASSERT_NE(nullptr, item);
            TreeView_EnsureVisible(treeWnd, item);
            TreeView_SelectItem(treeWnd, item);
            e2e::ShotPages(dlg, "maker_rescan");
            // The scan's progress window, as the scan shows it (the scan
            // itself pumps no messages, so no step sees it then).
            IWizardScanProgress* progress = dlg.ScanServices().progress;
            progress->Begin(WizardText(kTextScanCaption));
            progress->SetPos(50);
            HWND shown = lwtest::FindOwnWindow(WizardText(kTextScanCaption));
            EXPECT_NE(nullptr, shown);
            if (shown) e2e::Shot(shown, "maker_rescan_progress");
            progress->End();
            e2e::ChooseMenu(dlg, ID_TRA_SAVE);
          }),
      e2e::OnMaker(_T("the language files saved"),
                   [](CWeaveMakerDlg& dlg) { return !dlg.Controller().State().languageFileModified; },
                   [](CWeaveMakerDlg&) {}),
      e2e::CloseMaker(),
  };
  EXPECT_TRUE(e2e::RunWeaveMaker(_T("-p Sample"), e2e::WorkFolder(), std::move(steps)));
  EXPECT_TRUE(e2e::LibraryMessages().empty()) << CStringA(e2e::LibraryMessages()[0]).GetString();

  std::unique_ptr<CWizardProject> project = e2e::ReadProject(Work(e2e::kProject));
  ASSERT_NE(nullptr, project);
  for (const TCHAR* name : {e2e::kOriginal, e2e::kTestFile}) {
    SCOPED_TRACE(CStringA(name).GetString());
    std::unique_ptr<CTraFile> file = e2e::ReadLanguageFile(Work(name));
    ASSERT_NE(nullptr, file);
    const bool test = CString(name) == e2e::kTestFile;
    EXPECT_EQ(0x0407, file->GetLanguageId());
    EXPECT_TRUE(e2e::HasCountryFlag(*file, _T("Germany")));
    EXPECT_EQ(CString(test ? _T("Deutsch (test)") : _T("Deutsch")), file->GetLanguageName());
    EXPECT_EQ(1, file->GetStdDialogOptions()[LWV_STDDLG_FIND]);
    EXPECT_EQ(1, file->GetStdDialogOptions()[LWV_OPTION_MESSAGEBOX]);
    const CTraNode* root = file->GetRootNode();
    // The wizard marks nothing; marking is the merge's job.
    EXPECT_EQ(0, e2e::CountMarked(root));
    EXPECT_EQ(0u, e2e::NodesWith(root, e2e::kChangedTextBefore).size());
    EXPECT_EQ(1u, e2e::NodesWith(root, LwGetStdDlgKindName(LWV_STDDLG_COLOR)).size());
    // The new dialog and the changed text, original or marked as the file is.
    struct Text {
      const TCHAR* original;
      int kind;
    };
    for (const Text& t : {Text{e2e::kChangedTextAfter, TRA_MENUITEM}, Text{e2e::kNewDialogCaption, TRA_DIALOG},
                          Text{e2e::kNewDialogText, TRA_STATIC}, Text{_T("&Suchen..."), TRA_MENUITEM}}) {
      const std::vector<const CTraNode*> nodes = e2e::NodesWith(root, t.original, t.kind);
      ASSERT_EQ(1u, nodes.size()) << CStringA(t.original).GetString();
      const CString expected = test ? MarkTestText(t.original, project->m_bReplaceLineStart, project->m_strLineStart,
                                                   project->m_bReplaceLineEnd, project->m_strLineEnd)
                                    : CString(t.original);
      EXPECT_EQ(expected, nodes[0]->GetTranslation());
    }
    // The new dialog's controls below it, in the script's order.
    const CTraNode* dialog = e2e::NodesWith(root, e2e::kNewDialogCaption, TRA_DIALOG)[0];
    ASSERT_GE(dialog->GetChildCount(), 2);
    EXPECT_EQ(CString(e2e::kNewDialogText), dialog->GetChild(0)->GetOriginal());
  }
}

}  // namespace
