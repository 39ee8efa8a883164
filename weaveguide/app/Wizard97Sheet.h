// The assistant's Wizard97 sheet: the 24 pages in their sheet order (which
// decides where a page's "neighbouring page" answer leads), minimisable and
// kept above other windows. With the Wizard97 flag's version 4.71 value the
// sheet paints the header picture as the header's background from its
// top-left corner and the title over it; the picture (weaveguide/pictures)
// keeps to the margin left of the title.
#pragma once

#include "GuidePages.h"
#include "ScanNowPage.h"
#include "SettingsPages.h"
#include "TextPages.h"

class CWizard97Sheet : public CPropertySheetEx {
 public:
  // The pages read and change settings, which must outlive the sheet.
  CWizard97Sheet(CIntegrationSettings& settings, UINT captionId, CWnd* parent, UINT selectPage, HBITMAP watermark,
                 HPALETTE palette, HBITMAP header);

  // Adds the pages in sheet order, each with the settings.
  void AddPages(CIntegrationSettings& settings);

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL OnInitDialog() override;

  CCompileProjectPage m_compileProject;
  CChooseIDEPage m_chooseIde;
  CEinbauOptionsPage m_options;
  CScanNowPage m_scanNow;
  CLibToProjectPage m_libToProject;
  CLib2ToProjectPage m_lib2ToProject;
  CHeaderToStdafxPage m_headerToStdafx;
  CVirtFuncPage m_virtFunc;
  CExternHeaderPage m_externHeader;
  CCompileCastPage m_compileCast;
  CCastErrorPage m_castError;
  CAddHandlerPage m_addHandler;
  CTraCreatePage m_traCreate;
  CTestProgramPage m_testProgram;
  CRuntimeProblemPage m_runtimeProblem;
  CCompletion m_completion;
  CIncludeSDKHeaderPage m_includeSdkHeader;
  CIncludeDLLHeaderPage m_includeDllHeader;
  CDLLToProjectPage m_dllToProject;
  CStartLwvCodePage m_startCode;
  CStartLwvNoCodePage m_startNoCode;
  CLoadStringPage m_loadString;
  CVirtFunc2Page m_virtFunc2;
  CTraCreate2Page m_traCreate2;
};
