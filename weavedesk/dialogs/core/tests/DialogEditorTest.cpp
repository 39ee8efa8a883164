// The dialog editor's rules without a window: cursors by grab, hover,
// moving and resizing in whole dialog units inside the client area, drop,
// undo (also with no control selected), the original layout, commit, the
// hint that is never edited, the busy flag, right-button moves and the
// context menu's states.
#include "DeskStrings.h"
#include "DialogTestSupport.h"
#include "UiServices.h"

#include <gtest/gtest.h>

using namespace dlgtest;

namespace {

// 2 pixels per dialog unit each way; the dialog is 100 x 50 units.
class DialogEditorTest : public testing::Test {
 protected:
  void SetUp() override {
    dialog = MakeDialog(_T("Adresse"), RECT{0, 0, 100, 50});
    button = AddControl(dialog.get(), TRA_PUSHBUTTON, _T("OK"), RECT{10, 10, 40, 22});  // px 20,20,80,44
    AddControl(dialog.get(), TRA_STATIC, _T(""), RECT{50, 10, 70, 20});                 // px 100,20,140,40
    AddControl(dialog.get(), TRA_COMBOBOX, _T(""), RECT{10, 30, 60, 42});               // px 20,60,120,84
    AddControl(dialog.get(), TRA_CONTROL, _T("x"), RECT{70, 30, 90, 45});               // px 140,60,180,90
    window.busy = &program.busy;
    Open();
  }
  void Open() {
    editor.reset(new CDialogEditor(window, document, program, ui));
    ASSERT_TRUE(editor->SetDialogNode(dialog.get()));
    editor->OnWindowCreated(LiveRects(*dialog, 2.0, 2.0), 2.0, 2.0);
  }
  void Click(LONG x, LONG y) {
    editor->OnMouseMove({x, y});
    editor->OnLeftDown({x, y});
    editor->OnLeftUp({x, y});
  }
  void Drag(POINT from, POINT to) {
    editor->OnMouseMove(from);
    editor->OnLeftDown(from);
    editor->OnMouseMove(to);
    editor->OnLeftUp(to);
  }
  static void ExpectRect(const RECT& expected, const RECT& actual) {
    EXPECT_EQ(expected.left, actual.left);
    EXPECT_EQ(expected.top, actual.top);
    EXPECT_EQ(expected.right, actual.right);
    EXPECT_EQ(expected.bottom, actual.bottom);
  }

  std::unique_ptr<CTraNode> dialog;
  CTraNode* button = nullptr;
  RecordingWindow window;
  RecordingDocument document;
  RecordingProgram program;
  CQueuedUiServices ui;
  std::unique_ptr<CDialogEditor> editor;
};

TEST_F(DialogEditorTest, WindowIsBuiltWhileBusyAndBusyIsClearedAfter) {
  EXPECT_EQ(1, window.creates);
  EXPECT_TRUE(window.busyAtCreate);
  EXPECT_FALSE(program.busy);
  EXPECT_EQ(5, editor->GetCount());
  EXPECT_FALSE(editor->IsHintShown());
}

TEST_F(DialogEditorTest, FailedCreationClearsBusyToo) {
  window.createResult = false;
  auto other = MakeDialog(_T("Other"), RECT{0, 0, 60, 40});
  editor->SetDialogNode(other.get());
  EXPECT_EQ(2, window.creates);
  EXPECT_TRUE(window.busyAtCreate);
  EXPECT_FALSE(program.busy);
}

TEST_F(DialogEditorTest, CursorsOfTheSelectedButton) {
  Click(50, 32);
  ASSERT_EQ(1, editor->GetSelected());
  struct Case {
    LONG x, y;
    int cursor;
  } cases[] = {
      {50, 32, PREVIEW_CURSOR_SIZE_ALL}, {21, 32, PREVIEW_CURSOR_SIZE_WE},   {79, 32, PREVIEW_CURSOR_SIZE_WE},
      {18, 32, PREVIEW_CURSOR_SIZE_WE},  {50, 21, PREVIEW_CURSOR_SIZE_NS},   {50, 43, PREVIEW_CURSOR_SIZE_NS},
      {21, 21, PREVIEW_CURSOR_SIZE_NWSE}, {79, 43, PREVIEW_CURSOR_SIZE_NWSE}, {79, 21, PREVIEW_CURSOR_SIZE_NESW},
      {21, 43, PREVIEW_CURSOR_SIZE_NESW}, {17, 32, PREVIEW_CURSOR_ARROW},   {50, 47, PREVIEW_CURSOR_ARROW},
      // The dialog's own edges when no control is grabbed.
      {198, 50, PREVIEW_CURSOR_SIZE_WE}, {150, 98, PREVIEW_CURSOR_SIZE_NS}, {198, 98, PREVIEW_CURSOR_SIZE_NWSE},
  };
  for (const Case& c : cases) {
    editor->OnMouseMove({c.x, c.y});
    EXPECT_EQ(c.cursor, editor->GetCursor()) << c.x << "," << c.y;
    EXPECT_EQ(c.cursor, window.cursor) << c.x << "," << c.y;
  }
}

TEST_F(DialogEditorTest, ComboBoxHasNoVerticalResize) {
  Click(70, 72);
  ASSERT_EQ(3, editor->GetSelected());
  struct Case {
    LONG x, y;
    int cursor;
  } cases[] = {{70, 61, PREVIEW_CURSOR_SIZE_ALL}, {70, 83, PREVIEW_CURSOR_SIZE_ALL}, {21, 61, PREVIEW_CURSOR_SIZE_WE},
               {119, 83, PREVIEW_CURSOR_SIZE_WE}, {21, 72, PREVIEW_CURSOR_SIZE_WE}};
  for (const Case& c : cases) {
    editor->OnMouseMove({c.x, c.y});
    EXPECT_EQ(c.cursor, editor->GetCursor()) << c.x << "," << c.y;
  }
}

TEST_F(DialogEditorTest, EmptyStaticAndGenericControlOnlyMove) {
  const struct {
    LONG selectX, selectY;
    int index;
    LONG edgeX, edgeY;
  } cases[] = {{120, 30, 2, 101, 21}, {160, 75, 4, 141, 61}};
  for (const auto& c : cases) {
    Click(c.selectX, c.selectY);
    ASSERT_EQ(c.index, editor->GetSelected());
    editor->OnMouseMove({c.edgeX, c.edgeY});
    EXPECT_EQ(PREVIEW_CURSOR_SIZE_ALL, editor->GetCursor()) << c.index;
    editor->OnMouseMove({c.edgeX - 2, c.edgeY});
    EXPECT_EQ(PREVIEW_CURSOR_ARROW, editor->GetCursor()) << c.index;
  }
}

TEST_F(DialogEditorTest, ChildStyleDialogCannotBeResized) {
  dialog->GetLayout()->m_nStyle = 0x40000000;
  Open();
  EXPECT_FALSE(editor->IsResizable());
  editor->OnMouseMove({198, 98});
  EXPECT_EQ(PREVIEW_CURSOR_ARROW, editor->GetCursor());
}

TEST_F(DialogEditorTest, HoverPicksTheControlWithTheNearestEdges) {
  auto nested = MakeDialog(_T("N"), RECT{0, 0, 100, 50});
  AddControl(nested.get(), TRA_GROUPBOX, _T("Gruppe"), RECT{0, 0, 100, 50});
  AddControl(nested.get(), TRA_PUSHBUTTON, _T("OK"), RECT{10, 10, 40, 22});
  editor->SetDialogNode(nested.get());
  editor->OnWindowCreated(LiveRects(*nested, 2.0, 2.0), 2.0, 2.0);
  editor->OnMouseMove({50, 32});
  EXPECT_EQ(2, editor->GetHover());
  editor->OnMouseMove({150, 80});
  EXPECT_EQ(1, editor->GetHover());
  ASSERT_TRUE(window.hasPositionRect);
  ExpectRect(RECT{0, 0, 100, 50}, window.positionRect);
}

TEST_F(DialogEditorTest, ClickOnlySelects) {
  Click(50, 32);
  EXPECT_EQ(1, editor->GetSelected());
  EXPECT_EQ(0, document.modified);
  EXPECT_TRUE(window.moves.empty());
  EXPECT_FALSE(editor->IsChanged(1));
}

TEST_F(DialogEditorTest, MoveSnapsToDialogUnitsAndKeepsTheSize) {
  Click(50, 32);
  Drag({50, 32}, {61, 37});
  ExpectRect(RECT{32, 26, 92, 50}, editor->GetRect(1));
  EXPECT_EQ(1, document.modified);
  EXPECT_TRUE(editor->IsChanged(1));
  ASSERT_EQ(1u, window.moves.size());
  EXPECT_EQ(1, window.moves[0].first);
  ExpectRect(RECT{16, 13, 46, 25}, window.positionRect);
}

TEST_F(DialogEditorTest, MoveStaysInsideTheClientArea) {
  const struct {
    POINT to;
    RECT expected;
  } cases[] = {{{550, 32}, {140, 20, 200, 44}},
               {{50, 532}, {20, 76, 80, 100}},
               {{-450, -450}, {0, 0, 60, 24}}};
  for (const auto& c : cases) {
    Open();
    Click(50, 32);
    Drag({50, 32}, c.to);
    ExpectRect(c.expected, editor->GetRect(1));
  }
}

TEST_F(DialogEditorTest, ResizeFollowsTheGrabbedEdgeAndIsClipped) {
  const struct {
    POINT from, to;
    RECT expected;
  } cases[] = {{{79, 32}, {99, 32}, {20, 20, 100, 44}},
               {{21, 32}, {11, 32}, {10, 20, 80, 44}},
               {{50, 43}, {50, 53}, {20, 20, 80, 54}},
               {{50, 21}, {50, 9}, {20, 8, 80, 44}},
               {{79, 43}, {400, 400}, {20, 20, 200, 100}},
               {{21, 21}, {-300, -300}, {0, 0, 80, 44}}};
  for (const auto& c : cases) {
    Open();
    Click(50, 32);
    Drag(c.from, c.to);
    ExpectRect(c.expected, editor->GetRect(1));
  }
}

TEST_F(DialogEditorTest, ResizeTheDialogByItsCorner) {
  Drag({198, 98}, {238, 118});
  EXPECT_EQ(0, editor->GetSelected());
  ExpectRect(RECT{0, 0, 240, 120}, editor->GetRect(0));
  ASSERT_FALSE(window.clientSizes.empty());
  EXPECT_EQ(240, window.clientSizes.back().first);
  EXPECT_EQ(120, window.clientSizes.back().second);
  EXPECT_TRUE(editor->IsChanged(0));
  editor->CommitRects();
  ExpectRect(RECT{0, 0, 120, 60}, dialog->GetLayout()->m_rcTranslated);
}

TEST_F(DialogEditorTest, DroppingTheSameRectangleChangesNothing) {
  Click(50, 32);
  Drag({50, 32}, {50, 32});
  EXPECT_EQ(0, document.modified);
  EXPECT_FALSE(editor->IsChanged(1));
  EXPECT_TRUE(window.moves.empty());
  EXPECT_EQ(0u, window.bands.size() % 2) << "the XOR band is left on the screen";
}

TEST_F(DialogEditorTest, UndoGoesBackToTheCommittedRectangle) {
  Click(50, 32);
  Drag({50, 32}, {61, 37});
  editor->CommitRects();
  Drag({61, 37}, {81, 37});
  editor->OnUndo();
  ExpectRect(RECT{32, 26, 92, 50}, editor->GetRect(1));
  EXPECT_FALSE(editor->IsChanged(1));
  EXPECT_EQ(2, document.modified) << "undo does not mark the document";
}

TEST_F(DialogEditorTest, UndoWithNoControlSelectedUndoesTheDialog) {
  Drag({198, 98}, {238, 118});
  ASSERT_TRUE(editor->SelectItem(dialog.get()));
  ASSERT_EQ(-1, editor->GetSelected());
  editor->OnUndo();
  EXPECT_FALSE(editor->IsChanged(0));
  ExpectRect(RECT{0, 0, 200, 100}, editor->GetRect(0));
  EXPECT_EQ(200, window.clientSizes.back().first);
  EXPECT_EQ(100, window.clientSizes.back().second);
}

TEST_F(DialogEditorTest, LoadOriginalMarksTheDocument) {
  button->GetLayout()->m_rcTranslated = RECT{12, 14, 42, 26};
  Open();
  Click(50, 40);
  ASSERT_EQ(1, editor->GetSelected());
  editor->OnLoadOriginal();
  ExpectRect(RECT{10, 10, 40, 22}, button->GetLayout()->m_rcTranslated);
  ExpectRect(RECT{20, 20, 80, 44}, editor->GetRect(1));
  EXPECT_EQ(1, document.modified);
}

TEST_F(DialogEditorTest, UndoAllAsksFirst) {
  Click(50, 32);
  Drag({50, 32}, {61, 37});
  ui.QueueMessageAnswer(IDNO);
  editor->OnUndoAll();
  EXPECT_TRUE(editor->IsChanged(1));
  ui.QueueMessageAnswer(IDYES);
  editor->OnUndoAll();
  EXPECT_FALSE(editor->IsChanged(1));
  ExpectRect(RECT{20, 20, 80, 44}, editor->GetRect(1));
  ASSERT_EQ(2u, ui.Messages().size());
  EXPECT_EQ(DeskText(IDS_DESK_UNDO_ALL_QUESTION), ui.Messages()[0].text);
  EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), ui.Messages()[0].type);
}

TEST_F(DialogEditorTest, LoadAllOriginalsResetsEveryLayout) {
  button->GetLayout()->m_rcTranslated = RECT{12, 14, 42, 26};
  dialog->GetLayout()->m_rcTranslated = RECT{0, 0, 110, 60};
  Open();
  ui.QueueMessageAnswer(IDYES);
  editor->OnLoadAllOriginals();
  ExpectRect(RECT{10, 10, 40, 22}, button->GetLayout()->m_rcTranslated);
  ExpectRect(RECT{0, 0, 100, 50}, dialog->GetLayout()->m_rcTranslated);
  ExpectRect(RECT{0, 0, 200, 100}, editor->GetRect(0));
  EXPECT_EQ(1, document.modified);
  EXPECT_EQ(DeskText(IDS_DESK_ORIGINALS_QUESTION), ui.Messages().at(0).text);
}

TEST_F(DialogEditorTest, CommitWritesOnlyChangedEntries) {
  Click(50, 32);
  Drag({50, 32}, {61, 37});
  editor->CommitRects();
  ExpectRect(RECT{16, 13, 46, 25}, button->GetLayout()->m_rcTranslated);
  ExpectRect(RECT{0, 0, 100, 50}, dialog->GetLayout()->m_rcTranslated);
  EXPECT_TRUE(editor->IsChanged(1)) << "the flags stay set";
  editor->OnWindowDestroyed();
  EXPECT_FALSE(editor->HasWindow());
}

TEST_F(DialogEditorTest, MovedComboBoxKeepsItsListHeight) {
  // The live combo box is its field only (14 px of the layout's 24).
  std::vector<RECT> rects = LiveRects(*dialog, 2.0, 2.0);
  rects[3].bottom = rects[3].top + 14;
  editor->OnWindowCreated(rects, 2.0, 2.0);
  Click(70, 66);
  ASSERT_EQ(3, editor->GetSelected());
  Drag({70, 66}, {80, 70});
  ExpectRect(RECT{30, 64, 130, 78}, editor->GetRect(3));
  editor->CommitRects();
  ExpectRect(RECT{15, 32, 65, 44}, dialog->GetChild(2)->GetLayout()->m_rcTranslated);
}

TEST_F(DialogEditorTest, OriginalFileOffersATranslationInsteadOfDragging) {
  document.original = true;
  Click(50, 32);
  Drag({50, 32}, {61, 37});
  EXPECT_EQ(1, document.offers);
  EXPECT_EQ(0, document.modified);
  ExpectRect(RECT{20, 20, 80, 44}, editor->GetRect(1));
  editor->OnLoadOriginal();
  EXPECT_EQ(2, document.offers);
}

TEST_F(DialogEditorTest, RightClickOpensTheMenuRightDragMovesTheWindow) {
  editor->OnRightDown({50, 32});
  EXPECT_TRUE(editor->OnRightUp({50, 32}));
  editor->OnRightDown({50, 32});
  editor->OnMouseMove({55, 35});
  EXPECT_FALSE(editor->OnRightUp({55, 35}));
  ASSERT_EQ(1u, window.windowMoves.size());
  EXPECT_EQ(5, window.windowMoves[0].first);
  EXPECT_EQ(3, window.windowMoves[0].second);
  editor->OnLeftDown({50, 32});
  EXPECT_TRUE(editor->IsLeftDown());
}

TEST_F(DialogEditorTest, ContextMenuStates) {
  PreviewMenuState s = editor->PrepareContextMenu({50, 32});
  EXPECT_EQ(1, editor->GetSelected()) << "the menu selects what lies under it";
  EXPECT_FALSE(s.undo);
  EXPECT_FALSE(s.undoAll);
  EXPECT_FALSE(s.loadOriginal);
  EXPECT_FALSE(s.loadAllOriginals);
  Drag({50, 32}, {61, 37});
  s = editor->PrepareContextMenu({150, 5});
  EXPECT_EQ(-1, editor->GetSelected());
  EXPECT_FALSE(s.undo) << "the dialog itself is unchanged";
  EXPECT_TRUE(s.undoAll);
  EXPECT_FALSE(s.loadOriginal);
  EXPECT_TRUE(s.loadAllOriginals);
  s = editor->PrepareContextMenu({70, 40});
  EXPECT_TRUE(s.undo);
  EXPECT_TRUE(s.loadOriginal);
}

// The activation timer gives the activation back to the frame and draws
// both captions anew; never while dragging or when the preview is not active.
TEST_F(DialogEditorTest, ActivationGoesBackWithBothCaptionsSetAgain) {
  struct Case {
    const char* what;
    bool active;
    bool dragging;
    bool hasOwner;
    std::vector<CString> calls;
  } cases[] = {
      {"active", true, false, true, {_T("activate owner"), _T("captions")}},
      {"not active", false, false, true, {}},
      {"dragging", true, true, true, {}},
      {"no owner", true, false, false, {_T("activate owner")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    window.calls.clear();
    window.active = c.active;
    window.hasOwner = c.hasOwner;
    if (c.dragging) {
      Click(50, 32);  // selected, then pressed on again: a move starts
      editor->OnMouseMove({50, 32});
      editor->OnLeftDown({50, 32});
      ASSERT_TRUE(editor->IsDragging());
    }
    editor->GiveBackActivation();
    EXPECT_EQ(c.calls, window.calls);
    if (c.dragging) editor->OnLeftUp({50, 32});
  }
}

TEST_F(DialogEditorTest, TextsGoToCaptionAndControls) {
  EXPECT_TRUE(editor->SetItemText(dialog.get(), _T("Address")));
  EXPECT_EQ(CString(_T("Address")), window.caption);
  EXPECT_TRUE(editor->SetItemText(button, _T("Fine")));
  ASSERT_EQ(1u, window.texts.size());
  EXPECT_EQ(1, window.texts[0].first);
}

TEST_F(DialogEditorTest, AnotherDialogRebuildsTheWindow) {
  auto other = MakeDialog(_T("Other"), RECT{0, 0, 60, 40});
  CTraNode* ok = AddControl(other.get(), TRA_PUSHBUTTON, _T("OK"), RECT{0, 0, 10, 10});
  EXPECT_TRUE(editor->SelectItem(ok));
  EXPECT_EQ(other.get(), editor->GetDialogNode());
  EXPECT_EQ(1, window.destroys);
  EXPECT_EQ(2, window.creates);
  editor->Detach();
  EXPECT_EQ(nullptr, editor->GetDialogNode());
}

TEST_F(DialogEditorTest, HintIsACopyShownNeverEdited) {
  auto sizeOnly = MakeDialog(_T("Klein"), RECT{0, 0, 100, 50});
  sizeOnly->GetLayout()->SetSizeOnly(100, 50);
  CTraNode* ok = AddControl(sizeOnly.get(), TRA_PUSHBUTTON, _T("OK"), RECT{0, 0, 10, 10});
  editor->SetDialogNode(sizeOnly.get());
  ASSERT_TRUE(editor->IsHintShown());
  EXPECT_EQ(1, program.hintRequests);
  EXPECT_EQ(sizeOnly.get(), editor->GetDialogNode()) << "the document's dialog stays current";
  EXPECT_EQ(CString(_T("Hinweis")), editor->GetShownNode()->GetTranslation());
  EXPECT_FALSE(editor->SelectItem(ok));
  EXPECT_FALSE(editor->SetItemText(ok, _T("x")));
  editor->OnWindowCreated(LiveRects(*editor->GetShownNode(), 2.0, 2.0), 2.0, 2.0);
  Click(100, 28);
  Drag({100, 28}, {140, 40});
  EXPECT_EQ(0, document.modified);
  editor->CommitRects();
  EXPECT_TRUE(sizeOnly->GetLayout()->IsSizeOnly());

  auto zero = MakeDialog(_T("Null"), RECT{0, 0, 0, 0});
  const int creates = window.creates;
  editor->SetDialogNode(zero.get());
  EXPECT_EQ(creates, window.creates) << "another dialog needing the hint keeps the window";

  editor->Show(false);
  editor->Show(true);
  EXPECT_EQ(2, program.hintRequests) << "the hint is made afresh for every window";
}

TEST_F(DialogEditorTest, NoHintDialogMeansNoWindow) {
  program.hasHint = false;
  auto sizeOnly = MakeDialog(_T("Klein"), RECT{0, 0, 100, 50});
  sizeOnly->GetLayout()->SetSizeOnly(100, 50);
  const int creates = window.creates;
  editor->SetDialogNode(sizeOnly.get());
  EXPECT_EQ(creates, window.creates);
  EXPECT_FALSE(editor->IsHintShown());
}

TEST_F(DialogEditorTest, SwitchedOffBuildsNothing) {
  editor->Show(false);
  EXPECT_FALSE(editor->IsShown());
  EXPECT_FALSE(editor->IsActive());
  auto other = MakeDialog(_T("Other"), RECT{0, 0, 60, 40});
  const int creates = window.creates;
  editor->SetDialogNode(other.get());
  EXPECT_EQ(creates, window.creates);
  editor->Show(true);
  EXPECT_EQ(creates + 1, window.creates);
  EXPECT_TRUE(editor->IsActive());
}

}  // namespace
