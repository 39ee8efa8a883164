#include "WeaveMakerApp.h"

#include "LwvProgram.h"
#include "LwvSDK.h"
#include "WeaveMakerDlg.h"
#include "WeaveMakerIds.h"
#include "WizardProject.h"

#include <cstdlib>
#include <cstring>

BEGIN_MESSAGE_MAP(CWeaveMakerApp, __X_CWinApp)
  ON_COMMAND(ID_SWITCH_LANGUAGE, OnSwitchLanguage)
END_MESSAGE_MAP()

CString CWeaveMakerApp::ProgramFolder() {
  TCHAR module[MAX_PATH] = {0};
  const DWORD length = ::GetModuleFileName(nullptr, module, MAX_PATH);
  CString path(module, length < MAX_PATH ? static_cast<int>(length) : 0);
  const int slash = path.ReverseFind(_T('\\'));
  return slash < 0 ? path : path.Left(slash);
}

void CWeaveMakerApp::StartTranslation(const CString& folder) {
  SetRegistryKey(_T("Lingoweave"));
  free(const_cast<LPTSTR>(m_pszProfileName));
  m_pszProfileName = _tcsdup(_T("WeaveMakerU"));
  LW_STARTPARAMS params;
  std::memset(&params, 0, sizeof(params));
  params.dwSize = sizeof(params);
  lstrcpyn(params.szStdFile, folder + _T("\\WeaveMakerU.tra"), LW_PATH_CHARS);
  lstrcpyn(params.szTraPath, folder, LW_PATH_CHARS);
  if (m_hAppKey) ::RegCloseKey(m_hAppKey);
  m_hAppKey = GetAppRegistryKey();
  params.hRegKey = m_hAppKey;
  LWStart(&params);
  LWAddThread(::GetCurrentThreadId());
  SetWizardTextLoader(LWLoadString);
}

BOOL CWeaveMakerApp::InitInstance() {
  InitCommonControls();
  StartTranslation(ProgramFolder());
  CWeaveMakerDlg* dialog = new CWeaveMakerDlg(nullptr);
  dialog->SetCommandLine(m_lpCmdLine ? CString(m_lpCmdLine) : CString());
  m_pMainWnd = dialog;
  dialog->DoModal();
  m_pMainWnd = nullptr;
  delete dialog;
  return FALSE;
}

int CWeaveMakerApp::ExitInstance() {
  const int code = __X_CWinApp::ExitInstance();  // ends the library
  if (m_hAppKey) ::RegCloseKey(m_hAppKey);
  m_hAppKey = nullptr;
  return code;
}

void CWeaveMakerApp::OnSwitchLanguage() {
  LWSwitchDialog();
  CWeaveMakerDlg* dialog = dynamic_cast<CWeaveMakerDlg*>(m_pMainWnd);
  if (!dialog || !dialog->m_hWnd) return;
  dialog->OnLanguageSwitched();
}
