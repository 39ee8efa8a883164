// CWeaveMakerApp: starts the library on the wizard's own language file and
// runs the main dialog; the language switch command is its own.
#pragma once

#include "XWinApp.h"

class CWeaveMakerApp : public __X_CWinApp {
 public:
  BOOL InitInstance() override;
  void OnSwitchLanguage();

  // Registry key, profile and the library on WeaveMakerU.tra in folder.
  void StartTranslation(const CString& folder);

 protected:
  DECLARE_MESSAGE_MAP()
};
