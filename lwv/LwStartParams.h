/* The start record a host passes to LWStart. Plain C so that Win32 programs
   written in C can fill it; every field keeps its natural alignment, and
   hRegKey is pointer-sized. Hosts set dwSize = sizeof(LW_STARTPARAMS). */
#ifndef LWV_LWSTARTPARAMS_H
#define LWV_LWSTARTPARAMS_H

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
#endif

#define LW_PATH_CHARS 260

typedef struct tagLW_STARTPARAMS {
  DWORD dwSize;                        /* set by the host, not read */
  TCHAR szStdFile[LW_PATH_CHARS];      /* standard language file */
  TCHAR szTraPath[LW_PATH_CHARS];      /* folder the switch dialog lists */
  LW_REGKEY hRegKey;                   /* application key; 0 = use the INI file */
  TCHAR szIniFilePath[LW_PATH_CHARS];  /* INI file when hRegKey is 0; empty = remember nothing */
  BOOL bSwitchDlgAllowOld;
  UINT nSwitchDlgHelpID;
  BOOL bAutoSwitchCommand;
  UINT nSwitchCommandID;
  INT nSwitchMainMenuPos;
  DWORD dwReserved;                    /* not read */
  UINT nSwitchBroadcastMsg;
} LW_STARTPARAMS;

#endif
