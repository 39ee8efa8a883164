#include "ReporterCapture.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class CTestApp : public CWinApp {
 public:
  CTestApp() : CWinApp(_T("ProfileTest")) {}
  std::vector<UINT> seen;
  LONG idleCalls = 0;
  int quitOnIdle = 0;  // not 0: the next idle time ends the loop with this code
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message >= WM_APP) seen.push_back(msg->message);
    if (msg->message == WM_APP + 1) return TRUE;  // taken: never dispatched
    return CWinApp::PreTranslateMessage(msg);
  }
  BOOL OnIdle(LONG count) override {
    ++idleCalls;
    if (quitOnIdle) {
      ::PostQuitMessage(quitOnIdle);
      quitOnIdle = 0;
    }
    return CWinApp::OnIdle(count);
  }
};

class CQuitter : public CWnd {
 public:
  std::vector<UINT> dispatched;
  LRESULT OnApp(WPARAM, LPARAM) {
    dispatched.push_back(GetCurrentMessage()->message);
    return 0;
  }
  // A loop that never idles ends here, with 6.
  void OnTimer(UINT_PTR) {
    KillTimer(1);
    ::PostQuitMessage(6);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CQuitter, CWnd)
  ON_MESSAGE(WM_APP, OnApp)
  ON_MESSAGE(WM_APP + 1, OnApp)
  ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(App, RunLoopPreTranslatesDispatchesAndEndsWithTheQuitCode) {
  lwtest::Watchdog dog(60);
  CTestApp app;
  app.InitApplication(::GetModuleHandle(nullptr), nullptr, SW_SHOW);
  CQuitter wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, _T("loop"), WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  wnd.PostMessage(WM_APP);
  wnd.PostMessage(WM_APP + 1);
  wnd.SetTimer(1, 20000);
  app.quitOnIdle = 5;  // once the posted messages are through
  EXPECT_EQ(app.Run(), 5);
  EXPECT_EQ(app.ExitInstance(), 5);
  EXPECT_EQ(app.seen, (std::vector<UINT>{WM_APP, WM_APP + 1}));
  EXPECT_EQ(wnd.dispatched, (std::vector<UINT>{WM_APP}));
  EXPECT_GT(app.idleCalls, 0);
  wnd.DestroyWindow();
}

// The main window's end quits the loop, unless it is a modal dialog.
TEST(App, DestroyingTheMainWindowPostsQuit) {
  CTestApp app;
  app.InitApplication(::GetModuleHandle(nullptr), nullptr, SW_SHOW);
  CWnd* main = new CWnd;
  ASSERT_TRUE(main->CreateEx(0, nullptr, _T("main"), WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  app.m_pMainWnd = main;
  EXPECT_EQ(AfxGetMainWnd(), main);
  main->DestroyWindow();
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  MSG msg;
  EXPECT_TRUE(::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  delete main;
}

TEST(App, NamesCommandLineAndMessageBoxText) {
  CTestApp app;
  app.InitApplication(::GetModuleHandle(nullptr), nullptr, SW_SHOW);
  EXPECT_EQ(AfxGetApp(), &app);
  EXPECT_EQ(CString(app.m_pszAppName), CString(_T("ProfileTest")));
  EXPECT_NE(CString(app.m_pszExeName).Find(_T("frameworkwin_test")), -1);
  struct Case {
    LPCTSTR line;
    LPCTSTR rest;
  } cases[] = {
      {_T("prog.exe"), _T("")},
      {_T("prog.exe /selftest x"), _T("/selftest x")},
      {_T("\"C:\\Program Files\\p.exe\"   a \"b c\""), _T("a \"b c\"")},
      {_T("\"unterminated"), _T("")},
      {_T(""), _T("")},
  };
  for (const Case& c : cases) {
    CString copy(c.line);
    EXPECT_EQ(CString(lw::SkipProgramName(copy.GetBuffer())), CString(c.rest)) << CStringA(c.line).GetString();
  }
  CString greeting;
  EXPECT_TRUE(greeting.LoadString(IDS_TEST_GREETING));
  EXPECT_EQ(greeting, CString(_T("Gr\xfc\xdf" "e aus der Stringtabelle")));
}

}  // namespace

TEST(App, NoApplicationObjectOutsideTheTests) { EXPECT_EQ(AfxGetApp(), nullptr); }

namespace {

int g_appCommands = 0;

class CCommandApp : public CWinApp {
 public:
  void OnAppCommand() { ++g_appCommands; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandApp, CWinApp)
  ON_COMMAND(0x8001, OnAppCommand)
  ON_COMMAND(0x0101, OnAppCommand)
END_MESSAGE_MAP()

// Menu commands a dialog does not handle reach the application; control ids
// below 0x8000 do not.
TEST(App, DialogCommandsRouteToTheApplication) {
  CCommandApp app;
  app.InitApplication(::GetModuleHandle(nullptr), nullptr, SW_SHOW);
  g_appCommands = 0;
  lw::DialogTemplate t(_T("Route"), WS_POPUP | WS_CAPTION, 0, 0, 80, 40);
  CDialog dialog;
  ASSERT_TRUE(dialog.CreateIndirect(t.Get()));
  dialog.SendMessage(WM_COMMAND, 0x8001, 0);
  EXPECT_EQ(g_appCommands, 1);
  dialog.SendMessage(WM_COMMAND, 0x0101, 0);
  EXPECT_EQ(g_appCommands, 1);
  EXPECT_TRUE(dialog.HasCommandHandler(0x8001));
  EXPECT_FALSE(dialog.HasCommandHandler(0x0101));
  dialog.DestroyWindow();
}

}  // namespace
