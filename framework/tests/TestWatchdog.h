// Ends the test process when a test hangs (a modal loop nobody closes), so
// that no Wine test can hold up a run.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <thread>

namespace lwtest {

class Watchdog {
 public:
  explicit Watchdog(int seconds) : m_thread([this, seconds] {
      for (int i = 0; i < seconds * 10 && !m_done; ++i) Sleep(100);
      if (!m_done) {
        std::fprintf(stderr, "watchdog: test hung, ending the process\n");
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
      }
    }) {}
  ~Watchdog() {
    m_done = true;
    m_thread.join();
  }

 private:
  std::atomic<bool> m_done{false};
  std::thread m_thread;
};

}  // namespace lwtest
