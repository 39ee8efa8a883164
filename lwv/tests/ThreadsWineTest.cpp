// The runtime on two UI threads under Wine: both registered, each with a
// translated dialog open; one switches the language while the other keeps
// creating and closing dialogs, then ends the library. Repeated to catch a
// race; every dialog made between the switch and the end shows the new
// language. Also the busy flag and the current file as a host reaches them.
#include "SwitchWineFixtures.h"

#include <atomic>
#include <thread>

using namespace swtest;

namespace {

// Bounded wait for done, answering this thread's messages meanwhile.
bool WaitPumping(const std::function<bool()>& done, DWORD ms) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > ms) return false;
    Pump();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
  }
  return true;
}

// The host's dialog, translated by the hooks; shown without taking the focus
// (focus moving between two threads' windows is slow under Wine), or hidden.
HWND OpenSettings(bool show = true) {
  lw::DialogTemplate t(_T("Einstellungen"), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 30, 30, 200, 100);
  t.AddControl(lw::DialogTemplate::kStatic, _T("Name:"), 1000, WS_VISIBLE, 10, 10, 40, 10);
  t.AddControl(lw::DialogTemplate::kButton, _T("Anwenden"), 1001, WS_VISIBLE | WS_TABSTOP, 10, 70, 50, 14);
  t.AddControl(lw::DialogTemplate::kButton, _T("Schlie\u00DFen"), 1002, WS_VISIBLE | WS_TABSTOP, 70, 70, 50, 14);
  HWND dialog = CreateDialogIndirectParam(GetModuleHandle(nullptr), t.Get(), nullptr, HostDialogProc, 0);
  if (dialog && show) ShowWindow(dialog, SW_SHOWNOACTIVATE);
  return dialog;
}

// The dialog's caption and buttons in one text, "?" for a missing dialog.
CString Texts(HWND dialog) {
  if (!IsWindow(dialog)) return _T("?");
  return WindowText(dialog) + _T("|") + WindowText(GetDlgItem(dialog, 1001)) + _T("|") +
         WindowText(GetDlgItem(dialog, 1002));
}

const CString kGerman(_T("Einstellungen|Anwenden|Schlie\u00DFen"));
const CString kEnglish(_T("Settings|Apply|Close"));

// One round's findings, written by the two threads and read after both ended.
struct Round {
  std::atomic<bool> openerReady{false};
  std::atomic<bool> switchStarted{false};
  std::atomic<bool> switched{false};
  std::atomic<bool> ending{false};
  std::atomic<bool> stop{false};
  bool switchOk = false;
  bool registered[2] = {false, false};
  CString before[2];       // each thread's own dialog before the switch
  CString after[2];        // and after it
  std::atomic<int> madeBetween{0};  // dialogs the opener made after the switch, before the end
  int madeDuring = 0;      // dialogs it made while the switch ran
  int madeTotal = 0;
  std::vector<CString> wrong;  // texts of dialogs made between switch and end in another language
  bool waitedOut = false;
};

// Thread 1: registers, opens its dialog, switches to English (three times)
// once the other thread is busy, checks its dialog and ends the library
// while the other goes on.
void Switcher(Round& r, const CString& german, const CString& english) {
  r.registered[0] = LWAddThread(GetCurrentThreadId()) != FALSE;
  HWND own = OpenSettings();
  r.before[0] = Texts(own);
  if (!WaitPumping([&r] { return r.openerReady.load(); }, 10000)) r.waitedOut = true;
  r.switchStarted = true;
  // There and back and there again: longer for the other thread to run into.
  r.switchOk = LWSwitchFile(english) && LWSwitchFile(german) && LWSwitchFile(english);
  r.switched = true;
  Pump();
  r.after[0] = Texts(own);
  // Let the other thread make some dialogs in the new language first.
  if (!WaitPumping([&r] { return r.madeBetween >= 3 || r.stop.load(); }, 10000)) r.waitedOut = true;
  r.ending = true;
  LWEnd();
  DestroyWindow(own);
  r.stop = true;
}

// Thread 2: registers, opens its dialog, then creates and closes dialogs
// until told to stop.
void Opener(Round& r) {
  r.registered[1] = LWAddThread(GetCurrentThreadId()) != FALSE;
  HWND own = OpenSettings();
  r.before[1] = Texts(own);
  bool checkedOwn = false;
  const DWORD start = GetTickCount();
  while (!r.stop.load() && GetTickCount() - start < 20000) {
    const bool switchedBefore = r.switched.load();
    const bool running = r.switchStarted.load() && !switchedBefore;
    HWND dialog = OpenSettings(false);
    Pump();
    const CString texts = Texts(dialog);
    const bool endedAfter = r.ending.load();
    DestroyWindow(dialog);
    ++r.madeTotal;
    if (running) ++r.madeDuring;
    if (switchedBefore && !endedAfter) {
      if (texts != kEnglish) r.wrong.push_back(texts);
      if (!checkedOwn) {
        r.after[1] = Texts(own);
        checkedOwn = true;
      }
      ++r.madeBetween;
    }
    r.openerReady = true;
    Pump();
  }
  if (!r.stop.load()) r.waitedOut = true;
  DestroyWindow(own);
}

class ThreadsTest : public ManagerTest {
 protected:
  void SetUp() override {
    HostLanguage de = German(), en = English();
    de.fileName = "threads_de.tra";
    en.fileName = "threads_en.tra";
    m_de = WriteHostLanguage(de, false);
    m_en = WriteHostLanguage(en, true);
  }
  CString m_de, m_en;
};

TEST_F(ThreadsTest, SwitchOnOneThreadWhileAnotherOpensDialogsThenEnd) {
  Watchdog watchdog(240);
  const int kRounds = 10;
  int during = 0;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE(round);
    LW_STARTPARAMS p = Params(m_de);
    ASSERT_TRUE(LWStart(&p));
    Round r;
    std::thread opener([&r] { Opener(r); });
    std::thread switcher([&r, this] { Switcher(r, m_de, m_en); });
    switcher.join();
    opener.join();
    EXPECT_EQ(nullptr, LwGetManager());
    ASSERT_FALSE(r.waitedOut);
    EXPECT_TRUE(r.registered[0]);
    EXPECT_TRUE(r.registered[1]);
    EXPECT_TRUE(r.switchOk);
    EXPECT_EQ(kGerman, r.before[0]);
    EXPECT_EQ(kGerman, r.before[1]);
    EXPECT_EQ(kEnglish, r.after[0]);
    EXPECT_EQ(kEnglish, r.after[1]);
    EXPECT_GE(r.madeBetween.load(), 3);
    EXPECT_EQ(0u, r.wrong.size()) << (r.wrong.empty() ? "" : lw::ToNarrow(r.wrong[0], r.wrong[0].GetLength(), CP_UTF8));
    during += r.madeDuring;
  }
  std::printf("dialogs made while a switch ran, over %d rounds: %d\n", kRounds, during);
}

TEST_F(ThreadsTest, BusyFlagKeepsTheLibraryOutAndTheCurrentFileOutlivesTheSwitch) {
  Watchdog watchdog(60);
  EXPECT_FALSE(LWSetBusy(TRUE));  // no library: nothing set
  EXPECT_FALSE(LWIsBusy());
  EXPECT_EQ(nullptr, LWGetCurrentFile());
  LW_STARTPARAMS p = Params(m_de);
  ASSERT_TRUE(LWStart(&p));
  ASSERT_TRUE(LWAddThread(GetCurrentThreadId()));
  ASSERT_TRUE(LWSwitchFile(m_en));
  std::shared_ptr<const CTraFile> english = LWGetCurrentFile();
  ASSERT_NE(nullptr, english);
  EXPECT_EQ(CString(_T("English")), english->GetLanguageName());

  EXPECT_FALSE(LWSetBusy(TRUE));
  EXPECT_TRUE(LWIsBusy());
  HWND left = OpenSettings();
  Pump();
  EXPECT_EQ(kGerman, Texts(left));
  EXPECT_TRUE(LWSetBusy(FALSE));
  EXPECT_FALSE(LWIsBusy());
  HWND translated = OpenSettings();
  Pump();
  EXPECT_EQ(kEnglish, Texts(translated));
  DestroyWindow(left);
  DestroyWindow(translated);

  // Held by the caller, the file stays readable after a switch and after the end.
  ASSERT_TRUE(LWSwitchFile(m_de));
  EXPECT_EQ(CString(_T("Deutsch")), LWGetCurrentFile()->GetLanguageName());
  LWEnd();
  EXPECT_EQ(nullptr, LWGetCurrentFile());
  EXPECT_EQ(CString(_T("English")), english->GetLanguageName());
  EXPECT_NE(nullptr, english->FindStringSection());
}

}  // namespace
