#include "LwFileInfo.h"

#include "LwvMessage.h"

void LwCopyBounded(TCHAR* field, int size, LPCTSTR text) {
  if (!field || size <= 0) return;
  int i = 0;
  if (text)
    for (; i < size - 1 && text[i]; ++i) field[i] = text[i];
  field[i] = 0;
}

void LwFillFileInfo(const CTraFile& file, const CString& path, LW_FILEINFO& info) {
  info.strProgramName = file.GetProgramName();
  info.strProgramVersion = file.GetProgramVersion();
  info.strLanguageName = file.GetLanguageName();
  info.strComment = file.GetComment();
  info.strFilePath = path;
  info.dwFlags = file.GetFlags();
  info.dwCarried = file.GetCarriedValue();
  info.strDate = file.GetDate();
  info.strAuthor = file.GetAuthor();
  info.wLanguageId = file.GetLanguageId();
}

void LwCopyFileInfo(const LW_FILEINFO& info, LW_FILEINFO_FIXED& fixed) {
  LwCopyBounded(fixed.szProgramName, LW_INFO_TEXT_CHARS, info.strProgramName);
  LwCopyBounded(fixed.szProgramVersion, LW_INFO_TEXT_CHARS, info.strProgramVersion);
  LwCopyBounded(fixed.szLanguageName, LW_INFO_TEXT_CHARS, info.strLanguageName);
  fixed.wLanguageId = info.wLanguageId;
  LwCopyBounded(fixed.szAuthor, LW_INFO_TEXT_CHARS, info.strAuthor);
  LwCopyBounded(fixed.szDate, LW_INFO_TEXT_CHARS, info.strDate);
  LwCopyBounded(fixed.szComment, LW_INFO_COMMENT_CHARS, info.strComment);
  LwCopyBounded(fixed.szFilePath, LW_PATH_CHARS, info.strFilePath);
  fixed.dwFlags = info.dwFlags;
  fixed.dwCarried = info.dwCarried;
}

void FreeFileInfo(LW_FILEINFO& info) {
  info.strProgramName.Empty();
  info.strProgramVersion.Empty();
  info.strLanguageName.Empty();
  info.strComment.Empty();
  info.strFilePath.Empty();
  info.strDate.Empty();
  info.strAuthor.Empty();
}

bool LwvReadLanguageFile(const CString& path, CTraFile& file, LwReadPart part) {
  LwReadResult result;
  if (LwReadLanguageFile(path, file, part, &result)) return true;
  if (result == LW_READ_NOT_LANGUAGE_FILE) LwvShowMessage(TRA_CORRUPT_MESSAGE);
  return false;
}
