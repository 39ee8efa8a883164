// WeaveGuide's windows in-process under Wine: the welcome dialog, the sheet
// walked along the roads the page road gives for a few sets of answers
// (forward with Next, back with Back), the scan of a project of our own and
// the pages that show its findings, and a project that cannot be read.
// Modal windows are driven by the UI test kit's driver.
#include "GuideApp.h"
#include "GuideIds.h"
#include "GuidePages.h"
#include "LwvMessage.h"
#include "GuideTexts.h"
#include "PageFlow.h"
#include "UiTestKit.h"
#include "WelcomeDlg.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

using lwtest::Step;
using lwtest::When;

namespace {

const int kWizBack = 0x3023;
const int kWizNext = 0x3024;
const int kWizFinish = 0x3025;

CString FixtureFolder() {
  CString folder(LW_TEST_SOURCE_DIR);
  folder.Replace(_T('/'), _T('\\'));
  return _T("Z:") + folder + _T("\\demo\\");
}

CString LanguageFolder() {
  CString folder(LW_BINARY_DIR);
  folder.Replace(_T('/'), _T('\\'));
  folder += _T("\\guide_wine");
  CreateDirectory(folder, nullptr);
  return folder;
}

HWND Sheet() { return lwtest::FindOwnWindowIf(lwtest::IsPropertySheet); }

HWND ActivePageWindow(HWND sheet) { return reinterpret_cast<HWND>(SendMessage(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

int ActivePageId(HWND sheet) {
  auto* page = dynamic_cast<CGuidePage*>(CWnd::FromHandlePermanent(ActivePageWindow(sheet)));
  return page ? static_cast<int>(page->GetPageId()) : 0;
}

bool ButtonEnabled(HWND sheet, int id) {
  HWND button = GetDlgItem(sheet, id);
  return button && IsWindowVisible(button) && IsWindowEnabled(button);
}

int WizardButtons(HWND sheet) {
  return (ButtonEnabled(sheet, kWizBack) ? kButtonBack : 0) | (ButtonEnabled(sheet, kWizNext) ? kButtonNext : 0) |
         (ButtonEnabled(sheet, kWizFinish) ? kButtonFinish : 0);
}

bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
void Click(HWND page, int id) { SendDlgItemMessage(page, id, BM_CLICK, 0, 0); }
void SetCheck(HWND page, int id, bool on) {
  if (Checked(page, id) != on) Click(page, id);
}
CString Item(HWND page, int id) { return lwtest::ItemText(page, id); }
bool Shown(HWND page, int id) { return IsWindowVisible(GetDlgItem(page, id)) != FALSE; }

// The developer's answers on the asking pages.
struct Answers {
  const char* name;
  int ide;  // radio value of the environment page
  bool mfc;
  int charset;
  bool preprocessor;
  bool menu;
  bool compileErrors;
  bool runtimeProblems;
  CString project;  // typed into the file dialog of the options page
};

// The road PageFlow gives for the answers and the scan's findings.
GuideRoad RoadOf(const Answers& a, bool externHeaders, bool fixHits) {
  GuideRoad road;
  road.ide = a.ide;
  road.mfc = a.ide != kIdeOther && a.mfc;
  road.menu = a.menu;
  road.compileErrors = a.compileErrors;
  road.runtimeProblems = a.runtimeProblems;
  road.externHeaders = externHeaders;
  road.fixHits = fixHits;
  return road;
}

std::vector<int> Walk(int from, int to, const GuideRoad& road, bool forward) {
  std::vector<int> pages = {from};
  while (pages.back() != to && pages.size() <= 30) {
    const int page = pages.back();
    pages.push_back(GuideResolvePage(page, forward ? GuideNextPage(page, road) : GuideBackPage(page, road), forward));
  }
  return pages;
}

// The library's own diagnostics, kept instead of shown.
std::vector<CString> g_libraryMessages;
void KeepLibraryMessage(LPCTSTR text) { g_libraryMessages.push_back(text); }

std::string Name(const char* prefix, int page) { return std::string(prefix) + std::to_string(page); }

class GuideWine : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&init);
    g_libraryMessages.clear();
    m_previousHandler = LwvSetMessageHandler(KeepLibraryMessage);
    m_app.reset(new CWeaveGuideApp);
    m_app->InitApplication(GetModuleHandle(nullptr), const_cast<LPTSTR>(_T("")), SW_SHOWNORMAL);
    m_app->UseGuideProfile();
    m_app->StartTranslation(LanguageFolder());
  }

  void TearDown() override {
    m_app->ExitInstance();  // ends the library
    m_app.reset();
    LwvSetMessageHandler(m_previousHandler);
  }

  // Runs the assistant with the steps; every step must run.
  void RunAssistant(std::vector<Step> steps) {
    lwtest::ModalDriver driver(std::move(steps), 15000);
    m_app->RunAssistant();
    EXPECT_TRUE(driver.Finished());
  }

  // The welcome dialog, left with "Beginnen".
  static Step Welcome(const char* shot) {
    return When(_T("the welcome dialog"), lwtest::Settled([] { return lwtest::FindOwnDialog(_T("Lingoweave Assistant")); }),
                [shot](HWND welcome) {
                  if (lwtest::IsPropertySheet(welcome)) ADD_FAILURE() << "the sheet came first";
                  if (*shot) lwtest::SaveScreenshot(welcome, shot);
                  PostMessage(welcome, WM_COMMAND, IDOK, 0);
                });
  }

  // Waits until the sheet shows page, then checks and acts on it.
  Step Arrive(int page, std::function<void(HWND sheet, HWND page)> act = {}) {
    CString what;
    what.Format(_T("page %d"), page);
    return When(what,
                lwtest::Settled([page]() -> HWND {
                  HWND sheet = Sheet();
                  return sheet && ActivePageId(sheet) == page ? sheet : nullptr;
                }),
                [this, page, act](HWND sheet) {
                  m_visited.push_back(page);
                  if (m_shots.insert(page).second) lwtest::SaveScreenshot(sheet, Name("guide_de_", page).c_str());
                  if (act) act(sheet, ActivePageWindow(sheet));
                });
  }

  // Presses a wizard button once it is enabled.
  static Step Press(int button) {
    CString what;
    what.Format(_T("wizard button %x enabled"), button);
    return Step(what, [button] {
      HWND sheet = Sheet();
      if (!sheet || !lwtest::ThreadSettled() || !ButtonEnabled(sheet, button)) return false;
      const int which = button == kWizBack ? PSBTN_BACK : button == kWizNext ? PSBTN_NEXT : PSBTN_FINISH;
      PostMessage(sheet, PSM_PRESSBUTTON, which, 0);
      return true;
    });
  }

  static Step Cancel() {
    return Step(_T("the sheet to cancel"), [] {
      HWND sheet = Sheet();
      if (!sheet || !lwtest::ThreadSettled()) return false;
      PostMessage(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
      return true;
    });
  }

  // The file dialog of the options page: the path typed in, then OK.
  static Step ChooseFile(const CString& path) {
    return When(_T("the file dialog"),
                lwtest::Settled([] {
                  return lwtest::FindOwnWindowIf([](HWND w) {
                    return lwtest::IsDialogWindow(w) && !lwtest::IsPropertySheet(w) &&
                           (GetDlgItem(w, cmb13) || GetDlgItem(w, edt1));
                  });
                }),
                [path](HWND dialog) {
                  HWND field = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
                  SetWindowText(field, path);
                  PostMessage(dialog, WM_COMMAND, IDOK, 0);
                });
  }

  // The answers given on the asking pages of the forward road; page checks
  // run when a page is reached.
  void AddForward(std::vector<Step>& steps, const Answers& a, const std::vector<int>& road,
                  const std::map<int, std::function<void(HWND)>>& checks) {
    for (int page : road) {
      auto check = checks.find(page);
      std::function<void(HWND)> pageCheck = check == checks.end() ? std::function<void(HWND)>() : check->second;
      steps.push_back(Arrive(page, [a, page, pageCheck](HWND sheet, HWND wnd) {
        if (pageCheck) pageCheck(wnd);
        if (page == kPageChooseIde) {
          EXPECT_EQ(kButtonBack, WizardButtons(sheet)) << "no environment chosen yet";
          const int radios[] = {IDC_IDE_VISUALCPP, IDC_IDE_OTHER_CPP, IDC_IDE_OTHER};
          Click(wnd, radios[a.ide]);
          if (a.ide != kIdeOther) SetCheck(wnd, IDC_USES_MFC, a.mfc);
        } else if (page == kPageOptions) {
          const int radios[] = {IDC_CHARSET_8BIT, IDC_CHARSET_UNICODE, IDC_CHARSET_BOTH};
          Click(wnd, radios[a.charset]);
          if (a.ide != kIdeOther) SetCheck(wnd, IDC_PREPROCESSOR, a.preprocessor);
          SetCheck(wnd, IDC_MENU, a.menu);
          if (a.ide == kIdeVisualCpp && a.mfc) {
            EXPECT_EQ(kButtonBack, WizardButtons(sheet)) << "no project chosen yet";
            PostMessage(GetDlgItem(wnd, IDC_BROWSE), BM_CLICK, 0, 0);
          }
        } else if (page == kPageCompileCast || page == kPageTestProgram) {
          EXPECT_EQ(kButtonBack, WizardButtons(sheet)) << "no result chosen yet";
          const bool problems = page == kPageCompileCast ? a.compileErrors : a.runtimeProblems;
          Click(wnd, problems ? IDC_RESULT_PROBLEMS : IDC_RESULT_FINE);
        }
      }));
      if (page == kPageOptions && a.ide == kIdeVisualCpp && a.mfc) steps.push_back(ChooseFile(a.project));
      if (page != kPageCompletion) steps.push_back(Press(kWizNext));
    }
  }

  void AddBackward(std::vector<Step>& steps, const std::vector<int>& road) {
    for (size_t i = 1; i < road.size(); ++i) {
      steps.push_back(Press(kWizBack));
      steps.push_back(Arrive(road[i]));
    }
  }

  LwvMessageHandler m_previousHandler = nullptr;
  std::unique_ptr<CWeaveGuideApp> m_app;
  std::vector<int> m_visited;
  std::set<int> m_shots;
};

// Welcome, then the roads without a scan, forward to the end and back to
// the start, as the page road gives them.
TEST_F(GuideWine, WalksTheRoadsOfThePageRoad) {
  lwtest::Watchdog watchdog(240);
  const Answers table[] = {
      {"another environment, menu, problems", kIdeOther, false, kCharset8Bit, true, true, true, true, CString()},
      {"another environment, no menu, no problems", kIdeOther, true, kCharsetUnicode, true, false, false, false,
       CString()},
      {"other C++ with the framework, errors", kIdeOtherCpp, true, kCharsetBoth, true, true, true, false, CString()},
      {"other C++ without the framework, no menu", kIdeOtherCpp, false, kCharset8Bit, false, false, false, true,
       CString()},
      {"Visual C++ without the framework", kIdeVisualCpp, false, kCharsetUnicode, true, true, false, false, CString()},
  };
  bool first = true;
  for (const Answers& a : table) {
    SCOPED_TRACE(a.name);
    m_visited.clear();
    const GuideRoad road = RoadOf(a, false, false);
    const std::vector<int> forward = Walk(kPageCompileProject, kPageCompletion, road, true);
    const std::vector<int> backward = Walk(kPageCompletion, kPageCompileProject, road, false);
    std::vector<Step> steps;
    steps.push_back(Welcome(first ? "guide_de_welcome" : ""));
    first = false;
    AddForward(steps, a, forward, {{kPageCompletion, [](HWND) {
                                      EXPECT_EQ(kButtonBack | kButtonFinish, WizardButtons(Sheet()));
                                    }}});
    AddBackward(steps, backward);
    steps.push_back(Cancel());
    delete m_app->m_settings;
    m_app->m_settings = new CIntegrationSettings;
    RunAssistant(std::move(steps));
    std::vector<int> expected = forward;
    expected.insert(expected.end(), backward.begin() + 1, backward.end());
    EXPECT_EQ(expected, m_visited);
  }
}

}  // namespace
