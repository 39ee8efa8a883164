// The assistant's page road: the sheet order of the pages, where Next and
// Back lead from each page for the current settings, and which wizard
// buttons a page offers. Decides only; the pages apply the answers.
#pragma once

#include "IntegrationSettings.h"

// Pages by template id.
enum GuidePage {
  kPageCompileProject = 121,
  kPageChooseIde = 146,
  kPageOptions = 130,
  kPageScanNow = 134,
  kPageLibToProject = 131,
  kPageLib2ToProject = 147,
  kPageHeaderToStdafx = 132,
  kPageVirtFunc = 135,
  kPageExternHeader = 136,
  kPageCompileCast = 137,
  kPageCastError = 142,
  kPageAddHandler = 139,
  kPageTraCreate = 138,
  kPageTestProgram = 140,
  kPageRuntimeProblem = 141,
  kPageCompletion = 119,
  kPageIncludeSdkHeader = 148,
  kPageIncludeDllHeader = 149,
  kPageDllToProject = 150,
  kPageStartCode = 151,
  kPageStartNoCode = 153,
  kPageLoadString = 152,
  kPageVirtFunc2 = 154,
  kPageTraCreate2 = 155,
};

// Wizard button flags as the sheet takes them.
enum GuideButtons { kButtonBack = 1, kButtonNext = 2, kButtonFinish = 4 };

const int kGuidePageCount = 24;
// The pages in the order they are added to the sheet.
extern const int kGuideSheetOrder[kGuidePageCount];

// What the road depends on: the settings and the last scan's findings.
struct GuideRoad {
  int ide = kIdeVisualCpp;
  bool mfc = false;
  bool menu = true;
  bool compileErrors = true;
  bool runtimeProblems = true;
  bool externHeaders = false;  // "none" without an analyser
  bool fixHits = false;        // "none" without an analyser
};
GuideRoad GuideRoadOf(const CIntegrationSettings& settings);

// The page Next or Back leads to, or 0 for the neighbouring page in the
// sheet order (also for a page id that is not one of the pages).
int GuideNextPage(int page, const GuideRoad& road);
int GuideBackPage(int page, const GuideRoad& road);

// The page a Next or Back answer of page means: the answer itself, or for 0
// the neighbour in the sheet order; 0 when there is none.
int GuideResolvePage(int page, int answer, bool forward);

// Buttons a page offers when it becomes active. choiceMade: the page's own
// radio group has a choice (pages 146, 137, 140; ignored elsewhere).
int GuideActivationButtons(int page, const CIntegrationSettings& settings, bool choiceMade);

// Buttons of the scan page after its scan: Back and Next when it completed,
// Back alone after a failure, so another project can be chosen.
int GuideScanDoneButtons(bool completed);
