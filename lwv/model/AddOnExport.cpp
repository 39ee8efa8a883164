#include "AddOnExport.h"

#include "LwvPaths.h"

namespace {

bool IsSeparator(TCHAR c) { return c == _T('\\') || c == _T('/'); }

// Characters no Windows file name may hold (separators are checked apart).
bool IsForbidden(TCHAR c) {
  return lw::CharCode(c) < 32 || c == _T('<') || c == _T('>') || c == _T('"') || c == _T('|') || c == _T('?') ||
         c == _T('*');
}

}  // namespace

bool IsPlainAddOnFileName(const CString& name) {
  if (name.IsEmpty() || name == _T(".") || name == _T("..")) return false;
  for (int i = 0; i < name.GetLength(); ++i) {
    TCHAR c = name[i];
    if (IsSeparator(c) || c == _T(':') || IsForbidden(c)) return false;
  }
  return true;
}

bool IsSafeAddOnExportPath(const CString& path) {
  if (path.IsEmpty()) return true;
  if (IsSeparator(path[0]) || path.Find(_T(':')) >= 0) return false;  // rooted, UNC, drive or stream
  int level = 0;
  int pos = 0;
  const int length = path.GetLength();
  while (pos < length) {
    int end = pos;
    while (end < length && !IsSeparator(path[end])) ++end;
    CString part = path.Mid(pos, end - pos);
    if (part == _T("..")) {
      if (--level < -1) return false;
    } else if (!part.IsEmpty() && part != _T(".")) {
      for (int i = 0; i < part.GetLength(); ++i)
        if (IsForbidden(part[i])) return false;
      ++level;
    }
    pos = end + 1;
  }
  return true;
}

bool ExportAddOnFilesOf(LPCTSTR traPath, LwReadResult* read) {
  CTraFile file;
  LwReadResult outcome = LW_READ_FAILED;
  // Shares reading: an exclusive read here would make another program that
  // starts with the same file at this moment find no language file.
  LwReadLanguageFile(traPath, file, LW_READ_WHOLE, &outcome, CFile::shareDenyWrite);
  if (read) *read = outcome;
  if (outcome != LW_READ_OK || file.HasBadAddOnPaths()) return false;

  const CString folder = GetDirectoryPart(traPath);
  bool result = true;
  CAddOnFileList* list = file.GetAddOnFiles();
  for (int i = 0; i < list->GetCount(); ++i) {
    const CAddOnFile* addOn = list->GetAt(i);
    CString exportPath = addOn->GetExportPath();
    if (!IsPlainAddOnFileName(addOn->GetFileName()) || !IsSafeAddOnExportPath(exportPath)) {
      result = false;
      continue;
    }
    if (!exportPath.IsEmpty() && !IsSeparator(exportPath[exportPath.GetLength() - 1])) exportPath += _T("\\");
    try {
      if (!addOn->WriteToDisk(folder + exportPath)) result = false;
    } catch (const CException&) {
      result = false;
    }
  }
  return result;
}
