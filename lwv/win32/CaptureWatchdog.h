// A bound on a capture that shows a modal window: while the watchdog lives,
// a thread timer ends every dialog of this thread that was not there when
// it started, each time the bound passes. It leaves windows of other
// threads and the program's own dialogs alone. Watchdogs may nest.
#pragma once

#include "Framework.h"

class CLwvCaptureWatchdog {
 public:
  explicit CLwvCaptureWatchdog(UINT boundMs);
  ~CLwvCaptureWatchdog();
  CLwvCaptureWatchdog(const CLwvCaptureWatchdog&) = delete;
  CLwvCaptureWatchdog& operator=(const CLwvCaptureWatchdog&) = delete;

  // Whether this or a nested watchdog had to end a window.
  bool Fired() const;

  struct Watch;

 private:
  Watch* m_pWatch;
  unsigned m_nEndedAtStart;
};
