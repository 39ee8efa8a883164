#include "MouseDrag.h"

namespace lwtest {

namespace {
LPARAM Pack(POINT p) { return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y)); }

// The window the next mouse message goes to, with point in its client coordinates.
HWND Receiver(HWND pressed, POINT screen, POINT* client) {
  HWND target = ::GetCapture();
  if (!target || !::IsWindow(target)) target = pressed;
  *client = screen;
  ::ScreenToClient(target, client);
  return target;
}
}  // namespace

LRESULT DragMouse(HWND wnd, POINT from, POINT to, int steps) {
  const LRESULT hit = ::SendMessage(wnd, WM_NCHITTEST, 0, Pack(from));
  if (hit == HTCLIENT) {
    POINT client = from;
    ::ScreenToClient(wnd, &client);
    ::SendMessage(wnd, WM_LBUTTONDOWN, MK_LBUTTON, Pack(client));
  } else {
    ::SendMessage(wnd, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), Pack(from));
  }
  if (steps < 1) steps = 1;
  for (int i = 1; i <= steps; ++i) {
    const POINT at{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
    POINT client;
    HWND target = Receiver(wnd, at, &client);
    if (!::IsWindow(target)) return hit;
    ::SendMessage(target, WM_MOUSEMOVE, MK_LBUTTON, Pack(client));
  }
  POINT client;
  HWND target = Receiver(wnd, to, &client);
  if (::IsWindow(target)) ::SendMessage(target, WM_LBUTTONUP, 0, Pack(client));
  return hit;
}

LRESULT DoubleClickMouse(HWND wnd, POINT point) {
  const LRESULT hit = ::SendMessage(wnd, WM_NCHITTEST, 0, Pack(point));
  if (hit == HTCLIENT) {
    POINT client = point;
    ::ScreenToClient(wnd, &client);
    ::SendMessage(wnd, WM_LBUTTONDBLCLK, MK_LBUTTON, Pack(client));
    ::SendMessage(wnd, WM_LBUTTONUP, 0, Pack(client));
  } else {
    ::SendMessage(wnd, WM_NCLBUTTONDBLCLK, static_cast<WPARAM>(hit), Pack(point));
    ::SendMessage(wnd, WM_NCLBUTTONUP, static_cast<WPARAM>(hit), Pack(point));
  }
  return hit;
}

void HoverMouse(HWND wnd, POINT point) { ::SendMessage(wnd, WM_MOUSEMOVE, 0, Pack(point)); }

}  // namespace lwtest
