// A section of the tree: all dialogs, all menus or all string tables.
#pragma once

#include "ResItem.h"

#include <memory>
#include <vector>

class CResGroup : public CResItem {
 public:
  explicit CResGroup(int kind) : m_kind(kind) {}

  static constexpr int kCapacity = 1000;

  // Groups are filled by Add; Parse always fails.
  int Parse(const CSourceTokenList*, int, CResProblemLog&) override { return kResParseFailed; }
  int GetKind() const override { return m_kind; }
  CTraNode* CreateNode(CTraNode* parent) override;

  // Takes the item; the new count. A full group drops the item and answers -1.
  int Add(std::unique_ptr<CResItem> item);
  bool IsFull() const { return GetCount() >= kCapacity; }
  int GetCount() const { return static_cast<int>(m_items.size()); }
  CResItem* GetItem(int index) const { return m_items[static_cast<size_t>(index)].get(); }

 private:
  int m_kind;
  std::vector<std::unique_ptr<CResItem>> m_items;
};
