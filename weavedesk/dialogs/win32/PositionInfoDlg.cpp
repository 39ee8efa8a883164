#include "PositionInfoDlg.h"

#include "DeskDialogIds.h"
#include "PositionTexts.h"

CPositionInfoDlg::CPositionInfoDlg(CWnd* parent) { Create(IDD_DESK_POSITION_INFO, parent); }

CPositionInfoDlg::~CPositionInfoDlg() {
  if (GetSafeHwnd()) DestroyWindow();
}

void CPositionInfoDlg::SetRect(const RECT* r) {
  if (!GetSafeHwnd()) return;
  SetDlgItemText(IDC_DESK_POSITION, PositionText(r));
  SetDlgItemText(IDC_DESK_SIZE, SizeText(r));
}

void CPositionInfoDlg::SetPoint(int x, int y) {
  if (GetSafeHwnd()) SetDlgItemText(IDC_DESK_POINT, PointText(x, y));
}

void CPositionInfoDlg::MoveBeside(int x, int y) {
  if (!GetSafeHwnd()) return;
  RECT r;
  GetWindowRect(&r);
  SetWindowPos(nullptr, x, y - (r.bottom - r.top), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
