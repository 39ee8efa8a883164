#include "ScrollMath.h"

namespace lw {

namespace {
int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }
}  // namespace

ScrollAxis MakeScrollAxis(int total, int page, int line) {
  ScrollAxis axis;
  axis.total = total > 0 ? total : 0;
  axis.page = page > 0 ? page : axis.total / 10;
  axis.line = line > 0 ? line : axis.page / 10;
  if (axis.total > 0) {
    if (axis.page < 1) axis.page = 1;
    if (axis.line < 1) axis.line = 1;
  }
  return axis;
}

int ScrollLimit(const ScrollAxis& axis, int client) {
  int limit = axis.total - (client > 0 ? client : 0);
  return limit > 0 ? limit : 0;
}

int ScrollTarget(const ScrollAxis& axis, int client, UINT code, int pos, int thumb) {
  const int limit = ScrollLimit(axis, client);
  long long target = pos;
  switch (code) {
    case kScrollLineUp: target = static_cast<long long>(pos) - axis.line; break;
    case kScrollLineDown: target = static_cast<long long>(pos) + axis.line; break;
    case kScrollPageUp: target = static_cast<long long>(pos) - axis.page; break;
    case kScrollPageDown: target = static_cast<long long>(pos) + axis.page; break;
    case kScrollThumbPosition:
    case kScrollThumbTrack: target = thumb; break;
    case kScrollTop: target = 0; break;
    case kScrollBottom: target = limit; break;
    default: break;
  }
  if (target < 0) target = 0;
  if (target > limit) target = limit;
  return Clamp(static_cast<int>(target), 0, limit);
}

}  // namespace lw
