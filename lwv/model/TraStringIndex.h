// The string indexes of a language file: original text (or its status-bar
// prompt or tooltip part) -> node of the "Stringtables" section. Built by
// BuildStringIndexes (for a file: CTraFile::BuildStringIndex); the lookup that uses them is StringLookup.h.
// The keys are views of the nodes' own originals, not copies: an index is
// valid while the tree it was built from is unchanged (a new tree frees it;
// whoever changes an original or the children builds it again). An index
// that watches its tree checks that on every lookup in debug builds.
#pragma once

#include "TraNode.h"

#include <cstdint>
#include <memory>
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
  void Set(TraTextView key, CTraNode* node) { Put(key, HashOf(key), node, true); }
  void AddIfAbsent(TraTextView key, CTraNode* node) { Put(key, HashOf(key), node, false); }
  // The same with the key's HashOf already known (one hash for several indexes).
  void Set(TraTextView key, size_t hash, CTraNode* node) { Put(key, hash, node, true); }
  void AddIfAbsent(TraTextView key, size_t hash, CTraNode* node) { Put(key, hash, node, false); }
  size_t GetCount() const { return m_count; }

  // The tree whose originals the keys view (null: none watched).
  void WatchTree(const CTraNode* root);
  // Whether the watched tree is unchanged since WatchTree.
  bool IsCurrent() const { return !m_pTree || m_pTree->GetTreeStamp() == m_nTreeStamp; }

  static size_t HashOf(TraTextView key) { return std::hash<TraTextView>()(key); }

 private:
  // 24 bytes: the key's characters and length, the hash's low half (the
  // slot's place and a quick check before the key is compared), the node.
  struct Slot {
    const TCHAR* data;
    uint32_t length;
    uint32_t hash;
    CTraNode* node;  // null: the slot is free
    TraTextView Key() const { return TraTextView(data, length); }
  };
  size_t SlotOf(TraTextView key, size_t hash) const;
  void Put(TraTextView key, size_t hash, CTraNode* node, bool replace);
  void Grow();

  std::vector<Slot> m_slots;
  size_t m_count = 0;
  const CTraNode* m_pTree = nullptr;
  uint64_t m_nTreeStamp = 0;
};

// Hash size for count string nodes: the next odd prime above count.
int StringIndexSize(int count);

// Makes the three indexes of a "Stringtables" section (null: empty ones) of
// the tree under root: every string by its whole text, prompt and tip; the
// section's other nodes where no string has the key.
void BuildStringIndexes(CTraNode* root, CTraNode* section, std::unique_ptr<CTraStringIndex> (&index)[3]);
