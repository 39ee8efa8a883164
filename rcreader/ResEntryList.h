// The children of a container up to a fixed capacity: an entry beyond it is
// dropped, and the first one dropped costs one problem-log entry.
#pragma once

#include "ResProblemLog.h"
#include "TraNode.h"

#include <memory>
#include <vector>

template <class T>
class CResEntryList {
 public:
  explicit CResEntryList(int capacity) : m_capacity(capacity) {}

  // Appends entry; false (and entry dropped) when the list is full.
  bool Add(std::unique_ptr<T> entry) {
    if (GetCount() >= m_capacity) return false;
    m_entries.push_back(std::move(entry));
    return true;
  }
  // As Add; the first entry dropped adds message with the context of token.
  void Add(std::unique_ptr<T> entry, CResProblemLog& log, UINT message, const CSourceTokenList& list, int token) {
    if (!Add(std::move(entry)) && !m_fullLogged) {
      m_fullLogged = true;
      log.Add(message, list, token);
    }
  }
  int GetCount() const { return static_cast<int>(m_entries.size()); }
  T* Get(int index) const { return m_entries[static_cast<size_t>(index)].get(); }
  // Adds the node of every entry that has one under parent.
  void AddNodes(CTraNode* parent) const {
    for (const auto& entry : m_entries) parent->AddChild(std::unique_ptr<CTraNode>(entry->CreateNode(parent)));
  }

 private:
  std::vector<std::unique_ptr<T>> m_entries;
  int m_capacity;
  bool m_fullLogged = false;
};
