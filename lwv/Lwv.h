/* Lingoweave's C interface: the start record, the file-information record and
   every LW function, for C and C++ programs. Each function that takes or
   gives text has an A (8-bit) and a W (16-bit) form, and the plain name
   follows UNICODE as the Windows headers do it; a runtime DLL carries the
   forms of its own width (Lwv30.dll, Lwv30D.dll: A; Lwv30U.dll, Lwv30UD.dll:
   W), so a program built for the other width does not link.
   No text crosses as an object: texts come back in the caller's buffer with
   its size, flags as bitmap handles the caller deletes. The C++ forms for
   programs on the class library are in LwvStrings.h and LwvMFC.h. */
#ifndef LWV_LWV_H
#define LWV_LWV_H

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <tchar.h>
typedef HKEY LW_REGKEY;
#else
#include "LwTypes.h"
typedef void* LW_REGKEY;
typedef void* HINSTANCE;
#endif

#define LW_PATH_CHARS 260
#define LW_INFO_TEXT_CHARS 256
#define LW_INFO_COMMENT_CHARS 1024

/* The start record a host passes to LWStart; hosts set dwSize to its size.
   Every field keeps its natural alignment; hRegKey is pointer-sized. */
#define LW_STARTPARAMS_FIELDS(CH)                                                         \
  DWORD dwSize;                       /* set by the host, not read */                   \
  CH szStdFile[LW_PATH_CHARS];        /* standard language file */                      \
  CH szTraPath[LW_PATH_CHARS];        /* folder the switch dialog lists */               \
  LW_REGKEY hRegKey;                  /* application key; 0 = use the INI file */        \
  CH szIniFilePath[LW_PATH_CHARS];    /* INI file when hRegKey is 0; empty = remember nothing */ \
  BOOL bSwitchDlgAllowOld;            /* the switch dialog offers other versions too */  \
  UINT nSwitchDlgHelpID;              /* 0 = no help button */                            \
  BOOL bAutoSwitchCommand;            /* the library adds a switch command to the menu */ \
  UINT nSwitchCommandID;                                                                  \
  INT nSwitchMainMenuPos;             /* main-menu popup that gets the command */         \
  DWORD dwReserved;                   /* not read */                                      \
  UINT nSwitchBroadcastMsg;           /* sent to the windows after a switch; 0 = none */

typedef struct tagLW_STARTPARAMSA { LW_STARTPARAMS_FIELDS(CHAR) } LW_STARTPARAMSA;
typedef struct tagLW_STARTPARAMSW { LW_STARTPARAMS_FIELDS(WCHAR) } LW_STARTPARAMSW;

/* The information of one language file; every text is cut to its field and
   always terminated. */
#define LW_FILEINFO_FIELDS(CH)                  \
  DWORD dwSize; /* left as the caller set it */ \
  CH szProgramName[LW_INFO_TEXT_CHARS];         \
  CH szProgramVersion[LW_INFO_TEXT_CHARS];      \
  CH szLanguageName[LW_INFO_TEXT_CHARS];        \
  WORD wLanguageId;                             \
  CH szAuthor[LW_INFO_TEXT_CHARS];              \
  CH szDate[LW_INFO_TEXT_CHARS];                \
  CH szComment[LW_INFO_COMMENT_CHARS];          \
  CH szFilePath[LW_PATH_CHARS];                 \
  DWORD dwFlags;                                \
  DWORD dwCarried;

typedef struct tagLW_FILEINFO_FIXEDA { LW_FILEINFO_FIELDS(CHAR) } LW_FILEINFO_FIXEDA;
typedef struct tagLW_FILEINFO_FIXEDW { LW_FILEINFO_FIELDS(WCHAR) } LW_FILEINFO_FIXEDW;

/* Which part of a string-table text a translation is looked up for. */
#define LW_PART_WHOLE 0  /* the whole text */
#define LW_PART_PROMPT 1 /* a status-bar prompt (before the line feed) */
#define LW_PART_TIP 2    /* a tooltip (after the line feed) */

#ifdef __cplusplus
extern "C" {
#endif

/* Creates the translation manager when there is none and starts it with the
   standard or the remembered language file; FALSE when none can be read. */
BOOL LWStartA(const LW_STARTPARAMSA* params);
BOOL LWStartW(const LW_STARTPARAMSW* params);
/* Installs the window hooks for one thread; FALSE without LWStart. */
BOOL LWAddThread(DWORD threadId);
/* Removes the hooks and frees the manager with everything it holds. */
void LWEnd(void);
/* Switches to another language file of the same program. */
BOOL LWSwitchFileA(LPCSTR path);
BOOL LWSwitchFileW(LPCWSTR path);

/* Information of the current language file / of the file at path. FALSE
   without a file (or an unreadable one). */
BOOL LWGetFileInfoA(LW_FILEINFO_FIXEDA* info);
BOOL LWGetFileInfoW(LW_FILEINFO_FIXEDW* info);
BOOL LWGetOtherFileInfoA(LPCSTR path, LW_FILEINFO_FIXEDA* info);
BOOL LWGetOtherFileInfoW(LPCWSTR path, LW_FILEINFO_FIXEDW* info);

/* The translation of a string-table text (part: LW_PART_...): its length in
   characters, or -1 when there is none. It is copied into buffer when one is
   given: at most size - 1 characters and a terminator. */
int LWGetTranslationA(LPCSTR text, int part, LPSTR buffer, int size);
int LWGetTranslationW(LPCWSTR text, int part, LPWSTR buffer, int size);
/* Translate the text in place, cut to the buffer's size in characters; FALSE
   and the text unchanged when there is no translation. The text is read up
   to its terminator or the end of the buffer, whichever comes first. */
BOOL LWTranslateStringA(LPSTR text, int size);
BOOL LWTranslateStringW(LPWSTR text, int size);
BOOL LWTranslateStatusTextA(LPSTR text, int size);
BOOL LWTranslateStatusTextW(LPWSTR text, int size);
BOOL LWTranslateToolTipA(LPSTR text, int size);
BOOL LWTranslateToolTipW(LPWSTR text, int size);
/* Loads string id from the string table of instance (null: the program),
   translated; the switch command's id gives the command's prompt and tip.
   Returns the text's full length in characters (0: no such string) and sets
   *translated (when given) to whether the library supplied the text; -1,
   nothing copied and *translated FALSE when id is the switch command's and
   the language file has no text for it. The text is copied into buffer when
   one is given, cut as above. */
int LWLoadStringExA(HINSTANCE instance, UINT id, LPSTR buffer, int size, BOOL* translated);
int LWLoadStringExW(HINSTANCE instance, UINT id, LPWSTR buffer, int size, BOOL* translated);
/* LoadString that translates: the number of characters copied, 0 when there
   is no such string. */
int LWLoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size);
int LWLoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int size);

#ifdef _WIN32
/* A new 32x32 bitmap of the flag of the current file / of the file at path;
   null without one. It is made for dc, or for the screen when dc is null
   or a memory DC holding a monochrome bitmap. The caller deletes it. */
HBITMAP LWGetFlagBitmap(HDC dc);
HBITMAP LWGetOtherFlagBitmapA(LPCSTR path, HDC dc);
HBITMAP LWGetOtherFlagBitmapW(LPCWSTR path, HDC dc);
/* An empty dialog template in local memory (LocalFree it); null when no
   memory is left. */
LPDLGTEMPLATE LWCreateDialogTemplate(int x, int y, int cx, int cy);
/* The language-switch dialog, with the texts of the language file or with
   the caller's texts. */
void LWSwitchDialog(void);
void LWShowSwitchDialogExA(LPCSTR caption, LPCSTR listLabel, LPCSTR ok, LPCSTR cancel, LPCSTR help,
                           LPCSTR versionPrefix, LPCSTR warning, LPCSTR failure);
void LWShowSwitchDialogExW(LPCWSTR caption, LPCWSTR listLabel, LPCWSTR ok, LPCWSTR cancel, LPCWSTR help,
                           LPCWSTR versionPrefix, LPCWSTR warning, LPCWSTR failure);
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

#ifdef UNICODE
typedef LW_STARTPARAMSW LW_STARTPARAMS;
typedef LW_FILEINFO_FIXEDW LW_FILEINFO_FIXED;
#define LWStart LWStartW
#define LWSwitchFile LWSwitchFileW
#define LWGetFileInfo LWGetFileInfoW
#define LWGetOtherFileInfo LWGetOtherFileInfoW
#define LWGetTranslation LWGetTranslationW
#define LWTranslateString LWTranslateStringW
#define LWTranslateStatusText LWTranslateStatusTextW
#define LWTranslateToolTip LWTranslateToolTipW
#define LWLoadStringEx LWLoadStringExW
#define LWLoadString LWLoadStringW
#define LWGetOtherFlagBitmap LWGetOtherFlagBitmapW
#define LWShowSwitchDialogEx LWShowSwitchDialogExW
#else
typedef LW_STARTPARAMSA LW_STARTPARAMS;
typedef LW_FILEINFO_FIXEDA LW_FILEINFO_FIXED;
#define LWStart LWStartA
#define LWSwitchFile LWSwitchFileA
#define LWGetFileInfo LWGetFileInfoA
#define LWGetOtherFileInfo LWGetOtherFileInfoA
#define LWGetTranslation LWGetTranslationA
#define LWTranslateString LWTranslateStringA
#define LWTranslateStatusText LWTranslateStatusTextA
#define LWTranslateToolTip LWTranslateToolTipA
#define LWLoadStringEx LWLoadStringExA
#define LWLoadString LWLoadStringA
#define LWGetOtherFlagBitmap LWGetOtherFlagBitmapA
#define LWShowSwitchDialogEx LWShowSwitchDialogExA
#endif

#endif
