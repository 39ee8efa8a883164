// A block the reader passes over whole (TOOLBAR, DESIGNINFO).
#pragma once

#include "ResItem.h"

class CResSkipBlock : public CResItem {
 public:
  int Parse(const CSourceTokenList* list, int start, CResProblemLog& log) override;
  int GetKind() const override { return 20; }
  CTraNode* CreateNode(CTraNode*) override { return nullptr; }
};
