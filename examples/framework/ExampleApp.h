// The class-library example's application: starts Lingoweave in
// InitInstance with the start code of WeaveGuide's start-code page
// (GuideStartCode.inc, written by the build), then opens the main frame.
#pragma once

#include "StdAfx.h"

class CExampleApp : public CWinApp {
 public:
  BOOL InitInstance() override;
  int ExitInstance() override;
};
