#include "ScanNowPage.h"

#include "ProgramTexts.h"

#include "GuideIds.h"
#include "PageFlow.h"
#include "ProjectScan.h"

void CScanProgressCtrl::ShowPercent(int percent) {
  m_shown = percent;
  if (!::IsWindow(m_hWnd)) return;
  SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  SendMessage(PBM_SETPOS, static_cast<WPARAM>(percent));
  Invalidate(TRUE);
  MSG msg;
  // The close box or Cancel may end the sheet meanwhile: nothing here
  // touches a window after the messages ran.
  while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
}

BEGIN_MESSAGE_MAP(CScanNowPage, CGuidePage)
  ON_COMMAND(ID_GUIDE_SCAN, OnScan)
END_MESSAGE_MAP()

CScanNowPage::CScanNowPage() : CGuidePage(IDD_SCAN_NOW, 208, 209) {}

void CScanNowPage::DoDataExchange(CDataExchange* dx) { DDX_Control(dx, IDC_SCAN_PROGRESS, m_progress); }

BOOL CScanNowPage::OnSetActive() {
  PostWizardButtons(0);
  const CGuideStrings& strings = GuideProgramStrings();
  SetDlgItemText(IDC_SCAN_STATE, strings.Load(IDS_SCAN_TAKES_TIME));
  SetDlgItemText(IDC_SCAN_INTRO, strings.Load(IDS_SCAN_INTRO));
  ShowItem(IDC_SCAN_PROGRESS, true);
  BOOL result = CPropertyPageEx::OnSetActive();
  PostMessage(WM_COMMAND, ID_GUIDE_SCAN);
  return result;
}

void CScanNowPage::OnScan() {
  PostWizardButtons(0);
  const HWND page = m_hWnd;
  const GuideScanOutcome outcome = GuideScanProject(Settings(), &m_progress);
  if (!::IsWindow(page)) return;  // the sheet was closed during the scan
  // In the program's language: the framework's reason is English.
  if (!outcome.completed)
    AfxMessageBox(outcome.outOfMemory ? LwStringTableTexts().Text(IDS_SCAN_NO_MEMORY)
                                      : LwStringTableTexts().Format(IDS_SCAN_UNREADABLE, outcome.file),
                  MB_OK | MB_ICONEXCLAMATION);
  if (!::IsWindow(page)) return;
  PostWizardButtons(GuideScanDoneButtons(outcome.completed));
  if (outcome.completed) {
    SetDlgItemText(IDC_SCAN_STATE, GuideProgramStrings().Load(IDS_SCAN_DONE));
    ShowItem(IDC_SCAN_PROGRESS, false);
  }
}
