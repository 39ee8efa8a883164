#include "AddOnExport.h"

#include "LwvPaths.h"

namespace {

// Characters no Windows file name may hold (separators are checked apart).
bool IsForbidden(TCHAR c) {
  return lw::CharCode(c) < 32 || c == _T('<') || c == _T('>') || c == _T('"') || c == _T('|') || c == _T('?') ||
         c == _T('*');
}

// Windows drops trailing dots and blanks of a name: "x.tra. " is "x.tra".
CString WithoutTrailingDotsAndBlanks(const CString& name) {
  CString trimmed = name;
  trimmed.TrimRight(_T(". "));
  return trimmed;
}

// CON, NUL, COM1 and the like name devices, with any extension.
bool IsDeviceName(const CString& name) {
  CString base = name;
  const int dot = base.Find(_T('.'));
  if (dot >= 0) base = base.Left(dot);
  base.TrimRight(_T(' '));
  static const TCHAR* const kDevices[] = {_T("CON"), _T("PRN"), _T("AUX"), _T("NUL"), _T("CONIN$"), _T("CONOUT$")};
  for (const TCHAR* device : kDevices)
    if (base.CompareNoCase(device) == 0) return true;
  return base.GetLength() == 4 && (base.Left(3).CompareNoCase(_T("COM")) == 0 || base.Left(3).CompareNoCase(_T("LPT")) == 0) &&
         base[3] >= _T('1') && base[3] <= _T('9');
}

}  // namespace

bool IsLanguageOrProjectFileName(const CString& name) {
  const CString trimmed = WithoutTrailingDotsAndBlanks(name);
  const int dot = trimmed.ReverseFind(_T('.'));
  if (dot < 0) return false;
  const CString ext = trimmed.Mid(dot + 1);
  return ext.CompareNoCase(_T("tra")) == 0 || ext.CompareNoCase(_T("lwp")) == 0;
}

bool IsPlainAddOnFileName(const CString& name) {
  if (name.IsEmpty() || name == _T(".") || name == _T("..")) return false;
  for (int i = 0; i < name.GetLength(); ++i) {
    TCHAR c = name[i];
    if (lw::IsPathSeparator(c) || c == _T(':') || IsForbidden(c)) return false;
  }
  // Another name for an existing file, a device, or a language or project
  // file beside the one being read: never written.
  if (WithoutTrailingDotsAndBlanks(name) != name || IsDeviceName(name)) return false;
  return !IsLanguageOrProjectFileName(name);
}

bool IsSafeAddOnExportPath(const CString& path) {
  if (path.IsEmpty()) return true;
  if (lw::IsPathSeparator(path[0]) || path.Find(_T(':')) >= 0) return false;  // rooted, UNC, drive or stream
  int level = 0;
  int pos = 0;
  const int length = path.GetLength();
  while (pos < length) {
    int end = pos;
    while (end < length && !lw::IsPathSeparator(path[end])) ++end;
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
    if (!exportPath.IsEmpty() && !lw::IsPathSeparator(exportPath[exportPath.GetLength() - 1])) exportPath += _T("\\");
    try {
      if (!addOn->WriteToDisk(folder + exportPath)) result = false;
    } catch (const CException&) {
      result = false;
    }
  }
  return result;
}
