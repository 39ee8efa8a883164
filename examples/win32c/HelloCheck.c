#define LW_TRANSLATE_LOADSTRING
#include "GuideInclude.h"
#include "HelloCheck.h"
#include "HelloIds.h"

#include <stdio.h>
#include <string.h>

enum { kNotChecking, kCheckGerman, kCheckEnglish };
static int g_mode = kNotChecking;
static int g_failures = 0;
static FILE* g_log = NULL;

static void ProgramFolder(char* folder, DWORD size) {
  char* slash;
  GetModuleFileNameA(NULL, folder, size);
  slash = strrchr(folder, '\\');
  if (slash) slash[1] = 0;
}

void HelloPrepareCheck(LPCSTR commandLine) {
  char path[MAX_PATH];
  if (strstr(commandLine, "--check german")) g_mode = kCheckGerman;
  else if (strstr(commandLine, "--check english")) g_mode = kCheckEnglish;
  if (g_mode == kNotChecking) return;
  ProgramFolder(path, MAX_PATH);
  strcat(path, "HelloCheck.log");
  g_log = fopen(path, g_mode == kCheckGerman ? "w" : "a");
  /* The German run starts from the original file: the language remembered
     in the INI file of the start code is forgotten. */
  if (g_mode == kCheckGerman) WritePrivateProfileStringA("Lingoweave", NULL, NULL, "MyProject.ini");
}

BOOL HelloChecking(void) { return g_mode != kNotChecking; }

int HelloCheckResult(void) {
  if (g_log) {
    fprintf(g_log, "%s: %d failures\n", g_mode == kCheckGerman ? "german" : "english", g_failures);
    fclose(g_log);
  }
  return g_failures ? 1 : 0;
}

static void Expect(const char* what, const char* expected, const char* actual) {
  if (strcmp(expected, actual) == 0) return;
  ++g_failures;
  if (g_log) fprintf(g_log, "%s: expected \"%s\", got \"%s\"\n", what, expected, actual);
}

/* The menu bar's first item, and an item of its first popup as it is shown
   when the popup opens. */
static void ExpectMenu(HWND window, const char* bar, const char* item) {
  char text[128] = "";
  HMENU menu = GetMenu(window);
  GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
  Expect("menu bar", bar, text);
  SendMessage(window, WM_INITMENUPOPUP, (WPARAM)GetSubMenu(menu, 0), 0);
  text[0] = 0;
  GetMenuStringA(GetSubMenu(menu, 0), IDM_HELLO, text, sizeof text, MF_BYCOMMAND);
  Expect("menu item", item, text);
}

static INT_PTR CALLBACK QuietDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  (void)dialog, (void)wParam, (void)lParam;
  return message == WM_INITDIALOG;
}

static void ExpectDialog(HWND window, const char* caption, const char* text) {
  char read[128] = "";
  HWND dialog = CreateDialog(GetModuleHandle(NULL), MAKEINTRESOURCE(IDD_HELLO), window, QuietDialogProc);
  if (!dialog) {
    Expect("dialog", caption, "(not created)");
    return;
  }
  GetWindowTextA(dialog, read, sizeof read);
  Expect("dialog caption", caption, read);
  GetDlgItemTextA(dialog, IDC_HELLO_TEXT, read, sizeof read);
  Expect("dialog text", text, read);
  DestroyWindow(dialog);
}

/* Through the program's own LoadString, which LwvSDK.h maps. */
static void ExpectString(const char* expected) {
  TCHAR text[128];
  char narrow[128] = "";
  LoadString(GetModuleHandle(NULL), IDS_GREETING, text, 128);
#ifdef UNICODE
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, NULL, NULL);
#else
  lstrcpynA(narrow, text, sizeof narrow);
#endif
  Expect("string", expected, narrow);
}

static void ExpectGerman(HWND window) {
  ExpectMenu(window, "&Datei", "&Hallo...");
  ExpectDialog(window, "Begr\xfc\xdf" "ung", "Dieses Programm spricht Ihre Sprache.");
  ExpectString("Guten Tag!");
}

static void ExpectEnglish(HWND window) {
  ExpectMenu(window, "&File", "&Hello...");
  ExpectDialog(window, "Greeting", "This program speaks your language.");
  ExpectString("Good day!");
}

void HelloRunCheck(HWND window) {
  char english[MAX_PATH];
  KillTimer(window, HELLO_CHECK_TIMER);
  if (g_mode == kCheckGerman) {
    ExpectGerman(window);
    ProgramFolder(english, MAX_PATH);
    strcat(english, "MyProjectEN.tra");
    if (!LWSwitchFileA(english)) Expect("switch", "TRUE", "FALSE");
    ExpectEnglish(window);
  } else {
    ExpectEnglish(window);
  }
  DestroyWindow(window);
}
