/* The example's acceptance check, run in the program itself when it is
   started with "--check german" (forget the remembered language, check the
   German texts, switch to English, check the English texts) or "--check
   english" (check that it started in English). Failures go to
   HelloCheck.log beside the program and into the exit code. */
#ifndef HELLO_CHECK_H
#define HELLO_CHECK_H

#include <windows.h>

#define HELLO_CHECK_TIMER 77

void HelloPrepareCheck(LPCSTR commandLine);
BOOL HelloChecking(void);
void HelloRunCheck(HWND window);
int HelloCheckResult(void);

#endif
