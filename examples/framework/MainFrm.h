// The example's main frame: a menu and a status bar whose prompts carry the
// program's own prefix, put there by its override of GetMessageString. The
// fix-macro lines of WeaveGuide's fix-macro page for this class come in
// through GuideFix_CMainFrame.inc (written by the build), so that the
// override stays an override while CString means the library's string.
#pragma once

#include "StdAfx.h"

// The prefix of every status-bar prompt.
#define EXAMPLE_PROMPT_PREFIX _T(">> ")

class CMainFrame : public CFrameWnd {
 public:
  void GetMessageString(UINT nID, CString& rMessage) const;
#include "GuideFix_CMainFrame.inc"

  CStatusBar m_wndStatusBar;

 protected:
  int OnCreate(LPCREATESTRUCT cs);
  void OnHello();
  LRESULT OnCheck(WPARAM, LPARAM);

  DECLARE_MESSAGE_MAP()
};
