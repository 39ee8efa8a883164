// Test seams and constants of the switch-dialog entry points.
#pragma once

#include <windows.h>

// Visible, caption, system menu, modal frame.
#define LWV_TEMPLATE_STYLE 0x10C80080u

#define LWV_MSG_NO_SWITCH_DIALOG                                                          \
  _T("The function DoAutomaticSwitchDialog has been called,\nbut the recent translation ") \
  _T("file %s doesn't support automatic switching.\nUnable to show the language switch dialog.")

// Where LWCreateDialogTemplate gets its memory (LocalAlloc); null restores it.
typedef HLOCAL(WINAPI* LwvTemplateAllocator)(UINT flags, SIZE_T bytes);
LwvTemplateAllocator LwvSetTemplateAllocator(LwvTemplateAllocator allocator);
