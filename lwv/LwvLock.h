// The library's one process-wide lock, recursive, and the per-thread marks
// that go with it. What it guards is written at the top of
// TranslationManager.h; this file only provides it.
#pragma once

class CLwvLock {
 public:
  CLwvLock();
  ~CLwvLock();
  CLwvLock(const CLwvLock&) = delete;
  CLwvLock& operator=(const CLwvLock&) = delete;
};

// Serialises language switches and LWEnd (recursive). A thread waiting for
// it still answers the messages other threads send it, so that a running
// switch can hand its windows to it.
class CLwvSwitchGate {
 public:
  CLwvSwitchGate();
  ~CLwvSwitchGate();
  CLwvSwitchGate(const CLwvSwitchGate&) = delete;
  CLwvSwitchGate& operator=(const CLwvSwitchGate&) = delete;
};

// Set while the calling thread translates its windows again for a switch:
// its hooks leave the texts set then alone. Per thread, so that the other
// registered threads go on translating what they open meanwhile.
bool LwvIsRetranslating();
class CLwvRetranslating {
 public:
  CLwvRetranslating();
  ~CLwvRetranslating();
  CLwvRetranslating(const CLwvRetranslating&) = delete;
  CLwvRetranslating& operator=(const CLwvRetranslating&) = delete;

 private:
  bool m_bWas;
};
