// CView's print commands: one job per command, every page what OnPrint draws.
#include "AppServices.h"
#include "FrameworkIds.h"
#include "FrameworkText.h"
#include "View.h"

namespace {

// Ends the document on every way out; a job not ended normally is aborted.
class CJobScope {
 public:
  explicit CJobScope(CPrintJob& job) : m_job(job) {}
  ~CJobScope() {
    if (!m_bEnded) m_job.AbortDoc();
  }
  BOOL End() {
    m_bEnded = true;
    return m_job.EndDoc();
  }

 private:
  CPrintJob& m_job;
  bool m_bEnded = false;
};

}  // namespace

BOOL CView::OnPreparePrinting(CPrintInfo* info) { return DoPreparePrinting(info); }

BOOL CView::DoPreparePrinting(CPrintInfo* info) {
  if (!info) return FALSE;
  info->m_pJob = lw::AskForPrinter(this, *info);
  return info->m_pJob != nullptr;
}

void CView::OnFilePrint() { PrintJob(FALSE); }

void CView::OnFilePrintDirect() { PrintJob(TRUE); }

void CView::PrintJob(BOOL direct) {
  CPrintInfo info;
  info.m_bDirect = direct;
  if (!OnPreparePrinting(&info) || !info.m_pJob) return;
  CPrintJob& job = *info.m_pJob;
  CDC* dc = job.GetDC();
  dc->m_bPrinting = TRUE;
  const CString name = m_pDocument ? m_pDocument->GetTitle() : CString();
  bool printed = false;
  if (job.StartDoc(name)) {
    CJobScope scope(job);
    OnBeginPrinting(dc, &info);
    bool pagesOk = true;
    for (info.m_nCurPage = info.GetMinPage(); pagesOk && info.m_bContinuePrinting && info.m_nCurPage <= info.GetMaxPage();
         ++info.m_nCurPage) {
      info.m_rectDraw = job.GetPageRect();
      if (!job.StartPage()) {
        pagesOk = false;
        break;
      }
      const int saved = dc->SaveDC();
      OnPrepareDC(dc);
      OnPrint(dc, &info);
      dc->RestoreDC(saved);
      pagesOk = job.EndPage() != FALSE;
    }
    OnEndPrinting(dc, &info);
    printed = pagesOk && scope.End();
  }
  if (!printed)
    AfxMessageBox(lw::FrameworkText(AFX_IDP_FAILED_TO_PRINT, _T("The printer refused to print %1."), name),
                  MB_OK | MB_ICONEXCLAMATION);
}
