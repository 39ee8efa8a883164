#include "SampleApp.h"

#include "SampleDlg.h"

#include <cstdlib>

CSampleApp theApp;

// The main dialog runs modally; the program ends when it closes.
BOOL CSampleApp::InitInstance() {
  SetRegistryKey(_T("Lingoweave"));
  free(const_cast<LPTSTR>(m_pszProfileName));
  m_pszProfileName = _tcsdup(_T("Beispiel"));

  CSampleDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}
