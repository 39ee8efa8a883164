#include "ProjectFile.h"

#include "WizardProject.h"

namespace {

const int kArchiveBuffer = 4096;

// The framework's message for an error, naming the project file.
CString DescribeError(const CException& e, LPCTSTR path) {
  if (const auto* fileError = dynamic_cast<const CFileException*>(&e)) {
    CFileException named = *fileError;
    if (named.m_strFileName.IsEmpty()) named.m_strFileName = path;
    return named.GetErrorMessage();
  }
  if (const auto* archiveError = dynamic_cast<const CArchiveException*>(&e)) {
    return CArchiveException(archiveError->m_cause, path).GetErrorMessage();
  }
  return e.GetErrorMessage();
}

}  // namespace

BOOL OpenProjectFile(CWizardProject& project, LPCTSTR path, CString& errorMessage) {
  errorMessage.Empty();
  CFile file;
  CFileException openError;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &openError)) {
    errorMessage = openError.GetErrorMessage();
    return FALSE;
  }
  try {
    CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete, kArchiveBuffer);
    ar.m_strFileName = path;
    const BOOL read = project.Serialize(ar);
    ar.Close();
    file.Close();
    if (!read) {
      errorMessage = CArchiveException(CArchiveException::badIndex, path).GetErrorMessage();
      return FALSE;
    }
  } catch (const CException& e) {
    file.Abort();
    errorMessage = DescribeError(e, path);
    return FALSE;
  }
  project.SetProjectPath(path);
  return TRUE;
}

BOOL SaveProjectFile(CWizardProject& project, LPCTSTR path, CString& errorMessage) {
  errorMessage.Empty();
  CAtomicFile file;
  CFileException openError;
  if (!file.Open(path, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &openError)) {
    errorMessage = openError.GetErrorMessage();
    return FALSE;
  }
  try {
    CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete, kArchiveBuffer);
    ar.m_strFileName = path;
    project.Serialize(ar);
    ar.Close();
    file.Commit();
  } catch (const CException& e) {
    file.Abort();  // the old file stays as it was
    errorMessage = DescribeError(e, path);
    return FALSE;
  }
  return TRUE;
}
