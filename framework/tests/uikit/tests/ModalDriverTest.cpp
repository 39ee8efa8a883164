#include "UiTestKit.h"

#include "DialogTemplate.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

using lwtest::Step;
using lwtest::When;

enum : WORD { kEdit = 10, kAsk = 11 };

// A modal dialog whose "Fragen" button asks in a message box.
struct AskingDialog {
  int answer = 0;
  static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
      ::SetWindowLongPtr(dialog, DWLP_USER, lParam);
      return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    auto* self = reinterpret_cast<AskingDialog*>(::GetWindowLongPtr(dialog, DWLP_USER));
    switch (LOWORD(wParam)) {
      case kAsk:
        self->answer = ::MessageBox(dialog, _T("Frage: weiter?"), _T("Kit"), MB_OKCANCEL);
        return TRUE;
      case IDOK:
      case IDCANCEL:
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      default:
        return FALSE;
    }
  }
  INT_PTR Run(LPCTSTR caption) {
    lw::DialogTemplate t(caption, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 10, 10, 160, 60);
    t.AddControl(lw::DialogTemplate::kEdit, _T(""), kEdit, WS_VISIBLE | WS_BORDER | WS_TABSTOP, 5, 5, 100, 12);
    t.AddControl(lw::DialogTemplate::kButton, _T("Fragen"), kAsk, WS_VISIBLE | WS_TABSTOP, 5, 25, 50, 14);
    t.AddControl(lw::DialogTemplate::kButton, _T("OK"), IDOK, WS_VISIBLE | WS_TABSTOP, 60, 25, 50, 14);
    return ::DialogBoxIndirectParam(::GetModuleHandle(nullptr), t.Get(), nullptr, &Proc,
                                    reinterpret_cast<LPARAM>(this));
  }
};

void Press(HWND dialog, int id) { ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// Steps in order inside the dialog's loop; a box a step opens in its own
// modal loop is answered by the standing answer meanwhile.
TEST(ModalDriver, RunsStepsInOrderAndAnswersBoxesWhileAStepRuns) {
  lwtest::Watchdog dog(60);
  AskingDialog dialog;
  std::vector<CString> done;
  CString boxText, typed;
  lwtest::ModalDriver driver({
      When(_T("the dialog Kit"), lwtest::Captioned(_T("Kit")),
           [&](HWND wnd) {
             ::SetDlgItemText(wnd, kEdit, _T("Anna"));
             Press(wnd, kAsk);  // returns once the standing answer closed the box
             done.push_back(_T("asked"));
           }),
      When(_T("the dialog Kit again"), lwtest::Captioned(_T("Kit")),
           [&](HWND wnd) {
             typed = lwtest::ItemText(wnd, kEdit);
             done.push_back(_T("closed"));
             ::PostMessage(wnd, WM_COMMAND, IDOK, 0);
           }),
  });
  driver.AnswerEvery(When(_T("the box Frage"), lwtest::MessageBoxWith(_T("Frage")), [&](HWND box) {
    boxText = lwtest::MessageBoxText(box);
    ::PostMessage(box, WM_COMMAND, IDOK, 0);
  }));
  EXPECT_EQ(dialog.Run(_T("Kit")), IDOK);
  EXPECT_TRUE(driver.Finished());
  EXPECT_FALSE(driver.TimedOut());
  EXPECT_EQ(done, (std::vector<CString>{_T("asked"), _T("closed")}));
  EXPECT_EQ(driver.Answered(0), 1);
  EXPECT_EQ(boxText, CString(_T("Frage: weiter?")));
  EXPECT_EQ(dialog.answer, IDOK);
  EXPECT_EQ(typed, CString(_T("Anna")));
}

// A window that never comes: the test fails naming it, and the dialog is
// closed so that the modal call returns instead of hanging.
TEST(ModalDriver, AStepWhoseWindowNeverComesFailsNamingItAndEndsTheLoop) {
  lwtest::Watchdog dog(60);
  AskingDialog dialog;
  INT_PTR result = -1;
  bool timedOut = false;
  EXPECT_NONFATAL_FAILURE(
      {
        lwtest::ModalDriver driver({When(_T("the window Nie"), lwtest::Captioned(_T("Nie")), [](HWND) {})}, 300);
        result = dialog.Run(_T("Kit"));
        timedOut = driver.TimedOut();
      },
      "the window Nie");
  EXPECT_TRUE(timedOut);
  EXPECT_EQ(result, 0);
}

TEST(ModalDriver, AnExceptionInAStepFailsTheTestWithoutUnwindingThroughTheSystem) {
  lwtest::Watchdog dog(60);
  AskingDialog dialog;
  INT_PTR result = -1;
  EXPECT_NONFATAL_FAILURE(
      {
        lwtest::ModalDriver driver({
            Step{_T("a throwing step"), []() -> bool { throw std::runtime_error("kaputt"); }},
            When(_T("the dialog Kit"), lwtest::Captioned(_T("Kit")),
                 [](HWND wnd) { ::PostMessage(wnd, WM_COMMAND, IDOK, 0); }),
        });
        result = dialog.Run(_T("Kit"));
      },
      "exception in the driver step for a throwing step");
  EXPECT_EQ(result, IDOK);
}

// A window opened by a posted message after the call returned: the driver
// waits for it, bounded, pumping this thread.
LRESULT CALLBACK OpensBoxWhenPosted(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) {
    ::MessageBox(wnd, _T("Gepostet"), _T("Kit"), MB_OK);
    return 0;
  }
  return ::DefWindowProc(wnd, message, wParam, lParam);
}

TEST(ModalDriver, WaitsForWindowsThatPostedMessagesOpen) {
  lwtest::Watchdog dog(60);
  WNDCLASS wc = {};
  wc.lpfnWndProc = OpensBoxWhenPosted;
  wc.hInstance = ::GetModuleHandle(nullptr);
  wc.lpszClassName = _T("LwKitPoster");
  ::RegisterClass(&wc);
  HWND poster = ::CreateWindow(wc.lpszClassName, _T("Poster"), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
  ASSERT_NE(poster, nullptr);
  lwtest::ModalDriver driver({When(_T("the box Gepostet"), lwtest::MessageBoxWith(_T("Gepostet")),
                                   [](HWND box) { ::PostMessage(box, WM_COMMAND, IDOK, 0); })});
  ::PostMessage(poster, WM_APP, 0, 0);
  EXPECT_TRUE(driver.WaitUntilFinished());
  EXPECT_TRUE(lwtest::WaitUntil(_T("the box gone"), [] { return !lwtest::FindMessageBox(_T("Gepostet")); }));
  ::DestroyWindow(poster);
}

INT_PTR CALLBACK ModelessProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    ::DestroyWindow(dialog);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

TEST(ModalDriver, ClosingOwnDialogsEndsModelessOnesToo) {
  lwtest::Watchdog dog(60);
  lw::DialogTemplate t(_T("Modeless"), WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 80, 40);
  HWND modeless = ::CreateDialogIndirectParam(::GetModuleHandle(nullptr), t.Get(), nullptr, ModelessProc, 0);
  ASSERT_NE(modeless, nullptr);
  EXPECT_EQ(lwtest::FindOwnDialog(_T("Modeless")), modeless);
  lwtest::CloseOwnDialogs();
  EXPECT_TRUE(lwtest::WaitUntil(_T("the modeless dialog gone"), [&] { return !::IsWindow(modeless); }));
}

}  // namespace
