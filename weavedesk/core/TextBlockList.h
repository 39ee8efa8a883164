// The edit view's blocks without the window: one block per translatable
// node of the tree in tree order with its tree level, the overlay matched
// by position, the current block, the visibility rule of collapsed groups,
// writing the texts back into the nodes and the edit-mark commands.
// Scrolling and painting stay with the view.
#pragma once

#include "TextBlock.h"

#include <memory>
#include <vector>

class CTextBlockList {
 public:
  explicit CTextBlockList(CTextBlockHost* host);

  // Deletes the blocks and builds them anew from the trees (overlay may be null).
  void Build(CTraNode* root, CTraNode* overlayRoot);
  void Clear();
  // Lays every block out; returns the sum of all heights.
  long long LayoutAll(CTextDevice& dc);

  int GetCount() const { return static_cast<int>(m_blocks.size()); }
  CTextBlock* GetBlock(int index) const { return m_blocks[static_cast<size_t>(index)].get(); }
  int GetLevel(int index) const { return m_levels[static_cast<size_t>(index)]; }
  // Visibility of every block by the collapsed flags of the blocks before it.
  std::vector<bool> VisibleBlocks() const;

  int GetCurrent() const { return m_nCurrent; }
  CTextBlock* GetCurrentBlock() const { return m_nCurrent >= 0 ? GetBlock(m_nCurrent) : nullptr; }
  // The current block stops editing, then index (-1: none) becomes current.
  void SetCurrent(int index);
  // Expands the blocks of all ancestors of the current block's node.
  void ExpandToCurrent();

  // Every block's joined text becomes its node's translated text.
  void StoreTexts();
  // Marks the current block's subtree (or the whole tree) to be edited or as edited.
  void MarkAllToEdit();
  void MarkAllEdited();

  CTextBlockHost* GetHost() const { return m_pHost; }
  CTraNode* GetRoot() const { return m_pRoot; }

 private:
  void Walk(CTraNode* node, CTraNode* overlay, int level);
  CTraNode* MarkTarget() const;
  void MarkTree(bool toEdit);

  CTextBlockHost* m_pHost;
  CTraNode* m_pRoot;
  std::vector<std::unique_ptr<CTextBlock>> m_blocks;
  std::vector<int> m_levels;
  int m_nCurrent;
};
