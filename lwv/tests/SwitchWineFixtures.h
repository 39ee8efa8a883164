// Windows of a small host for the switch tests under Wine: a dialog and a
// window with a menu bar and a status bar, translated by the hooks; the
// watchdog, finders, readers and screenshots are the UI test kit's.
#pragma once

#include "SwitchFixtures.h"

#include "DialogTemplate.h"
#include "LwvSwitchApi.h"
#include "LwvSwitchDlg.h"
#include "UiTestKit.h"

#include <commctrl.h>
#include <windows.h>

#include <cstdio>
#include <functional>

namespace swtest {

const UINT kBroadcast = WM_APP + 77;
const int kStatusId = 300;

// Counts of the broadcast message per window (handles come back: a new host clears them).
inline std::vector<std::pair<HWND, int>>& BroadcastCounts() {
  static std::vector<std::pair<HWND, int>> counts;
  return counts;
}
inline int& BroadcastCount(HWND wnd) {
  std::vector<std::pair<HWND, int>>& counts = BroadcastCounts();
  for (auto& c : counts)
    if (c.first == wnd) return c.second;
  counts.push_back({wnd, 0});
  return counts.back().second;
}

inline INT_PTR CALLBACK HostDialogProc(HWND wnd, UINT message, WPARAM, LPARAM) {
  if (message == kBroadcast) ++BroadcastCount(wnd);
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

inline LRESULT CALLBACK HostFrameProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kBroadcast) ++BroadcastCount(wnd);
  return DefWindowProc(wnd, message, wParam, lParam);
}

// Dialog and menu entries of the host in the language of spec.
inline void AddHostEntries(CTraFile* file, bool english) {
  CTraNode* root = file->GetRootNode();
  CString dialogsName(TRA_SECTION_DIALOGS), menusName(TRA_SECTION_MENUS);
  CTraNode* dialogs = root->FindPath(&dialogsName, 1);
  CTraNode* menus = root->FindPath(&menusName, 1);
  CTraNode* dlg = dialogs->AddChild(std::make_unique<CTraNode>(
      dialogs, _T("Einstellungen"), english ? _T("Settings") : _T("Einstellungen"), TRA_DIALOG, 200, 100));
  dlg->AddChild(std::make_unique<CTraNode>(dlg, _T("Name:"), english ? _T("Name:") : _T("Name:"), TRA_STATIC, 40, 10));
  dlg->AddChild(
      std::make_unique<CTraNode>(dlg, _T("Anwenden"), english ? _T("Apply") : _T("Anwenden"), TRA_PUSHBUTTON, 50, 14));
  dlg->AddChild(std::make_unique<CTraNode>(dlg, _T("Schlie\u00DFen"), english ? _T("Close") : _T("Schlie\u00DFen"),
                                           TRA_PUSHBUTTON, 50, 14));
  CTraNode* menu = menus->AddChild(std::make_unique<CTraNode>(menus, _T("IDR_MAIN"), _T("IDR_MAIN"), TRA_MENU));
  CTraNode* popup =
      menu->AddChild(std::make_unique<CTraNode>(menu, _T("&Datei"), english ? _T("&File") : _T("&Datei"), TRA_POPUP));
  popup->AddChild(
      std::make_unique<CTraNode>(popup, _T("\u00D6&ffnen"), english ? _T("&Open") : _T("\u00D6&ffnen"), TRA_MENUITEM));
  popup->AddChild(
      std::make_unique<CTraNode>(popup, _T("&Beenden"), english ? _T("E&xit") : _T("&Beenden"), TRA_MENUITEM));
  CTraNode* help =
      menu->AddChild(std::make_unique<CTraNode>(menu, _T("&Hilfe"), english ? _T("&Help") : _T("&Hilfe"), TRA_POPUP));
  help->AddChild(std::make_unique<CTraNode>(help, _T("&Info"), english ? _T("&About") : _T("&Info"), TRA_MENUITEM));
  CString stringsName(TRA_SECTION_STRINGS);
  CTraNode* table = root->FindPath(&stringsName, 1)->GetChild(0);
  table->AddChild(std::make_unique<CTraNode>(table, _T("Bereit"), english ? _T("Ready") : _T("Bereit"), TRA_STRING));
}

inline CString WriteHostLanguageTo(const CString& path, const HostLanguage& spec, bool english) {
  CTraFile* file = MakeLanguage(spec);
  AddHostEntries(file, english);
  WriteFile(path, *file);
  delete file;
  return path;
}

inline CString WriteHostLanguage(const HostLanguage& spec, bool english) {
  return WriteHostLanguageTo(TempPath(spec.fileName), spec, english);
}

using lwtest::FindOwnWindow;
using lwtest::FindOwnWindowIf;
using lwtest::MenuText;
using lwtest::WindowText;
using lwtest::Watchdog;

// The host: a modeless dialog and a top-level window with menu and status bar.
class HostWindows {
 public:
  HostWindows() {
    BroadcastCounts().clear();
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&init);
    WNDCLASS wc = {};
    wc.lpfnWndProc = HostFrameProc;
    wc.hInstance = GetModuleHandle(nullptr);
    wc.lpszClassName = _T("LwvSwitchHostFrame");
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClass(&wc);
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenu(file, MF_STRING, 101, _T("\u00D6&ffnen"));
    AppendMenu(file, MF_STRING, 102, _T("&Beenden"));
    AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), _T("&Datei"));
    HMENU help = CreatePopupMenu();
    AppendMenu(help, MF_STRING, 103, _T("&Info"));
    AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), _T("&Hilfe"));
    frame = CreateWindow(_T("LwvSwitchHostFrame"), _T("Probe"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 400, 300,
                         nullptr, bar, wc.hInstance, nullptr);
    status = CreateWindow(STATUSCLASSNAME, _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusId)), wc.hInstance, nullptr);
    SetWindowText(status, _T("Bereit"));

    lw::DialogTemplate t(_T("Einstellungen"), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME, 30, 30,
                         200, 100);
    t.AddControl(lw::DialogTemplate::kStatic, _T("Name:"), 1000, WS_VISIBLE, 10, 10, 40, 10);
    t.AddControl(lw::DialogTemplate::kButton, _T("Anwenden"), 1001, WS_VISIBLE | WS_TABSTOP, 10, 70, 50, 14);
    t.AddControl(lw::DialogTemplate::kButton, _T("Schlie\u00DFen"), 1002, WS_VISIBLE | WS_TABSTOP, 70, 70, 50, 14);
    dialog = CreateDialogIndirectParam(wc.hInstance, t.Get(), frame, HostDialogProc, 0);
  }
  ~HostWindows() {
    if (IsWindow(dialog)) DestroyWindow(dialog);
    if (IsWindow(frame)) DestroyWindow(frame);
  }
  HostWindows(const HostWindows&) = delete;
  HostWindows& operator=(const HostWindows&) = delete;

  CString DialogItem(int id) const { return WindowText(GetDlgItem(dialog, id)); }
  HMENU Bar() const { return GetMenu(frame); }

  HWND frame = nullptr;
  HWND status = nullptr;
  HWND dialog = nullptr;
};

using lwtest::Pump;
using lwtest::SaveScreenshot;

}  // namespace swtest
