// The scroll arithmetic of a scrolling view along one axis, in pixels:
// default page and line steps, the largest position, and where a scroll-bar
// request (SB_LINEUP ... SB_BOTTOM, with their Windows values) leads.
// Window-free; the view feeds the results to its scroll bars.
#pragma once

#include "LwTypes.h"

namespace lw {

enum ScrollCode : UINT {
  kScrollLineUp = 0,
  kScrollLineDown = 1,
  kScrollPageUp = 2,
  kScrollPageDown = 3,
  kScrollThumbPosition = 4,
  kScrollThumbTrack = 5,
  kScrollTop = 6,
  kScrollBottom = 7,
  kScrollEnd = 8,
};

struct ScrollAxis {
  int total = 0;  // document size
  int page = 0;   // page step
  int line = 0;   // line step
};

// Steps of 0 (or less) become defaults: a tenth of the total for a page, a
// tenth of the page for a line, never below 1 while there is anything to scroll.
ScrollAxis MakeScrollAxis(int total, int page, int line);

// The largest position: what lies beyond the client size, 0 when it all shows.
int ScrollLimit(const ScrollAxis& axis, int client);

// The position a request leads to from pos (thumb: the bar's track position),
// within 0..ScrollLimit. kScrollEnd and unknown codes keep pos (clamped).
int ScrollTarget(const ScrollAxis& axis, int client, UINT code, int pos, int thumb);

}  // namespace lw
