// Docking of a frame's toolbar under Wine: the dock bars' layout, drags by
// the grip to each side and out to float, the places kept for the session,
// commands and tips from a docked or floating bar, fly-by prompts.
#include "ShownFrame.h"

#include <gtest/gtest.h>

namespace {

class CDockApp : public CWinApp {
 public:
  CDockApp() : CWinApp(_T("Andock-Test")) {}
};

// A toolbar with a grip band of 8 pixels before its buttons (left in a
// row, above them in a column), as an owner-drawn bar has.
class CGripToolBar : public CToolBar {
 public:
  static const int kGrip = 8;
  void OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* params) {
    if (IsFloating()) return;
    if (IsVertical()) params->rgrc[0].top += kGrip;
    else params->rgrc[0].left += kGrip;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CGripToolBar, CToolBar)
  ON_WM_NCCALCSIZE()
END_MESSAGE_MAP()

class CDockFrame : public CFrameWnd {
 public:
  CDockFrame() { m_bAutoDelete = FALSE; }
  CGripToolBar toolbar;
  CStatusBar status;
  CWnd pane;
  int opened = 0;

  int OnCreate(LPCREATESTRUCT cs) {
    if (CFrameWnd::OnCreate(cs) == -1) return -1;
    const UINT buttons[] = {ID_TEST_OPEN, ID_SEPARATOR, ID_TEST_SAVE, ID_TEST_EXTRA};
    const int images[] = {STD_FILEOPEN, 0, STD_FILESAVE, STD_PRINT};
    const UINT indicators[] = {ID_SEPARATOR};
    if (!status.Create(this) || !status.SetIndicators(indicators, 1)) return -1;
    if (!toolbar.Create(this) || !toolbar.LoadStandardImages() || !toolbar.SetButtons(buttons, 4, images)) return -1;
    if (!pane.Create(_T("STATIC"), nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, AFX_IDW_PANE_FIRST))
      return -1;
    toolbar.SetBarStyle(toolbar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    toolbar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&toolbar);
    return 0;
  }
  void OnOpen() { ++opened; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDockFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND(ID_TEST_OPEN, OnOpen)
END_MESSAGE_MAP()

CRect WindowRectIn(HWND wnd, HWND parent) {
  CRect r;
  ::GetWindowRect(wnd, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

struct DockFixture : lwtest::ShownFrameFixture<CDockApp, CDockFrame> {
  void SetUp() override {
    LoadAndShow(CRect(40, 40, 640, 440));
    if (!HasFatalFailure()) lwtest::Pump();
  }

  CDockSite* Site() const { return frame.GetDockSite(); }
  lw::DockSide Side() const { return Site()->GetPlace(&frame.toolbar).side; }
  // The middle of the grip band, on the screen.
  POINT Grip() const {
    CRect window;
    frame.toolbar.GetWindowRect(&window);
    if (frame.toolbar.IsFloating()) {
      CRect client;
      Site()->GetFloatingFrame(&frame.toolbar)->GetClientRect(&client);
      Site()->GetFloatingFrame(&frame.toolbar)->ClientToScreen(&client);
      return POINT{client.left + 20, (window.top + client.top) / 2 - 2};  // the caption
    }
    if (frame.toolbar.IsVertical()) return POINT{window.left + window.Width() / 2, window.top + 4};
    return POINT{window.left + 4, window.top + window.Height() / 2};
  }
  HWND GripWindow() const {
    return frame.toolbar.IsFloating() ? Site()->GetFloatingFrame(&frame.toolbar)->m_hWnd : frame.toolbar.m_hWnd;
  }
  // The frame's client area above the status bar, on the screen.
  CRect DockArea() const {
    CRect area;
    frame.GetClientRect(&area);
    CRect status = WindowRectIn(frame.status.m_hWnd, frame.m_hWnd);
    area.bottom = status.top;
    frame.ClientToScreen(&area);
    return area;
  }
  LRESULT DragTo(POINT to) { return lwtest::DragMouse(GripWindow(), Grip(), to); }
  CString StatusText() const { return frame.status.GetPaneText(0); }
};

TEST_F(DockFixture, DockedAtTheTopTheBarSpansTheFrameAboveThePane) {
  EXPECT_EQ(lw::kDockTop, Side());
  CDockBar* top = Site()->GetDockBar(lw::kDockTop);
  ASSERT_NE(nullptr, top);
  EXPECT_EQ(top->m_hWnd, ::GetParent(frame.toolbar.m_hWnd));
  EXPECT_EQ(&frame.toolbar, frame.GetControlBar(AFX_IDW_TOOLBAR)) << "found inside its dock bar";
  CRect client;
  frame.GetClientRect(&client);
  const CRect bar = WindowRectIn(top->m_hWnd, frame.m_hWnd);
  EXPECT_EQ(client.left, bar.left);
  EXPECT_EQ(client.right, bar.right);
  EXPECT_EQ(client.top, bar.top);
  EXPECT_EQ(frame.toolbar.CalcFixedLayout(TRUE).cy, bar.Height());
  const CRect pane = WindowRectIn(frame.pane.m_hWnd, frame.m_hWnd);
  EXPECT_EQ(bar.bottom, pane.top);
  EXPECT_EQ(WindowRectIn(frame.status.m_hWnd, frame.m_hWnd).top, pane.bottom);
  EXPECT_EQ(bar.Width(), WindowRectIn(frame.toolbar.m_hWnd, top->m_hWnd).Width()) << "the only bar stretches";
  EXPECT_FALSE(Site()->GetDockBar(lw::kDockLeft)->IsWindowVisible()) << "an empty side takes no room";
}

// Dragged by its grip near each edge the bar docks there, in a row or a
// column, and the pane takes the rest; dragged to the middle it floats in
// a window of its own where it was dropped.
TEST_F(DockFixture, DraggedByItsGripTheBarDocksAtEachSideOrFloats) {
  struct Case {
    const char* what;
    lw::DockSide side;
    bool vertical;
  } cases[] = {
      {"left", lw::kDockLeft, true},
      {"bottom", lw::kDockBottom, false},
      {"right", lw::kDockRight, true},
      {"top", lw::kDockTop, false},
      {"floating", lw::kDockFloat, false},
      {"top from floating", lw::kDockTop, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CRect area = DockArea();
    POINT to{area.CenterPoint().x, area.CenterPoint().y};
    if (c.side == lw::kDockTop) to.y = area.top + 3;
    if (c.side == lw::kDockBottom) to.y = area.bottom - 3;
    if (c.side == lw::kDockLeft) to.x = area.left + 3;
    if (c.side == lw::kDockRight) to.x = area.right - 3;
    EXPECT_EQ(LRESULT(HTCAPTION), DragTo(to));
    EXPECT_EQ(nullptr, ::GetCapture()) << "the drag lets the mouse go";
    EXPECT_EQ(c.side, Side());
    EXPECT_EQ(c.vertical, frame.toolbar.IsVertical() != FALSE);
    EXPECT_EQ(c.side == lw::kDockFloat, frame.toolbar.IsFloating() != FALSE);
    RECT first, third;
    ASSERT_TRUE(frame.toolbar.GetItemRect(0, &first));
    ASSERT_TRUE(frame.toolbar.GetItemRect(2, &third));
    if (c.vertical) {
      EXPECT_EQ(first.left, third.left) << "buttons in a column";
      EXPECT_GT(third.top, first.top);
    } else {
      EXPECT_EQ(first.top, third.top) << "buttons in a row";
      EXPECT_GT(third.left, first.left);
    }
    CRect client;
    frame.GetClientRect(&client);
    const CRect pane = WindowRectIn(frame.pane.m_hWnd, frame.m_hWnd);
    if (c.side == lw::kDockFloat) {
      CFloatingBarFrame* floating = Site()->GetFloatingFrame(&frame.toolbar);
      ASSERT_NE(nullptr, floating);
      EXPECT_TRUE(floating->IsWindowVisible());
      EXPECT_EQ(floating->m_hWnd, ::GetParent(frame.toolbar.m_hWnd));
      EXPECT_EQ(client.top, pane.top) << "no dock bar takes room";
      EXPECT_EQ(client.Width(), pane.Width());
      CRect window;
      floating->GetWindowRect(&window);
      EXPECT_TRUE(window.PtInRect(to)) << "floats where it was dropped";
      CRect bar;
      frame.toolbar.GetWindowRect(&bar);
      CRect inside;
      floating->GetClientRect(&inside);
      EXPECT_EQ(inside.Size(), bar.Size()) << "the window fits the bar";
      continue;
    }
    CDockBar* dockBar = Site()->GetDockBar(c.side);
    EXPECT_EQ(dockBar->m_hWnd, ::GetParent(frame.toolbar.m_hWnd));
    const CRect bar = WindowRectIn(dockBar->m_hWnd, frame.m_hWnd);
    const CSize size = frame.toolbar.CalcFixedLayout(!c.vertical);
    switch (c.side) {
      case lw::kDockTop:
        EXPECT_EQ(client.top, bar.top);
        EXPECT_EQ(bar.bottom, pane.top);
        EXPECT_EQ(size.cy, bar.Height());
        break;
      case lw::kDockBottom:
        EXPECT_EQ(pane.bottom, bar.top);
        EXPECT_EQ(WindowRectIn(frame.status.m_hWnd, frame.m_hWnd).top, bar.bottom) << "the status bar stays outside";
        break;
      case lw::kDockLeft:
        EXPECT_EQ(client.left, bar.left);
        EXPECT_EQ(bar.right, pane.left);
        EXPECT_EQ(size.cx, bar.Width());
        EXPECT_EQ(client.top, bar.top);
        break;
      default:
        EXPECT_EQ(client.right, bar.right);
        EXPECT_EQ(bar.left, pane.right);
        break;
    }
    EXPECT_FALSE(Site()->GetFloatingFrame(&frame.toolbar) &&
                 Site()->GetFloatingFrame(&frame.toolbar)->IsWindowVisible());
  }
}

// A press on the grip that does not move, and a drag the right button
// breaks off, leave the bar where it is.
TEST_F(DockFixture, APressWithoutAMoveOrABrokenDragKeepsThePlace) {
  ASSERT_EQ(LRESULT(HTCAPTION), DragTo(Grip()));
  EXPECT_EQ(lw::kDockTop, Side());
  const CRect area = DockArea();
  const POINT grip = Grip();
  ::SendMessage(frame.toolbar.m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(grip.x, grip.y));
  EXPECT_EQ(frame.toolbar.m_hWnd, ::GetCapture());
  POINT left{area.left + 3, area.CenterPoint().y};
  frame.toolbar.ScreenToClient(&left);
  frame.toolbar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(left.x, left.y));
  frame.toolbar.SendMessage(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(left.x, left.y));
  EXPECT_EQ(nullptr, ::GetCapture());
  frame.toolbar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(left.x, left.y));
  EXPECT_EQ(lw::kDockTop, Side());
  EXPECT_FALSE(Site()->IsDragging());
}

// Where the bar floated and the side it was docked at are kept: a double
// click on the grip floats it at its last floating place, one on the
// floating window's caption docks it at its last side; hidden and shown
// again it is where it was.
TEST_F(DockFixture, PlacesAreKeptForTheSession) {
  const CRect area = DockArea();
  DragTo(POINT{area.CenterPoint().x, area.CenterPoint().y});
  ASSERT_TRUE(frame.toolbar.IsFloating());
  CRect floated;
  Site()->GetFloatingFrame(&frame.toolbar)->GetWindowRect(&floated);
  DragTo(POINT{area.left + 3, area.CenterPoint().y});
  ASSERT_EQ(lw::kDockLeft, Side());

  EXPECT_EQ(LRESULT(HTCAPTION), lwtest::DoubleClickMouse(GripWindow(), Grip()));
  ASSERT_TRUE(frame.toolbar.IsFloating());
  CRect again;
  Site()->GetFloatingFrame(&frame.toolbar)->GetWindowRect(&again);
  EXPECT_EQ(floated.TopLeft(), again.TopLeft());

  lwtest::DoubleClickMouse(GripWindow(), Grip());
  EXPECT_EQ(lw::kDockLeft, Side());
  EXPECT_TRUE(frame.toolbar.IsVertical());

  frame.SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
  EXPECT_FALSE(frame.toolbar.IsWindowVisible());
  EXPECT_EQ(0, WindowRectIn(frame.pane.m_hWnd, frame.m_hWnd).left) << "a hidden bar takes no room";
  frame.SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
  EXPECT_TRUE(frame.toolbar.IsWindowVisible());
  EXPECT_EQ(lw::kDockLeft, Side());
  EXPECT_GT(WindowRectIn(frame.pane.m_hWnd, frame.m_hWnd).left, 0);

  // Floating, the window's close button hides the bar; the view command brings both back.
  lwtest::DoubleClickMouse(GripWindow(), Grip());
  CFloatingBarFrame* floating = Site()->GetFloatingFrame(&frame.toolbar);
  floating->SendMessage(WM_CLOSE);
  EXPECT_FALSE(floating->IsWindowVisible());
  EXPECT_FALSE(frame.toolbar.IsVisible());
  frame.SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
  EXPECT_TRUE(floating->IsWindowVisible());
  EXPECT_TRUE(frame.toolbar.IsVisible());
}

// A docked or floating toolbar's buttons and tips still talk to the frame.
TEST_F(DockFixture, CommandsAndTipsReachTheFrameFromEveryPlace) {
  const CRect area = DockArea();
  const POINT places[] = {{area.left + 3, area.CenterPoint().y}, {area.CenterPoint().x, area.CenterPoint().y}};
  int expected = 0;
  for (const POINT& to : places) {
    DragTo(to);
    RECT button;
    ASSERT_TRUE(frame.toolbar.GetItemRect(0, &button));
    const LPARAM middle = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    frame.toolbar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, middle);
    frame.toolbar.SendMessage(WM_LBUTTONUP, 0, middle);
    EXPECT_EQ(++expected, frame.opened);
    EXPECT_EQ(CString(_T("\xd6" "ffnen")), lwtest::ToolbarTipText(frame.toolbar, ID_TEST_OPEN));
  }
}

// Fly-by: the prompt of the button under the mouse shows in the status bar;
// off the buttons and when the mouse leaves, the idle text comes back.
TEST_F(DockFixture, FlyByShowsThePromptOfTheButtonUnderTheMouse) {
  RECT open, separator;
  ASSERT_TRUE(frame.toolbar.GetItemRect(0, &open));
  ASSERT_TRUE(frame.toolbar.GetItemRect(1, &separator));
  const POINT onOpen{(open.left + open.right) / 2, (open.top + open.bottom) / 2};
  const POINT onSeparator{(separator.left + separator.right) / 2, (separator.top + separator.bottom) / 2};
  lwtest::HoverMouse(frame.toolbar.m_hWnd, onOpen);
  EXPECT_EQ(CString(_T("\xd6" "ffnet eine Datei")), StatusText());
  lwtest::HoverMouse(frame.toolbar.m_hWnd, onSeparator);
  EXPECT_EQ(CString(_T("Bereit")), StatusText());
  lwtest::HoverMouse(frame.toolbar.m_hWnd, onOpen);
  frame.toolbar.SendMessage(WM_MOUSELEAVE);
  EXPECT_EQ(CString(_T("Bereit")), StatusText());

  frame.toolbar.SetBarStyle(frame.toolbar.GetBarStyle() & ~CBRS_FLYBY);
  lwtest::HoverMouse(frame.toolbar.m_hWnd, onOpen);
  EXPECT_EQ(CString(_T("Bereit")), StatusText()) << "without fly-by the bar says nothing";
}

}  // namespace
