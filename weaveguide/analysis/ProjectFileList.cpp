#include "ProjectFileList.h"

void CProjectFileList::AddFile(const CString& path) {
  int length = path.GetLength();
  if (length > 1 && path.Right(2) == _T(".h"))
    m_headers.Add(path);
  else if (length > 3 && path.Right(4) == _T(".cpp"))
    m_sources.Add(path);
  else if (length > 3 && path.Right(3) == _T(".rc"))
    m_resourceScripts.Add(path);
  else
    m_others.Add(path);
}

CString CProjectFileList::ResolvePath(const CString& path) const {
  bool absolute = path.GetLength() > 0 && (path[0] == '\\' || path[0] == '/' || (path.GetLength() > 1 && path[1] == ':'));
  if (absolute || path.IsEmpty() || m_projectFolder.IsEmpty()) return path;
  return m_projectFolder + _T("\\") + path;
}
