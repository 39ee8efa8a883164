#include "DeskHelp.h"

DWORD DeskHelpContext(UINT command, UINT control, UINT mainResource) {
  if (command != 0) return DESK_HID_COMMAND + command;
  if (control != 0 && control != 0xFFFF) return DESK_HID_CONTROL + control;  // 0xFFFF: a label
  return DESK_HID_RESOURCE + mainResource;
}
