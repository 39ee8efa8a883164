// Where docked control bars go, without windows: the side a drag point docks
// to (or floating), the four dock bars' rectangles in a frame's client area
// and the pane they leave, the rectangle a dragged bar would take, and the
// place a bar keeps for the session. The frame's docking windows follow it;
// it neither moves nor paints anything.
#pragma once

#include "LwTypes.h"

namespace lw {

enum DockSide { kDockTop = 0, kDockBottom = 1, kDockLeft = 2, kDockRight = 3, kDockFloat = 4 };
const int kDockSides = 4;

// Sides a bar or a frame allows, as a mask of DockSideBit.
inline DWORD DockSideBit(DockSide side) { return side == kDockFloat ? 0 : DWORD(1) << side; }
const DWORD kDockAnySide = 0xF;

// Left and right dock bars hold their bars in a column.
inline bool DockIsVertical(DockSide side) { return side == kDockLeft || side == kDockRight; }

// The side a bar dragged to point docks to: the allowed edge of area nearest
// to point among those within reach pixels of it (inside or outside, along
// the edge's span); none near: floating. The current side keeps the bar
// while it is within reach; other ties go to top, bottom, left, right.
DockSide DockSideAt(const RECT& area, POINT point, DWORD allowed, int reach, DockSide current = kDockFloat);

struct DockFrameLayout {
  RECT bars[kDockSides];  // indexed by DockSide; empty where the thickness is 0
  RECT pane;              // what is left for the frame's view
};

// Top and bottom dock bars span area's width, left and right ones the
// height between them. Thicknesses that do not fit are cut to what is left.
DockFrameLayout LayoutDockBars(const RECT& area, const int thickness[kDockSides]);

// The sizes of a dragged bar: in a row, in a column, and of its floating window.
struct DockBarSizes {
  SIZE horizontal;
  SIZE vertical;
  SIZE floating;
};

// The rectangle a bar dragged by grab (the grip point's offset in the
// dragged window) to point would take: at the start of its side's dock bar
// in that side's size, or its floating window at point - grab.
RECT DockDragRect(const RECT& area, DockSide side, POINT point, POINT grab, const DockBarSizes& sizes);

// Where a bar is and where it was: kept by the frame for the session, so
// that a bar shown again, floated again or docked again goes back there.
struct DockPlace {
  DockSide side = kDockTop;
  DockSide lastDocked = kDockTop;
  POINT floatAt = {0, 0};  // screen position of the last floating window
  bool floatedBefore = false;
};

// The place after a move to side (at floatAt when floating).
DockPlace DockMoved(const DockPlace& place, DockSide side, POINT floatAt);
// A double click on the grip: a docked bar floats where it floated last (or
// at fallback the first time), a floating one goes back to its last side.
DockSide DockToggleTarget(const DockPlace& place);

}  // namespace lw
