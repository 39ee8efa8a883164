#include "StdDlgLiveTexts.h"

#ifndef IDOK
#define IDOK 1
#endif

const std::vector<LwStdDlgLiveText>& LwAllStdDlgLiveTexts() {
  const int tips = LWV_ID_LIVE_ONLY, boxes = LWV_ID_STRING_ONLY;
  static const std::vector<LwStdDlgLiveText> rows = {
      // File dialog: the OK button's open and save texts, the toolbar's tips.
      {LWV_STDDLG_NEWFILEOPEN, IDOK, 370, 1, 4},
      {LWV_STDDLG_NEWFILEOPEN, IDOK, 369, 1, 10},
      {LWV_STDDLG_NEWFILEOPEN, tips, 702, 4, 11},
      {LWV_STDDLG_NEWFILEOPEN, boxes, 256, 4, 15},
      {LWV_STDDLG_NEWFILEOPEN, boxes, 387, 10, 19},
      {LWV_STDDLG_NEWFILEOPEN, boxes, 398, 11, 29},
      // Print dialogs: the print button's label and the printer's status.
      {LWV_STDDLG_PRINT, psh14, 410, 1, 20},
      {LWV_STDDLG_PRINT, stc12, 1582, 1, 21},
      {LWV_STDDLG_PRINT, stc12, 1536, 24, 22},
      {LWV_STDDLG_PRINT, boxes, 1104, 13, 46},
      {LWV_STDDLG_PRINTSETUP, psh14, 410, 1, 16},
      {LWV_STDDLG_PRINTSETUP, stc12, 1582, 1, 17},
      {LWV_STDDLG_PRINTSETUP, stc12, 1536, 24, 18},
      {LWV_STDDLG_PRINTSETUP, boxes, 1104, 13, 42},
      // Page setup: the margins group's caption, the unit in the margins.
      {LWV_STDDLG_PAGESETUP, grp4, 1585, 2, 15},
      {LWV_STDDLG_PAGESETUP, edt4, 1587, 2, 17},
      // Font dialog: the sample's caption, the styles, the colours.
      {LWV_STDDLG_FONT, stc6, 1100, 4, 13},
      {LWV_STDDLG_FONT, cmb2, 1284, 5, 17},
      {LWV_STDDLG_FONT, cmb4, 1040, 16, 22},
      {LWV_STDDLG_FONT, boxes, 1281, 3, 38},
      {LWV_STDDLG_FONT, boxes, 1098, 2, 41},
  };
  return rows;
}

std::vector<LwStdDlgLiveText> LwStdDlgLiveTexts(int kind, int control) {
  std::vector<LwStdDlgLiveText> found;
  for (const LwStdDlgLiveText& row : LwAllStdDlgLiveTexts())
    if (row.kind == kind && row.control == control) found.push_back(row);
  return found;
}

namespace {

LwFormatValues FileValues(int id) {
  switch (id) {
    case 257: case 391: case 392: case 393: case 394: case 395: case 396: case 397: case 398:
    case 401: case 402: case 403: case 406: case 407: case 411:
      return LWV_VALUES_TEXT1;
    case 387: case 388: case 389: case 390: case 399: case 400: case 404: case 408:
      return LWV_VALUES_NUM1;
  }
  return LWV_VALUES_NONE;
}

LwFormatValues PrintValues(int id) {
  switch (id) {
    case 1104: return LWV_VALUES_NUM2;
    case 1110: return LWV_VALUES_NUM1;
    case 1116: return LWV_VALUES_TEXT1;
  }
  return LWV_VALUES_NONE;
}

}  // namespace

bool LwStdDlgFormatValues(int kind, int stringId, LwFormatValues& values) {
  switch (kind) {
    case LWV_STDDLG_NEWFILEOPEN:
    case LWV_STDDLG_FILEOPEN:
      values = FileValues(stringId);
      return true;
    case LWV_STDDLG_PRINT:
    case LWV_STDDLG_PRINTSETUP:
      values = PrintValues(stringId);
      return true;
    case LWV_STDDLG_FONT:
      values = stringId == 1099 ? LWV_VALUES_NUM2 : LWV_VALUES_NONE;
      return true;
  }
  return false;
}
