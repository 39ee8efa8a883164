// The LW functions for file information.
#include "LwFileInfo.h"
#include "Lwv.h"
#include "TranslationManager.h"

BOOL LWGetFileInfo(LW_FILEINFO& info) {
  CTranslationManager* m = LwGetManager();
  return m ? m->GetFileInfo(info) : FALSE;
}

BOOL LWGetOtherFileInfo(LPCTSTR path, LW_FILEINFO& info) {
  CTranslationManager* m = LwGetManager();
  return m && path ? m->GetOtherFileInfo(CString(path), info) : FALSE;
}

extern "C" BOOL LWGetFileInfo(LW_FILEINFO_FIXED* info) {
  CTranslationManager* m = LwGetManager();
  if (!m || !info) return FALSE;
  try {
    return m->GetFileInfo(*info);
  } catch (...) {
    return FALSE;  // nothing may reach a C caller
  }
}

extern "C" BOOL LWGetOtherFileInfo(LPCTSTR path, LW_FILEINFO_FIXED* info) {
  CTranslationManager* m = LwGetManager();
  if (!m || !path || !info) return FALSE;
  try {
    return m->GetOtherFileInfo(CString(path), *info);
  } catch (...) {
    return FALSE;
  }
}
