// An #include directive and the analyser's list of them.
#pragma once

#include "DeclNode.h"

class CIncludeNode : public CNamedDeclNode {
 public:
  // Starts at "#" followed by "include"; stops after the directive's line.
  bool Parse(CCppTokenList* tokens, int* position, int end) override;

  CString m_fileName;
  int m_line = 0;  // zero-based
  CString m_target;  // the file named, empty when none is recognised
  bool m_quoted = false;
  CString m_lineText;
  CString m_description;
  CString m_argsText;
};

class CIncludeList : public CDeclNodeList {
 public:
  CString GetText() const override { return _T("FELA"); }
  CIncludeNode* IncludeAt(INT_PTR index) const { return static_cast<CIncludeNode*>(NodeAt(index)); }
};
