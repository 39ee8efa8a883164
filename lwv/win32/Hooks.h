// The per-thread window hooks: the two that AddThread installs, and the
// message hook that sees the switch command chosen in a menu (a menu's
// WM_COMMAND is posted, so the call-window hook never sees it). All reach
// the manager through LwGetManager() and pass every message on.
#pragma once

#include <windows.h>

LRESULT CALLBACK LwCallWndProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK LwCallWndRetProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK LwGetMessageProc(int code, WPARAM wParam, LPARAM lParam);

// Installs the message hook for the calling thread once.
void LwvEnsureMessageHook();
// Removes the message hooks of every thread.
void LwvRemoveMessageHooks();
// Opens the switch dialog unless this thread has it open already; called
// without the lock.
void LwvOpenSwitchDialogOnce();
// The message a switching thread sends to a window of another registered
// thread: that thread's hook translates the window again (wParam = ticket).
UINT LwvRetranslateMessage();
// Answers that message in the owner thread's hook, under the lock.
void LwvAnswerRetranslate(WPARAM ticket);
