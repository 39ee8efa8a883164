// Members of a class body: methods, variables, macro calls and
// preprocessor lines, and the member list that holds them.
#pragma once

#include "DeclNode.h"

enum DeclAccess { kAccessPublic = 1, kAccessProtected = 2, kAccessPrivate = 3 };

class CMemberNode : public CDeclNodeList {
 public:
  explicit CMemberNode(int access) : m_access(access) {}
  // A method given directly (the fix table's rows); takes ownership.
  CMemberNode(int access, const CString& name, CTypeNode* returnType, CParamListNode* params);
  ~CMemberNode() override;
  CMemberNode(const CMemberNode&) = delete;
  CMemberNode& operator=(const CMemberNode&) = delete;

  bool Parse(CCppTokenList* tokens, int* position, int end) override;
  CString GetText() const override { return m_textForm; }
  // this is the project's declaration, fixMethod the table's method.
  bool Equals(const CMemberNode* fixMethod) const;

  int m_access;
  bool m_preprocessor = false;
  bool m_macro = false;
  bool m_variable = false;
  bool m_method = false;
  bool m_inline = false;
  bool m_const = false;
  CString m_name;
  CTypeNode* m_returnType = nullptr;    // owned
  CParamListNode* m_params = nullptr;   // owned
  // Token indices of the parse; the ranges end before their end index.
  int m_start = -1;
  int m_current = -1;
  int m_end = -1;
  int m_nameIndex = -1;
  int m_paramStart = -1;
  int m_paramEnd = -1;
  int m_declEnd = -1;
  int m_bodyStart = -1;
  int m_bodyEnd = -1;  // last token of the body, included
  CString m_fileName;
  int m_line = 0;  // zero-based
  CString m_declText;
  CString m_typeText;
  CString m_paramText;
  CString m_macroText;
  CString m_bodyText;
  CString m_textForm;

 private:
  void ReadInlineBody(CCppTokenList* tokens, int* current, int end);
  void BuildTexts(CCppTokenList* tokens);
  void BuildTextForm();
};

class CMemberListNode : public CDeclNodeList {
 public:
  // Starts at "{" and stops at the class's closing "}" without consuming it.
  bool Parse(CCppTokenList* tokens, int* position, int end) override;
  CString GetText() const override { return m_textForm; }
  // The first member equal to the table's method, or null.
  CMemberNode* FindEqual(const CMemberNode* fixMethod) const;
  CMemberNode* MemberAt(INT_PTR index) const { return static_cast<CMemberNode*>(NodeAt(index)); }

  CString m_textForm;
};

// Access label of the member text forms.
LPCTSTR AccessLabel(int access);
