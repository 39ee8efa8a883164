// The library's language-switch dialog as an entry of the tree: its children
// in the order the library addresses them, their German texts for a program
// whose string table lacks them. Its texts come from the program's string
// table through a text source; no other entry the library supplies is here
// (supplied/ResLibraryEntries.h).
#pragma once

#include "Framework.h"

// String-table id of the switch dialog's caption.
const UINT kSwitchCaptionString = 1000;
// Children of the entry (the library's LWV_SWITCH_FULL_CHILDREN).
constexpr int kResSwitchChildren = 18;

// One child of the switch-dialog entry.
struct ResSwitchChild {
  const TCHAR* keyword;
  UINT stringId;
  int cx, cy;
};

// The entry's children by position (LwvSwitchChild); there are
// kResSwitchChildren of them.
const ResSwitchChild& ResSwitchDialogChild(int position);
// The German text of a switch-dialog string (caption and children), for a
// program whose string table lacks it; "" for other ids.
CString BuiltInSwitchText(UINT id);
