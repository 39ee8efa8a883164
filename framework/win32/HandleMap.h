// Per-thread maps from a handle to the C++ object that wraps it: permanent
// objects (attached by their owner) and temporary ones (made by FromHandle
// for handles nobody wraps, freed at idle time).
#pragma once

#include <memory>
#include <unordered_map>

namespace lw {

template <class Obj, class Handle>
class HandleMap {
 public:
  Obj* Permanent(Handle h) const {
    auto it = m_permanent.find(h);
    return it == m_permanent.end() ? nullptr : it->second;
  }
  // The permanent object, else a temporary one made with make(h).
  template <class Make>
  Obj* FromHandle(Handle h, Make make) {
    if (!h) return nullptr;
    if (Obj* o = Permanent(h)) return o;
    auto it = m_temporary.find(h);
    if (it != m_temporary.end()) return it->second.get();
    std::unique_ptr<Obj, Release>& slot = m_temporary[h];
    slot.reset(make(h));
    return slot.get();
  }
  void Add(Handle h, Obj* o) {
    m_permanent[h] = o;
    m_temporary.erase(h);
  }
  void Remove(Handle h, const Obj* o) {
    auto it = m_permanent.find(h);
    if (it != m_permanent.end() && it->second == o) m_permanent.erase(it);
  }
  // Temporary objects give their handle up before they are deleted.
  void DeleteTemporaries() { m_temporary.clear(); }
  size_t TemporaryCount() const { return m_temporary.size(); }

 private:
  struct Release {
    void operator()(Obj* o) const {
      o->DetachTemporary();
      delete o;
    }
  };
  std::unordered_map<Handle, Obj*> m_permanent;
  std::unordered_map<Handle, std::unique_ptr<Obj, Release>> m_temporary;
};

// Hides from the optimiser that a member function's object is never null, for
// the Get...Safe... functions that callers use on null pointers.
template <class T>
inline const T* Opaque(const T* p) {
  __asm__("" : "+r"(p));
  return p;
}

}  // namespace lw
