// The sample host program's application object. It runs translated: the
// library starts before the main frame and ends with the program.
#pragma once

#include "SampleFrame.h"

// The original (German) language file the program looks for beside itself.
#define SAMPLE_TRA_FILE _T("LwvSample.tra")

class CSampleApp : public __X_CWinApp {
 public:
  BOOL InitInstance() override;

  // The registry key "Lingoweave" with the profile "Beispiel".
  void UseSampleProfile();
  // Starts the library: the language file file (SAMPLE_TRA_FILE unless
  // given) in folder, the folder for the
  // switch dialog, the application key for the remembered file, the switch
  // command in the "Extras" menu and WM_SAMPLE_LANGUAGE_CHANGED after a
  // switch; then the hooks for this thread.
  void StartTranslation(const CString& folder, const CString& file = SAMPLE_TRA_FILE);
  // Makes and shows the main frame (m_pMainWnd); null on failure. The
  // message loop is the caller's.
  CSampleFrame* CreateMainFrame();
};
