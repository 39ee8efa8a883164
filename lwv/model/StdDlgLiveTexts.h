// The texts a common dialog shows while it runs that its entry translates:
// one row per dialog kind and control, with the comdlg32 strings the control
// may show and the children of the kind's entry that translate them. The
// live-text handlers (lwv/win32/StdDlgHook.h) translate by these rows; the
// resource wizard's entry of a kind follows the model's entry order, which
// puts those texts at these children. Only the table, no window code.
#pragma once

#include "StdDlgModels.h"
#include "StdDlgText.h"

#include <vector>

#ifdef _WIN32
#include <dlgs.h>
#else
// The controls' names of the system's dlgs.h, for the native builds.
enum { psh14 = 0x040d, grp4 = 0x0433, stc6 = 0x0445, stc12 = 0x044b, cmb2 = 0x0471, cmb4 = 0x0473, edt4 = 0x0483 };
#endif

struct LwStdDlgLiveText {
  int kind;
  // The control showing the texts; LWV_ID_LIVE_ONLY: the toolbar's tooltips;
  // LWV_ID_STRING_ONLY: message boxes the dialog opens.
  int control;
  int firstString;  // comdlg32 string id of the first text
  int count;        // strings firstString, firstString + 1, ...
  int firstChild;   // the entry's child translating firstString
};

const std::vector<LwStdDlgLiveText>& LwAllStdDlgLiveTexts();
// The rows of a kind for one control, in table order.
std::vector<LwStdDlgLiveText> LwStdDlgLiveTexts(int kind, int control);

// The values comdlg32's string stringId carries where a dialog of kind shows
// it filled in (LWV_VALUES_NONE: a fixed text); false for kinds whose live
// texts are never formats.
bool LwStdDlgFormatValues(int kind, int stringId, LwFormatValues& values);

// Page setup shows its margins in four edit fields from edt4 on.
const int LWV_PAGESETUP_MARGIN_FIELDS = 4;
