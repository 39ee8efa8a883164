/* Lingoweave for plain Win32 programs (C or C++): the start record and the
   C functions that take no framework object. */
#ifndef LWV_LWVSDK_H
#define LWV_LWVSDK_H

#include "LwStartParams.h"
#include "LwFileInfo.h"

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

/* Information of the current language file / of the file at path; texts
   are cut to their fields. FALSE without a file (or an unreadable one). */
BOOL LWGetFileInfo(LW_FILEINFO_FIXED* info);
BOOL LWGetOtherFileInfo(LPCTSTR path, LW_FILEINFO_FIXED* info);

#ifdef _WIN32
/* A new 32x32 bitmap of the flag of the current file / of the file at path;
   null without one. The caller deletes it. */
HBITMAP LWGetFlagBitmap(HDC dc);
HBITMAP LWGetOtherFlagBitmap(LPCTSTR path, HDC dc);
/* An empty dialog template in local memory (LocalFree it); null when no
   memory is left. */
LPDLGTEMPLATE LWCreateDialogTemplate(int x, int y, int cx, int cy);
/* The language-switch dialog, with the texts of the language file or with
   the caller's texts. */
void LWSwitchDialog(void);
void LWShowSwitchDialogEx(LPCTSTR caption, LPCTSTR listLabel, LPCTSTR ok, LPCTSTR cancel, LPCTSTR help,
                          LPCTSTR versionPrefix, LPCTSTR warning, LPCTSTR failure);
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
