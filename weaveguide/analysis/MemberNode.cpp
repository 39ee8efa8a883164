#include "MemberNode.h"

#include "CppTokenList.h"

namespace {

// The texts of the tokens [from, to), each followed by separator.
CString JoinTokens(CCppTokenList* tokens, int from, int to, LPCTSTR separator) {
  CString text;
  for (int i = from; i < to; ++i) {
    const CCppToken* token = TokenAt(tokens, i, to);
    if (!token) break;
    text += token->GetText();
    text += separator;
  }
  return text;
}

bool IsTypeNameEnd(int code) {
  return code == kCodeSemicolon || code == kCodeComma || code == kCodeOpenParen || code == kCodeOpenBrace;
}

}  // namespace

LPCTSTR AccessLabel(int access) {
  switch (access) {
    case kAccessPublic: return _T(" PUBLIC: ");
    case kAccessProtected: return _T(" PROTECTED: ");
    default: return _T("  PRIVATE: ");
  }
}

CMemberNode::CMemberNode(int access, const CString& name, CTypeNode* returnType, CParamListNode* params)
    : m_access(access), m_method(true), m_name(name), m_returnType(returnType), m_params(params) {}

CMemberNode::~CMemberNode() {
  delete m_returnType;
  delete m_params;
}

bool CMemberNode::Parse(CCppTokenList* tokens, int* position, int end) {
  end = ClampEnd(tokens, end);
  m_start = m_current = *position;
  m_end = end;
  m_preprocessor = m_macro = m_variable = m_method = m_inline = m_const = false;
  const CCppToken* first = TokenAt(tokens, m_start, end);
  if (!first) return false;
  m_fileName = first->GetFileName();
  m_line = first->GetLine();

  if (first->GetCode() == kCodeHash) {
    m_preprocessor = true;
    m_declEnd = DirectiveEnd(tokens, m_start, end);
    m_macroText = JoinTokens(tokens, m_start, m_declEnd, _T("_"));
    m_current = *position = m_declEnd;
    BuildTexts(tokens);
    return true;
  }

  int found = -1;
  for (int i = m_start; i < end; ++i) {
    if (IsTypeNameEnd(tokens->GetTokenPtr(i)->GetCode())) {
      found = i;
      break;
    }
  }
  if (found < 0) {
    // Nothing splits type and name: the member takes the rest of the tokens.
    m_current = m_declEnd = *position = end;
    m_typeText = JoinTokens(tokens, m_start, end, _T("_"));
    BuildTexts(tokens);
    return true;
  }
  if (found == m_start) {
    m_typeText = _T("__!EMPTY!__");
    return false;
  }
  int foundCode = tokens->GetTokenPtr(found)->GetCode();
  if (foundCode == kCodeSemicolon || foundCode == kCodeComma)
    m_variable = true;
  else
    m_method = true;
  m_nameIndex = found - 1;
  m_typeText = JoinTokens(tokens, m_start, m_nameIndex, _T("_"));
  if (m_method) {
    m_returnType = new CTypeNode;
    m_returnType->ParseRange(tokens, m_start, m_nameIndex);
  }

  // Walk to the end of the declaration. Semicolons, parentheses and a
  // following body count only outside braces, so nested classes and enums
  // stay whole.
  int current = m_nameIndex;
  int braceDepth = 0;
  int parenDepth = 0;
  bool parenSeen = false;
  int closeParen = -1;
  bool done = false;
  while (!done && current < end - 1) {
    int code = tokens->GetTokenPtr(current)->GetCode();
    ++current;
    switch (code) {
      case kCodeSemicolon:
        if (braceDepth == 0) done = true;
        break;
      case kCodeOpenBrace:
        ++braceDepth;
        break;
      case kCodeCloseBrace:
        if (--braceDepth < 0) {
          --current;  // the class's closing brace
          done = true;
        }
        break;
      case kCodeOpenParen:
        ++parenDepth;
        if (braceDepth == 0) parenSeen = true;
        break;
      case kCodeCloseParen:
        --parenDepth;
        if (parenDepth == 0 && parenSeen && braceDepth == 0) {
          if (closeParen < 0) closeParen = current - 1;
          int next = CodeAt(tokens, current, end);
          if (next == kCodeConst) {
            int afterConst = CodeAt(tokens, current + 1, end);
            if (afterConst == kCodeSemicolon) {
              current += 2;
              m_const = true;
              done = true;
            } else if (afterConst == kCodeOpenBrace) {
              ++current;
              ReadInlineBody(tokens, &current, end);
              done = true;
            }
          } else if (next == kCodeOpenBrace) {
            ReadInlineBody(tokens, &current, end);
            done = true;
          } else if (next != kCodeSemicolon) {
            m_macro = true;
            done = true;
          }
        }
        break;
      default:
        break;
    }
  }
  m_current = m_declEnd = *position = current;
  m_paramEnd = m_inline ? m_bodyStart : (current < end ? current : end);
  m_paramStart = m_nameIndex + 1;
  if (closeParen >= 0) {
    // The parameter range is the parenthesised list, both parentheses included.
    m_paramEnd = closeParen + 1;
  } else {
    m_paramEnd = m_paramEnd - 1 - (m_const ? 1 : 0) + (m_inline ? 1 : 0);
    if (m_paramEnd < m_paramStart) m_paramEnd = m_paramStart;
  }
  if (m_method && !m_macro) {
    m_name = tokens->GetTokenPtr(m_nameIndex)->GetText();
    if (CodeAt(tokens, m_paramStart, end) == kCodeOpenParen) {
      m_params = new CParamListNode;
      m_params->ParseRange(tokens, m_paramStart, m_paramEnd);
    }
  }
  BuildTexts(tokens);
  return true;
}

void CMemberNode::ReadInlineBody(CCppTokenList* tokens, int* current, int end) {
  m_inline = true;
  m_bodyStart = *current;
  int depth = 1;
  int i = *current + 1;
  while (i < end - 1) {
    int code = tokens->GetTokenPtr(i)->GetCode();
    if (code == kCodeOpenBrace) {
      ++depth;
    } else if (code == kCodeCloseBrace && --depth == 0) {
      break;
    }
    ++i;
  }
  if (i >= end) i = end - 1;
  m_bodyEnd = i;
  ++i;
  if (depth == 0 && CodeAt(tokens, i, end) == kCodeSemicolon) {
    m_bodyEnd = i;
    ++i;
  }
  *current = i;
}

void CMemberNode::BuildTexts(CCppTokenList* tokens) {
  m_declText = JoinTokens(tokens, m_start, m_declEnd, _T(" "));
  if (m_paramStart >= 0) m_paramText = JoinTokens(tokens, m_paramStart, m_paramEnd, _T(" "));
  if (m_inline) {
    m_bodyText = JoinTokens(tokens, m_bodyStart, m_bodyEnd + 1, _T(""));
    m_paramText += _T(" ");
  }
  BuildTextForm();
}

void CMemberNode::BuildTextForm() {
  LPCTSTR label = AccessLabel(m_access);
  CString returnType = m_returnType ? m_returnType->GetText() : CString();
  CString params = m_params ? m_params->GetText() : CString();
  if (m_preprocessor) {
    m_textForm.Format(_T("%i  %s  #PRAE: %s"), m_line, label, (LPCTSTR)m_macroText);
  } else if (m_macro) {
    m_textForm.Format(_T("%i  %s  MAKRO: %s"), m_line, label, (LPCTSTR)m_paramText);
  } else if (m_method && m_inline) {
    m_textForm.Format(_T("%i  %s  TYPE: %s   METH: %s  PARAM: %s  INL: %s"), m_line, label, (LPCTSTR)returnType,
                      (LPCTSTR)m_name, (LPCTSTR)params, (LPCTSTR)m_bodyText);
  } else if (m_method) {
    m_textForm.Format(_T("%i  %s  TYPE: %s   METH: %s  PARAM: %s"), m_line, label, (LPCTSTR)returnType,
                      (LPCTSTR)m_name, (LPCTSTR)params);
  } else if (m_variable) {
    m_textForm.Format(_T("%i  %s  TYPE: %s   VARS: %s"), m_line, label, (LPCTSTR)m_typeText, (LPCTSTR)m_paramText);
  } else {
    m_textForm.Format(_T("%i  !!!!ERROR!!!!! %s  !!!  %s   !!!"), m_line, (LPCTSTR)m_typeText, (LPCTSTR)m_paramText);
  }
  if (m_const) m_textForm += _T("CONST");
}

bool CMemberNode::Equals(const CMemberNode* fixMethod) const {
  if (!fixMethod || !m_method || m_name != fixMethod->m_name) return false;
  if (fixMethod->m_params && !(m_params && m_params->Equals(fixMethod->m_params))) return false;
  if (fixMethod->m_returnType && !(m_returnType && m_returnType->Equals(fixMethod->m_returnType))) return false;
  return true;
}

// --- CMemberListNode

bool CMemberListNode::Parse(CCppTokenList* tokens, int* position, int end) {
  end = ClampEnd(tokens, end);
  int& pos = *position;
  if (CodeAt(tokens, pos, end) != kCodeOpenBrace) return false;
  int depth = 1;
  ++pos;
  int access = kAccessPrivate;
  bool ok = false;  // until the closing brace is reached
  while (pos < end) {
    int code = tokens->GetTokenPtr(pos)->GetCode();
    if (code == kCodeOpenBrace) {
      ++depth;
      ++pos;
      continue;
    }
    if (code == kCodeCloseBrace) {
      if (--depth == 0) {
        ok = true;
        break;
      }
      ++pos;
      continue;
    }
    if (code == kCodePublic || code == kCodeProtected || code == kCodePrivate) {
      if (CodeAt(tokens, pos + 1, end) != kCodeColon) break;
      access = code == kCodePublic ? kAccessPublic : code == kCodeProtected ? kAccessProtected : kAccessPrivate;
      pos += 2;
      continue;
    }
    int before = pos;
    CMemberNode* member = new CMemberNode(access);
    if (member->Parse(tokens, &pos, end)) {
      AddNode(member);
      if (pos <= before) pos = before + 1;
    } else {
      delete member;
      pos = before + 1;
    }
  }
  m_textForm = _T("MEMBERLIST\n");
  for (POSITION p = GetHeadPosition(); p;) m_textForm += NextNode(p)->GetText() + _T("\n");
  return ok;
}

CMemberNode* CMemberListNode::FindEqual(const CMemberNode* fixMethod) const {
  for (POSITION p = GetHeadPosition(); p;) {
    CMemberNode* member = Next<CMemberNode>(p);
    if (member->Equals(fixMethod)) return member;
  }
  return nullptr;
}
