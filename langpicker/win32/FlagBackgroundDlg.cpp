#include "FlagBackgroundDlg.h"

#include "FlagBitmaps.h"
#include "XString.h"

BEGIN_MESSAGE_MAP(CFlagBackgroundDlg, CDialog)
  ON_WM_PAINT()
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CFlagBackgroundDlg::CFlagBackgroundDlg(CWnd* parent, UINT templateId) : CDialog(templateId, parent) {}

void CFlagBackgroundDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_FLAG_SOURCE, m_source);
  DDX_Control(dx, IDC_FLAG_RESULT, m_result);
  DDX_Check(dx, IDC_FLAG_MARK, m_bMark);
}

BOOL CFlagBackgroundDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  DetectBackground();
  m_source.GetWindowRect(&m_rcOriginal);
  ScreenToClient(&m_rcOriginal);
  m_result.GetWindowRect(&m_rcResult);
  ScreenToClient(&m_rcResult);
  return TRUE;
}

void CFlagBackgroundDlg::DetectBackground() {
  const LwFlagPixels source = LwReadFlagPixels(m_pSource ? static_cast<HBITMAP>(*m_pSource) : nullptr);
  COLORREF found = LW_FLAG_BACKGROUND;
  const bool uniform = LwDetectFlagBackground(source, &found);
  m_bMark = uniform ? FALSE : TRUE;
  if (uniform) m_crBackground = found;
  const __X_CString caption(MAKEINTRESOURCE(uniform ? IDS_BACKGROUND_FOUND : IDS_BACKGROUND_MARK));
  UpdateData(FALSE);
  SetWindowText(caption);
}

BOOL CFlagBackgroundDlg::ReplaceBackground() {
  if (!m_pSource || !m_pSource->GetSafeHandle()) return FALSE;
  const LwFlagPixels result = LwReplaceFlagBackground(LwReadFlagPixels(*m_pSource), m_crBackground);
  HBITMAP made = LwCreateFlagBitmap(nullptr, result);
  if (!made) return FALSE;
  m_pResult.reset(new CBitmap);
  m_pResult->Attach(made);
  return TRUE;
}

void CFlagBackgroundDlg::OnPaint() {
  CPaintDC dc(this);
  if (m_pSource && m_pSource->GetSafeHandle()) {
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap* old = memory.SelectObject(m_pSource);
    dc.StretchBlt(m_rcOriginal.left, m_rcOriginal.top, m_rcOriginal.Width(), m_rcOriginal.Height(), &memory, 0, 0,
                  LW_FLAG_SIDE, LW_FLAG_SIDE, SRCCOPY);
    memory.SelectObject(old);
  }
  if (!ReplaceBackground()) return;
  CDC memory;
  memory.CreateCompatibleDC(&dc);
  CBitmap* old = memory.SelectObject(m_pResult.get());
  dc.BitBlt(m_rcResult.left, m_rcResult.top, m_rcResult.Width(), m_rcResult.Height(), &memory, 0, 0, SRCCOPY);
  memory.SelectObject(old);
}

void CFlagBackgroundDlg::OnLButtonDown(UINT flags, CPoint point) {
  UpdateData(TRUE);
  if (m_bMark) {
    CClientDC dc(this);
    m_crBackground = dc.GetPixel(point.x, point.y);
    Invalidate(FALSE);
  }
  CDialog::OnLButtonDown(flags, point);
}

BOOL CFlagBackgroundDlg::GetFlagBitmap(CBitmap* target) {
  // Built now: the last paint may not have seen the last marked colour.
  if (!target || !ReplaceBackground()) return FALSE;
  target->DeleteObject();
  target->Attach(m_pResult->Detach());
  m_pResult.reset();
  return TRUE;
}
