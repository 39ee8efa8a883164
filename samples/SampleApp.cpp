#include "SampleApp.h"

#include "SampleDlg.h"

#include <cstdlib>
#include <cstring>

CSampleApp theApp;

// The main dialog runs modally; the program ends when it closes.
BOOL CSampleApp::InitInstance() {
  SetRegistryKey(_T("Lingoweave"));
  free(const_cast<LPTSTR>(m_pszProfileName));
  m_pszProfileName = _tcsdup(_T("Beispiel"));

  StartTranslation();

  CSampleDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}

// The language file beside the program, the program's folder for the switch
// dialog and the application key for the remembered file; then the hooks
// for this thread, before any window exists.
void CSampleApp::StartTranslation() {
  TCHAR program[MAX_PATH] = {0};
  DWORD length = ::GetModuleFileName(nullptr, program, MAX_PATH);
  CString folder(program, length < MAX_PATH ? static_cast<int>(length) : 0);
  folder = folder.Left(folder.ReverseFind(_T('\\')) + 1);

  LW_STARTPARAMS params;
  std::memset(&params, 0, sizeof(params));
  params.dwSize = sizeof(params);
  lstrcpyn(params.szStdFile, folder + SAMPLE_TRA_FILE, LW_PATH_CHARS);
  lstrcpyn(params.szTraPath, folder, LW_PATH_CHARS);
  m_hLwvKey = GetAppRegistryKey();
  params.hRegKey = m_hLwvKey;
  LWStart(&params);  // without the file the program runs in German
  LWAddThread(::GetCurrentThreadId());
}

int CSampleApp::ExitInstance() {
  int code = __X_CWinApp::ExitInstance();  // ends the library
  if (m_hLwvKey) ::RegCloseKey(m_hLwvKey);
  m_hLwvKey = nullptr;
  return code;
}
