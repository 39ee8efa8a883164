// An optional picture of a window for looking at a test's windows: when the
// environment variable LWV_SCREENSHOT_DIR names a folder, SaveScreenshot
// writes the window as it is on the screen to <folder>\<name>.bmp (24 bits).
// Without the variable it does nothing; it never decides a test.
#pragma once

#include <windows.h>

namespace lwtest {

// True when a picture was written.
bool SaveScreenshot(HWND wnd, const char* name);

}  // namespace lwtest
