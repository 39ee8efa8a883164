// The edit view's two scroll bars as the screen shows them: a bar is set
// only when its range, page or position changed, and a thumb that moved
// is drawn at most every kInterval ms, the last move by a timer of the
// window (drawing a bar costs more than a page of text). Holds no scroll
// model of its own: the view's axes say what the bars show.
#pragma once

#include "DeskScroll.h"

#include "FrameworkWin.h"

class CScrollBarThrottle {
 public:
  // The window timer that draws a bar left behind.
  static constexpr UINT_PTR kTimer = 21;
  static constexpr DWORD kInterval = 40;

  // Sets the window's horizontal and vertical bar from the axes.
  void Show(HWND wnd, const CDeskScrollAxis& horizontal, const CDeskScrollAxis& vertical);
  // The window's timer kTimer fired.
  void OnTimer(HWND wnd);
  // The window goes away: no timer stays behind.
  void Stop(HWND wnd);

 private:
  // Sets bar i (0 horizontal, 1 vertical); draws it when its picture changed.
  void SetBar(HWND wnd, int i, const SCROLLINFO& info);
  void DrawBehindBars(HWND wnd);

  CDeskBarCache m_cache[2];  // horizontal, vertical
  bool m_bBehind[2] = {false, false};
  SCROLLINFO m_shown[2] = {};  // what the screen shows of a bar that is behind
  DWORD m_dwDrawn = 0;
};
