// The application base of translated programs: its ExitInstance ends the library.
#pragma once

#include "FrameworkWin.h"

class __X_CWinApp : public CWinApp {
 public:
  explicit __X_CWinApp(LPCTSTR appName = nullptr) : CWinApp(appName) {}
  int ExitInstance() override;
};
