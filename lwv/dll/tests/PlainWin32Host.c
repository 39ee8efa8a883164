/* A plain Win32 program in C on a runtime DLL, as a program outside this
   tree uses it: its own WinMain, LwvSDK.h with the LoadString mapping, the
   sample's resources and language files. It calls the functions of Lwv.h
   and checks what they give; the exit code is the number of failed checks
   (each is printed). The modal switch dialogs are linked, not shown.
   Arguments: the folder of the language files (with a trailing backslash). */
#define LW_TRANSLATE_LOADSTRING
#include "LwvSDK.h"

#include <stdio.h>
#include <string.h>

#include "resource.h"

static int failures = 0;

static void Check(int ok, const char* what) {
  if (!ok) {
    printf("FAILED: %s\n", what);
    ++failures;
  }
}

static int SameText(LPCTSTR a, LPCTSTR b) { return lstrcmp(a, b) == 0; }

/* Every function of the DLL's width, so that the program links them all. */
static const void* const linked[] = {
    (const void*)LWStart,          (const void*)LWAddThread,           (const void*)LWEnd,
    (const void*)LWSwitchFile,     (const void*)LWGetFileInfo,         (const void*)LWGetOtherFileInfo,
    (const void*)LWGetTranslation, (const void*)LWTranslateString,     (const void*)LWTranslateStatusText,
    (const void*)LWTranslateToolTip, (const void*)LWLoadStringEx,      (const void*)LWLoadString,
    (const void*)LWGetFlagBitmap,  (const void*)LWGetOtherFlagBitmap,  (const void*)LWCreateDialogTemplate,
    (const void*)LWSwitchDialog,   (const void*)LWShowSwitchDialogEx,  (const void*)LWTranslateDialog,
    (const void*)LWTranslateMenu,  (const void*)LWTranslateHMenu};

static void CheckStrings(void) {
  TCHAR text[256];
  TCHAR small[8];
  TCHAR exact[24];
  BOOL translated = FALSE;
  int length;

  Check(LoadString(NULL, IDS_CONFIRM_EXIT, text, 256) > 0 &&
            SameText(text, _T("Do you really want to quit the sample?")),
        "LoadString gives the English text");
  Check(LoadString(NULL, IDS_CONFIRM_EXIT, small, 8) == 7 && SameText(small, _T("Do you ")),
        "LoadString cuts to the buffer");
  Check(LoadString(NULL, 9999, text, 256) == 0 && text[0] == 0, "LoadString of a missing id gives nothing");

  length = LWLoadStringEx(NULL, IDS_CONFIRM_EXIT, NULL, 0, NULL);
  Check(length == lstrlen(_T("Do you really want to quit the sample?")), "LWLoadStringEx tells the full length");
  Check(LWLoadStringEx(NULL, IDS_CONFIRM_EXIT, text, 256, &translated) == length && translated,
        "LWLoadStringEx says the library supplied the text");

  /* (texts without umlauts: the ANSI build's literals are in no code page) */
  lstrcpy(text, _T("Sucht nach einem Text\nSuchen"));
  Check(LWTranslateString(text, 256) && SameText(text, _T("Searches for a text\nFind")),
        "LWTranslateString translates in place");
  lstrcpy(text, _T("Sucht nach einem Text"));
  Check(LWTranslateStatusText(text, 256) && SameText(text, _T("Searches for a text")),
        "LWTranslateStatusText translates a prompt");
  lstrcpy(text, _T("Suchen"));
  Check(LWTranslateToolTip(text, 256) && SameText(text, _T("Find")), "LWTranslateToolTip translates a tip");
  /* a buffer that just holds the original; its translation is one longer */
  lstrcpy(exact, _T("Stellt eine Frage\nFrage"));
  Check(LWTranslateString(exact, 24) && SameText(exact, _T("Asks a question\nQuestio")),
        "LWTranslateString cuts to the buffer");
  lstrcpy(text, _T("Nicht da"));
  Check(!LWTranslateString(text, 256) && SameText(text, _T("Nicht da")), "a text without translation stays");
  Check(LWGetTranslation(_T("Bereit"), LW_PART_WHOLE, NULL, 0) == 5, "LWGetTranslation tells the length");
}

static void CheckWindows(void) {
  HMENU menu = LoadMenu(GetModuleHandle(NULL), MAKEINTRESOURCE(IDR_MAINFRAME));
  TCHAR text[64];
  LPDLGTEMPLATE dialogTemplate;
  HDC screen;
  HBITMAP flag;

  LWTranslateHMenu(GetSubMenu(menu, 0));
  GetMenuString(GetSubMenu(menu, 0), 1, text, 64, MF_BYPOSITION);
  Check(SameText(text, _T("&Find...")), "LWTranslateHMenu translates a popup menu");
  DestroyMenu(menu);

  dialogTemplate = LWCreateDialogTemplate(10, 10, 100, 50);
  Check(dialogTemplate != NULL && dialogTemplate->cdit == 0 && dialogTemplate->cx == 100,
        "LWCreateDialogTemplate makes an empty template");
  LocalFree(dialogTemplate);

  screen = GetDC(NULL);
  flag = LWGetFlagBitmap(screen);
  Check(flag != NULL, "LWGetFlagBitmap gives the flag");
  if (flag) DeleteObject(flag);
  ReleaseDC(NULL, screen);
  flag = LWGetFlagBitmap(NULL);
  Check(flag != NULL, "LWGetFlagBitmap without a DC gives the flag");
  if (flag) DeleteObject(flag);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  LW_STARTPARAMS params;
  LW_FILEINFO_FIXED info;
  TCHAR folder[LW_PATH_CHARS];
  TCHAR german[LW_PATH_CHARS];
  (void)instance;
  (void)previous;
  (void)show;

  if (!commandLine[0]) return 100;
#ifdef UNICODE
  MultiByteToWideChar(CP_ACP, 0, commandLine, -1, folder, LW_PATH_CHARS);
#else
  lstrcpyn(folder, commandLine, LW_PATH_CHARS);
#endif
  memset(&params, 0, sizeof(params));
  params.dwSize = sizeof(params);
  lstrcpy(params.szStdFile, folder);
  lstrcat(params.szStdFile, _T("LwvSampleEN.tra"));
  lstrcpy(params.szTraPath, folder);
  lstrcpy(german, folder);
  lstrcat(german, _T("LwvSample.tra"));

  Check(!LWAddThread(GetCurrentThreadId()), "LWAddThread before LWStart fails");
  Check(LWStart(&params), "LWStart");
  Check(LWAddThread(GetCurrentThreadId()), "LWAddThread");
  Check(LWGetFileInfo(&info) && info.wLanguageId != 0, "LWGetFileInfo");
  Check(LWGetOtherFileInfo(german, &info) && info.wLanguageId != 0, "LWGetOtherFileInfo");

  CheckStrings();
  CheckWindows();

  Check(LWSwitchFile(german), "LWSwitchFile");
  {
    TCHAR text[256];
    LoadString(NULL, IDS_CONFIRM_EXIT, text, 256);
    Check(SameText(text, _T("Wollen Sie das Beispiel wirklich beenden?")), "after the switch LoadString is German");
  }
  LWEnd();
  Check(!LWSwitchFile(german), "after LWEnd nothing is switched");
  Check(sizeof(linked) / sizeof(linked[0]) == 20, "every function is linked");
  printf("%d failed\n", failures);
  return failures;
}
