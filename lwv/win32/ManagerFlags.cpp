// Flag bitmaps of the current language file and of other files on disk.
#include "LwFileInfo.h"
#include "TranslationManager.h"

HBITMAP CTranslationManager::GetFlagBitmap(HDC dc) const {
  return m_pCurrentFile ? m_pCurrentFile->CreateFlagBitmap(dc) : nullptr;
}

HBITMAP CTranslationManager::GetOtherFlagBitmap(const CString& path, HDC dc) const {
  CTraFile header;
  if (!LwvReadLanguageFile(path, header, LW_READ_HEADER_AND_FLAG)) return nullptr;
  return header.CreateFlagBitmap(dc);
}
