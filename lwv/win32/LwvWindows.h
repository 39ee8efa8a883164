// The library's dialog and menu entry points for a program's own windows.
#pragma once

#include "Framework.h"
#include "Lwv.h"  // C linkage of the LW functions below

#include <windows.h>

class CTraNode;

// Translates a dialog (mode 0), a property page with its own title (1) or
// another page (3) from "Dialoge" and remembers it; also its menu.
void LWTranslateDialog(HWND dialog, int mode);
// Translates a window's menu bar from "Menus" and remembers the window.
void LWTranslateMenu(HWND window);
// Translates one popup menu (the system menu by its own rules); not remembered.
void LWTranslateHMenu(HMENU menu);

// Who opens the language-switch dialog when its command is chosen (null:
// LWSwitchDialog; tests put a probe here).
typedef void (*LwvSwitchDialogProc)();
void LwvSetSwitchDialogProc(LwvSwitchDialogProc proc);
void LwvOpenSwitchDialog();

// The tab control of a property sheet: only a dialog of class "#32770" is
// asked, and only a tab control that is its own child is taken; else null.
HWND LwvSheetTabControl(HWND dialog);
// Texts of the sheet around a page: its caption and the tab labels.
void LwvTranslateSheetTexts(HWND page, CTraNode* section);
// Translates a sheet's caption again (the sheet sets its own caption during
// its initialisation, after the first page was translated).
void LwvRetranslateSheetCaption(HWND sheet);
// Whether the window's class is one of the two names (case-insensitive).
bool LwvHasClass(HWND wnd, LPCTSTR name, LPCTSTR other = nullptr);
// A section directly under the root of the current (or, during a switch, the lookup) file.
CTraNode* LwvCurrentSection(LPCTSTR name);
CTraNode* LwvLookupSection(LPCTSTR name);
