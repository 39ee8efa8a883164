// Entries of the tree that no script contains and the library supplies
// itself: its language-switch dialog (texts from the program's string
// table), the standard message-box buttons and the common dialogs (texts and
// sizes from captures). CResFile adds them; their Parse always fails.
#pragma once

#include "ResDialog.h"
#include "ResLibraryCapture.h"

// String-table id of the switch dialog's caption.
const UINT kSwitchCaptionString = 1000;

// One child of the switch-dialog entry.
struct ResSwitchChild {
  const TCHAR* keyword;
  UINT stringId;
  int cx, cy;
};

// The entry's children by position (LwvSwitchChild); there are
// LWV_SWITCH_FULL_CHILDREN of them.
const ResSwitchChild& ResSwitchDialogChild(int position);
// The German text of a switch-dialog string (caption and children), for a
// program whose string table lacks it; "" for other ids.
CString BuiltInSwitchText(UINT id);

// The entry "LwvMessageBox": one push button per index of the button model.
class CResMessageBox : public CResDialog {
 public:
  int Parse(const CSourceTokenList*, int, CResProblemLog&) override { return kResParseFailed; }
  CTraNode* CreateNode(CTraNode* parent) override;
  // Fills the entry from a capture; false (buttons empty, size 0) when the
  // capture failed.
  bool Init(IResLibraryCapture& capture);
};

// The entry of one common-dialog kind: one control per entry of the kind's model.
class CResStdDialog : public CResDialog {
 public:
  int Parse(const CSourceTokenList*, int, CResProblemLog&) override { return kResParseFailed; }
  int GetKind() const override { return 40; }
  CTraNode* CreateNode(CTraNode* parent) override;
  // Fills the entry of kind 0..8 from a capture; false (texts empty, size
  // 0) when the capture failed.
  bool Init(int kind, IResLibraryCapture& capture);
};
