#include "ReporterCapture.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using lwtest::ReporterCapture;

class CThrowing : public CWnd {
 public:
  int kind = 0;
  int OnCreate(LPCREATESTRUCT) {
    if (kind == 4) throw std::runtime_error("create failed");
    return 0;
  }
  void OnTimer(UINT_PTR) {
    switch (kind) {
      case 0: throw CFileException(CFileException::fileNotFound, 2, _T("C:\\missing.tra"));
      case 1: throw CArchiveException(CArchiveException::endOfFile);
      case 2: throw std::runtime_error("broken invariant");
      case 3: throw 42;
      default: break;
    }
  }
  void OnClose() {
    kind = 99;  // proves the window still answers after an exception
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowing, CWnd)
  ON_WM_CREATE()
  ON_WM_TIMER()
  ON_WM_CLOSE()
END_MESSAGE_MAP()

TEST(Boundary, EveryExceptionKindIsCaughtAndReported) {
  ReporterCapture capture;
  CThrowing wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, _T("t"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 50, 50), nullptr, 0));
  struct Case {
    int kind;
    bool described;  // the report names the problem
  } cases[] = {{0, true}, {1, true}, {2, true}, {3, false}};
  for (const Case& c : cases) {
    ReporterCapture::Reports().clear();
    wnd.kind = c.kind;
    EXPECT_EQ(wnd.SendMessage(WM_TIMER, 1, 0), 0);
    ASSERT_EQ(ReporterCapture::Reports().size(), 1u) << c.kind;
    EXPECT_FALSE(ReporterCapture::Reports()[0].IsEmpty());
  }
  EXPECT_NE(ReporterCapture::Reports()[0].GetLength(), 0);
  ReporterCapture::Reports().clear();
  wnd.kind = 2;
  wnd.SendMessage(WM_TIMER, 1, 0);
  EXPECT_NE(ReporterCapture::Reports()[0].Find(_T("broken invariant")), -1);
  wnd.SendMessage(WM_CLOSE);
  EXPECT_EQ(wnd.kind, 99);
  wnd.DestroyWindow();
}

TEST(Boundary, ExceptionInCreateFailsTheCreation) {
  ReporterCapture capture;
  CThrowing wnd;
  wnd.kind = 4;
  EXPECT_FALSE(wnd.CreateEx(0, nullptr, _T("t"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 50, 50), nullptr, 0));
  EXPECT_EQ(ReporterCapture::Reports().size(), 1u);
  EXPECT_EQ(wnd.m_hWnd, nullptr);
}

class CThrowingDialog : public CDialog {
 public:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    SetTimer(1, 10, nullptr);
    return TRUE;
  }
  void OnTimer(UINT_PTR) {
    KillTimer(1);
    PostMessage(WM_COMMAND, IDOK);
    throw CMemoryException();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingDialog, CDialog)
  ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(Boundary, DialogProcedureCatchesToo) {
  ReporterCapture capture;
  lw::DialogTemplate t(_T("Throwing"), WS_POPUP | WS_CAPTION, 0, 0, 100, 50);
  CThrowingDialog dialog;
  dialog.InitModalIndirect(t.Get());
  lwtest::Watchdog dog(60);
  EXPECT_EQ(dialog.DoModal(), IDOK);
  ASSERT_EQ(ReporterCapture::Reports().size(), 1u);
  EXPECT_EQ(ReporterCapture::Reports()[0], CMemoryException().GetErrorMessage());
}

}  // namespace
