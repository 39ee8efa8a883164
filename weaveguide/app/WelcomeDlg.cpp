#include "WelcomeDlg.h"

#include "GuideIds.h"
#include "LwvSDK.h"

const int CWelcomeDlg::kDrawnTexts[8] = {IDC_WELCOME_TO,       IDC_WELCOME_NAME,           IDC_WELCOME_HELPS,
                                         IDC_WELCOME_EXISTING, IDC_WELCOME_LANGUAGE,       IDC_WELCOME_CLICK_LANGUAGE,
                                         IDC_WELCOME_BEGIN,    IDC_WELCOME_CLICK_BEGIN};

BEGIN_MESSAGE_MAP(CWelcomeDlg, CDialog)
  ON_WM_PAINT()
  ON_BN_CLICKED(IDC_LANGUAGE, OnLanguage)
END_MESSAGE_MAP()

CWelcomeDlg::CWelcomeDlg(CBitmap* watermark, CWnd* parent) : CDialog(IDD_WELCOME, parent), m_watermark(watermark) {}

BOOL CWelcomeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  return TRUE;
}

void CWelcomeDlg::OnPaint() {
  CPaintDC dc(this);
  CDC memory;
  if (m_watermark && m_watermark->GetSafeHandle() && memory.CreateCompatibleDC(&dc)) {
    CBitmap* previous = memory.SelectObject(m_watermark);
    for (int x = 0; x <= kTileWidth; x += kTileWidth)
      for (int y = 0; y <= kTileHeight; y += kTileHeight) dc.BitBlt(x, y, kTileWidth, kTileHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
  }
  for (int id : kDrawnTexts) DrawStaticText(dc, id);
}

void CWelcomeDlg::DrawStaticText(CDC& dc, int id) {
  CWnd* control = GetDlgItem(id);
  if (!control) return;
  CString text = control->GetWindowTextString();
  CRect rect;
  control->GetWindowRect(&rect);
  ScreenToClient(&rect);
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(control->SendMessage(WM_GETFONT));
  HGDIOBJ previous = font ? dc.SelectObject(font) : nullptr;
  dc.SetBkMode(TRANSPARENT);
  // From the control's top-left corner, wrapped at its right edge as the
  // control itself would show the text.
  dc.DrawText(text, &rect, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
  if (previous) dc.SelectObject(previous);
}

void CWelcomeDlg::OnLanguage() {
  LWSwitchDialog();
  Invalidate(TRUE);
}
