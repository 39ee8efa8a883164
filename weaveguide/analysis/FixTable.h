// The framework virtual methods whose signature holds CString and the fix
// macro a project class that overrides one of them needs.
#pragma once

#include "MemberNode.h"

class CClassDeclNode;

// An object list that deletes its elements with itself.
class COwningObList : public CObList {
 public:
  COwningObList() = default;
  ~COwningObList() { DeleteAll(); }
  COwningObList(const COwningObList&) = delete;
  COwningObList& operator=(const COwningObList&) = delete;
  void DeleteAll() {
    while (!IsEmpty()) delete RemoveHead();
  }
  CObject* ItemAt(INT_PTR index) const {
    POSITION pos = FindIndex(index);
    return pos ? const_cast<COwningObList*>(this)->GetAt(pos) : nullptr;
  }
};

class CFixEntry : public CObject {
 public:
  // Takes ownership of method.
  CFixEntry(LPCTSTR macroText, CMemberNode* method, LPCTSTR className)
      : m_macroText(macroText), m_method(method), m_className(className) {}
  ~CFixEntry() override { delete m_method; }
  CFixEntry(const CFixEntry&) = delete;
  CFixEntry& operator=(const CFixEntry&) = delete;

  CString m_macroText;
  CMemberNode* m_method;      // owned
  CString m_className;        // the framework class that declares the method
  CClassDeclNode* m_bound = nullptr;  // external-class placeholder, not owned
};

class CFixHit : public CObject {
 public:
  CFixHit(const CString& macroText, CMemberNode* member, CClassDeclNode* cls)
      : m_macroText(macroText), m_member(member), m_class(cls) {}
  CString m_macroText;
  CMemberNode* m_member;   // not owned
  CClassDeclNode* m_class; // not owned
};

// A new table of the fix rows in their fixed order; the caller owns it.
COwningObList* BuildFixTable();
