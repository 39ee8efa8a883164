#include "IncludeNode.h"

#include "CppTokenList.h"

bool CIncludeNode::Parse(CCppTokenList* tokens, int* position, int end) {
  end = ClampEnd(tokens, end);
  int start = *position;
  const CCppToken* hash = TokenAt(tokens, start, end);
  if (!hash) return false;
  m_fileName = hash->GetFileName();
  m_line = hash->GetLine();
  int argsStart = start + 2;
  int directiveEnd = DirectiveEnd(tokens, start, end);
  *position = directiveEnd;
  if (directiveEnd > end) directiveEnd = end;
  // "include" may already stand on the next line: then there are no arguments.
  int argCount = directiveEnd > argsStart ? directiveEnd - argsStart : 0;

  m_target.Empty();
  m_quoted = false;
  if (argCount == 1 && tokens->GetTokenPtr(argsStart)->GetKind() == kTokenString) {
    m_target = tokens->GetTokenPtr(argsStart)->GetText();
    m_quoted = true;
  } else if (argCount >= 4 && tokens->GetTokenPtr(argsStart)->GetCode() == kCodeLess &&
             tokens->GetTokenPtr(directiveEnd - 1)->GetCode() == kCodeGreater) {
    for (int i = argsStart + 1; i < directiveEnd - 1; ++i) m_target += tokens->GetTokenPtr(i)->GetText();
  }
  m_argsText.Format(_T("Args [%s] "), (LPCTSTR)m_target);

  // The tokens joined without separators, but with one blank after
  // "include": "#include MY_HEADER" must stay a directive when pasted.
  m_lineText.Empty();
  CString words;
  for (int i = start; i < directiveEnd; ++i) {
    const CCppToken* token = tokens->GetTokenPtr(i);
    if (i == argsStart) m_lineText += _T(" ");
    if (token->GetKind() == kTokenString)
      m_lineText += _T("\"") + token->GetText() + _T("\"");
    else
      m_lineText += token->GetText();
    words += token->GetText() + _T("_");
  }
  m_description.Format(_T("File %s Line %i Args %s"), (LPCTSTR)m_fileName, m_line + 1, (LPCTSTR)m_argsText);
  m_description += words;
  return true;
}
