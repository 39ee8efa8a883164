// The class library's collections, as thin wrappers over the standard ones.
#pragma once

#include "CString.h"

#include <list>
#include <vector>

class CArchive;

class CObject {
 public:
  virtual ~CObject() = default;
  virtual void Serialize(CArchive&) {}
};

typedef struct __LW_POSITION* POSITION;

template <class T, class ARG = const T&>
class CArray {
 public:
  INT_PTR GetSize() const { return static_cast<INT_PTR>(m_v.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  bool IsEmpty() const { return m_v.empty(); }
  void SetSize(INT_PTR n, INT_PTR = -1) { m_v.resize(n > 0 ? static_cast<size_t>(n) : 0); }
  void RemoveAll() { m_v.clear(); }
  T GetAt(INT_PTR i) const { return m_v.at(static_cast<size_t>(i)); }
  void SetAt(INT_PTR i, ARG v) { m_v.at(static_cast<size_t>(i)) = v; }
  T& ElementAt(INT_PTR i) { return m_v.at(static_cast<size_t>(i)); }
  T& operator[](INT_PTR i) { return m_v.at(static_cast<size_t>(i)); }
  const T& operator[](INT_PTR i) const { return m_v.at(static_cast<size_t>(i)); }
  INT_PTR Add(ARG v) { m_v.push_back(v); return GetSize() - 1; }
  void SetAtGrow(INT_PTR i, ARG v) {
    if (i >= GetSize()) SetSize(i + 1);
    m_v[static_cast<size_t>(i)] = v;
  }
  void InsertAt(INT_PTR i, ARG v, INT_PTR count = 1) {
    if (i > GetSize()) SetSize(i);
    m_v.insert(m_v.begin() + i, static_cast<size_t>(count), v);
  }
  void RemoveAt(INT_PTR i, INT_PTR count = 1) {
    if (i < 0 || i >= GetSize() || count <= 0) return;
    INT_PTR end = std::min(GetSize(), i + count);
    m_v.erase(m_v.begin() + i, m_v.begin() + end);
  }
  INT_PTR Append(const CArray& other) {
    INT_PTR at = GetSize();
    m_v.insert(m_v.end(), other.m_v.begin(), other.m_v.end());
    return at;
  }
  void Copy(const CArray& other) { m_v = other.m_v; }
  T* GetData() { return m_v.data(); }
  const T* GetData() const { return m_v.data(); }
  typename std::vector<T>::iterator begin() { return m_v.begin(); }
  typename std::vector<T>::iterator end() { return m_v.end(); }
  typename std::vector<T>::const_iterator begin() const { return m_v.begin(); }
  typename std::vector<T>::const_iterator end() const { return m_v.end(); }

 private:
  std::vector<T> m_v;
};

typedef CArray<CString, LPCTSTR> CStringArray;
typedef CArray<void*, void*> CPtrArray;
typedef CArray<CObject*, CObject*> CObArray;
typedef CArray<DWORD, DWORD> CDWordArray;
typedef CArray<WORD, WORD> CWordArray;
typedef CArray<BYTE, BYTE> CByteArray;
typedef CArray<UINT, UINT> CUIntArray;

// Doubly linked list whose POSITION is an opaque node pointer.
template <class T, class ARG = const T&>
class CList {
  struct Node {
    T value;
    Node* prev;
    Node* next;
  };

 public:
  CList() = default;
  CList(const CList&) = delete;
  CList& operator=(const CList&) = delete;
  ~CList() { RemoveAll(); }

  INT_PTR GetCount() const { return m_count; }
  INT_PTR GetSize() const { return m_count; }
  bool IsEmpty() const { return m_count == 0; }
  T& GetHead() { return m_head->value; }
  T& GetTail() { return m_tail->value; }
  const T& GetHead() const { return m_head->value; }
  const T& GetTail() const { return m_tail->value; }
  POSITION GetHeadPosition() const { return Pos(m_head); }
  POSITION GetTailPosition() const { return Pos(m_tail); }
  T& GetNext(POSITION& pos) {
    Node* n = NodeOf(pos);
    pos = Pos(n->next);
    return n->value;
  }
  T& GetPrev(POSITION& pos) {
    Node* n = NodeOf(pos);
    pos = Pos(n->prev);
    return n->value;
  }
  T& GetAt(POSITION pos) { return NodeOf(pos)->value; }
  void SetAt(POSITION pos, ARG v) { NodeOf(pos)->value = v; }
  POSITION AddHead(ARG v) { return InsertBefore(GetHeadPosition(), v); }
  POSITION AddTail(ARG v) { return InsertAfter(GetTailPosition(), v); }
  // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
  POSITION InsertBefore(POSITION pos, ARG v) {
    Node* at = pos ? NodeOf(pos) : m_head;
    Node* n = new Node{v, at ? at->prev : nullptr, at};
    Link(n);
    return Pos(n);
  }
  POSITION InsertAfter(POSITION pos, ARG v) {
    Node* at = pos ? NodeOf(pos) : m_tail;
    Node* n = new Node{v, at, at ? at->next : nullptr};
    Link(n);
    return Pos(n);
  }
  T RemoveHead() { T v = m_head->value; RemoveAt(Pos(m_head)); return v; }
  T RemoveTail() { T v = m_tail->value; RemoveAt(Pos(m_tail)); return v; }
  void RemoveAt(POSITION pos) {
    Node* n = NodeOf(pos);
    if (!n) return;
    (n->prev ? n->prev->next : m_head) = n->next;
    (n->next ? n->next->prev : m_tail) = n->prev;
    delete n;
    --m_count;
  }
  void RemoveAll() {
    while (m_head) {
      Node* n = m_head->next;
      delete m_head;
      m_head = n;
    }
    m_tail = nullptr;
    m_count = 0;
  }
  POSITION Find(ARG v, POSITION after = nullptr) const {
    for (Node* n = after ? NodeOf(after)->next : m_head; n; n = n->next)
      if (n->value == v) return Pos(n);
    return nullptr;
  }
  POSITION FindIndex(INT_PTR index) const {
    if (index < 0) return nullptr;
    Node* n = m_head;
    while (n && index--) n = n->next;
    return Pos(n);
  }

 private:
  static POSITION Pos(Node* n) { return reinterpret_cast<POSITION>(n); }
  static Node* NodeOf(POSITION p) { return reinterpret_cast<Node*>(p); }
  void Link(Node* n) {
    (n->prev ? n->prev->next : m_head) = n;
    (n->next ? n->next->prev : m_tail) = n;
    ++m_count;
  }
  Node* m_head = nullptr;
  Node* m_tail = nullptr;
  INT_PTR m_count = 0;
};

class CStringList : public CList<CString, LPCTSTR> {};
class CPtrList : public CList<void*, void*> {};
class CObList : public CList<CObject*, CObject*> {};
