#include "SourceLineReader.h"

#include <algorithm>

CSourceLineReader::CSourceLineReader(LPCTSTR fileName, bool stripBlockComments, ScriptBuffers* reuse)
    : m_fileName(fileName), m_stripBlockComments(stripBlockComments) {
  CFile file(fileName, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary);
  ULONGLONG length = file.GetLength();
  if (length > kMaxFileBytes) AfxThrowFileException(CFileException::invalidFile, -1, fileName);
  std::vector<BYTE> own;
  std::vector<BYTE>& bytes = reuse ? reuse->bytes : own;
  bytes.resize(static_cast<size_t>(length));
  size_t got = 0;
  while (got < bytes.size()) {
    UINT n = file.Read(bytes.data() + got, static_cast<UINT>(bytes.size() - got));
    if (n == 0) break;  // the file became shorter while it was read
    got += n;
  }
  file.Close();
  if (reuse) m_text.swap(reuse->text);
  m_reuse = reuse;  // from here on the text goes back to reuse
  Start(bytes.data(), got);
}

CSourceLineReader::~CSourceLineReader() {
  if (m_reuse) m_reuse->text.swap(m_text);
}

CSourceLineReader::CSourceLineReader(LPCTSTR fileName, const BYTE* data, size_t size, bool stripBlockComments)
    : m_fileName(fileName), m_stripBlockComments(stripBlockComments) {
  Start(data, size);
}

void CSourceLineReader::Start(const BYTE* data, size_t size) {
  lw::DecodeScriptTextInto(data, size, m_text, &m_encoding);
  ReadLine();
  m_readPos = m_lineStart;
}

CString CSourceLineReader::GetCurrentLine() const {
  return CString(m_text.data() + m_lineStart, static_cast<int>(m_lineEnd - m_lineStart));
}

void CSourceLineReader::ReadLine() {
  if (m_nextLine >= m_text.size()) {
    m_endOfFile = true;
    m_lineStart = m_lineEnd = m_readPos = m_text.size();
    return;
  }
  size_t end = m_text.find(TCHAR('\n'), m_nextLine);
  if (end == std::basic_string<TCHAR>::npos) end = m_text.size();
  m_lineStart = m_nextLine;
  m_nextLine = end < m_text.size() ? end + 1 : end;
  if (end > m_lineStart && m_text[end - 1] == '\r') --end;
  m_lineEnd = end;
  if (!m_inBlockComment) CutLineComment(m_lineStart);
}

void CSourceLineReader::CutLineComment(size_t from) {
  // Without a slash there is nothing to cut.
  const TCHAR* line = m_text.data();
  if (std::find(line + from, line + m_lineEnd, TCHAR('/')) == line + m_lineEnd) return;
  bool quotes = m_inQuotes, escaped = m_escaped;
  for (size_t i = from; i < m_lineEnd; ++i) {
    TCHAR c = m_text[i];
    if (escaped || c == '\\' || c == '"') {
      TrackQuotes(c, quotes, escaped);
      continue;
    }
    if (c != '/') continue;
    TCHAR next = i + 1 < m_lineEnd ? m_text[i + 1] : TCHAR(0);
    if (m_stripBlockComments && next == '*') {
      // A block comment that closes on this line hides what it contains;
      // one that goes on to a later line takes the rest of the line.
      size_t j = i + 2;
      while (j < m_lineEnd && !(m_text[j] == '/' && m_text[j - 1] == '*')) {
        TrackQuotes(m_text[j], quotes, escaped);
        ++j;
      }
      if (j >= m_lineEnd) return;
      i = j;
    } else if (next == '/') {
      // The first "//" decides: between quotes the rest of the line stays.
      if (!quotes) m_lineEnd = i;
      return;
    }
  }
}

TCHAR CSourceLineReader::NextLineChar() {
  if (m_endOfFile) return 0;
  m_escaped = false;  // the line end is the escaped character
  ReadLine();
  ++m_lineCount;
  if (m_endOfFile) return 0;
  m_readPos = m_lineStart;
  m_lastChar = ' ';
  return ' ';
}

TCHAR CSourceLineReader::SkipBlockComments(TCHAR c) {
  while (m_stripBlockComments && c == '/' && PeekChar() == '*') {
    m_inBlockComment = true;
    TCHAR noted;
    do {
      noted = m_lastChar;
      c = GetChar();
    } while (!(noted == '*' && c == '/') && !m_endOfFile);
    m_inBlockComment = false;
    if (m_endOfFile) return 0;  // the file ended inside the comment
    // The rest of the line after the comment is cut like any line.
    CutLineComment(m_readPos);
    c = GetChar();
  }
  return c;
}
