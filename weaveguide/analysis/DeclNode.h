// Nodes of the declaration model: the base classes, type words and
// parameter lists that parsed declarations and the fix table share.
#pragma once

#include "Framework.h"

class CCppTokenList;
class CCppToken;

// A parsed piece of a declaration. Parse starts at *position, advances it
// and never reads at or beyond end.
class CDeclNode : public CObject {
 public:
  ~CDeclNode() override = default;
  virtual bool Parse(CCppTokenList* tokens, int* position, int end) = 0;
  virtual CString GetText() const { return CString(); }
};

class CNamedDeclNode : public CDeclNode {
 public:
  CNamedDeclNode() = default;
  explicit CNamedDeclNode(const CString& name) : m_name(name) {}
  bool Parse(CCppTokenList*, int*, int) override { return false; }
  CString GetText() const override { return m_name; }
  const CString& GetName() const { return m_name; }
  void SetName(const CString& name) { m_name = name; }

 protected:
  CString m_name;
};

// A list that owns its nodes.
class CDeclNodeList : public CObList, public CDeclNode {
 public:
  CDeclNodeList() = default;
  ~CDeclNodeList() override { DeleteAll(); }
  bool Parse(CCppTokenList*, int*, int) override { return false; }
  // Parses the tokens from `from` up to, not including, `to`.
  virtual bool ParseRange(CCppTokenList*, int, int) { return false; }
  void DeleteAll();
  void AddNode(CDeclNode* node) { AddTail(node); }
  CDeclNode* NodeAt(INT_PTR index) const;
  // Typed walk: for (POSITION pos = list.GetHeadPosition(); pos;) list.Next<T>(pos)...
  CDeclNode* NextNode(POSITION& pos) const {
    return static_cast<CDeclNode*>(const_cast<CDeclNodeList*>(this)->GetNext(pos));
  }
  template <class T>
  T* Next(POSITION& pos) const { return static_cast<T*>(NextNode(pos)); }
};

// One word of a type; its text form is "[" + word + "]".
class CWordNode : public CNamedDeclNode {
 public:
  explicit CWordNode(const CString& word) : CNamedDeclNode(word) {}
  CString GetText() const override { return _T("[") + m_name + _T("]"); }
};

// A return type: flags for afx_msg, virtual and a destructor's "~", then words.
class CTypeNode : public CDeclNodeList {
 public:
  CTypeNode() = default;
  explicit CTypeNode(LPCTSTR word);
  CTypeNode(LPCTSTR word1, LPCTSTR word2);
  bool ParseRange(CCppTokenList* tokens, int from, int to) override;
  CString GetText() const override;
  // this is the project's declaration, other the table's.
  bool Equals(const CTypeNode* other) const;
  CString WordAt(INT_PTR index) const;

  bool m_afxMsg = false;
  bool m_virtual = false;
  bool m_destructor = false;
};

// One parameter: its words; the text form is each word followed by "_".
class CParamNode : public CDeclNodeList {
 public:
  CParamNode() = default;
  explicit CParamNode(LPCTSTR word);
  CParamNode(LPCTSTR word1, LPCTSTR word2);
  bool ParseRange(CCppTokenList* tokens, int from, int to) override;
  CString GetText() const override;
  bool Equals(const CParamNode* other) const;
  CString WordAt(INT_PTR index) const;
};

// A parenthesised parameter list.
class CParamListNode : public CDeclNodeList {
 public:
  CParamListNode() = default;
  explicit CParamListNode(CParamNode* p1);
  CParamListNode(CParamNode* p1, CParamNode* p2);
  CParamListNode(CParamNode* p1, CParamNode* p2, CParamNode* p3, CParamNode* p4, CParamNode* p5);
  // The range starts at "(".
  bool ParseRange(CCppTokenList* tokens, int from, int to) override;
  CString GetText() const override;
  bool Equals(const CParamListNode* other) const;
  CParamNode* ParamAt(INT_PTR index) const { return static_cast<CParamNode*>(NodeAt(index)); }
};

// Bounds-checked token access for the parsers: null at or beyond end.
const CCppToken* TokenAt(CCppTokenList* tokens, int index, int end);
// The token's code, or -1 at or beyond end.
int CodeAt(CCppTokenList* tokens, int index, int end);
// End of the preprocessor line that starts at index: the first later token
// that begins a new line and does not follow a backslash, or end.
int DirectiveEnd(CCppTokenList* tokens, int index, int end);
// Clamps end to the number of tokens in the list.
int ClampEnd(CCppTokenList* tokens, int end);
