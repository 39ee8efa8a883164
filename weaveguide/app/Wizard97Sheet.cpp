#include "Wizard97Sheet.h"

// The Wizard97 style flag as version 4.71 of the common controls defines it.
static const DWORD kWizard97 = 0x2000;

CWizard97Sheet::CWizard97Sheet(CIntegrationSettings& settings, UINT captionId, CWnd* parent, UINT selectPage,
                               HBITMAP watermark, HPALETTE palette, HBITMAP header)
    : CPropertySheetEx(captionId, parent, selectPage, watermark, palette, header) {
  AddPages(settings);
  m_psh.dwFlags |= kWizard97;
}

void CWizard97Sheet::AddPages(CIntegrationSettings& settings) {
  CGuidePage* pages[] = {&m_compileProject, &m_chooseIde,      &m_options,          &m_scanNow,
                         &m_libToProject,   &m_lib2ToProject,  &m_headerToStdafx,   &m_virtFunc,
                         &m_externHeader,   &m_compileCast,    &m_castError,        &m_addHandler,
                         &m_traCreate,      &m_testProgram,    &m_runtimeProblem,   &m_completion,
                         &m_includeSdkHeader, &m_includeDllHeader, &m_dllToProject, &m_startCode,
                         &m_startNoCode,    &m_loadString,     &m_virtFunc2,        &m_traCreate2};
  for (CGuidePage* page : pages) {
    page->SetSettings(&settings);
    AddPage(page);
  }
}

BOOL CWizard97Sheet::PreCreateWindow(CREATESTRUCT& cs) {
  cs.style |= WS_MINIMIZEBOX;
  return CPropertySheetEx::PreCreateWindow(cs);
}

BOOL CWizard97Sheet::OnInitDialog() {
  BOOL result = CPropertySheetEx::OnInitDialog();
  ModifyStyle(0, WS_MINIMIZEBOX);
  SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  return result;
}
