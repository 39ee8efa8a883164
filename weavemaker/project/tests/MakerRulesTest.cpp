// The main dialog's decision tables: command line, enabling, title, the
// question on closing and the resize rules.
#include "MakerPages.h"
#include "MakerRules.h"
#include "ScanFixtures.h"
#include "UiServices.h"
#include "WeaveMakerIds.h"

#include <gtest/gtest.h>

#include <map>

using scantest::Utf8;

namespace {

TEST(MakerCommandLine, Forms) {
  struct Case {
    const TCHAR* line;
    MakerCommandLine::Kind kind;
    const TCHAR* name;
  } cases[] = {
      {_T(""), MakerCommandLine::kEmpty, _T("")},
      {_T("   "), MakerCommandLine::kEmpty, _T("")},
      {_T("-pSample"), MakerCommandLine::kProject, _T("Sample")},
      {_T("  -P    Sample   "), MakerCommandLine::kProject, _T("Sample")},
      {_T("-p My Project"), MakerCommandLine::kProject, _T("My Project")},
      {_T("-p sub\\Sample"), MakerCommandLine::kProject, _T("sub\\Sample")},
      {_T("-p"), MakerCommandLine::kInvalid, _T("")},
      {_T("-p   "), MakerCommandLine::kInvalid, _T("")},
      {_T("-x Sample"), MakerCommandLine::kInvalid, _T("")},
      {_T("/p Sample"), MakerCommandLine::kInvalid, _T("")},
      {_T("Sample"), MakerCommandLine::kInvalid, _T("")},
      {_T("-p Sample.lwp"), MakerCommandLine::kInvalid, _T("")},
      {_T("-p C:Sample"), MakerCommandLine::kInvalid, _T("")},
      {_T("-p Sam-ple"), MakerCommandLine::kInvalid, _T("")},
      {_T("-p \"Sample\""), MakerCommandLine::kInvalid, _T("")},
      {_T("-p a/b"), MakerCommandLine::kInvalid, _T("")},
      {_T("-p a\u00B0b"), MakerCommandLine::kInvalid, _T("")},
      {_T("-p a\u00A7b"), MakerCommandLine::kInvalid, _T("")},
      {_T("-p a;b"), MakerCommandLine::kInvalid, _T("")},
  };
  for (const Case& c : cases) {
    const MakerCommandLine parsed = ParseMakerCommandLine(c.line);
    EXPECT_EQ(c.kind, parsed.kind) << Utf8(c.line);
    EXPECT_EQ(Utf8(c.name), Utf8(parsed.name)) << Utf8(c.line);
  }
}

std::map<UINT, bool> Enabled(const MakerStateFlags& f) {
  std::map<UINT, bool> out;
  for (const MakerEnabled& e : MakerEnabling(f)) out[e.id] = e.enabled;
  return out;
}

TEST(MakerEnabling, Table) {
  MakerStateFlags none;
  MakerStateFlags fresh;  // a new project, header filled, nothing selected
  fresh.project = fresh.projectModified = fresh.loaded = fresh.traModified = fresh.headerComplete = true;
  fresh.writeTestFile = true;
  MakerStateFlags saved = fresh;
  saved.projectModified = saved.traModified = false;
  MakerStateFlags noName = fresh;
  noName.headerComplete = false;
  MakerStateFlags selected = saved;
  selected.scriptSelected = true;
  selected.addOnsSelected = 1;
  MakerStateFlags two = saved;
  two.addOnsSelected = 2;
  two.writeTestFile = false;
  struct Case {
    const char* what;
    MakerStateFlags flags;
    UINT id;
    bool enabled;
  } cases[] = {
      {"none", none, IDC_PROJECT_NEW, true},         {"none", none, ID_PROJECT_OPEN, true},
      {"none", none, IDC_PROJECT_SAVE, false},       {"none", none, IDC_PROJECT_SAVEAS, false},
      {"none", none, IDC_RC_INSERT, false},          {"none", none, IDC_PROGRAM_NAME, false},
      {"none", none, IDC_TRA_SAVEAS, false},         {"none", none, IDC_ADDON_NOTHING, false},
      {"fresh", fresh, IDC_PROJECT_SAVE, true},      {"fresh", fresh, ID_PROJECT_SAVE, true},
      {"fresh", fresh, IDC_TRA_SAVE, true},          {"fresh", fresh, ID_TRA_SAVE, true},
      {"fresh", fresh, IDC_TEST_SETTINGS, true},     {"fresh", fresh, IDC_RC_REMOVE, false},
      {"fresh", fresh, IDC_ADDON_DELETE, false},     {"fresh", fresh, IDC_ADDON_EXPORT, false},
      {"fresh", fresh, IDC_ADDON_NOTHING, false},    {"saved", saved, IDC_PROJECT_SAVE, false},
      {"saved", saved, IDC_TRA_SAVE, false},         {"saved", saved, IDC_TRA_SAVEAS, true},
      {"noName", noName, IDC_TRA_SAVE, false},       {"noName", noName, IDC_TRA_SAVEAS, false},
      {"noName", noName, IDC_PROJECT_SAVE, true},    {"selected", selected, IDC_RC_REMOVE, true},
      {"selected", selected, ID_RESOURCE_REMOVE, true}, {"selected", selected, IDC_ADDON_DELETE, true},
      {"selected", selected, IDC_ADDON_DESCRIPTION, true}, {"two", two, IDC_ADDON_DELETE, true},
      {"two", two, IDC_ADDON_DESCRIPTION, false},    {"two", two, IDC_TEST_SETTINGS, false},
      {"two", two, ID_TEST_SETTINGS, false},
  };
  for (const Case& c : cases) {
    const std::map<UINT, bool> enabled = Enabled(c.flags);
    ASSERT_EQ(1u, enabled.count(c.id)) << c.what << " " << c.id;
    EXPECT_EQ(c.enabled, enabled.at(c.id)) << c.what << " " << c.id;
  }
}

TEST(MakerTitle, Forms) {
  EXPECT_EQ("Lingoweave Wizard", Utf8(MakerTitle(_T("Lingoweave Wizard"), false, _T("a.lwp"), true)));
  EXPECT_EQ("Lingoweave Wizard - a.lwp", Utf8(MakerTitle(_T("Lingoweave Wizard"), true, _T("a.lwp"), false)));
  EXPECT_EQ("Lingoweave Wizard - a.lwp *", Utf8(MakerTitle(_T("Lingoweave Wizard"), true, _T("a.lwp"), true)));
}

TEST(MakerCloseQuestion, Table) {
  struct Case {
    bool project, tra, complete;
    UINT id, buttons;
    int answer;
    MakerCloseAnswer result;
  } cases[] = {
      {true, true, true, IDS_CLOSE_BOTH, MB_YESNOCANCEL, IDYES, MakerCloseAnswer::kSaveThenClose},
      {true, true, true, IDS_CLOSE_BOTH, MB_YESNOCANCEL, IDNO, MakerCloseAnswer::kClose},
      {true, true, true, IDS_CLOSE_BOTH, MB_YESNOCANCEL, IDCANCEL, MakerCloseAnswer::kStay},
      {true, true, false, IDS_CLOSE_BOTH_INCOMPLETE, MB_YESNO, IDYES, MakerCloseAnswer::kClose},
      {true, true, false, IDS_CLOSE_BOTH_INCOMPLETE, MB_YESNO, IDNO, MakerCloseAnswer::kStay},
      {true, false, true, IDS_CLOSE_PROJECT, MB_YESNOCANCEL, IDYES, MakerCloseAnswer::kSaveThenClose},
      {true, false, false, IDS_CLOSE_PROJECT_INCOMPLETE, MB_YESNO, IDNO, MakerCloseAnswer::kStay},
      {false, true, true, IDS_CLOSE_TRA, MB_YESNOCANCEL, IDCANCEL, MakerCloseAnswer::kStay},
      {false, true, false, IDS_CLOSE_TRA_INCOMPLETE, MB_YESNO, IDYES, MakerCloseAnswer::kClose},
      {false, false, true, 0, 0, IDCANCEL, MakerCloseAnswer::kClose},
      {false, false, false, 0, 0, IDNO, MakerCloseAnswer::kClose},
  };
  for (const Case& c : cases) {
    const MakerCloseQuestion q = MakerCloseQuestionFor(c.project, c.tra, c.complete);
    EXPECT_EQ(c.id, q.stringId) << c.project << c.tra << c.complete;
    EXPECT_EQ(c.buttons, q.buttons) << c.id;
    EXPECT_EQ(c.result, MakerCloseAnswerFor(q, c.answer)) << c.id << " answer " << c.answer;
    if (c.complete && c.id) {
      EXPECT_EQ(c.project, q.saveProject);
      EXPECT_EQ(c.tra, q.saveTra);
    }
  }
}

TEST(MakerResize, Rules) {
  const CRect r(10, 20, 110, 70);
  struct Case {
    UINT id;
    CRect expected;
  } cases[] = {
      {IDC_TAB, CRect(10, 20, 140, 85)},          {IDC_PROBLEMS, CRect(10, 20, 140, 85)},
      {IDC_PROJECT_NEW, CRect(40, 20, 140, 70)},  {IDC_VERSION_LABEL, CRect(40, 20, 140, 70)},
      {IDC_ADDON_TITLE, CRect(40, 20, 140, 70)},  {IDOK, CRect(10, 35, 110, 85)},
      {IDC_HELP_BUTTON, CRect(10, 35, 110, 85)},  {IDC_ADDON_LIST, CRect(10, 20, 140, 70)},
      {IDC_PROGRAM_NAME, CRect(10, 20, 140, 70)}, {IDC_FLAG_FRAME, CRect(10, 20, 110, 70)},
      {IDC_NAME_LABEL, CRect(10, 20, 110, 70)},
  };
  for (const Case& c : cases) {
    const CRect got = MakerResized(r, MakerResizeRuleFor(c.id), 30, 15);
    EXPECT_EQ(c.expected.left, got.left) << c.id;
    EXPECT_EQ(c.expected.top, got.top) << c.id;
    EXPECT_EQ(c.expected.right, got.right) << c.id;
    EXPECT_EQ(c.expected.bottom, got.bottom) << c.id;
  }
  EXPECT_EQ(35u, MakerResizedControls().size());
}

TEST(MakerRules, MenuCommandsAndTheFlagsHitBox) {
  for (UINT id : {ID_PROJECT_NEW, ID_TEST_WRITE, ID_STANDARD_DIALOGS, ID_APP_ABOUT_WIZARD})
    EXPECT_TRUE(MakerIsMenuCommand(id)) << id;
  for (UINT id : {IDC_PROJECT_NEW, IDC_TAB, IDC_PROBLEMS, IDC_ADDON_EXPORT}) EXPECT_FALSE(MakerIsMenuCommand(id)) << id;
  const CRect frame(100, 50, 300, 120);  // the frame may be larger than the flag
  struct Case {
    int x, y;
    bool hit;
  } const cases[] = {{100, 50, true}, {131, 81, true}, {132, 60, false}, {110, 82, false}, {99, 60, false}};
  for (const Case& c : cases) EXPECT_EQ(c.hit, MakerFlagHit(frame, CPoint(c.x, c.y))) << c.x << "," << c.y;
}

// Every template control of a page lies on that page alone; every page
// window on one page; the tabs come in the order of the pages.
TEST(MakerPages, Table) {
  std::map<UINT, int> pagesOf;
  for (size_t i = 0; i < kMakerPageCount; ++i) {
    const MakerPageRow& row = kMakerPages[i];
    EXPECT_EQ(i, static_cast<size_t>(row.page));
    EXPECT_EQ(&row, MakerPageAt(i));
    EXPECT_NE(0u, row.caption);
    for (size_t k = 0; k < row.controlCount; ++k) ++pagesOf[row.controls[k]];
    if (row.window) ++pagesOf[row.window];
  }
  EXPECT_EQ(nullptr, MakerPageAt(kMakerPageCount));
  for (const auto& entry : pagesOf) EXPECT_EQ(1, entry.second) << entry.first;
  EXPECT_TRUE(MakerPageOf(MakerPage::kGeneral).showsFlag);
  EXPECT_EQ(0u, MakerPageOf(MakerPage::kAddOns).tip);
  EXPECT_EQ(static_cast<UINT>(IDC_PROBLEMS), MakerPageOf(MakerPage::kProblems).window);
  for (const MakerPictureButton& b : kMakerButtons) EXPECT_EQ(1, pagesOf[b.id]) << b.id;  // each on a page
}

}  // namespace
