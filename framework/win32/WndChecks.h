// Debug-build preconditions of the window wrappers: a call that needs the
// window's handle, made on a CWnd without one or whose window is destroyed,
// is reported with the call's name. Release builds check nothing; nothing
// here changes what a wrapper does.
#pragma once

#include "Framework.h"

namespace lw {

typedef void (*PreconditionHandler)(const char* failure);
// The default writes the failure to the debugger's output and stops at an
// assert; tests replace it. Returns the previous handler.
PreconditionHandler SetPreconditionHandler(PreconditionHandler handler);
// True when hwnd is a live window; otherwise reports "<call>: no window" or
// "<call>: window destroyed" and returns false.
bool CheckWindowHandle(HWND hwnd, const char* call);

}  // namespace lw

#ifdef NDEBUG
#define LW_ASSERT_WINDOW(call) ((void)0)
#else
#define LW_ASSERT_WINDOW(call) ((void)lw::CheckWindowHandle(m_hWnd, call))
#endif
