// The order in which a command is offered to its possible handlers: each
// distinct, non-null target once, in the order given (a frame gives its
// active view, the view's document, itself, the application), until one
// takes it. Window-free so that the order has tests of its own.
#pragma once

#include <cstddef>
#include <initializer_list>

namespace lw {

// offer(target) answers true when target handled the command.
template <class Target, class Offer>
bool RouteCommand(std::initializer_list<Target*> targets, Offer offer) {
  const Target* offered[16] = {};
  size_t count = 0;
  for (Target* target : targets) {
    if (!target) continue;
    bool seen = false;
    for (size_t i = 0; i < count && !seen; ++i) seen = offered[i] == target;
    if (seen) continue;
    if (count < sizeof(offered) / sizeof(offered[0])) offered[count++] = target;
    if (offer(target)) return true;
  }
  return false;
}

}  // namespace lw
