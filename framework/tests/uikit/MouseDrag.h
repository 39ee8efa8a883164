// Mouse presses and drags sent as the system sends them, without moving the
// display's cursor: a press where the window's hit test says non-client
// becomes WM_NCLBUTTONDOWN (screen coordinates), everything else
// WM_LBUTTONDOWN; moves and the release go to the window that holds the
// capture then (client coordinates), or to the pressed window. It only
// sends messages; it checks nothing and does not wait.
#pragma once

#include <windows.h>

namespace lwtest {

// Presses at from, moves in steps to to and releases there (screen
// coordinates). Answers the hit-test code of the press.
LRESULT DragMouse(HWND wnd, POINT from, POINT to, int steps = 4);
// A double click at point (screen coordinates), non-client when the hit test says so.
LRESULT DoubleClickMouse(HWND wnd, POINT point);
// The mouse over wnd at point (client coordinates), no button down.
void HoverMouse(HWND wnd, POINT point);

}  // namespace lwtest
