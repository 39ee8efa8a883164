// The sample host program's application object.
#pragma once

#include "FrameworkWin.h"

class CSampleApp : public CWinApp {
 public:
  BOOL InitInstance() override;
};
