#include "Exceptions.h"

#include <cerrno>

namespace {
const TCHAR* const kFileCauseText[] = {
    _T("No error occurred"),
    _T("An unspecified error occurred"),
    _T("The file could not be found"),
    _T("All or part of the path is invalid"),
    _T("Too many files are open"),
    _T("Access to the file was denied"),
    _T("The file handle is invalid"),
    _T("The current working directory cannot be removed"),
    _T("There are no more directory entries"),
    _T("Error while setting the file position"),
    _T("Hardware error"),
    _T("Sharing violation"),
    _T("Lock violation"),
    _T("The disk is full"),
    _T("The end of the file was reached"),
};
const TCHAR* const kArchiveCauseText[] = {
    _T("No error occurred"),
    _T("An unspecified error occurred"),
    _T("Tried to write to an archive opened for loading"),
    _T("Reached the end of the file while reading"),
    _T("Tried to read from an archive opened for storing"),
    _T("Invalid file format"),
    _T("Unexpected object type"),
    _T("Unsupported file version"),
};
}  // namespace

CString CFileException::GetErrorMessage() const {
  CString text = m_cause >= 0 && m_cause <= endOfFile ? kFileCauseText[m_cause] : kFileCauseText[genericException];
  if (!m_strFileName.IsEmpty()) text += CString(_T(": ")) + m_strFileName;
  return text;
}

CString CArchiveException::GetErrorMessage() const {
  CString text = m_cause >= 0 && m_cause <= badSchema ? kArchiveCauseText[m_cause] : kArchiveCauseText[genericException];
  if (!m_strFileName.IsEmpty()) text += CString(_T(": ")) + m_strFileName;
  return text;
}

int CFileException::OsErrorToCause(LONG e) {
#ifdef _WIN32
  switch (static_cast<DWORD>(e)) {
    case ERROR_SUCCESS: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND: case ERROR_INVALID_NAME: case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE: case ERROR_BAD_NETPATH: case ERROR_DIRECTORY:
    case ERROR_FILENAME_EXCED_RANGE: return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED: case ERROR_WRITE_PROTECT: case ERROR_CANNOT_MAKE: return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_NO_MORE_FILES: return directoryFull;
    case ERROR_SEEK: case ERROR_NEGATIVE_SEEK: return badSeek;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_LOCK_VIOLATION: return lockViolation;
    case ERROR_HANDLE_DISK_FULL: case ERROR_DISK_FULL: return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    case ERROR_CRC: case ERROR_READ_FAULT: case ERROR_WRITE_FAULT: return hardIO;
    default: return genericException;
  }
#else
  switch (e) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR: case ENAMETOOLONG: case ELOOP: case EINVAL: return badPath;
    case EMFILE: case ENFILE: return tooManyOpenFiles;
    case EACCES: case EPERM: case EROFS: case EISDIR: case EEXIST: return accessDenied;
    case EBADF: return invalidFile;
    case ESPIPE: return badSeek;
    case EIO: return hardIO;
    case EBUSY: case ETXTBSY: return sharingViolation;
    case ENOSPC: case EDQUOT: case EFBIG: return diskFull;
    default: return genericException;
  }
#endif
}

void CFileException::ThrowOsError(LONG osError, LPCTSTR fileName) {
  throw CFileException(OsErrorToCause(osError), osError, fileName);
}

void AfxThrowArchiveException(int cause, LPCTSTR fileName) { throw CArchiveException(cause, fileName); }
void AfxThrowFileException(int cause, LONG osError, LPCTSTR fileName) { throw CFileException(cause, osError, fileName); }
void AfxThrowMemoryException() { throw CMemoryException(); }
