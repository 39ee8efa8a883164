// Editing inside and across blocks: split and join on Enter, Backspace and
// Delete, caret moves between items, lines and blocks, edit marks, and
// the modified mark of every change to saved data.
#include "HeadlessView.h"

#include <gtest/gtest.h>

namespace {

struct Tree {
  CTraNode root{nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE};
  CHeadlessView view;

  CTraNode* Add(const TCHAR* text, int kind = TRA_STRING) {
    CTraNode* node = root.AddChild(std::make_unique<CTraNode>(&root, text, text, kind));
    return node;
  }
  void Build() { view.Rebuild(&root, nullptr); }
  CTextBlock* Block(int i) { return view.m_blocks.GetBlock(i); }
  // Makes block i current and puts the editor into its item at caret.
  CTextSegment* Edit(int block, int item, int caret) {
    view.m_blocks.SetCurrent(block);
    CTextBlock* b = Block(block);
    b->EnterEdit(&view.m_editor, true, true);
    auto* segment = static_cast<CTextSegment*>(b->GetItem(item));
    if (b->GetCurrentItem() != item) {
      b->LeaveEdit();
      b->OnClick(&view.m_editor, segment->m_rect.left + caret * CFixedPitchDevice::kCharWidth,
                 segment->m_rect.top + 1, 0, 0);
    }
    view.m_editor.m_nSelStart = view.m_editor.m_nSelEnd = caret;
    return segment;
  }
};

TEST(TextBlockEdit, EnterSplitsTheLineAndMarksTheDocumentModified) {
  Tree t;
  t.Add(_T("abcd %s"));
  t.Build();
  CTextSegment* segment = t.Edit(0, 0, 2);
  ASSERT_TRUE(segment->Split(_T("ab"), _T("cd ")));
  CTextBlock* block = t.Block(0);
  EXPECT_EQ(CString(_T("ab\ncd %s")), block->GetText());
  EXPECT_EQ(2, block->GetLineCount());
  EXPECT_EQ(1, block->GetCurrentItem());
  EXPECT_EQ(0, t.view.m_editor.m_nSelStart);
  EXPECT_EQ(1, block->GetItem(2)->m_nLine);  // the placeholder followed the new line
  EXPECT_EQ(1, t.view.m_nModified);
}

TEST(TextBlockEdit, TextOfAControlNeverGetsMoreLinesThanItHad) {
  Tree t;
  CTraNode* button = t.Add(_T("OK"), TRA_PUSHBUTTON);
  t.Build();
  CTextSegment* segment = t.Edit(0, 0, 1);
  EXPECT_FALSE(segment->Split(_T("O"), _T("K")));
  EXPECT_EQ(CString(_T("OK")), t.Block(0)->GetText());
  EXPECT_EQ(0, t.view.m_nModified);
  (void)button;
}

TEST(TextBlockEdit, SplitInAFormatTextKeepsPercentSignsOfTheNewLine) {
  Tree t;
  t.Add(_T("100%% sicher: %d"));
  t.Build();
  CTextSegment* segment = t.Edit(0, 0, 3);
  ASSERT_EQ(CString(_T("100% sicher: ")), segment->m_strText);
  ASSERT_TRUE(segment->Split(_T("100"), _T("% sicher: ")));
  EXPECT_EQ(CString(_T("100\n%% sicher: %d")), t.Block(0)->GetText());
}

TEST(TextBlockEdit, BackspaceAndDeleteJoinLines) {
  struct Case {
    int item;
    bool backward;
    const TCHAR* text;
    int current;
    int caret;
  } cases[] = {
      {1, true, _T("ab cd"), 0, 3},   // Backspace at the start of the second line
      {0, false, _T("abcd"), 0, 2},   // Delete at the end of the first line
  };
  for (const Case& c : cases) {
    Tree t;
    t.Add(_T("ab\ncd"));
    t.Build();
    CTextSegment* segment = t.Edit(0, c.item, c.backward ? 0 : 2);
    segment->Join(c.backward, segment->m_strText);
    CTextBlock* block = t.Block(0);
    EXPECT_EQ(CString(c.text), block->GetText());
    EXPECT_EQ(1, block->GetLineCount());
    EXPECT_EQ(c.current, block->GetCurrentItem());
    EXPECT_EQ(c.caret, t.view.m_editor.m_nSelStart);
    EXPECT_EQ(1, t.view.m_nModified);
  }
}

// Joining or splitting the lines of a CRLF text keeps every line end as
// it was: no stray carriage return inside a line, none lost at the end.
TEST(TextBlockEdit, LinesOfACrLfTextJoinAndSplitWithTheirLineEnds) {
  struct Case {
    const TCHAR* what;
    int item;
    bool backward;
    const TCHAR* expected;
  } joins[] = {
      {_T("Backspace on the last line"), 1, true, _T("ab cd")},
      {_T("Delete at the end of the first"), 0, false, _T("abcd")},
  };
  for (const Case& c : joins) {
    SCOPED_TRACE(c.what);
    Tree t;
    t.Add(_T("ab\r\ncd"));
    t.Build();
    CTextSegment* segment = t.Edit(0, c.item, c.backward ? 0 : 2);
    segment->Join(c.backward, segment->m_strText);
    EXPECT_EQ(CString(c.expected), t.Block(0)->GetText());
  }
  Tree t;
  t.Add(_T("ab\r\ncd\r\nef"));
  t.Build();
  CTextSegment* middle = t.Edit(0, 1, 0);
  middle->Join(true, middle->m_strText);
  EXPECT_EQ(CString(_T("ab cd\r\nef")), t.Block(0)->GetText());
  auto* first = static_cast<CTextSegment*>(t.Block(0)->GetItem(0));
  ASSERT_TRUE(first->Split(_T("ab"), _T(" cd")));
  EXPECT_EQ(CString(_T("ab\r\n cd\r\nef")), t.Block(0)->GetText());
  auto* last = static_cast<CTextSegment*>(t.Block(0)->GetItem(2));
  ASSERT_TRUE(last->Split(_T("e"), _T("f")));
  EXPECT_EQ(CString(_T("ab\r\n cd\r\ne\r\nf")), t.Block(0)->GetText());
}

// A '%' the text holds single stays single wherever nobody typed; what is
// typed into a format text is written with its '%' doubled.
TEST(TextBlockEdit, SinglePercentSignsChangeOnlyWhereEdited) {
  struct Case {
    const TCHAR* text;
    int item;
    int caret;
    const TCHAR* typed;
    const TCHAR* expected;
  } cases[] = {
      {_T("Fortschritt: %d %"), 2, 0, _T("x"), _T("Fortschritt: %dx %")},
      {_T("100% %d"), 0, 0, _T("Zu "), _T("Zu 100% %d")},
      {_T("100% %d"), 0, 5, _T("5%"), _T("100% 5%%%d")},
      {_T("a %% b % %d"), 0, 1, _T("!"), _T("a! %% b % %d")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Tree t;
    t.Add(c.text);
    t.Build();
    EXPECT_EQ(CString(c.text), t.Block(0)->GetText());  // untouched
    t.Edit(0, c.item, c.caret);
    ASSERT_TRUE(t.view.m_editor.Type(c.typed));
    EXPECT_EQ(CString(c.expected), t.Block(0)->GetText());
  }
}

// Lines of a text that must fit its control: Enter is refused only while
// it has as many lines as it had, so a join can be undone with Enter.
TEST(TextBlockEdit, ASplitUndoesAJoinInAControlText) {
  Tree t;
  t.Add(_T("Alle\nanzeigen"), TRA_PUSHBUTTON);
  t.Build();
  CTextSegment* second = t.Edit(0, 1, 0);
  second->Join(true, second->m_strText);
  ASSERT_EQ(CString(_T("Alle anzeigen")), t.Block(0)->GetText());
  auto* joined = static_cast<CTextSegment*>(t.Block(0)->GetItem(0));
  ASSERT_TRUE(joined->Split(_T("Alle"), _T("anzeigen")));
  EXPECT_EQ(CString(_T("Alle\nanzeigen")), t.Block(0)->GetText());
  auto* again = static_cast<CTextSegment*>(t.Block(0)->GetItem(1));
  EXPECT_FALSE(again->Split(_T("an"), _T("zeigen")));
  EXPECT_EQ(2, t.Block(0)->GetLineCount());
}

TEST(TextBlockEdit, JoinWithAPlaceholderChangesNothing) {
  Tree t;
  t.Add(_T("a%db"));
  t.Build();
  CTextSegment* segment = t.Edit(0, 2, 0);
  segment->Join(true, segment->m_strText);
  EXPECT_EQ(CString(_T("a%db")), t.Block(0)->GetText());
  EXPECT_EQ(2, t.Block(0)->GetCurrentItem());
  EXPECT_EQ(0, t.view.m_nModified);
}

// Delete at the end of a segment that a placeholder follows joins nothing:
// the caret stays at the end, and a selected end that Delete removed is an
// edit like typing (the document modified, the text's mark cleared), not
// lost at the next save because nothing said it changed.
TEST(TextBlockEdit, DeleteBeforeAPlaceholderKeepsTheCaretAndTheDeletedEnd) {
  Tree t;
  CTraNode* node = t.Add(_T("File %s"));
  node->SetState(TRA_STATE_NEW);
  t.Build();
  CTextSegment* segment = t.Edit(0, 0, 5);
  segment->Join(false, segment->m_strText);  // Delete with the caret at the end
  EXPECT_EQ(CString(_T("File %s")), t.Block(0)->GetText());
  EXPECT_EQ(0, t.Block(0)->GetCurrentItem());
  EXPECT_EQ(5, t.view.m_editor.m_nSelStart);
  EXPECT_EQ(0, t.view.m_nModified);
  EXPECT_EQ(TRA_STATE_NEW, node->GetState());

  t.view.m_editor.m_nSelStart = 3;  // "e " selected up to the end
  segment->Join(false, _T("Fil"));
  EXPECT_EQ(CString(_T("Fil%s")), t.Block(0)->GetText());
  EXPECT_EQ(0, t.Block(0)->GetCurrentItem());
  EXPECT_EQ(3, t.view.m_editor.m_nSelStart);
  EXPECT_EQ(1, t.view.m_nModified);
  EXPECT_EQ(TRA_STATE_DONE, node->GetState());
  t.view.m_blocks.StoreTexts();
  EXPECT_EQ(CString(_T("Fil%s")), node->GetTranslation());
}

TEST(TextBlockEdit, ArrowsMoveAcrossPlaceholdersLinesAndBlocks) {
  Tree t;
  t.Add(_T("a%db\nc"));
  t.Add(_T("next"));
  t.Build();
  CTextBlock* block = t.Block(0);
  CTextSegment* a = t.Edit(0, 0, 1);
  a->MoveToNeighbour(false);  // Right at the end: over the placeholder
  EXPECT_EQ(2, block->GetCurrentItem());
  EXPECT_EQ(0, t.view.m_editor.m_nSelStart);
  static_cast<CTextSegment*>(block->GetItem(2))->MoveToNeighbour(true);
  EXPECT_EQ(0, block->GetCurrentItem());
  EXPECT_EQ(1, t.view.m_editor.m_nSelStart);  // caret at the end
  static_cast<CTextSegment*>(block->GetItem(0))->MoveLine(false);
  EXPECT_EQ(3, block->GetCurrentItem());  // first segment of the line below
  static_cast<CTextSegment*>(block->GetItem(3))->MoveLine(true);
  EXPECT_EQ(2, block->GetCurrentItem());  // last segment of the line above
  static_cast<CTextSegment*>(block->GetItem(2))->MoveLine(false);
  static_cast<CTextSegment*>(block->GetItem(3))->MoveLine(false);  // down from the last line
  EXPECT_EQ(1, t.view.m_blocks.GetCurrent());
  EXPECT_EQ(-1, block->GetCurrentItem());
  EXPECT_EQ(0, t.Block(1)->GetCurrentItem());
  static_cast<CTextSegment*>(t.Block(1)->GetItem(0))->MoveToNeighbour(true);  // Left at the start
  EXPECT_EQ(0, t.view.m_blocks.GetCurrent());
  EXPECT_EQ(3, block->GetCurrentItem());
  EXPECT_EQ(1, t.view.m_editor.m_nSelStart);
}

TEST(TextBlockEdit, EnterEditAtTheLastLineSkipsPlaceholders) {
  Tree t;
  t.Add(_T("x\n%dyz"));
  t.Build();
  t.view.m_blocks.SetCurrent(0);
  t.Block(0)->EnterEdit(&t.view.m_editor, false, true);
  EXPECT_EQ(1, t.Block(0)->GetCurrentItem());
  t.Block(0)->EnterEdit(&t.view.m_editor, false, false);
  EXPECT_EQ(3, t.Block(0)->GetCurrentItem());
  EXPECT_EQ(2, t.view.m_editor.m_nSelStart);
}

TEST(TextBlockEdit, TypingClearsTheEditMarkAndMarkCommandsMarkModified) {
  Tree t;
  CTraNode* group = t.Add(_T("Menu"), TRA_MENU);
  CTraNode* item = group->AddChild(std::make_unique<CTraNode>(group, _T("Neu"), _T("Neu"), TRA_MENUITEM));
  t.root.MarkStatesNew();
  t.Build();
  EXPECT_EQ(TRA_STATE_NEW, item->GetState());
  t.Edit(1, 0, 3);
  ASSERT_TRUE(t.view.m_editor.Type(_T("!")));
  EXPECT_EQ(TRA_STATE_DONE, item->GetState());
  EXPECT_EQ(TRA_STATE_NEW_GROUP, group->GetState());
  const int afterTyping = t.view.m_nModified;

  t.view.m_blocks.MarkAllToEdit();  // current block: the item
  EXPECT_EQ(TRA_STATE_NEW, item->GetState());
  EXPECT_EQ(afterTyping + 1, t.view.m_nModified);
  t.view.m_blocks.SetCurrent(-1);
  t.view.m_blocks.MarkAllEdited();  // whole tree
  EXPECT_EQ(TRA_STATE_DONE, item->GetState());
  EXPECT_EQ(TRA_STATE_GROUP, group->GetState());
  EXPECT_EQ(afterTyping + 2, t.view.m_nModified);

  t.view.m_blocks.StoreTexts();
  EXPECT_EQ(CString(_T("Neu!")), item->GetTranslation());
}

// An original is never changed: the mark commands offer a new translation
// instead of marking it, so it is not left modified for a save that can
// only go elsewhere.
TEST(TextBlockEdit, MarkCommandsInAnOriginalOfferANewTranslation) {
  Tree t;
  CTraNode* text = t.Add(_T("Neu"));
  t.Build();
  t.view.m_bOriginal = true;
  t.view.m_blocks.MarkAllToEdit();  // no current block: the whole tree
  EXPECT_EQ(TRA_STATE_DONE, text->GetState());
  text->SetState(TRA_STATE_NEW);
  t.view.m_blocks.SetCurrent(0);
  t.view.m_blocks.MarkAllEdited();
  EXPECT_EQ(TRA_STATE_NEW, text->GetState());
  EXPECT_EQ(0, t.view.m_nModified);
  EXPECT_EQ(2, t.view.m_nOffers);
}

}  // namespace
