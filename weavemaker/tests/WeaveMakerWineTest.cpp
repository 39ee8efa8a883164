// WeaveMaker's main dialog in-process under Wine, the seam answering its
// questions: "-p Sample" over a folder with Sample.rc makes the project,
// scans and saves it; reopened, the title, lists, tree and problems page
// show it; the commands, the enabling after each step, Escape and close
// with unsaved changes, a refused save, and pictures of every page and
// settings dialog.
#include "MakerRules.h"
#include "TestPaths.h"
#include "Screenshot.h"
#include "SettingsDialogs.h"
#include "LwFileInfo.h"
#include "LwvSDK.h"
#include "MakerTestLibrary.h"
#include "TraFile.h"
#include "TraNode.h"
#include "UiTestKit.h"
#include "WeaveMakerDlg.h"
#include "WeaveMakerIds.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

namespace {

std::string Utf8(const CString& s) {
  const CStringW w(s);
  std::string out;
  for (int i = 0; i < w.GetLength(); ++i) {
    const unsigned c = static_cast<unsigned>(w[i]);
    if (c < 0x80) out += static_cast<char>(c);
    else if (c < 0x800) out += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    else out += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                 static_cast<char>(0x80 | (c & 0x3F))};
  }
  return out;
}

void CopyFile(const CString& from, const CString& to) { ASSERT_TRUE(::CopyFile(from, to, FALSE)); }

CString SourcePath(const char* relative) {
  CString path(LW_SOURCE_DIR);
  path += _T("\\");
  path += CString(relative);
  path.Replace(_T('/'), _T('\\'));
  return path;
}

// An emptied scratch folder with the sample's script.
CString SampleFolder(const char* name) {
  CString folder = lwtest::FreshScratchDir(name);
  folder.Replace(_T('/'), _T('\\'));
  CopyFile(SourcePath("samples/Sample.rc"), folder + _T("Sample.rc"));
  CopyFile(SourcePath("samples/resource.h"), folder + _T("resource.h"));
  return folder;
}

bool Exists(const CString& path) { return ::GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES; }

LwFlagChoice Germany() {
  LwFlagChoice flag;
  flag.langId = 0x0407;
  flag.pixels.assign(1024, RGB(192, 192, 192));
  for (int i = 0; i < 1024; ++i) flag.pixels[i] = i < 352 ? RGB(0, 0, 0) : i < 704 ? RGB(221, 0, 0) : RGB(255, 206, 0);
  return flag;
}

bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
bool MenuEnabled(HWND dialog, UINT id) { return !lwtest::FindMenuItem(::GetMenu(dialog), id).grayed; }

// The enabling the rules give for the dialog's state, compared control by
// control with the live windows.
void ExpectEnablingMatches(CWeaveMakerDlg& dlg, const char* step) {
  MakerStateFlags flags = dlg.Controller().Flags();
  flags.scriptSelected = ListView_GetSelectedCount(::GetDlgItem(dlg.m_hWnd, IDC_RC_LIST)) > 0;
  flags.addOnsSelected = ListView_GetSelectedCount(::GetDlgItem(dlg.m_hWnd, IDC_ADDON_LIST));
  for (const MakerEnabled& e : MakerEnabling(flags)) {
    if (MakerIsMenuCommand(e.id)) {
      EXPECT_EQ(e.enabled, MenuEnabled(dlg.m_hWnd, e.id)) << step << ": menu " << e.id;
    } else {
      EXPECT_EQ(e.enabled, Enabled(dlg.m_hWnd, static_cast<int>(e.id))) << step << ": control " << e.id;
    }
  }
}

void Command(HWND dialog, UINT id) { ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// Rectangle of a child, or of a tab's label, in the dialog's client coordinates.
CRect InDialog(HWND dialog, HWND from, RECT rect) {
  ::MapWindowPoints(from, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return CRect(rect);
}

// The window pages (tree, standard-dialog list, problems) lie inside the tab
// control and below every one of its labels; read from the live windows.
void ExpectPagesBelowTabLabels(HWND dialog, const char* language) {
  HWND tab = ::GetDlgItem(dialog, IDC_TAB);
  RECT tabWindow;
  ::GetWindowRect(tab, &tabWindow);
  const CRect tabRect = InDialog(dialog, nullptr, tabWindow);
  const int labels = TabCtrl_GetItemCount(tab);
  EXPECT_EQ(5, labels) << language;
  for (int id : {IDC_RESOURCE_TREE, IDC_STD_LIST, IDC_PROBLEMS}) {
    RECT pageWindow;
    ASSERT_TRUE(::GetWindowRect(::GetDlgItem(dialog, id), &pageWindow)) << id;
    const CRect page = InDialog(dialog, nullptr, pageWindow);
    CRect inside;
    inside.IntersectRect(page, tabRect);
    EXPECT_EQ(page, inside) << language << ": page " << id << " reaches out of the tab control";
    for (int i = 0; i < labels; ++i) {
      RECT item;
      ASSERT_TRUE(TabCtrl_GetItemRect(tab, i, &item));
      const CRect label = InDialog(dialog, tab, item);
      CRect overlap;
      EXPECT_FALSE(overlap.IntersectRect(label, page))
          << language << ": page " << id << " covers tab " << i << " (page top " << page.top << ", label bottom "
          << label.bottom << ")";
    }
  }
}

// What the scan's progress window showed each time its bar moved, read from
// the live windows by a hook on this thread's sent messages.
struct ProgressStep {
  int pos;
  HWND window;
  HWND owner;
  CString caption;
  bool visible;
  bool ownerEnabled;
  bool painted;  // what the hook left to paint at the step before was painted
};
std::vector<ProgressStep> g_progressSteps;

LRESULT CALLBACK WatchProgressBar(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == PBM_SETPOS) {
    ProgressStep step;
    step.pos = static_cast<int>(sent->wParam);
    step.window = ::GetParent(sent->hwnd);
    step.owner = ::GetWindow(step.window, GW_OWNER);
    step.caption = lwtest::WindowText(step.window);
    step.visible = ::IsWindowVisible(step.window) != FALSE;
    step.ownerEnabled = ::IsWindowEnabled(step.owner) != FALSE;
    step.painted = ::GetUpdateRect(step.window, nullptr, FALSE) == FALSE;
    ::InvalidateRect(step.window, nullptr, FALSE);  // for the next step to find painted
    g_progressSteps.push_back(step);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class ProgressWatch {
 public:
  ProgressWatch() : m_hook(::SetWindowsHookEx(WH_CALLWNDPROC, WatchProgressBar, nullptr, ::GetCurrentThreadId())) {
    g_progressSteps.clear();
  }
  ~ProgressWatch() { ::UnhookWindowsHookEx(m_hook); }
  bool Hooked() const { return m_hook != nullptr; }

 private:
  HHOOK m_hook;
};

// Each step: the window shown over the disabled main dialog with the scan's
// caption, and painted since the step before; after the scan it is gone.
void ExpectProgressShownDuringTheScan(HWND dialog) {
  std::vector<int> positions;
  for (const ProgressStep& step : g_progressSteps) {
    positions.push_back(step.pos);
    EXPECT_EQ(dialog, step.owner) << step.pos;
    EXPECT_EQ("Lese Resource-Dateien ein...", Utf8(step.caption)) << step.pos;
    EXPECT_TRUE(step.visible) << step.pos;
    EXPECT_FALSE(step.ownerEnabled) << step.pos;
    EXPECT_TRUE(step.painted) << step.pos;
    EXPECT_FALSE(::IsWindow(step.window)) << step.pos;
  }
  EXPECT_EQ((std::vector<int>{0, 50, 70, 90, 100}), positions);
  EXPECT_TRUE(::IsWindowEnabled(dialog));
}

// The language of the pictures taken now: "de" or "en".
std::string g_language = "de";
void Shot(HWND wnd, const std::string& name) {
  lwtest::SaveScreenshot(wnd, ("weavemaker_" + name + "_" + g_language).c_str());
}

// The program's own language files, made by the build beside WeaveMaker.exe.
CString ProgramTra(const TCHAR* name) {
  CString path(LW_WEAVEMAKER_DIR);
  path.Replace(_T('/'), _T('\\'));
  return path + _T("\\") + name;
}

class WeaveMakerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    ::GetCurrentDirectory(MAX_PATH, m_previousDir);
    m_folder = SampleFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ::SetCurrentDirectory(m_folder);
    // The wizard's library on this thread, on its own language file.
    g_language = "de";
    ASSERT_TRUE(Exists(ProgramTra(_T("WeaveMakerU.tra"))));
    m_library.reset(new makertest::CMakerTestLibrary(ProgramTra(_T("WeaveMakerU.tra"))));
    ASSERT_TRUE(m_library->Started());
  }
  void TearDown() override {
    m_library.reset();
    ::SetCurrentDirectory(m_previousDir);
    EXPECT_EQ(0, m_ui.Unanswered());
  }

  // Runs the dialog on line; steps run inside its modal loop.
  void Run(const CString& line, std::vector<lwtest::Step> steps, std::vector<lwtest::Step> answers = {}) {
    CWeaveMakerDlg dlg;
    m_dlg = &dlg;
    dlg.SetUiServices(&m_ui);
    dlg.SetCommandLine(line);
    lwtest::ModalDriver driver(std::move(steps));
    for (lwtest::Step& a : answers) driver.AnswerEvery(std::move(a));
    dlg.DoModal();
    EXPECT_TRUE(driver.Finished());
    m_dlg = nullptr;
  }
  HWND Wnd() const { return m_dlg ? m_dlg->m_hWnd : nullptr; }
  // Closes with command (answering a question with answer, 0 for none
  // expected); done once the dialog has ended, else tried again until the
  // driver gives up and closes it.
  lwtest::Step Close(UINT command, int answer) {
    return lwtest::Step(_T("the main dialog closed"), [this, command, answer] {
      if (answer) m_ui.QueueMessageAnswer(answer);
      ::SendMessage(Wnd(), WM_COMMAND, command, 0);
      return !::IsWindowVisible(Wnd());
    });
  }
  lwtest::Step Do(const char* what, std::function<void()> act) {
    return lwtest::Step(CString(what), [this, act] {
      if (!Wnd() || !::IsWindowVisible(Wnd())) return false;
      act();
      return true;
    });
  }

  lwtest::Watchdog m_dog{120};
  std::unique_ptr<makertest::CMakerTestLibrary> m_library;
  TCHAR m_previousDir[MAX_PATH] = {0};
  CString m_folder;
  CQueuedUiServices m_ui;
  CWeaveMakerDlg* m_dlg = nullptr;
};

TEST_F(WeaveMakerTest, FromScriptToSavedProjectAndBack) {
  m_ui.QueueMessageAnswer(IDYES);  // make a project from Sample.rc
  m_ui.QueueFlag(Germany());
  ProgressWatch progress;
  ASSERT_TRUE(progress.Hooked());
  Run(_T("-p Sample"), {
      Do("the new project", [this] {
        ExpectProgressShownDuringTheScan(Wnd());
        CWizardProject* p = m_dlg->Controller().GetProject();
        ASSERT_NE(nullptr, p);
        EXPECT_EQ("Lingoweave Wizard - Sample.lwp *", Utf8(lwtest::WindowText(Wnd())));
        EXPECT_EQ(std::vector<CString>{_T("Sample.lwp")}, lwtest::ListItems(::GetDlgItem(Wnd(), IDC_PROJECT_LIST)));
        EXPECT_EQ(std::vector<CString>{_T("Sample.rc")}, lwtest::ListItems(::GetDlgItem(Wnd(), IDC_RC_LIST)));
        EXPECT_EQ(std::vector<CString>{_T("Sample.tra")}, lwtest::ListItems(::GetDlgItem(Wnd(), IDC_TRA_LIST)));
        EXPECT_EQ("Test-Sprachdatei Sample_test.tra erzeugen", Utf8(lwtest::ItemText(Wnd(), IDC_TEST_CHECK)));
        EXPECT_EQ("Sample", Utf8(lwtest::ItemText(Wnd(), IDC_PROGRAM_NAME)));
        EXPECT_EQ("1.0", Utf8(lwtest::ItemText(Wnd(), IDC_PROGRAM_VERSION)));
        EXPECT_EQ("Deutsch", Utf8(lwtest::ItemText(Wnd(), IDC_LANGUAGE_NAME)));
        EXPECT_EQ(0x0407, p->GetTraFile()->GetLanguageId());
        ASSERT_NE(nullptr, p->GetTraFile()->GetRootNode());
        ExpectEnablingMatches(*m_dlg, "new");
        EXPECT_TRUE(Enabled(Wnd(), IDC_TRA_SAVE));
        Shot(Wnd(), "page0");
      }),
      Do("the other pages", [this] {
        const char* names[] = {"page0", "page1", "page2", "page3", "page4"};
        for (int page = 1; page < 5; ++page) {
          m_dlg->ShowPage(page);
          ::UpdateWindow(Wnd());
          Shot(Wnd(), names[page]);
        }
        ExpectPagesBelowTabLabels(Wnd(), "de");
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(Wnd(), IDC_PROBLEMS)));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(Wnd(), IDC_PROGRAM_NAME)));
        EXPECT_EQ("Ressourcen-Scan erfolgreich durchgef\xC3\xBChrt !", Utf8(lwtest::ItemText(Wnd(), IDC_PROBLEMS)));
        EXPECT_EQ(9u, lwtest::ListItems(::GetDlgItem(Wnd(), IDC_STD_LIST)).size());
        EXPECT_GT(lwtest::TreeItems(::GetDlgItem(Wnd(), IDC_RESOURCE_TREE)).size(), 10u);
        m_dlg->ShowPage(0);
      }),
      Do("save project and language file", [this] {
        Command(Wnd(), IDC_PROJECT_SAVE);
        EXPECT_TRUE(Exists(m_folder + _T("Sample.lwp")));
        EXPECT_EQ("Lingoweave Wizard - Sample.lwp", Utf8(lwtest::WindowText(Wnd())));
        Command(Wnd(), ID_TRA_SAVE);
        EXPECT_TRUE(Exists(m_folder + _T("Sample.tra")));
        EXPECT_TRUE(Exists(m_folder + _T("Sample_test.tra")));
        ExpectEnablingMatches(*m_dlg, "saved");
        EXPECT_FALSE(Enabled(Wnd(), IDC_PROJECT_SAVE));
        EXPECT_FALSE(Enabled(Wnd(), IDC_TRA_SAVE));
      }),
      Close(IDOK, 0),
  });
  EXPECT_EQ(1, m_ui.FlagQuestions());
  EXPECT_EQ(1u, m_ui.Messages().size());

  // Reopened: the same lists, nothing modified.
  size_t treeItems = 0;
  Run(_T("-P Sample"), {
      Do("the opened project", [&] {
        EXPECT_EQ("Lingoweave Wizard - Sample.lwp", Utf8(lwtest::WindowText(Wnd())));
        EXPECT_EQ(std::vector<CString>{_T("Sample.rc")}, lwtest::ListItems(::GetDlgItem(Wnd(), IDC_RC_LIST)));
        EXPECT_EQ(std::vector<CString>{_T("Sample.tra")}, lwtest::ListItems(::GetDlgItem(Wnd(), IDC_TRA_LIST)));
        treeItems = lwtest::TreeItems(::GetDlgItem(Wnd(), IDC_RESOURCE_TREE)).size();
        EXPECT_GT(treeItems, 10u);
        EXPECT_EQ(0x0407, m_dlg->Controller().GetProject()->GetTraFile()->GetLanguageId());
        ExpectEnablingMatches(*m_dlg, "opened");
        EXPECT_FALSE(Enabled(Wnd(), IDC_PROJECT_SAVE));
      }),
      Close(IDOK, 0),  // nothing changed since it was saved: no question
  });
  EXPECT_EQ(1u, m_ui.Messages().size());
}

TEST_F(WeaveMakerTest, EscapeAndCloseAskAndARefusedSaveKeepsTheWindow) {
  m_ui.QueueMessageAnswer(IDYES);
  m_ui.QueueFlag(Germany());
  bool stillOpen = false;
  Run(_T("-p Sample"), {
      Do("Escape with changes", [&] {
        m_ui.QueueMessageAnswer(IDCANCEL);  // stay
        ::SendMessage(Wnd(), WM_COMMAND, IDCANCEL, 0);
        stillOpen = ::IsWindowVisible(Wnd()) != FALSE;
        EXPECT_TRUE(stillOpen);
        ASSERT_EQ(2u, m_ui.Messages().size());
        EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL), m_ui.Messages()[1].type & MB_TYPEMASK);
      }),
      Do("a save that fails", [&] {
        // The project's folder is gone from under it: the save fails.
        m_dlg->Controller().GetProject()->SetProjectPath(m_folder + _T("gone\\Sample.lwp"));
        m_ui.QueueMessageAnswer(IDYES);  // save both
        m_ui.QueueMessageAnswer(IDOK);   // the failure
        ::SendMessage(Wnd(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(::IsWindowVisible(Wnd()));
        EXPECT_EQ(4u, m_ui.Messages().size());
        EXPECT_TRUE(m_dlg->Controller().State().projectModified);
      }),
      lwtest::Step(_T("closed without saving"), [&] {
        m_ui.QueueMessageAnswer(IDNO);
        ::SendMessage(Wnd(), WM_CLOSE, 0, 0);
        return !::IsWindowVisible(Wnd());
      }),
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(5u, m_ui.Messages().size());  // asked once on the last close
  EXPECT_FALSE(Exists(m_folder + _T("Sample.lwp")));
}

TEST_F(WeaveMakerTest, EveryCommandOnce) {
  m_ui.QueueMessageAnswer(IDYES);
  m_ui.QueueFlag(Germany());
  std::ofstream(Utf8(m_folder + _T("liesmich.txt"))) << "Hallo";
  Run(_T("-p Sample"), {
      Do("header edit", [&] {
        ::SetDlgItemText(Wnd(), IDC_PROGRAM_NAME, _T(""));
        EXPECT_FALSE(Enabled(Wnd(), IDC_TRA_SAVE));
        EXPECT_FALSE(Enabled(Wnd(), IDC_TRA_SAVEAS));
        ::SetDlgItemText(Wnd(), IDC_PROGRAM_NAME, _T("Beispiel"));
        EXPECT_EQ("Beispiel", Utf8(m_dlg->Controller().GetProject()->GetTraFile()->GetProgramName()));
        ExpectEnablingMatches(*m_dlg, "edited");
      }),
      Do("add-on files", [&] {
        LwFileChoice files;
        files.paths.Add(m_folder + _T("liesmich.txt"));
        files.paths.Add(m_folder + _T("liesmich.txt"));
        m_ui.QueueFiles(files);
        m_dlg->ShowPage(3);
        Command(Wnd(), IDC_ADDON_INSERT);  // both configurations: the dialog, cancelled by the driver below
      }),
      Do("add-on list", [&] {
        HWND list = ::GetDlgItem(Wnd(), IDC_ADDON_LIST);
        ASSERT_EQ(2u, lwtest::ListItems(list).size());
        EXPECT_EQ(CString(_T("???\\")), lwtest::ListItems(list, 1)[0]);
        ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
        NMHDR click = {list, IDC_ADDON_LIST, static_cast<UINT>(NM_CLICK)};
        ::SendMessage(Wnd(), WM_NOTIFY, IDC_ADDON_LIST, reinterpret_cast<LPARAM>(&click));
        EXPECT_TRUE(Enabled(Wnd(), IDC_ADDON_EXPORT));
        EXPECT_TRUE(Enabled(Wnd(), IDC_ADDON_DELETE));
        ::SetDlgItemText(Wnd(), IDC_ADDON_EXPORT, _T("doc"));
        EXPECT_EQ(CString(_T("doc")), lwtest::ListItems(list, 1)[1]);
        EXPECT_EQ(1u, ListView_GetSelectedCount(list));  // the selection stays
        EXPECT_EQ(CString(_T("???\\")), lwtest::ListItems(list, 1)[0]);
        const size_t said = m_ui.Messages().size();
        ::SetDlgItemText(Wnd(), IDC_ADDON_EXPORT, _T("C:\\x"));  // not stored, nothing said while typing
        EXPECT_EQ(CString(_T("doc")), lwtest::ListItems(list, 1)[1]);
        EXPECT_EQ(said, m_ui.Messages().size());
        m_ui.QueueMessageAnswer(IDOK);
        ::SendMessage(Wnd(), WM_COMMAND, MAKEWPARAM(IDC_ADDON_EXPORT, EN_KILLFOCUS),
                      reinterpret_cast<LPARAM>(::GetDlgItem(Wnd(), IDC_ADDON_EXPORT)));  // left: refused once
        EXPECT_EQ(said + 1, m_ui.Messages().size());
        EXPECT_EQ("doc", Utf8(lwtest::ItemText(Wnd(), IDC_ADDON_EXPORT)));
        Shot(Wnd(), "addons");
        Command(Wnd(), IDC_ADDON_DELETE);
        ASSERT_EQ(1u, lwtest::ListItems(list).size());
        EXPECT_EQ(CString(_T("???\\")), lwtest::ListItems(list, 1)[0]);  // the first stayed
        ExpectEnablingMatches(*m_dlg, "add-on deleted");
        // Its path given, the language file can be saved.
        ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
        ::SendMessage(Wnd(), WM_NOTIFY, IDC_ADDON_LIST, reinterpret_cast<LPARAM>(&click));
        ::SetDlgItemText(Wnd(), IDC_ADDON_EXPORT, _T("doc\\"));
        EXPECT_EQ(CString(_T("doc\\")), lwtest::ListItems(list, 1)[0]);
        m_dlg->ShowPage(0);
      }),
      Do("standard dialogs", [&] { Command(Wnd(), ID_STANDARD_DIALOGS); }),
      Do("test settings", [&] { Command(Wnd(), ID_TEST_SETTINGS); }),
      Do("about", [&] { Command(Wnd(), ID_APP_ABOUT_WIZARD); }),
      Do("help does nothing without a help file", [&] { Command(Wnd(), IDC_HELP_BUTTON); }),
      Do("remove the script", [&] {
        HWND list = ::GetDlgItem(Wnd(), IDC_RC_LIST);
        ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
        NMHDR click = {list, IDC_RC_LIST, static_cast<UINT>(NM_CLICK)};
        ::SendMessage(Wnd(), WM_NOTIFY, IDC_RC_LIST, reinterpret_cast<LPARAM>(&click));
        EXPECT_TRUE(Enabled(Wnd(), IDC_RC_REMOVE));
        Command(Wnd(), IDC_RC_REMOVE);
        EXPECT_TRUE(lwtest::ListItems(list).empty());
        EXPECT_EQ(0u, lwtest::TreeItems(::GetDlgItem(Wnd(), IDC_RESOURCE_TREE)).size());
      }),
      Do("insert it again", [&] {
        m_ui.QueueFile(m_folder + _T("Sample.rc"));
        Command(Wnd(), IDC_RC_INSERT);
        EXPECT_EQ(std::vector<CString>{_T("Sample.rc")}, lwtest::ListItems(::GetDlgItem(Wnd(), IDC_RC_LIST)));
      }),
      Do("save as", [&] {
        m_ui.QueueFile(m_folder + _T("Other.lwp"));
        Command(Wnd(), IDC_PROJECT_SAVEAS);
        EXPECT_EQ("Lingoweave Wizard - Other.lwp", Utf8(lwtest::WindowText(Wnd())));
        m_ui.QueueFile(m_folder + _T("Other.tra"));
        Command(Wnd(), IDC_TRA_SAVEAS);
        EXPECT_TRUE(Exists(m_folder + _T("Other.tra")));
      }),
      Do("new, cancelled in the picker", [&] {
        m_ui.QueueFile(m_folder + _T("Third.lwp"));
        m_ui.QueueMessageAnswer(IDNO);  // do not save Other.lwp
        m_ui.QueueFlagCancel();
        Command(Wnd(), IDC_PROJECT_NEW);
        EXPECT_EQ(nullptr, m_dlg->Controller().GetProject());
        EXPECT_EQ("Lingoweave Wizard", Utf8(lwtest::WindowText(Wnd())));
        ExpectEnablingMatches(*m_dlg, "no project");
        // Nothing of the old project stays behind.
        EXPECT_EQ("Ver\xC3\xA4nderte Testversion", Utf8(lwtest::ItemText(Wnd(), IDC_TEST_CHECK)));
        for (int id : {IDC_PROGRAM_NAME, IDC_PROGRAM_VERSION, IDC_LANGUAGE_NAME})
          EXPECT_EQ("", Utf8(lwtest::ItemText(Wnd(), id))) << id;
      }),
      Do("open", [&] {
        m_ui.QueueFile(m_folder + _T("Other.lwp"));
        Command(Wnd(), IDC_PROJECT_OPEN);
        EXPECT_EQ("Lingoweave Wizard - Other.lwp", Utf8(lwtest::WindowText(Wnd())));
        EXPECT_EQ("Beispiel", Utf8(lwtest::ItemText(Wnd(), IDC_PROGRAM_NAME)));
        // What the settings dialogs changed was saved with it.
        CWizardProject* p = m_dlg->Controller().GetProject();
        ASSERT_NE(nullptr, p);
        EXPECT_EQ("<<", Utf8(p->m_strLineStart));
        EXPECT_EQ(1, p->GetTraFile()->GetStdDialogOptions()[3]);
        EXPECT_EQ(1, p->GetTraFile()->GetAddOnFiles()->GetCount());
      }),
      Close(IDOK, IDNO),
  }, {
      // Each settings dialog: a picture, then its answer.
      lwtest::When(_T("the add-on configuration"), lwtest::Captioned(_T(" Konfiguration f\u00FCr die Datei...")),
                   [](HWND d) { Shot(d, "addonconfig"); ::PostMessage(d, WM_COMMAND, IDCANCEL, 0); }),
      lwtest::When(_T("the standard dialogs"), lwtest::Captioned(_T("Einzubeziehende Standard-Dialoge")),
                   [](HWND d) {
                     Shot(d, "stddialogs");
                     ::CheckDlgButton(d, IDC_STD_REPLACE, BST_CHECKED);
                     ::PostMessage(d, WM_COMMAND, IDOK, 0);
                   }),
      lwtest::When(_T("the test settings"), lwtest::Captioned(_T("Einstellungen f\u00FCr eine Testversion")),
                   [](HWND d) {
                     Shot(d, "testversion");
                     ::SetDlgItemText(d, IDC_START_MARKER, _T("<<"));
                     ::PostMessage(d, WM_COMMAND, IDOK, 0);
                   }),
      lwtest::When(_T("the about box"), lwtest::Captioned(_T("Info \u00FCber Lingoweave Wizard")),
                   [](HWND d) {
                     EXPECT_EQ("Version 3.00", Utf8(lwtest::ItemText(d, IDC_VERSION_TEXT)));
                     Shot(d, "about");
                     ::PostMessage(d, WM_COMMAND, IDOK, 0);
                   }),
  });
}

// A project whose script was moved away since its language file was saved:
// the scan stops with a message, the tree read from the project stays, and
// closing with "Ja" (were it asked) leaves the language file as it was.
TEST_F(WeaveMakerTest, AScriptMovedAwayCostsTheLanguageFileNothing) {
  std::ofstream(Utf8(m_folder + _T("Extra.rc")))
      << "IDD_EXTRA DIALOG 0, 0, 100, 40\nCAPTION \"Extra\"\nBEGIN\n  PUSHBUTTON \"Weiter\", 1, 10, 10, 40, 14\nEND\n";
  m_ui.QueueMessageAnswer(IDYES);  // make a project from Sample.rc
  m_ui.QueueFlag(Germany());
  size_t dialogs = 0;
  Run(_T("-p Sample"), {
      Do("a second script, saved", [&] {
        m_ui.QueueFile(m_folder + _T("Extra.rc"));
        Command(Wnd(), IDC_RC_INSERT);
        Command(Wnd(), IDC_PROJECT_SAVE);
        Command(Wnd(), ID_TRA_SAVE);
        dialogs = static_cast<size_t>(m_dlg->Controller().GetProject()->GetTraFile()->GetRootNode()->GetChild(1)->GetChildCount());
      }),
      Close(IDOK, 0),
  });
  std::ifstream saved(Utf8(m_folder + _T("Sample.tra")), std::ios::binary);
  const std::string before((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  saved.close();
  ASSERT_FALSE(before.empty());
  ASSERT_TRUE(::MoveFile(m_folder + _T("Extra.rc"), m_folder + _T("Extra.moved")));

  const size_t said = m_ui.Messages().size();
  m_ui.QueueMessageAnswer(IDOK);  // the script cannot be read
  Run(_T("-P Sample"), {
      Do("the opened project keeps its tree", [&] {
        ASSERT_EQ(said + 1, m_ui.Messages().size());
        EXPECT_NE(-1, m_ui.Messages()[said].text.Find(_T("Extra.rc")));
        const CTraNode* root = m_dlg->Controller().GetProject()->GetTraFile()->GetRootNode();
        ASSERT_NE(nullptr, root);
        EXPECT_EQ(dialogs, static_cast<size_t>(root->GetChild(1)->GetChildCount()));
        EXPECT_EQ("Lingoweave Wizard - Sample.lwp", Utf8(lwtest::WindowText(Wnd())));
        ExpectEnablingMatches(*m_dlg, "opened without a script");
        Shot(Wnd(), "moved_script");
      }),
      Close(IDOK, IDYES),
  });
  std::ifstream after(Utf8(m_folder + _T("Sample.tra")), std::ios::binary);
  EXPECT_TRUE(before == std::string((std::istreambuf_iterator<char>(after)), std::istreambuf_iterator<char>()));
}

// Started in English (the language the user chose last time): the pages lie
// below the English labels and the add-on list has English captions.
TEST_F(WeaveMakerTest, StartedInEnglish) {
  ASSERT_TRUE(LWSwitchFile(ProgramTra(_T("WeaveMakerUEN.tra"))));
  g_language = "en";
  Run(CString(), {
      Do("the dialog in English", [this] {
        EXPECT_EQ(CString(_T("General")), lwtest::TabLabels(::GetDlgItem(Wnd(), IDC_TAB))[0]);
        ExpectPagesBelowTabLabels(Wnd(), "en");
        EXPECT_EQ(CString(_T("File name         ")), lwtest::ListColumns(::GetDlgItem(Wnd(), IDC_ADDON_LIST))[0]);
        m_dlg->ShowPage(1);
        ::UpdateWindow(Wnd());
        Shot(Wnd(), "started_page1");
      }),
      Close(IDOK, 0),
  });
}

// The wizard in English scans the sample: the language file it writes holds
// the switch dialog's entry in English, and the problems page speaks English.
TEST_F(WeaveMakerTest, InEnglishTheScanWritesEnglishSuppliedEntries) {
  ASSERT_TRUE(LWSwitchFile(ProgramTra(_T("WeaveMakerUEN.tra"))));
  g_language = "en";
  m_ui.QueueMessageAnswer(IDYES);  // make a project from Sample.rc
  m_ui.QueueFlag(Germany());
  Run(_T("-p Sample"), {
      Do("scanned and saved", [this] {
        EXPECT_EQ("Resource scan finished without problems!", Utf8(lwtest::ItemText(Wnd(), IDC_PROBLEMS)));
        Command(Wnd(), ID_TRA_SAVE);
        ASSERT_TRUE(Exists(m_folder + _T("Sample.tra")));
        m_dlg->ShowPage(4);
        ::UpdateWindow(Wnd());
        Shot(Wnd(), "scanned_page4");
      }),
      Close(IDOK, IDNO),
  });
  CTraFile file(nullptr);
  ASSERT_TRUE(LwReadLanguageFile(m_folder + _T("Sample.tra"), file, LW_READ_WHOLE));
  const CString dialogs[] = {TRA_SECTION_DIALOGS};
  const CTraNode* group = file.GetRootNode()->FindPath(dialogs, 1);
  ASSERT_NE(nullptr, group);
  const CTraNode* entry = nullptr;
  for (int i = 0; i < group->GetChildCount(); ++i)
    if (group->GetChild(i)->GetKind() == TRA_SWITCHDIALOG) entry = group->GetChild(i);
  ASSERT_NE(nullptr, entry);
  EXPECT_EQ("Choose language", Utf8(entry->GetTranslation()));
  ASSERT_EQ(18, entry->GetChildCount());
  EXPECT_EQ("&Choose language...", Utf8(entry->GetChild(9)->GetTranslation()));
  EXPECT_EQ("&Help", Utf8(entry->GetChild(14)->GetTranslation()));
}

TEST_F(WeaveMakerTest, LanguageSwitchRetranslatesTheDialog) {
  m_ui.QueueMessageAnswer(IDYES);
  m_ui.QueueFlag(Germany());
  std::ofstream(Utf8(m_folder + _T("liesmich.txt"))) << "Hallo";
  auto switchTo = [this](const TCHAR* file, const char* language) {
    ASSERT_TRUE(LWSwitchFile(ProgramTra(file)));
    g_language = language;
    m_dlg->OnLanguageSwitched();
  };
  Run(_T("-p Sample"), {
      Do("English", [&] {
        switchTo(_T("WeaveMakerUEN.tra"), "en");
        EXPECT_EQ((std::vector<CString>{_T("General"), _T("Texts"), _T("Standard dialogs"), _T("Add-ons"),
                                         _T("Problems")}),
                  lwtest::TabLabels(::GetDlgItem(Wnd(), IDC_TAB)));
        EXPECT_EQ("Project:", Utf8(lwtest::ItemText(Wnd(), IDC_PROJECT_LABEL)));
        EXPECT_EQ("Close", Utf8(lwtest::ItemText(Wnd(), IDOK)));
        EXPECT_EQ("Make test language file Sample_test.tra", Utf8(lwtest::ItemText(Wnd(), IDC_TEST_CHECK)));
        EXPECT_EQ("Lingoweave Wizard - Sample.lwp *", Utf8(lwtest::WindowText(Wnd())));
        // The German scan's success line follows the switch.
        EXPECT_EQ("Resource scan finished without problems!", Utf8(lwtest::ItemText(Wnd(), IDC_PROBLEMS)));
        EXPECT_EQ(CString(_T("Message boxes and property sheets")),
                  lwtest::ListItems(::GetDlgItem(Wnd(), IDC_STD_LIST))[0]);
        EXPECT_TRUE(m_dlg->Controller().State().projectModified);  // the switch changes nothing of the project
        EXPECT_EQ((std::vector<CString>{_T("File name         "), _T("Export path       "),
                                         _T("File information          "), _T("File length")}),
                  lwtest::ListColumns(::GetDlgItem(Wnd(), IDC_ADDON_LIST)));
        ExpectPagesBelowTabLabels(Wnd(), "en");
        for (int page = 0; page < 5; ++page) {
          m_dlg->ShowPage(page);
          ::UpdateWindow(Wnd());
          Shot(Wnd(), "page" + std::to_string(page));
        }
        m_dlg->ShowPage(0);
      }),
      Do("settings dialogs in English", [&] {
        Command(Wnd(), ID_STANDARD_DIALOGS);
        Command(Wnd(), ID_TEST_SETTINGS);
        Command(Wnd(), ID_APP_ABOUT_WIZARD);
        m_ui.QueueFile(m_folder + _T("liesmich.txt"));
        Command(Wnd(), IDC_ADDON_INSERT);
        ASSERT_FALSE(m_ui.FileQuestions().empty());
        EXPECT_EQ("All files (*.*)|*.*||", Utf8(m_ui.FileQuestions().back().strFilter));
      }),
      Do("German again", [&] {
        switchTo(_T("WeaveMakerU.tra"), "de");
        EXPECT_EQ(CString(_T("Allgemein")), lwtest::TabLabels(::GetDlgItem(Wnd(), IDC_TAB))[0]);
        EXPECT_EQ("Projekt:", Utf8(lwtest::ItemText(Wnd(), IDC_PROJECT_LABEL)));
        EXPECT_EQ(CString(_T("Message Boxen und Property Sheets")),
                  lwtest::ListItems(::GetDlgItem(Wnd(), IDC_STD_LIST))[0]);
        EXPECT_EQ((std::vector<CString>{_T("Dateiname         "), _T("Austausch-Pfad    "),
                                         _T("Datei-Info                          "), _T("Dateil\u00E4nge")}),
                  lwtest::ListColumns(::GetDlgItem(Wnd(), IDC_ADDON_LIST)));
        ExpectPagesBelowTabLabels(Wnd(), "de");
      }),
      Close(IDOK, IDNO),
  }, {
      lwtest::When(_T("a settings dialog"), [] {
        return lwtest::FindOwnWindowIf([](HWND w) {
          const CString caption = lwtest::WindowText(w);
          return lwtest::IsDialogWindow(w) && ::IsWindowVisible(w) && caption.Find(_T("Wizard - ")) < 0 &&
                 caption != _T("Lingoweave Wizard");
        });
      }, [](HWND d) {
        const CString caption = lwtest::WindowText(d);
        const char* name = caption.Find(_T("Standard")) >= 0 ? "stddialogs"
                           : caption.Find(_T("Test")) >= 0   ? "testversion"
                           : caption.Find(_T("About")) >= 0  ? "about"
                                                             : "addonconfig";
        Shot(d, name);
        ::PostMessage(d, WM_COMMAND, IDCANCEL, 0);
      }),
  });
}

}  // namespace
