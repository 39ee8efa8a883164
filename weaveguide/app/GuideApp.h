// WeaveGuide's application object: starts the library on the program's own
// language file, shows the welcome dialog and then the wizard sheet; the
// program ends when they close. Owns the developer's answers the pages share.
#pragma once

#include "FrameworkWin.h"
#include "IntegrationSettings.h"
#include "XWinApp.h"

class CWeaveGuideApp : public __X_CWinApp {
 public:
  CWeaveGuideApp();
  ~CWeaveGuideApp() override;

  // The whole life of the program; FALSE, so the framework ends it.
  BOOL InitInstance() override;

  // The registry key "Lingoweave" with the profile "Assistant".
  void UseGuideProfile();
  // Starts the library on folder\WeaveGuideU.tra and hooks this thread.
  void StartTranslation(const CString& folder);
  // The welcome dialog and, when it is left with "Beginnen", the sheet.
  void RunAssistant();
  // The bits per pixel of the screen, 0 when there is no screen DC.
  static int ScreenColourBits();

  CIntegrationSettings* m_settings;  // owned

 protected:
  void OnHelp();

  DECLARE_MESSAGE_MAP()
};

// The settings record of the running application.
CIntegrationSettings& GuideSettings();
