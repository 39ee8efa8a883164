#include "StatisticsDlg.h"

#include "DeskDialogIds.h"
#include "DeskStatistics.h"

CStatisticsDlg::CStatisticsDlg(CWnd* parent) : CDialog(IDD_DESK_STATISTICS, parent) {}

BOOL CStatisticsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  DeskStatistics totals;
  CountStatistics(m_pRoot, totals);
  const struct {
    int id;
    long value;
  } fields[] = {{IDC_DESK_CHARS_TOTAL, totals.chars},
                {IDC_DESK_CHARS_MARKED, totals.markedChars},
                {IDC_DESK_TEXTS_TOTAL, totals.texts},
                {IDC_DESK_TEXTS_MARKED, totals.markedTexts}};
  for (const auto& f : fields) {
    CString text;
    text.Format(_T("%d"), static_cast<int>(f.value));
    SetDlgItemText(f.id, text);
  }
  return TRUE;
}
