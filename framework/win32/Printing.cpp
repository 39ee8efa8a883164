#include "Printing.h"

#include "CommonDialogs.h"
#include "Wnd.h"

namespace {

class CPrinterJob : public CPrintJob {
 public:
  explicit CPrinterJob(HDC printer) { m_dc.Attach(printer); }
  ~CPrinterJob() override {
    if (m_bStarted) ::AbortDoc(m_dc);
    m_dc.DeleteDC();
  }
  CDC* GetDC() override { return &m_dc; }
  CRect GetPageRect() override {
    return CRect(0, 0, ::GetDeviceCaps(m_dc, HORZRES), ::GetDeviceCaps(m_dc, VERTRES));
  }
  BOOL StartDoc(LPCTSTR name) override {
    DOCINFO info = {};
    info.cbSize = sizeof(info);
    info.lpszDocName = name;
    m_bStarted = ::StartDoc(m_dc, &info) > 0;
    return m_bStarted;
  }
  BOOL StartPage() override { return ::StartPage(m_dc) > 0; }
  BOOL EndPage() override { return ::EndPage(m_dc) > 0; }
  BOOL EndDoc() override {
    m_bStarted = false;
    return ::EndDoc(m_dc) > 0;
  }
  void AbortDoc() override {
    if (m_bStarted) ::AbortDoc(m_dc);
    m_bStarted = false;
  }

 private:
  CDC m_dc;
  bool m_bStarted = false;
};

lw::PrinterSource& Source() {
  static lw::PrinterSource source;
  return source;
}

std::unique_ptr<CPrintJob> FromPrintDialog(CWnd* owner, CPrintInfo& info) {
  CPrintDialog dialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                      owner);
  dialog.m_pd.Flags |= PD_RETURNDC;
  if (info.m_bDirect) dialog.m_pd.Flags |= PD_RETURNDEFAULT;
  if (dialog.DoModal() != IDOK || !dialog.m_pd.hDC) return nullptr;
  HDC printer = dialog.m_pd.hDC;
  dialog.m_pd.hDC = nullptr;  // the job owns it now
  return lw::MakePrinterJob(printer);
}

}  // namespace

std::unique_ptr<CPrintJob> lw::MakePrinterJob(HDC printer) {
  if (!printer) return nullptr;
  return std::make_unique<CPrinterJob>(printer);
}

void lw::SetPrinterSource(PrinterSource source) { Source() = std::move(source); }

std::unique_ptr<CPrintJob> lw::AskForPrinter(CWnd* owner, CPrintInfo& info) {
  return Source() ? Source()(owner, info) : FromPrintDialog(owner, info);
}
