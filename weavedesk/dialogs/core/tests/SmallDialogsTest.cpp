// Statistics counts, the special-character grid and the position window's
// texts.
#include "DeskStatistics.h"
#include "PositionTexts.h"
#include "SpecialCharGrid.h"
#include "TraNode.h"

#include <gtest/gtest.h>

namespace {

CTraNode* Add(CTraNode* parent, const TCHAR* text, int kind, int state) {
  CTraNode* node = parent->AddChild(std::make_unique<CTraNode>(parent, text, text, kind));
  node->SetState(state);
  return node;
}

TEST(Statistics, OnlyTheRootCountsNothing) {
  CTraNode root(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  DeskStatistics totals;
  CountStatistics(&root, totals);
  EXPECT_EQ(0, totals.chars);
  EXPECT_EQ(0, totals.markedChars);
  EXPECT_EQ(0, totals.texts);
  EXPECT_EQ(0, totals.markedTexts);
}

TEST(Statistics, GroupsCountAndMarkedTextsAreCountedApart) {
  CTraNode root(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  CTraNode* menus = Add(&root, _T("Menus"), TRA_MENUGROUP, TRA_STATE_NEW_GROUP_OPEN);  // 5, marked
  CTraNode* menu = Add(menus, _T("Haupt"), TRA_MENU, TRA_STATE_GROUP);                 // 5
  Add(menu, _T("&Datei"), TRA_MENUITEM, TRA_STATE_NEW);                                // 6, marked
  Add(menu, _T("Ende"), TRA_MENUITEM, TRA_STATE_DONE);                                 // 4
  CTraNode* dialogs = Add(&root, _T("Dialoge"), TRA_DIALOGGROUP, TRA_STATE_GROUP);     // 7
  CTraNode* dialog = Add(dialogs, _T("Adresse"), TRA_DIALOG, TRA_STATE_NEW_GROUP);     // 7, marked
  Add(dialog, _T("Name"), TRA_STATIC, TRA_STATE_NEW);                                  // 4, marked
  Add(dialog, _T(""), TRA_STATIC, TRA_STATE_NEW);                                      // not translatable
  Add(dialog, _T("edit"), TRA_EDIT, TRA_STATE_NEW);                                    // not translatable
  CTraNode* control = Add(dialog, _T("ctl"), TRA_CONTROL, TRA_STATE_DONE);             // not, but its child
  Add(control, _T("Kind"), TRA_STRING, TRA_STATE_NEW);                                 // 4, marked
  DeskStatistics totals;
  CountStatistics(&root, totals);
  EXPECT_EQ(5 + 5 + 6 + 4 + 7 + 7 + 4 + 4, totals.chars);
  EXPECT_EQ(8, totals.texts);
  EXPECT_EQ(5 + 6 + 7 + 4 + 4, totals.markedChars);
  EXPECT_EQ(5, totals.markedTexts);
}

TEST(SpecialCharGrid, SizesFromTheFont) {
  struct Case {
    int widest, maxWidth, height, cellW, cellH, picW, picH;
  } cases[] = {{9, 12, 16, 13, 18, 13 * 25 + 12, 6 + 18 * 9 + 2}, {20, 12, 10, 16, 12, 16 * 25 + 12, 6 + 12 * 9 + 2}};
  for (const Case& c : cases) {
    CSpecialCharGrid grid(c.widest, c.maxWidth, c.height);
    EXPECT_EQ(c.cellW, grid.CellWidth());
    EXPECT_EQ(c.cellH, grid.CellHeight());
    EXPECT_EQ(c.picW, grid.PictureWidth());
    EXPECT_EQ(c.picH, grid.PictureHeight());
  }
}

TEST(SpecialCharGrid, CellsAndCharacters) {
  CSpecialCharGrid grid(6, 10, 14);  // cells 10 x 16
  struct Case {
    int x, y;
    bool hit;
    int column = 0, row = 0, ch = 0;
  } cases[] = {{4, 6, true, 0, 0, 33},          {13, 21, true, 0, 0, 33},       {14, 6, true, 1, 0, 34},
               {4, 22, true, 0, 1, 58},         {4 + 22 * 10, 6 + 8 * 16, true, 22, 8, 255},
               {4 + 23 * 10, 6 + 8 * 16, false}, {4 + 24 * 10 + 9, 6 + 8 * 16, false}, {3, 10, false},
               {10, 5, false},                  {4 + 25 * 10, 10, false},      {10, 6 + 9 * 16, false},
               {4 + 24 * 10, 6 + 7 * 16, true, 24, 7, 33 + 25 * 7 + 24}};
  for (const Case& c : cases) {
    int column = -1, row = -1;
    EXPECT_EQ(c.hit, grid.HitTest(c.x, c.y, &column, &row)) << c.x << "," << c.y;
    if (!c.hit) continue;
    EXPECT_EQ(c.column, column) << c.x << "," << c.y;
    EXPECT_EQ(c.row, row) << c.x << "," << c.y;
    EXPECT_EQ(c.ch, CSpecialCharGrid::CharAt(column, row));
  }
  const POINT text = grid.TextOrigin(2, 3, 6);
  EXPECT_EQ(2 * 10 + 2 + 4, text.x);
  EXPECT_EQ(6 + 3 * 16, text.y);
}

TEST(SpecialCharGrid, EnlargedCharacterStaysInsideThePicture) {
  CSpecialCharGrid grid(6, 10, 14);  // picture 262 x 152
  struct Case {
    int column, row, width, height, x, y;
  } cases[] = {{5, 4, 12, 28, 48, 61},          // free: (20 - 12) / 2 + 40 + 4, 6 + 64 - 9
               {0, 0, 12, 28, 4, 3},            // left and top edges
               {24, 8, 30, 28, 262 - 30 - 4, 152 - 28 - 3}};  // right and bottom edges
  for (const Case& c : cases) {
    const POINT p = grid.EnlargedOrigin(c.column, c.row, c.width, c.height);
    EXPECT_EQ(c.x, p.x) << c.column << "," << c.row;
    EXPECT_EQ(c.y, p.y) << c.column << "," << c.row;
  }
}

TEST(PositionTexts, FormsAndBlanks) {
  const RECT r = {12, -3, 112, 47};
  EXPECT_EQ(CString(_T("  12,   -3")), PositionText(&r));
  EXPECT_EQ(CString(_T(" 100 x   50")), SizeText(&r));
  EXPECT_EQ(CString(_T("    ,     ")), PositionText(nullptr));
  EXPECT_EQ(CString(_T("     x     ")), SizeText(nullptr));
  EXPECT_EQ(CString(_T("    ,    ")), PointText(-1000, 0));
  EXPECT_EQ(CString(_T("-999,    0")), PointText(-999, 0));
  EXPECT_EQ(CString(_T("   7,   12")), PointText(7, 12));
}

}  // namespace
