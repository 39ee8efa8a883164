#include "DeskStatistics.h"

#include "TraNode.h"

void CountStatistics(const CTraNode* root, DeskStatistics& totals) {
  if (!root) return;
  for (int i = 0; i < root->GetChildCount(); ++i) {
    const CTraNode* node = root->GetChild(i);
    if (node->IsTranslatable()) {
      const long length = node->GetTranslation().GetLength();
      totals.chars += length;
      ++totals.texts;
      if (node->GetState() >= TRA_STATE_NEW && node->GetState() <= TRA_STATE_NEW_GROUP_OPEN) {
        totals.markedChars += length;
        ++totals.markedTexts;
      }
    }
    CountStatistics(node, totals);
  }
}
