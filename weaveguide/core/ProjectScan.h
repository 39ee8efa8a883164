// The scan page's work without its window: read the chosen project file,
// replace the settings' file list and analyser, run the analyser. Failures
// (a project or source file that cannot be read, memory) end up in the
// outcome, never as an exception.
#pragma once

#include "IntegrationSettings.h"

struct GuideScanOutcome {
  bool completed = false;
  bool outOfMemory = false;
  CString file;   // the file that could not be read
  CString error;  // the framework's reason, for logs; not shown (it is English)
};

GuideScanOutcome GuideScanProject(CIntegrationSettings& settings, CSegmentedProgress* progress);
