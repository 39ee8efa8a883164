// The statistics dialog (template 175): characters and texts of the whole
// tree and of those marked to be edited (counted by CountStatistics).
#pragma once

#include "FrameworkWin.h"

class CTraNode;

class CStatisticsDlg : public CDialog {
 public:
  explicit CStatisticsDlg(CWnd* parent);
  void SetRoot(const CTraNode* root) { m_pRoot = root; }
  BOOL OnInitDialog() override;

 private:
  const CTraNode* m_pRoot = nullptr;
};
