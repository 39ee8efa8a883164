// The main dialog's pages and picture buttons as tables: the caption, tip,
// template controls and own window of every page, in tab order, and the
// tip and bitmaps of every picture button. Data only; the dialog shows it.
#pragma once

#include "Framework.h"

#include <cstddef>

// The pages, in the order of their tabs.
enum class MakerPage { kGeneral, kTexts, kStdDialogs, kAddOns, kProblems };

struct MakerPageRow {
  MakerPage page;
  UINT caption;          // string id of the tab's label
  UINT tip;              // string id of the tab's tip; 0: kMakerAddOnTip
  const UINT* controls;  // the template controls the page shows
  size_t controlCount;
  UINT window;     // the page's own window (tree, list or edit), 0 for none
  bool showsFlag;  // the flag picture lies on the page
};

// The add-on page's tip, a fixed text.
extern const TCHAR kMakerAddOnTip[];
const size_t kMakerPageCount = 5;
extern const MakerPageRow kMakerPages[kMakerPageCount];
// The row of a tab index; null outside the tabs.
const MakerPageRow* MakerPageAt(size_t index);
inline const MakerPageRow& MakerPageOf(MakerPage page) { return kMakerPages[static_cast<size_t>(page)]; }

// A picture button: its control, tooltip string (0: none) and bitmaps
// (0: none).
struct MakerPictureButton {
  UINT id, tip, normal, pressed, hover, disabled;
};
const size_t kMakerButtonCount = 12;
extern const MakerPictureButton kMakerButtons[kMakerButtonCount];
