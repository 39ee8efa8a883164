// Times a language switch with 10 open dialogs and a window with a menu
// bar, under Wine: prints the median milliseconds per switch against the
// goal with the number of messages one switch sends beside it, the messages
// by kind and the file steps of a switch. Not a test.
//   wine lwv_switch_bench.exe [switches]
#include "DialogTemplate.h"
#include "LwFileInfo.h"
#include "WindowLists.h"
#include "LwvProgram.h"
#include "TraFile.h"
#include "TranslationManager.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

namespace {

const int kEntries = 60;      // dialog entries in the file
const int kOpen = 10;         // dialogs open during the switch
const int kControls = 8;      // controls per dialog
const int kStrings = 1000;    // string-table texts
const double kGoalMs = 50.0;  // median switch

CString Caption(int d) {
  CString s;
  s.Format(_T("Dialog %d"), d);
  return s;
}

CString ControlText(int d, int c) {
  CString s;
  s.Format(_T("Feld %d.%d"), d, c);
  return s;
}

CString Tr(bool english, const CString& german) { return english ? german + _T(" (en)") : german; }

CTraFile* MakeFile(bool english) {
  CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  CTraNode* menus = root->AddChild(std::make_unique<CTraNode>(root, TRA_SECTION_MENUS, _T("Menu"), TRA_MENUGROUP));
  CTraNode* menu = menus->AddChild(std::make_unique<CTraNode>(menus, _T("IDR_MAIN"), _T("IDR_MAIN"), TRA_MENU));
  for (int p = 0; p < 5; ++p) {
    CString name;
    name.Format(_T("Men\u00FC %d"), p);
    CTraNode* popup = menu->AddChild(std::make_unique<CTraNode>(menu, name, Tr(english, name), TRA_POPUP));
    for (int i = 0; i < 10; ++i) {
      CString item;
      item.Format(_T("Eintrag %d.%d"), p, i);
      popup->AddChild(std::make_unique<CTraNode>(popup, item, Tr(english, item), TRA_MENUITEM));
    }
  }
  CTraNode* dialogs =
      root->AddChild(std::make_unique<CTraNode>(root, TRA_SECTION_DIALOGS, _T("Dialog"), TRA_DIALOGGROUP));
  for (int d = 0; d < kEntries; ++d) {
    CTraNode* dlg = dialogs->AddChild(
        std::make_unique<CTraNode>(dialogs, Caption(d), Tr(english, Caption(d)), TRA_DIALOG, 200, 160));
    for (int c = 0; c < kControls; ++c)
      dlg->AddChild(
          std::make_unique<CTraNode>(dlg, ControlText(d, c), Tr(english, ControlText(d, c)), TRA_PUSHBUTTON, 60, 14));
  }
  CTraNode* strings =
      root->AddChild(std::make_unique<CTraNode>(root, TRA_SECTION_STRINGS, _T("String Table"), TRA_STRINGGROUP));
  CTraNode* table = strings->AddChild(
      std::make_unique<CTraNode>(strings, _T("String Table Section 1"), _T("String Table Section 1"), TRA_STRINGTABLE));
  for (int i = 0; i < kStrings; ++i) {
    CString s;
    s.Format(_T("Text Nummer %d"), i);
    table->AddChild(std::make_unique<CTraNode>(table, s, Tr(english, s), TRA_STRING));
  }
  CTraFile* file = new CTraFile(root);
  file->SetProgramName(_T("Bench"));
  file->SetLanguageName(english ? _T("English") : _T("Deutsch"));
  return file;
}

CString Write(const char* name, bool english) {
  char folder[MAX_PATH] = {0};
  GetTempPathA(MAX_PATH, folder);
  CString path = CString(folder) + CString(name);
  CTraFile* file = MakeFile(english);
  LwWriteLanguageFile(path, *file);
  delete file;
  return path;
}

INT_PTR CALLBACK Proc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Messages sent on this thread while the counting hook is in, by message.
std::map<UINT, int> g_sent;
LRESULT CALLBACK CountSent(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && lParam) ++g_sent[reinterpret_cast<const CWPSTRUCT*>(lParam)->message];
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Runs one switch with a counting hook, prints the sent messages (most
// first) and returns their number.
int CountSwitchMessages(const CString& path) {
  g_sent.clear();
  HHOOK hook = SetWindowsHookEx(WH_CALLWNDPROC, CountSent, nullptr, GetCurrentThreadId());
  LWSwitchFile(path);
  UnhookWindowsHookEx(hook);
  std::vector<std::pair<int, UINT>> byCount;
  int total = 0;
  for (const auto& m : g_sent) {
    byCount.push_back({m.second, m.first});
    total += m.second;
  }
  std::sort(byCount.rbegin(), byCount.rend());
  std::printf("messages sent during one switch, by message:");
  for (size_t i = 0; i < byCount.size() && i < 12; ++i) std::printf(" 0x%04X x%d", byCount[i].second, byCount[i].first);
  std::printf("\n");
  return total;
}

double Ms(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER f) {
  return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

// The file steps of a switch from one file to the other, outside the
// manager: read, merge onto the running tree, switch-time tree.
void TimeFileSteps(const CString& from, const CString& to, LARGE_INTEGER f) {
  CTraFile running;
  LwReadLanguageFile(from, running, LW_READ_WHOLE);
  LARGE_INTEGER t0, t1, t2, t3;
  QueryPerformanceCounter(&t0);
  CTraFile file;
  LwReadLanguageFile(to, file, LW_READ_WHOLE);
  QueryPerformanceCounter(&t1);
  file.UpdateFrom(running);
  file.BuildStringIndex();
  QueryPerformanceCounter(&t2);
  std::unique_ptr<CTraFile> lookup(file.Clone());
  lookup->GetRootNode()->TakeTranslations(running.GetRootNode(), 0);
  lookup->BuildStringIndex();
  QueryPerformanceCounter(&t3);
  std::printf("file steps: read %.1f, merge and index %.1f, switch-time tree %.1f ms\n", Ms(t0, t1, f), Ms(t1, t2, f),
              Ms(t2, t3, f));
}

}  // namespace

int main(int argc, char** argv) {
  const int switches = argc > 1 ? std::max(2, std::atoi(argv[1])) : 20;
  const CString de = Write("lwv_bench_de.tra", false);
  const CString en = Write("lwv_bench_en.tra", true);
  LW_STARTPARAMS p = {};
  p.dwSize = sizeof(p);
  lstrcpyn(p.szStdFile, de, LW_PATH_CHARS);
  p.nSwitchBroadcastMsg = WM_APP + 1;
  if (!LWStart(&p) || !LWAddThread(GetCurrentThreadId())) {
    std::printf("start failed\n");
    return 1;
  }
  HMENU bar = CreateMenu();
  for (int m = 0; m < 5; ++m) {
    HMENU popup = CreatePopupMenu();
    for (int i = 0; i < 10; ++i) {
      CString item;
      item.Format(_T("Eintrag %d.%d"), m, i);
      AppendMenu(popup, MF_STRING, 100 + m * 10 + i, item);
    }
    CString name;
    name.Format(_T("Men\u00FC %d"), m);
    AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), name);
  }
  HWND frame = CreateWindow(_T("STATIC"), _T("Bench"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                            bar, nullptr, nullptr);
  LWTranslateMenu(frame);
  std::vector<HWND> open;
  for (int d = 0; d < kOpen; ++d) {
    lw::DialogTemplate t(Caption(d), WS_POPUP | WS_CAPTION | WS_VISIBLE, 10 + d * 8, 10 + d * 8, 200, 160);
    for (int c = 0; c < kControls; ++c)
      t.AddControl(lw::DialogTemplate::kButton, ControlText(d, c), static_cast<WORD>(1000 + c), WS_VISIBLE,
                   10, static_cast<short>(10 + c * 17), 60, 14);
    open.push_back(CreateDialogIndirectParam(nullptr, t.Get(), frame, Proc, 0));
  }
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);

  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  std::vector<double> times;
  bool ok = true;
  for (int i = 0; i < switches; ++i) {
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    ok = LWSwitchFile(i % 2 == 0 ? en : de) && ok;
    QueryPerformanceCounter(&b);
    times.push_back(Ms(a, b, f));
  }
  TimeFileSteps(en, de, f);
  const int messages = CountSwitchMessages(LwGetManager()->GetCurrentPath() == en ? de : en);
  TCHAR caption[256] = {0};
  GetWindowText(open.back(), caption, 256);
  std::sort(times.begin(), times.end());
  const double median = times[times.size() / 2];
  std::printf("switch with %d open dialogs (%d entries, %d strings): min %.1f ms, median %.1f ms (goal <= %.0f ms: %s), "
              "max %.1f ms over %d, %d messages per switch%s\n",
              kOpen, kEntries, kStrings, times.front(), median, kGoalMs, median <= kGoalMs ? "met" : "MISSED",
              times.back(), switches, messages, ok ? "" : " (a switch FAILED)");
  std::printf("last dialog caption after the switches: %s\n", lw::ToNarrow(caption, lstrlen(caption), CP_UTF8).c_str());
  for (HWND h : open) DestroyWindow(h);
  DestroyWindow(frame);
  LWEnd();
  return ok ? 0 : 1;
}
