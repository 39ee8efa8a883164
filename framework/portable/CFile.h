// Files: CFile over the operating system's handles, CMemFile over memory,
// CStdioFile for text lines and CAtomicFile, which writes a complete new file
// beside the target and replaces the target only on Commit.
#pragma once

#include "CTime.h"
#include "Exceptions.h"

#include <vector>

struct CFileStatus {
  CTime m_ctime, m_atime, m_mtime;
  ULONGLONG m_size = 0;
  BYTE m_attribute = 0;  // 0x10 = directory
  TCHAR m_szFullName[MAX_PATH] = {0};
};

class CFile {
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000,
  };
  enum SeekPosition { begin = 0, current = 1, end = 2 };

  CFile();
  // Opens or throws CFileException.
  CFile(LPCTSTR fileName, UINT openFlags);
  virtual ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // False with the cause in error (when given) if the file cannot be opened.
  virtual BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr);
  virtual UINT Read(void* buffer, UINT count);
  virtual void Write(const void* buffer, UINT count);
  virtual ULONGLONG Seek(LONGLONG offset, UINT from);
  void SeekToBegin() { Seek(0, begin); }
  ULONGLONG SeekToEnd() { return Seek(0, end); }
  virtual ULONGLONG GetLength() const;
  virtual ULONGLONG GetPosition() const;
  virtual void SetLength(ULONGLONG length);
  virtual void Flush();
  virtual void Close();
  virtual void Abort();  // closes without throwing
  virtual bool IsOpen() const;

  virtual CString GetFilePath() const { return m_strFileName; }
  CString GetFileName() const;
  CString GetFileTitle() const;

  static void Rename(LPCTSTR oldName, LPCTSTR newName);
  static void Remove(LPCTSTR fileName);
  static BOOL GetStatus(LPCTSTR fileName, CFileStatus& status);

 protected:
  CString m_strFileName;

 private:
  [[noreturn]] void ThrowLastError() const;
#ifdef _WIN32
  HANDLE m_hFile;
#else
  int m_fd;
#endif
};

class CMemFile : public CFile {
 public:
  explicit CMemFile(UINT growBytes = 1024);
  CMemFile(BYTE* buffer, UINT size, UINT growBytes = 0);
  ~CMemFile() override;

  void Attach(BYTE* buffer, UINT size, UINT growBytes = 0);
  BYTE* Detach();  // the caller owns what it attached, or the data when none was attached

  BOOL Open(LPCTSTR, UINT, CFileException* = nullptr) override { return FALSE; }
  UINT Read(void* buffer, UINT count) override;
  void Write(const void* buffer, UINT count) override;
  ULONGLONG Seek(LONGLONG offset, UINT from) override;
  ULONGLONG GetLength() const override { return m_size; }
  ULONGLONG GetPosition() const override { return m_pos; }
  void SetLength(ULONGLONG length) override;
  void Flush() override {}
  void Close() override;
  void Abort() override { Close(); }
  bool IsOpen() const override { return true; }

  const BYTE* Data() const { return m_external ? m_external : m_own.data(); }

 private:
  void Reserve(size_t size);
  std::vector<BYTE> m_own;
  BYTE* m_external = nullptr;
  size_t m_capacity = 0;
  size_t m_size = 0;
  size_t m_pos = 0;
  UINT m_grow;
};

// Text lines in the system code page; "\r\n" and "\n" both end a line.
class CStdioFile : public CFile {
 public:
  CStdioFile() = default;
  CStdioFile(LPCTSTR fileName, UINT openFlags) : CFile(fileName, openFlags) {}
  BOOL ReadString(CString& line);
  void WriteString(LPCTSTR text);  // "\n" becomes "\r\n" in text mode

 private:
  std::vector<char> m_pending;
  size_t m_pendingPos = 0;
  bool m_eof = false;
};

// Writes to a temporary file in the target's folder; Commit replaces the
// target with it. Without Commit the temporary file is removed and the
// target stays as it was.
class CAtomicFile : public CFile {
 public:
  CAtomicFile() = default;
  ~CAtomicFile() override;
  BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr) override;
  CString GetFilePath() const override { return m_target; }
  // Closes the temporary file and moves it over the target; throws CFileException.
  void Commit();
  void Abort() override;

 private:
  CString m_target;
  CString m_temp;
};

namespace lw {
// Natively, a Windows path with backslashes becomes a host path.
std::string HostPath(LPCTSTR path);
// A backslash or a slash.
inline bool IsPathSeparator(TCHAR c) { return c == _T('\\') || c == _T('/'); }
// Position of the last '\\' or '/' of a path, -1 when it has none.
int LastSeparator(const CString& path);
// Folder part of a path, without the last separator ("" when none).
CString FolderOf(const CString& path);
// Last part of a path, and that part without its extension.
CString NameOf(const CString& path);
CString TitleOf(const CString& path);
// Natively, the folder with each part that is not there as written replaced
// by the entry whose name differs from it only in case (unchanged when none
// fits); on Windows the folder as given.
CString FoldFolderCase(const CString& folder);
// A line's bytes (system code page) as text, without a trailing "\r".
CString LineFromBytes(std::string& bytes);
// Writes bytes as a complete new file that then replaces the old one; false
// when it cannot be written (the old file stays).
bool WriteWholeFile(const CString& path, const std::string& bytes);
}  // namespace lw
