#include "CppTokenizer.h"

bool CCppTokenizer::NextToken(CSourceToken& token) {
  if (!SkipBlanks()) return false;
  StampToken(token);  // the line the token starts on
  if (m_look == '"') {
    token.m_text = ReadPlainString();
    token.m_kind = kTokenString;
  } else {
    token.m_kind = ReadPlainToken(token.m_text);
  }
  return true;
}

CString CCppTokenizer::ReadPlainString() {
  CString text;
  for (;;) {
    TCHAR c = Advance();
    if (c == 0 && m_reader.IsAtEnd()) return text;  // the file ended inside the string
    if (c == '"') {
      if (Advance() == '"' && !m_reader.IsAtEnd()) {
        text.AppendChar('"');  // a doubled quote stands for one
        continue;
      }
      return text;  // the lookahead follows the string
    }
    text.AppendChar(c);
  }
}
