#include "LwFileInfo.h"

#include "TraFile.h"

#include <new>

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

bool LwReadLanguageFile(const CString& path, CTraFile& file, LwReadPart part) {
  try {
    CFile in;
    if (!in.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return false;
    CArchive ar(&in, CArchive::load, 4096);
    ar.m_strFileName = path;
    if (part == LW_READ_HEADER)
      file.SerializeHeaderOnly(ar);
    else if (part == LW_READ_HEADER_AND_FLAG)
      file.SerializeHeaderAndFlag(ar);
    else
      file.Serialize(ar);
    ar.Close();
    in.Close();
    return true;
  } catch (const CException&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool LwWriteLanguageFile(const CString& path, CTraFile& file) {
  try {
    CAtomicFile out;
    if (!out.Open(path, CFile::modeCreate | CFile::modeWrite)) return false;
    CArchive ar(&out, CArchive::store);
    file.Serialize(ar);
    ar.Close();
    out.Commit();
    return true;
  } catch (const CException&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
}
