// Reads a script line by line, cuts line comments and hands out characters
// one at a time; a line end reads as one blank and the end of the file as 0.
#pragma once

#include "ScriptText.h"

#include <string>
#include <vector>

// Memory that readers of one script after another pass on, so that each
// reads and decodes its file into what the one before used.
struct ScriptBuffers {
  std::vector<BYTE> bytes;
  std::basic_string<TCHAR> text;
};

class CSourceLineReader {
 public:
  // Reads the whole file, into the memory of reuse when given (which gets it
  // back when the reader ends); throws CFileException when the file cannot
  // be opened or read.
  CSourceLineReader(LPCTSTR fileName, bool stripBlockComments, ScriptBuffers* reuse = nullptr);
  // Reads a script held in memory; fileName only names it in tokens.
  CSourceLineReader(LPCTSTR fileName, const BYTE* data, size_t size, bool stripBlockComments);
  ~CSourceLineReader();
  CSourceLineReader(const CSourceLineReader&) = delete;
  CSourceLineReader& operator=(const CSourceLineReader&) = delete;

  // Largest script file accepted, in bytes.
  static constexpr size_t kMaxFileBytes = 256u * 1024u * 1024u;

  TCHAR GetChar() {
    if (m_readPos >= m_lineEnd) return NextLineChar();
    TCHAR c = m_text[m_readPos++];
    m_lastChar = c;
    TrackQuotes(c, m_inQuotes, m_escaped);
    return c;
  }
  TCHAR PeekChar() const { return m_readPos < m_lineEnd ? m_text[m_readPos] : TCHAR(0); }
  // Nothing of the current line is left: the next GetChar reads the line end.
  bool AtLineEnd() const { return m_readPos >= m_lineEnd; }
  // GetChar that swallows block comments when stripping is on.
  TCHAR GetCharSkipComments() {
    TCHAR c = GetChar();
    return c == '/' && m_stripBlockComments ? SkipBlockComments(c) : c;
  }
  // Moves over the characters of the current line from the read position
  // for which keep holds, exactly as GetChar would one by one; keep must
  // refuse quotes, backslashes and slashes. Sets run to the first of them
  // and returns how many there are (0 at the line end).
  template <class Keep>
  size_t SkipRun(Keep keep, const TCHAR*& run) {
    const size_t from = m_readPos;
    while (m_readPos < m_lineEnd && keep(m_text[m_readPos])) ++m_readPos;
    run = m_text.data() + from;
    if (m_readPos == from) return 0;
    m_lastChar = m_text[m_readPos - 1];
    m_escaped = false;  // such characters end an escape and start none
    return m_readPos - from;
  }
  TCHAR GetLastChar() const { return m_lastChar; }
  const CString& GetFileName() const { return m_fileName; }
  bool IsAtEnd() const { return m_endOfFile; }
  // Zero-based number of the current line.
  int GetLineCount() const { return m_lineCount; }
  // The current line after comment cutting.
  CString GetCurrentLine() const;
  lw::ScriptEncoding GetEncoding() const { return m_encoding; }

 private:
  // Follows one character through the quote pairing: a quote character
  // opens or closes a string unless a backslash inside the string escapes it.
  static void TrackQuotes(TCHAR c, bool& inQuotes, bool& escaped) {
    if (escaped) escaped = false;
    else if (c == '\\' && inQuotes) escaped = true;
    else if (c == '"') inQuotes = !inQuotes;
  }

  void Start(const BYTE* data, size_t size);
  void ReadLine();
  // At the end of the current line: the blank for the line end, or 0.
  TCHAR NextLineChar();
  TCHAR SkipBlockComments(TCHAR c);
  // Cuts the current line before the first "//" at or after from that stands
  // outside block comments closed on the same line, unless it stands inside
  // a string (unescaped quote characters before it open and close strings).
  void CutLineComment(size_t from);

  CString m_fileName;
  ScriptBuffers* m_reuse = nullptr;
  std::basic_string<TCHAR> m_text;
  lw::ScriptEncoding m_encoding = lw::ScriptEncoding::Cp1252;
  size_t m_nextLine = 0;   // start of the line after the current one
  size_t m_lineEnd = 0;    // end of the current line (after cutting)
  size_t m_readPos = 0;    // next character of the current line
  size_t m_lineStart = 0;
  bool m_endOfFile = false;
  int m_lineCount = 0;
  TCHAR m_lastChar = ' ';
  bool m_inQuotes = false;
  bool m_escaped = false;  // a backslash inside a string escapes the next character
  bool m_stripBlockComments;
  bool m_inBlockComment = false;
};
