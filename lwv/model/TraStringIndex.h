// The string indexes of a language file: original text (or its status-bar
// prompt or tooltip part) -> node of the "Stringtables" section. Built by
// CTraFile::BuildStringIndex; the lookup that uses them is StringLookup.h.
// The keys are views of the nodes' own originals, not copies: an index is
// valid while the tree it was built from is unchanged (a new tree frees it;
// whoever changes an original builds it again).
#pragma once

#include "TraNode.h"

#include <string_view>
#include <unordered_map>

// The three string indexes.
enum TraStringPart { TRA_PART_WHOLE = 0, TRA_PART_PROMPT = 1, TRA_PART_TIP = 2 };

// The part of text an index keys on: the whole text, the text before the
// first line break (prompt) or after the last one (tip).
CString TraStringPartOf(const CString& text, TraStringPart part);
typedef std::basic_string_view<TCHAR> TraTextView;
TraTextView TraStringPartView(const CString& text, TraStringPart part);

class CTraStringIndex {
 public:
  explicit CTraStringIndex(size_t buckets) { m_map.reserve(buckets); }
  CTraNode* Find(const CString& key) const {
    auto it = m_map.find(TraTextView(key.GetString(), static_cast<size_t>(key.GetLength())));
    return it == m_map.end() ? nullptr : it->second;
  }
  // key must stay valid as long as the index (a view of a node's original).
  void Set(TraTextView key, CTraNode* node) { m_map[key] = node; }
  void AddIfAbsent(TraTextView key, CTraNode* node) { m_map.emplace(key, node); }
  size_t GetCount() const { return m_map.size(); }

 private:
  std::unordered_map<TraTextView, CTraNode*> m_map;
};

// Hash size for count string nodes: the next odd prime above count.
int StringIndexSize(int count);
