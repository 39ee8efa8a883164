// Language files as tests read them back: the whole file from disk, and the
// nodes of its tree found by their original text or by any rule. Reads;
// decides nothing and shows no window.
#pragma once

#include "TraFile.h"
#include "TraNode.h"

#include <memory>
#include <vector>

namespace lwtest {

// The whole language file, or null when it cannot be read.
std::unique_ptr<CTraFile> ReadLanguageFile(const CString& path);

// Every node below root (root included) with this original text, and of
// this kind unless kind is 0.
std::vector<const CTraNode*> NodesWith(const CTraNode* root, const CString& original, int kind = 0);

// The first node below node (node included), depth first, that passes fits;
// null when none does.
template <class Fits>
const CTraNode* FindNode(const CTraNode* node, const Fits& fits) {
  if (!node) return nullptr;
  if (fits(node)) return node;
  for (int i = 0; i < node->GetChildCount(); ++i)
    if (const CTraNode* found = FindNode(node->GetChild(i), fits)) return found;
  return nullptr;
}

}  // namespace lwtest
