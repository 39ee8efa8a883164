#include "RememberedLanguage.h"

#include "TranslationManager.h"

namespace lwtest {

namespace {

CString LibraryKey(const CString& profile) { return profile + _T("\\") LWV_REG_SUBKEY; }

}  // namespace

CString RememberedLanguageFile(const CString& profile) {
  TCHAR value[MAX_PATH] = {0};
  DWORD bytes = sizeof(value) - sizeof(TCHAR);
  HKEY key = nullptr;
  if (::RegOpenKeyEx(HKEY_CURRENT_USER, LibraryKey(profile), 0, KEY_READ, &key) != ERROR_SUCCESS) return CString();
  ::RegQueryValueEx(key, LWV_LAST_TRA_VALUE, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &bytes);
  ::RegCloseKey(key);
  return CString(value);
}

bool RememberLanguageFile(const CString& profile, const CString& path) {
  HKEY key = nullptr;
  if (::RegCreateKeyEx(HKEY_CURRENT_USER, LibraryKey(profile), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                       nullptr) != ERROR_SUCCESS)
    return false;
  if (path.IsEmpty())
    ::RegDeleteValue(key, LWV_LAST_TRA_VALUE);
  else
    ::RegSetValueEx(key, LWV_LAST_TRA_VALUE, 0, REG_SZ, reinterpret_cast<const BYTE*>(path.GetString()),
                    static_cast<DWORD>((path.GetLength() + 1) * sizeof(TCHAR)));
  ::RegCloseKey(key);
  return true;
}

void ForgetLanguageFile(const CString& profile) {
  HKEY key = nullptr;
  if (::RegOpenKeyEx(HKEY_CURRENT_USER, LibraryKey(profile), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  ::RegDeleteValue(key, LWV_LAST_TRA_VALUE);
  ::RegCloseKey(key);
}

}  // namespace lwtest
