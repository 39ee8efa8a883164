// The Windows side of the programs' UI seam (UiServices.h): message boxes
// through AfxMessageBox, the file chooser through CFileDialog, the font
// chooser through CFontDialog. The flag picker is a program's own dialog: a
// program overrides PickFlag; here it answers false (nothing chosen).
#pragma once

#include "UiServices.h"

class CWnd;

class CWinUiServices : public CUiServices {
 public:
  // parent: owner of the file and font choosers (null: the main window).
  explicit CWinUiServices(CWnd* parent = nullptr) : m_pParent(parent) {}

  int ShowMessage(const CString& text, UINT type) override;
  bool ChooseFile(LwFileChoice& choice) override;
  bool ChooseFont(LwFontChoice& font) override;
  bool PickFlag(LwFlagChoice& flag) override;

 protected:
  CWnd* m_pParent;
};
