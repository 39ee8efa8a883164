#include "WidthRule.h"

#include "TraLayout.h"
#include "TraNode.h"

int DeskWidthLimit(const CTraNode* node) {
  if (node && node->GetLayout() && node->GetLayout()->IsSizeOnly()) return node->GetLayout()->GetWidth();
  return 9999;
}

bool DeskFitsWidth(int textWidth, int limit, int baseUnit) {
  const long long pixels = static_cast<long long>(baseUnit) * limit / 4 * 31 / 40;
  return textWidth < pixels;
}
