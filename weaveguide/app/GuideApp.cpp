#include "GuideApp.h"

#include "GuideIds.h"
#include "GuidePictureChoice.h"
#include "LwvProgram.h"
#include "WelcomeDlg.h"
#include "Wizard97Sheet.h"

#include <cstdlib>
#include <cstring>

BEGIN_MESSAGE_MAP(CWeaveGuideApp, __X_CWinApp)
  ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CWeaveGuideApp::CWeaveGuideApp() : m_settings(new CIntegrationSettings) {}

CWeaveGuideApp::~CWeaveGuideApp() {
  if (m_hLwvKey) ::RegCloseKey(m_hLwvKey);
  delete m_settings;
}

CIntegrationSettings& GuideSettings() { return *static_cast<CWeaveGuideApp*>(AfxGetApp())->m_settings; }

BOOL CWeaveGuideApp::InitInstance() {
  UseGuideProfile();
  StartTranslation(ProgramFolder());
  RunAssistant();
  return FALSE;
}

void CWeaveGuideApp::UseGuideProfile() {
  SetRegistryKey(_T("Lingoweave"));
  free(const_cast<LPTSTR>(m_pszProfileName));
  m_pszProfileName = _tcsdup(_T("Assistant"));
}

CString CWeaveGuideApp::ProgramFolder() {
  TCHAR program[MAX_PATH] = {0};
  DWORD length = ::GetModuleFileName(nullptr, program, MAX_PATH);
  CString path(program, length < MAX_PATH ? static_cast<int>(length) : 0);
  int slash = path.ReverseFind(_T('\\'));
  return slash < 0 ? path : path.Left(slash);
}

void CWeaveGuideApp::StartTranslation(const CString& folder) {
  LW_STARTPARAMS params;
  std::memset(&params, 0, sizeof(params));
  lstrcpyn(params.szStdFile, folder + _T("\\WeaveGuideU.tra"), LW_PATH_CHARS);
  lstrcpyn(params.szTraPath, folder, LW_PATH_CHARS);
  params.bAutoSwitchCommand = TRUE;
  params.nSwitchCommandID = 0x1234;
  params.nSwitchMainMenuPos = 1;
  params.bSwitchDlgAllowOld = TRUE;
  params.nSwitchDlgHelpID = 123;
  if (m_hLwvKey) ::RegCloseKey(m_hLwvKey);
  m_hLwvKey = GetAppRegistryKey();
  params.hRegKey = m_hLwvKey;
  params.nSwitchBroadcastMsg = 0;
  LWStart(&params);  // without the file the assistant runs in German
  LWAddThread(::GetCurrentThreadId());
}

int CWeaveGuideApp::ScreenColourBits() {
  HDC screen = ::GetDC(nullptr);
  if (!screen) return 0;
  int bits = ::GetDeviceCaps(screen, BITSPIXEL);
  ::ReleaseDC(nullptr, screen);
  return bits;
}

void CWeaveGuideApp::RunAssistant() {
  const bool highColour = GuideUsesHighColourPictures(ScreenColourBits());
  CBitmap watermark, header;
  watermark.LoadBitmap(highColour ? IDB_WATERMARK : IDB_WATERMARK_LOW);
  header.LoadBitmap(highColour ? IDB_HEADER : IDB_HEADER_LOW);

  CWelcomeDlg welcome(&watermark);
  if (welcome.DoModal() == IDOK) {
    CWizard97Sheet sheet(IDS_CAPTION, nullptr, 0, watermark, nullptr, header);
    sheet.m_psh.hInstance = ::GetModuleHandle(nullptr);
    m_pMainWnd = &sheet;
    sheet.DoModal();
    m_pMainWnd = nullptr;
  }
  watermark.DeleteObject();
  header.DeleteObject();
}

// There is no help file: "Hilfe" leaves the welcome dialog as it is.
void CWeaveGuideApp::OnHelp() {}
