#include "XWinApp.h"

#include "LwvPaths.h"
#include "LwvSDK.h"

#include <cstdlib>

namespace {

CString ProgramPath() {
  TCHAR program[MAX_PATH] = {0};
  const DWORD length = ::GetModuleFileName(nullptr, program, MAX_PATH);
  return CString(program, length < MAX_PATH ? static_cast<int>(length) : 0);
}

}  // namespace

__X_CWinApp::~__X_CWinApp() {
  if (m_hLwvKey) ::RegCloseKey(m_hLwvKey);
}

CString __X_CWinApp::ProgramFolder() { return LwFolderOf(ProgramPath()); }

CString __X_CWinApp::ProgramHelpFile() { return LwHelpFileOf(ProgramPath()); }

void __X_CWinApp::UseProfile(LPCTSTR profileName) {
  SetRegistryKey(_T("Lingoweave"));
  free(const_cast<LPTSTR>(m_pszProfileName));
  m_pszProfileName = _tcsdup(profileName);
}

void __X_CWinApp::StartLanguageFile(const CString& folder, LPCTSTR file, LW_STARTPARAMS& params) {
  params.dwSize = sizeof(params);
  const bool separated = !folder.IsEmpty() && folder[folder.GetLength() - 1] == _T('\\');
  lstrcpyn(params.szStdFile, folder + (separated ? _T("") : _T("\\")) + file, LW_PATH_CHARS);
  lstrcpyn(params.szTraPath, folder, LW_PATH_CHARS);
  if (m_hLwvKey) ::RegCloseKey(m_hLwvKey);
  m_hLwvKey = GetAppRegistryKey();
  params.hRegKey = m_hLwvKey;
  LWStart(&params);
  LWAddThread(::GetCurrentThreadId());
}

int __X_CWinApp::ExitInstance() {
  LWEnd();
  const int code = CWinApp::ExitInstance();
  if (m_hLwvKey) ::RegCloseKey(m_hLwvKey);
  m_hLwvKey = nullptr;
  return code;
}
