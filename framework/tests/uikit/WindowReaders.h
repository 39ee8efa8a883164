// Reading back what windows show: texts (also of another process's windows,
// through messages the system carries across), list, combo, list-view and
// tree items, tab labels, menu items with their states, and a child's
// rectangle in the dialog units of its dialog. Readers change nothing in
// the windows and do not wait for them.
#pragma once

#include "Framework.h"

#include <windows.h>

#include <ostream>
#include <vector>

namespace lwtest {

CString WindowText(HWND wnd);  // empty for no window
CString ItemText(HWND parent, int id);
std::vector<CString> ChildTexts(HWND parent);  // the direct children, in z-order
CString MessageBoxText(HWND box);

// Items of a list box, combo box or (this process's) list view; of a list
// view the column given (0: the items themselves).
std::vector<CString> ListItems(HWND control, int column = 0);
// Column captions of a list view (this process), left to right.
std::vector<CString> ListColumns(HWND listView);
// Every item of a tree view (this process), depth first, two spaces per level.
std::vector<CString> TreeItems(HWND tree);
// Labels of a tab control, or of a property sheet's tabs.
std::vector<CString> TabLabels(HWND tabOrSheet);

struct MenuItem {
  CString text;  // with its & and tab part
  UINT id = 0;   // 0 for separators and popups
  bool grayed = false;
  bool checked = false;
  bool separator = false;
  HMENU popup = nullptr;
};
std::vector<MenuItem> MenuItems(HMENU menu);
CString MenuText(HMENU menu, int pos);
// The item with that command id in the menu or its popups; id 0 when none has it.
MenuItem FindMenuItem(HMENU menu, UINT id);

// Rectangles relative to the dialog's client area, in its dialog units.
CRect DialogUnits(HWND dialog, const RECT& pixels);
CRect ChildRectInDialogUnits(HWND dialog, HWND child);
CRect ChildRectInDialogUnits(HWND dialog, int id);

}  // namespace lwtest

// Readable failures of EXPECT_EQ on rectangles.
void PrintTo(const CRect& r, std::ostream* os);
