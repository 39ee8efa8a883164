// Binary archive over a CFile: raw little-endian numbers and the class
// library's length-prefixed string form. Reading past the data throws
// CArchiveException(endOfFile); nothing is read beyond the end.
#pragma once

#include "CFile.h"

#include <vector>

class CArchive {
 public:
  enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2 };

  CArchive(CFile* file, UINT mode, int bufferSize = 4096, void* buffer = nullptr);
  ~CArchive();  // flushes a storing archive that was not closed; never throws
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  BOOL IsLoading() const { return m_loading; }
  BOOL IsStoring() const { return !m_loading; }
  CFile* GetFile() const { return m_file; }
  void Close();
  void Abort();
  void Flush();

  // Raw bytes: Read returns fewer than asked only at the end of the data.
  UINT Read(void* buffer, UINT count);
  void Write(const void* buffer, UINT count);
  // Exactly count bytes or CArchiveException(endOfFile).
  void ReadExact(void* buffer, UINT count);

  // Bytes the archive can still deliver (buffer plus the rest of the file).
  ULONGLONG BytesLeft() const;
  // True when count more bytes can be read (asks the file only when the buffer is short).
  bool HasBytes(ULONGLONG count) const { return count <= m_lim - m_cur || count <= BytesLeft(); }

  CArchive& operator<<(bool v) { return Put<BYTE>(v ? 1 : 0); }
  CArchive& operator<<(char v) { return Put(v); }
  CArchive& operator<<(signed char v) { return Put(v); }
  CArchive& operator<<(unsigned char v) { return Put(v); }
  CArchive& operator<<(short v) { return Put(v); }
  CArchive& operator<<(unsigned short v) { return Put(v); }
  CArchive& operator<<(int v) { return Put(v); }
  CArchive& operator<<(unsigned int v) { return Put(v); }
  // LONG and DWORD are long on Windows and int natively: 4 bytes either way.
  CArchive& operator<<(long v) { return Put(v); }
  CArchive& operator<<(unsigned long v) { return Put(v); }
  CArchive& operator<<(long long v) { return Put(v); }
  CArchive& operator<<(unsigned long long v) { return Put(v); }
  CArchive& operator<<(float v) { return Put(v); }
  CArchive& operator<<(double v) { return Put(v); }
  CArchive& operator<<(const CStringA& s);
  CArchive& operator<<(const CStringW& s);

  CArchive& operator>>(bool& v) { BYTE b; Get(b); v = b != 0; return *this; }
  CArchive& operator>>(char& v) { return Get(v); }
  CArchive& operator>>(signed char& v) { return Get(v); }
  CArchive& operator>>(unsigned char& v) { return Get(v); }
  CArchive& operator>>(short& v) { return Get(v); }
  CArchive& operator>>(unsigned short& v) { return Get(v); }
  CArchive& operator>>(int& v) { return Get(v); }
  CArchive& operator>>(unsigned int& v) { return Get(v); }
  CArchive& operator>>(long& v) { return Get(v); }
  CArchive& operator>>(unsigned long& v) { return Get(v); }
  CArchive& operator>>(long long& v) { return Get(v); }
  CArchive& operator>>(unsigned long long& v) { return Get(v); }
  CArchive& operator>>(float& v) { return Get(v); }
  CArchive& operator>>(double& v) { return Get(v); }
  CArchive& operator>>(CStringA& s);
  CArchive& operator>>(CStringW& s);

  // Element counts: uint16, or 0xFFFF and a uint32.
  void WriteCount(DWORD count);
  DWORD ReadCount();

  // Text lines in the system code page.
  void WriteString(LPCTSTR text);
  BOOL ReadString(CString& line);

  CString m_strFileName;
  // 16-bit strings read into 8-bit text that the code page could not hold
  // (each such text now carries '?' where a character was lost).
  UINT m_nLossyStrings = 0;
  // Storing: when not 0, 16-bit texts go out in the one-byte form of this
  // code page, as an ANSI program writes them; a text the code page cannot
  // hold throws CArchiveException(genericException).
  UINT m_nStoreCodePage = 0;

 private:
  template <class T>
  CArchive& Put(T v) {
    Write(&v, sizeof v);
    return *this;
  }
  template <class T>
  CArchive& Get(T& v) {
    ReadExact(&v, sizeof v);
    return *this;
  }
  // Reads the length prefix; wide becomes true after the 16-bit marker.
  ULONGLONG ReadStringLength(bool& wide);
  void WriteStringLength(ULONGLONG length, bool wide);
  void FillBuffer();
  [[noreturn]] void ThrowEnd() const;
  void CheckMode(bool loading) const;

  CFile* m_file;
  bool m_loading;
  bool m_closed = false;
  bool m_flushOnDelete;
  std::vector<BYTE> m_ownBuffer;
  BYTE* m_buf;
  size_t m_bufSize;
  size_t m_cur = 0;  // next byte to read or write
  size_t m_lim = 0;  // bytes valid in the buffer (loading)
  bool m_fileAtEnd = false;
};
