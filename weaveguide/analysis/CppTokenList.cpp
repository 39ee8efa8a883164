#include "CppTokenList.h"

#include "CppTokenizer.h"

CCppTokenList::CCppTokenList(LPCTSTR path, LPCTSTR displayName) : m_fileName(displayName ? displayName : path) {
  CCppTokenizer tokenizer(path);
  ReadAll(tokenizer);
}

CCppTokenList::CCppTokenList(LPCTSTR displayName, const BYTE* data, size_t size) : m_fileName(displayName) {
  CCppTokenizer tokenizer(displayName, data, size);
  ReadAll(tokenizer);
}

CCppTokenList::~CCppTokenList() {
  for (CCppToken* token : m_tokens) delete token;
}

void CCppTokenList::ReadAll(CCppTokenizer& tokenizer) {
  CSourceToken token;
  int lastLine = -1;
  while (!tokenizer.IsAtEnd() && tokenizer.NextToken(token)) {
    if (token.m_text.IsEmpty()) continue;  // an empty string "" gives no token
    if (GetCount() >= CSourceTokenList::kMaxTokens) {
      m_truncated = true;
      break;
    }
    m_tokens.push_back(CCppToken::Create(std::move(token.m_text), token.m_kind, &m_fileName, token.m_line, token.m_line > lastLine));
    lastLine = token.m_line;
  }
}

CSourceToken CCppTokenList::GetToken(int index) const {
  if (index < 0 || index >= GetCount()) return CSourceToken();
  const CCppToken* t = GetTokenPtr(index);
  return CSourceToken(t->GetText(), t->GetKind(), t->GetFileName(), t->GetLine());
}
