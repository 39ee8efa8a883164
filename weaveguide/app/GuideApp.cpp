#include "GuideApp.h"

#include "GuideIds.h"
#include "GuidePictureChoice.h"
#include "LwvProgram.h"
#include "WelcomeDlg.h"
#include "Wizard97Sheet.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CWeaveGuideApp, __X_CWinApp)
  ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CWeaveGuideApp::CWeaveGuideApp() : m_settings(new CIntegrationSettings) {}

CWeaveGuideApp::~CWeaveGuideApp() { delete m_settings; }

CIntegrationSettings& GuideSettings() { return *static_cast<CWeaveGuideApp*>(AfxGetApp())->m_settings; }

BOOL CWeaveGuideApp::InitInstance() {
  UseGuideProfile();
  StartTranslation(ProgramFolder());
  RunAssistant();
  return FALSE;
}

void CWeaveGuideApp::UseGuideProfile() { UseProfile(_T("Assistant")); }

void CWeaveGuideApp::StartTranslation(const CString& folder) {
  LW_STARTPARAMS params;
  std::memset(&params, 0, sizeof(params));
  params.bAutoSwitchCommand = TRUE;
  params.nSwitchCommandID = 0x1234;
  params.nSwitchMainMenuPos = 1;
  params.bSwitchDlgAllowOld = TRUE;
  params.nSwitchDlgHelpID = 123;
  params.nSwitchBroadcastMsg = 0;
  StartLanguageFile(folder, _T("WeaveGuideU.tra"), params);  // without the file the assistant runs in German
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
    CWizard97Sheet sheet(*m_settings, IDS_CAPTION, nullptr, 0, watermark, nullptr, header);
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
