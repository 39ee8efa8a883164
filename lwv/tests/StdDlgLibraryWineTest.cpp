// The whole road through the library: a language file with the message-box
// and common-dialog entries is started with LWStart, the thread's hooks are
// installed, and real message boxes, a property sheet and common dialogs
// come up translated.
#include "LwvSDK.h"
#include "StdButtonModel.h"
#include "StdDlgHook.h"
#include "StdDlgTestTree.h"
#include "TraFile.h"
#include "UiTestKit.h"

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <functional>


namespace {

// Ends a dialog the way its kind ends.
void CloseDialog(HWND h) {
  if (CStdButtonModel::IsPropertySheet(h))
    SendMessage(h, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  else if (GetDlgItem(h, edt1) && !GetDlgItem(h, cmb13))
    DestroyWindow(h);  // the modeless find dialog
  else
    PostMessage(h, WM_COMMAND, IDCANCEL, 0);
}

// Shows a dialog; the driver looks at the first visible dialog and closes it.
void Show(const std::function<void()>& show, const std::function<void(HWND)>& look) {
  lwtest::ModalDriver driver({lwtest::When(_T("the dialog under test"), [] { return lwtest::FindOwnDialog(); },
                                           [&](HWND h) {
                                             look(h);
                                             CloseDialog(h);
                                           })});
  show();
  EXPECT_TRUE(driver.Finished()) << "the dialog never showed";
}

CString ItemOf(HWND dialog, int id) {
  TCHAR b[256] = {0};
  GetDlgItemText(dialog, id, b, 255);
  return b;
}

class StdDlgLibrary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitCommonControls();
    stddlgtest::AddThrowawayPrinter();
    s_started = stddlgtest::StartLibraryWithTree(_T("stddlg_library"));
  }
  static void TearDownTestSuite() { LWEnd(); }
  void SetUp() override { ASSERT_TRUE(s_started); }
  static bool s_started;
};
bool StdDlgLibrary::s_started = false;

TEST_F(StdDlgLibrary, MessageBoxButtonsAreTranslated) {
  for (UINT type : {MB_OK, MB_YESNOCANCEL, MB_ABORTRETRYIGNORE}) {
    std::vector<CString> texts;
    Show([&] { MessageBox(nullptr, _T("Text"), _T("Frage"), type); },
         [&](HWND h) {
           for (int id : LwButtonsOfKind(static_cast<int>(type))) texts.push_back(ItemOf(h, id));
         });
    std::vector<CString> expected;
    for (int id : LwButtonsOfKind(static_cast<int>(type))) expected.push_back(stddlgtest::kButtonTexts[LwButtonIndex(id)]);
    EXPECT_EQ(expected, texts) << "type " << type;
  }
}

TEST_F(StdDlgLibrary, PropertySheetButtonsAreTranslated) {
  CString apply, help;
  Show([&] { CStdButtonModel::ShowSampleSheet(PSH_HASHELP); },
       [&](HWND h) {
         apply = ItemOf(h, 12321);
         help = ItemOf(h, 9);
       });
  EXPECT_EQ(CString(_T("Anwenden")), apply);
  EXPECT_EQ(CString(_T("Hilfe")), help);
}

TEST_F(StdDlgLibrary, FindAndPrintDialogsAreTranslated) {
  WNDCLASS wc = {};
  wc.lpfnWndProc = DefWindowProc;
  wc.hInstance = GetModuleHandle(nullptr);
  wc.lpszClassName = _T("LwStdDlgLibraryOwner");
  RegisterClass(&wc);
  HWND owner = CreateWindow(wc.lpszClassName, _T("owner"), WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                            wc.hInstance, nullptr);
  static TCHAR what[80] = _T("x");
  static FINDREPLACE fr = {};
  fr.lStructSize = sizeof(fr);
  fr.hwndOwner = owner;
  fr.lpstrFindWhat = what;
  fr.wFindWhatLen = 80;
  fr.Flags = FR_DOWN;
  CString caption, next;
  Show(
      [&] {
        HWND d = FindText(&fr);
        MSG msg;
        while (d && IsWindow(d) && GetMessage(&msg, nullptr, 0, 0)) {
          TranslateMessage(&msg);
          DispatchMessage(&msg);
        }
      },
      [&](HWND h) {
        TCHAR b[64] = {0};
        GetWindowText(h, b, 63);
        caption = b;
        next = ItemOf(h, IDOK);
      });
  EXPECT_EQ(CString(_T("K2")), caption);
  EXPECT_EQ(stddlgtest::ItemText(2, 6), next);
  DestroyWindow(owner);

  CString status;
  Show(
      [&] { stddlgtest::RunPrintDialog(); },
      [&](HWND h) { status = ItemOf(h, stc12); });
  EXPECT_EQ(CString(_T("Bereit")), status) << "the live-text handler follows the print dialog";
  EXPECT_FALSE(LwIsPrintDialogActive());
}

TEST_F(StdDlgLibrary, CaptureMeasuresEveryButtonThroughTheHooks) {
  CStdButtonModel model;
  ASSERT_TRUE(model.Capture());
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(LwButtonIdAt(i), model.GetId(i)) << "index " << i;
    EXPECT_GT(model.GetWidth(i), 0) << "index " << i;
    EXPECT_GT(model.GetHeight(i), 0) << "index " << i;
    EXPECT_FALSE(model.GetText(i).IsEmpty()) << "index " << i;
  }
}

}  // namespace
