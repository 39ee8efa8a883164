#include "ToolBarFrame.h"

#include <algorithm>

namespace {
const COLORREF kLight = RGB(224, 224, 224);
const COLORREF kShadow = RGB(100, 100, 100);

bool IsVertical(ZweiOrientation o) { return o == ZWEI_DOCKED_VERTICAL || o == ZWEI_FLOATING_VERTICAL; }
}  // namespace

ZweiOrientation ZweiOrientationOf(bool floating, bool dynamicSize, bool vertical) {
  if (floating && dynamicSize) return vertical ? ZWEI_FLOATING_VERTICAL : ZWEI_FLOATING_HORIZONTAL;
  return vertical ? ZWEI_DOCKED_VERTICAL : ZWEI_DOCKED_HORIZONTAL;
}

RECT ZweiInsideRect(const RECT& window, ZweiOrientation orientation, bool gripper) {
  const int side = ZweiBorders::kSide;
  RECT r{window.left + side, window.top + side - 2, window.right - side, window.bottom - side};
  const bool docked = orientation == ZWEI_DOCKED_HORIZONTAL || orientation == ZWEI_DOCKED_VERTICAL;
  if (gripper && docked) {
    if (IsVertical(orientation))
      r.top += ZweiBorders::kGripper;
    else
      r.left += ZweiBorders::kGripper;
  }
  if (IsVertical(orientation)) r.bottom += 20;
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

std::vector<ZweiLine> ZweiGripperLines(const RECT& window, ZweiOrientation orientation) {
  const int x = window.left;
  const int y = window.top;
  switch (orientation) {
    case ZWEI_DOCKED_HORIZONTAL:  // upright lines
      return {
          {{x + 4, y + 4}, {x + 4, window.bottom - 5}, kLight},
          {{x + 5, y + 4}, {x + 5, window.bottom - 5}, kLight},
          {{x + 6, y + 4}, {x + 6, window.bottom - 4}, kShadow},
          {{x + 6, window.bottom - 4}, {x + 4, window.bottom - 4}, kShadow},
      };
    case ZWEI_DOCKED_VERTICAL:  // the same turned by 90 degrees
      return {
          {{x + 4, y + 3}, {window.right - 5, y + 3}, kLight},
          {{x + 4, y + 4}, {window.right - 5, y + 4}, kLight},
          {{x + 4, y + 5}, {window.right - 4, y + 5}, kShadow},
          {{window.right - 4, y + 5}, {window.right - 4, y + 3}, kShadow},
      };
    default:
      return {};
  }
}

std::vector<RECT> ZweiEraseBands(const RECT& window, const RECT& client) {
  const LONG widen = 5;
  // Each band lies between the window's edge and the client's, whichever is
  // outside (a vertical bar's client reaches past the window's bottom).
  const LONG top0 = std::min(window.top, client.top) - widen, top1 = std::max(window.top, client.top) + widen;
  const LONG bottom0 = std::min(window.bottom, client.bottom) - widen;
  const LONG bottom1 = std::max(window.bottom, client.bottom) + widen;
  const LONG left0 = std::min(window.left, client.left) - widen, left1 = std::max(window.left, client.left) + widen;
  const LONG right0 = std::min(window.right, client.right) - widen;
  const LONG right1 = std::max(window.right, client.right) + widen;
  return {
      RECT{left0, top0, right1, top1},
      RECT{left0, bottom0, right1, bottom1},
      RECT{left0, top0, left1, bottom1},
      RECT{right0, top0, right1, bottom1},
  };
}
