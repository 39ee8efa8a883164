// Entries of the tree that no script contains and the library supplies
// itself from captures: the standard message-box buttons and the common
// dialogs (texts and sizes), and the system menu. CResFile adds them
// (ResFileSupplied.cpp); their Parse always fails. The switch dialog, whose
// texts come from the program's string table, is the reader's own
// (ResSwitchDialog.h).
#pragma once

#include "ResDialog.h"
#include "ResLibraryCapture.h"
#include "ResSwitchDialog.h"

// The entry "LwvMessageBox": one push button per index of the button model.
class CResMessageBox : public CResDialog {
 public:
  int Parse(const CSourceTokenList*, int, CResProblemLog&) override { return kResParseFailed; }
  CTraNode* CreateNode(CTraNode* parent) override;
  // Fills the entry from a capture; false (buttons empty, size 0) when the
  // capture failed.
  bool Init(IResLibraryCapture& capture);
};

// The entry of one common-dialog kind: one control per entry of the kind's
// model, in its order; the library's live-text handlers address the
// children by position (StdDlgLiveTexts.h).
class CResStdDialog : public CResDialog {
 public:
  int Parse(const CSourceTokenList*, int, CResProblemLog&) override { return kResParseFailed; }
  int GetKind() const override { return 40; }
  CTraNode* CreateNode(CTraNode* parent) override;
  // Fills the entry of kind 0..8 from a capture; false (texts empty, size
  // 0) when the capture failed.
  bool Init(int kind, IResLibraryCapture& capture);
};
