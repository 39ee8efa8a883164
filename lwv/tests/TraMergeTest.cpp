#include <gtest/gtest.h>

#include "LwvTestSupport.h"

using namespace lwvtest;

namespace {

// A file with the three sections; returns the "Dialoge" node through dialogs.
std::unique_ptr<CTraFile> NewFile(CTraNode** dialogs, CTraNode** strings = nullptr) {
  CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  std::unique_ptr<CTraFile> file(new CTraFile(root));
  AddNode(root, TRA_SECTION_MENUS, _T("Menu"), TRA_MENUGROUP);
  *dialogs = AddNode(root, TRA_SECTION_DIALOGS, _T("Dialog"), TRA_DIALOGGROUP);
  CTraNode* s = AddNode(root, TRA_SECTION_STRINGS, _T("String Table"), TRA_STRINGGROUP);
  if (strings) *strings = s;
  return file;
}

// A dialog with buttons named by texts; translations are "T:" + text when translated.
CTraNode* Dialog(CTraNode* parent, const CString& caption, std::initializer_list<const TCHAR*> controls, bool translated,
                 LONG x = 0) {
  CTraNode* dlg = AddPlaced(parent, caption, translated ? _T("T:") + caption : caption, TRA_DIALOG, x, 0, 200, 100);
  LONG y = 5;
  for (const TCHAR* c : controls) {
    AddPlaced(dlg, c, translated ? _T("T:") + CString(c) : CString(c), TRA_PUSHBUTTON, 5, y, 50, 14);
    y += 20;
  }
  return dlg;
}

const CTraNode* Child(const CTraNode* node, const CString& original) {
  for (int i = 0; i < node->GetChildCount(); ++i)
    if (node->GetChild(i)->GetOriginal() == original) return node->GetChild(i);
  return nullptr;
}

TEST(TraMerge, LostAndNewControls) {
  CTraNode *oldDialogs, *newDialogs;
  auto translation = NewFile(&oldDialogs);
  translation->SetOriginal(false);
  Dialog(oldDialogs, _T("Options"), {_T("OK"), _T("Cancel"), _T("Help"), _T("Apply")}, true);
  auto original = NewFile(&newDialogs);
  Dialog(newDialogs, _T("Options"), {_T("OK"), _T("Cancel"), _T("Apply"), _T("Reset")}, false);

  EXPECT_TRUE(translation->UpdateFrom(*original));
  const CTraNode* dlg = translation->GetRootNode()->GetChild(1)->GetChild(0);
  EXPECT_EQ(dlg->GetTranslation(), _T("T:Options"));
  EXPECT_EQ(4, dlg->GetChildCount());
  for (const TCHAR* kept : {_T("OK"), _T("Cancel"), _T("Apply")}) {
    const CTraNode* c = Child(dlg, kept);
    ASSERT_NE(nullptr, c) << kept;
    EXPECT_EQ(c->GetTranslation(), _T("T:") + CString(kept));
    EXPECT_EQ(0, c->GetState());
  }
  const CTraNode* reset = Child(dlg, _T("Reset"));
  EXPECT_EQ(reset->GetTranslation(), _T("Reset"));
  EXPECT_EQ(3, reset->GetState());
  EXPECT_EQ(2, dlg->GetState());
  EXPECT_EQ(2, translation->GetRootNode()->GetState());
  EXPECT_EQ(0, translation->GetRootNode()->GetChild(0)->GetState());  // the empty menu group is a leaf
}

// The translator's marks on texts not yet done survive an update wherever
// the original text is unchanged; a changed text is marked anew.
TEST(TraMerge, MarksOfUnchangedTextsAreKept) {
  CTraNode *oldDialogs, *newDialogs;
  auto translation = NewFile(&oldDialogs);
  translation->SetOriginal(false);
  CTraNode* old = Dialog(oldDialogs, _T("Options"), {_T("OK"), _T("Cancel"), _T("Help")}, true);
  old->SetState(TRA_STATE_NEW_GROUP);
  old->GetChild(0)->SetState(TRA_STATE_DONE);
  old->GetChild(1)->SetState(TRA_STATE_NEW);
  old->GetChild(2)->SetState(TRA_STATE_NEW);
  Dialog(oldDialogs, _T("Print"), {_T("Pages")}, true)->SetState(TRA_STATE_GROUP);
  auto original = NewFile(&newDialogs);
  Dialog(newDialogs, _T("Options"), {_T("OK"), _T("Cancel"), _T("Help!")}, false);
  Dialog(newDialogs, _T("Print"), {_T("Pages")}, false);

  EXPECT_TRUE(translation->UpdateFrom(*original));
  const CTraNode* dlg = translation->GetRootNode()->GetChild(1)->GetChild(0);
  const struct {
    const TCHAR* original;
    int state;
  } expected[] = {{_T("OK"), TRA_STATE_DONE}, {_T("Cancel"), TRA_STATE_NEW}, {_T("Help!"), TRA_STATE_NEW}};
  for (const auto& e : expected) {
    ASSERT_NE(nullptr, Child(dlg, e.original)) << e.original;
    EXPECT_EQ(e.state, Child(dlg, e.original)->GetState()) << e.original;
  }
  EXPECT_EQ(TRA_STATE_NEW_GROUP_OPEN, dlg->GetState()) << "the marked dialog stays marked, with something new below";
  EXPECT_EQ(TRA_STATE_GROUP, translation->GetRootNode()->GetChild(1)->GetChild(1)->GetState());
}

TEST(TraMerge, RenamedDialogIsFoundByItsControls) {
  CTraNode *oldDialogs, *newDialogs;
  auto translation = NewFile(&oldDialogs);
  Dialog(oldDialogs, _T("Print"), {_T("Pages"), _T("Copies")}, true);
  Dialog(oldDialogs, _T("Search"), {_T("Find"), _T("Next"), _T("Close")}, true);
  auto original = NewFile(&newDialogs);
  Dialog(newDialogs, _T("Search text"), {_T("Find"), _T("Next"), _T("Close")}, false);

  EXPECT_FALSE(translation->UpdateFrom(*original));
  const CTraNode* dlg = translation->GetRootNode()->GetChild(1)->GetChild(0);
  EXPECT_EQ(dlg->GetTranslation(), _T("Search text"));  // its own text is not taken over
  EXPECT_EQ(dlg->GetChild(0)->GetTranslation(), _T("T:Find"));
  EXPECT_EQ(dlg->GetChild(2)->GetTranslation(), _T("T:Close"));
  EXPECT_EQ(1, dlg->GetState());
}

TEST(TraMerge, LeafWithoutEqualTextHasNoCounterpart) {
  CTraNode old(nullptr, _T("d"), _T("d"), TRA_DIALOG);
  AddNode(&old, _T("A"), _T("T:A"), TRA_PUSHBUTTON);
  CTraNode leaf(nullptr, _T("B"), _T("B"), TRA_PUSHBUTTON);
  EXPECT_EQ(nullptr, leaf.FindBestMatch(&old));
  EXPECT_EQ(nullptr, leaf.FindBestMatch(nullptr));
}

TEST(TraMerge, EqualSiblingsArePairedByScoreLaterWinningTies) {
  // Two dialogs named "Same" in the old tree; the new one lies exactly on the second.
  CTraNode old(nullptr, TRA_SECTION_DIALOGS, _T(""), TRA_DIALOGGROUP);
  CTraNode* first = AddPlaced(&old, _T("Same"), _T("first"), TRA_DIALOG, 10, 10, 100, 100);
  CTraNode* second = AddPlaced(&old, _T("Same"), _T("second"), TRA_DIALOG, 50, 10, 100, 100);
  CTraNode fresh(nullptr, _T("Same"), _T("Same"), TRA_DIALOG, 0, 0, RECT{50, 10, 150, 110}, RECT{50, 10, 150, 110});
  EXPECT_EQ(second, fresh.FindBestMatch(&old));
  CTraNode nearFirst(nullptr, _T("Same"), _T("Same"), TRA_DIALOG, 0, 0, RECT{12, 10, 112, 110}, RECT{12, 10, 112, 110});
  EXPECT_EQ(first, nearFirst.FindBestMatch(&old));
  // Equal distance: the later candidate wins.
  CTraNode between(nullptr, _T("Same"), _T("Same"), TRA_DIALOG, 0, 0, RECT{30, 10, 130, 110}, RECT{30, 10, 130, 110});
  EXPECT_EQ(second, between.FindBestMatch(&old));
  // Size-only layouts give no position score: a tie again.
  CTraNode sized(nullptr, _T("Same"), _T("Same"), TRA_DIALOG, 100, 100);
  EXPECT_EQ(second, sized.FindBestMatch(&old));
}

TEST(TraMerge, PositionAndSizePenalties) {
  // A control moved by P and resized by S scores f(P,400) + f(S,300) + 1500 (other text).
  struct Case {
    RECT moved;
    bool found;
  } cases[] = {
      {{5, 5, 55, 19}, true},       // same place
      {{6, 5, 56, 19}, true},       // small move
      {{900, 900, 950, 914}, true}, // capped at 400
  };
  for (const Case& c : cases) {
    CTraNode old(nullptr, _T("d"), _T("d"), TRA_DIALOG);
    CTraNode* a = AddPlaced(&old, _T("A"), _T("T:A"), TRA_PUSHBUTTON, 5, 5, 50, 14);
    AddNode(a, _T("x"), _T("x"), TRA_STRING);
    CTraNode fresh(nullptr, _T("B"), _T("B"), TRA_PUSHBUTTON, 0, 0, c.moved, c.moved);
    AddNode(&fresh, _T("x"), _T("x"), TRA_STRING);
    EXPECT_EQ(c.found ? a : nullptr, fresh.FindBestMatch(&old));
  }
}

TEST(TraMerge, StringTablesArePairedByTheirStrings) {
  CTraNode *oldDialogs, *newDialogs, *oldStrings, *newStrings;
  auto translation = NewFile(&oldDialogs, &oldStrings);
  CTraNode* t1 = AddNode(oldStrings, _T("String Table Section 1"), _T(""), TRA_STRINGTABLE);
  AddNode(t1, _T("Ready"), _T("Bereit"), TRA_STRING);
  AddNode(t1, _T("Open"), _T("Offen"), TRA_STRING);
  CTraNode* t2 = AddNode(oldStrings, _T("String Table Section 2"), _T(""), TRA_STRINGTABLE);
  AddNode(t2, _T("Save"), _T("Sichern"), TRA_STRING);
  AddNode(t2, _T("Quit"), _T("Ende"), TRA_STRING);

  auto original = NewFile(&newDialogs, &newStrings);
  // The tables swapped numbers.
  CTraNode* n1 = AddNode(newStrings, _T("String Table Section 1"), _T(""), TRA_STRINGTABLE);
  AddNode(n1, _T("Save"), _T("Save"), TRA_STRING);
  AddNode(n1, _T("Quit"), _T("Quit"), TRA_STRING);
  CTraNode* n2 = AddNode(newStrings, _T("String Table Section 2"), _T(""), TRA_STRINGTABLE);
  AddNode(n2, _T("Ready"), _T("Ready"), TRA_STRING);
  AddNode(n2, _T("Open"), _T("Open"), TRA_STRING);

  EXPECT_FALSE(translation->UpdateFrom(*original));
  const CTraNode* strings = translation->GetRootNode()->GetChild(2);
  EXPECT_EQ(strings->GetChild(0)->GetChild(0)->GetTranslation(), _T("Sichern"));
  EXPECT_EQ(strings->GetChild(0)->GetChild(1)->GetTranslation(), _T("Ende"));
  EXPECT_EQ(strings->GetChild(1)->GetChild(0)->GetTranslation(), _T("Bereit"));
}

TEST(TraMerge, LayoutIsCarriedWhenTheOriginalPlaceIsUnchanged) {
  CTraNode *oldDialogs, *newDialogs;
  auto translation = NewFile(&oldDialogs);
  CTraNode* oldDlg = Dialog(oldDialogs, _T("Options"), {_T("OK"), _T("Cancel")}, true);
  oldDlg->GetLayout()->m_rcTranslated = RECT{0, 0, 260, 100};
  oldDlg->GetChild(0)->GetLayout()->m_rcTranslated = RECT{5, 5, 80, 19};
  oldDlg->GetChild(1)->GetLayout()->m_rcTranslated = RECT{5, 25, 80, 39};
  auto original = NewFile(&newDialogs);
  CTraNode* newDlg = Dialog(newDialogs, _T("Options"), {_T("OK"), _T("Cancel")}, false);
  newDlg->GetChild(1)->GetLayout()->m_rcOriginal.top = 30;  // the script moved Cancel
  newDlg->GetChild(1)->GetLayout()->m_rcTranslated.top = 30;

  translation->UpdateFrom(*original);
  const CTraNode* dlg = translation->GetRootNode()->GetChild(1)->GetChild(0);
  EXPECT_EQ(260, dlg->GetLayout()->m_rcTranslated.right);
  EXPECT_EQ(80, dlg->GetChild(0)->GetLayout()->m_rcTranslated.right);
  EXPECT_EQ(55, dlg->GetChild(1)->GetLayout()->m_rcTranslated.right);
  EXPECT_EQ(30, dlg->GetChild(1)->GetLayout()->m_rcTranslated.top);
  EXPECT_EQ(dlg->GetChild(1)->GetTranslation(), _T("T:Cancel"));
}

TEST(TraMerge, HeaderFieldsOfAnUpdate) {
  auto translation = MakeSampleFile();
  translation->SetOriginal(false);
  translation->SetProgramVersion(_T("1.0"));
  auto original = MakeSampleFile();
  original->SetProgramName(_T("Demo2"));
  original->SetProgramVersion(_T("2.0"));
  original->SetLanguageId(MAKELANGID(7, 1));
  original->SetAuthor(_T("Other"));
  original->SetCarriedValue(5);
  original->SetVersion(30002);
  original->SetFlags(TRA_FLAG_ORIGINAL | TRA_FLAG_WIZARD | 0x100);
  original->SetFlagPixel(0, RGB(1, 1, 1));
  BYTE options[TRA_OPTION_COUNT] = {0};
  options[9] = 1;
  original->SetStdDialogOptions(options);

  translation->UpdateFrom(*original);
  EXPECT_EQ(translation->GetProgramName(), _T("Demo2"));
  EXPECT_EQ(translation->GetProgramVersion(), _T("2.0"));
  EXPECT_EQ(MAKELANGID(9, 1), translation->GetLanguageId());
  EXPECT_EQ(translation->GetAuthor(), _T("Autorin"));
  EXPECT_NE(RGB(1, 1, 1), translation->GetFlagPixel(0));
  EXPECT_EQ(5u, translation->GetCarriedValue());
  EXPECT_EQ(30002, translation->GetVersion());
  EXPECT_EQ(TRA_FLAG_WIZARD | 0x100u, translation->GetFlags());
  EXPECT_EQ(1, translation->GetStdDialogOptions()[9]);
  EXPECT_EQ(0, translation->GetStdDialogOptions()[20]);

  // Both originals: the bit stays.
  auto a = MakeSampleFile();
  a->SetOriginal(true);
  auto b = MakeSampleFile();
  b->SetOriginal(true);
  a->UpdateFrom(*b);
  EXPECT_TRUE(a->IsOriginal());
}

TEST(TraMerge, AddOnEntriesKeepNewerContents) {
  struct Case {
    const TCHAR* oldDate;
    const TCHAR* newDate;
    bool keepsOld;
  } cases[] = {
      {_T("2024-05-17 10:30"), _T("2024-05-17 10:29"), true},
      {_T("2024-05-17 10:30"), _T("2024-05-17 10:30"), true},
      {_T("2024-05-17 10:30"), _T("2024-05-18 00:00"), false},
  };
  for (const Case& c : cases) {
    CTraFile translation, original;
    CAddOnFile* kept = new CAddOnFile(_T("help.txt"), _T("old\\"), _T("C:\\old\\"));
    kept->SetDate(c.oldDate);
    kept->SetDescription(_T("old text"));
    kept->SetContents({1, 2, 3});
    translation.GetAddOnFiles()->Append(kept);
    CAddOnFile* fresh = new CAddOnFile(_T("help.txt"), _T("new\\"), _T("C:\\new\\"));
    fresh->SetDate(c.newDate);
    fresh->SetContents({9});
    original.GetAddOnFiles()->Append(fresh);
    original.GetAddOnFiles()->Append(new CAddOnFile(_T("other.txt")));

    translation.UpdateFrom(original);
    ASSERT_EQ(2, translation.GetAddOnFiles()->GetCount());
    const CAddOnFile* merged = translation.GetAddOnFiles()->GetAt(0);
    EXPECT_EQ(merged->GetExportPath(), _T("new\\"));
    EXPECT_EQ(c.keepsOld, merged->GetContents() == std::vector<BYTE>({1, 2, 3})) << c.newDate;
    EXPECT_EQ(c.keepsOld, merged->GetDescription() == _T("old text"));
    EXPECT_EQ(c.keepsOld, merged->GetStoredPath() == _T("C:\\old\\"));
  }
}

TEST(TraMerge, MissingTreesAreEmptyTrees) {
  // An empty translation updated from a full original: everything is new.
  CTraFile empty;
  auto original = MakeSampleFile();
  EXPECT_TRUE(empty.UpdateFrom(*original));
  ASSERT_NE(nullptr, empty.GetRootNode());
  EXPECT_EQ(2, empty.GetRootNode()->GetState());
  EXPECT_EQ(5, empty.GetRootNode()->GetChild(1)->GetState());
  EXPECT_EQ(3, empty.GetRootNode()->GetChild(2)->GetChild(0)->GetChild(0)->GetState());
  // A translation updated from a file without a tree has none.
  auto translation = MakeSampleFile();
  CTraFile none;
  EXPECT_FALSE(translation->UpdateFrom(none));
  EXPECT_EQ(nullptr, translation->GetRootNode());
  CTraNode lone(nullptr, _T("a"), _T("b"), TRA_DIALOG);
  AddNode(&lone, _T("c"), _T("d"), TRA_PUSHBUTTON);
  EXPECT_TRUE(lone.Merge(nullptr));
  EXPECT_EQ(3, lone.GetChild(0)->GetState());
}

TEST(TraMerge, UpdateDropsStaleStringIndexes) {
  auto translation = MakeSampleFile();
  translation->BuildStringIndex();
  auto original = MakeSampleFile();
  translation->UpdateFrom(*original);
  EXPECT_EQ(nullptr, translation->GetStringIndex(TRA_PART_WHOLE));
}

TEST(TraMerge, CompareChildrenCountsBothSides) {
  CTraNode a(nullptr, _T("a"), _T(""), TRA_DIALOG), b(nullptr, _T("b"), _T(""), TRA_DIALOG);
  for (const TCHAR* t : {_T("1"), _T("2"), _T("3")}) AddNode(&a, t, t, TRA_PUSHBUTTON);
  for (const TCHAR* t : {_T("2"), _T("3"), _T("4"), _T("5")}) AddNode(&b, t, t, TRA_PUSHBUTTON);
  int here = -1, there = -1;
  EXPECT_EQ(3, a.CompareChildren(&b, here, there));
  EXPECT_EQ(2, here);
  EXPECT_EQ(1, there);

  // Small and large nodes count alike: children 0..n-1 against offset..offset+m-1, with duplicates.
  struct Case {
    int n, m, offset;
  } cases[] = {{3, 4, 1}, {8, 8, 0}, {9, 9, 3}, {40, 25, 30}, {100, 100, 100}, {0, 70, 0}};
  for (const Case& c : cases) {
    CTraNode x(nullptr, _T("x"), _T(""), TRA_STRINGTABLE), y(nullptr, _T("y"), _T(""), TRA_STRINGTABLE);
    for (int i = 0; i < c.n; ++i) {
      CString t;
      t.Format(_T("s%d"), i / 2 * 2);  // pairs of equal texts
      AddNode(&x, t, t, TRA_STRING);
    }
    for (int i = 0; i < c.m; ++i) {
      CString t;
      t.Format(_T("s%d"), c.offset + i);
      AddNode(&y, t, t, TRA_STRING);
    }
    int expectThere = 0, expectHere = 0;
    for (int i = 0; i < c.n; ++i) {
      int v = i / 2 * 2;
      if (v < c.offset || v >= c.offset + c.m) ++expectThere;
    }
    for (int i = 0; i < c.m; ++i) {
      int v = c.offset + i;
      if (v % 2 != 0 || v >= (c.n + 1) / 2 * 2) ++expectHere;
    }
    EXPECT_EQ(expectHere + expectThere, x.CompareChildren(&y, here, there)) << c.n << " " << c.m;
    EXPECT_EQ(expectHere, here) << c.n << " " << c.m;
    EXPECT_EQ(expectThere, there) << c.n << " " << c.m;
  }
}

TEST(TraMerge, CloneCopiesEverythingAndNormalisesOptions) {
  auto file = MakeSampleFile();
  BYTE options[TRA_OPTION_COUNT] = {0};
  options[4] = 9;
  file->SetStdDialogOptions(options);
  std::unique_ptr<CTraFile> copy(file->Clone());
  EXPECT_EQ(1, copy->GetStdDialogOptions()[4]);
  options[4] = 1;
  file->SetStdDialogOptions(options);
  ExpectSameFile(*file, *copy);
  EXPECT_NE(file->GetAddOnFiles()->GetAt(0), copy->GetAddOnFiles()->GetAt(0));
  EXPECT_NE(file->GetRootNode(), copy->GetRootNode());
}

TEST(TraMerge, TakeTranslationsKeepsSectionNames) {
  auto running = MakeSampleFile();
  std::unique_ptr<CTraNode> next(running->GetRootNode()->Clone(nullptr));
  CTraNode* dlg = next->GetChild(1)->GetChild(0);
  RECT oldPlace = dlg->GetLayout()->m_rcOriginal;
  next->TakeTranslations(running->GetRootNode(), 0);
  EXPECT_EQ(next->GetOriginal(), TRA_ROOT_NAME);
  EXPECT_EQ(next->GetChild(1)->GetOriginal(), TRA_SECTION_DIALOGS);
  EXPECT_EQ(dlg->GetOriginal(), _T("Change size"));
  EXPECT_EQ(dlg->GetChild(1)->GetOriginal(), _T("Cancel"));
  EXPECT_EQ(oldPlace.right + 20, dlg->GetLayout()->m_rcOriginal.right);
  // Size-only rectangles are not positions: the original stays.
  const CTraNode* info = next->GetChild(1)->GetChild(1);
  EXPECT_EQ(0, info->GetLayout()->m_rcOriginal.right);
  // Trees of different shapes are walked only as far as both go.
  CTraNode small(nullptr, _T("r"), _T("r"), TRA_RCFILE);
  next->TakeTranslations(&small, 0);
  next->TakeTranslations(nullptr, 0);
}

}  // namespace
