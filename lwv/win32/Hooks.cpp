// The hook procedures. Every message is passed on to the next hook whatever
// happens here; only HC_ACTION calls are looked at, and nothing thrown may
// leave a hook.
#include "Hooks.h"

#include "TranslationManager.h"

#include <vector>

namespace {

struct MessageHook {
  DWORD threadId;
  HHOOK hook;
};
std::vector<MessageHook> g_messageHooks;

}  // namespace

LRESULT CALLBACK LwCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && lParam) {
    if (CTranslationManager* m = LwGetManager()) {
      try {
        m->OnCallWndProc(*reinterpret_cast<const CWPSTRUCT*>(lParam));
      } catch (...) {
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK LwCallWndRetProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && lParam) {
    if (CTranslationManager* m = LwGetManager()) {
      try {
        m->OnCallWndProcRet(*reinterpret_cast<const CWPRETSTRUCT*>(lParam));
      } catch (...) {
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK LwGetMessageProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && lParam) {
    if (CTranslationManager* m = LwGetManager()) {
      try {
        m->OnGetMessage(*reinterpret_cast<const MSG*>(lParam));
      } catch (...) {
      }
    }
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
