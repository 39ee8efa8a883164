// The supplied entries from real windows under Wine: with the library
// started on this thread, a scan's option bytes 2, 8 and 20 add the find,
// colour and message-box entries (structure, not texts) and the system menu
// comes from a live window; a capture whose window nobody closes gives up
// when its bound passes.
#include "CaptureWatchdog.h"
#include "LwFileInfo.h"
#include "LwvProgram.h"
#include "ResLibraryEntries.h"
#include "ResLiveCapture.h"
#include "ResTestUtil.h"
#include "StdDlgModels.h"
#include "TestPaths.h"
#include "UiTestKit.h"
#include "TranslationManager.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using namespace rctest;

namespace {

class LiveEntries : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitCommonControls();
    const CString tra = lwtest::ScratchDir("live_entries") + _T("Own.tra");
    CTraFile own(new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE));
    LW_STARTPARAMS params;
    ZeroMemory(&params, sizeof(params));
    params.dwSize = sizeof(params);
    lstrcpyn(params.szStdFile, tra, LW_PATH_CHARS);
    s_ready = LwWriteLanguageFile(tra, own) && LWStart(&params) && LWAddThread(GetCurrentThreadId());
  }
  static void TearDownTestSuite() { LWEnd(); }
  void SetUp() override { ASSERT_TRUE(s_ready); }
  static bool s_ready;
};
bool LiveEntries::s_ready = false;

// The live system menu's items without separators.
std::vector<CString> SystemMenuTexts(HWND window) {
  std::vector<CString> texts;
  HMENU menu = GetSystemMenu(window, FALSE);
  for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
    TCHAR text[256] = {0};
    if (GetMenuString(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION) > 0) texts.push_back(text);
  }
  return texts;
}

TEST_F(LiveEntries, OptionsTwoEightAndTwentyAddFindColourAndMessageBoxWithTheSystemMenu) {
  lwtest::Watchdog dog(90);
  HWND main = CreateWindowEx(0, _T("STATIC"), _T("Wizard"), WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                             GetModuleHandle(nullptr), nullptr);
  ASSERT_NE(nullptr, main);
  CIdTexts texts;
  CResProblemLog log(&texts);
  CResFile file;
  file.AddSwitchDialog(texts, log);
  BYTE options[256] = {0};
  options[LWV_STDDLG_FIND] = options[LWV_STDDLG_COLOR] = options[LWV_OPTION_MESSAGEBOX] = 1;
  CResLiveCapture live(main);
  LwGetManager()->SetBusy(true);
  file.AddStandardDialogs(options, live, log);
  file.AddMessageBox(live, log);
  file.AddSystemMenu(live, log);
  LwGetManager()->SetBusy(false);
  std::unique_ptr<CTraNode> root(file.CreateNode(nullptr));
  EXPECT_EQ(0, log.GetCount()) << CStringA(log.GetText()).GetString();

  const CTraNode* dialogs = root->GetChild(1);
  ASSERT_EQ(4, dialogs->GetChildCount());
  EXPECT_EQ(TRA_SWITCHDIALOG, dialogs->GetChild(0)->GetKind());
  const int kinds[] = {LWV_STDDLG_FIND, LWV_STDDLG_COLOR};
  for (int k = 0; k < 2; ++k) {
    const LwStdDlgModel& model = LwGetStdDlgModel(kinds[k]);
    const CTraNode* entry = dialogs->GetChild(1 + k);
    EXPECT_EQ(CString(model.name), entry->GetOriginal());
    EXPECT_EQ(TRA_DIALOG, entry->GetKind());
    EXPECT_FALSE(entry->GetTranslation().IsEmpty()) << "the live caption";
    ASSERT_EQ(model.GetEntryCount(), entry->GetChildCount()) << model.name;
    for (int i = 0; i < model.controlCount; ++i) {
      const CTraNode* control = entry->GetChild(i);
      EXPECT_EQ(model.entries[static_cast<size_t>(i)].nodeKind, control->GetKind()) << i;
      ASSERT_NE(nullptr, control->GetLayout()) << i;
      const RECT r = control->GetLayout()->m_rcOriginal;
      EXPECT_GT(r.right - r.left, 0) << model.name << " control " << i;
      EXPECT_GT(r.bottom - r.top, 0) << model.name << " control " << i;
    }
  }
  const CTraNode* box = dialogs->GetChild(3);
  EXPECT_EQ(CString(TRA_MESSAGEBOX_NAME), box->GetOriginal());
  ASSERT_EQ(LWV_MB_BUTTONS, box->GetChildCount());
  for (int i = 0; i < LWV_MB_BUTTONS; ++i) {
    const CTraNode* button = box->GetChild(i);
    EXPECT_EQ(TRA_PUSHBUTTON, button->GetKind());
    EXPECT_FALSE(button->GetTranslation().IsEmpty()) << i;
    EXPECT_GT(button->GetLayout()->m_rcOriginal.right, 0) << i;
    EXPECT_GT(button->GetLayout()->m_rcOriginal.bottom, 0) << i;
  }

  const CTraNode* menus = root->GetChild(0);
  ASSERT_EQ(1, menus->GetChildCount());
  const CTraNode* system = menus->GetChild(0);
  EXPECT_EQ(CString(TRA_SYSTEM_MENU), system->GetOriginal());
  ASSERT_EQ(1, system->GetChildCount());
  const std::vector<CString> live_items = SystemMenuTexts(main);
  ASSERT_FALSE(live_items.empty());
  const CTraNode* popup = system->GetChild(0);
  ASSERT_EQ(static_cast<int>(live_items.size()), popup->GetChildCount());
  for (size_t i = 0; i < live_items.size(); ++i)
    EXPECT_EQ(live_items[i], popup->GetChild(static_cast<int>(i))->GetOriginal());
  DestroyWindow(main);
  // No capture window of this thread is left behind.
  int left = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM count) {
        TCHAR cls[16] = {0};
        GetClassName(w, cls, 15);
        if (lstrcmp(cls, _T("#32770")) == 0 && IsWindowVisible(w)) ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&left));
  EXPECT_EQ(0, left);
}

// A message box that no capture closes: the bound ends it and says so.
TEST_F(LiveEntries, ABoundEndsAWindowNobodyCloses) {
  lwtest::Watchdog dog(30);
  bool fired = false;
  {
    CLwvCaptureWatchdog bound(300);
    MessageBox(nullptr, _T("Nobody closes me"), _T("Bound"), MB_OK);
    fired = bound.Fired();
  }
  EXPECT_TRUE(fired);
  CLwvCaptureWatchdog quiet(300);
  EXPECT_FALSE(quiet.Fired());
}

}  // namespace
