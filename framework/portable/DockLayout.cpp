#include "DockLayout.h"

#include <algorithm>
#include <cstdlib>

namespace lw {

namespace {
// Distance of point inward from side's edge of area; a negative value lies outside.
long InwardDistance(const RECT& area, POINT point, DockSide side) {
  switch (side) {
    case kDockTop:
      return point.y - area.top;
    case kDockBottom:
      return area.bottom - 1 - point.y;
    case kDockLeft:
      return point.x - area.left;
    default:
      return area.right - 1 - point.x;
  }
}

bool AlongSpan(const RECT& area, POINT point, DockSide side, int reach) {
  if (DockIsVertical(side)) return point.y >= area.top - reach && point.y < area.bottom + reach;
  return point.x >= area.left - reach && point.x < area.right + reach;
}
}  // namespace

DockSide DockSideAt(const RECT& area, POINT point, DWORD allowed, int reach, DockSide current) {
  auto within = [&](DockSide side) {
    if (!(allowed & DockSideBit(side)) || !AlongSpan(area, point, side, reach)) return false;
    const long d = InwardDistance(area, point, side);
    return d >= -reach && d < reach;
  };
  if (current != kDockFloat && within(current)) return current;
  DockSide best = kDockFloat;
  long bestDistance = 0;
  for (int s = 0; s < kDockSides; ++s) {
    const DockSide side = static_cast<DockSide>(s);
    if (!within(side)) continue;
    const long distance = std::labs(InwardDistance(area, point, side));
    if (best == kDockFloat || distance < bestDistance) {
      best = side;
      bestDistance = distance;
    }
  }
  return best;
}

DockFrameLayout LayoutDockBars(const RECT& area, const int thickness[kDockSides]) {
  DockFrameLayout out{};
  RECT rest = area;
  if (rest.right < rest.left) rest.right = rest.left;
  if (rest.bottom < rest.top) rest.bottom = rest.top;
  auto take = [](int wanted, LONG room) { return std::max<LONG>(0, std::min<LONG>(wanted, room)); };
  const LONG top = take(thickness[kDockTop], rest.bottom - rest.top);
  out.bars[kDockTop] = RECT{rest.left, rest.top, rest.right, rest.top + top};
  rest.top += top;
  const LONG bottom = take(thickness[kDockBottom], rest.bottom - rest.top);
  out.bars[kDockBottom] = RECT{rest.left, rest.bottom - bottom, rest.right, rest.bottom};
  rest.bottom -= bottom;
  const LONG left = take(thickness[kDockLeft], rest.right - rest.left);
  out.bars[kDockLeft] = RECT{rest.left, rest.top, rest.left + left, rest.bottom};
  rest.left += left;
  const LONG right = take(thickness[kDockRight], rest.right - rest.left);
  out.bars[kDockRight] = RECT{rest.right - right, rest.top, rest.right, rest.bottom};
  rest.right -= right;
  out.pane = rest;
  return out;
}

RECT DockDragRect(const RECT& area, DockSide side, POINT point, POINT grab, const DockBarSizes& sizes) {
  const SIZE horizontal = sizes.horizontal;
  const SIZE vertical = sizes.vertical;
  switch (side) {
    case kDockTop:
      return RECT{area.left, area.top, area.left + horizontal.cx, area.top + horizontal.cy};
    case kDockBottom:
      return RECT{area.left, area.bottom - horizontal.cy, area.left + horizontal.cx, area.bottom};
    case kDockLeft:
      return RECT{area.left, area.top, area.left + vertical.cx, area.top + vertical.cy};
    case kDockRight:
      return RECT{area.right - vertical.cx, area.top, area.right, area.top + vertical.cy};
    default: {
      const LONG x = point.x - grab.x;
      const LONG y = point.y - grab.y;
      return RECT{x, y, x + sizes.floating.cx, y + sizes.floating.cy};
    }
  }
}

DockPlace DockMoved(const DockPlace& place, DockSide side, POINT floatAt) {
  DockPlace moved = place;
  moved.side = side;
  if (side == kDockFloat) {
    moved.floatAt = floatAt;
    moved.floatedBefore = true;
  } else {
    moved.lastDocked = side;
  }
  return moved;
}

DockSide DockToggleTarget(const DockPlace& place) {
  return place.side == kDockFloat ? place.lastDocked : kDockFloat;
}

}  // namespace lw
