// The texts of a token list. A word, number or sign is kept once however
// often it occurs, so that a token costs no text of its own; a string gets
// a text of its own that may still be lengthened while adjacent strings are
// joined. It does not know tokens, kinds or lines.
#pragma once

#include "Framework.h"

#include <cstdint>
#include <deque>
#include <vector>

class CTokenTexts {
 public:
  // The id of the one stored text equal to text (stored on first use).
  int Share(const CString& text);
  // A new text that Extend may still lengthen; never shared.
  int AddOwn(CString&& text);
  void Extend(int id, const CString& more) { m_texts[Idx(id)] += more; }
  const CString& Get(int id) const { return m_texts[Idx(id)]; }
  void Clear();

 private:
  // An open-addressing table of the shared texts: a text's hash and id,
  // or id -1 in a free slot.
  struct Slot {
    uint32_t hash;
    int id;
  };
  static size_t Idx(int id) { return static_cast<size_t>(id); }
  static uint32_t Hash(const CString& text);
  // Doubles the table (at least kFirstSlots) and places the texts anew.
  void Grow();
  static constexpr size_t kFirstSlots = 1024;

  std::deque<CString> m_texts;  // grows without moving the texts there are
  std::vector<Slot> m_slots;    // a power of two, at most half of them used
  size_t m_shared = 0;
};
