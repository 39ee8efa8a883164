// Reads the source-file blocks of a Visual C++ project file (.dsp).
#pragma once

#include "ProjectFileList.h"

class CSourceTokenList;

class CDspReader {
 public:
  // Tokenizes the project file; throws CFileException when it cannot be read.
  explicit CDspReader(LPCTSTR path);
  ~CDspReader();
  CDspReader(const CDspReader&) = delete;
  CDspReader& operator=(const CDspReader&) = delete;

  // Collects the path of every source-file block, in file order.
  void Read();
  // A new list of the collected paths, owned by the caller; relative paths
  // resolve against the project file's folder.
  CProjectFileList* CreateProjectFileList() const;
  const CStringArray& GetPaths() const { return m_paths; }

  // Token tests at the position; they consume the tokens only on a match.
  bool IsBeginSourceFile();
  bool IsSourceAssign();
  bool IsEndSourceFile();

 private:
  bool IsSequence(const TCHAR* const* texts, int count);

  CSourceTokenList* m_tokens;
  int m_position = 0;
  int m_count = 0;
  CString m_folder;
  CStringArray m_paths;
};
