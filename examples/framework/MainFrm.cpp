#include "StdAfx.h"

#include "MainFrm.h"

#include "ExampleCheck.h"
#include "ExampleIds.h"

namespace {
const UINT kIndicators[] = {ID_SEPARATOR};
}

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND(ID_HELLO, OnHello)
  ON_MESSAGE(WM_EXAMPLE_CHECK, OnCheck)
END_MESSAGE_MAP()

int CMainFrame::OnCreate(LPCREATESTRUCT cs) {
  if (CFrameWnd::OnCreate(cs) == -1) return -1;
  if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(kIndicators, 1)) return -1;
  return 0;
}

// The prompt of the command (the text before the line feed), built from its
// id and so in the current language, behind the program's prefix.
void CMainFrame::GetMessageString(UINT nID, CString& rMessage) const {
  const CString full(MAKEINTRESOURCE(nID));
  const int end = full.Find(_T('\n'));
  rMessage = EXAMPLE_PROMPT_PREFIX + full.Left(end >= 0 ? end : full.GetLength());
}

void CMainFrame::OnHello() {
  CDialog hello(IDD_HELLO, this);
  hello.DoModal();
}

LRESULT CMainFrame::OnCheck(WPARAM, LPARAM) {
  ExampleRunCheck(this);
  return 0;
}
