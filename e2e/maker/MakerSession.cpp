#include "MakerSession.h"

#include "LanguageCatalogue.h"
#include "LanguageFlagDlg.h"
#include "LwvMessage.h"
#include "RememberedLanguage.h"
#include "WeaveMakerApp.h"
#include "WeaveMakerDlg.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

const unsigned kMakerStepMs = 60000;

CWeaveMakerApp* g_app = nullptr;
std::vector<CString> g_libraryMessages;

void KeepLibraryMessage(LPCTSTR text) { g_libraryMessages.push_back(text); }

// The library starts in the language file it remembers from the last run
// (a user's switch, an earlier test): start as on a first run.
void ForgetLastLanguage() { lwtest::ForgetLanguageFile(_T("Software\\Lingoweave\\WeaveMakerU")); }

CLanguageFlagDlg* FindPicker() {
  HWND found = lwtest::FindOwnWindowIf(
      [](HWND w) { return dynamic_cast<CLanguageFlagDlg*>(CWnd::FromHandlePermanent(w)) != nullptr; });
  return found ? dynamic_cast<CLanguageFlagDlg*>(CWnd::FromHandlePermanent(found)) : nullptr;
}

int CountryRow(const TCHAR* country) {
  for (int row = 0; row < COUNTRY_COUNT; ++row)
    if (CString(CountryNames[row]) == country) return row;
  return -1;
}

}  // namespace

bool RunWeaveMaker(const CString& commandLine, const CString& folder, std::vector<lwtest::Step> steps) {
  TCHAR previous[MAX_PATH] = {0};
  ::GetCurrentDirectory(MAX_PATH, previous);
  EXPECT_TRUE(::SetCurrentDirectory(folder)) << CStringA(folder).GetString();
  g_libraryMessages.clear();
  const LwvMessageHandler previousHandler = LwvSetMessageHandler(KeepLibraryMessage);
  ForgetLastLanguage();
  CString line = commandLine;
  bool finished = false;
  {
    CWeaveMakerApp app;
    app.InitApplication(::GetModuleHandle(nullptr), line.GetBuffer(), SW_SHOWNORMAL);
    g_app = &app;
    // A scan with the standard dialogs shows each of them and every kind of
    // message box once: under Wine it may take longer than a window takes to open.
    lwtest::ModalDriver driver(std::move(steps), kMakerStepMs);
    app.InitInstance();
    app.ExitInstance();
    g_app = nullptr;
    finished = driver.Finished();
  }
  line.ReleaseBuffer();
  LwvSetMessageHandler(previousHandler);
  ::SetCurrentDirectory(previous);
  return finished;
}

const std::vector<CString>& LibraryMessages() { return g_libraryMessages; }

CWeaveMakerDlg* MakerDialog() {
  if (!g_app || !lwtest::ThreadSettled()) return nullptr;
  auto* dlg = dynamic_cast<CWeaveMakerDlg*>(g_app->m_pMainWnd);
  return dlg && dlg->m_hWnd && ::IsWindowVisible(dlg->m_hWnd) ? dlg : nullptr;
}

lwtest::Step OnMaker(const CString& what, std::function<bool(CWeaveMakerDlg&)> ready,
                     std::function<void(CWeaveMakerDlg&)> act) {
  return lwtest::Step(what, [ready, act] {
    CWeaveMakerDlg* dlg = MakerDialog();
    // Nothing else open over it (a question, the progress window).
    if (!dlg || lwtest::FindOwnDialog(CString(), dlg->m_hWnd) || !ready(*dlg)) return false;
    act(*dlg);
    return true;
  });
}

void ClickButton(CWeaveMakerDlg& dlg, int id) {
  HWND button = ::GetDlgItem(dlg.m_hWnd, id);
  ASSERT_TRUE(button && ::IsWindowVisible(button) && ::IsWindowEnabled(button)) << "button " << id;
  ::SendMessage(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void ChooseMenu(CWeaveMakerDlg& dlg, UINT id) {
  const lwtest::MenuItem item = lwtest::FindMenuItem(::GetMenu(dlg.m_hWnd), id);
  ASSERT_FALSE(item.grayed) << "menu command " << id;
  ::PostMessage(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

lwtest::Step CloseMaker() {
  return lwtest::Step(_T("WeaveMaker closed"), [] {
    CWeaveMakerDlg* dlg = MakerDialog();
    if (!dlg || lwtest::FindOwnDialog(CString(), dlg->m_hWnd)) return false;
    // Sent: the modal loop ends with it, and no step could follow a post.
    ::SendMessage(dlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                  reinterpret_cast<LPARAM>(::GetDlgItem(dlg->m_hWnd, IDOK)));
    EXPECT_FALSE(::IsWindowVisible(dlg->m_hWnd)) << "WeaveMaker stayed open";
    return true;
  });
}

lwtest::Step AnswerBox(const CString& part, int answer, const std::string& shot) {
  return lwtest::When(_T("the message box \"") + part + _T("\""), lwtest::MessageBoxWith(part),
                      [answer, shot](HWND box) {
                        if (!shot.empty()) Shot(box, shot);
                        ::PostMessage(box, WM_COMMAND, answer, 0);
                      });
}

std::vector<lwtest::Step> PickCountry(const TCHAR* country, const std::string& shot) {
  const CString name(country);
  return {
      lwtest::Step(_T("the flag picker"),
                   [name, shot] {
                     CLanguageFlagDlg* dlg = FindPicker();
                     if (!dlg || !lwtest::ThreadSettled()) return false;
                     const int item = dlg->FindCountryItem(CountryRow(name));
                     EXPECT_GE(item, 0) << CStringA(name).GetString() << " is not listed";
                     HWND list = dlg->m_flagList.m_hWnd;
                     ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
                     ListView_SetItemState(list, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                     ListView_EnsureVisible(list, item, FALSE);
                     NMHDR click = {list, static_cast<UINT_PTR>(IDC_FLAG_LIST), static_cast<UINT>(NM_CLICK)};
                     dlg->SendMessage(WM_NOTIFY, IDC_FLAG_LIST, reinterpret_cast<LPARAM>(&click));
                     EXPECT_EQ(name, lwtest::ItemText(dlg->m_hWnd, IDC_FLAG_INFO));
                     ::UpdateWindow(dlg->m_hWnd);
                     Shot(dlg->m_hWnd, shot);
                     EXPECT_TRUE(dlg->m_okButton.IsWindowEnabled());
                     dlg->PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                      reinterpret_cast<LPARAM>(dlg->m_okButton.m_hWnd));
                     return true;
                   }),
      // "Sie haben folgende ID gewählt: ... sind sie damit einverstanden ?"
      AnswerBox(_T("LANG_"), IDOK, shot + "_confirm"),
  };
}

void Shot(HWND wnd, const std::string& name) { lwtest::SaveScreenshot(wnd, ("e2e_" + name + "_de").c_str()); }

void ShotPages(CWeaveMakerDlg& dlg, const std::string& prefix) {
  const int shown = dlg.GetCurrentPage();
  for (int page = 0; page < 5; ++page) {
    dlg.ShowPage(page);
    ::UpdateWindow(dlg.m_hWnd);
    Shot(dlg.m_hWnd, prefix + "_page" + std::to_string(page));
  }
  dlg.ShowPage(shown);
}

}  // namespace e2e
