#include "Watchdog.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace lwtest {

namespace {

struct OpenWait {
  int id;
  std::string text;
};

std::mutex& WaitsMutex() {
  static std::mutex mutex;
  return mutex;
}

std::vector<OpenWait>& Waits() {
  static std::vector<OpenWait> waits;
  return waits;
}

std::string Narrow(const CString& text) { return std::string(CStringA(text).GetString()); }

std::string CurrentTestName() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  if (!info) return "(outside a test)";
  return std::string(info->test_suite_name()) + "." + info->name();
}

[[noreturn]] void EndProcess() {
#ifdef _WIN32
  // Not ExitProcess: a hung thread may hold locks that the exit would wait for.
  ::TerminateProcess(::GetCurrentProcess(), kWatchdogExitCode);
#endif
  std::_Exit(kWatchdogExitCode);
}

}  // namespace

Watchdog::Watchdog(int seconds) : m_thread([this, seconds] { Watch(seconds); }) {}

Watchdog::~Watchdog() {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_done = true;
  }
  m_wake.notify_all();
  m_thread.join();
}

void Watchdog::Watch(int seconds) {
  std::unique_lock<std::mutex> lock(m_mutex);
  if (m_wake.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_done; })) return;
  const std::string test = CurrentTestName(), waits = OpenWaits();
  std::fprintf(stderr, "watchdog: %s hung for %d s, waiting for %s; ending the test process\n", test.c_str(), seconds,
               waits.empty() ? "nothing named" : waits.c_str());
  std::fflush(stderr);
  EndProcess();
}

WaitingFor::WaitingFor(const CString& what) {
  static int next = 0;
  std::lock_guard<std::mutex> lock(WaitsMutex());
  m_id = ++next;
  Waits().push_back({m_id, Narrow(what)});
}

WaitingFor::~WaitingFor() {
  std::lock_guard<std::mutex> lock(WaitsMutex());
  std::vector<OpenWait>& waits = Waits();
  for (auto it = waits.begin(); it != waits.end(); ++it)
    if (it->id == m_id) {
      waits.erase(it);
      break;
    }
}

void WaitingFor::Text(const CString& what) {
  std::string text = Narrow(what);
  std::lock_guard<std::mutex> lock(WaitsMutex());
  for (OpenWait& w : Waits())
    if (w.id == m_id) w.text = std::move(text);
}

std::string OpenWaits() {
  std::lock_guard<std::mutex> lock(WaitsMutex());
  std::string joined;
  for (const OpenWait& w : Waits()) {
    if (!joined.empty()) joined += " / ";
    joined += w.text;
  }
  return joined;
}

}  // namespace lwtest
