#include "TextBlockList.h"

#include "TextBlockHost.h"
#include "TraNode.h"

CTextBlockList::CTextBlockList(CTextBlockHost* host) : m_pHost(host), m_pRoot(nullptr), m_nCurrent(-1) {}

void CTextBlockList::Clear() {
  m_blocks.clear();
  m_levels.clear();
  m_nCurrent = -1;
  m_pRoot = nullptr;
}

void CTextBlockList::Build(CTraNode* root, CTraNode* overlayRoot) {
  Clear();
  m_pRoot = root;
  if (!root) return;
  const int slots = root->CountNodes() - 1;
  m_blocks.reserve(slots > 0 ? static_cast<size_t>(slots) : 0);
  m_levels.reserve(m_blocks.capacity());
  Walk(root, overlayRoot, 0);
}

void CTextBlockList::Walk(CTraNode* node, CTraNode* overlay, int level) {
  if (level > 0 && node->IsTranslatable()) {
    m_blocks.emplace_back(new CTextBlock(node, overlay, m_pHost));
    m_levels.push_back(level);
  }
  for (int i = 0; i < node->GetChildCount(); ++i) {
    CTraNode* overlayChild = overlay && i < overlay->GetChildCount() ? overlay->GetChild(i) : nullptr;
    Walk(node->GetChild(i), overlayChild, level + 1);
  }
}

long long CTextBlockList::LayoutAll(CTextDevice& dc) {
  long long total = 0;
  for (auto& block : m_blocks) total += block->Layout(dc);
  return total;
}

std::vector<bool> CTextBlockList::VisibleBlocks() const {
  std::vector<bool> visible(m_blocks.size(), false);
  int limit = 999;
  for (size_t i = 0; i < m_blocks.size(); ++i) {
    if (m_levels[i] > limit) continue;
    visible[i] = true;
    limit = m_blocks[i]->IsCollapsed() ? m_levels[i] : 999;
  }
  return visible;
}

void CTextBlockList::SetCurrent(int index) {
  if (CTextBlock* current = GetCurrentBlock()) current->LeaveEdit();
  m_nCurrent = index >= 0 && index < GetCount() ? index : -1;
}

void CTextBlockList::ExpandToCurrent() {
  CTextBlock* current = GetCurrentBlock();
  if (!current) return;
  std::vector<const CTraNode*> ancestors;
  for (const CTraNode* n = current->GetNode()->GetParent(); n && n->GetParent(); n = n->GetParent())
    ancestors.push_back(n);
  for (auto& block : m_blocks)
    for (const CTraNode* a : ancestors)
      if (block->GetNode() == a) block->SetCollapsed(false);
  m_pHost->RecalcTotalHeight();
}

void CTextBlockList::StoreTexts() {
  for (auto& block : m_blocks) block->GetNode()->SetTranslation(block->GetText());
}

CTraNode* CTextBlockList::MarkTarget() const {
  CTextBlock* current = GetCurrentBlock();
  return current ? current->GetNode() : m_pRoot;
}

void CTextBlockList::MarkAllToEdit() { MarkTree(true); }

void CTextBlockList::MarkAllEdited() { MarkTree(false); }

void CTextBlockList::MarkTree(bool toEdit) {
  CTraNode* target = MarkTarget();
  if (!target) return;
  // The marks are saved with the file: an original is never changed.
  if (m_pHost->IsOriginal()) {
    m_pHost->OfferNewTranslation();
    return;
  }
  if (toEdit)
    target->MarkStatesNew();
  else
    target->ResetStates();
  m_pHost->PropagateStates();
  m_pHost->Invalidate();
  m_pHost->SetModified();
}
