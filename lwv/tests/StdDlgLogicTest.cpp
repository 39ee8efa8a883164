// Window-free logic of message boxes, property sheets and common dialogs:
// classification by buttons, common-dialog scores (with the layouts measured
// on Wine), the format checks of the live-text handlers and pattern replacing.
#include "StdButtonModel.h"
#include "StdDlgModels.h"
#include "StdDlgSet.h"
#include "StdDlgTestTree.h"
#include "StdDlgText.h"
#include "TraNode.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

LwChildInfo Btn(int id, bool visible = true) { return {id, true, visible, false}; }
LwChildInfo Stc(int id) { return {id, false, true, true}; }
LwChildInfo Other(int id) { return {id, false, true, false}; }

std::vector<LwChildInfo> Box(std::initializer_list<int> buttons, bool icon = true) {
  std::vector<LwChildInfo> c;
  if (icon) c.push_back(Stc(1088));
  for (int b : buttons) c.push_back(Btn(b));
  c.push_back(Stc(0xFFFF));
  return c;
}

struct ClassifyCase {
  const char* name;
  std::vector<LwChildInfo> children;
  int type;
};

TEST(StdButtonModel, ClassifiesByButtons) {
  const ClassifyCase cases[] = {
      {"ok", Box({1}), 0},
      {"ok without icon", Box({1}, false), 0},
      {"ok cancel", Box({1, 2}), 1},
      {"abort retry ignore", Box({3, 4, 5}), 2},
      {"yes no cancel", Box({6, 7, 2}), 3},
      {"yes no", Box({6, 7}), 4},
      {"retry cancel", Box({4, 2}), 5},
      {"ok with help is no MB_OK", Box({1, 9}), LWV_MB_NONE},
      {"try again is not counted", Box({2, 10, 11}), LWV_MB_NONE},
      {"retry cancel with try again", Box({4, 2, 10}), 5},
      {"before set-up: every button", Box({6, 7, 3, 4, 1, 2, 5, 10, 11, 9}), LWV_MB_NONE},
      {"ordinary dialog with an edit", {Stc(0xFFFF), Other(1000), Btn(1), Btn(2)}, LWV_MB_NONE},
      {"dialog with three statics", {Stc(0xFFFF), Stc(0xFFFF), Stc(1088), Btn(1)}, LWV_MB_NONE},
      {"dialog without a text static", {Stc(1088), Btn(1)}, LWV_MB_NONE},
      {"sheet with help", {Btn(1), Btn(2), Btn(12321), Btn(9), Other(12320), Other(0)}, LWV_MB_PROPSHEET},
      {"sheet with hidden help", {Btn(1), Btn(2), Btn(12321), Btn(9, false), Other(12320)}, LWV_MB_NONE},
      {"sheet without help", {Btn(1), Btn(2), Btn(12321), Other(12320)}, LWV_MB_NONE},
      {"wizard, finish and help hidden",
       {Btn(12323), Btn(12324), Btn(12325, false), Btn(2), Btn(9, false), Other(12320)},
       LWV_MB_WIZARD},
      {"wizard without finish", {Btn(12323), Btn(12324), Btn(2), Btn(9)}, LWV_MB_NONE},
  };
  for (const ClassifyCase& c : cases) {
    CStdButtonModel m;
    EXPECT_EQ(c.type != LWV_MB_NONE, m.ClassifyChildren(c.children)) << c.name;
    EXPECT_EQ(c.type, m.GetType()) << c.name;
  }
}

TEST(StdButtonModel, UnfinishedBoxAndHasControl) {
  EXPECT_TRUE(CStdButtonModel::IsUnfinishedMessageBox(Box({6, 7, 3, 4, 1, 2, 5, 10, 11, 9})));
  EXPECT_FALSE(CStdButtonModel::IsUnfinishedMessageBox(Box({6, 7, 2})));
  EXPECT_FALSE(CStdButtonModel::IsUnfinishedMessageBox({Btn(1), Btn(2), Btn(3), Btn(4), Other(5)}));
  CStdButtonModel m;
  m.ClassifyChildren(Box({1, 2}));
  EXPECT_TRUE(m.HasControl(0xFFFF));
  EXPECT_TRUE(m.HasControl(2));
  EXPECT_FALSE(m.HasControl(3));
}

TEST(StdButtonModel, IndexTableAndKindButtons) {
  const int ids[12] = {1, 2, 3, 4, 5, 6, 7, 12321, 9, 12323, 12324, 12325};
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(i, LwButtonIndex(ids[i]));
    EXPECT_EQ(ids[i], LwButtonIdAt(i));
  }
  EXPECT_EQ(-1, LwButtonIndex(10));
  EXPECT_EQ(0, LwButtonIdAt(12));
  EXPECT_EQ(std::vector<int>({1}), LwButtonsOfKind(0));
  EXPECT_EQ(std::vector<int>({6, 7, 2}), LwButtonsOfKind(3));
  EXPECT_TRUE(LwButtonsOfKind(-1).empty());
}

// An "LwvMessageBox" entry with translations "T<i>" for the listed indexes.
std::unique_ptr<CTraNode> MessageBoxTree(std::initializer_list<int> translated, int children = 12) {
  auto root = std::make_unique<CTraNode>(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  CTraNode* dialogs =
      root->AddChild(std::make_unique<CTraNode>(root.get(), TRA_SECTION_DIALOGS, _T("Dialog"), TRA_DIALOGGROUP));
  CTraNode* box =
      dialogs->AddChild(std::make_unique<CTraNode>(dialogs, TRA_MESSAGEBOX_NAME, _T("Message Box"), TRA_DIALOG, 0, 0));
  for (int i = 0; i < children; ++i) {
    CString name, text;
    name.Format(TRA_MESSAGEBOX_BUTTON, i);
    for (int t : translated)
      if (t == i) text.Format(_T("T%d"), i);
    box->AddChild(std::make_unique<CTraNode>(box, name, text, TRA_PUSHBUTTON, 0, 0));
  }
  return root;
}

TEST(StdButtonModel, ButtonTranslations) {
  auto root = MessageBoxTree({0, 1, 5, 6, 9}, 10);
  CTraNode* entry = CStdButtonModel::FindEntry(root.get());
  ASSERT_NE(nullptr, entry);
  CString t;
  EXPECT_TRUE(CStdButtonModel::GetButtonTranslation(entry, 2, t));  // Cancel of YES/NO/CANCEL: index 1
  EXPECT_EQ(CString(_T("T1")), t);
  EXPECT_TRUE(CStdButtonModel::GetButtonTranslation(entry, 12323, t));
  EXPECT_EQ(CString(_T("T9")), t);
  EXPECT_FALSE(CStdButtonModel::GetButtonTranslation(entry, 3, t)) << "empty translation";
  EXPECT_FALSE(CStdButtonModel::GetButtonTranslation(entry, 12325, t)) << "child the entry lacks";
  EXPECT_FALSE(CStdButtonModel::GetButtonTranslation(entry, 10, t)) << "no index";
  EXPECT_FALSE(CStdButtonModel::GetButtonTranslation(nullptr, 1, t));
  auto none = std::make_unique<CTraNode>(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  EXPECT_EQ(nullptr, CStdButtonModel::FindEntry(none.get()));
}

TEST(StdButtonModel, MeasuresInDialogUnits) {
  CStdButtonModel m;
  RECT r = {15, 30, 91, 53};  // pixels; 1.5 x 2.5 pixels per unit
  m.StoreMeasure(3, 4, _T("&Retry"), r, 1.5, 2.5);
  EXPECT_EQ(60 - 10, m.GetWidth(3));
  EXPECT_EQ(21 - 12, m.GetHeight(3));
  EXPECT_EQ(4, m.GetId(3));
  EXPECT_EQ(CString(_T("&Retry")), m.GetText(3));
  EXPECT_TRUE(m.HasResults());
  m.StoreMeasure(12, 1, _T("x"), r, 1.5, 2.5);  // out of range: ignored
  EXPECT_EQ(0, m.GetWidth(12));
  bool inParent = false;
  EXPECT_EQ(std::vector<int>({12321, 9}), CStdButtonModel::MeasuredButtons(LWV_MB_PROPSHEET, &inParent));
  EXPECT_TRUE(inParent);
  EXPECT_EQ(std::vector<int>({3, 4, 5}), CStdButtonModel::MeasuredButtons(2, &inParent));
  EXPECT_FALSE(inParent);
}

// Shapes: control ids of the direct children in Z order (0xFFFF = unnamed static).
LwDialogShape Shape(std::initializer_list<int> ids) {
  LwDialogShape s;
  s.ids = ids;
  s.childCount = static_cast<int>(s.ids.size());
  s.unnamedStatics = 0;
  for (int id : s.ids)
    if (id == 0xFFFF) ++s.unnamedStatics;
  return s;
}

// The nine dialogs as Wine's comdlg32 builds them before their WM_INITDIALOG.
struct WineShape {
  const char* name;
  LwDialogShape shape;
  int kind;  // -1: none may recognise it
};

std::vector<WineShape> WineShapes() {
  return {
      {"explorer open with hook",
       Shape({1091, 1137, 1088, 1184, 1120, 1090, 1152, 1148, 1089, 1136, 1040, 1, 2, 1038}), 0},
      {"explorer open without hook", Shape({1091, 1137, 1088, 1120, 1090, 1152, 1148, 1089, 1136, 1040, 1, 2, 1038}),
       0},
      {"old-style open",
       Shape({1090, 1152, 1120, 0xFFFF, 1088, 1121, 1089, 1136, 1091, 1137, 1, 2, 1038, 1040}), -1},
      {"find", Shape({0xFFFF, 1152, 1040, 1041, 1072, 1056, 1057, 1, 2, 1038}), 2},
      {"replace", Shape({0xFFFF, 1152, 0xFFFF, 1153, 1040, 1041, 1, 1024, 1025, 2, 1038}), 3},
      {"print", Shape({1075, 1139, 1025, 1040, 1093, 1095, 1099, 1094, 1098, 1097, 1101, 1096, 1100, 1072, 1056,
                       1058, 1057, 1152, 1153, 1089, 1090, 1073, 1092, 1086, 1041, 1154, 1, 2, 1038}),
       4},
      {"print setup", Shape({1075, 1093, 1136, 1025, 1095, 1099, 1094, 1098, 1097, 1101, 1096, 1100, 1073, 1089,
                             1137, 1090, 1138, 1072, 1084, 1056, 1057, 1, 2, 1038}),
       5},
      {"page setup", Shape({1080, 1081, 1082, 1073, 1089, 1137, 1090, 1138, 1072, 1056, 1057, 1075, 1102, 1155,
                            1103, 1157, 1104, 1156, 1105, 1158, 1, 2, 1026}),
       6},
      {"font", Shape({1088, 1136, 1089, 1137, 1090, 1138, 1, 2, 1026, 1038, 1072, 1040, 1041, 1091, 1139, 1073,
                      1092, 1094, 1140}),
       7},
      {"color", Shape({1088, 1089, 730, 731, 726, 706, 727, 707, 728, 708, 723, 703, 724, 704, 725, 705, 720, 721,
                       710, 702, 709, 1, 2, 1038, 712, 719, 713}),
       8},
      {"message box", Shape({1088, 1, 2, 0xFFFF}), -1},
  };
}

// What a set with every kind chosen would pick: the first kind above the threshold.
int FirstRecognised(const LwDialogShape& s) {
  for (int k = 0; k < LWV_STDDLG_KINDS; ++k)
    if (LwModelScore(LwGetStdDlgModel(k), s) > LWV_STDDLG_THRESHOLD) return k;
  return -1;
}

TEST(StdDlgModels, WineDialogsAreRecognisedByTheirKind) {
  for (const WineShape& w : WineShapes()) EXPECT_EQ(w.kind, FirstRecognised(w.shape)) << w.name;
}

TEST(StdDlgModels, PrimaryLayoutScores) {
  // A new-style file dialog of 12 children with all seven controls scores 1.0.
  LwDialogShape full = Shape({1091, 1090, 1089, 1040, 1, 2, 1038, 1137, 1136, 1148, 1120, 1088});
  const LwStdDlgModel& open = LwGetStdDlgModel(0);
  EXPECT_DOUBLE_EQ(1.0, LwLayoutScore(open.layouts[0], full));
  // One control missing: 6/7, not recognised (strictly above 0.9).
  LwDialogShape missing = Shape({1091, 1090, 1089, 1040, 1, 2, 1137, 1136, 1148, 1120, 1088, 1121});
  EXPECT_NEAR(6.0 / 7.0, LwLayoutScore(open.layouts[0], missing), 1e-12);
  EXPECT_EQ(-1, FirstRecognised(missing));
  // The child-count difference costs as much as a missing control.
  LwDialogShape extra = full;
  extra.childCount = 14;
  EXPECT_NEAR(5.0 / 7.0, LwLayoutScore(open.layouts[0], extra), 1e-12);
  // A layout with exactly 0.9 is not enough.
  LwStdDlgLayout ten = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 10};
  LwDialogShape nine = Shape({1, 2, 3, 4, 5, 6, 7, 8, 9, 11});
  EXPECT_DOUBLE_EQ(0.9, LwLayoutScore(ten, nine));
}

TEST(StdDlgModels, UnnamedStaticsCountInOrder) {
  LwDialogShape one = Shape({0xFFFF, 5});
  EXPECT_TRUE(one.Has(-200));
  EXPECT_FALSE(one.Has(-199));
  LwDialogShape two = Shape({0xFFFF, 5, 0xFFFF});
  EXPECT_TRUE(two.Has(-199));
  EXPECT_FALSE(two.Has(-198));
}

TEST(StdDlgModels, TablesHaveTheirSizes) {
  struct Size {
    int kind, controls, others, expected, templateId;
    const TCHAR* name;
  };
  const Size sizes[] = {
      {0, 7, 33, 12, 1547, _T("eStddlgNewFileOpen")}, {1, 0, 0, 0, 0, _T("eStddlgFileOpen")},
      {2, 9, 0, 10, 1540, _T("eStddlgFind")},         {3, 9, 0, 11, 1541, _T("eStddlgReplace")},
      {4, 20, 39, 29, 1538, _T("eStddlgPrint")},      {5, 16, 39, 24, 1538, _T("eStddlgPrintSetup")},
      {6, 15, 4, 24, 1546, _T("eStddlgPageSetup")},   {7, 13, 30, 20, 1542, _T("eStddlgFont")},
      {8, 15, 0, 27, 0, _T("eStddlgColor")},
  };
  for (const Size& s : sizes) {
    const LwStdDlgModel& m = LwGetStdDlgModel(s.kind);
    EXPECT_EQ(s.controls, m.controlCount) << s.kind;
    EXPECT_EQ(s.others, m.GetOtherTextCount()) << s.kind;
    EXPECT_EQ(s.expected, m.expectedChildren) << s.kind;
    EXPECT_EQ(s.templateId, m.templateId) << s.kind;
    EXPECT_EQ(CString(s.name), CString(m.name)) << s.kind;
    if (!m.altIds.empty()) {
      EXPECT_EQ(m.entries.size(), m.altIds.size()) << s.kind;
    }
  }
  // Entry positions the live-text handlers rely on.
  EXPECT_EQ(10, LwGetStdDlgModel(0).FindString(369));
  EXPECT_EQ(15, LwGetStdDlgModel(0).FindString(256));
  EXPECT_EQ(19, LwGetStdDlgModel(0).FindString(387));
  EXPECT_EQ(29, LwGetStdDlgModel(0).FindString(398));
  EXPECT_EQ(20, LwGetStdDlgModel(4).FindString(410));
  EXPECT_EQ(16, LwGetStdDlgModel(5).FindString(410));
  EXPECT_EQ(46, LwGetStdDlgModel(4).FindString(1104));
  EXPECT_EQ(42, LwGetStdDlgModel(5).FindString(1104));
  EXPECT_EQ(17, LwGetStdDlgModel(6).FindString(1587));
  EXPECT_EQ(22, LwGetStdDlgModel(7).FindString(1040));
  EXPECT_EQ(38, LwGetStdDlgModel(7).FindString(1281));
  EXPECT_EQ(41, LwGetStdDlgModel(7).FindString(1098));
  EXPECT_EQ(-1, LwGetStdDlgModel(12).controlCount ? 0 : -1);
  EXPECT_EQ(CString(), CString(LwGetStdDlgKindName(20)));
}

TEST(StdDlgSet, SlotsFollowTheOptionBlock) {
  BYTE options[256] = {};
  options[0] = 1;
  options[7] = 2;
  options[20] = 1;
  options[30] = 1;
  CStdDlgSet set(options);
  ASSERT_NE(nullptr, set.GetSlot(0));
  EXPECT_EQ(0, set.GetSlot(0)->GetKind());
  ASSERT_NE(nullptr, set.GetSlot(7));
  EXPECT_EQ(nullptr, set.GetSlot(1));
  EXPECT_EQ(nullptr, set.GetSlot(20)) << "message boxes have no recogniser";
  ASSERT_NE(nullptr, set.GetSlot(30));
  EXPECT_TRUE(set.GetSlot(30)->IsEmpty()) << "a byte that names no kind recognises nothing";
  EXPECT_EQ(nullptr, set.GetSlot(256));
  CStdDlgSet none(nullptr);
  EXPECT_EQ(nullptr, none.GetSlot(0));
}

TEST(StdDlgText, ParsesConversions) {
  std::vector<LwConversion> c;
  ASSERT_TRUE(LwParseConversions(_T("%s already exists.\n%-5ld of %hu, 100%%"), c));
  ASSERT_EQ(3u, c.size());
  EXPECT_EQ('s', c[0].type);
  EXPECT_EQ('d', c[1].type);
  EXPECT_EQ(CString(_T("l")), c[1].length);
  EXPECT_EQ(CString(_T("h")), c[2].length);
  const TCHAR* refused[] = {_T("%n"), _T("abc%n"), _T("%*d"), _T("%1$s"), _T("%"), _T("%5"), _T("%p"),
                            _T("%1!d!"), _T("%.*s"), _T("%c")};
  for (const TCHAR* f : refused) EXPECT_FALSE(LwParseConversions(f, c)) << CStringA(f).GetString();
}

struct DynCase {
  const TCHAR* live;
  const TCHAR* original;
  const TCHAR* translated;
  LwFormatValues values;
  const TCHAR* out;  // null: not translated
};

TEST(StdDlgText, TranslatesDynamicTexts) {
  const DynCase cases[] = {
      {_T("C:\\a b\\x.txt already exists."), _T("%s already exists."), _T("%s existiert bereits."),
       LWV_VALUES_TEXT1, _T("C:\\a b\\x.txt existiert bereits.")},
      {_T("x.txt already exists. Really"), _T("%s already exists."), _T("%s existiert."), LWV_VALUES_TEXT1,
       nullptr},
      {_T("Page 3 of 12"), _T("Page %d of %d"), _T("Seite %d von %d"), LWV_VALUES_NUM2, _T("Seite 3 von 12")},
      {_T("Page 3 of 12"), _T("Page %d of %d"), _T("Seite %d"), LWV_VALUES_NUM2, nullptr},
      {_T("Page 3 of 12"), _T("Page %d of %d"), _T("%s von %d"), LWV_VALUES_NUM2, nullptr},
      {_T("Page 3 of 12"), _T("Page %d of %d"), _T("Seite %d von %d%n"), LWV_VALUES_NUM2, nullptr},
      {_T("Page x of 12"), _T("Page %d of %d"), _T("Seite %d von %d"), LWV_VALUES_NUM2, nullptr},
      {_T("Drive 7 missing"), _T("Drive %u missing"), _T("Laufwerk %u fehlt"), LWV_VALUES_NUM1,
       _T("Laufwerk 7 fehlt")},
      {_T("Ready"), _T("Ready"), _T("Bereit"), LWV_VALUES_NONE, _T("Bereit")},
      {_T("Ready."), _T("Ready"), _T("Bereit"), LWV_VALUES_NONE, nullptr},
      {_T(""), _T(""), _T("Bereit"), LWV_VALUES_NONE, nullptr},
      {_T("Ready"), _T("Ready"), _T(""), LWV_VALUES_NONE, nullptr},
      {_T("x"), _T("%s"), _T("%s%s"), LWV_VALUES_TEXT1, nullptr},
      {_T(" exists"), _T("%s exists"), _T("%s da"), LWV_VALUES_TEXT1, nullptr},
      {_T("a.txt exists"), _T("%d exists"), _T("%d da"), LWV_VALUES_TEXT1, nullptr},
      {_T("100% of x"), _T("100%% of %s"), _T("100%% von %s"), LWV_VALUES_TEXT1, _T("100% von x")},
  };
  for (const DynCase& c : cases) {
    CString out = _T("unchanged");
    bool ok = LwTranslateDynamic(c.live, c.original, c.translated, c.values, out);
    EXPECT_EQ(c.out != nullptr, ok) << CStringA(c.live).GetString() << " / " << CStringA(c.translated).GetString();
    if (c.out && ok) {
      EXPECT_EQ(CString(c.out), out);
    }
    if (!ok) {
      EXPECT_EQ(CString(_T("unchanged")), out);
    }
  }
  // A long live text (a path far beyond any fixed buffer) is matched whole.
  CString longPath(_T('p'), 5000);
  CString out;
  ASSERT_TRUE(LwTranslateDynamic(longPath + _T(" exists"), _T("%s exists"), _T("da: %s"), LWV_VALUES_TEXT1, out));
  EXPECT_EQ(CString(_T("da: ")) + longPath, out);
}

TEST(StdDlgText, ReplacesPatternsInOnePass) {
  struct Case {
    const TCHAR* text;
    std::vector<CString> patterns, replacements;
    const TCHAR* result;
    int count;
  };
  const Case cases[] = {
      {_T("Paused; Error; Ready"), {_T("Paused; "), _T("Error; "), _T("Ready")},
       {_T("Angehalten; "), _T("Fehler; "), _T("Bereit")}, _T("Angehalten; Fehler; Bereit"), 3},
      {_T("Ready"), {_T(""), _T("Ready")}, {_T("X"), _T("Bereit")}, _T("Bereit"), 1},
      {_T("abc"), {_T("")}, {_T("X")}, _T("abc"), 0},
      {_T("a-b"), {_T("a"), _T("b")}, {_T("b"), _T("c")}, _T("b-c"), 2},  // replaced text is not searched again
      {_T("mm mm"), {_T("m"), _T("mm")}, {_T("x"), _T("Millimeter")}, _T("Millimeter Millimeter"), 2},
      {_T(""), {_T("a")}, {_T("b")}, _T(""), 0},
  };
  for (const Case& c : cases) {
    CString t = c.text;
    EXPECT_EQ(c.count, LwReplacePatterns(t, c.patterns, c.replacements)) << CStringA(c.text).GetString();
    EXPECT_EQ(CString(c.result), t);
  }
}

}  // namespace

namespace {

TEST(StdDlgRecognizer, EntryMustFitTheModel) {
  std::unique_ptr<CTraNode> root = stddlgtest::BuildTree();
  CStdDlgRecognizer find(LWV_STDDLG_FIND);
  CTraNode* entry = find.FindEntry(root.get());
  ASSERT_NE(nullptr, entry);
  EXPECT_EQ(CString(_T("K2")), entry->GetTranslation());
  // One item more than the model has: the entry is not used.
  entry->AddChild(std::make_unique<CTraNode>(entry, _T("StdDlgItem9"), _T("x"), TRA_PUSHBUTTON, 0, 0));
  EXPECT_EQ(nullptr, find.FindEntry(root.get()));
  EXPECT_EQ(nullptr, CStdDlgRecognizer(LWV_STDDLG_FILEOPEN).FindEntry(root.get())) << "no model, no entry";
  EXPECT_EQ(nullptr, find.FindEntry(nullptr));
  EXPECT_NE(nullptr, CStdDlgRecognizer(LWV_STDDLG_FONT).FindEntry(root.get()));
}

TEST(StdDlgRecognizer, CaptureStoresDialogUnits) {
  CStdDlgRecognizer r(LWV_STDDLG_COLOR);
  RECT r1 = {15, 30, 91, 53};
  r.StoreCapture(0, _T("ignored"), r1, 1.5, 2.5);  // before BeginCapture
  EXPECT_EQ(CString(), r.GetControlText(0));
  r.BeginCapture();
  r.StoreCapture(3, _T("OK"), r1, 1.5, 2.5);
  EXPECT_EQ(CString(_T("OK")), r.GetControlText(3));
  EXPECT_EQ(10, r.GetControlLeft(3));
  EXPECT_EQ(12, r.GetControlTop(3));
  EXPECT_EQ(50, r.GetControlWidth(3));
  EXPECT_EQ(9, r.GetControlHeight(3));
  EXPECT_EQ(TRA_PUSHBUTTON, r.GetControlKind(3));
  r.StoreCapture(15, _T("x"), r1, 1.5, 2.5);  // beyond the 15 entries
  EXPECT_EQ(CString(), r.GetControlText(15));
  EXPECT_EQ(0, r.GetControlWidth(-1));
  EXPECT_EQ(15, r.GetControlCount());
}

}  // namespace
