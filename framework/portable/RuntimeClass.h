// Run-time class records: a class's name, its base class's record and, for
// dynamically creatable classes, a function that makes a new object. Enough
// for document templates to create documents, frames and views by class.
// No creation by name and no IsKindOf (dynamic_cast does that).
#pragma once

#include "Collections.h"

#include <type_traits>

struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  CObject* (*m_pfnCreateObject)();               // null: not creatable
  const CRuntimeClass* (*m_pfnGetBaseClass)();   // null: no base with a record

  // A new object of the class, or null when it is not creatable.
  CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
  const CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass ? m_pfnGetBaseClass() : nullptr; }
  // True for this class and every class it derives from (through records).
  BOOL IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* c = this; c; c = c->GetBaseClass())
      if (c == base) return TRUE;
    return FALSE;
  }
};

namespace lw {
template <class T, class = void>
struct HasRuntimeClass : std::false_type {};
template <class T>
struct HasRuntimeClass<T, std::void_t<decltype(T::GetThisClass())>> : std::true_type {};

// The record of T, or null when T declares none.
template <class T>
const CRuntimeClass* RuntimeClassOf() {
  if constexpr (HasRuntimeClass<T>::value) return T::GetThisClass();
  else return nullptr;
}

template <class T>
CObject* CreateObjectOf() { return new T; }
}  // namespace lw

#define RUNTIME_CLASS(name) (name::GetThisClass())

#define DECLARE_DYNAMIC(name) \
 public:                      \
  static const CRuntimeClass* GetThisClass();

#define DECLARE_DYNCREATE(name) DECLARE_DYNAMIC(name)

#define LW_IMPLEMENT_RUNTIMECLASS(name, base, create)                        \
  const CRuntimeClass* name::GetThisClass() {                                \
    static const CRuntimeClass record = {#name, create, &::lw::RuntimeClassOf<base>}; \
    return &record;                                                          \
  }

#define IMPLEMENT_DYNAMIC(name, base) LW_IMPLEMENT_RUNTIMECLASS(name, base, nullptr)
#define IMPLEMENT_DYNCREATE(name, base) LW_IMPLEMENT_RUNTIMECLASS(name, base, &::lw::CreateObjectOf<name>)
