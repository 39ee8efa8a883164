// Class declarations with their base classes, and the analyser's lists.
#pragma once

#include "MemberNode.h"

class CClassDeclNode;

class CBaseSpecNode : public CNamedDeclNode {
 public:
  bool Parse(CCppTokenList* tokens, int* position, int end) override;
  CString GetText() const override;

  CClassDeclNode* m_resolved = nullptr;  // not owned; set by the analyser
  bool m_virtual = false;
  int m_access = kAccessPrivate;
};

class CBaseSpecList : public CDeclNodeList {
 public:
  bool Parse(CCppTokenList* tokens, int* position, int end) override;
  CString GetText() const override;
  CBaseSpecNode* BaseAt(INT_PTR index) const { return static_cast<CBaseSpecNode*>(NodeAt(index)); }
};

class CClassDeclNode : public CNamedDeclNode {
 public:
  CClassDeclNode() = default;
  explicit CClassDeclNode(const CString& name) : CNamedDeclNode(name) {}
  ~CClassDeclNode() override;
  CClassDeclNode(const CClassDeclNode&) = delete;
  CClassDeclNode& operator=(const CClassDeclNode&) = delete;

  // Starts at "class".
  bool Parse(CCppTokenList* tokens, int* position, int end) override;
  CString GetText() const override;
  // Whether target is a direct or indirect base; ends on inheritance cycles.
  bool DerivesFrom(const CClassDeclNode* target) const;

  CBaseSpecList* m_bases = nullptr;       // owned, null without a base clause
  CMemberListNode* m_members = nullptr;   // owned, null without a body
  bool m_forward = false;                 // the declaration ended with ";"
};

class CClassDeclList : public CDeclNodeList {
 public:
  CClassDeclNode* ClassAt(INT_PTR index) const { return static_cast<CClassDeclNode*>(NodeAt(index)); }
};
