// Times a language switch with 10 open dialogs and a window with a menu
// bar, under Wine: prints the milliseconds per switch, the steps of one
// switch (the dialogs step also with the hooks left in) and the messages one
// switch sends. Not a test.
//   wine lwv_switch_bench.exe [switches]
#include "DialogTemplate.h"
#include "LwFileInfo.h"
#include "WindowLists.h"
#include "Lwv.h"
#include "TraFile.h"
#include "TranslationManager.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

const int kEntries = 60;      // dialog entries in the file
const int kOpen = 10;         // dialogs open during the switch
const int kControls = 8;      // controls per dialog
const int kStrings = 1000;    // string-table texts

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
  CTraNode* menus = new CTraNode(root, TRA_SECTION_MENUS, _T("Menu"), TRA_MENUGROUP);
  root->AddChild(menus);
  CTraNode* menu = new CTraNode(menus, _T("IDR_MAIN"), _T("IDR_MAIN"), TRA_MENU);
  menus->AddChild(menu);
  for (int p = 0; p < 5; ++p) {
    CString name;
    name.Format(_T("Men\u00FC %d"), p);
    CTraNode* popup = new CTraNode(menu, name, Tr(english, name), TRA_POPUP);
    menu->AddChild(popup);
    for (int i = 0; i < 10; ++i) {
      CString item;
      item.Format(_T("Eintrag %d.%d"), p, i);
      popup->AddChild(new CTraNode(popup, item, Tr(english, item), TRA_MENUITEM));
    }
  }
  CTraNode* dialogs = new CTraNode(root, TRA_SECTION_DIALOGS, _T("Dialog"), TRA_DIALOGGROUP);
  root->AddChild(dialogs);
  for (int d = 0; d < kEntries; ++d) {
    CTraNode* dlg = new CTraNode(dialogs, Caption(d), Tr(english, Caption(d)), TRA_DIALOG, 200, 160);
    dialogs->AddChild(dlg);
    for (int c = 0; c < kControls; ++c)
      dlg->AddChild(new CTraNode(dlg, ControlText(d, c), Tr(english, ControlText(d, c)), TRA_PUSHBUTTON, 60, 14));
  }
  CTraNode* strings = new CTraNode(root, TRA_SECTION_STRINGS, _T("String Table"), TRA_STRINGGROUP);
  root->AddChild(strings);
  CTraNode* table = new CTraNode(strings, _T("String Table Section 1"), _T("String Table Section 1"), TRA_STRINGTABLE);
  strings->AddChild(table);
  for (int i = 0; i < kStrings; ++i) {
    CString s;
    s.Format(_T("Text Nummer %d"), i);
    table->AddChild(new CTraNode(table, s, Tr(english, s), TRA_STRING));
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
  CAtomicFile out;
  if (out.Open(path, CFile::modeCreate | CFile::modeWrite)) {
    CArchive ar(&out, CArchive::store);
    file->Serialize(ar);
    ar.Close();
    out.Commit();
  }
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

// Runs one switch with a counting hook and prints the sent messages.
void CountSwitchMessages(const CString& path) {
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
  std::printf("messages sent during one switch: %d;", total);
  for (size_t i = 0; i < byCount.size() && i < 12; ++i) std::printf(" 0x%04X x%d", byCount[i].second, byCount[i].first);
  std::printf("\n");
}

double Ms(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER f) {
  return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

// The steps of one switch to the other file, one by one, printed; returns
// the milliseconds of the dialogs step. suspend: as the switch retranslates,
// without this thread's hooks; else with them left in.
double TimeSwitchSteps(const CString& en, const CString& de, bool suspend, LARGE_INTEGER f) {
  CTranslationManager* m = LwGetManager();
  const CString target = m->GetCurrentPath() == en ? de : en;
  LARGE_INTEGER t0, t1, t2, t3, t4, t5, t6, t7;
  QueryPerformanceCounter(&t0);
  CTraFile* file = new CTraFile();
  LwReadLanguageFile(target, *file, LW_READ_WHOLE);
  QueryPerformanceCounter(&t1);
  file->UpdateFrom(*m->GetCurrentFile());
  QueryPerformanceCounter(&t2);
  CTraFile* lookup = file->Clone();
  lookup->GetRootNode()->TakeTranslations(m->GetCurrentFile()->GetRootNode(), 0);
  QueryPerformanceCounter(&t3);
  CTraFile* previous = m->m_pCurrentFile;
  m->m_pCurrentFile = file;
  m->m_pLookupFile = lookup;
  m->SetBusy(true);
  const bool suspended = suspend && m->SuspendOwnHooks();
  QueryPerformanceCounter(&t3);
  m->m_pDialogList->RetranslateAll();
  QueryPerformanceCounter(&t4);
  m->m_pMenuWindowList->RetranslateAll();
  QueryPerformanceCounter(&t5);
  if (suspended) m->ResumeOwnHooks();
  m->SetBusy(false);
  m->m_pLookupFile = nullptr;
  delete lookup;
  file->BuildStringIndex();
  QueryPerformanceCounter(&t6);
  m->ExportAddOnFiles(target);
  QueryPerformanceCounter(&t7);
  m->m_strCurrentPath = target;
  delete m->m_pPreviousFile;
  m->m_pPreviousFile = previous;
  std::printf("%s: read %.1f, merge %.1f, switch-time tree %.1f, dialogs %.1f, menu windows %.1f, string index %.1f, "
              "add-on files %.1f ms\n",
              suspend ? "steps" : "steps with the hooks left in", Ms(t0, t1, f), Ms(t1, t2, f), Ms(t2, t3, f),
              Ms(t3, t4, f), Ms(t4, t5, f), Ms(t5, t6, f), Ms(t6, t7, f));
  return Ms(t3, t4, f);
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
  // Where the time of one switch goes, and the dialogs step beside the
  // same step with this thread's hooks left in (as before they were taken out).
  const double dialogs = TimeSwitchSteps(en, de, true, f);
  const double hooked = TimeSwitchSteps(en, de, false, f);
  std::printf("dialogs step %.1f ms, with the hooks left in %.1f ms: %.2f times as fast\n", dialogs, hooked,
              dialogs > 0 ? hooked / dialogs : 0.0);
  CountSwitchMessages(LwGetManager()->GetCurrentPath() == en ? de : en);
  TCHAR caption[256] = {0};
  GetWindowText(open.back(), caption, 256);
  std::sort(times.begin(), times.end());
  std::printf("switch with %d open dialogs (%d entries, %d strings): min %.1f ms, median %.1f ms, max %.1f ms over %d%s\n",
              kOpen, kEntries, kStrings, times.front(), times[times.size() / 2], times.back(), switches,
              ok ? "" : " (a switch FAILED)");
  std::printf("last dialog caption after the switches: %s\n", lw::ToNarrow(caption, lstrlen(caption), CP_UTF8).c_str());
  for (HWND h : open) DestroyWindow(h);
  DestroyWindow(frame);
  LWEnd();
  return ok ? 0 : 1;
}
