#include "StdAfx.h"

#include "ExampleCheck.h"

#include "ExampleIds.h"
#include "MainFrm.h"

#include <cstdio>
#include <string>

namespace {

enum CheckMode { kNotChecking, kCheckGerman, kCheckEnglish };
CheckMode g_mode = kNotChecking;
int g_failures = 0;
FILE* g_log = nullptr;

CString ProgramFolder() {
  TCHAR path[MAX_PATH] = {0};
  ::GetModuleFileName(nullptr, path, MAX_PATH);
  CString folder(path);
  return folder.Left(folder.ReverseFind(_T('\\')) + 1);
}

std::string Utf8(const CString& text) {
  char bytes[512] = "";
  ::WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
  return bytes;
}

void Expect(const char* what, const CString& expected, const CString& actual) {
  if (expected == actual) return;
  ++g_failures;
  if (g_log) std::fprintf(g_log, "%s: expected \"%s\", got \"%s\"\n", what, Utf8(expected).c_str(), Utf8(actual).c_str());
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

struct Texts {
  const TCHAR* menuBar;
  const TCHAR* menuItem;
  const TCHAR* dialogCaption;
  const TCHAR* dialogText;
  const TCHAR* greeting;
  const TCHAR* prompt;
};

const Texts kGerman = {_T("&Datei"), _T("&Hallo..."), _T("Begr\u00fc\u00dfung"),
                       _T("Dieses Programm spricht Ihre Sprache."), _T("Guten Tag!"),
                       _T("\u00d6ffnet die Begr\u00fc\u00dfung")};
const Texts kEnglish = {_T("&File"), _T("&Hello..."), _T("Greeting"), _T("This program speaks your language."),
                        _T("Good day!"), _T("Opens the greeting")};

void ExpectTexts(CMainFrame* frame, const Texts& texts) {
  HMENU menu = ::GetMenu(frame->m_hWnd);
  TCHAR text[256] = {0};
  ::GetMenuString(menu, 0, text, 256, MF_BYPOSITION);
  Expect("menu bar", texts.menuBar, text);
  frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(::GetSubMenu(menu, 0)), 0);
  text[0] = 0;
  ::GetMenuString(::GetSubMenu(menu, 0), ID_HELLO, text, 256, MF_BYCOMMAND);
  Expect("menu item", texts.menuItem, text);

  HWND dialog = ::CreateDialog(::GetModuleHandle(nullptr), MAKEINTRESOURCE(IDD_HELLO), frame->m_hWnd, QuietDialogProc);
  text[0] = 0;
  ::GetWindowText(dialog, text, 256);
  Expect("dialog caption", texts.dialogCaption, text);
  text[0] = 0;
  ::GetDlgItemText(dialog, IDC_HELLO_TEXT, text, 256);
  Expect("dialog text", texts.dialogText, text);
  if (dialog) ::DestroyWindow(dialog);

  Expect("string", texts.greeting, CString(MAKEINTRESOURCE(IDS_GREETING)));
  CString loaded;
  loaded.LoadString(IDS_GREETING);
  Expect("loaded string", texts.greeting, loaded);

  // The prompt as the frame shows it when the command is selected.
  frame->SendMessage(WM_SETMESSAGESTRING, ID_HELLO);
  Expect("status prompt", CString(EXAMPLE_PROMPT_PREFIX) + texts.prompt, frame->m_wndStatusBar.GetPaneText(0));
}

}  // namespace

void ExamplePrepareCheck(LPCTSTR commandLine) {
  const CString line(commandLine);
  if (line.Find(_T("--check german")) >= 0) g_mode = kCheckGerman;
  else if (line.Find(_T("--check english")) >= 0) g_mode = kCheckEnglish;
  if (g_mode == kNotChecking) return;
  g_log = _tfopen(ProgramFolder() + _T("ExampleCheck.log"), g_mode == kCheckGerman ? _T("w") : _T("a"));
  // The German run starts from the original file: the language remembered
  // in the INI file of the start code is forgotten.
  if (g_mode == kCheckGerman) ::WritePrivateProfileString(_T("Lingoweave"), nullptr, nullptr, _T("Example.ini"));
}

bool ExampleChecking() { return g_mode != kNotChecking; }

void ExampleRunCheck(CMainFrame* frame) {
  if (g_mode == kCheckGerman) {
    ExpectTexts(frame, kGerman);
    if (!LWSwitchFile(ProgramFolder() + _T("ExampleEN.tra"))) Expect("switch", _T("TRUE"), _T("FALSE"));
  }
  ExpectTexts(frame, kEnglish);
  frame->DestroyWindow();
}

int ExampleCheckResult() {
  if (g_log) {
    std::fprintf(g_log, "%s: %d failures\n", g_mode == kCheckGerman ? "german" : "english", g_failures);
    std::fclose(g_log);
  }
  return g_failures ? 1 : 0;
}
