#include "StdDlgModels.h"

#include "TraNode.h"

#include <cstdlib>

namespace {

const int S = TRA_STATIC, G = TRA_GROUPBOX, B = TRA_PUSHBUTTON, C = TRA_CHECKBOX, R = TRA_RADIOBUTTON,
          T = TRA_STRING, D = TRA_DIALOG;

void AddControls(LwStdDlgModel& m, int kind, std::initializer_list<int> ids) {
  for (int id : ids) m.entries.push_back({id, kind, 0});
}
void AddStrings(LwStdDlgModel& m, int id, int kind, int firstString, int lastString) {
  for (int s = firstString; s <= lastString; ++s) m.entries.push_back({id, kind, s});
}
void FinishControls(LwStdDlgModel& m, int expected) {
  m.controlCount = static_cast<int>(m.entries.size());
  m.expectedChildren = expected;
  LwStdDlgLayout primary;
  for (int i = 0; i < m.controlCount; ++i) primary.ids.push_back(m.entries[static_cast<size_t>(i)].id);
  primary.expectedChildren = expected;
  m.layouts.push_back(primary);
}

LwStdDlgModel Make(int kind, const TCHAR* name, int templateId) {
  LwStdDlgModel m;
  m.kind = kind;
  m.name = name;
  m.templateId = templateId;
  m.controlCount = 0;
  m.expectedChildren = 0;
  return m;
}

LwStdDlgModel NewFileOpen() {
  LwStdDlgModel m = Make(LWV_STDDLG_NEWFILEOPEN, _T("eStddlgNewFileOpen"), 1547);
  AddControls(m, S, {1091, 1090, 1089});
  AddControls(m, C, {1040});
  AddControls(m, B, {1, 2, 1038});
  FinishControls(m, 12);
  m.entries.push_back({LWV_ID_ALT_CAPTION, D, 385});
  m.entries.push_back({1091, S, 368});
  m.entries.push_back({1089, S, 386});
  m.entries.push_back({1, B, 369});
  AddStrings(m, LWV_ID_LIVE_ONLY, T, 702, 705);
  AddStrings(m, LWV_ID_STRING_ONLY, T, 256, 259);
  AddStrings(m, LWV_ID_STRING_ONLY, T, 387, 396);
  AddStrings(m, LWV_ID_STRING_ONLY, T, 398, 408);
  // Wine's explorer dialog, before its initialisation: 14 children with the
  // framework's child dialog hook, 13 without. Both carry the ComboBoxEx
  // 1148 that the old-style dialog (also 14 children) lacks.
  const std::vector<int> wine = {1091, 1137, 1120, 1090, 1148, 1089, 1136, 1, 2, 1038};
  m.layouts.push_back({wine, 14});
  m.layouts.push_back({wine, 13});
  return m;
}

LwStdDlgModel Find() {
  LwStdDlgModel m = Make(LWV_STDDLG_FIND, _T("eStddlgFind"), 1540);
  AddControls(m, S, {-200});
  AddControls(m, C, {1040, 1041});
  AddControls(m, G, {1072});
  AddControls(m, R, {1056, 1057});
  AddControls(m, B, {1, 2, 1038});
  FinishControls(m, 10);
  return m;
}

LwStdDlgModel Replace() {
  LwStdDlgModel m = Make(LWV_STDDLG_REPLACE, _T("eStddlgReplace"), 1541);
  AddControls(m, S, {-200, -199});
  AddControls(m, C, {1040, 1041});
  AddControls(m, B, {1, 1024, 1025, 2, 1038});
  FinishControls(m, 11);
  return m;
}

LwStdDlgModel Print(bool setup) {
  LwStdDlgModel m = setup ? Make(LWV_STDDLG_PRINTSETUP, _T("eStddlgPrintSetup"), 1538)
                          : Make(LWV_STDDLG_PRINT, _T("eStddlgPrint"), 1538);
  AddControls(m, G, {1075});
  AddControls(m, S, {1093, 1095, 1094, 1097, 1096});
  AddControls(m, B, {1025});
  if (!setup) {
    AddControls(m, C, {1040});
    AddControls(m, G, {1072});
    AddControls(m, R, {1056, 1058});
    AddControls(m, S, {1089, 1090});
    AddControls(m, R, {1057});
    AddControls(m, G, {1073});
    AddControls(m, S, {1092});
    AddControls(m, C, {1041});
  } else {
    AddControls(m, G, {1073});
    AddControls(m, S, {1089, 1090});
    AddControls(m, G, {1072});
    AddControls(m, R, {1056, 1057});
  }
  AddControls(m, B, {1038, 1, 2});
  FinishControls(m, setup ? 24 : 29);
  m.entries.push_back({1, B, 410});
  AddStrings(m, 1099, T, 1582, 1582);
  AddStrings(m, 1099, T, 1536, 1559);
  AddStrings(m, LWV_ID_STRING_ONLY, T, 1104, 1116);
  return m;
}

LwStdDlgModel PageSetup() {
  LwStdDlgModel m = Make(LWV_STDDLG_PAGESETUP, _T("eStddlgPageSetup"), 1546);
  AddControls(m, G, {1073});
  AddControls(m, S, {1089, 1090});
  AddControls(m, G, {1072});
  AddControls(m, R, {1056, 1057});
  AddControls(m, G, {1075});
  AddControls(m, S, {1102, 1103, 1104, 1105});
  AddControls(m, B, {1038, 1, 2, 1026});
  FinishControls(m, 24);
  AddStrings(m, 1075, S, 1585, 1586);
  AddStrings(m, 1155, S, 1587, 1588);
  // Wine's page setup has no Help button and 23 children.
  m.layouts.push_back({{1073, 1089, 1090, 1072, 1056, 1057, 1075, 1102, 1103, 1104, 1105, 1, 2, 1026}, 23});
  return m;
}

LwStdDlgModel Font() {
  LwStdDlgModel m = Make(LWV_STDDLG_FONT, _T("eStddlgFont"), 1542);
  AddControls(m, S, {1088, 1089, 1090});
  AddControls(m, G, {1072, 1073});
  AddControls(m, C, {1040, 1041});
  AddControls(m, S, {1091, 1094});
  AddControls(m, B, {1, 2, 1026, 1038});
  FinishControls(m, 20);
  AddStrings(m, 1093, S, 1100, 1103);
  AddStrings(m, 1137, T, 1284, 1288);
  AddStrings(m, 1139, T, 1040, 1055);
  AddStrings(m, LWV_ID_STRING_ONLY, T, 1281, 1283);
  AddStrings(m, LWV_ID_STRING_ONLY, T, 1098, 1099);
  return m;
}

LwStdDlgModel Color() {
  LwStdDlgModel m = Make(LWV_STDDLG_COLOR, _T("eStddlgColor"), 0);
  AddControls(m, S, {-200, -199});
  AddControls(m, B, {719, 1, 2, 1038});
  AddControls(m, S, {730, 731, 723, 724, 725, 726, 727, 728});
  AddControls(m, B, {712});
  FinishControls(m, 27);
  // Wine names the two colour-field labels 1088 and 1089 instead of leaving
  // them unnamed.
  m.altIds.assign(m.entries.size(), 0);
  m.altIds[0] = 1088;
  m.altIds[1] = 1089;
  LwStdDlgLayout wine = m.layouts[0];
  wine.ids[0] = 1088;
  wine.ids[1] = 1089;
  m.layouts.push_back(wine);
  return m;
}

struct Models {
  std::vector<LwStdDlgModel> kinds;
  LwStdDlgModel empty;
  Models() : empty(Make(-1, _T(""), 0)) {
    kinds.push_back(NewFileOpen());
    kinds.push_back(Make(LWV_STDDLG_FILEOPEN, _T("eStddlgFileOpen"), 0));
    kinds.push_back(Find());
    kinds.push_back(Replace());
    kinds.push_back(Print(false));
    kinds.push_back(Print(true));
    kinds.push_back(PageSetup());
    kinds.push_back(Font());
    kinds.push_back(Color());
  }
};

const Models& AllModels() {
  static const Models models;
  return models;
}

}  // namespace

bool LwDialogShape::Has(int id) const {
  if (LwIsUnnamedStaticId(id)) return unnamedStatics > id - LWV_ID_UNNAMED_FIRST;
  for (int i : ids)
    if (i == id) return true;
  return false;
}

int LwStdDlgModel::FindString(int stringId) const {
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i].stringId == stringId) return static_cast<int>(i);
  return -1;
}

const LwStdDlgModel& LwGetStdDlgModel(int kind) {
  const Models& m = AllModels();
  if (kind < 0 || kind >= LWV_STDDLG_KINDS) return m.empty;
  return m.kinds[static_cast<size_t>(kind)];
}

const TCHAR* LwGetStdDlgKindName(int kind) { return LwGetStdDlgModel(kind).name; }

double LwLayoutScore(const LwStdDlgLayout& layout, const LwDialogShape& shape) {
  if (layout.ids.empty()) return 0.0;
  int found = 0;
  for (int id : layout.ids)
    if (shape.Has(id)) ++found;
  int diff = std::abs(layout.expectedChildren - shape.childCount);
  return static_cast<double>(found - diff) / static_cast<double>(layout.ids.size());
}

double LwModelScore(const LwStdDlgModel& model, const LwDialogShape& shape) {
  double best = 0.0;
  for (const LwStdDlgLayout& l : model.layouts) {
    double s = LwLayoutScore(l, shape);
    if (s > best) best = s;
  }
  return best;
}
