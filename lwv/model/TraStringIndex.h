// The string indexes of a language file: original text (or its status-bar
// prompt or tooltip part) -> node of the "Stringtables" section. Built by
// CTraFile::BuildStringIndex; the lookup that uses them is StringLookup.h.
// The keys are views of the nodes' own originals, not copies: an index is
// valid while the tree it was built from is unchanged (a new tree frees it;
// whoever changes an original builds it again).
#pragma once

#include "TraNode.h"

#include <string_view>
#include <vector>

// The three string indexes.
enum TraStringPart { TRA_PART_WHOLE = 0, TRA_PART_PROMPT = 1, TRA_PART_TIP = 2 };

// The part of text an index keys on: the whole text, the text before the
// first line break (prompt) or after the last one (tip).
CString TraStringPartOf(const CString& text, TraStringPart part);
typedef std::basic_string_view<TCHAR> TraTextView;
TraTextView TraStringPartView(const CString& text, TraStringPart part);

// Open addressing in one array: no allocation per key.
class CTraStringIndex {
 public:
  // buckets: the most keys expected (more are taken, the array grows).
  explicit CTraStringIndex(size_t buckets);
  CTraNode* Find(const CString& key) const;
  // key must stay valid as long as the index (a view of a node's original).
  void Set(TraTextView key, CTraNode* node) { Put(key, node, true); }
  void AddIfAbsent(TraTextView key, CTraNode* node) { Put(key, node, false); }
  size_t GetCount() const { return m_count; }

 private:
  struct Slot {
    TraTextView key;
    size_t hash;
    CTraNode* node;  // null: the slot is free
  };
  size_t SlotOf(TraTextView key, size_t hash) const;
  void Put(TraTextView key, CTraNode* node, bool replace);
  void Grow();

  std::vector<Slot> m_slots;
  size_t m_count = 0;
};

// Hash size for count string nodes: the next odd prime above count.
int StringIndexSize(int count);
