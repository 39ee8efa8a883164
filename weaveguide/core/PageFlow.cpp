#include "PageFlow.h"

const int kGuideSheetOrder[kGuidePageCount] = {
    kPageCompileProject, kPageChooseIde,        kPageOptions,       kPageScanNow,         kPageLibToProject,
    kPageLib2ToProject,  kPageHeaderToStdafx,   kPageVirtFunc,      kPageExternHeader,    kPageCompileCast,
    kPageCastError,      kPageAddHandler,       kPageTraCreate,     kPageTestProgram,     kPageRuntimeProblem,
    kPageCompletion,     kPageIncludeSdkHeader, kPageIncludeDllHeader, kPageDllToProject, kPageStartCode,
    kPageStartNoCode,    kPageLoadString,       kPageVirtFunc2,     kPageTraCreate2};

GuideRoad GuideRoadOf(const CIntegrationSettings& s) {
  GuideRoad road;
  road.ide = s.m_ideKind;
  road.mfc = s.m_mfc;
  road.menu = s.m_menu;
  road.compileErrors = s.m_compileErrors;
  road.runtimeProblems = s.m_runtimeProblems;
  road.externHeaders = s.HasExternHeaders();
  road.fixHits = s.HasFixHits();
  return road;
}

namespace {

bool OtherIde(const GuideRoad& s) { return s.ide != kIdeVisualCpp; }

// After the compile result, or straight on when there is nothing to fix.
int MakeLanguageFileOrHandler(const GuideRoad& s) {
  if (!s.menu) return kPageAddHandler;
  return OtherIde(s) ? kPageTraCreate2 : kPageTraCreate;
}

int BackOfAddHandler(const GuideRoad& s) {
  if (s.ide == kIdeOther) return kPageLoadString;
  if (OtherIde(s) || !s.mfc) return kPageStartCode;
  return s.compileErrors ? kPageCastError : kPageCompileCast;
}

}  // namespace

int GuideNextPage(int page, const GuideRoad& s) {
  switch (page) {
    case kPageOptions:
      if (s.ide == kIdeVisualCpp) return s.mfc ? kPageScanNow : kPageLibToProject;
      return s.ide == kIdeOtherCpp ? kPageLib2ToProject : kPageDllToProject;
    case kPageScanNow: return kPageLibToProject;
    case kPageLibToProject:
    case kPageLib2ToProject: return s.mfc ? kPageHeaderToStdafx : kPageIncludeSdkHeader;
    case kPageHeaderToStdafx:
    case kPageIncludeSdkHeader: return kPageStartCode;
    case kPageDllToProject: return kPageIncludeDllHeader;
    case kPageIncludeDllHeader: return kPageStartNoCode;
    case kPageStartNoCode: return kPageLoadString;
    case kPageLoadString: return s.menu ? kPageTraCreate2 : kPageAddHandler;
    case kPageStartCode:
      if (!s.mfc) return s.menu ? kPageTraCreate : kPageAddHandler;
      if (OtherIde(s)) return kPageVirtFunc2;
      if (s.externHeaders) return kPageExternHeader;
      return s.fixHits ? kPageVirtFunc : kPageCompileCast;
    case kPageVirtFunc2: return kPageCompileCast;
    case kPageExternHeader: return s.fixHits ? kPageVirtFunc : kPageCompileCast;
    case kPageVirtFunc: return kPageCompileCast;
    case kPageCompileCast: return s.compileErrors ? kPageCastError : MakeLanguageFileOrHandler(s);
    case kPageCastError: return MakeLanguageFileOrHandler(s);
    case kPageAddHandler: return OtherIde(s) ? kPageTraCreate2 : kPageTraCreate;
    case kPageTraCreate2: return kPageTestProgram;
    case kPageTestProgram: return s.runtimeProblems ? 0 : kPageCompletion;
    default: return 0;
  }
}

int GuideBackPage(int page, const GuideRoad& s) {
  switch (page) {
    case kPageOptions: return kPageChooseIde;
    case kPageScanNow:
    case kPageLibToProject:
    case kPageLib2ToProject:
    case kPageDllToProject: return kPageOptions;
    case kPageHeaderToStdafx:
    case kPageIncludeSdkHeader: return OtherIde(s) ? kPageLib2ToProject : kPageLibToProject;
    case kPageIncludeDllHeader: return kPageDllToProject;
    case kPageStartNoCode: return kPageIncludeDllHeader;
    case kPageLoadString: return kPageStartNoCode;
    case kPageStartCode: return s.mfc ? kPageHeaderToStdafx : kPageIncludeSdkHeader;
    case kPageVirtFunc2:
    case kPageExternHeader: return kPageStartCode;
    case kPageVirtFunc: return s.externHeaders ? kPageExternHeader : kPageStartCode;
    case kPageCompileCast:
      if (s.ide == kIdeOtherCpp) return kPageVirtFunc2;
      if (s.fixHits) return kPageVirtFunc;
      return s.externHeaders ? kPageExternHeader : kPageStartCode;
    case kPageAddHandler: return BackOfAddHandler(s);
    case kPageTraCreate:
    case kPageTraCreate2: return s.menu ? BackOfAddHandler(s) : kPageAddHandler;
    case kPageCompletion: return s.runtimeProblems ? 0 : kPageTestProgram;
    default: return 0;
  }
}

int GuideResolvePage(int page, int answer, bool forward) {
  if (answer != 0) return answer;
  for (int i = 0; i < kGuidePageCount; ++i) {
    if (kGuideSheetOrder[i] != page) continue;
    int neighbour = forward ? i + 1 : i - 1;
    return neighbour >= 0 && neighbour < kGuidePageCount ? kGuideSheetOrder[neighbour] : 0;
  }
  return 0;
}

int GuideActivationButtons(int page, const CIntegrationSettings& s, bool choiceMade) {
  switch (page) {
    case kPageCompileProject: return kButtonNext;
    case kPageChooseIde:
    case kPageCompileCast:
    case kPageTestProgram: return choiceMade ? kButtonBack | kButtonNext : kButtonBack;
    case kPageOptions:
      if (s.m_ideKind == kIdeVisualCpp && s.m_mfc && s.m_projectPath.IsEmpty()) return kButtonBack;
      return kButtonBack | kButtonNext;
    case kPageScanNow: return 0;
    case kPageCompletion: return kButtonBack | kButtonNext | kButtonFinish;
    default: return kButtonBack | kButtonNext;
  }
}

int GuideScanDoneButtons(bool completed) { return completed ? kButtonBack | kButtonNext : kButtonBack; }
