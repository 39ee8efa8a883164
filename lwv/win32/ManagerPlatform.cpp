// The manager's Windows parts: hooks per thread and "LastTraFile" in the
// registry or an INI file.
#include "HookInstall.h"
#include "Hooks.h"
#include "TranslationManager.h"

#include <cstddef>
#include <vector>

namespace {

HHOOK InstallWithSystem(int idHook, HOOKPROC proc, DWORD threadId) {
  return SetWindowsHookEx(idHook, proc, nullptr, threadId);
}

LwHookInstaller g_installer = InstallWithSystem;

// Longest remembered path accepted from the registry, in characters.
const DWORD kMaxRememberedChars = 32767;

HKEY OpenLingoweaveKey(HKEY appKey) {
  HKEY key = nullptr;
  LONG rc = RegCreateKeyEx(appKey, LWV_REG_SUBKEY, 0, nullptr, 0, KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE,
                           nullptr, &key, nullptr);
  return rc == ERROR_SUCCESS ? key : nullptr;
}

// The value as a string: only REG_SZ, bounded, terminated whatever the
// registry holds.
CString ReadRegistryPath(HKEY appKey) {
  HKEY key = OpenLingoweaveKey(appKey);
  if (!key) return CString();
  CString result;
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueEx(key, LWV_LAST_TRA_VALUE, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS && type == REG_SZ &&
      bytes > 0 && bytes <= kMaxRememberedChars * sizeof(TCHAR)) {
    // Room for the value plus a terminator, whole characters even for an odd size.
    std::vector<TCHAR> buffer(bytes / sizeof(TCHAR) + 2, 0);
    DWORD got = bytes;
    if (RegQueryValueEx(key, LWV_LAST_TRA_VALUE, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &got) ==
            ERROR_SUCCESS &&
        type == REG_SZ && got <= bytes) {
      buffer[got / sizeof(TCHAR)] = 0;
      result = buffer.data();
    }
  }
  RegCloseKey(key);
  return result;
}

}  // namespace

LwHookInstaller LwSetHookInstaller(LwHookInstaller installer) {
  LwHookInstaller previous = g_installer;
  g_installer = installer ? installer : InstallWithSystem;
  return previous;
}

namespace {

// Both hooks of a thread, or none.
bool InstallHooks(DWORD threadId, LwThreadHooks& out) {
  HHOOK callWnd = g_installer(WH_CALLWNDPROC, LwCallWndProc, threadId);
  if (!callWnd) return false;
  HHOOK callWndRet = g_installer(WH_CALLWNDPROCRET, LwCallWndRetProc, threadId);
  if (!callWndRet) {
    UnhookWindowsHookEx(callWnd);
    return false;
  }
  out = LwThreadHooks{threadId, callWnd, callWndRet};
  return true;
}

}  // namespace

BOOL CTranslationManager::AddThread(DWORD threadId) {
  if (threadId == 0) return FALSE;  // 0 would hook every thread of the desktop
  if (FindHooks(threadId)) return TRUE;
  LwThreadHooks hooks;
  if (!InstallHooks(threadId, hooks)) return FALSE;
  m_hooks.push_back(hooks);
  return TRUE;
}

bool CTranslationManager::SuspendOwnHooks() {
  const DWORD thread = GetCurrentThreadId();
  for (LwThreadHooks& h : m_hooks) {
    if (h.threadId != thread || !h.callWnd) continue;
    UnhookWindowsHookEx(h.callWnd);
    UnhookWindowsHookEx(h.callWndRet);
    h.callWnd = nullptr;
    h.callWndRet = nullptr;
    return true;
  }
  return false;
}

void CTranslationManager::ResumeOwnHooks() {
  const DWORD thread = GetCurrentThreadId();
  for (size_t i = 0; i < m_hooks.size(); ++i) {
    if (m_hooks[i].threadId != thread || m_hooks[i].callWnd) continue;
    if (!InstallHooks(thread, m_hooks[i])) m_hooks.erase(m_hooks.begin() + static_cast<std::ptrdiff_t>(i));
    return;
  }
}

void CTranslationManager::RemoveHooks() {
  LwvRemoveMessageHooks();
  std::vector<LwThreadHooks> hooks;
  hooks.swap(m_hooks);
  for (const LwThreadHooks& h : hooks) {
    if (h.callWnd) UnhookWindowsHookEx(h.callWnd);
    if (h.callWndRet) UnhookWindowsHookEx(h.callWndRet);
  }
}

CString CTranslationManager::ReadLastTraFile() const {
  if (m_params.hRegKey) return ReadRegistryPath(m_params.hRegKey);
  if (!m_params.szIniFilePath[0]) return CString();
  // One more than a path field: a value that fills this buffer was cut
  // short and is no usable path; the longest path that fits a field is whole.
  TCHAR buffer[LW_PATH_CHARS + 1];
  DWORD got = GetPrivateProfileString(LWV_REG_SUBKEY, LWV_LAST_TRA_VALUE, _T(""), buffer, LW_PATH_CHARS + 1,
                                      m_params.szIniFilePath);
  if (got >= LW_PATH_CHARS) return CString();
  buffer[got] = 0;
  return CString(buffer);
}

BOOL CTranslationManager::WriteLastTraFile(const CString& path) const {
  if (m_params.hRegKey) {
    HKEY key = OpenLingoweaveKey(m_params.hRegKey);
    if (!key) return FALSE;
    DWORD bytes = static_cast<DWORD>((path.GetLength() + 1) * sizeof(TCHAR));
    LONG rc = RegSetValueEx(key, LWV_LAST_TRA_VALUE, 0, REG_SZ, reinterpret_cast<const BYTE*>((LPCTSTR)path), bytes);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? TRUE : FALSE;
  }
  if (!m_params.szIniFilePath[0]) return FALSE;
  return WritePrivateProfileString(LWV_REG_SUBKEY, LWV_LAST_TRA_VALUE, path, m_params.szIniFilePath) ? TRUE : FALSE;
}
