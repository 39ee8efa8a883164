#include "TokenTexts.h"

#include <cstring>
#include <type_traits>

uint32_t CTokenTexts::Hash(const CString& text) {
  // FNV-1a over the characters.
  uint32_t h = 2166136261u;
  const TCHAR* s = text.GetString();
  for (int i = 0, n = text.GetLength(); i < n; ++i) {
    h ^= static_cast<uint32_t>(static_cast<std::make_unsigned_t<TCHAR>>(s[i]));
    h *= 16777619u;
  }
  return h;
}

void CTokenTexts::Grow() {
  std::vector<Slot> old;
  old.swap(m_slots);
  m_slots.assign(old.empty() ? kFirstSlots : old.size() * 2, Slot{0, -1});
  const size_t mask = m_slots.size() - 1;
  for (const Slot& s : old) {
    if (s.id < 0) continue;
    size_t i = s.hash & mask;
    while (m_slots[i].id >= 0) i = (i + 1) & mask;
    m_slots[i] = s;
  }
}

int CTokenTexts::Share(const CString& text) {
  if ((m_shared + 1) * 2 > m_slots.size()) Grow();
  const uint32_t h = Hash(text);
  const size_t mask = m_slots.size() - 1;
  const size_t bytes = static_cast<size_t>(text.GetLength()) * sizeof(TCHAR);
  for (size_t i = h & mask;; i = (i + 1) & mask) {
    Slot& slot = m_slots[i];
    if (slot.id < 0) {
      slot = Slot{h, static_cast<int>(m_texts.size())};
      m_texts.push_back(text);
      ++m_shared;
      return slot.id;
    }
    if (slot.hash != h) continue;
    const CString& kept = m_texts[Idx(slot.id)];
    if (kept.GetLength() == text.GetLength() && std::memcmp(kept.GetString(), text.GetString(), bytes) == 0)
      return slot.id;
  }
}

int CTokenTexts::AddOwn(CString&& text) {
  m_texts.push_back(std::move(text));
  return static_cast<int>(m_texts.size() - 1);
}

void CTokenTexts::Clear() {
  m_texts.clear();
  m_slots.clear();
  m_shared = 0;
}
