#include "StdDlgCaptureDialogs.h"

#include "Gdi.h"
#include "StdDlgRecognizer.h"

CNewFileDialogSub::CNewFileDialogSub(CStdDlgRecognizer* owner)
    : CFileDialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr, nullptr), m_pOwner(owner) {}

BOOL CNewFileDialogSub::OnInitDialog() {
  CFileDialog::OnInitDialog();
  // The framework's dialog is a child of the system's file dialog.
  HWND fileDialog = ::GetParent(m_hWnd);
  if (!fileDialog) return TRUE;
  if (m_pOwner) m_pOwner->CaptureFromWindow(fileDialog);
  ::EndDialog(fileDialog, IDCANCEL);
  return TRUE;
}

CFindDialogSub::CFindDialogSub(CStdDlgRecognizer* owner) : m_pOwner(owner) {}

BOOL CFindDialogSub::OnInitDialog() {
  CFindReplaceDialog::OnInitDialog();
  if (m_pOwner) m_pOwner->CaptureFromDialog(this);
  // Modeless: EndDialog would only hide it; the capture destroys it.
  return TRUE;
}

BEGIN_MESSAGE_MAP(CPrintDialogSub, CPrintDialog)
  ON_WM_PAINT()
END_MESSAGE_MAP()

CPrintDialogSub::CPrintDialogSub(CStdDlgRecognizer* owner, BOOL printSetupOnly, DWORD flags)
    : CPrintDialog(printSetupOnly, flags, nullptr), m_pOwner(owner), m_bMeasured(false) {}

void CPrintDialogSub::OnPaint() {
  if (m_bMeasured) {
    Default();
    return;
  }
  {
    CPaintDC dc(this);
  }
  if (m_pOwner) m_pOwner->CaptureFromDialog(this);
  m_bMeasured = true;
  // Wine's print dialog fails when it is ended inside its own WM_PAINT: it
  // is cancelled right after instead.
  PostMessage(WM_COMMAND, IDCANCEL);
}

CPageSetupDialogSub::CPageSetupDialogSub(CStdDlgRecognizer* owner, DWORD flags)
    : CPageSetupDialog(flags, nullptr), m_pOwner(owner) {}

BOOL CPageSetupDialogSub::OnInitDialog() {
  CPageSetupDialog::OnInitDialog();
  if (m_pOwner) m_pOwner->CaptureFromDialog(this);
  EndDialog(IDCANCEL);
  return TRUE;
}

CFontDialogSub::CFontDialogSub(CStdDlgRecognizer* owner, LPLOGFONT initial, DWORD flags)
    : CFontDialog(initial, flags, nullptr, nullptr), m_pOwner(owner) {}

BOOL CFontDialogSub::OnInitDialog() {
  CFontDialog::OnInitDialog();
  if (m_pOwner) m_pOwner->CaptureFromDialog(this);
  EndDialog(IDCANCEL);
  return TRUE;
}

CColorDialogSub::CColorDialogSub(CStdDlgRecognizer* owner, COLORREF initial, DWORD flags)
    : CColorDialog(initial, flags, nullptr), m_pOwner(owner) {}

BOOL CColorDialogSub::OnInitDialog() {
  CColorDialog::OnInitDialog();
  if (m_pOwner) m_pOwner->CaptureFromDialog(this);
  EndDialog(IDCANCEL);
  return TRUE;
}
