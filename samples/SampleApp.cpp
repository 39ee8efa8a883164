#include "SampleApp.h"

#include "resource.h"

#include <cstring>

BOOL CSampleApp::InitInstance() {
  UseSampleProfile();
  StartTranslation(ProgramFolder());
  return CreateMainFrame() != nullptr;  // then the framework's message loop
}

void CSampleApp::UseSampleProfile() { UseProfile(_T("Beispiel")); }

void CSampleApp::StartTranslation(const CString& folder, const CString& file) {
  LW_STARTPARAMS params;
  std::memset(&params, 0, sizeof(params));
  params.bAutoSwitchCommand = TRUE;
  params.nSwitchCommandID = ID_LANGUAGE_SWITCH;
  params.nSwitchMainMenuPos = 2;  // "&Extras"
  params.nSwitchBroadcastMsg = WM_SAMPLE_LANGUAGE_CHANGED;
  StartLanguageFile(folder, file, params);  // without the file the program runs in German
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
