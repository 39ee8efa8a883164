#include "DeclNode.h"

#include "CppTokenList.h"

const CCppToken* TokenAt(CCppTokenList* tokens, int index, int end) {
  if (!tokens || index < 0 || index >= end || index >= tokens->GetCount()) return nullptr;
  return tokens->GetTokenPtr(index);
}

int CodeAt(CCppTokenList* tokens, int index, int end) {
  const CCppToken* token = TokenAt(tokens, index, end);
  return token ? token->GetCode() : -1;
}

void CDeclNodeList::DeleteAll() {
  while (!IsEmpty()) delete RemoveHead();
}

CDeclNode* CDeclNodeList::NodeAt(INT_PTR index) const {
  POSITION pos = FindIndex(index);
  return pos ? NextNode(pos) : nullptr;
}

namespace {

CString NameAt(const CDeclNodeList& list, INT_PTR index) {
  const CNamedDeclNode* node = static_cast<const CNamedDeclNode*>(list.NodeAt(index));
  return node ? node->GetName() : CString();
}

// Every word of the table's list must equal the word at the same place of
// the project's list; further project words are not looked at.
bool LeadingWordsEqual(const CDeclNodeList& project, const CDeclNodeList& table) {
  if (project.GetCount() < table.GetCount()) return false;
  POSITION p = project.GetHeadPosition();
  POSITION t = table.GetHeadPosition();
  while (t) {
    const CNamedDeclNode* mine = project.Next<CNamedDeclNode>(p);
    const CNamedDeclNode* theirs = table.Next<CNamedDeclNode>(t);
    if (mine->GetName() != theirs->GetName()) return false;
  }
  return true;
}

}  // namespace

// --- CTypeNode

CTypeNode::CTypeNode(LPCTSTR word) { AddNode(new CWordNode(word)); }

CTypeNode::CTypeNode(LPCTSTR word1, LPCTSTR word2) {
  AddNode(new CWordNode(word1));
  AddNode(new CWordNode(word2));
}

bool CTypeNode::ParseRange(CCppTokenList* tokens, int from, int to) {
  int i = from;
  if (i < to && CodeAt(tokens, i, to) == kCodeVirtual) {
    m_virtual = true;
    ++i;
  }
  if (i < to && CodeAt(tokens, i, to) == kCodeAfxMsg) {
    m_afxMsg = true;
    ++i;
  }
  if (i < to && CodeAt(tokens, i, to) == kCodeTilde) {
    m_destructor = true;
    ++i;
  }
  for (; i < to; ++i) {
    const CCppToken* token = TokenAt(tokens, i, to);
    if (!token) break;
    AddNode(new CWordNode(token->GetText()));
  }
  return true;
}

CString CTypeNode::GetText() const {
  CString text;
  if (m_virtual) text += _T(" VIRT ");
  if (m_destructor) text += _T(" DTOR ");
  if (m_afxMsg) text += _T(" AFX_MSG ");
  for (POSITION pos = GetHeadPosition(); pos;)
    text += NextNode(pos)->GetText() + _T(" ");
  return text;
}

bool CTypeNode::Equals(const CTypeNode* other) const {
  if (!other) return false;
  if (m_afxMsg != other->m_afxMsg || m_destructor != other->m_destructor) return false;
  return LeadingWordsEqual(*this, *other);
}

CString CTypeNode::WordAt(INT_PTR index) const { return NameAt(*this, index); }

// --- CParamNode

CParamNode::CParamNode(LPCTSTR word) { AddNode(new CNamedDeclNode(word)); }

CParamNode::CParamNode(LPCTSTR word1, LPCTSTR word2) {
  AddNode(new CNamedDeclNode(word1));
  AddNode(new CNamedDeclNode(word2));
}

bool CParamNode::ParseRange(CCppTokenList* tokens, int from, int to) {
  for (int i = from; i < to; ++i) {
    const CCppToken* token = TokenAt(tokens, i, to);
    if (!token) break;
    AddNode(new CNamedDeclNode(token->GetText()));
  }
  return true;
}

CString CParamNode::GetText() const {
  CString text;
  for (POSITION pos = GetHeadPosition(); pos;)
    text += NextNode(pos)->GetText() + _T("_");
  return text;
}

bool CParamNode::Equals(const CParamNode* other) const { return other && LeadingWordsEqual(*this, *other); }

CString CParamNode::WordAt(INT_PTR index) const { return NameAt(*this, index); }

// --- CParamListNode

CParamListNode::CParamListNode(CParamNode* p1) { AddNode(p1); }

CParamListNode::CParamListNode(CParamNode* p1, CParamNode* p2) {
  AddNode(p1);
  AddNode(p2);
}

CParamListNode::CParamListNode(CParamNode* p1, CParamNode* p2, CParamNode* p3, CParamNode* p4, CParamNode* p5) {
  for (CParamNode* p : {p1, p2, p3, p4, p5}) AddNode(p);
}

bool CParamListNode::ParseRange(CCppTokenList* tokens, int from, int to) {
  if (to - from == 2) return true;
  int depth = 1;
  int paramStart = from + 1;
  for (int i = from + 1; i < to; ++i) {
    int code = CodeAt(tokens, i, to);
    if (code < 0) break;
    if (code == kCodeOpenParen) {
      ++depth;
    } else if (code == kCodeCloseParen) {
      if (--depth == 0) {
        CParamNode* param = new CParamNode;
        param->ParseRange(tokens, paramStart, i);
        AddNode(param);
        return true;
      }
    } else if (code == kCodeComma && depth == 1) {
      CParamNode* param = new CParamNode;
      param->ParseRange(tokens, paramStart, i);
      AddNode(param);
      paramStart = i + 1;
    }
  }
  return false;
}

CString CParamListNode::GetText() const {
  CString text;
  for (POSITION pos = GetHeadPosition(); pos;)
    text += _T("[") + NextNode(pos)->GetText() + _T("]");
  return text;
}

bool CParamListNode::Equals(const CParamListNode* other) const {
  if (!other || GetCount() != other->GetCount()) return false;
  POSITION p = GetHeadPosition();
  POSITION t = other->GetHeadPosition();
  while (p && t) {
    CParamNode* mine = Next<CParamNode>(p);
    CParamNode* theirs = other->Next<CParamNode>(t);
    if (!mine->Equals(theirs)) return false;
  }
  return true;
}

int ClampEnd(CCppTokenList* tokens, int end) {
  if (!tokens) return 0;
  return end < tokens->GetCount() ? end : tokens->GetCount();
}

int DirectiveEnd(CCppTokenList* tokens, int index, int end) {
  end = ClampEnd(tokens, end);
  for (int i = index + 1; i < end; ++i) {
    if (tokens->GetTokenPtr(i)->IsNewLine() && tokens->GetTokenPtr(i - 1)->GetCode() != kCodeBackslash) return i;
  }
  return end > index ? end : index + 1;
}
