#include "ClassDeclNode.h"

#include "CppTokenList.h"

#include <unordered_set>
#include <vector>

namespace {

// A name, and none of the words the declaration parser has a code for.
bool IsWord(const CCppToken* token) {
  return token && token->GetKind() == kTokenIdentifier && token->GetCode() == kCodeOther;
}

}  // namespace

bool CBaseSpecNode::Parse(CCppTokenList* tokens, int* position, int end) {
  end = ClampEnd(tokens, end);
  int& pos = *position;
  m_virtual = false;
  m_access = kAccessPrivate;
  if (CodeAt(tokens, pos, end) == kCodeVirtual) {
    m_virtual = true;
    ++pos;
  }
  switch (CodeAt(tokens, pos, end)) {
    case kCodePublic: m_access = kAccessPublic; ++pos; break;
    case kCodeProtected: m_access = kAccessProtected; ++pos; break;
    case kCodePrivate: m_access = kAccessPrivate; ++pos; break;
    default: break;
  }
  if (CodeAt(tokens, pos, end) == kCodeVirtual) {
    m_virtual = true;
    ++pos;
  }
  const CCppToken* name = TokenAt(tokens, pos, end);
  if (!name) return false;
  ++pos;
  // A qualified base (ns::CBase) is its last part.
  while (CodeAt(tokens, pos, end) == kCodeColon && CodeAt(tokens, pos + 1, end) == kCodeColon &&
         IsWord(TokenAt(tokens, pos + 2, end))) {
    name = TokenAt(tokens, pos + 2, end);
    pos += 3;
  }
  m_name = name->GetText();
  // A template's arguments (CMixin<CFoo, 2>) are passed over, so the bases
  // after them and the class's members are read.
  if (CodeAt(tokens, pos, end) == kCodeLess) {
    int depth = 0;
    for (; pos < end; ++pos) {
      const int code = CodeAt(tokens, pos, end);
      if (code == kCodeOpenBrace || code == kCodeSemicolon) break;
      if (code == kCodeLess) ++depth;
      if (code == kCodeGreater && --depth == 0) {
        ++pos;
        break;
      }
    }
  }
  return true;
}

CString CBaseSpecNode::GetText() const {
  CString text = m_access == kAccessPublic ? _T("PUBLIC ") : m_access == kAccessProtected ? _T("PROTECTED ") : _T("PRIVATE ");
  if (m_virtual) text += _T("VIRUTAL ");
  return text + m_name;
}

bool CBaseSpecList::Parse(CCppTokenList* tokens, int* position, int end) {
  end = ClampEnd(tokens, end);
  int& pos = *position;
  while (pos < end - 1) {
    int code = CodeAt(tokens, pos, end);
    if (code == kCodeSemicolon || code == kCodeOpenBrace) break;
    CBaseSpecNode* base = new CBaseSpecNode;
    if (!base->Parse(tokens, position, end)) {
      delete base;  // the tokens ended before the base's name
      break;
    }
    AddNode(base);
    if (CodeAt(tokens, pos, end) != kCodeComma) break;
    ++pos;
  }
  return true;
}

CString CBaseSpecList::GetText() const {
  CString text;
  for (POSITION p = GetHeadPosition(); p;) text += NextNode(p)->GetText() + _T(" ");
  return text;
}

CClassDeclNode::~CClassDeclNode() {
  delete m_bases;
  delete m_members;
}

bool CClassDeclNode::Parse(CCppTokenList* tokens, int* position, int end) {
  end = ClampEnd(tokens, end);
  int& pos = *position;
  if (pos >= end) return false;
  ++pos;
  const CCppToken* name = TokenAt(tokens, pos, end);
  if (!name) return false;
  // An export macro stands before the name (class AFX_EXT_CLASS CFoo): the
  // last word is the class.
  while (IsWord(TokenAt(tokens, pos + 1, end))) name = TokenAt(tokens, ++pos, end);
  m_name = name->GetText();
  ++pos;
  if (CodeAt(tokens, pos, end) == kCodeColon) {
    m_bases = new CBaseSpecList;
    ++pos;
    if (!m_bases->Parse(tokens, position, end)) return false;
  }
  int code = CodeAt(tokens, pos, end);
  if (code == kCodeSemicolon) {
    ++pos;
    m_forward = true;
    return true;
  }
  if (code != kCodeOpenBrace) return false;
  m_members = new CMemberListNode;
  return m_members->Parse(tokens, position, end);
}

CString CClassDeclNode::GetText() const {
  CString text = _T("CLASS ") + m_name;
  if (m_bases) text += m_bases->GetText();
  if (m_members) text += m_members->GetText();
  return text;
}

bool CClassDeclNode::DerivesFrom(const CClassDeclNode* target) const {
  // Depth first over the resolved bases; every class is looked at once.
  std::unordered_set<const CClassDeclNode*> visited;
  std::vector<const CClassDeclNode*> pending{this};
  while (!pending.empty()) {
    const CClassDeclNode* node = pending.back();
    pending.pop_back();
    if (!node->m_bases || !visited.insert(node).second) continue;
    std::vector<const CClassDeclNode*> bases;
    for (POSITION p = node->m_bases->GetHeadPosition(); p;) {
      const CClassDeclNode* resolved = node->m_bases->Next<CBaseSpecNode>(p)->m_resolved;
      if (!resolved) continue;
      if (resolved == target) return true;
      bases.push_back(resolved);
    }
    pending.insert(pending.end(), bases.rbegin(), bases.rend());
  }
  return false;
}
