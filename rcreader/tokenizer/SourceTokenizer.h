// Groups the characters of a script into tokens. NextToken is virtual so
// that a tokenizer for another language can reuse the reader and the
// character classes and change only how a token is cut.
#pragma once

#include "SourceLineReader.h"
#include "SourceToken.h"

class CSourceTokenizer {
 public:
  // Throws CFileException when the file cannot be read. The file is read
  // into the memory of reuse when given (see CSourceLineReader).
  explicit CSourceTokenizer(LPCTSTR fileName, ScriptBuffers* reuse = nullptr);
  CSourceTokenizer(LPCTSTR fileName, const BYTE* data, size_t size);
  virtual ~CSourceTokenizer() = default;
  CSourceTokenizer(const CSourceTokenizer&) = delete;
  CSourceTokenizer& operator=(const CSourceTokenizer&) = delete;

  // Fills token with the next token; false when only blanks were left
  // before the end of the file. Sets text, kind, file name and line.
  virtual bool NextToken(CSourceToken& token);
  bool IsAtEnd() const { return m_reader.IsAtEnd(); }

  static bool IsBlank(TCHAR c) { return c == ' ' || (c >= 9 && c <= 13); }
  static bool IsIdentStart(TCHAR c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
  static bool IsDigit(TCHAR c) { return c >= '0' && c <= '9'; }
  static bool IsIdentChar(TCHAR c) { return IsIdentStart(c) || IsDigit(c); }
  // Drops the surrounding quotes and resolves \n \r \t \a \\ \" and three
  // octal digits; every other character stays as it is.
  static CString UnescapeString(const CString& raw);
  // The same into out, whose memory is used again.
  static void UnescapeString(const CString& raw, CString& out);

 protected:
  // Steps over blanks from the lookahead; false at the end of the file.
  bool SkipBlanks();
  // Cuts an identifier, a number or a single character from the lookahead
  // (which must not be a blank or a quote) and returns its kind.
  int ReadPlainToken(CString& text);
  // Reads a quoted string from the opening quote in the lookahead, with
  // backslash escapes and doubled quotes, into raw: the raw text, quotes
  // included. A backslash at the end of a line splices the next line on,
  // as the preprocessor does. Stops at the end of the file.
  void ReadEscapedString(CString& raw);
  // Fills the token's file name and the reader's current line.
  void StampToken(CSourceToken& token) const;
  TCHAR Advance() { return m_look = m_reader.GetCharSkipComments(); }
  // Appends the characters after the lookahead on its line for which keep
  // holds (see CSourceLineReader::SkipRun); the lookahead stays.
  template <class Keep>
  void AppendRun(Keep keep, CString& text) {
    const TCHAR* run;
    const size_t n = m_reader.SkipRun(keep, run);
    text.Append(run, static_cast<int>(n));
  }
  // Appends the characters after the lookahead while keep holds; the
  // lookahead becomes the first for which it does not. A block comment
  // between them is swallowed, so a word may go on behind one.
  template <class Keep>
  void AppendWhile(Keep keep, CString& text) {
    for (;;) {
      AppendRun(keep, text);
      if (!keep(Advance())) return;
      text.AppendChar(m_look);
    }
  }

  CSourceLineReader m_reader;
  TCHAR m_look;  // the character after the previous token
  CString m_raw;  // the raw text of the last string, its memory used again
};
