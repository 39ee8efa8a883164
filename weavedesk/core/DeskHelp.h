// What the editor's help asks WinHelp for, without the window: the help
// context of what a context-help click hit (a command, a control of a view,
// else the main window), numbered as the framework numbers help contexts.
// The help file, whether it is there and the WinHelp call stay with the
// frame.
#pragma once

#include "Framework.h"

enum : DWORD {
  DESK_HID_COMMAND = 0x10000,
  DESK_HID_RESOURCE = 0x20000,
  DESK_HID_CONTROL = 0x50000
};

// command: the toolbar button's command id under the click, 0 for none;
// control: the id of the view's control under it, 0 for none.
DWORD DeskHelpContext(UINT command, UINT control, UINT mainResource);
