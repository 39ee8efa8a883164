// The views' print commands, printed into memory through the replaceable
// printer source: pages, the direct print, cancelling and a refusing printer.
#include "DocViewKit.h"

#include <memory>

namespace dvtest {
namespace {

// A page in memory that logs the document calls and refuses the one it is told to.
class CMemoryJob : public CPrintJob {
 public:
  CMemoryJob(std::shared_ptr<std::vector<std::string>> log, std::string refuse)
      : m_log(std::move(log)), m_refuse(std::move(refuse)) {
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    m_dc.CreateCompatibleDC(&screen);
    m_page.CreateCompatibleBitmap(&screen, 200, 300);
    ::ReleaseDC(nullptr, screen.Detach());
    m_old = m_dc.SelectObject(&m_page);
  }
  ~CMemoryJob() override { m_dc.SelectObject(m_old); }
  CDC* GetDC() override { return &m_dc; }
  CRect GetPageRect() override { return CRect(0, 0, 200, 300); }
  BOOL StartDoc(LPCTSTR name) override { return Call("StartDoc " + std::string(CStringA(name))); }
  BOOL StartPage() override { return Call("StartPage"); }
  BOOL EndPage() override { return Call("EndPage"); }
  BOOL EndDoc() override { return Call("EndDoc"); }
  void AbortDoc() override { m_log->push_back("AbortDoc"); }

 private:
  BOOL Call(const std::string& what) {
    m_log->push_back(what);
    return what.compare(0, m_refuse.size(), m_refuse) != 0 || m_refuse.empty();
  }
  std::shared_ptr<std::vector<std::string>> m_log;
  std::string m_refuse;
  CDC m_dc;
  CBitmap m_page;
  CBitmap* m_old = nullptr;
};

struct Printing : DocViewFixture {
  std::shared_ptr<std::vector<std::string>> jobLog = std::make_shared<std::vector<std::string>>();
  std::vector<BOOL> asked;  // m_bDirect of each request for a printer
  std::string refuse;       // the job call the printer refuses
  bool cancel = false;      // the user cancels the print dialog

  void SetUp() override {
    DocViewFixture::SetUp();
    lw::SetPrinterSource([this](CWnd*, CPrintInfo& info) -> std::unique_ptr<CPrintJob> {
      asked.push_back(info.m_bDirect);
      if (cancel) return nullptr;
      return std::make_unique<CMemoryJob>(jobLog, refuse);
    });
  }
  void TearDown() override {
    lw::SetPrinterSource(nullptr);
    DocViewFixture::TearDown();
  }
  CTestView* View() const { return dynamic_cast<CTestView*>(Doc()->GetView(0)); }
};

TEST_F(Printing, ThePrintCommandsPrintOnePageOfWhatTheViewDraws) {
  StartWith(IDR_DOC_FRAME, RUNTIME_CLASS(CTestDocFrame), RUNTIME_CLASS(CTestView));
  Doc()->SetTitle(_T("Brief"));
  struct Case {
    UINT command;
    BOOL direct;
  } cases[] = {{ID_FILE_PRINT, FALSE}, {ID_FILE_PRINT_DIRECT, TRUE}};
  for (const Case& c : cases) {
    jobLog->clear();
    asked.clear();
    const int printedBefore = View()->printedDraws;
    Command(c.command);
    EXPECT_EQ(asked, std::vector<BOOL>{c.direct}) << c.command;
    EXPECT_EQ(*jobLog, (std::vector<std::string>{"StartDoc Brief", "StartPage", "EndPage", "EndDoc"})) << c.command;
    EXPECT_EQ(View()->printedDraws - printedBefore, 1) << c.command;
  }
  EXPECT_TRUE(app.TakeMessages().empty());
}

TEST_F(Printing, CancellingTheDialogPrintsNothingAndSaysNothing) {
  StartWith(IDR_DOC_FRAME, RUNTIME_CLASS(CTestDocFrame), RUNTIME_CLASS(CTestView));
  cancel = true;
  Command(ID_FILE_PRINT);
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_TRUE(jobLog->empty());
  EXPECT_EQ(View()->printedDraws, 0);
  EXPECT_TRUE(app.TakeMessages().empty());
}

// A printer that refuses a step: the job is aborted, never ended as if
// printed, and the user is told which document did not print.
TEST_F(Printing, ARefusingPrinterAbortsTheJobAndSaysSo) {
  StartWith(IDR_DOC_FRAME, RUNTIME_CLASS(CTestDocFrame), RUNTIME_CLASS(CTestView));
  Doc()->SetTitle(_T("Brief"));
  struct Case {
    std::string refused;
    std::vector<std::string> calls;
  } cases[] = {
      {"StartDoc", {"StartDoc Brief"}},
      {"StartPage", {"StartDoc Brief", "StartPage", "AbortDoc"}},
      {"EndPage", {"StartDoc Brief", "StartPage", "EndPage", "AbortDoc"}},
      {"EndDoc", {"StartDoc Brief", "StartPage", "EndPage", "EndDoc"}},
  };
  for (const Case& c : cases) {
    jobLog->clear();
    refuse = c.refused;
    app.ui.QueueMessageAnswer(IDOK);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(*jobLog, c.calls) << c.refused;
    const std::vector<CString> messages = app.TakeMessages();
    ASSERT_EQ(messages.size(), 1u) << c.refused;
    EXPECT_NE(messages[0].Find(_T("Brief")), -1) << c.refused;
  }
}

// A scrolled view prints from the document's top, not from where it is scrolled to.
TEST_F(Printing, AScrolledViewPrintsFromTheTop) {
  StartWith(IDR_DOC_FRAME, RUNTIME_CLASS(CTestDocFrame), RUNTIME_CLASS(CTestScrollView));
  Frame()->SetWindowPos(nullptr, 0, 0, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);
  auto* view = dynamic_cast<CTestScrollView*>(Doc()->GetView(0));
  ASSERT_NE(view, nullptr);
  view->ScrollToPosition(CPoint(30, 100));
  view->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_EQ(view->drawnOrigin, CPoint(-30, -100));
  Command(ID_FILE_PRINT);
  EXPECT_EQ(view->drawnOrigin, CPoint(0, 0));
  EXPECT_EQ(view->GetScrollPosition(), CPoint(30, 100));
}

}  // namespace
}  // namespace dvtest
