#include "SourceTokenList.h"

CSourceTokenList::CSourceTokenList(LPCTSTR fileName) {
  CSourceTokenizer tokenizer(fileName);
  ReadAll(tokenizer);
}

CSourceTokenList::CSourceTokenList(LPCTSTR fileName, const BYTE* data, size_t size) {
  CSourceTokenizer tokenizer(fileName, data, size);
  ReadAll(tokenizer);
}

CSourceTokenList::CSourceTokenList(CSourceTokenizer& tokenizer) { ReadAll(tokenizer); }

const CString& CSourceTokenList::EmptyText() {
  static const CString empty;
  return empty;
}

void CSourceTokenList::ReadAll(CSourceTokenizer& tokenizer) {
  CSourceToken token;
  while (!tokenizer.IsAtEnd() && tokenizer.NextToken(token)) Add(token);
}

int CSourceTokenList::FileIndex(const CString& name) {
  if (m_files.empty() || m_files.back() != name) {
    for (size_t i = 0; i < m_files.size(); ++i)
      if (m_files[i] == name) return static_cast<int>(i);
    m_files.push_back(name);
  }
  return static_cast<int>(m_files.size() - 1);
}

void CSourceTokenList::Add(const CSourceToken& token) {
  if (GetCount() >= kMaxTokens) {
    m_truncated = true;
    return;
  }
  m_tokens.push_back(Stored{token.m_text, token.m_kind, token.m_line, FileIndex(token.m_fileName)});
}

const CString& CSourceTokenList::GetFileName(int index) const {
  return InRange(index) ? m_files[static_cast<size_t>(m_tokens[Idx(index)].file)] : EmptyText();
}

CSourceToken CSourceTokenList::GetToken(int index) const {
  if (!InRange(index)) return CSourceToken();
  const Stored& s = m_tokens[Idx(index)];
  return CSourceToken(s.text, s.kind, m_files[static_cast<size_t>(s.file)], s.line);
}

void CSourceTokenList::Append(const CSourceTokenList& other) {
  if (&other == this) return;
  m_tokens.reserve(m_tokens.size() + other.m_tokens.size());
  for (const Stored& s : other.m_tokens) {
    if (GetCount() >= kMaxTokens) {
      m_truncated = true;
      break;
    }
    Stored copy = s;
    copy.file = FileIndex(other.m_files[static_cast<size_t>(s.file)]);
    m_tokens.push_back(copy);
  }
  if (other.m_truncated) m_truncated = true;
}

CString CSourceTokenList::GetErrorContext(int index) const {
  CString out;
  if (!InRange(index)) return out;
  int line = GetLine(index);
  int first = index;
  while (first > 0 && GetLine(first) == line) --first;
  int last = index;
  while (last + 1 < GetCount() && GetLine(last) == line) ++last;
  out.Format(_T("%s (%i): "), GetFileName(index).GetString(), line + 1);
  for (int i = first; i <= last; ++i) {
    out += GetText(i);
    out.AppendChar(' ');
  }
  return out;
}
