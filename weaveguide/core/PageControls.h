// Which controls of the environment and options pages are enabled or shown
// for the current answers. Decides only; the pages apply it to their windows.
#pragma once

#include "IntegrationSettings.h"

struct GuideIdePageControls {
  bool frameworkEnabled;  // the framework question and its check
  bool integrateShown;    // the IDE integration question and its button
};
// For the environment radio value (-1 = none chosen).
GuideIdePageControls GuideIdePageControlsFor(int ideRadio);

struct GuideOptionsPageControls {
  bool projectShown;       // prompt, path and browse button
  bool preprocessorShown;  // question and check
};
GuideOptionsPageControls GuideOptionsPageControlsFor(const CIntegrationSettings& settings);
