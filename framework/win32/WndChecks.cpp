#include "WndChecks.h"

#include <cassert>
#include <string>

namespace lw {

namespace {

void DefaultHandler(const char* failure) {
  ::OutputDebugStringA(failure);
  ::OutputDebugStringA("\n");
  assert(!"a window wrapper was called without its window");
}

PreconditionHandler g_handler = &DefaultHandler;

}  // namespace

PreconditionHandler SetPreconditionHandler(PreconditionHandler handler) {
  PreconditionHandler old = g_handler;
  g_handler = handler ? handler : &DefaultHandler;
  return old;
}

bool CheckWindowHandle(HWND hwnd, const char* call) {
  if (hwnd && ::IsWindow(hwnd)) return true;
  const std::string failure = std::string(call) + (hwnd ? ": window destroyed" : ": no window");
  g_handler(failure.c_str());
  return false;
}

}  // namespace lw
