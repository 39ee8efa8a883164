// The hook procedures. Every message is passed on to the next hook whatever
// happens here; only HC_ACTION calls are looked at, and nothing thrown may
// leave a hook. Each holds the lock while the manager works, and opens the
// switch dialog only after letting go of it.
#include "Hooks.h"

#include "LwvLock.h"
#include "TranslationManager.h"

#include <vector>

namespace {

struct MessageHook {
  DWORD threadId;
  HHOOK hook;
};
std::vector<MessageHook> g_messageHooks;

}  // namespace

namespace {

// Runs route on the manager under the lock; true when it asked for the
// switch dialog.
template <class ROUTE>
bool Route(ROUTE route) {
  try {
    CLwvLock lock;
    if (CTranslationManager* m = LwGetManager()) return route(*m);
  } catch (...) {
  }
  return false;
}

void OpenSwitchDialogUnlocked() {
  try {
    LwvOpenSwitchDialogOnce();
  } catch (...) {
  }
}

}  // namespace

LRESULT CALLBACK LwCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && lParam) {
    const CWPSTRUCT& msg = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (Route([&msg](CTranslationManager& m) { return m.OnCallWndProc(msg); })) OpenSwitchDialogUnlocked();
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK LwCallWndRetProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && lParam) {
    const CWPRETSTRUCT& msg = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    Route([&msg](CTranslationManager& m) {
      m.OnCallWndProcRet(msg);
      return false;
    });
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK LwGetMessageProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && lParam) {
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    if (Route([&msg](CTranslationManager& m) { return m.OnGetMessage(msg); })) OpenSwitchDialogUnlocked();
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void LwvEnsureMessageHook() {
  const DWORD thread = GetCurrentThreadId();
  for (const MessageHook& h : g_messageHooks)
    if (h.threadId == thread) return;
  HHOOK hook = SetWindowsHookEx(WH_GETMESSAGE, LwGetMessageProc, nullptr, thread);
  g_messageHooks.push_back(MessageHook{thread, hook});  // also a failure: not tried again
}

void LwvRemoveMessageHooks() {
  std::vector<MessageHook> hooks;
  hooks.swap(g_messageHooks);
  for (const MessageHook& h : hooks)
    if (h.hook) UnhookWindowsHookEx(h.hook);
}
