#include "DialogMatcher.h"
#include "HooksFakes.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

using namespace hookstest;

namespace {

struct Section {
  std::unique_ptr<CTraNode> node{new CTraNode(nullptr, TRA_SECTION_DIALOGS, _T("Dialog"), TRA_DIALOGGROUP)};
  CTraNode* Dialog(const CString& caption, const CString& translation, RECT o = R(0, 0, 200, 100),
                   RECT c = R(0, 0, 200, 100)) {
    return AddAt(node.get(), caption, translation, TRA_DIALOG, o, c);
  }
};

CDialogMatcher MatcherFor(const CString& caption, std::vector<CString> texts) {
  CDialogMatcher m;
  m.SetControls(caption, texts.data(), static_cast<int>(texts.size()));
  return m;
}

// The plain rule, every entry compared: what the quick search must equal.
CTraNode* BruteForceBest(const CDialogMatcher& m, const CTraNode* section) {
  const int live = m.GetControlCount();
  double best = 0.0;
  CTraNode* chosen = nullptr;
  for (int e = 0; e < section->GetChildCount(); ++e) {
    CTraNode* entry = section->GetChild(e);
    const int n = entry->GetChildCount();
    if (std::abs(live - n) > 0.1 * live + 3.0) continue;
    int missing = 0, extra = 0;
    m.MatchTexts(entry, missing, extra);
    const double s = CDialogMatcher::Score(live, n, missing, extra);
    if (s > best) {
      best = s;
      chosen = entry;
    }
  }
  return best >= 1.0 ? chosen : nullptr;
}

}  // namespace

TEST(DialogMatcherTexts, MissingAndExtraCounts) {
  Section s;
  CTraNode* d = s.Dialog(_T("Optionen"), _T("Options"));
  Add(d, _T("OK"), _T("OK"), TRA_PUSHBUTTON);
  Add(d, _T("Abbrechen"), _T("Cancel"), TRA_PUSHBUTTON);
  Add(d, _T("Name:"), _T("Name:"), TRA_STATIC);
  Add(d, _T(""), _T(""), TRA_EDIT);
  CTraNode* group = Add(d, _T("Rahmen"), _T("Frame"), TRA_CONTROL);
  Add(group, _T("a"), _T("a"), TRA_STATIC);
  Add(group, _T("b"), _T("b"), TRA_STATIC);

  struct Case {
    const TCHAR* caption;
    std::vector<CString> texts;
    int missing, extra;
  } cases[] = {
      {_T("Optionen"), {_T("OK"), _T("Abbrechen"), _T("Name:"), _T("")}, 0, 3},  // the untaken group costs 3
      {_T("Other"), {_T("OK"), _T("Abbrechen"), _T("Name:"), _T("")}, 1, 4},     // caption: once each
      {_T("Optionen"), {_T("OK"), _T("OK")}, 1, 6},                              // one child per control
      {_T("Optionen"), {_T(""), _T("")}, 1, 6},                                  // empty texts are equal
      {_T("Optionen"), {_T("ok"), _T("Abbrechen ")}, 2, 7},                      // whole, case-sensitive
      {_T("Optionen"), {_T("Rahmen"), _T("a")}, 1, 4},                           // only direct children
  };
  for (const Case& c : cases) {
    CDialogMatcher m = MatcherFor(c.caption, c.texts);
    int missing = -1, extra = -1;
    m.MatchTexts(d, missing, extra);
    EXPECT_EQ(c.missing, missing) << c.caption << " " << c.texts.size();
    EXPECT_EQ(c.extra, extra) << c.caption << " " << c.texts.size();
  }
}

TEST(DialogMatcherFind, CountWindowOfTenPercentPlusThree) {
  std::vector<CString> texts;
  for (int i = 0; i < 10; ++i) texts.push_back(CString(_T("T")) + CString(static_cast<TCHAR>('a' + i)));
  CDialogMatcher m = MatcherFor(_T("Dlg"), texts);
  for (int n : {14, 15, 6, 5}) {
    Section s;
    CTraNode* d = s.Dialog(_T("Dlg"), _T("Dialog"));
    for (int i = 0; i < n; ++i) Add(d, texts[static_cast<size_t>(i % 10)], _T("x"), TRA_STATIC);
    const bool compared = std::abs(10 - n) <= 4;
    EXPECT_EQ(compared ? d : nullptr, m.FindBestNode(s.node.get())) << n;
  }
}

TEST(DialogMatcherFind, TiesKeepTheEarlierEntryAndOnePointZeroIsEnough) {
  Section s;
  CTraNode* first = s.Dialog(_T("A"), _T("A1"));
  Add(first, _T("OK"), _T("OK"), TRA_PUSHBUTTON);
  CTraNode* second = s.Dialog(_T("A"), _T("A2"));
  Add(second, _T("OK"), _T("OK"), TRA_PUSHBUTTON);
  EXPECT_EQ(first, MatcherFor(_T("A"), {_T("OK")}).FindBestNode(s.node.get()));

  Section one;
  CTraNode* d = one.Dialog(_T("Caption"), _T("C"));
  Add(d, _T("OK"), _T("OK"), TRA_PUSHBUTTON);
  // Caption differs, the button fits: 0.5 + 0.5 = 1.0 is accepted.
  EXPECT_EQ(d, MatcherFor(_T("Other"), {_T("OK")}).FindBestNode(one.node.get()));
  // Nothing fits: below 1.0, no entry.
  EXPECT_EQ(nullptr, MatcherFor(_T("Other"), {_T("Cancel")}).FindBestNode(one.node.get()));
  // No controls on either side: both parts are 0.
  Section empty;
  empty.Dialog(_T("Caption"), _T("C"));
  EXPECT_EQ(nullptr, MatcherFor(_T("Caption"), {}).FindBestNode(empty.node.get()));
  EXPECT_EQ(nullptr, MatcherFor(_T("Caption"), {_T("OK")}).FindBestNode(nullptr));
}

TEST(DialogMatcherFind, QuickSearchChoosesWhatComparingEveryEntryChooses) {
  std::mt19937 rng(12345);
  const TCHAR* words[] = {_T("OK"), _T("Abbrechen"), _T("Hilfe"), _T(""), _T("&Name:"), _T("Datei"), _T("Optionen"),
                          _T("X"), _T("Y"), _T("Ja"), _T("Nein")};
  auto word = [&] { return CString(words[rng() % 11]); };
  for (int round = 0; round < 400; ++round) {
    Section s;
    const int entries = 1 + static_cast<int>(rng() % 12);
    for (int e = 0; e < entries; ++e) {
      CTraNode* d = s.Dialog(word(), _T("t"));
      const int n = static_cast<int>(rng() % 9);
      for (int j = 0; j < n; ++j) {
        CTraNode* c = Add(d, word(), _T("t"), TRA_STATIC);
        if (rng() % 7 == 0) Add(c, word(), _T("t"), TRA_STATIC);
      }
    }
    std::vector<CString> texts;
    const int live = static_cast<int>(rng() % 9);
    for (int i = 0; i < live; ++i) texts.push_back(word());
    CDialogMatcher m = MatcherFor(word(), texts);
    CTraNode* want = BruteForceBest(m, s.node.get());
    ASSERT_EQ(want, m.FindBestNode(s.node.get())) << "round " << round;
    ASSERT_EQ(want, m.FindBestNode(s.node.get(), true)) << "round " << round;
    ASSERT_EQ(want, m.FindBestNode(s.node.get(), true)) << "round " << round;  // kept hashes
  }
}

TEST(DialogMatcherFind, KeptHashesFollowEntriesThatGrowOrAreReplaced) {
  Section s;
  CTraNode* a = s.Dialog(_T("A"), _T("A"));
  Add(a, _T("Eins"), _T("One"), TRA_STATIC);
  CDialogMatcher m = MatcherFor(_T("B"), {_T("Zwei"), _T("Drei")});
  EXPECT_EQ(nullptr, m.FindBestNode(s.node.get(), true));
  // The entry grows in place: found with the kept hashes.
  Add(a, _T("Zwei"), _T("Two"), TRA_STATIC);
  Add(a, _T("Drei"), _T("Three"), TRA_STATIC);
  EXPECT_EQ(a, m.FindBestNode(s.node.get(), true));
  // A new entry in the section.
  CTraNode* b = s.Dialog(_T("B"), _T("B"));
  Add(b, _T("Zwei"), _T("Two"), TRA_STATIC);
  Add(b, _T("Drei"), _T("Three"), TRA_STATIC);
  EXPECT_EQ(b, m.FindBestNode(s.node.get(), true));
}

TEST(DialogMatcherFind, KeptHashesFollowChangedOriginals) {
  Section s;
  CTraNode* a = s.Dialog(_T("A"), _T("A"));
  CTraNode* one = Add(a, _T("Eins"), _T("One"), TRA_STATIC);
  CTraNode* two = Add(a, _T("Zwei"), _T("Two"), TRA_STATIC);
  CDialogMatcher m = MatcherFor(_T("B"), {_T("Drei"), _T("Vier")});
  EXPECT_EQ(nullptr, m.FindBestNode(s.node.get(), true));
  // The same children with other originals: the kept hashes are stale.
  one->SetOriginal(_T("Drei"));
  two->SetOriginal(_T("Vier"));
  EXPECT_EQ(a, m.FindBestNode(s.node.get(), true));
  // A changed caption alone.
  CDialogMatcher byCaption = MatcherFor(_T("C"), {_T("Drei")});
  EXPECT_EQ(nullptr, byCaption.FindBestNode(s.node.get(), true));
  a->SetOriginal(_T("C"));
  EXPECT_EQ(a, byCaption.FindBestNode(s.node.get(), true));
}

TEST(DialogMatcherScore, GeometryAndKindRules) {
  Section s;
  CTraNode* d = s.Dialog(_T("D"), _T("D"));
  CTraNode* left = AddAt(d, _T("Text"), _T("L"), TRA_STATIC, R(10, 10, 60, 20), R(10, 10, 60, 20));
  CTraNode* right = AddAt(d, _T("Text"), _T("R"), TRA_STATIC, R(100, 10, 150, 20), R(100, 10, 150, 20));
  CTraNode* combo = AddAt(d, _T(""), _T(""), TRA_COMBOBOX, R(10, 40, 110, 120), R(10, 40, 140, 120));
  CTraNode* list = AddAt(d, _T(""), _T(""), TRA_LISTBOX, R(10, 140, 110, 220), R(10, 140, 110, 220));
  CTraNode* edit = AddAt(d, _T("Vorgabe"), _T(""), TRA_EDIT, R(150, 240, 250, 252), R(150, 240, 250, 252));

  FakeDialog dlg(_T("D"), 300, 500);
  dlg.AddControlDu(_T("Text"), R(100, 10, 150, 20));
  dlg.AddControlDu(_T("Text"), R(10, 10, 60, 20));
  RECT comboPx = Map(R(10, 40, 110, 52));  // live combo: edit height only
  dlg.AddControl(_T("Auswahl"), comboPx);
  RECT listPx = Map(R(10, 140, 110, 152));
  dlg.AddControl(_T("Auswahl"), listPx);
  dlg.AddControlDu(_T("typed by the user"), R(150, 240, 250, 252));

  CDialogMatcher m;
  m.CollectControls(dlg);
  for (int i = 0; i < dlg.CollectChildren(250); ++i) m.SetControlRect(i, dlg.controls[static_cast<size_t>(i)].rect);
  std::vector<RECT> mapped;
  for (int j = 0; j < d->GetChildCount(); ++j) mapped.push_back(Map(d->GetChild(j)->GetLayout()->m_rcOriginal));

  EXPECT_EQ(right, m.ScoreNode(0, d, mapped));  // equal texts: each placed by its own position
  EXPECT_EQ(left, m.ScoreNode(1, d, mapped));
  EXPECT_EQ(combo, m.ScoreNode(2, d, mapped));  // text differs, height not compared: one mismatch
  EXPECT_EQ(nullptr, m.ScoreNode(3, d, mapped)); // a list box's height counts: two mismatches
  (void)list;
  EXPECT_EQ(edit, m.ScoreNode(4, d, mapped));   // an edit's text is not compared
  EXPECT_EQ(nullptr, m.ScoreNode(7, d, mapped));
}

TEST(DialogMatcherPlacement, FlagsFromDistancesAndSizes) {
  struct Case {
    int kind;
    RECT o, c;      // dialog units
    RECT measured;  // pixels relative to the mapped original: offsets
    bool moves;
    UINT flags;
  } cases[] = {
      // translated position and size, control where the script put it
      {TRA_STATIC, R(10, 10, 50, 20), R(20, 30, 80, 40), R(0, 0, 0, 0), true, LWV_NOZORDER},
      // same size in dialog units: only moved
      {TRA_STATIC, R(10, 10, 50, 20), R(20, 30, 60, 40), R(0, 0, 0, 0), true, LWV_NOZORDER | LWV_NOSIZE},
      // 4 px off: still moved; 5 px off: position kept, size applied
      {TRA_STATIC, R(10, 10, 50, 20), R(20, 30, 80, 40), R(4, 4, 4, 4), true, LWV_NOZORDER},
      {TRA_STATIC, R(10, 10, 50, 20), R(20, 30, 80, 40), R(5, 0, 5, 0), true, LWV_NOZORDER | LWV_NOMOVE},
      // resized by the program (5 px wider) and moved: nothing
      {TRA_STATIC, R(10, 10, 50, 20), R(20, 30, 80, 40), R(5, 0, 10, 0), false, 0},
      // a combo box is 60 px lower than its script height: width still applied
      {TRA_COMBOBOX, R(10, 10, 50, 60), R(10, 10, 80, 60), R(0, 0, 0, -60), true, LWV_NOZORDER},
      // a combo whose translation only changes the list height: its size stays
      {TRA_COMBOBOX, R(10, 10, 50, 60), R(20, 10, 60, 90), R(0, 0, 0, -60), true, LWV_NOZORDER | LWV_NOSIZE},
      // the same for a list box: its live height counts
      {TRA_LISTBOX, R(10, 10, 50, 60), R(10, 10, 80, 60), R(0, 0, 0, -60), true, LWV_NOZORDER | LWV_NOSIZE},
  };
  for (const Case& c : cases) {
    RECT mo = Map(c.o), mc = Map(c.c);
    RECT measured = R(mo.left + c.measured.left, mo.top + c.measured.top, mo.right + c.measured.right,
                      mo.bottom + c.measured.bottom);
    LwvPlacement p{};
    const bool moves = LwvComputePlacement(c.kind, c.o, c.c, mo, mc, measured, p);
    EXPECT_EQ(c.moves, moves) << c.kind << " " << c.c.right;
    if (moves && c.moves) {
      EXPECT_EQ(c.flags, p.flags) << c.kind << " " << c.c.right;
      EXPECT_TRUE(EqualRects(mc, p.target));
      EXPECT_EQ(c.kind == TRA_COMBOBOX, p.keepHeight);
    }
  }
}

namespace {

// "Suchen" with a label, an edit, a combo box and two buttons; the
// translation widens the dialog, moves the buttons and widens the combo.
struct SearchDialog {
  Section s;
  CTraNode* entry;
  SearchDialog(RECT dialogO = R(0, 0, 200, 100), RECT dialogC = R(0, 0, 240, 100)) {
    entry = s.Dialog(_T("Suchen"), _T("Find"), dialogO, dialogC);
    AddAt(entry, _T("&Suchen nach:"), _T("Fi&nd what:"), TRA_STATIC, R(7, 9, 50, 17), R(7, 9, 60, 17));
    AddAt(entry, _T(""), _T(""), TRA_EDIT, R(55, 7, 130, 19), R(65, 7, 170, 19));
    AddAt(entry, _T(""), _T(""), TRA_COMBOBOX, R(55, 25, 130, 90), R(65, 25, 170, 90));
    AddAt(entry, _T("OK"), _T("OK"), TRA_PUSHBUTTON, R(140, 7, 190, 21), R(180, 7, 230, 21));
    AddAt(entry, _T("Abbrechen"), _T("Cancel"), TRA_PUSHBUTTON, R(140, 25, 190, 39), R(180, 25, 230, 39));
  }
  // The live dialog as the script creates it.
  std::unique_ptr<FakeDialog> Live(const CString& caption = _T("Suchen")) {
    RECT o = Map(entry->GetLayout()->m_rcOriginal);
    std::unique_ptr<FakeDialog> d(new FakeDialog(caption, o.right - o.left, o.bottom - o.top));
    d->AddControlDu(_T("&Suchen nach:"), R(7, 9, 50, 17));
    d->AddControlDu(_T(""), R(55, 7, 130, 19));
    d->AddControlDu(_T(""), R(55, 25, 130, 37));  // a combo shows its edit height
    d->AddControlDu(_T("OK"), R(140, 7, 190, 21));
    d->AddControlDu(_T("Abbrechen"), R(140, 25, 190, 39));
    return d;
  }
};

}  // namespace

TEST(DialogMatcherApply, TextsLayoutCaptionAndSize) {
  SearchDialog sd;
  auto d = sd.Live();
  CDialogMatcher m;
  EXPECT_EQ(sd.entry, m.Translate(*d, sd.s.node.get()));
  EXPECT_EQ(_T("Find"), d->caption);
  EXPECT_EQ(_T("Fi&nd what:"), d->controls[0].text);
  EXPECT_EQ(_T("Cancel"), d->controls[4].text);
  EXPECT_EQ(0, d->controls[3].setTextCalls);  // "OK" stays "OK": not set
  EXPECT_TRUE(EqualRects(Map(R(7, 9, 60, 17)), d->controls[0].rect));
  EXPECT_TRUE(EqualRects(Map(R(180, 7, 230, 21)), d->controls[3].rect));
  // The combo gets its translated width and keeps its own height.
  RECT combo = d->controls[2].rect;
  RECT want = Map(R(65, 25, 170, 37));
  EXPECT_EQ(want.left, combo.left);
  EXPECT_EQ(want.right - want.left, combo.right - combo.left);
  EXPECT_EQ(Map(R(55, 25, 130, 37)).bottom - Map(R(55, 25, 130, 37)).top, combo.bottom - combo.top);
  // The dialog takes the translated size (frame kept) and keeps it.
  RECT c = Map(R(0, 0, 240, 100));
  ASSERT_EQ(1u, d->sizes.size());
  EXPECT_EQ(c.right + 8, d->sizes[0].cx);
  EXPECT_EQ(c.right, d->clientWidth);
  EXPECT_EQ(1, d->redraws);
}

TEST(DialogMatcherApply, EnlargedDialogKeepsItsSizeWhileControlsMove) {
  SearchDialog sd;
  auto d = sd.Live();
  d->clientWidth += 40;
  d->clientHeight += 25;
  const SIZE live{d->clientWidth + 8, d->clientHeight + 30};
  CDialogMatcher m;
  m.Translate(*d, sd.s.node.get());
  ASSERT_EQ(3u, d->sizes.size());  // back to the script size, translated size, the user's size
  RECT o = Map(R(0, 0, 200, 100));
  EXPECT_EQ(o.right + 8, d->sizes[0].cx);
  EXPECT_EQ(live.cx, d->sizes[2].cx);
  EXPECT_EQ(live.cy, d->sizes[2].cy);
  EXPECT_TRUE(EqualRects(Map(R(180, 25, 230, 39)), d->controls[4].rect));
}

TEST(DialogMatcherApply, CaptionDiffersControlsStillTranslated) {
  SearchDialog sd;
  auto d = sd.Live(_T("Suchen - Datei.txt"));
  CDialogMatcher m;
  EXPECT_EQ(sd.entry, m.Translate(*d, sd.s.node.get()));
  EXPECT_EQ(_T("Suchen - Datei.txt"), d->caption);
  EXPECT_EQ(0, d->captionSets);
  EXPECT_EQ(_T("Cancel"), d->controls[4].text);
}

TEST(DialogMatcherApply, ProgramMovedControlsKeepTheirPlaceAndEditContentStays) {
  SearchDialog sd;
  auto d = sd.Live();
  // 4 px from the script's place: moved; 5 px: keeps its place, gets its size.
  d->controls[0].rect.left += 4;
  d->controls[0].rect.right += 4;
  d->controls[3].rect.left += 5;
  d->controls[3].rect.right += 5;
  d->controls[1].text = _T("user text");
  sd.entry->GetChild(1)->SetTranslation(_T("Vorgabe"));
  CDialogMatcher m;
  m.Translate(*d, sd.s.node.get());
  EXPECT_TRUE(EqualRects(Map(R(7, 9, 60, 17)), d->controls[0].rect));
  RECT ok = d->controls[3].rect;
  EXPECT_EQ(Map(R(140, 7, 190, 21)).left + 5, ok.left);  // same place (size equal in dialog units)
  EXPECT_EQ(_T("user text"), d->controls[1].text);
}

TEST(DialogMatcherApply, SizeOnlyLayoutGivesTextsButNoGeometry) {
  Section s;
  CTraNode* e =
      s.node->AddChild(std::make_unique<CTraNode>(s.node.get(), _T("Info"), _T("About"), TRA_DIALOG, 120, 60));
  e->AddChild(std::make_unique<CTraNode>(e, _T("OK"), _T("Fine"), TRA_PUSHBUTTON, 50, 14));
  FakeDialog d(_T("Info"), 180, 100);
  d.AddControl(_T("OK"), R(10, 10, 85, 33));
  CDialogMatcher m;
  m.Translate(d, s.node.get());
  EXPECT_EQ(_T("About"), d.caption);
  EXPECT_EQ(_T("Fine"), d.controls[0].text);
  EXPECT_TRUE(d.sizes.empty());
  EXPECT_EQ(0, d.controls[0].moves);
}

TEST(DialogMatcherApply, SwitchDialogEntryAndUnknownDialogsStayAsTheyAre) {
  Section s;
  CTraNode* sw = AddAt(s.node.get(), _T("Sprache"), _T("Language"), TRA_SWITCHDIALOG, R(0, 0, 100, 100),
                       R(0, 0, 150, 100));
  Add(sw, _T("OK"), _T("Fine"), TRA_PUSHBUTTON);
  FakeDialog d(_T("Sprache"), 150, 160);
  d.AddControl(_T("OK"), R(10, 10, 85, 33));
  CDialogMatcher m;
  EXPECT_EQ(nullptr, m.Translate(d, s.node.get()));
  EXPECT_EQ(_T("Sprache"), d.caption);
  EXPECT_EQ(_T("OK"), d.controls[0].text);

  FakeDialog other(_T("Fremd"), 150, 160);
  other.AddControl(_T("Weiter"), R(10, 10, 85, 33));
  EXPECT_EQ(nullptr, m.Translate(other, s.node.get()));
  EXPECT_EQ(0, other.controls[0].setTextCalls);
  EXPECT_EQ(0, other.redraws);
}

TEST(DialogMatcherApply, AtMost250ChildrenAreCollected) {
  Section s;
  CTraNode* e = s.Dialog(_T("Viele"), _T("Many"));
  for (int i = 0; i < 260; ++i) Add(e, _T("x"), _T("y"), TRA_STATIC);
  FakeDialog d(_T("Viele"), 300, 160);
  for (int i = 0; i < 260; ++i) d.AddControl(_T("x"), R(0, i, 10, i + 1));
  CDialogMatcher m;
  m.CollectControls(d);
  EXPECT_EQ(250, d.collectedMax);
  EXPECT_EQ(250, m.GetControlCount());
  std::vector<CString> many(300, CString(_T("x")));
  m.SetControls(_T("Viele"), many.data(), 300);
  EXPECT_EQ(250, m.GetControlCount());
  EXPECT_EQ(e, m.Translate(d, s.node.get()));
  EXPECT_EQ(_T("y"), d.controls[249].text);
  EXPECT_EQ(_T("x"), d.controls[250].text);
}

TEST(DialogMatcherApply, ExtremeRectanglesFromAFileAreLimited) {
  Section s;
  CTraNode* e = s.Dialog(_T("Gross"), _T("Big"), R(0, 0, 200, 100), R(0, 0, 2000000000, 100));
  AddAt(e, _T("OK"), _T("OK"), TRA_PUSHBUTTON, R(10, 10, 60, 24), R(-2000000000, 10, 2000000000, 24));
  FakeDialog d(_T("Gross"), Map(R(0, 0, 200, 100)).right, Map(R(0, 0, 200, 100)).bottom);
  d.AddControlDu(_T("OK"), R(10, 10, 60, 24));
  CDialogMatcher m;
  m.Translate(d, s.node.get());
  ASSERT_EQ(1u, d.sizes.size());
  EXPECT_EQ(Map(R(0, 0, 32767, 0)).right + 8, d.sizes[0].cx);
  EXPECT_EQ(Map(R(-32768, 0, 0, 0)).left, d.controls[0].rect.left);
}
