#include "AddOnRows.h"

#include "AddOnExport.h"
#include "LwvPaths.h"

CString AddOnExtensionOf(const CString& fileName) {
  return fileName.Find(_T('.')) < 0 ? CString() : GetExtension(fileName);
}

AddOnImage AddOnImageFor(const CString& fileName) {
  const CString ext = AddOnExtensionOf(fileName);
  if (ext == _T("exe") || ext == _T("com")) return kAddOnImageProgram;
  if (ext == _T("txt")) return kAddOnImageText;
  if (ext == _T("zip") || ext == _T("rar")) return kAddOnImageArchive;
  return kAddOnImageOther;
}

CString AddOnSizeText(int bytes) {
  CString text;
  text.Format(_T("%d Byte"), bytes);
  return text;
}

bool IsRefusedAddOnFile(const CString& fileName) { return IsLanguageOrProjectFileName(fileName); }

AddOnPathProblem CheckAddOnExportPath(const CString& path) {
  if (path.IsEmpty()) return AddOnPathProblem::kNone;
  if (lw::IsPathSeparator(path[0])) return AddOnPathProblem::kRooted;
  if (path.GetLength() >= 2 && path[1] == _T(':')) return AddOnPathProblem::kDrive;
  for (int i = 0; i < path.GetLength(); ++i) {
    const TCHAR c = path[i];  // signed chars above 127 come out large
    if (static_cast<unsigned>(c) < 32u) return AddOnPathProblem::kInvalidChars;
  }
  if (path.FindOneOf(_T("<>:\"|?*")) >= 0) return AddOnPathProblem::kInvalidChars;
  return AddOnPathProblem::kNone;
}
