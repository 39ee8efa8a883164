// Find next, replace and replace all over the blocks of a headless view.
#include "DeskStrings.h"
#include "FindReplace.h"
#include "HeadlessView.h"
#include "UiServices.h"

#include <gtest/gtest.h>

namespace {

struct Doc {
  CTraNode root{nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE};
  CHeadlessView view;
  CQueuedUiServices ui;
  CFindReplace find{view.m_blocks, ui};

  explicit Doc(std::initializer_list<const TCHAR*> texts) {
    for (const TCHAR* text : texts) root.AddChild(std::make_unique<CTraNode>(&root, text, text, TRA_STRING));
    view.Rebuild(&root, nullptr);
  }
  void Search(const TCHAR* text, const TCHAR* replace = _T(""), bool forward = true) {
    find.SetDialogParams(text, replace, false, false);
    find.SetForward(forward);
  }
  // Block, item and selection start of the editor after a step.
  CString Where() const {
    CString s;
    const CTextBlock* block = view.m_blocks.GetCurrentBlock();
    s.Format(_T("%d/%d/%d"), view.m_blocks.GetCurrent(), block ? block->GetCurrentItem() : -1,
             view.m_editor.m_nSelStart);
    return s;
  }
  CString Texts() {
    view.m_blocks.StoreTexts();
    CString all;
    for (int i = 0; i < root.GetChildCount(); ++i) all += root.GetChild(i)->GetTranslation() + _T("|");
    return all;
  }
  int NotFound() const {
    int n = 0;
    for (const auto& m : ui.Messages()) n += m.text == DeskText(IDS_DESK_NOT_FOUND) ? 1 : 0;
    return n;
  }
};

TEST(FindReplace, ForwardWalksItemsBlocksWrapsAndReportsNotFound) {
  Doc d({_T("ab ab"), _T("x %d ab"), _T("none")});
  d.Search(_T("ab"));
  const TCHAR* steps[] = {_T("0/0/0"), _T("0/0/3"), _T("1/2/1"), _T("0/0/0")};
  for (const TCHAR* step : steps) {
    ASSERT_TRUE(d.find.FindNext(false, false));
    EXPECT_EQ(CString(step), d.Where());
    EXPECT_EQ(2, d.view.m_editor.m_nSelEnd - d.view.m_editor.m_nSelStart);
  }
  EXPECT_EQ(0, d.NotFound());
}

TEST(FindReplace, BackwardFindsAnAdjacentEarlierHit) {
  Doc d({_T("abab")});
  d.Search(_T("ab"), _T(""), false);
  d.view.m_blocks.SetCurrent(0);
  d.view.PlaceCurrentBlock(false, false);  // caret at the end
  ASSERT_TRUE(d.find.FindNext(false, false));
  EXPECT_EQ(CString(_T("0/0/2")), d.Where());
  ASSERT_TRUE(d.find.FindNext(false, false));
  EXPECT_EQ(CString(_T("0/0/0")), d.Where());
}

TEST(FindReplace, TextBeforeTheCaretInTheCurrentBlockIsFoundAfterTheWrap) {
  Doc d({_T("ziel und mehr"), _T("nichts")});
  d.Search(_T("ziel"));
  d.view.m_blocks.SetCurrent(0);
  d.view.PlaceCurrentBlock(false, false);  // caret after "mehr"
  ASSERT_TRUE(d.find.FindNext(false, false));
  EXPECT_EQ(CString(_T("0/0/0")), d.Where());
}

TEST(FindReplace, NothingToSearchShowsNotFound) {
  Doc empty({});
  empty.Search(_T("x"));
  EXPECT_FALSE(empty.find.FindNext(false, false));
  EXPECT_EQ(1, empty.NotFound());
  EXPECT_FALSE(empty.find.FindNext(false, true));
  EXPECT_EQ(1, empty.NotFound());  // silent
  Doc d({_T("abc")});
  d.Search(_T("zz"));
  EXPECT_FALSE(d.find.FindNext(false, false));
  EXPECT_EQ(1, d.NotFound());
}

TEST(FindReplace, ReplaceContinuesAtTheCaretNotOneCharacterBehindIt) {
  Doc d({_T("aa"), _T("xa")});
  d.Search(_T("a"), _T("b"));
  ASSERT_TRUE(d.find.FindNext(false, false));
  ASSERT_TRUE(d.find.Replace(false));
  EXPECT_EQ(CString(_T("0/0/1")), d.Where());  // the second "a", right after the replacement
  EXPECT_EQ(CString(_T("ba|xa|")), d.Texts());
  d.find.Replace(false);
  EXPECT_EQ(CString(_T("bb|xa|")), d.Texts());
  EXPECT_EQ(CString(_T("1/0/1")), d.Where());
}

// Replace takes what the dialog holds when it is clicked, not what it held
// at the last Find Next: a changed replacement is the one inserted, and a
// hit that no longer fits the search is left alone.
TEST(FindReplace, ReplaceUsesTheDialogsTextsAtTheClick) {
  struct Case {
    const TCHAR* search;
    const TCHAR* replace;
    bool matchCase;
    const TCHAR* expected;
  } cases[] = {
      {_T("ab"), _T("y"), false, _T("y ab|")},     // the replacement changed
      {_T("zz"), _T("y"), false, _T("ab ab|")},    // the search changed
      {_T("AB"), _T("y"), true, _T("ab ab|")},     // match case ticked
      {_T("AB"), _T("y"), false, _T("y ab|")},     // the same search, other case
  };
  for (const Case& c : cases) {
    Doc d({_T("ab ab")});
    d.Search(_T("ab"), _T("x"));
    ASSERT_TRUE(d.find.FindNext(false, false));
    d.find.SetDialogParams(c.search, c.replace, c.matchCase, false);
    d.find.Replace(true);
    EXPECT_EQ(CString(c.expected), d.Texts()) << c.search << " " << c.matchCase;
  }
}

TEST(FindReplace, ReplaceAllCoversTheWholeDocumentWhateverTheCaret) {
  struct Case {
    bool forward;
    int startBlock;
    const TCHAR* replace;
    const TCHAR* expected;
  } cases[] = {
      {true, 1, _T("xy"), _T("xy xy|1 xy|xy|")},
      {false, 1, _T("xy"), _T("xy xy|1 xy|xy|")},
      {false, -1, _T("[ab]"), _T("[ab] [ab]|1 [ab]|[ab]|")},  // replacement holds the search text
      {true, 2, _T(""), _T(" |1 ||")},
  };
  for (const Case& c : cases) {
    Doc d({_T("ab ab"), _T("1 ab"), _T("ab")});
    d.Search(_T("ab"), c.replace, c.forward);
    if (c.startBlock >= 0) {
      d.view.m_blocks.SetCurrent(c.startBlock);
      d.view.PlaceCurrentBlock(false, false);
    }
    d.find.ReplaceAll();
    EXPECT_EQ(CString(c.expected), d.Texts()) << c.replace;
    EXPECT_TRUE(d.ui.Messages().empty());
    EXPECT_EQ(c.forward, d.find.IsForward());
  }
}

TEST(FindReplace, RefusedReplacementShowsItsMessageAndGoesOn) {
  Doc d({_T("ab"), _T("ab")});
  d.Search(_T("ab"), _T("toolong"));
  ASSERT_TRUE(d.find.FindNext(false, false));
  d.view.m_editor.m_bRefuse = true;
  ASSERT_TRUE(d.find.Replace(false));
  EXPECT_EQ(DeskText(IDS_DESK_REPLACE_REFUSED), d.ui.Messages().back().text);
  EXPECT_EQ(1, d.view.m_blocks.GetCurrent());
  d.view.m_editor.m_bRefuse = false;
  d.find.ReplaceAll();  // a refused replacement in replace all cannot loop either
  EXPECT_EQ(CString(_T("toolong|toolong|")), d.Texts());
}

// The dialog's Find Next and F3 search from the caret: with no text
// current the first text is searched, and a second hit in the same text
// is reached before the next text.
TEST(FindReplace, FindNextCommandsSearchFromTheCaret) {
  struct Case {
    const TCHAR* what;
    bool dialogButton;
  } cases[] = {{_T("dialog button"), true}, {_T("F3"), false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Doc d({_T("ziel, noch ein ziel"), _T("nichts"), _T("ziel")});
    FindDialogRequest request;
    request.findNext = true;
    request.search = _T("ziel");
    if (!c.dialogButton) {
      d.find.SetDialogParams(request.search, CString(), false, false);
      request.findNext = false;  // the dialog only sets the text, F3 searches
      ASSERT_TRUE(d.find.OnDialogRequest(request));
    }
    auto step = [&] {
      if (c.dialogButton) {
        ASSERT_TRUE(d.find.OnDialogRequest(request));
      } else {
        ASSERT_TRUE(d.find.FindNextCommand(true, true));
      }
    };
    const TCHAR* expected[] = {_T("0/0/0"), _T("0/0/15"), _T("2/0/0"), _T("0/0/0")};
    for (const TCHAR* where : expected) {
      step();
      EXPECT_EQ(CString(where), d.Where());
    }
    EXPECT_EQ(0, d.NotFound());
  }
}

TEST(FindReplace, BackwardCommandSearchesBeforeTheCaret) {
  Doc d({_T("ab ab")});
  d.find.SetDialogParams(_T("ab"), CString(), false, false);
  d.view.m_blocks.SetCurrent(0);
  d.view.PlaceCurrentBlock(false, false);  // caret at the end
  ASSERT_TRUE(d.find.FindNextCommand(false, true));
  EXPECT_EQ(CString(_T("0/0/3")), d.Where());
  ASSERT_TRUE(d.find.FindNextCommand(false, true));
  EXPECT_EQ(CString(_T("0/0/0")), d.Where());
}

// F3 before any find dialog asks for the dialog and searches nothing.
TEST(FindReplace, FindNextCommandWithoutDialogOpensIt) {
  Doc d({_T("ab")});
  EXPECT_FALSE(d.find.FindNextCommand(true, false));
  EXPECT_FALSE(d.find.FindNextCommand(false, false));
  EXPECT_EQ(-1, d.view.m_blocks.GetCurrent());
  EXPECT_TRUE(d.ui.Messages().empty());
}

TEST(FindReplace, TerminatingDialogRequestSearchesNothing) {
  Doc d({_T("ab")});
  FindDialogRequest request;
  request.terminating = true;
  request.findNext = true;
  request.search = _T("ab");
  EXPECT_FALSE(d.find.OnDialogRequest(request));
  EXPECT_EQ(-1, d.view.m_blocks.GetCurrent());
}

// Replace and replace all in an original offer a new translation instead
// of changing nothing in silence; opening the replace dialog too.
TEST(FindReplace, ReplacingInAnOriginalOffersANewTranslation) {
  for (int all = 0; all < 2; ++all) {
    Doc d({_T("ab"), _T("ab")});
    d.view.m_bOriginal = true;
    FindDialogRequest request;
    request.search = _T("ab");
    request.replaceWith = _T("xy");
    request.findNext = true;
    ASSERT_TRUE(d.find.OnDialogRequest(request));
    request.findNext = false;
    (all ? request.replaceAll : request.replace) = true;
    ASSERT_TRUE(d.find.OnDialogRequest(request));
    EXPECT_EQ(1, d.view.m_nOffers) << all;
    EXPECT_EQ(CString(_T("ab|ab|")), d.Texts());
    EXPECT_EQ(0, d.view.m_nModified);
  }
  Doc d({_T("ab")});
  EXPECT_TRUE(d.find.MayReplace());
  d.view.m_bOriginal = true;
  EXPECT_FALSE(d.find.MayReplace());
  EXPECT_EQ(1, d.view.m_nOffers);
}

}  // namespace
