#include "StdAfx.h"

#include "ExampleApp.h"

#include "ExampleCheck.h"
#include "ExampleIds.h"
#include "MainFrm.h"

CExampleApp theApp;

BOOL CExampleApp::InitInstance() {
  ExamplePrepareCheck(m_lpCmdLine);
#include "GuideStartCode.inc"

  CMainFrame* frame = new CMainFrame;
  if (!frame->LoadFrame(IDR_MAINFRAME)) {
    delete frame;
    return FALSE;
  }
  m_pMainWnd = frame;
  frame->ShowWindow(m_nCmdShow);
  frame->UpdateWindow();
  if (ExampleChecking()) frame->PostMessage(WM_EXAMPLE_CHECK);
  return TRUE;
}

int CExampleApp::ExitInstance() {
  LWEnd();
  const int code = CWinApp::ExitInstance();
  return ExampleChecking() ? ExampleCheckResult() : code;
}
