// The sample host program's application object. It runs translated: the
// library starts before the main dialog and ends with the program.
#pragma once

#include "FrameworkWin.h"
#include "LwvMFC.h"

// The English language file the program looks for beside itself.
#define SAMPLE_TRA_FILE _T("LwvSample.tra")

class CSampleApp : public __X_CWinApp {
 public:
  BOOL InitInstance() override;
  int ExitInstance() override;

 private:
  void StartTranslation();

  HKEY m_hLwvKey = nullptr;  // the application key the library remembers its file under
};
