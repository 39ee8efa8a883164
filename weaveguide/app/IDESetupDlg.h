// How to register the resource wizard and the library paths in Developer
// Studio; the wizard sheet that opens it is hidden while it is open.
#pragma once

#include "FrameworkWin.h"

class CIDESetupDlg : public CDialog {
 public:
  CIDESetupDlg();

 protected:
  BOOL OnInitDialog() override;
  void OnDestroy();

  HWND m_hiddenOwner = nullptr;

  DECLARE_MESSAGE_MAP()
};
