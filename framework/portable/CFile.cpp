#include "CFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lw {

std::string HostPath(LPCTSTR path) {
  std::string p;
#ifdef _UNICODE
  p = ToUtf8(path, StrLen(path));
#else
  p = path ? path : "";
#endif
#ifndef _WIN32
  for (auto& c : p)
    if (c == '\\') c = '/';
#endif
  return p;
}

int LastSeparator(const CString& path) {
  int slash = path.ReverseFind('\\');
  int fwd = path.ReverseFind('/');
  return fwd > slash ? fwd : slash;
}

CString FolderOf(const CString& path) {
  int slash = LastSeparator(path);
  return slash < 0 ? CString() : path.Left(slash);
}

CString NameOf(const CString& path) { return path.Mid(LastSeparator(path) + 1); }

CString TitleOf(const CString& path) {
  CString name = NameOf(path);
  int dot = name.ReverseFind('.');
  return dot < 0 ? name : name.Left(dot);
}

CString LineFromBytes(std::string& bytes) {
  if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
  return CString(FromNarrow(bytes.data(), bytes.size()));
}

bool WriteWholeFile(const CString& path, const std::string& bytes) {
  try {
    CAtomicFile out;
    if (!out.Open(path, CFile::modeCreate | CFile::modeWrite)) return false;
    out.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    out.Commit();
    return true;
  } catch (const CException&) {
    return false;
  }
}

}  // namespace lw

CString CFile::GetFileName() const { return lw::NameOf(m_strFileName); }

CString CFile::GetFileTitle() const { return lw::TitleOf(m_strFileName); }

CFile::CFile(LPCTSTR fileName, UINT openFlags) : CFile() {
  CFileException error;
  if (!Open(fileName, openFlags, &error)) throw error;
}

#ifdef _WIN32

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE) {}

CFile::~CFile() {
  if (m_hFile != INVALID_HANDLE_VALUE) CloseHandle(m_hFile);
}

bool CFile::IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }

void CFile::ThrowLastError() const { CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName); }

BOOL CFile::Open(LPCTSTR fileName, UINT flags, CFileException* error) {
  if (IsOpen()) Close();
  m_strFileName = fileName;
  DWORD access = 0;
  switch (flags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    default: access = GENERIC_READ | GENERIC_WRITE; break;
  }
  DWORD share = 0;
  switch (flags & 0x70) {
    case shareCompat: case shareExclusive: share = 0; break;
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    default: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
  }
  DWORD disposition = (flags & modeCreate) ? ((flags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS) : OPEN_EXISTING;
  if (!fileName || !*fileName) {
    if (error) *error = CFileException(CFileException::badPath, ERROR_INVALID_NAME, fileName);
    return FALSE;
  }
  SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, (flags & modeNoInherit) ? FALSE : TRUE};
  HANDLE h = CreateFile(fileName, access, share, &sa, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    DWORD e = GetLastError();
    if (error) *error = CFileException(CFileException::OsErrorToCause(static_cast<LONG>(e)), static_cast<LONG>(e), fileName);
    return FALSE;
  }
  m_hFile = h;
  return TRUE;
}

UINT CFile::Read(void* buffer, UINT count) {
  if (!count) return 0;
  DWORD got = 0;
  if (!ReadFile(m_hFile, buffer, count, &got, nullptr)) ThrowLastError();
  return got;
}

void CFile::Write(const void* buffer, UINT count) {
  if (!count) return;
  DWORD written = 0;
  if (!WriteFile(m_hFile, buffer, count, &written, nullptr)) ThrowLastError();
  if (written != count) throw CFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from) {
  LARGE_INTEGER in, out;
  in.QuadPart = offset;
  DWORD method = from == begin ? FILE_BEGIN : from == current ? FILE_CURRENT : FILE_END;
  if (!SetFilePointerEx(m_hFile, in, &out, method)) ThrowLastError();
  return static_cast<ULONGLONG>(out.QuadPart);
}

ULONGLONG CFile::GetLength() const {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(m_hFile, &size)) ThrowLastError();
  return static_cast<ULONGLONG>(size.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
  LARGE_INTEGER zero, out;
  zero.QuadPart = 0;
  if (!SetFilePointerEx(m_hFile, zero, &out, FILE_CURRENT)) ThrowLastError();
  return static_cast<ULONGLONG>(out.QuadPart);
}

void CFile::SetLength(ULONGLONG length) {
  Seek(static_cast<LONGLONG>(length), begin);
  if (!SetEndOfFile(m_hFile)) ThrowLastError();
}

void CFile::Flush() {
  if (IsOpen() && !FlushFileBuffers(m_hFile)) ThrowLastError();
}

void CFile::Close() {
  if (!IsOpen()) return;
  HANDLE h = m_hFile;
  m_hFile = INVALID_HANDLE_VALUE;
  if (!CloseHandle(h)) ThrowLastError();
}

void CFile::Abort() {
  if (IsOpen()) CloseHandle(m_hFile);
  m_hFile = INVALID_HANDLE_VALUE;
}

void CFile::Rename(LPCTSTR oldName, LPCTSTR newName) {
  if (!MoveFile(oldName, newName)) CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), oldName);
}

void CFile::Remove(LPCTSTR fileName) {
  if (!DeleteFile(fileName)) CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), fileName);
}

BOOL CFile::GetStatus(LPCTSTR fileName, CFileStatus& status) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!fileName || !GetFileAttributesEx(fileName, GetFileExInfoStandard, &data)) return FALSE;
  auto toTime = [](const FILETIME& ft) {
    ULONGLONG v = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return CTime(static_cast<time_t>((v - 116444736000000000ULL) / 10000000ULL));
  };
  status.m_mtime = toTime(data.ftLastWriteTime);
  status.m_atime = toTime(data.ftLastAccessTime);
  status.m_ctime = toTime(data.ftCreationTime);
  status.m_size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  status.m_attribute = static_cast<BYTE>(data.dwFileAttributes & 0xFF);
  lw::StrCpyN(status.m_szFullName, fileName, MAX_PATH);
  return TRUE;
}

#else  // native

namespace {
bool FolderExists(const std::string& file) {
  size_t slash = file.rfind('/');
  if (slash == std::string::npos) return true;
  struct stat st;
  std::string dir = slash == 0 ? std::string("/") : file.substr(0, slash);
  return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
}  // namespace

CFile::CFile() : m_fd(-1) {}

CFile::~CFile() {
  if (m_fd >= 0) ::close(m_fd);
}

bool CFile::IsOpen() const { return m_fd >= 0; }

void CFile::ThrowLastError() const { CFileException::ThrowOsError(errno, m_strFileName); }

BOOL CFile::Open(LPCTSTR fileName, UINT flags, CFileException* error) {
  if (IsOpen()) Close();
  m_strFileName = fileName;
  if (!fileName || !*fileName) {
    if (error) *error = CFileException(CFileException::badPath, EINVAL, fileName);
    return FALSE;
  }
  int oflags = (flags & 3) == modeRead ? O_RDONLY : (flags & 3) == modeWrite ? O_WRONLY : O_RDWR;
  if (flags & modeCreate) oflags |= O_CREAT | ((flags & modeNoTruncate) ? 0 : O_TRUNC);
  oflags |= O_CLOEXEC;
  std::string host = lw::HostPath(fileName);
  int fd = ::open(host.c_str(), oflags, 0644);
  if (fd < 0) {
    int e = errno;
    int cause = CFileException::OsErrorToCause(e);
    if (e == ENOENT && !FolderExists(host)) cause = CFileException::badPath;
    if (error) *error = CFileException(cause, e, fileName);
    return FALSE;
  }
  struct stat st;
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    if (error) *error = CFileException(CFileException::accessDenied, EISDIR, fileName);
    return FALSE;
  }
  m_fd = fd;
  return TRUE;
}

UINT CFile::Read(void* buffer, UINT count) {
  size_t total = 0;
  while (total < count) {
    ssize_t n = ::read(m_fd, static_cast<char*>(buffer) + total, count - total);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowLastError();
    }
    if (n == 0) break;
    total += static_cast<size_t>(n);
  }
  return static_cast<UINT>(total);
}

void CFile::Write(const void* buffer, UINT count) {
  size_t total = 0;
  while (total < count) {
    ssize_t n = ::write(m_fd, static_cast<const char*>(buffer) + total, count - total);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowLastError();
    }
    if (n == 0) throw CFileException(CFileException::diskFull, ENOSPC, m_strFileName);
    total += static_cast<size_t>(n);
  }
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from) {
  int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
  off_t r = ::lseek(m_fd, static_cast<off_t>(offset), whence);
  if (r < 0) {
    if (errno == EINVAL) throw CFileException(CFileException::badSeek, EINVAL, m_strFileName);
    ThrowLastError();
  }
  return static_cast<ULONGLONG>(r);
}

ULONGLONG CFile::GetLength() const {
  struct stat st;
  if (fstat(m_fd, &st) != 0) ThrowLastError();
  return static_cast<ULONGLONG>(st.st_size);
}

ULONGLONG CFile::GetPosition() const {
  off_t r = ::lseek(m_fd, 0, SEEK_CUR);
  if (r < 0) ThrowLastError();
  return static_cast<ULONGLONG>(r);
}

void CFile::SetLength(ULONGLONG length) {
  if (::ftruncate(m_fd, static_cast<off_t>(length)) != 0) ThrowLastError();
}

void CFile::Flush() {
  if (IsOpen() && ::fsync(m_fd) != 0 && errno != EINVAL) ThrowLastError();
}

void CFile::Close() {
  if (!IsOpen()) return;
  int fd = m_fd;
  m_fd = -1;
  if (::close(fd) != 0) ThrowLastError();
}

void CFile::Abort() {
  if (IsOpen()) ::close(m_fd);
  m_fd = -1;
}

void CFile::Rename(LPCTSTR oldName, LPCTSTR newName) {
  std::string a = lw::HostPath(oldName), b = lw::HostPath(newName);
  if (::rename(a.c_str(), b.c_str()) != 0) CFileException::ThrowOsError(errno, oldName);
}

void CFile::Remove(LPCTSTR fileName) {
  std::string a = lw::HostPath(fileName);
  if (::unlink(a.c_str()) != 0) CFileException::ThrowOsError(errno, fileName);
}

BOOL CFile::GetStatus(LPCTSTR fileName, CFileStatus& status) {
  if (!fileName) return FALSE;
  struct stat st;
  std::string a = lw::HostPath(fileName);
  if (::stat(a.c_str(), &st) != 0) return FALSE;
  status.m_mtime = CTime(st.st_mtime);
  status.m_atime = CTime(st.st_atime);
  status.m_ctime = CTime(st.st_ctime);
  status.m_size = static_cast<ULONGLONG>(st.st_size);
  status.m_attribute = S_ISDIR(st.st_mode) ? 0x10 : 0;
  lw::StrCpyN(status.m_szFullName, fileName, MAX_PATH);
  return TRUE;
}

#endif

// ---- CMemFile ----

CMemFile::CMemFile(UINT growBytes) : m_grow(growBytes ? growBytes : 1024) {}

CMemFile::CMemFile(BYTE* buffer, UINT size, UINT growBytes) : m_grow(growBytes) { Attach(buffer, size, growBytes); }

CMemFile::~CMemFile() = default;

void CMemFile::Attach(BYTE* buffer, UINT size, UINT growBytes) {
  m_own.clear();
  m_external = buffer;
  m_capacity = size;
  m_size = growBytes ? 0 : size;  // a fixed buffer holds data; a growing one is empty
  m_pos = 0;
  m_grow = growBytes;
}

BYTE* CMemFile::Detach() {
  BYTE* p = m_external;
  m_external = nullptr;
  m_capacity = m_size = m_pos = 0;
  return p;
}

void CMemFile::Reserve(size_t size) {
  if (size <= m_capacity) return;
  if (m_external) throw CMemoryException();  // an attached buffer cannot grow
  size_t cap = m_capacity + (m_grow ? m_grow : 1024);
  if (cap < size) cap = size;
  m_own.resize(cap);
  m_capacity = cap;
}

UINT CMemFile::Read(void* buffer, UINT count) {
  if (m_pos >= m_size) return 0;
  size_t n = std::min<size_t>(count, m_size - m_pos);
  memcpy(buffer, Data() + m_pos, n);
  m_pos += n;
  return static_cast<UINT>(n);
}

void CMemFile::Write(const void* buffer, UINT count) {
  if (!count) return;
  Reserve(m_pos + count);
  BYTE* base = m_external ? m_external : m_own.data();
  memcpy(base + m_pos, buffer, count);
  m_pos += count;
  if (m_pos > m_size) m_size = m_pos;
}

ULONGLONG CMemFile::Seek(LONGLONG offset, UINT from) {
  LONGLONG base = from == begin ? 0 : from == current ? static_cast<LONGLONG>(m_pos) : static_cast<LONGLONG>(m_size);
  LONGLONG target = base + offset;
  if (target < 0) throw CFileException(CFileException::badSeek, -1, m_strFileName);
  m_pos = static_cast<size_t>(target);
  return m_pos;
}

void CMemFile::SetLength(ULONGLONG length) {
  Reserve(static_cast<size_t>(length));
  m_size = static_cast<size_t>(length);
  if (m_pos > m_size) m_pos = m_size;
}

void CMemFile::Close() {
  m_own.clear();
  m_external = nullptr;
  m_capacity = m_size = m_pos = 0;
}

// ---- CStdioFile ----

BOOL CStdioFile::ReadString(CString& line) {
  std::string bytes;
  for (;;) {
    if (m_pendingPos >= m_pending.size()) {
      if (m_eof) break;
      m_pending.resize(4096);
      UINT n = Read(m_pending.data(), static_cast<UINT>(m_pending.size()));
      m_pending.resize(n);
      m_pendingPos = 0;
      if (!n) {
        m_eof = true;
        break;
      }
    }
    char c = m_pending[m_pendingPos++];
    if (c == '\n') {
      line = lw::LineFromBytes(bytes);
      return TRUE;
    }
    bytes.push_back(c);
  }
  line = lw::LineFromBytes(bytes);
  return !bytes.empty() ? TRUE : FALSE;
}

void CStdioFile::WriteString(LPCTSTR text) {
  std::string bytes = lw::ToNarrow(text, lw::StrLen(text));
  std::string out;
  out.reserve(bytes.size() + 16);
  for (char c : bytes) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  Write(out.data(), static_cast<UINT>(out.size()));
}

// ---- CAtomicFile ----

namespace {
std::atomic<unsigned> g_tempCounter{0};

bool ReplaceFileWith(LPCTSTR temp, LPCTSTR target, LONG& osError) {
#ifdef _WIN32
  if (MoveFileEx(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  osError = static_cast<LONG>(GetLastError());
  return false;
#else
  std::string a = lw::HostPath(temp), b = lw::HostPath(target);
  if (::rename(a.c_str(), b.c_str()) == 0) return true;
  osError = errno;
  return false;
#endif
}

unsigned ProcessTag() {
#ifdef _WIN32
  return static_cast<unsigned>(GetCurrentProcessId());
#else
  return static_cast<unsigned>(getpid());
#endif
}
}  // namespace

CAtomicFile::~CAtomicFile() { Abort(); }

BOOL CAtomicFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* error) {
  Abort();
  m_target = fileName;
  if (m_target.IsEmpty()) {
    if (error) *error = CFileException(CFileException::badPath, -1, fileName);
    return FALSE;
  }
  m_temp.Format(_T("%s.~%u-%u.tmp"), fileName, ProcessTag(), g_tempCounter.fetch_add(1));
  UINT flags = (openFlags & ~(modeNoTruncate | 3u)) | modeCreate | modeWrite;
  if (!CFile::Open(m_temp, flags, error)) {
    if (error) error->m_strFileName = m_target;
    m_temp.Empty();
    return FALSE;
  }
  m_strFileName = m_target;
  return TRUE;
}

void CAtomicFile::Commit() {
  if (m_temp.IsEmpty()) throw CFileException(CFileException::invalidFile, -1, m_target);
  CFile::Flush();
  CFile::Close();
  LONG osError = 0;
  if (!ReplaceFileWith(m_temp, m_target, osError)) {
    CString temp = m_temp;
    m_temp.Empty();
    try {
      CFile::Remove(temp);
    } catch (const CFileException&) {
    }
    CFileException::ThrowOsError(osError, m_target);
  }
  m_temp.Empty();
}

void CAtomicFile::Abort() {
  CFile::Abort();
  if (!m_temp.IsEmpty()) {
    try {
      CFile::Remove(m_temp);
    } catch (const CFileException&) {
    }
    m_temp.Empty();
  }
}
