// A list of plain records kept in large blocks that never move: it grows
// with one allocation per 2^Shift records and no copying. Records are not
// initialized before they are written. Holds no logic of what it stores.
#pragma once

#include <cstddef>
#include <memory>
#include <type_traits>
#include <vector>

template <class T, unsigned Shift = 12>
class CBlockList {
  static_assert(std::is_trivially_copyable<T>::value, "plain records only");

 public:
  size_t size() const { return m_count; }
  T& operator[](size_t i) { return m_blocks[i >> Shift][i & kMask]; }
  const T& operator[](size_t i) const { return m_blocks[i >> Shift][i & kMask]; }
  void push_back(const T& value) {
    if (m_count == m_blocks.size() << Shift) m_blocks.emplace_back(new T[kBlock]);
    (*this)[m_count++] = value;
  }
  void pop_back() { --m_count; }
  void clear() {
    m_blocks.clear();
    m_count = 0;
  }

 private:
  static constexpr size_t kBlock = size_t(1) << Shift;
  static constexpr size_t kMask = kBlock - 1;
  std::vector<std::unique_ptr<T[]>> m_blocks;
  size_t m_count = 0;
};
