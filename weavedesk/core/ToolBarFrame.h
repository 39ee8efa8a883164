// The non-client part of the editor's owner-drawn toolbar, without the
// window: the bar's orientation from its docking and floating state, the
// client rectangle left inside its borders and gripper, the lines of the
// gripper and the bands its background erase fills. The toolbar paints
// what this answers.
#pragma once

#include "Framework.h"

#include <vector>

enum ZweiOrientation {
  ZWEI_DOCKED_VERTICAL = 1,
  ZWEI_DOCKED_HORIZONTAL = 2,
  ZWEI_FLOATING_VERTICAL = 3,
  ZWEI_FLOATING_HORIZONTAL = 4
};

// floating and dynamicSize: the bar floats with a size of its own; vertical:
// its buttons run top to bottom (docked at the left or right edge, or a
// floating bar in one column).
ZweiOrientation ZweiOrientationOf(bool floating, bool dynamicSize, bool vertical);

// Borders of the bar in pixels; the gripper's band comes on top of them at
// the left of a horizontal bar and at the top of a vertical one.
struct ZweiBorders {
  static constexpr int kSide = 2;
  static constexpr int kGripper = 8;
};

// The client rectangle inside window (both in the same coordinates): the
// borders come off, the top border less 2 pixels; a vertical bar's bottom
// edge then moves 20 pixels down.
RECT ZweiInsideRect(const RECT& window, ZweiOrientation orientation, bool gripper);

struct ZweiLine {
  POINT from;
  POINT to;  // not drawn itself, as with LineTo
  COLORREF color;
};

// The gripper of a bar whose window rectangle is window (window
// coordinates): vertical lines for a horizontal bar, horizontal ones for a
// vertical bar; none for a floating bar.
std::vector<ZweiLine> ZweiGripperLines(const RECT& window, ZweiOrientation orientation);

// The bands the background erase fills: those between the window's and the
// client rectangle's edges (both in client coordinates), widened by 5 pixels
// on each side, into the client and out of the window. Top, bottom, left,
// right; the side bands run the whole height; none is inverted.
std::vector<RECT> ZweiEraseBands(const RECT& window, const RECT& client);
