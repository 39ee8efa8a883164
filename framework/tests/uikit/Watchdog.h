// The one watchdog of the window tests: a test that hangs (a modal loop
// nobody ends, a wait that never returns) ends the whole test process after
// its time with a message naming the test then running and what it waited
// for (the window a driver step or a bounded wait looks for, see WaitingFor).
// It does not close windows or let the test go on; the modal driver and the
// bounded waits end their own waits softly, this is the last resort.
#pragma once

#include "Framework.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace lwtest {

// Exit code of a process the watchdog ended.
const int kWatchdogExitCode = 3;

class Watchdog {
 public:
  explicit Watchdog(int seconds);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  void Watch(int seconds);

  std::mutex m_mutex;
  std::condition_variable m_wake;
  bool m_done = false;
  std::thread m_thread;
};

// Names what this thread waits for while it lives; the watchdog's message
// lists every wait still open. Text() may change while waiting.
class WaitingFor {
 public:
  explicit WaitingFor(const CString& what);
  ~WaitingFor();
  WaitingFor(const WaitingFor&) = delete;
  WaitingFor& operator=(const WaitingFor&) = delete;
  void Text(const CString& what);

 private:
  int m_id;
};

// The open waits, oldest first, joined by " / "; empty when there are none.
std::string OpenWaits();

}  // namespace lwtest
