#include "DocViewKit.h"

namespace dvtest {
namespace {

struct Routing : DocViewFixture {
  void SetUp() override {
    DocViewFixture::SetUp();
    StartWith(IDR_DOC_FRAME, RUNTIME_CLASS(CTestDocFrame), RUNTIME_CLASS(CTestView));
  }
  CToolBar& Toolbar() const { return static_cast<CTestDocFrame*>(Frame())->toolbar; }
  bool ButtonEnabled(UINT id) const { return dvtest::ButtonEnabled(Toolbar(), id); }
  bool ButtonChecked(UINT id) const { return dvtest::ButtonChecked(Toolbar(), id); }
};

// View, document, frame, application: the first that handles a command takes it.
TEST_F(Routing, CommandsGoViewDocumentFrameApplication) {
  struct Case {
    UINT id;
    std::vector<std::string> handledBy;
  } cases[] = {
      {ID_TEST_VIEW_CMD, {"view"}},  {ID_TEST_DOC_CMD, {"doc"}},   {ID_TEST_FRAME_CMD, {"frame"}},
      {ID_TEST_APP_CMD, {"app"}},    {ID_TEST_SHARED_CMD, {"view"}}, {ID_TEST_UNHANDLED, {}},
  };
  for (const Case& c : cases) {
    Command(c.id);
    EXPECT_EQ(TakeCommands(), c.handledBy) << c.id;
  }
  // Without an active view the document is out of reach; the frame comes first.
  Frame()->SetActiveView(nullptr);
  Command(ID_TEST_SHARED_CMD);
  Command(ID_TEST_DOC_CMD);
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"frame"}));
}

TEST_F(Routing, MenusAndToolbarButtonsFollowTheUpdateHandlers) {
  HMENU edit = ::GetSubMenu(::GetMenu(Frame()->m_hWnd), 1);
  auto state = [&](UINT id) { return ::GetMenuState(edit, id, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED); };
  struct Case {
    bool docEnabled;
    UINT docMenu;
  } cases[] = {{true, 0}, {false, MF_GRAYED}, {true, 0}};
  for (const Case& c : cases) {
    Log::Get().docCommandEnabled = c.docEnabled;
    Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 1);
    EXPECT_EQ(state(ID_TEST_VIEW_CMD), UINT(MF_CHECKED));
    EXPECT_EQ(state(ID_TEST_DOC_CMD), c.docMenu);
    EXPECT_EQ(state(ID_TEST_FRAME_CMD), 0u);
    EXPECT_EQ(state(ID_TEST_APP_CMD), 0u);
    EXPECT_EQ(state(ID_TEST_UNHANDLED), UINT(MF_GRAYED));

    app.OnIdle(0);
    EXPECT_TRUE(ButtonEnabled(ID_TEST_VIEW_CMD));
    EXPECT_TRUE(ButtonChecked(ID_TEST_VIEW_CMD));
    EXPECT_EQ(ButtonEnabled(ID_TEST_DOC_CMD), c.docEnabled);
    EXPECT_TRUE(ButtonEnabled(ID_TEST_FRAME_CMD));
    EXPECT_FALSE(ButtonEnabled(ID_TEST_UNHANDLED));
  }
  // The view's handlers leave with the active view: its button is disabled.
  Frame()->SetActiveView(nullptr);
  app.OnIdle(0);
  EXPECT_FALSE(ButtonEnabled(ID_TEST_VIEW_CMD));
  EXPECT_FALSE(ButtonEnabled(ID_TEST_DOC_CMD));
  Frame()->SetActiveView(Doc()->GetView(0));
  app.OnIdle(0);
  EXPECT_TRUE(ButtonEnabled(ID_TEST_VIEW_CMD)) << "enabled again when its handler is back";
}

TEST_F(Routing, TheCapsLockIndicatorShowsItsTextOnlyWhileOn) {
  BYTE saved[256] = {};
  ::GetKeyboardState(saved);
  CStatusBar& status = static_cast<CTestDocFrame*>(Frame())->status;
  for (bool on : {true, false, true}) {
    BYTE keys[256];
    memcpy(keys, saved, sizeof(keys));
    keys[VK_CAPITAL] = on ? 1 : 0;
    ::SetKeyboardState(keys);
    app.OnIdle(0);
    EXPECT_EQ(status.GetPaneText(1), on ? CString(_T("GROSS")) : CString()) << on;
  }
  ::SetKeyboardState(saved);
}

TEST_F(Routing, AcceleratorsReachTheActiveView) {
  EXPECT_TRUE(PreTranslateCtrlKey(app, Doc()->GetView(0)->m_hWnd, 'K'));
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"view"}));
}

// An exception thrown by a command handler is reported once, naming the
// file; the program goes on.
TEST_F(Routing, AnExceptionInACommandHandlerIsReportedOnceAndTheProgramGoesOn) {
  Frame()->PostMessage(WM_COMMAND, ID_TEST_THROW);
  Frame()->PostMessage(WM_COMMAND, ID_TEST_DOC_CMD);
  Frame()->PostMessage(WM_USER);  // marks the end
  MSG msg;
  while (::GetMessage(&msg, nullptr, 0, 0)) {
    if (msg.message == WM_USER) break;
    if (!app.PreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessage(&msg);
    }
  }
  ASSERT_EQ(lwtest::ReporterCapture::Reports().size(), 1u);
  EXPECT_NE(lwtest::ReporterCapture::Reports()[0].Find(_T("C:\\gesperrt.lwt")), -1);
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"doc"}));
  EXPECT_TRUE(Frame()->IsWindowVisible());
}

// An update handler that throws fails at every idle time; it is reported
// once while it keeps failing, and again after it recovered and failed anew.
TEST_F(Routing, AFailingUpdateHandlerIsReportedOnce) {
  Log::Get().throwInUpdate = true;
  for (int i = 0; i < 5; ++i) app.OnIdle(0);
  ASSERT_EQ(lwtest::ReporterCapture::Reports().size(), 1u);
  EXPECT_NE(lwtest::ReporterCapture::Reports()[0].Find(_T("C:\\kaputt.lwt")), -1);
  Log::Get().throwInUpdate = false;
  app.OnIdle(0);
  Log::Get().throwInUpdate = true;
  app.OnIdle(0);
  EXPECT_EQ(lwtest::ReporterCapture::Reports().size(), 2u);
  Log::Get().throwInUpdate = false;
}

}  // namespace
}  // namespace dvtest

namespace dvtest {
namespace {

// The program's own loop updates the toolbar when it runs out of messages:
// the update ends the loop (with 7); a loop that never idles ends on the
// timer (with 8) instead.
TEST_F(Routing, TheMessageLoopUpdatesTheToolbarWhenIdle) {
  app.OnIdle(0);
  ASSERT_TRUE(ButtonEnabled(ID_TEST_DOC_CMD));
  Log::Get().docCommandEnabled = false;
  Log::Get().quitOnUpdate = 7;
  UINT_PTR timer = ::SetTimer(nullptr, 0, 20000, [](HWND, UINT, UINT_PTR, DWORD) { ::PostQuitMessage(8); });
  EXPECT_EQ(app.Run(), 7);
  ::KillTimer(nullptr, timer);
  Log::Get().quitOnUpdate = 0;
  EXPECT_FALSE(ButtonEnabled(ID_TEST_DOC_CMD));
}

class CFailingDoc : public CTestDoc {
  DECLARE_DYNCREATE(CFailingDoc)

 public:
  BOOL OnNewDocument() override { throw CFileException(CFileException::fileNotFound, 2, _T("C:\\erste.lwt")); }
};
IMPLEMENT_DYNCREATE(CFailingDoc, CTestDoc)

// A new document that fails with an exception takes its new frame along;
// the exception goes on to the message boundary.
TEST_F(DocViewFixture, AnExceptionWhileMakingTheFirstDocumentLeavesNoFrame) {
  app.AddDocTemplate(new CSingleDocTemplate(IDR_DOC_FRAME, RUNTIME_CLASS(CFailingDoc), RUNTIME_CLASS(CTestDocFrame),
                                            RUNTIME_CLASS(CTestView)));
  EXPECT_THROW(app.OnFileNew(), CFileException);
  EXPECT_EQ(app.GetDocTemplate(0)->GetDocumentCount(), 0);
  EXPECT_EQ(Log::Get().documentsDeleted, 1);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  int frames = 0;  // windows of this thread (the other width's program runs beside it)
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND hwnd, LPARAM count) -> BOOL {
        if (dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hwnd))) ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&frames));
  EXPECT_EQ(frames, 0);
}

}  // namespace
}  // namespace dvtest
