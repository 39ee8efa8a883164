// Models of the common dialogs: per kind the controls an entry describes (in
// entry order), the comdlg32 strings of its other texts, and the layouts by
// which a live dialog of the kind is recognised.
#pragma once

#include "Framework.h"

#include <vector>

// Kinds; the number is also the byte of the standard-dialog option block.
enum {
  LWV_STDDLG_NEWFILEOPEN = 0,
  LWV_STDDLG_FILEOPEN = 1,
  LWV_STDDLG_FIND = 2,
  LWV_STDDLG_REPLACE = 3,
  LWV_STDDLG_PRINT = 4,
  LWV_STDDLG_PRINTSETUP = 5,
  LWV_STDDLG_PAGESETUP = 6,
  LWV_STDDLG_FONT = 7,
  LWV_STDDLG_COLOR = 8,
  LWV_STDDLG_KINDS = 9
};
// Option byte that stands for message boxes and property sheets.
const int LWV_OPTION_MESSAGEBOX = 20;

// Special control ids of model entries.
const int LWV_ID_UNNAMED_FIRST = -200;  // -200..-151: the (id + 200)-th unnamed static
const int LWV_ID_UNNAMED_LAST = -151;
const int LWV_ID_ALT_CAPTION = -99;
const int LWV_ID_LIVE_ONLY = -88;
const int LWV_ID_STRING_ONLY = -222;
// Control id of an unnamed static.
const int LWV_ID_STATIC = 0xFFFF;

inline bool LwIsUnnamedStaticId(int id) { return id >= LWV_ID_UNNAMED_FIRST && id <= LWV_ID_UNNAMED_LAST; }
// Whether an entry id names a control of the dialog.
inline bool LwNamesControl(int id) { return id >= 0 || LwIsUnnamedStaticId(id); }

struct LwStdDlgEntry {
  int id;        // control id or a special value
  int nodeKind;  // tree-node kind of the entry
  int stringId;  // comdlg32 string id, 0 = none
};

// One layout a live dialog of the kind may have.
struct LwStdDlgLayout {
  std::vector<int> ids;  // controls looked for (special unnamed-static ids allowed)
  int expectedChildren;
};

// What is known of a live dialog for recognition.
struct LwDialogShape {
  std::vector<int> ids;  // control ids of the direct children
  int childCount;
  int unnamedStatics;    // children whose id is 0xFFFF
  bool Has(int id) const;
};

struct LwStdDlgModel {
  int kind;
  const TCHAR* name;  // entry name under "Dialoge"
  int templateId;
  int controlCount;   // entries[0..controlCount-1] are the controls
  int expectedChildren;
  std::vector<LwStdDlgEntry> entries;  // controls, then other texts
  // Recognition layouts: the primary one (the controls, expectedChildren)
  // first, then other layouts of the same dialog (Wine's comdlg32).
  std::vector<LwStdDlgLayout> layouts;
  // Per entry: the control that stands for it in the other layout where the
  // primary control is absent (0 = none); same length as entries or empty.
  std::vector<int> altIds;

  int GetOtherTextCount() const { return static_cast<int>(entries.size()) - controlCount; }
  int GetEntryCount() const { return static_cast<int>(entries.size()); }
  // Index of the first entry with this string id, or -1.
  int FindString(int stringId) const;
};

// Kinds whose texts a live-text handler follows after their initialisation.
inline bool LwKindHasLiveTexts(int kind) {
  return kind == LWV_STDDLG_NEWFILEOPEN || kind == LWV_STDDLG_PRINT || kind == LWV_STDDLG_PRINTSETUP ||
         kind == LWV_STDDLG_PAGESETUP || kind == LWV_STDDLG_FONT;
}

// The model of a kind; kinds outside 0..8 get an empty model named "".
const LwStdDlgModel& LwGetStdDlgModel(int kind);
const TCHAR* LwGetStdDlgKindName(int kind);

// (controls found - |expected children - child count|) / controls, for one layout.
double LwLayoutScore(const LwStdDlgLayout& layout, const LwDialogShape& shape);
// The best score over the model's layouts; 0 for an empty model.
double LwModelScore(const LwStdDlgModel& model, const LwDialogShape& shape);
// A dialog is recognised when its score is strictly above this.
const double LWV_STDDLG_THRESHOLD = 0.9;
