#include "SourceTokenizer.h"

CSourceTokenizer::CSourceTokenizer(LPCTSTR fileName, ScriptBuffers* reuse) : m_reader(fileName, true, reuse) {
  m_look = m_reader.GetCharSkipComments();
}

CSourceTokenizer::CSourceTokenizer(LPCTSTR fileName, const BYTE* data, size_t size)
    : m_reader(fileName, data, size, true) {
  m_look = m_reader.GetCharSkipComments();
}

// Characters with no meaning inside a string: neither quote, backslash nor
// the slash that may open a comment.
static bool IsPlainStringChar(TCHAR c) { return c != '"' && c != '\\' && c != '/'; }

bool CSourceTokenizer::SkipBlanks() {
  const TCHAR* run;
  while (IsBlank(m_look) && !m_reader.IsAtEnd()) {
    m_reader.SkipRun(IsBlank, run);  // the rest of the line's blanks at once
    Advance();
  }
  return !(m_look == 0 && m_reader.IsAtEnd());
}

int CSourceTokenizer::ReadPlainToken(CString& text) {
  text.Empty();
  TCHAR c = m_look;
  text.AppendChar(c);
  if (IsIdentStart(c)) {
    AppendWhile(IsIdentChar, text);
    return kTokenIdentifier;
  }
  if (IsDigit(c)) {
    AppendWhile(IsDigit, text);
    return kTokenNumber;
  }
  Advance();
  return kTokenOther;
}

void CSourceTokenizer::ReadEscapedString(CString& raw) {
  raw.Empty();
  raw.AppendChar('"');
  bool escaped = false;
  for (;;) {
    if (!escaped) AppendRun(IsPlainStringChar, raw);
    TCHAR c = Advance();
    if (c == 0 && m_reader.IsAtEnd()) break;  // the file ended inside the string
    if (c == '\\' && !escaped && m_reader.AtLineEnd() && !m_reader.IsAtEnd()) {
      Advance();  // a line splice: backslash and line end vanish
      continue;
    }
    raw.AppendChar(c);
    if (escaped) {
      escaped = false;
    } else if (c == '\\') {
      escaped = true;
    } else if (c == '"') {
      if (Advance() != '"') break;  // the lookahead follows the string
      // A doubled quote stands for one; the second is dropped.
    }
  }
}

void CSourceTokenizer::StampToken(CSourceToken& token) const {
  token.m_fileName = m_reader.GetFileName();
  token.m_line = m_reader.GetLineCount();
}

bool CSourceTokenizer::NextToken(CSourceToken& token) {
  if (!SkipBlanks()) return false;
  if (m_look == '"') {
    ReadEscapedString(m_raw);
    UnescapeString(m_raw, token.m_text);
    token.m_kind = kTokenString;
  } else {
    token.m_kind = ReadPlainToken(token.m_text);
  }
  StampToken(token);
  return true;
}

CString CSourceTokenizer::UnescapeString(const CString& raw) {
  CString out;
  UnescapeString(raw, out);
  return out;
}

void CSourceTokenizer::UnescapeString(const CString& raw, CString& out) {
  int begin = 0, end = raw.GetLength();
  if (end >= 2) {
    begin = 1;
    end -= 1;
  }
  const TCHAR* s = raw.GetString();
  out.Empty();
  out.Preallocate(end - begin);
  for (int i = begin; i < end; ++i) {
    TCHAR c = s[i];
    if (c == '\\' && i + 1 < end) {
      TCHAR n = s[i + 1];
      TCHAR simple = 0;
      switch (n) {
        case 'n': simple = 10; break;
        case 'r': simple = 13; break;
        case 't': simple = 9; break;
        case 'a': simple = 7; break;
        case '\\': simple = '\\'; break;
        case '"': simple = '"'; break;
        default: break;
      }
      if (simple) {
        out.AppendChar(simple);
        ++i;
        continue;
      }
      auto octal = [](TCHAR d) { return d >= '0' && d <= '7'; };
      if (i + 3 < end && octal(s[i + 1]) && octal(s[i + 2]) && octal(s[i + 3])) {
        int v = (s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0');
#ifdef UNICODE
        // A byte of an 8-bit string means what it means in code page 1252,
        // as the resource compiler gives it to the window.
        if (v >= 0x80 && v <= 0xFF) {
          char byte = static_cast<char>(v);
          lw::WString w = lw::Widen(&byte, 1, 1252);
          if (w.size() == 1 && w[0] != 0) v = static_cast<int>(w[0]);
        }
#endif
        out.AppendChar(static_cast<TCHAR>(v));
        i += 3;
        continue;
      }
    }
    out.AppendChar(c);
  }
}
