/* Lingoweave for plain Win32 programs (C or C++): the start record and the
   C functions that take no framework object. */
#ifndef LWV_LWVSDK_H
#define LWV_LWVSDK_H

#include "LwStartParams.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Creates the translation manager when there is none and starts it. */
BOOL LWStart(const LW_STARTPARAMS* params);
/* Installs the window hooks for one thread; FALSE without LWStart. */
BOOL LWAddThread(DWORD threadId);
/* Removes the hooks and frees the manager with everything it holds. */
void LWEnd(void);
/* Switches to another language file of the same program. */
BOOL LWSwitchFile(LPCTSTR path);

#ifdef _WIN32
/* Translates a dialog (mode 0; property pages 1 and 3) and its menu and
   remembers it for a language switch. */
void LWTranslateDialog(HWND dialog, int mode);
/* Translates a window's menu bar and remembers the window. */
void LWTranslateMenu(HWND window);
/* Translates one menu; it is not remembered. */
void LWTranslateHMenu(HMENU menu);
#endif

#ifdef __cplusplus
}
#endif

#endif
