#include "ShownFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class CFrameApp : public CWinApp {
 public:
  CFrameApp() : CWinApp(_T("Rahmen-Test")) {}
};

class CTestFrame : public CFrameWnd {
 public:
  CTestFrame() { m_bAutoDelete = FALSE; }
  HMENU createMenu = nullptr;
  int opened = 0;
  int saved = 0;
  bool* deleted = nullptr;
  CToolBar toolbar;
  CStatusBar status;

  ~CTestFrame() override {
    if (deleted) *deleted = true;
  }

  int OnCreate(LPCREATESTRUCT cs) {
    createMenu = cs->hMenu;
    if (CWnd::OnCreate(cs) == -1) return -1;
    const UINT buttons[] = {ID_TEST_OPEN, ID_SEPARATOR, ID_TEST_SAVE};
    const int images[] = {STD_FILEOPEN, 0, STD_FILESAVE};
    const UINT indicators[] = {ID_SEPARATOR};
    if (!toolbar.Create(this) || !toolbar.LoadStandardImages() || !toolbar.SetButtons(buttons, 3, images)) return -1;
    if (!status.Create(this) || !status.SetIndicators(indicators, 1)) return -1;
    return 0;
  }
  void OnOpen() { ++opened; }
  void OnSave() { ++saved; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND(ID_TEST_OPEN, OnOpen)
  ON_COMMAND(ID_TEST_SAVE, OnSave)
END_MESSAGE_MAP()

// Records what is sent to windows of this thread: texts set on status bars
// and the tooltip requests that reach a given window.
class MessageLog {
 public:
  explicit MessageLog(HWND notified = nullptr) {
    Current() = this;
    m_notified = notified;
    m_hook = ::SetWindowsHookEx(WH_CALLWNDPROC, &Hook, nullptr, ::GetCurrentThreadId());
  }
  ~MessageLog() {
    ::UnhookWindowsHookEx(m_hook);
    Current() = nullptr;
  }
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  std::vector<CString> statusTexts;
  std::vector<UINT> tipCodes;

 private:
  static MessageLog*& Current() {
    static MessageLog* log = nullptr;
    return log;
  }
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<CWPSTRUCT*>(lParam);
    MessageLog* log = Current();
    if (code == HC_ACTION && log) {
      TCHAR name[64] = {};
      ::GetClassName(message->hwnd, name, 64);
      if (message->message == WM_SETTEXT && lw::StrCmp(name, STATUSCLASSNAME) == 0)
        log->statusTexts.push_back(CString(reinterpret_cast<LPCTSTR>(message->lParam)));
      if (message->message == WM_NOTIFY && message->hwnd == log->m_notified) {
        UINT c = reinterpret_cast<NMHDR*>(message->lParam)->code;
        if (c == TTN_GETDISPINFOA || c == TTN_GETDISPINFOW) log->tipCodes.push_back(c);
      }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK m_hook = nullptr;
  HWND m_notified = nullptr;
};

// A frame made and shown for one test, with the test's watchdog.
struct FrameFixture : lwtest::ShownFrameFixture<CFrameApp, CTestFrame> {
  void SetUp() override { LoadAndShow(CRect(10, 10, 510, 310)); }
  CString StatusText() const { return frame.status.GetPaneText(0); }
  HMENU Popup(int index) const { return ::GetSubMenu(frame.m_hMenuDefault, index); }
  UINT ItemState(int popup, UINT id) const {
    return ::GetMenuState(Popup(popup), id, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED);
  }
};

TEST_F(FrameFixture, MadeWithItsMenuTitleBarsAndIdleText) {
  EXPECT_NE(frame.m_hMenuDefault, nullptr);
  EXPECT_EQ(::GetMenu(frame.m_hWnd), frame.m_hMenuDefault);
  EXPECT_EQ(frame.createMenu, frame.m_hMenuDefault) << "WM_CREATE carries the menu";
  EXPECT_EQ(frame.GetWindowTextString(), CString(_T("Rahmen-Test"))) << "no title string: the program's name";
  EXPECT_EQ(StatusText(), CString(_T("Bereit")));
  EXPECT_EQ(frame.GetMessageBar(), &frame.status);
  EXPECT_EQ(frame.GetControlBar(AFX_IDW_TOOLBAR), &frame.toolbar);

  // Toolbar along the top edge, status bar along the bottom, both full width.
  CRect client, bar, status;
  frame.GetClientRect(&client);
  frame.toolbar.GetWindowRect(&bar);
  frame.status.GetWindowRect(&status);
  frame.ScreenToClient(&bar);
  frame.ScreenToClient(&status);
  EXPECT_EQ(bar.top, client.top);
  EXPECT_EQ(bar.Width(), client.Width());
  EXPECT_GT(bar.Height(), 0);
  EXPECT_EQ(status.bottom, client.bottom);
  EXPECT_EQ(status.Width(), client.Width());
  EXPECT_EQ(frame.toolbar.GetCount(), 3);
  EXPECT_EQ(frame.toolbar.GetItemID(1), UINT(ID_SEPARATOR));
  EXPECT_EQ(frame.toolbar.GetItemID(2), UINT(ID_TEST_SAVE));
}

TEST(Frame, APresetTitleIsKept) {
  CFrameApp app;
  CTestFrame frame;
  frame.SetTitle(_T("Vorgabe"));
  ASSERT_TRUE(frame.LoadFrame(IDR_TEST_FRAME));
  EXPECT_EQ(frame.GetWindowTextString(), CString(_T("Vorgabe")));
  frame.SetTitle(_T("Neu"));
  frame.OnUpdateFrameTitle();
  EXPECT_EQ(frame.GetWindowTextString(), CString(_T("Neu")));
  frame.DestroyWindow();
}

// The status bar gets every text through WM_SETTEXT (what a translating
// hook sees): prompts of highlighted items, nothing for popups, the idle
// text when the menu closes.
TEST_F(FrameFixture, MenuSelectionShowsPromptsThroughSetText) {
  HMENU file = Popup(0);
  struct Step {
    const char* what;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LPCTSTR expected;
  } steps[] = {
      {"item", WM_MENUSELECT, MAKEWPARAM(ID_TEST_OPEN, MF_HILITE), reinterpret_cast<LPARAM>(file),
       _T("\xd6" "ffnet eine Datei")},
      {"item without tip", WM_MENUSELECT, MAKEWPARAM(ID_TEST_EXTRA, MF_HILITE), reinterpret_cast<LPARAM>(file),
       _T("Nur eine Aufforderung")},
      {"popup", WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE), reinterpret_cast<LPARAM>(frame.m_hMenuDefault),
       _T("")},
      {"menu closed", WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0, _T("Bereit")},
      {"item again", WM_MENUSELECT, MAKEWPARAM(ID_TEST_SAVE, MF_HILITE), reinterpret_cast<LPARAM>(file),
       _T("Speichert die Datei")},
      {"menu loop ends", WM_EXITMENULOOP, 0, 0, _T("Bereit")},
      {"text of its own", WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(_T("Eigener Text")), _T("Eigener Text")},
      {"string id", WM_SETMESSAGESTRING, ID_TEST_OPEN, 0, _T("\xd6" "ffnet eine Datei")},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    MessageLog log;
    frame.SendMessage(s.message, s.wParam, s.lParam);
    EXPECT_EQ(StatusText(), CString(s.expected));
    ASSERT_EQ(log.statusTexts.size(), 1u);
    EXPECT_EQ(log.statusTexts[0], CString(s.expected));
  }
  // WM_SETMESSAGESTRING answers the id shown before.
  EXPECT_EQ(frame.SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE), LRESULT(ID_TEST_OPEN));
  EXPECT_EQ(StatusText(), CString(_T("Bereit")));
}

// The tip of a command is the text after the last '\n' of its string; short
// tips go into szText, long ones stay in the frame until the next request.
TEST_F(FrameFixture, ToolTipRequestsOfBothWidthsGetTheTipText) {
  CString longTip = _T("Speichert die ge\xf6" "ffnete Datei unter ihrem bisherigen Namen, ohne noch einmal nachzufragen");
  struct Case {
    UINT id;
    LPCTSTR tip;  // null: not answered
  } cases[] = {{ID_TEST_OPEN, _T("\xd6" "ffnen")}, {ID_TEST_SAVE, longTip}, {ID_TEST_EXTRA, nullptr}};
  HWND tips = frame.toolbar.GetToolTips();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    NMTTDISPINFOW wide{};
    wide.hdr = {tips, c.id, UINT(TTN_GETDISPINFOW)};
    wide.lpszText = wide.szText;
    NMTTDISPINFOA narrow{};
    narrow.hdr = {tips, c.id, UINT(TTN_GETDISPINFOA)};
    narrow.lpszText = narrow.szText;
    frame.SendMessage(WM_NOTIFY, c.id, reinterpret_cast<LPARAM>(&wide));
    frame.SendMessage(WM_NOTIFY, c.id, reinterpret_cast<LPARAM>(&narrow));
    CString expected = c.tip ? c.tip : _T("");
    EXPECT_EQ(CString(CStringW(wide.lpszText)), expected);
    EXPECT_EQ(CString(CStringA(narrow.lpszText)), expected);
    bool inPlace = expected.GetLength() < 80;
    EXPECT_EQ(wide.lpszText == wide.szText, inPlace);
    EXPECT_EQ(narrow.lpszText == narrow.szText, inPlace);
  }
}

// The toolbar's own tooltip asks the frame for the text.
TEST_F(FrameFixture, TheToolbarsTooltipAsksTheFrame) {
  HWND tips = frame.toolbar.GetToolTips();
  ASSERT_NE(tips, nullptr);
  MessageLog log(frame.m_hWnd);
  EXPECT_EQ(lwtest::ToolbarTipText(frame.toolbar, ID_TEST_OPEN), CString(_T("\xd6" "ffnen")));
  ASSERT_FALSE(log.tipCodes.empty());
  EXPECT_EQ(log.tipCodes[0], sizeof(TCHAR) == 1 ? UINT(TTN_GETDISPINFOA) : UINT(TTN_GETDISPINFOW));
}

// Update handlers run when a popup opens: unhandled items greyed, the bars'
// items checked while the bar shows; the view commands toggle the bars.
TEST_F(FrameFixture, PopupsGetTheirStateAndViewCommandsToggleTheBars) {
  struct Expect {
    int popup;
    UINT id;
    UINT state;
  };
  auto check = [&](std::initializer_list<Expect> expects) {
    for (int popup : {0, 1}) frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(Popup(popup)), popup);
    for (const Expect& e : expects) EXPECT_EQ(ItemState(e.popup, e.id), e.state) << e.id;
  };
  check({{0, ID_TEST_OPEN, 0}, {0, ID_TEST_EXTRA, MF_GRAYED}, {0, ID_APP_EXIT, 0},
         {1, ID_VIEW_TOOLBAR, MF_CHECKED}, {1, ID_VIEW_STATUS_BAR, MF_CHECKED}});

  frame.SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
  EXPECT_FALSE(frame.toolbar.IsWindowVisible());
  check({{1, ID_VIEW_TOOLBAR, 0}, {1, ID_VIEW_STATUS_BAR, MF_CHECKED}});

  frame.SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
  EXPECT_FALSE(frame.status.IsWindowVisible());
  check({{1, ID_VIEW_TOOLBAR, 0}, {1, ID_VIEW_STATUS_BAR, 0}});

  frame.SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
  frame.SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
  EXPECT_TRUE(frame.toolbar.IsWindowVisible());
  EXPECT_TRUE(frame.status.IsWindowVisible());
  check({{1, ID_VIEW_TOOLBAR, MF_CHECKED}, {1, ID_VIEW_STATUS_BAR, MF_CHECKED}});
}

// Ctrl+O is the frame's accelerator for "Öffnen"; O alone is not.
TEST_F(FrameFixture, AcceleratorsTurnKeysIntoCommands) {
  BYTE saved[256] = {};
  ::GetKeyboardState(saved);
  struct Case {
    bool control;
    BOOL taken;
    int opened;
  } cases[] = {{true, TRUE, 1}, {false, FALSE, 1}};
  for (const Case& c : cases) {
    BYTE keys[256];
    memcpy(keys, saved, sizeof(keys));
    keys[VK_CONTROL] = c.control ? 0x80 : 0;
    keys[VK_LCONTROL] = keys[VK_CONTROL];
    ::SetKeyboardState(keys);
    MSG msg{frame.m_hWnd, WM_KEYDOWN, 'O', 0x00180001, 0, {0, 0}};
    EXPECT_EQ(frame.PreTranslateMessage(&msg), c.taken);
    EXPECT_EQ(frame.opened, c.opened);
  }
  ::SetKeyboardState(saved);
  // A toolbar button sends the same command.
  frame.SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_SAVE, BN_CLICKED), reinterpret_cast<LPARAM>(frame.toolbar.m_hWnd));
  EXPECT_EQ(frame.saved, 1);
}

// A frame whose WM_CREATE fails: no window, no menu left over, and the
// object (made with new) is still the caller's to delete.
class CRefusingFrame : public CTestFrame {
 public:
  int OnCreate(LPCREATESTRUCT) { return -1; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRefusingFrame, CTestFrame)
  ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(Frame, FailedCreationLeavesTheObjectToTheCaller) {
  CFrameApp app;
  bool deleted = false;
  CRefusingFrame* frame = new CRefusingFrame;
  frame->m_bAutoDelete = TRUE;
  frame->deleted = &deleted;
  EXPECT_FALSE(frame->LoadFrame(IDR_TEST_FRAME));
  EXPECT_FALSE(deleted);
  EXPECT_EQ(frame->m_hWnd, nullptr);
  EXPECT_EQ(frame->m_hMenuDefault, nullptr);
  delete frame;
  EXPECT_TRUE(deleted);
}

// "Beenden" closes the main frame: the window goes, the frame made with new
// deletes itself, and the program's loop gets its quit message.
TEST(Frame, ExitClosesTheMainFrameWhichDeletesItselfAndEndsTheLoop) {
  lwtest::Watchdog watchdog(60);
  CFrameApp app;
  bool deleted = false;
  CTestFrame* frame = new CTestFrame;
  frame->m_bAutoDelete = TRUE;
  frame->deleted = &deleted;
  ASSERT_TRUE(frame->LoadFrame(IDR_TEST_FRAME));
  app.m_pMainWnd = frame;
  HWND hwnd = frame->m_hWnd;
  MSG msg;
  while (::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  ::SendMessage(hwnd, WM_COMMAND, ID_APP_EXIT, 0);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_TRUE(deleted);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_TRUE(::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
