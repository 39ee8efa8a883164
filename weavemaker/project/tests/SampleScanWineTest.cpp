// The wizard's road under Wine on the sample program: its Sample.rc scanned
// with the real captures (the library started on this thread, as in the
// wizard), Sample.tra and Sample_test.tra written, and the sample program
// started on the test file shows its texts between the markers.
#include "CaptureWatchdog.h"
#include "LwFileInfo.h"
#include "MakerTestLibrary.h"
#include "LwvProgram.h"
#include "ResLiveCapture.h"
#include "ScanFixtures.h"
#include "StdDlgModels.h"
#include "SwitchWineFixtures.h"
#include "TestPaths.h"
#include "UiTestKit.h"
#include "WizardTexts.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

using namespace scantest;

namespace {

const TCHAR kSampleKey[] = _T("Software\\Lingoweave\\Beispiel\\Lingoweave");
const int kFormCommand = 32771;  // "Datei" -> the form
const DWORD kWaitMs = 20000;

void RememberFile(const CString& path) {
  HKEY key = nullptr;
  if (RegCreateKeyEx(HKEY_CURRENT_USER, kSampleKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  if (path.IsEmpty())
    RegDeleteValue(key, _T("LastTraFile"));
  else
    RegSetValueEx(key, _T("LastTraFile"), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.GetString()),
                  static_cast<DWORD>((path.GetLength() + 1) * sizeof(TCHAR)));
  RegCloseKey(key);
}

struct Found {
  DWORD pid;
  bool dialog;  // a #32770 window, else the frame (a window with a menu)
  HWND hwnd;
};

BOOL CALLBACK FindOfProcess(HWND hwnd, LPARAM param) {
  Found* f = reinterpret_cast<Found*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != f->pid || !IsWindowVisible(hwnd)) return TRUE;
  TCHAR cls[16] = {0};
  GetClassName(hwnd, cls, 15);
  const bool dialog = lstrcmp(cls, _T("#32770")) == 0;
  if (f->dialog ? !dialog : !GetMenu(hwnd)) return TRUE;
  f->hwnd = hwnd;
  return FALSE;
}

HWND WaitForWindow(DWORD pid, bool dialog) {
  const DWORD start = GetTickCount();
  do {
    Found f = {pid, dialog, nullptr};
    EnumWindows(FindOfProcess, reinterpret_cast<LPARAM>(&f));
    if (f.hwnd) return f.hwnd;
    Sleep(100);
  } while (GetTickCount() - start < kWaitMs);
  return nullptr;
}

CString TextOf(HWND hwnd) {
  TCHAR buffer[512] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeout(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000, &copied))
    return CString();
  return CString(buffer, static_cast<int>(copied));
}

bool Marked(const CString& text) {
  return text.GetLength() >= 2 && text[0] == _T('X') && text[text.GetLength() - 1] == _T('Y');
}

TEST(SampleScanUnderWine, ScanWritesBothFilesAndTheSampleShowsTheMarkedTexts) {
  lwtest::Watchdog dog(240);
  InitCommonControls();
  const CString folder = lwtest::FreshScratchDir("sample_scan");
  ASSERT_FALSE(folder.IsEmpty());

  // The wizard's own library, started on this thread, for capture mode.
  CTraFile own(new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE));
  ASSERT_TRUE(LwWriteLanguageFile(folder + _T("WeaveMakerU.tra"), own));
  std::unique_ptr<makertest::CMakerTestLibrary> library(new makertest::CMakerTestLibrary(folder + _T("WeaveMakerU.tra")));
  ASSERT_TRUE(library->Started());
  HWND wizard = CreateWindowEx(0, _T("STATIC"), _T("Lingoweave Wizard"), WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                               nullptr, nullptr, GetModuleHandle(nullptr), nullptr);

  CWizardProject project;
  project.SetProjectPath(folder + _T("Sample.lwp"));
  project.SetDefaultTraPath();
  CString script(LW_SOURCE_DIR);
  script.Replace(_T('/'), _T('\\'));
  project.AddRcFile(script + _T("\\samples\\Sample.rc"));
  BYTE options[TRA_OPTION_COUNT] = {0};
  options[LWV_STDDLG_FIND] = options[LWV_STDDLG_COLOR] = options[LWV_OPTION_MESSAGEBOX] = 1;
  project.GetTraFile()->SetStdDialogOptions(options);
  CResLiveCapture live(wizard);
  WizardScanServices services;
  services.capture = &live;
  const CString log = project.ScanResources(services);
  DestroyWindow(wizard);
  library.reset();
  EXPECT_EQ(Utf8(WizardText(kTextScanDone)), Utf8(log));
  EXPECT_EQ((std::vector<std::string>{"3:IDR_MAINFRAME", "3:System Menu"}), GroupNames(*project.GetTraFile(), 0));
  const std::vector<std::string> dialogs = GroupNames(*project.GetTraFile(), 1);
  ASSERT_GE(dialogs.size(), 4u);
  EXPECT_EQ("1:eStddlgFind", dialogs[dialogs.size() - 3]);
  EXPECT_EQ("1:eStddlgColor", dialogs[dialogs.size() - 2]);
  EXPECT_EQ("1:LwvMessageBox", dialogs.back());

  CTraFile* file = project.GetTraFile();
  file->SetProgramName(_T("LwvSample"));
  file->SetProgramVersion(_T("1.0"));
  file->SetLanguageName(_T("Deutsch"));
  CQueuedUiServices ui;
  WizardDialogState state;
  CLanguageFileCommands commands(project, state, ui);
  ASSERT_TRUE(commands.OnLanguageFileSave());
  CTraFile written, test;
  ASSERT_TRUE(LwReadLanguageFile(folder + _T("Sample.tra"), written, LW_READ_WHOLE));
  ASSERT_TRUE(LwReadLanguageFile(folder + _T("Sample_test.tra"), test, LW_READ_WHOLE));
  EXPECT_EQ("Deutsch (test)", Utf8(test.GetLanguageName()));

  // The sample started on the test file (remembered as its last file).
  RememberFile(folder + _T("Sample_test.tra"));
  STARTUPINFO si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  CString line = CString(_T("\"")) + LW_SAMPLE_U + _T("\"");
  ASSERT_TRUE(CreateProcess(nullptr, line.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  HWND frame = WaitForWindow(pi.dwProcessId, false);
  EXPECT_NE(nullptr, frame);
  if (frame) {
    // (The menu bar of another process cannot be read here; the screenshot shows it.)
    PostMessage(frame, WM_COMMAND, kFormCommand, 0);
    HWND form = WaitForWindow(pi.dwProcessId, true);
    EXPECT_NE(nullptr, form);
    int texts = 0;
    for (HWND child = form ? GetWindow(form, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
      TCHAR cls[16] = {0};
      GetClassName(child, cls, 15);
      const CString text = TextOf(child);
      if (text.IsEmpty() || lstrcmpi(cls, _T("Edit")) == 0 || lstrcmpi(cls, _T("ComboBox")) == 0) continue;
      EXPECT_TRUE(Marked(text)) << Utf8(text);
      ++texts;
    }
    EXPECT_GT(texts, 3);
    swtest::SaveScreenshot(frame, "sample_on_test_file");
  }
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, kWaitMs);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  RememberFile(CString());
}

}  // namespace
