// WeaveDesk's toolbar docked and floating under Wine: dragged by its gripper
// to each side of the frame and out to float, with the orientation, the
// layout and the gripper's pixels that follow; the background erase of its
// borders; the buttons' prompts in the status bar while the mouse is over
// them, in German and after the switch to English. Same fixture as the
// main test program.
#include "DeskWineFixture.h"

#include <algorithm>
#include <map>

namespace {

using namespace deskwine;

struct SideCase {
  const char* name;
  lw::DockSide side;
  ZweiOrientation orientation;
};

const SideCase kSides[] = {
    {"left", lw::kDockLeft, ZWEI_DOCKED_VERTICAL},
    {"bottom", lw::kDockBottom, ZWEI_DOCKED_HORIZONTAL},
    {"right", lw::kDockRight, ZWEI_DOCKED_VERTICAL},
    {"floating", lw::kDockFloat, ZWEI_FLOATING_HORIZONTAL},
    {"top", lw::kDockTop, ZWEI_DOCKED_HORIZONTAL},
};

class DeskDock : public DeskWine {
 protected:
  CZweiToolBar& Bar() const { return Frame()->GetToolBar(); }
  CDockSite* Site() const { return Frame()->GetDockSite(); }
  CFloatingBarFrame* Floating() const { return Site()->GetFloatingFrame(&Bar()); }

  // The frame's client area above the status bar, on the screen.
  CRect DockArea() const {
    CRect area;
    Frame()->GetClientRect(&area);
    CRect status;
    Frame()->GetStatusBar().GetWindowRect(&status);
    Frame()->ClientToScreen(&area);
    area.bottom = status.top;
    return area;
  }
  // The gripper's middle, or the floating window's caption.
  POINT Grip() const {
    CRect window;
    Bar().GetWindowRect(&window);
    if (Bar().IsFloating()) {
      CRect frame;
      Floating()->GetWindowRect(&frame);
      return POINT{frame.left + 30, (frame.top + window.top) / 2};
    }
    if (Bar().IsVertical()) return POINT{window.CenterPoint().x, window.top + 4};
    return POINT{window.left + 5, window.CenterPoint().y};
  }
  HWND GripWindow() const { return Bar().IsFloating() ? Floating()->m_hWnd : Bar().m_hWnd; }
  POINT Target(lw::DockSide side) const {
    const CRect area = DockArea();
    POINT to{area.CenterPoint().x, area.CenterPoint().y};
    if (side == lw::kDockTop) to.y = area.top + 4;
    if (side == lw::kDockBottom) to.y = area.bottom - 4;
    if (side == lw::kDockLeft) to.x = area.left + 4;
    if (side == lw::kDockRight) to.x = area.right - 4;
    return to;
  }
  void DragTo(lw::DockSide side) {
    EXPECT_EQ(LRESULT(HTCAPTION), lwtest::DragMouse(GripWindow(), Grip(), Target(side)));
    Bar().RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Frame()->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
  }
};

// Dragged by its gripper the toolbar docks at each side and floats; the
// orientation, the dock bar holding it, the splitter's room and the
// gripper (upright left of the buttons in a row, across their top in a
// column, none in the floating window) follow.
TEST_F(DeskDock, ToolbarDocksAtEachSideAndFloatsByItsGripper) {
  Watchdog watchdog(120);
  Start(false);
  ASSERT_NE(nullptr, Site());
  EXPECT_EQ(lw::kDockTop, Site()->GetPlace(&Bar()).side) << "docked at the top at the start";
  EXPECT_EQ(ZWEI_DOCKED_HORIZONTAL, Bar().GetOrientation());
  const DWORD style = Bar().GetBarStyle();
  EXPECT_EQ(DWORD(CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC), style & (CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC));
  EXPECT_EQ(DWORD(CBRS_ALIGN_ANY), Bar().GetDockStyle());
  for (const SideCase& c : kSides) {
    SCOPED_TRACE(c.name);
    DragTo(c.side);
    EXPECT_EQ(c.side, Site()->GetPlace(&Bar()).side);
    EXPECT_EQ(c.orientation, Bar().GetOrientation());
    CRect client;
    Frame()->GetClientRect(&client);
    CRect pane;
    ::GetWindowRect(::GetDlgItem(Frame()->m_hWnd, AFX_IDW_PANE_FIRST), &pane);
    Frame()->ScreenToClient(&pane);
    CRect bar;
    Bar().GetWindowRect(&bar);
    Frame()->ScreenToClient(&bar);
    if (c.side == lw::kDockFloat) {
      ASSERT_NE(nullptr, Floating());
      EXPECT_TRUE(Floating()->IsWindowVisible());
      EXPECT_EQ(client.top, pane.top) << "the splitter takes the toolbar's room";
      CRect window;
      Floating()->GetWindowRect(&window);
      EXPECT_TRUE(window.PtInRect(Target(c.side)));
      // No gripper in the floating window: its left band is background.
      ASSERT_TRUE(lwtest::WaitUntil(_T("the floating toolbar on the screen"), [&] {
        return ScreenPixel(Bar().m_hWnd, 1, bar.Height() / 2) == CZweiTool::kBackground;
      }));
      EXPECT_EQ(CZweiTool::kBackground, ScreenPixel(Bar().m_hWnd, 5, bar.Height() / 2));
      continue;
    }
    const RECT inside = ZweiInsideRect(RECT{0, 0, bar.Width(), bar.Height()}, c.orientation, true);
    CPoint origin(0, 0);
    Bar().ClientToScreen(&origin);
    CRect window;
    Bar().GetWindowRect(&window);
    EXPECT_EQ(inside.left, origin.x - window.left);
    EXPECT_EQ(inside.top, origin.y - window.top);
    switch (c.side) {
      case lw::kDockLeft:
        EXPECT_EQ(client.left, bar.left);
        EXPECT_EQ(bar.right, pane.left);
        EXPECT_LT(bar.Width(), bar.Height());
        break;
      case lw::kDockRight:
        EXPECT_EQ(client.right, bar.right);
        EXPECT_EQ(bar.left, pane.right);
        break;
      case lw::kDockBottom:
        EXPECT_EQ(bar.top, pane.bottom);
        EXPECT_EQ(client.left, bar.left);
        EXPECT_EQ(client.right, bar.right);
        break;
      default:
        EXPECT_EQ(client.top, bar.top);
        EXPECT_EQ(bar.bottom, pane.top);
        break;
    }
    ExpectGripperOnScreen(Bar(), c.orientation);
  }
}

// The background erase fills the border bands widened by 5 pixels and
// leaves the buttons' middle to the painting.
TEST_F(DeskDock, BackgroundEraseFillsTheWidenedBorderBands) {
  Watchdog watchdog(60);
  Start(false);
  for (lw::DockSide side : {lw::kDockTop, lw::kDockLeft}) {
    DragTo(side);
    CRect client;
    Bar().GetClientRect(&client);
    CRect window;
    Bar().GetWindowRect(&window);
    Bar().ScreenToClient(&window);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.Width(), client.Height());
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::PatBlt(memory, 0, 0, client.Width(), client.Height(), BLACKNESS);
    EXPECT_NE(0, Bar().SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory))) << "erasing is reported done";
    const int midX = client.Width() / 2;
    const int midY = std::min(client.Height() / 2, 40);
    struct Probe {
      int x, y;
      COLORREF color;
    } probes[] = {
        {0, midY, CZweiTool::kBackground},
        {4, midY, CZweiTool::kBackground},
        {client.Width() - 5, midY, CZweiTool::kBackground},
        {midX, 0, CZweiTool::kBackground},
        {midX, 4, CZweiTool::kBackground},
        {midX, client.Height() - 1, CZweiTool::kBackground},
      {midX, static_cast<int>(window.bottom) - 5, CZweiTool::kBackground},  // what shows of a vertical bar's client
        {5, midY, RGB(0, 0, 0)},
        {midX, 5, RGB(0, 0, 0)},
    };
    for (const Probe& p : probes) EXPECT_EQ(p.color, ::GetPixel(memory, p.x, p.y)) << side << ": " << p.x << "," << p.y;
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
  }
}

CString PromptOf(UINT id) {
  CString text;
  text.LoadString(id);
  const int end = text.Find(_T('\n'));
  return end >= 0 ? text.Left(end) : text;
}

// Fly-by help: the prompt of the button under the mouse in the status bar,
// the idle text again off the buttons and when the mouse leaves; in German,
// and in English after the language switch, with the toolbar docked and floating.
TEST_F(DeskDock, FlyByShowsEachButtonsPromptInTheStatusBar) {
  Watchdog watchdog(90);
  Start(true);
  const CString folder = LanguageFolder();
  const std::map<CString, CString> english = StringPartsOf(folder + _T("WeaveDeskEN.tra"), kPromptPart);
  ASSERT_FALSE(english.empty());
  auto paneText = [&] { return Frame()->GetStatusBar().GetPaneText(0); };
  auto hover = [&](UINT id) {
    RECT button;
    EXPECT_TRUE(Bar().GetItemRect(Bar().CommandToIndex(id), &button));
    lwtest::HoverMouse(Bar().m_hWnd, POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2});
  };
  const UINT buttons[] = {ID_DESK_OPEN, ID_FIND, ID_TREE_EXPAND};
  for (bool inEnglish : {false, true}) {
    SCOPED_TRACE(inEnglish ? "English" : "German");
    if (inEnglish) {
      ASSERT_TRUE(LWSwitchFile(folder + _T("WeaveDeskEN.tra")));
      Pump();
    }
    auto shown = [&](const CString& german) {
      if (!inEnglish) return german;
      const auto found = english.find(german);
      EXPECT_NE(english.end(), found) << german.GetString();
      return found == english.end() ? german : found->second;
    };
    for (lw::DockSide side : {lw::kDockTop, lw::kDockFloat}) {
      DragTo(side);
      for (UINT id : buttons) {
        hover(id);
        EXPECT_EQ(shown(PromptOf(id)), paneText()) << id;
      }
      Bar().SendMessage(WM_MOUSELEAVE);
      // The class library's idle text has no entry in the program's language files.
      EXPECT_EQ(PromptOf(AFX_IDS_IDLEMESSAGE), paneText());
      if (inEnglish) {
        EXPECT_NE(PromptOf(ID_DESK_OPEN), shown(PromptOf(ID_DESK_OPEN))) << "translated";
      }
    }
  }
}

// Pictures of the frame with the toolbar on each side and floating, in
// German and English.
TEST_F(DeskDock, ScreenshotsOfEverySideInBothLanguages) {
  Watchdog watchdog(120);
  Start(true);
  const CString folder = LanguageFolder();
  for (bool inEnglish : {false, true}) {
    if (inEnglish) {
      ASSERT_TRUE(LWSwitchFile(folder + _T("WeaveDeskEN.tra")));
      Pump();
    }
    for (const SideCase& c : kSides) {
      DragTo(c.side);
      EXPECT_EQ(c.side, Site()->GetPlace(&Bar()).side);
      CStringA name;
      name.Format("weavedesk_dock_%s_%s", c.name, inEnglish ? "en" : "de");
      if (c.side == lw::kDockFloat) {
        // The floating window stands over the frame's middle; both in one picture.
        Floating()->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        Pump();
        SaveScreenshot(::GetDesktopWindow(), name.GetString());
      } else {
        SaveScreenshot(Frame()->m_hWnd, name.GetString());
      }
    }
  }
}

}  // namespace
