#include "SampleApp.h"

#include "resource.h"

#include <cstdlib>
#include <cstring>

BOOL CSampleApp::InitInstance() {
  UseSampleProfile();
  StartTranslation(ProgramFolder());
  return CreateMainFrame() != nullptr;  // then the framework's message loop
}

void CSampleApp::UseSampleProfile() {
  SetRegistryKey(_T("Lingoweave"));
  free(const_cast<LPTSTR>(m_pszProfileName));
  m_pszProfileName = _tcsdup(_T("Beispiel"));
}

CString CSampleApp::ProgramFolder() {
  TCHAR program[MAX_PATH] = {0};
  DWORD length = ::GetModuleFileName(nullptr, program, MAX_PATH);
  CString path(program, length < MAX_PATH ? static_cast<int>(length) : 0);
  return path.Left(path.ReverseFind(_T('\\')) + 1);
}

void CSampleApp::StartTranslation(const CString& folder, const CString& file) {
  LW_STARTPARAMS params;
  std::memset(&params, 0, sizeof(params));
  params.dwSize = sizeof(params);
  lstrcpyn(params.szStdFile, folder + file, LW_PATH_CHARS);
  lstrcpyn(params.szTraPath, folder, LW_PATH_CHARS);
  if (m_hLwvKey) ::RegCloseKey(m_hLwvKey);
  m_hLwvKey = GetAppRegistryKey();
  params.hRegKey = m_hLwvKey;
  params.bAutoSwitchCommand = TRUE;
  params.nSwitchCommandID = ID_LANGUAGE_SWITCH;
  params.nSwitchMainMenuPos = 2;  // "&Extras"
  params.nSwitchBroadcastMsg = WM_SAMPLE_LANGUAGE_CHANGED;
  LWStart(&params);  // without the file the program runs in German
  LWAddThread(::GetCurrentThreadId());
}

CSampleFrame* CSampleApp::CreateMainFrame() {
  CSampleFrame* frame = new CSampleFrame;
  if (!frame->LoadFrame(IDR_MAINFRAME)) {
    delete frame;
    return nullptr;
  }
  m_pMainWnd = frame;
  frame->ShowWindow(m_nCmdShow);
  frame->UpdateWindow();
  return frame;
}

int CSampleApp::ExitInstance() {
  int code = __X_CWinApp::ExitInstance();  // ends the library
  if (m_hLwvKey) ::RegCloseKey(m_hLwvKey);
  m_hLwvKey = nullptr;
  return code;
}
