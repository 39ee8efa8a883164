#include "BoundedWait.h"

#include "Watchdog.h"

#include <chrono>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#endif

namespace lwtest {

namespace {

// Returns when a message came or after a short tick (for events of other
// processes or threads, which send this thread nothing).
void AwaitSomething() {
#ifdef _WIN32
  ::MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
#else
  std::this_thread::sleep_for(std::chrono::milliseconds(2));
#endif
}

}  // namespace

void Pump() {
#ifdef _WIN32
  // Bounded: a window that never validates itself would post WM_PAINT forever.
  MSG msg;
  for (int i = 0; i < 1000 && ::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
#endif
}

::testing::AssertionResult WaitUntil(const CString& what, const std::function<bool()>& done, unsigned timeoutMs,
                                     const std::function<void()>& pump) {
  WaitingFor waiting(what);
  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    if (done()) return ::testing::AssertionSuccess();
    const auto waited = std::chrono::steady_clock::now() - start;
    if (waited >= std::chrono::milliseconds(timeoutMs))
      return ::testing::AssertionFailure() << "waited " << timeoutMs << " ms in vain for " << CStringA(what).GetString();
    AwaitSomething();
    pump();
  }
}

}  // namespace lwtest
