// The scan page: scans the chosen project as soon as it is shown, with a
// progress bar that keeps the wizard painted while the analyser runs.
#pragma once

#include "GuidePages.h"
#include "SegmentedProgress.h"

// A progress bar over nested phases; every step shows the percentage and
// dispatches the thread's pending messages.
class CScanProgressCtrl : public CProgressCtrl, public CSegmentedProgress {
 public:
  void ShowPercent(int percent) override;
  // The last percentage shown.
  int GetShownPercent() const { return m_shown; }

 private:
  int m_shown = -1;
};

class CScanNowPage : public CGuidePage {
 public:
  CScanNowPage();

  BOOL OnSetActive() override;
  CScanProgressCtrl m_progress;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnScan();

  DECLARE_MESSAGE_MAP()
};
