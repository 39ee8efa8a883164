/* A plain Win32 program in C, translated by Lingoweave: a window with a
   menu, a dialog and a string-table text. It takes in WeaveGuide's advice
   as the pages show it (GuideInclude.h, GuideStartCode.inc, written by the
   build); the rest is an ordinary Win32 program. Started with "--check
   german" or "--check english" it checks its own texts (HelloCheck.c). */
#define LW_TRANSLATE_LOADSTRING /* LoadString loads and translates */
#include "GuideInclude.h"
#include "HelloCheck.h"
#include "HelloIds.h"

static HINSTANCE g_instance;

static INT_PTR CALLBACK HelloDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

static LRESULT CALLBACK HelloWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDM_HELLO) DialogBox(g_instance, MAKEINTRESOURCE(IDD_HELLO), window, HelloDialogProc);
      if (LOWORD(wParam) == IDM_EXIT) DestroyWindow(window);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      TCHAR greeting[128];
      HDC dc = BeginPaint(window, &paint);
      int length = LoadString(g_instance, IDS_GREETING, greeting, 128);
      TextOut(dc, 10, 10, greeting, length);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_TIMER:
      if (wParam == HELLO_CHECK_TIMER) HelloRunCheck(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProc(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  WNDCLASS windowClass = {0};
  TCHAR title[128];
  HWND window;
  MSG message;
  (void)previous;
  g_instance = instance;
  HelloPrepareCheck(commandLine);
  {
#include "GuideStartCode.inc"
  }
  windowClass.lpfnWndProc = HelloWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
  windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
  windowClass.lpszClassName = TEXT("LingoweaveHello");
  RegisterClass(&windowClass);
  LoadString(instance, IDS_TITLE, title, 128);
  window = CreateWindow(TEXT("LingoweaveHello"), title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 400, 200,
                        NULL, LoadMenu(instance, MAKEINTRESOURCE(IDR_HELLO_MENU)), instance, NULL);
  ShowWindow(window, show);
  UpdateWindow(window);
  if (HelloChecking()) SetTimer(window, HELLO_CHECK_TIMER, 100, NULL);
  while (GetMessage(&message, NULL, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessage(&message);
  }
  LWEnd();
  return HelloChecking() ? HelloCheckResult() : (int)message.wParam;
}
