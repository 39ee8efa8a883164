// A token of a C++ source with the code the declaration parser looks at.
#pragma once

#include "SourceToken.h"

// Codes of the few words and characters the parsers look at.
enum CppTokenCode {
  kCodeColon = 0,
  kCodeSemicolon = 1,
  kCodeOpenParen = 2,
  kCodeCloseParen = 3,
  kCodeOpenBrace = 4,
  kCodeCloseBrace = 5,
  kCodeLess = 6,
  kCodeGreater = 7,
  kCodeComma = 8,
  kCodeHash = 9,
  kCodeBackslash = 10,
  kCodeTilde = 11,
  kCodeClass = 12,
  kCodePublic = 13,
  kCodePrivate = 14,
  kCodeProtected = 15,
  kCodeVirtual = 16,
  kCodeConst = 17,
  kCodeAfxMsg = 18,
  kCodeInclude = 19,
  kCodeOnUpdateCmdUI = 20,
  kCodeCFrameWnd = 21,
  kCodeBOOL = 22,
  kCodeOther = 23,
};

// Text, kind and line as the shared tokenizer gives them; the file name is
// held once by the list the token belongs to.
class CCppToken {
 public:
  CCppToken(CString text, int kind, const CString* fileName, int line, bool newLine, int code)
      : m_text(std::move(text)), m_fileName(fileName), m_kind(kind), m_line(line), m_code(code), m_newLine(newLine) {}
  virtual ~CCppToken() = default;
  CCppToken(const CCppToken&) = delete;
  CCppToken& operator=(const CCppToken&) = delete;
  // 1 for ordinary tokens, 6 for the three framework names with a class of their own.
  virtual int GetClass() const = 0;
  virtual int GetCode() const { return m_code; }

  const CString& GetText() const { return m_text; }
  int GetKind() const { return m_kind; }
  const CString& GetFileName() const { return *m_fileName; }
  int GetLine() const { return m_line; }
  // The token stands on a later line than the token before it.
  bool IsNewLine() const { return m_newLine; }

  // The code of a token text; strings always get kCodeOther.
  static int CodeOf(const CString& text, int kind);
  // A new token of the class its code belongs to; fileName must outlive it.
  static CCppToken* Create(CString text, int kind, const CString* fileName, int line, bool newLine);

 private:
  CString m_text;
  const CString* m_fileName;
  int m_kind;
  int m_line;
  int m_code;
  bool m_newLine;
};

class CCppWordToken : public CCppToken {
 public:
  using CCppToken::CCppToken;
  int GetClass() const override { return 1; }
};

class CCppSymbolToken : public CCppToken {
 public:
  using CCppToken::CCppToken;
  int GetClass() const override { return 6; }
};
