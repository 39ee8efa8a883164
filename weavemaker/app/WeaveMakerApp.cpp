#include "WeaveMakerApp.h"

#include "LwvProgram.h"
#include "LwvSDK.h"
#include "WeaveMakerDlg.h"
#include "WeaveMakerIds.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CWeaveMakerApp, __X_CWinApp)
  ON_COMMAND(ID_SWITCH_LANGUAGE, OnSwitchLanguage)
END_MESSAGE_MAP()

void CWeaveMakerApp::StartTranslation(const CString& folder) {
  UseProfile(_T("WeaveMakerU"));
  LW_STARTPARAMS params;
  std::memset(&params, 0, sizeof(params));
  StartLanguageFile(folder, _T("WeaveMakerU.tra"), params);
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

void CWeaveMakerApp::OnSwitchLanguage() {
  LWSwitchDialog();
  CWeaveMakerDlg* dialog = dynamic_cast<CWeaveMakerDlg*>(m_pMainWnd);
  if (!dialog || !dialog->m_hWnd) return;
  dialog->OnLanguageSwitched();
}
