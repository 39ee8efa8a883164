#include "ReporterCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

void Log(const std::string& s) { g_log.push_back(s); }

const UINT kRegistered = ::RegisterWindowMessage(_T("LwFrameworkTestMessage"));

class CBaseTarget : public CWnd {
 public:
  void OnBase100() { Log("base100"); }
  void OnBase101() { Log("base101"); }
  void OnBaseRange(UINT id) { Log("baseRange" + std::to_string(id)); }
  void OnFirstOf300() { Log("first300"); }
  void OnSecondOf300() { Log("second300"); }
  void OnBaseTip(NMHDR*, LRESULT* result) { Log("baseTip"); *result = 11; }
  LRESULT OnApp(WPARAM w, LPARAM l) { Log("app" + std::to_string(w) + "," + std::to_string(l)); return 77; }
  void OnChange() { Log("change"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CWnd)
  ON_COMMAND(100, OnBase100)
  ON_COMMAND(101, OnBase101)
  ON_COMMAND_RANGE(200, 209, OnBaseRange)
  ON_COMMAND(300, OnFirstOf300)
  ON_COMMAND(300, OnSecondOf300)
  ON_NOTIFY(TTN_NEEDTEXTW, 7, OnBaseTip)
  ON_MESSAGE(WM_APP + 1, OnApp)
  ON_EN_CHANGE(400, OnChange)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget {
 public:
  void OnDerived100() { Log("derived100"); }
  void OnDerived205(UINT id) { Log("derived" + std::to_string(id)); }
  void OnUpdate100(CCmdUI* ui) { Log("update100"); ui->Enable(FALSE); ui->SetCheck(1); }
  BOOL OnTip(UINT id, NMHDR*, LRESULT* result) {
    Log("tip" + std::to_string(id));
    if (id == 7) return FALSE;  // let the base answer
    *result = 22;
    return TRUE;
  }
  void OnClickRange(UINT id, NMHDR* header, LRESULT* result) {
    Log("click" + std::to_string(id) + "/" + std::to_string(header->idFrom));
    *result = 33;
  }
  LRESULT OnRegistered(WPARAM w, LPARAM) { Log("registered" + std::to_string(w)); return 5; }
  void OnSelChange() { Log("selchange"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
  ON_COMMAND(100, OnDerived100)
  ON_COMMAND_RANGE(205, 205, OnDerived205)
  ON_UPDATE_COMMAND_UI(100, OnUpdate100)
  ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnTip)
  ON_NOTIFY_RANGE(NM_CLICK, 500, 509, OnClickRange)
  ON_REGISTERED_MESSAGE(kRegistered, OnRegistered)
  ON_CBN_SELCHANGE(400, OnSelChange)
END_MESSAGE_MAP()

// A top-level window of the framework's default class, destroyed at the end.
template <class T>
struct LiveWindow {
  T wnd;
  LiveWindow() {
    g_log.clear();
    EXPECT_TRUE(wnd.CreateEx(0, nullptr, _T("test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100), nullptr, 0));
  }
  ~LiveWindow() { wnd.DestroyWindow(); }
};

struct CommandCase {
  WPARAM wParam;
  LPARAM lParam;
  std::vector<std::string> expected;
};

TEST(MessageMap, CommandsWalkFromDerivedToBaseAndFirstEntryWins) {
  LiveWindow<CDerivedTarget> live;
  const CommandCase cases[] = {
      {MAKEWPARAM(100, 0), 0, {"derived100"}},           // derived entry hides the base's
      {MAKEWPARAM(100, 1), 0, {"derived100"}},           // an accelerator is a command too
      {MAKEWPARAM(101, 0), 0, {"base101"}},              // only in the base
      {MAKEWPARAM(200, 0), 0, {"baseRange200"}},         // range start
      {MAKEWPARAM(209, 0), 0, {"baseRange209"}},         // range end
      {MAKEWPARAM(205, 0), 0, {"derived205"}},           // derived range of one
      {MAKEWPARAM(210, 0), 0, {}},                       // past the range
      {MAKEWPARAM(300, 0), 0, {"first300"}},             // two entries: the first one
      {MAKEWPARAM(400, CBN_SELCHANGE), 1, {"selchange"}},  // notification codes keep apart
      {MAKEWPARAM(400, EN_CHANGE), 1, {"change"}},
      {MAKEWPARAM(400, EN_UPDATE), 1, {}},
  };
  for (const CommandCase& c : cases) {
    g_log.clear();
    // lParam 1 stands for a control handle nobody wraps.
    live.wnd.SendMessage(WM_COMMAND, c.wParam, c.lParam);
    EXPECT_EQ(g_log, c.expected) << "command " << LOWORD(c.wParam) << " code " << HIWORD(c.wParam);
  }
}

TEST(MessageMap, NotificationsWithRangesExFormsAndResults) {
  LiveWindow<CDerivedTarget> live;
  struct Case {
    UINT id;
    UINT code;
    LRESULT result;
    std::vector<std::string> expected;
  } cases[] = {
      {3, TTN_NEEDTEXTW, 22, {"tip3"}},
      {7, TTN_NEEDTEXTW, 11, {"tip7", "baseTip"}},  // _EX handler declines, base answers
      {500, NM_CLICK, 33, {"click500/500"}},
      {509, NM_CLICK, 33, {"click509/509"}},
      {510, NM_CLICK, 0, {}},
      {500, NM_DBLCLK, 0, {}},
  };
  for (const Case& c : cases) {
    g_log.clear();
    NMHDR header{nullptr, c.id, c.code};
    LRESULT result = live.wnd.SendMessage(WM_NOTIFY, c.id, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(result, c.result) << c.id;
    EXPECT_EQ(g_log, c.expected) << c.id;
  }
}

TEST(MessageMap, WindowAndRegisteredMessages) {
  LiveWindow<CDerivedTarget> live;
  EXPECT_EQ(live.wnd.SendMessage(WM_APP + 1, 3, -4), 77);
  EXPECT_EQ(live.wnd.SendMessage(kRegistered, 9, 0), 5);
  EXPECT_EQ(g_log, (std::vector<std::string>{"app3,-4", "registered9"}));
}

TEST(MessageMap, UpdateHandlersSetMenuItemState) {
  LiveWindow<CDerivedTarget> live;
  CMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  popup.AppendMenu(MF_STRING, 100, _T("A"));
  popup.AppendMenu(MF_STRING, 101, _T("B"));
  popup.AppendMenu(MF_SEPARATOR);
  popup.AppendMenu(MF_STRING, 999, _T("C"));
  CCmdUI::UpdateMenu(&live.wnd, popup, TRUE);
  EXPECT_EQ(g_log, (std::vector<std::string>{"update100"}));
  EXPECT_TRUE(popup.GetMenuState(100, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(popup.GetMenuState(100, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(popup.GetMenuState(101, MF_BYCOMMAND) & MF_GRAYED);  // has a command handler
  EXPECT_TRUE(popup.GetMenuState(999, MF_BYCOMMAND) & MF_GRAYED);   // nobody handles it
}

// Handlers for WM_ messages get the unpacked values.
class CCracked : public CWnd {
 public:
  int createCalls = 0;
  bool failCreate = false;
  bool postNcDestroy = false;
  int OnCreate(LPCREATESTRUCT cs) {
    ++createCalls;
    Log(std::string("create:") + (cs && cs->lpszName ? "named" : "?"));
    return failCreate ? -1 : 0;
  }
  void OnSize(UINT type, int cx, int cy) { Log("size" + std::to_string(type) + ":" + std::to_string(cx) + "x" + std::to_string(cy)); }
  void OnLButtonDown(UINT flags, CPoint p) { Log("down" + std::to_string(flags) + "@" + std::to_string(p.x) + "," + std::to_string(p.y)); }
  void OnKeyDown(UINT ch, UINT rep, UINT flags) { Log("key" + std::to_string(ch) + "/" + std::to_string(rep) + "/" + std::to_string(flags)); }
  void OnTimer(UINT_PTR id) { Log("timer" + std::to_string(id)); }
  HBRUSH OnCtlColor(CDC* dc, CWnd*, UINT kind) {
    Log("ctlcolor" + std::to_string(kind) + (dc ? "dc" : "nodc"));
    return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  }
  LRESULT OnNcHitTest(CPoint p) { return CWnd::OnNcHitTest(p) + 1000; }  // default, then changed
  void OnHScroll(UINT code, UINT pos, CScrollBar* bar) {
    Log("hscroll" + std::to_string(code) + "/" + std::to_string(pos) + (bar ? "bar" : "nobar"));
  }
  void PostNcDestroy() override { postNcDestroy = true; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCracked, CWnd)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_WM_LBUTTONDOWN()
  ON_WM_KEYDOWN()
  ON_WM_TIMER()
  ON_WM_CTLCOLOR()
  ON_WM_NCHITTEST()
  ON_WM_HSCROLL()
END_MESSAGE_MAP()

TEST(MessageMap, CrackersUnpackParameters) {
  CCracked wnd;
  g_log.clear();
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, _T("cracked"), WS_OVERLAPPEDWINDOW, CRect(10, 10, 210, 110), nullptr, 0));
  EXPECT_EQ(wnd.createCalls, 1);  // WM_CREATE reached the map during creation
  g_log.clear();
  wnd.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480));
  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-3, 7));  // coordinates are signed
  wnd.SendMessage(WM_KEYDOWN, 'A', MAKELPARAM(2, 0x1E));
  wnd.SendMessage(WM_TIMER, 42, 0);
  HDC dc = ::GetDC(wnd);
  wnd.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0);
  wnd.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), 0);
  ::ReleaseDC(wnd, dc);
  wnd.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 321), 0);
  EXPECT_EQ(g_log, (std::vector<std::string>{"size2:640x480", "down1@-3,7", "key65/2/30", "timer42",
                                             "ctlcolor6dc", "ctlcolor1dc", "hscroll5/321nobar"}));
  CRect client;
  wnd.GetClientRect(&client);
  CPoint inside = client.CenterPoint();
  wnd.ClientToScreen(&inside);
  EXPECT_EQ(wnd.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT + 1000);
  HWND hwnd = wnd.m_hWnd;
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_TRUE(wnd.postNcDestroy);
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST(MessageMap, CreateFailsWhenOnCreateRefuses) {
  CCracked wnd;
  wnd.failCreate = true;
  EXPECT_FALSE(wnd.CreateEx(0, nullptr, _T("refused"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 50, 50), nullptr, 0));
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_TRUE(wnd.postNcDestroy);
}

// A control sees its own notifications first (reflection).
class CReflectingEdit : public CWnd {
 public:
  bool take = false;
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT*) override {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) Log("reflected");
    return take;
  }
};

TEST(MessageMap, ControlNotificationsAreOfferedToTheControlFirst) {
  LiveWindow<CBaseTarget> live;
  CReflectingEdit edit;
  ASSERT_TRUE(edit.Create(_T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &live.wnd, 400));
  for (bool take : {false, true}) {
    g_log.clear();
    edit.take = take;
    edit.SetWindowText(_T("x"));  // the edit sends EN_CHANGE to its parent
    std::vector<std::string> expected = take ? std::vector<std::string>{"reflected"}
                                             : std::vector<std::string>{"reflected", "change"};
    EXPECT_EQ(g_log, expected) << take;
  }
}

}  // namespace
