#include "CArchive.h"

#include <cstring>

CArchive::CArchive(CFile* file, UINT mode, int bufferSize, void* buffer)
    : m_file(file),
      m_loading((mode & load) != 0),
      m_flushOnDelete((mode & bNoFlushOnDelete) == 0) {
  if (bufferSize < 128) bufferSize = 128;
  m_bufSize = static_cast<size_t>(bufferSize);
  if (buffer) {
    m_buf = static_cast<BYTE*>(buffer);
  } else {
    m_ownBuffer.resize(m_bufSize);
    m_buf = m_ownBuffer.data();
  }
  if (file) m_strFileName = file->GetFilePath();
}

CArchive::~CArchive() {
  if (!m_closed && !m_loading && m_flushOnDelete) {
    try {
      Flush();
    } catch (const CException&) {
    }
  }
}

void CArchive::CheckMode(bool loading) const {
  if (m_loading != loading)
    throw CArchiveException(loading ? CArchiveException::writeOnly : CArchiveException::readOnly, m_strFileName);
}

void CArchive::ThrowEnd() const { throw CArchiveException(CArchiveException::endOfFile, m_strFileName); }

void CArchive::Close() {
  if (m_closed) return;
  if (!m_loading) Flush();
  m_closed = true;
}

void CArchive::Abort() { m_closed = true; }

void CArchive::Flush() {
  if (m_loading || !m_file) return;
  if (m_cur) {
    size_t n = m_cur;
    m_cur = 0;
    m_file->Write(m_buf, static_cast<UINT>(n));
  }
}

void CArchive::FillBuffer() {
  if (m_cur < m_lim) {
    memmove(m_buf, m_buf + m_cur, m_lim - m_cur);
    m_lim -= m_cur;
  } else {
    m_lim = 0;
  }
  m_cur = 0;
  if (!m_fileAtEnd && m_file && m_lim < m_bufSize) {
    UINT n = m_file->Read(m_buf + m_lim, static_cast<UINT>(m_bufSize - m_lim));
    if (n == 0) m_fileAtEnd = true;
    m_lim += n;
  }
}

UINT CArchive::Read(void* buffer, UINT count) {
  CheckMode(true);
  BYTE* out = static_cast<BYTE*>(buffer);
  size_t done = 0;
  while (done < count) {
    if (m_cur >= m_lim) {
      if (m_fileAtEnd) break;
      if (count - done >= m_bufSize && m_file) {  // large reads bypass the buffer
        UINT n = m_file->Read(out + done, static_cast<UINT>(count - done));
        if (n == 0) m_fileAtEnd = true;
        done += n;
        continue;
      }
      FillBuffer();
      if (m_cur >= m_lim) break;
    }
    size_t n = std::min(m_lim - m_cur, count - done);
    memcpy(out + done, m_buf + m_cur, n);
    m_cur += n;
    done += n;
  }
  return static_cast<UINT>(done);
}

void CArchive::ReadExact(void* buffer, UINT count) {
  if (Read(buffer, count) != count) ThrowEnd();
}

void CArchive::Write(const void* buffer, UINT count) {
  CheckMode(false);
  const BYTE* in = static_cast<const BYTE*>(buffer);
  size_t done = 0;
  while (done < count) {
    if (m_cur == m_bufSize) Flush();
    size_t n = std::min(m_bufSize - m_cur, count - done);
    memcpy(m_buf + m_cur, in + done, n);
    m_cur += n;
    done += n;
  }
}

ULONGLONG CArchive::BytesLeft() const {
  ULONGLONG left = m_lim - m_cur;
  if (m_file && !m_fileAtEnd) {
    ULONGLONG len = m_file->GetLength(), pos = m_file->GetPosition();
    if (len > pos) left += len - pos;
  }
  return left;
}

// ---- strings ----

void CArchive::WriteStringLength(ULONGLONG length, bool wide) {
  if (wide) {
    *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFE);
  }
  if (length < 255) {
    *this << static_cast<BYTE>(length);
  } else if (length < 0xFFFE) {
    *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(length);
  } else {
    if (length >= 0xFFFFFFFFull) throw CArchiveException(CArchiveException::genericException, m_strFileName);
    *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(length);
  }
}

ULONGLONG CArchive::ReadStringLength(bool& wide) {
  wide = false;
  BYTE b;
  *this >> b;
  if (b < 0xFF) return b;
  WORD w;
  *this >> w;
  if (w == 0xFFFE) {
    wide = true;
    *this >> b;
    if (b < 0xFF) return b;
    *this >> w;
  }
  if (w < 0xFFFF) return w;
  DWORD d;
  *this >> d;
  if (d == 0xFFFFFFFFu) throw CArchiveException(CArchiveException::badIndex, m_strFileName);  // 64-bit lengths
  return d;
}

CArchive& CArchive::operator<<(const CStringA& s) {
  WriteStringLength(static_cast<ULONGLONG>(s.GetLength()), false);
  Write(s.GetString(), static_cast<UINT>(s.GetLength()));
  return *this;
}

CArchive& CArchive::operator<<(const CStringW& s) {
  if (m_nStoreCodePage != 0) {
    std::string narrow = lw::Narrow(s.Std(), m_nStoreCodePage);
    if (lw::Widen(narrow, m_nStoreCodePage) != s.Std())
      throw CArchiveException(CArchiveException::genericException, m_strFileName);
    return *this << CStringA(std::move(narrow));
  }
  WriteStringLength(static_cast<ULONGLONG>(s.GetLength()), true);
  for (int i = 0; i < s.GetLength(); ++i) *this << static_cast<WORD>(s.GetAt(i));
  return *this;
}

namespace {
// Reads length units of the given size after checking that they are there.
void ReadUnits(CArchive& ar, ULONGLONG length, bool wide, std::string& narrow, lw::WString& wideText) {
  ULONGLONG bytes = length * (wide ? 2 : 1);
  if (!ar.HasBytes(bytes)) throw CArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
  if (wide) {
    // Straight into the text: a unit is two bytes, little-endian, as written.
    static_assert(sizeof(WCHAR) == sizeof(WORD), "16-bit units");
    wideText.resize(static_cast<size_t>(length));
    if (length) ar.ReadExact(&wideText[0], static_cast<UINT>(bytes));
  } else {
    narrow.resize(static_cast<size_t>(length));
    if (length) ar.ReadExact(&narrow[0], static_cast<UINT>(length));
  }
}
}  // namespace

CArchive& CArchive::operator>>(CStringA& s) {
  bool wide;
  ULONGLONG length = ReadStringLength(wide);
  std::string narrow;
  lw::WString w;
  ReadUnits(*this, length, wide, narrow, w);
  if (!wide) {
    s = CStringA(std::move(narrow));
    return *this;
  }
  std::string converted = lw::Narrow(w, CP_ACP);
  if (lw::Widen(converted, CP_ACP) != w) ++m_nLossyStrings;
  s = CStringA(std::move(converted));
  return *this;
}

CArchive& CArchive::operator>>(CStringW& s) {
  bool wide;
  ULONGLONG length = ReadStringLength(wide);
  std::string narrow;
  lw::WString w;
  ReadUnits(*this, length, wide, narrow, w);
  s = wide ? CStringW(std::move(w)) : CStringW(lw::Widen(narrow, CP_ACP));
  return *this;
}

void CArchive::WriteCount(DWORD count) {
  if (count < 0xFFFF) {
    *this << static_cast<WORD>(count);
  } else {
    *this << static_cast<WORD>(0xFFFF) << count;
  }
}

DWORD CArchive::ReadCount() {
  WORD w;
  *this >> w;
  if (w != 0xFFFF) return w;
  DWORD d;
  *this >> d;
  return d;
}

void CArchive::WriteString(LPCTSTR text) {
  std::string bytes = lw::ToNarrow(text, lw::StrLen(text));
  Write(bytes.data(), static_cast<UINT>(bytes.size()));
}

BOOL CArchive::ReadString(CString& line) {
  std::string bytes;
  BYTE c;
  bool any = false;
  while (Read(&c, 1) == 1) {
    any = true;
    if (c == '\n') break;
    bytes.push_back(static_cast<char>(c));
  }
  line = lw::LineFromBytes(bytes);
  return any ? TRUE : FALSE;
}
