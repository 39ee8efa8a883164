// The source files of a project, sorted by their ending.
#pragma once

#include "Framework.h"

class CProjectFileList {
 public:
  // Relative names are resolved against projectFolder ("" = as written).
  explicit CProjectFileList(const CString& projectFolder = CString()) : m_projectFolder(projectFolder) {}

  // Sorts one name in, as written in the project file.
  void AddFile(const CString& path);
  // The name to open: relative names below the project folder.
  CString ResolvePath(const CString& path) const;
  const CString& GetProjectFolder() const { return m_projectFolder; }

  CStringArray m_headers;
  CStringArray m_sources;
  CStringArray m_resourceScripts;
  CStringArray m_others;

 private:
  CString m_projectFolder;
};
