/* A plain C host: the SDK header compiles as C and its functions link by
   their C names. */
#include "LwvSDK.h"

#include <string.h>

int SdkCStartAndEnd(const TCHAR* stdFile, const TCHAR* missingFile, DWORD threadId) {
  LW_STARTPARAMS params;
  memset(&params, 0, sizeof(params));
  params.dwSize = sizeof(params);
  lstrcpyn(params.szStdFile, stdFile, LW_PATH_CHARS);
  int result = 0;
  if (LWStart(&params)) result |= 1;
  if (LWAddThread(threadId)) result |= 2;
  LWTranslateHMenu(NULL);
  LWTranslateMenu(NULL);
  LWTranslateDialog(NULL, 0);
  if (!LWSwitchFile(missingFile)) result |= 4;
  LWEnd();
  return result;
}
