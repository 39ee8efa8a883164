// A switch's work on windows of other threads: each remembered window is
// translated again by the thread that owns it, so that the switching thread
// never holds the lock while a message goes to another thread.
#include "Hooks.h"
#include "LwvLock.h"
#include "LwvWindows.h"
#include "TranslationManager.h"
#include "Win32Access.h"
#include "WindowLists.h"

namespace {

// The entry handed to another thread, under the lock. Switches run one at a
// time (the switch gate), so one slot is enough; the ticket tells a stale
// message from the current one.
LwvRemembered g_handed = {nullptr, nullptr, nullptr, 0};
WPARAM g_ticket = 0;

// True while list is still one of the manager's lists (a load may have
// replaced them since the snapshot). Under the lock.
bool IsLiveList(const CTranslationManager& m, const CLwvWindowList* list) {
  return list && (list == m.GetDialogList() || list == m.GetMenuWindowList());
}

}  // namespace

UINT LwvRetranslateMessage() {
  static const UINT message = ::RegisterWindowMessage(_T("LingoweaveRetranslateWindow"));
  return message;
}

void LwvAnswerRetranslate(WPARAM ticket) {
  CTranslationManager* m = LwGetManager();
  if (!m || ticket == 0 || ticket != g_ticket || !IsLiveList(*m, g_handed.list)) return;
  const LwvRemembered entry = g_handed;
  g_ticket = 0;
  CLwvRetranslating mark;
  entry.list->RetranslateEntry(entry);
}

void LwvRetranslateRemembered(const LwvRemembered& entry) {
  HWND wnd = ToHwnd(entry.wnd);
  const DWORD owner = wnd && ::IsWindow(wnd) ? ::GetWindowThreadProcessId(wnd, nullptr) : 0;
  WPARAM ticket = 0;
  {
    CLwvLock lock;
    CTranslationManager* m = LwGetManager();
    if (!m || !IsLiveList(*m, entry.list)) return;
    const LwThreadHooks* hooks = owner && owner != ::GetCurrentThreadId() ? m->FindHooks(owner) : nullptr;
    if (!hooks || !hooks->callWnd) {
      // This thread's window, a menu bar without its window, or a thread
      // without hooks: done here.
      entry.list->RetranslateEntry(entry);
      return;
    }
    static WPARAM s_lastTicket = 0;
    ticket = ++s_lastTicket;
    if (ticket == 0) ticket = ++s_lastTicket;
    g_handed = entry;
    g_ticket = ticket;
  }
  ::SendMessage(wnd, LwvRetranslateMessage(), ticket, 0);
  CLwvLock lock;
  if (g_ticket == ticket) g_ticket = 0;  // the owner closed the window first
}

void LwvSendUnlocked(LwvWindow wnd, UINT message) {
  HWND hwnd = ToHwnd(wnd);
  if (::IsWindow(hwnd)) ::SendMessage(hwnd, message, 0, 0);
}
