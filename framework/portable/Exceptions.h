// The class library's exception kinds. They are thrown by value and caught
// by reference (catch (const CException&) takes every kind).
#pragma once

#include "CString.h"

class CException {
 public:
  virtual ~CException() = default;
  // A short English description for logs and message boxes.
  virtual CString GetErrorMessage() const { return CString(_T("Unknown error")); }
};

class CMemoryException : public CException {
 public:
  CString GetErrorMessage() const override { return CString(_T("Out of memory.")); }
};

class CFileException : public CException {
 public:
  enum {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile
  };
  explicit CFileException(int cause = none, LONG osError = -1, LPCTSTR fileName = nullptr)
      : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}
  CString GetErrorMessage() const override;

  // The cause for an operating-system error code (errno natively, GetLastError on Windows).
  static int OsErrorToCause(LONG osError);
  [[noreturn]] static void ThrowOsError(LONG osError, LPCTSTR fileName = nullptr);

  int m_cause;
  LONG m_lOsError;
  CString m_strFileName;
};

class CArchiveException : public CException {
 public:
  enum { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };
  explicit CArchiveException(int cause = none, LPCTSTR fileName = nullptr) : m_cause(cause), m_strFileName(fileName) {}
  CString GetErrorMessage() const override;

  int m_cause;
  CString m_strFileName;
};

[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR fileName = nullptr);
[[noreturn]] void AfxThrowFileException(int cause, LONG osError = -1, LPCTSTR fileName = nullptr);
[[noreturn]] void AfxThrowMemoryException();
