// How AddThread installs a hook; tests replace it to make an installation fail.
#pragma once

#include <windows.h>

typedef HHOOK (*LwHookInstaller)(int idHook, HOOKPROC proc, DWORD threadId);

// Installs installer (null restores SetWindowsHookEx) and returns the previous one.
LwHookInstaller LwSetHookInstaller(LwHookInstaller installer);
