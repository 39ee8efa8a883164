// Printing a view: what one print job knows (CPrintInfo) and where its pages
// go (CPrintJob: the document calls of a printer's device context). The
// printer comes from the print dialog, or the default printer for a direct
// print, through a replaceable source so tests print into memory.
// No print preview, no page setup, no banding.
#pragma once

#include "Gdi.h"

#include <functional>
#include <memory>

class CWnd;

// The pages of one print job on a device context.
class CPrintJob {
 public:
  virtual ~CPrintJob() = default;
  virtual CDC* GetDC() = 0;
  // The printable area of a page in device units.
  virtual CRect GetPageRect() = 0;
  // Each returns FALSE when the device refuses.
  virtual BOOL StartDoc(LPCTSTR name) = 0;
  virtual BOOL StartPage() = 0;
  virtual BOOL EndPage() = 0;
  virtual BOOL EndDoc() = 0;
  virtual void AbortDoc() = 0;
};

struct CPrintInfo {
  BOOL m_bDirect = FALSE;          // no print dialog: the default printer
  BOOL m_bPreview = FALSE;         // always FALSE: there is no preview
  BOOL m_bContinuePrinting = TRUE;  // a view clears it to end the job early
  UINT m_nCurPage = 1;
  CRect m_rectDraw;                // the page being printed, device units
  std::unique_ptr<CPrintJob> m_pJob;  // set by DoPreparePrinting

  void SetMinPage(UINT page) { m_nMinPage = page; }
  void SetMaxPage(UINT page) { m_nMaxPage = page; }
  UINT GetMinPage() const { return m_nMinPage; }
  // One page unless the view says more: a printout is what the view draws.
  UINT GetMaxPage() const { return m_nMaxPage; }

 private:
  UINT m_nMinPage = 1;
  UINT m_nMaxPage = 1;
};

namespace lw {

// A job on a printer's device context, which it deletes.
std::unique_ptr<CPrintJob> MakePrinterJob(HDC printer);

// Asks for the printer (direct: takes the default one) and makes its job;
// null when the user cancels or there is no printer. Replaceable for tests;
// an empty function restores the print dialog.
using PrinterSource = std::function<std::unique_ptr<CPrintJob>(CWnd* owner, CPrintInfo& info)>;
void SetPrinterSource(PrinterSource source);
std::unique_ptr<CPrintJob> AskForPrinter(CWnd* owner, CPrintInfo& info);

}  // namespace lw
