/* The information of one language file: header texts, flags and language
   id, for the current file or any other .tra file, with texts of its own
   (LW_FILEINFO); the C form LW_FILEINFO_FIXED is in Lwv.h. */
#ifndef LWV_LWFILEINFO_H
#define LWV_LWFILEINFO_H

#include "Lwv.h"

#ifdef __cplusplus
#include "Framework.h"
#include "TraFile.h"

/* The record that owns its texts. */
struct LW_FILEINFO {
  CString strProgramName;
  CString strProgramVersion;
  CString strLanguageName;
  CString strComment;
  CString strFilePath;
  DWORD dwFlags = 0;
  DWORD dwCarried = 0;
  CString strDate;
  CString strAuthor;
  LANGID wLanguageId = 0;
};

/* Fills info from file, with path as its file path. */
void LwFillFileInfo(const CTraFile& file, const CString& path, LW_FILEINFO& info);
/* Copies info into the fixed record (dwSize untouched). */
void LwCopyFileInfo(const LW_FILEINFO& info, LW_FILEINFO_FIXED& fixed);
/* Copies text into a field of size chars: at most size - 1 characters, then
   the terminator. Nothing is written for a size of 0. */
void LwCopyBounded(TCHAR* field, int size, LPCTSTR text);
/* Empties the record's texts. */
void FreeFileInfo(LW_FILEINFO& info);
/* Reads like LwReadLanguageFile and shows TRA_CORRUPT_MESSAGE through
   LwvShowMessage when the file is no language file. */
bool LwvReadLanguageFile(const CString& path, CTraFile& file, LwReadPart part);
#endif

#endif
