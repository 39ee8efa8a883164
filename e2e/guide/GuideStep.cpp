// The road's last step: WeaveGuide, started as the user starts it, walked
// forward with the sample's answers (Visual C++ with the class library, both
// character widths, a language menu) on the sample's own project file; the
// scan runs on the sample's sources, and the pages list what the sample must
// add: the libraries, the include lines, the start code for its language
// file, and what the scan found.
#include "GuideApp.h"
#include "GuideIds.h"
#include "GuidePages.h"
#include "GuideTexts.h"
#include "LwvMessage.h"
#include "PageFlow.h"
#include "RememberedLanguage.h"
#include "UiTestKit.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

const int kWizNext = 0x3024;

CString SampleProject() {
  CString path = CString(LW_SOURCE_DIR) + _T("\\samples\\LwvSample.dsp");
  path.Replace(_T('/'), _T('\\'));
  return path;
}

std::vector<CString> g_libraryMessages;
void KeepLibraryMessage(LPCTSTR text) { g_libraryMessages.push_back(text); }

// A first start: the library would start in the file it remembers.
void ForgetLastLanguage() { lwtest::ForgetLanguageFile(_T("Software\\Lingoweave\\Assistant")); }

HWND ActivePage(HWND sheet) { return reinterpret_cast<HWND>(::SendMessage(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }
int ActivePageId(HWND sheet) {
  auto* page = dynamic_cast<CGuidePage*>(CWnd::FromHandlePermanent(ActivePage(sheet)));
  return page ? static_cast<int>(page->GetPageId()) : 0;
}
bool NextEnabled(HWND sheet) {
  HWND next = ::GetDlgItem(sheet, kWizNext);
  return next && ::IsWindowVisible(next) && ::IsWindowEnabled(next);
}
void Click(HWND page, int id) { ::SendDlgItemMessage(page, id, BM_CLICK, 0, 0); }
void Tick(HWND page, int id) {
  if (::IsDlgButtonChecked(page, id) != BST_CHECKED) Click(page, id);
}

// The walk: the pages in the order they came, and the texts they showed.
struct Walk {
  int current = 0;
  std::vector<int> pages;
  std::map<int, std::map<int, CString>> texts;
};

// The sample's answers on the asking pages.
void Answer(int page, HWND wnd) {
  switch (page) {
    case kPageChooseIde:
      Click(wnd, IDC_IDE_VISUALCPP);
      Tick(wnd, IDC_USES_MFC);
      break;
    case kPageOptions:
      Click(wnd, IDC_CHARSET_BOTH);
      Tick(wnd, IDC_PREPROCESSOR);
      Tick(wnd, IDC_MENU);
      ::PostMessage(::GetDlgItem(wnd, IDC_BROWSE), BM_CLICK, 0, 0);
      break;
    case kPageCompileCast:
    case kPageTestProgram:
      Click(wnd, IDC_RESULT_FINE);
      break;
    default:
      break;
  }
}

// One page forward: on a page not seen yet its picture, its texts and the
// answers; then Next once it is enabled. At the last page it is done.
lwtest::Step Forward(std::shared_ptr<Walk> walk) {
  return lwtest::Step(_T("the next page of the assistant"), [walk] {
    HWND sheet = lwtest::FindOwnPropertySheet();
    if (!sheet || !lwtest::ThreadSettled() || lwtest::FindOwnDialog(CString(), sheet)) return false;
    const int page = ActivePageId(sheet);
    if (page == kPageCompletion) return true;
    HWND wnd = ActivePage(sheet);
    if (page != walk->current) {
      walk->current = page;
      walk->pages.push_back(page);
      Answer(page, wnd);
      return false;
    }
    if (!NextEnabled(sheet)) return false;
    // Left as the user leaves it: its picture and what it lists.
    lwtest::SaveScreenshot(sheet, ("e2e_guide_" + std::to_string(page) + "_de").c_str());
    for (int id : {IDC_LIBRARY_LIST, IDC_INCLUDE_LINES, IDC_START_CODE, IDC_FIX_MACROS, IDC_EXTERN_HEADERS,
                   IDC_SCAN_STATE}) {
      HWND item = ::GetDlgItem(wnd, id);
      if (item && ::IsWindowVisible(item)) walk->texts[page][id] = lwtest::ItemText(wnd, id);
    }
    ::PostMessage(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    return true;
  });
}

TEST(E2eGuide, ListsWhatTheSampleMustAdd) {
  lwtest::Watchdog dog(60);
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&init);
  g_libraryMessages.clear();
  const LwvMessageHandler previousHandler = LwvSetMessageHandler(KeepLibraryMessage);
  ForgetLastLanguage();
  auto walk = std::make_shared<Walk>();
  std::vector<lwtest::Step> steps = {
      lwtest::When(_T("the welcome dialog"),
                   lwtest::Settled([] { return lwtest::FindOwnDialog(_T("Lingoweave Assistant")); }),
                   [](HWND welcome) {
                     lwtest::SaveScreenshot(welcome, "e2e_guide_welcome_de");
                     ::PostMessage(welcome, WM_COMMAND, IDOK, 0);
                   }),
  };
  for (int i = 0; i < kGuidePageCount; ++i) steps.push_back(Forward(walk));
  steps.push_back(lwtest::Step(_T("the assistant finished"), [] {
    HWND sheet = lwtest::FindOwnPropertySheet();
    if (!sheet || !lwtest::ThreadSettled()) return false;
    lwtest::SaveScreenshot(sheet, ("e2e_guide_" + std::to_string(kPageCompletion) + "_de").c_str());
    ::PostMessage(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
    return true;
  }));
  lwtest::ModalDriver driver(std::move(steps));
  // The options page's file dialog: the sample's project typed in.
  driver.AnswerEvery(lwtest::When(_T("the file dialog"),
                                  lwtest::Settled([] {
                                    return lwtest::FindOwnWindowIf([](HWND w) {
                                      return lwtest::IsDialogWindow(w) && !lwtest::IsPropertySheet(w) &&
                                             (::GetDlgItem(w, cmb13) || ::GetDlgItem(w, edt1));
                                    });
                                  }),
                                  [](HWND dialog) {
                                    HWND field = ::GetDlgItem(dialog, cmb13) ? ::GetDlgItem(dialog, cmb13)
                                                                             : ::GetDlgItem(dialog, edt1);
                                    ::SetWindowText(field, SampleProject());
                                    ::PostMessage(dialog, WM_COMMAND, IDOK, 0);
                                  }));
  CString project;
  int ide = -1;
  bool mfc = false, bothWidths = false, fixHits = false;
  GuideRoad road;
  {
    CWeaveGuideApp app;
    app.InitApplication(::GetModuleHandle(nullptr), const_cast<LPTSTR>(_T("")), SW_SHOWNORMAL);
    app.InitInstance();
    const CIntegrationSettings& settings = *app.m_settings;
    project = settings.m_projectPath;
    ide = settings.m_ideKind;
    mfc = settings.m_mfc;
    bothWidths = settings.m_8Bit && settings.m_unicode;
    fixHits = settings.HasFixHits();
    road = GuideRoadOf(settings);
    app.ExitInstance();
  }
  LwvSetMessageHandler(previousHandler);
  EXPECT_TRUE(driver.Finished());
  EXPECT_EQ(1, driver.Answered(0));
  EXPECT_TRUE(g_libraryMessages.empty()) << CStringA(g_libraryMessages[0]).GetString();

  EXPECT_EQ(SampleProject(), project);
  EXPECT_EQ(kIdeVisualCpp, ide);
  EXPECT_TRUE(mfc);
  EXPECT_TRUE(bothWidths);
  // The road the answers and the scan's findings give, every page of it.
  std::vector<int> expected = {kPageCompileProject};
  while (expected.back() != kPageCompletion && expected.size() <= kGuidePageCount)
    expected.push_back(GuideResolvePage(expected.back(), GuideNextPage(expected.back(), road), true));
  expected.pop_back();
  EXPECT_EQ(expected, walk->pages);

  std::map<int, std::map<int, CString>>& texts = walk->texts;
  EXPECT_EQ(CString(_T("Vorgang erfolgreich beendet !")), texts[kPageScanNow][IDC_SCAN_STATE]);
  EXPECT_EQ(CString(_T("#ifdef _LINGOWEAVE\r\n#include \"LwvMFC.h\"\r\n#endif")),
            texts[kPageHeaderToStdafx][IDC_INCLUDE_LINES]);
  // The libraries of both character widths, release and debug.
  const CString libraries = texts[kPageLibToProject][IDC_LIBRARY_LIST];
  for (const TCHAR* library : {_T("Lwv30.lib"), _T("Lwv30D.lib"), _T("Lwv30U.lib"), _T("Lwv30UD.lib")})
    EXPECT_NE(-1, libraries.Find(library)) << CStringA(library).GetString();
  // The sample overrides none of the functions that need a fix macro, and
  // includes the class library's headers from outside its folder.
  EXPECT_FALSE(fixHits);
  const CString externHeaders = texts[kPageExternHeader][IDC_EXTERN_HEADERS];
  for (const TCHAR* found : {_T("Datei .\\SampleFrame.h, Zeile 6\r\n\t#include \"CommonDialogs.h\"\r\nersetzen durch"),
                             _T("Datei .\\SampleText.h, Zeile 5\r\n\t#include \"FrameworkWin.h\"\r\nersetzen durch")})
    EXPECT_NE(-1, externHeaders.Find(found)) << CStringA(externHeaders).GetString();
  const CString start = texts[kPageStartCode][IDC_START_CODE];
  EXPECT_NE(-1, start.Find(_T("_T(\"LwvSample.tra\")"))) << CStringA(start).GetString();
  EXPECT_NE(-1, start.Find(_T("_T(\"LwvSample.ini\")"))) << CStringA(start).GetString();
}

}  // namespace
