// The in-place editor's width rule: a text typed into the text of a control
// must stay narrower than that control. The limit comes from the node's
// size-only layout (dialog units) and turns into pixels with the dialog
// base unit. Window-free; the editor measures the text.
#pragma once

#include "Framework.h"

class CTraNode;

// The node's width limit in dialog units: the width of a size-only
// translated rectangle, else 9999 (no limit that matters).
int DeskWidthLimit(const CTraNode* node);
// Whether a text of textWidth pixels fits a limit of limit dialog units
// with the horizontal dialog base unit baseUnit: strictly less than
// baseUnit * limit / 4 * 31 / 40, each division truncating.
bool DeskFitsWidth(int textWidth, int limit, int baseUnit);
