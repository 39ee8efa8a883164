// One token of a script.
#pragma once

#include "Framework.h"

enum SourceTokenKind {
  kTokenEnd = 0,         // no token: an index outside the list
  kTokenIdentifier = 1,  // letter or '_', then letters, digits and '_'
  kTokenNumber = 2,      // a run of the digits 0-9
  kTokenString = 3,      // quoted string, text unescaped and without quotes
  kTokenOther = 4,       // any other single character
};

class CSourceToken {
 public:
  CSourceToken() = default;
  CSourceToken(const CString& text, int kind, const CString& fileName, int line)
      : m_text(text), m_kind(kind), m_fileName(fileName), m_line(line) {}
  CSourceToken(const CSourceToken&) = default;
  CSourceToken& operator=(const CSourceToken&) = default;
  virtual ~CSourceToken() = default;

  CString m_text;
  int m_kind = kTokenEnd;
  CString m_fileName;
  int m_line = -1;  // zero-based
};
