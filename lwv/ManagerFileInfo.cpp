// File information of the current language file and of other files on disk.
#include "LwFileInfo.h"
#include "TranslationManager.h"

BOOL CTranslationManager::GetFileInfo(LW_FILEINFO& info) const {
  if (!m_pCurrentFile) return FALSE;
  LwFillFileInfo(*m_pCurrentFile, m_strCurrentPath, info);
  return TRUE;
}

BOOL CTranslationManager::GetFileInfo(LW_FILEINFO_FIXED& fixed) const {
  LW_FILEINFO info;
  if (!GetFileInfo(info)) return FALSE;
  LwCopyFileInfo(info, fixed);
  return TRUE;
}

BOOL CTranslationManager::GetOtherFileInfo(const CString& path, LW_FILEINFO& info) const {
  CTraFile header;
  if (!LwvReadLanguageFile(path, header, LW_READ_HEADER)) return FALSE;
  LwFillFileInfo(header, path, info);
  return TRUE;
}

BOOL CTranslationManager::GetOtherFileInfo(const CString& path, LW_FILEINFO_FIXED& fixed) const {
  LW_FILEINFO info;
  if (!GetOtherFileInfo(path, info)) return FALSE;
  LwCopyFileInfo(info, fixed);
  return TRUE;
}
