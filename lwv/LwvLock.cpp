#include "LwvLock.h"

#include <mutex>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

std::recursive_mutex& TheLock() {
  static std::recursive_mutex lock;
  return lock;
}

std::recursive_mutex& TheGate() {
  static std::recursive_mutex gate;
  return gate;
}

thread_local bool t_retranslating = false;

}  // namespace

CLwvLock::CLwvLock() { TheLock().lock(); }
CLwvLock::~CLwvLock() { TheLock().unlock(); }

CLwvSwitchGate::CLwvSwitchGate() {
#ifdef _WIN32
  while (!TheGate().try_lock()) {
    // Answers what is sent meanwhile; wakes for it or after a millisecond.
    MSG msg;
    ::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_SENDMESSAGE);
  }
#else
  TheGate().lock();
#endif
}

CLwvSwitchGate::~CLwvSwitchGate() { TheGate().unlock(); }

bool LwvIsRetranslating() { return t_retranslating; }
CLwvRetranslating::CLwvRetranslating() : m_bWas(t_retranslating) { t_retranslating = true; }
CLwvRetranslating::~CLwvRetranslating() { t_retranslating = m_bWas; }
