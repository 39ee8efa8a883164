#include "DocViewKit.h"

namespace dvtest {
namespace {

struct Splitter : DocViewFixture {
  void SetUp() override {
    DocViewFixture::SetUp();
    StartWith(IDR_SPLIT_FRAME, RUNTIME_CLASS(CTestSplitFrame), nullptr);
    ASSERT_NE(SplitFrame()->Form(), nullptr);
    ASSERT_NE(SplitFrame()->View(), nullptr);
  }
  CTestSplitFrame* SplitFrame() const { return static_cast<CTestSplitFrame*>(Frame()); }
  CRect PaneRect(CWnd* pane) const {
    CRect rect;
    pane->GetWindowRect(&rect);
    SplitFrame()->splitter.ScreenToClient(&rect);
    return rect;
  }
  bool ButtonChecked(UINT id) const { return dvtest::ButtonChecked(SplitFrame()->toolbar, id); }
  bool ButtonEnabled(UINT id) const { return dvtest::ButtonEnabled(SplitFrame()->toolbar, id); }
};

TEST_F(Splitter, TwoPanesOneAboveTheOtherBothShowingTheDocument) {
  CSplitterWnd& splitter = SplitFrame()->splitter;
  EXPECT_EQ(splitter.GetRowCount(), 2);
  EXPECT_EQ(splitter.GetColumnCount(), 1);
  EXPECT_EQ(SplitFrame()->Form()->GetDocument(), Doc());
  EXPECT_EQ(SplitFrame()->View()->GetDocument(), Doc());
  EXPECT_EQ(Doc()->GetViewCount(), 2);
  EXPECT_EQ(SplitFrame()->Form()->GetParentFrame(), Frame());

  CRect client, top, bottom;
  splitter.GetClientRect(&client);
  top = PaneRect(SplitFrame()->Form());
  bottom = PaneRect(SplitFrame()->View());
  EXPECT_EQ(top.top, 0);
  EXPECT_EQ(top.Height(), 150) << "the first row keeps its ideal height";
  EXPECT_EQ(bottom.top, top.bottom + CSplitterWnd::kBarSize);
  EXPECT_EQ(bottom.bottom, client.bottom);
  EXPECT_EQ(top.Width(), client.Width());
  int current = 0, minimum = 0;
  splitter.GetRowInfo(1, current, minimum);
  EXPECT_EQ(current, client.Height() - 150 - CSplitterWnd::kBarSize);

  // Dragging the bar moves the border between the panes.
  CPoint grip(client.Width() / 2, 150 + 2);
  splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grip.x, grip.y));
  splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(grip.x, grip.y + 40));
  splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(grip.x, grip.y + 40));
  EXPECT_EQ(PaneRect(SplitFrame()->Form()).Height(), 190);
  EXPECT_EQ(PaneRect(SplitFrame()->View()).bottom, client.bottom);
}

// The active pane gets the commands, the accelerators and the update-UI.
TEST_F(Splitter, TheActiveViewReceivesCommandsAndUpdateUi) {
  CSplitterWnd& splitter = SplitFrame()->splitter;
  EXPECT_EQ(Frame()->GetActiveView(), SplitFrame()->View());
  int row = -1, col = -1;
  EXPECT_EQ(splitter.GetActivePane(&row, &col), SplitFrame()->View());
  EXPECT_EQ(row, 1);
  EXPECT_EQ(col, 0);
  struct Step {
    const char* what;
    std::function<void()> activate;
    CWnd* active;
    std::vector<std::string> handled;  // of ID_TEST_VIEW_CMD then ID_TEST_FORM_CMD
  } steps[] = {
      {"edit view", [] {}, SplitFrame()->View(), {"view"}},
      {"form by SetActivePane", [&] { splitter.SetActivePane(0, 0); }, SplitFrame()->Form(), {"form"}},
      {"view by a click",
       [&] {
         SplitFrame()->View()->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(Frame()->m_hWnd),
                                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
       },
       SplitFrame()->View(),
       {"view"}},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    s.activate();
    EXPECT_EQ(Frame()->GetActiveView(), s.active);
    Command(ID_TEST_VIEW_CMD);
    Command(ID_TEST_FORM_CMD);
    EXPECT_EQ(TakeCommands(), s.handled);
    app.OnIdle(0);
    bool viewActive = s.active == SplitFrame()->View();
    // A button whose handler is out of reach is disabled (its check mark
    // stays as it was); the active pane's update handler checks its own.
    EXPECT_EQ(ButtonEnabled(ID_TEST_VIEW_CMD), viewActive);
    EXPECT_EQ(ButtonEnabled(ID_TEST_FORM_CMD), !viewActive);
    EXPECT_TRUE(ButtonChecked(viewActive ? ID_TEST_VIEW_CMD : ID_TEST_FORM_CMD));
  }
}

TEST_F(Splitter, TheFormViewTabsBetweenItsControlsAndRoutesButtonsToTheDocument) {
  CTestForm* form = SplitFrame()->Form();
  // Initial update filled the controls from the members.
  EXPECT_EQ(form->GetDlgItem(IDC_FORM_NAME)->GetWindowTextString(), CString(_T("Deutsch")));
  form->GetDlgItem(IDC_FORM_NAME)->SetWindowText(_T("Fran\xe7" "ais"));
  EXPECT_TRUE(form->UpdateData(TRUE));
  EXPECT_EQ(form->name, CString(_T("Fran\xe7" "ais")));

  Frame()->SetActiveWindow();
  form->GetDlgItem(IDC_FORM_NAME)->SetFocus();
  const int order[] = {IDC_FORM_COMMENT, IDC_FORM_AUTHOR, IDC_FORM_ADDONS, IDC_FORM_NAME};
  for (int expected : order) {
    MSG msg{::GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {0, 0}};
    EXPECT_TRUE(app.PreTranslateMessage(&msg));
    EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), expected);
  }
  // Accelerators still reach the frame from inside the form.
  EXPECT_TRUE(PreTranslateCtrlKey(app, ::GetFocus(), 'K'));
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"view"}));

  // The "Add-Ons" button's click goes through the form to the document.
  form->GetDlgItem(IDC_FORM_ADDONS)->SendMessage(BM_CLICK);
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"doc"}));
}

TEST_F(Splitter, ClosingTheFrameDeletesViewsAndDocument) {
  HWND frame = Frame()->m_hWnd;
  Frame()->SendMessage(WM_CLOSE);
  EXPECT_FALSE(::IsWindow(frame));
  EXPECT_EQ(Log::Get().documentsDeleted, 1);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

// ---- scrolling view ---------------------------------------------------------------

struct Scrolling : DocViewFixture {
  void SetUp() override {
    DocViewFixture::SetUp();
    StartWith(IDR_DOC_FRAME, RUNTIME_CLASS(CTestDocFrame), RUNTIME_CLASS(CTestScrollView));
    Frame()->SetWindowPos(nullptr, 0, 0, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    view = dynamic_cast<CTestScrollView*>(Doc()->GetView(0));
    ASSERT_NE(view, nullptr);
  }
  CTestScrollView* view = nullptr;
  CSize Client() const {
    CRect rect;
    view->GetClientRect(&rect);
    return rect.Size();
  }
};

TEST_F(Scrolling, BarsScrollByLinesPagesAndToTheEnds) {
  EXPECT_EQ(view->GetTotalSize(), CSize(1000, 2000));
  EXPECT_TRUE(view->GetStyle() & WS_VSCROLL);
  EXPECT_TRUE(view->GetStyle() & WS_HSCROLL);
  const int limit = 2000 - Client().cy;
  struct Step {
    UINT code;
    int expected;
  } steps[] = {{SB_LINEDOWN, 20}, {SB_PAGEDOWN, 420}, {SB_LINEUP, 400}, {SB_BOTTOM, limit},
               {SB_LINEDOWN, limit}, {SB_PAGEUP, limit - 400}, {SB_TOP, 0}, {SB_LINEUP, 0}};
  for (const Step& s : steps) {
    view->SendMessage(WM_VSCROLL, MAKEWPARAM(s.code, 0), 0);
    EXPECT_EQ(view->GetScrollPosition().y, s.expected) << s.code;
  }
  view->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  EXPECT_EQ(view->GetScrollPosition(), CPoint(10, 0));

  // Painting draws with the origin moved by the scroll position.
  view->ScrollToPosition(CPoint(30, 100));
  EXPECT_EQ(view->GetScrollPosition(), CPoint(30, 100));
  view->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(view->drawnOrigin, CPoint(-30, -100));

  // A document that fits shows no bars and does not scroll.
  view->SetScrollSizes(MM_TEXT, CSize(50, 60));
  EXPECT_FALSE(view->GetStyle() & WS_VSCROLL);
  EXPECT_FALSE(view->GetStyle() & WS_HSCROLL);
  EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 0));
  view->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
  EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 0));
}

TEST_F(Scrolling, OnlyTheBarThatIsNeededShows) {
  CRect frameClient;
  view->GetClientRect(&frameClient);
  const int wide = frameClient.Width() + (view->GetStyle() & WS_VSCROLL ? ::GetSystemMetrics(SM_CXVSCROLL) : 0);
  view->SetScrollSizes(MM_TEXT, CSize(wide + 100, 10));
  EXPECT_TRUE(view->GetStyle() & WS_HSCROLL);
  EXPECT_FALSE(view->GetStyle() & WS_VSCROLL);
  EXPECT_EQ(Client().cx, wide);
}

}  // namespace
}  // namespace dvtest
