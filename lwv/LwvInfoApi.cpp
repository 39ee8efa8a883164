// The LW functions for file information. The current file's information is
// read under the lock; another file is read without it (a message may show).
#include "LwFileInfo.h"
#include "LwvProgram.h"
#include "LwvLock.h"
#include "TranslationManager.h"

BOOL LWGetFileInfo(LW_FILEINFO& info) {
  CLwvLock lock;
  CTranslationManager* m = LwGetManager();
  return m ? m->GetFileInfo(info) : FALSE;
}

BOOL LWGetOtherFileInfo(LPCTSTR path, LW_FILEINFO& info) {
  std::shared_ptr<CTranslationManager> m = LwHoldManager();
  return m && path ? m->GetOtherFileInfo(CString(path), info) : FALSE;
}

extern "C" BOOL LWGetFileInfo(LW_FILEINFO_FIXED* info) {
  try {
    CLwvLock lock;
    CTranslationManager* m = LwGetManager();
    if (!m || !info) return FALSE;
    return m->GetFileInfo(*info);
  } catch (...) {
    return FALSE;  // nothing may reach a C caller
  }
}

extern "C" BOOL LWGetOtherFileInfo(LPCTSTR path, LW_FILEINFO_FIXED* info) {
  try {
    std::shared_ptr<CTranslationManager> m = LwHoldManager();
    if (!m || !path || !info) return FALSE;
    return m->GetOtherFileInfo(CString(path), *info);
  } catch (...) {
    return FALSE;
  }
}
