// WeaveDesk in-process under Wine: the real application, document, frame,
// views and in-place editor, driven through the UI test kit. The
// sample's LwvSample.tra is opened from the command line; modal windows are
// answered by the kit's driver; its watchdog ends a hanging run.
#include "DeskWineFixture.h"
#include "TraFile.h"

namespace {

using namespace deskwine;

// The command line's file opens without a dialog, read-only and titled as an
// original; the status shows the number of texts; a typed key offers a new
// translation instead of changing the text.
TEST_F(DeskWine, CommandLineFileOpensAsOriginal) {
  Watchdog watchdog(60);
  Start(false);
  EXPECT_EQ(CString(_T("LwvSample.tra (Originalsprache) - Lingoweave Editor")), Caption());
  EXPECT_TRUE(m_app->GetCommandLineFile().IsEmpty()) << "the command line's file is used once";
  const int count = View()->GetBlocks().GetCount();
  EXPECT_GT(count, 100);
  EXPECT_EQ(Expected(IDS_DESK_TEXT_COUNT, count), Status());
  SaveScreenshot(Frame()->m_hWnd, "weavedesk_main_de");

  ClickBlock(4);
  Pump();
  ASSERT_NE(Editor()->GetSegment(), nullptr);
  EXPECT_EQ(Position(4), Status());
  const CString before = View()->GetBlocks().GetBlock(4)->GetText();
  const CString offer = DeskText(IDS_DESK_OFFER_TRANSLATION);
  RunModal({lwtest::When(_T("new translation offer"), lwtest::MessageBoxWith(offer.Left(offer.Find(_T('\n')))),
                         [](HWND box) { PostMessage(box, WM_COMMAND, IDNO, 0); })},
           [&] { Type(_T("x")); });
  EXPECT_EQ(before, View()->GetBlocks().GetBlock(4)->GetText());
  EXPECT_FALSE(Doc()->Desk().IsModified());
}

// A new translation: typed over, moved with the keys, a line split and
// joined, the tree collapsed and expanded, the header edited, saved under a
// new name and read back.
TEST_F(DeskWine, NewTranslationEditedSavedAndReadBack) {
  Watchdog watchdog(90);
  Start(false);
  NewTranslation();
  EXPECT_FALSE(Doc()->Desk().IsOriginal());
  EXPECT_EQ(CString(_T("*")), Doc()->GetTitle());
  EXPECT_EQ(CString(_T("Neue_Sprache_0")), lwtest::WindowText(::GetDlgItem(Head()->m_hWnd, IDC_HEAD_LANGUAGE)));

  // Type over the text of block 2.
  ClickBlock(2);
  Pump();
  ASSERT_NE(Editor()->GetSegment(), nullptr);
  EXPECT_EQ(Position(2), Status());
  Editor()->SetSel(0, -1);
  Type(_T("&File"));
  EXPECT_EQ(CString(_T("&File")), View()->GetBlocks().GetBlock(2)->GetText());
  EXPECT_TRUE(Doc()->Desk().IsModified());

  // Down moves into the next block, Page Down at least one block on.
  Key(VK_DOWN);
  EXPECT_EQ(Position(3), Status());
  Key(VK_NEXT);
  const int paged = View()->GetBlocks().GetCurrent();
  EXPECT_GT(paged, 3);
  Key(VK_PRIOR);
  EXPECT_LT(View()->GetBlocks().GetCurrent(), paged);

  // Enter splits block 4's line, Backspace at the start of the new line joins it.
  ClickBlock(4);
  CTextBlock* block = View()->GetBlocks().GetBlock(4);
  const CString text = block->GetText();
  Editor()->SetSel(3, 3);
  Type(_T("\r"));
  EXPECT_EQ(2, block->GetLineCount());
  Key(VK_BACK);
  EXPECT_EQ(1, block->GetLineCount());
  EXPECT_EQ(text.Left(3) + _T(" ") + text.Mid(3), block->GetText()) << "a backward join puts a blank between the lines";

  // Collapsing leaves the top-level blocks; expanding shows all again.
  const double expandedHeight = View()->GetVerticalAxis().GetTotal();
  Command(ID_TREE_COLLAPSE);
  EXPECT_EQ(Expected(IDS_DESK_TEXT_COUNT, View()->GetBlocks().GetCount()), Status());
  EXPECT_LT(View()->GetVerticalAxis().GetTotal(), expandedHeight);
  Command(ID_TREE_EXPAND);
  EXPECT_EQ(expandedHeight, View()->GetVerticalAxis().GetTotal());

  // The header's comment, then Save As and reading the file back.
  SetDlgItemText(Head()->m_hWnd, IDC_HEAD_COMMENT, _T("Englisch f\xfcr das Beispiel"));
  SetDlgItemText(Head()->m_hWnd, IDC_HEAD_LANGUAGE, _T("Englisch"));
  const CString saved = Scratch("desk_save") + _T("DeskSaved.tra");
  SaveAs(saved);
  EXPECT_EQ(saved, Doc()->Desk().GetPath());
  EXPECT_FALSE(Doc()->Desk().IsModified());
  EXPECT_EQ(CString(_T("DeskSaved.tra")), Doc()->GetTitle());
  SaveScreenshot(Frame()->m_hWnd, "weavedesk_translation_de");

  ASSERT_TRUE(Doc()->OpenNamedFile(saved));
  Pump();
  EXPECT_EQ(CString(_T("&File")), View()->GetBlocks().GetBlock(2)->GetText());
  EXPECT_EQ(CString(_T("Englisch f\xfcr das Beispiel")), Doc()->Desk().GetComment());
  EXPECT_EQ(CString(_T("Englisch")), Doc()->Desk().GetLanguageName());
  EXPECT_FALSE(Doc()->Desk().IsOriginal());
}

// Ctrl+Enter (a line feed) starts a new line as Enter does: the edit
// control took it into the segment as a line break of its own, which also
// gave a control's text a line it must not get.
TEST_F(DeskWine, CtrlEnterSplitsAsEnterDoes) {
  Watchdog watchdog(60);
  Start(false);
  NewTranslation();
  ClickBlock(4);
  CTextBlock* block = View()->GetBlocks().GetBlock(4);
  ASSERT_TRUE(block->IsFreeWidth());
  const CString text = block->GetText();
  ASSERT_EQ(-1, text.FindOneOf(_T("\r\n")));
  Editor()->SetSel(3, 3);
  Type(_T("\n"));
  EXPECT_EQ(2, block->GetLineCount());
  EXPECT_EQ(text.Left(3) + _T("\n") + text.Mid(3), block->GetText());

  int button = -1;
  for (int i = 0; i < View()->GetBlocks().GetCount() && button < 0; ++i) {
    CTextBlock* b = View()->GetBlocks().GetBlock(i);
    if (b->GetNode()->GetKind() == TRA_PUSHBUTTON && b->GetLineCount() == 1 && b->GetText().GetLength() > 2) button = i;
  }
  ASSERT_GE(button, 0);
  View()->GetBlocks().SetCurrent(button);
  View()->PlaceCurrentBlock(true, true);
  Pump();
  const CString label = View()->GetBlocks().GetBlock(button)->GetText();
  Editor()->SetSel(1, 1);
  Type(_T("\n"));
  EXPECT_EQ(label, View()->GetBlocks().GetBlock(button)->GetText()) << "a button's text gets no line of its own";
  EXPECT_EQ(1, View()->GetBlocks().GetBlock(button)->GetLineCount());
}

// Closing a changed translation asks to save; Cancel keeps the window, No closes it.
TEST_F(DeskWine, SaveQuestionOnCloseCancelKeepsTheWindow) {
  Watchdog watchdog(60);
  Start(false);
  NewTranslation();
  const CString question = DeskText(IDS_DESK_SAVE_QUESTION);
  const CString firstLine = question.Left(question.Find(_T('\n')));
  HWND frame = Frame()->m_hWnd;
  RunModal({lwtest::When(_T("save question"), lwtest::MessageBoxWith(firstLine),
                         [](HWND box) { PostMessage(box, WM_COMMAND, IDCANCEL, 0); })},
           [&] { SendMessage(frame, WM_CLOSE, 0, 0); });
  EXPECT_TRUE(IsWindow(frame));
  EXPECT_TRUE(Doc()->Desk().IsModified());

  m_app->m_pMainWnd = nullptr;  // no quit message for the test's thread
  RunModal({lwtest::When(_T("save question"), lwtest::MessageBoxWith(firstLine),
                         [](HWND box) { PostMessage(box, WM_COMMAND, IDNO, 0); })},
           [&] { SendMessage(frame, WM_CLOSE, 0, 0); });
  Pump();
  EXPECT_FALSE(IsWindow(frame));
}

// A file named by a drop, the shell or the recent-file list opens as the
// Open command opens one: a file that is no language file is refused with
// the reader's "corrupt .tra - file!" and then the editor's message, and the
// open file stays; a good one replaces it.
TEST_F(DeskWine, NamedFilesOpenThroughTheOpenCommandsPath) {
  Watchdog watchdog(60);
  Start(false);
  const CString bad = Scratch("desk_named") + _T("Kaputt.tra");
  HANDLE file = CreateFile(bad, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  DWORD written = 0;
  WriteFile(file, "kein Sprachfile", 15, &written, nullptr);
  CloseHandle(file);
  const CString invalid = DeskText(IDS_DESK_INVALID_FILE);
  CDocument* opened = reinterpret_cast<CDocument*>(1);
  RunModal({lwtest::When(_T("corrupt file message"), lwtest::MessageBoxWith(TRA_CORRUPT_MESSAGE),
                         [](HWND box) { PostMessage(box, WM_COMMAND, IDOK, 0); }),
            lwtest::When(_T("invalid file message"), lwtest::MessageBoxWith(invalid.Left(20)),
                         [](HWND box) { PostMessage(box, WM_COMMAND, IDOK, 0); })},
           [&] { opened = m_app->OpenDocumentFile(bad); });
  EXPECT_EQ(nullptr, opened);
  EXPECT_EQ(SamplePath(), Doc()->Desk().GetPath());
  EXPECT_EQ(CString(_T("LwvSample.tra (Originalsprache)")), Doc()->GetTitle());

  const CString copy = Scratch("desk_named") + _T("Kopie.tra");
  ASSERT_TRUE(CopyFile(SamplePath(), copy, FALSE));
  EXPECT_EQ(Doc(), m_app->OpenDocumentFile(copy));
  EXPECT_EQ(copy, Doc()->Desk().GetPath());
  EXPECT_EQ(CString(_T("Kopie.tra (Originalsprache)")), Doc()->GetTitle());
}

// The clipboard commands and the Delete key with no text being edited
// change nothing, also in a translation.
TEST_F(DeskWine, EditorWithoutASegmentChangesNothing) {
  Watchdog watchdog(60);
  Start(false);
  NewTranslation();
  ASSERT_EQ(nullptr, Editor()->GetSegment());
  const bool modified = Doc()->Desk().IsModified();
  const CString before = View()->GetBlocks().GetBlock(2)->GetText();
  for (const TCHAR* text : {_T("Zwischenablage")}) {
    if (OpenClipboard(Frame()->m_hWnd)) {
      EmptyClipboard();
      HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (lstrlen(text) + 1) * sizeof(TCHAR));
      lstrcpy(static_cast<LPTSTR>(GlobalLock(memory)), text);
      GlobalUnlock(memory);
      SetClipboardData(CF_TEXT, memory);
      CloseClipboard();
    }
  }
  Command(ID_EDIT_PASTE);
  Command(ID_EDIT_CUT);
  Key(VK_DELETE);
  EXPECT_EQ(nullptr, Editor()->GetSegment());
  EXPECT_EQ(CString(), lwtest::WindowText(Editor()->m_hWnd));
  EXPECT_EQ(before, View()->GetBlocks().GetBlock(2)->GetText());
  EXPECT_EQ(modified, Doc()->Desk().IsModified());
  EXPECT_FALSE(Editor()->Paste());
  EXPECT_FALSE(Editor()->Cut());
}

// The program's own language files: German at start, then the switch to
// English retranslates the frame's menu, the header view and the texts the
// program loads itself.
TEST_F(DeskWine, LanguageSwitchRetranslatesFrameAndHeader) {
  Watchdog watchdog(90);
  Start(true);
  HMENU menu = ::GetMenu(Frame()->m_hWnd);
  EXPECT_EQ(CString(_T("&Datei")), lwtest::MenuText(menu, 0));
  EXPECT_EQ(CString(_T("Programm:")), lwtest::WindowText(::GetWindow(Head()->m_hWnd, GW_CHILD)));
  const CString folder = LanguageFolder();
  ASSERT_TRUE(LWSwitchFile(folder + _T("WeaveDeskEN.tra")));
  m_app->OnLanguageSwitched();
  Pump();
  EXPECT_EQ(CString(_T("&File")), lwtest::MenuText(menu, 0));
  EXPECT_EQ(CString(_T("Program:")), lwtest::WindowText(::GetWindow(Head()->m_hWnd, GW_CHILD)));
  CString count;
  count.Format(_T("%i texts"), View()->GetBlocks().GetCount());
  EXPECT_EQ(count, Status());  // before any click
  EXPECT_NE(-1, lwtest::WindowText(Frame()->m_hWnd).Find(_T("(original language)")))
      << CStringA(lwtest::WindowText(Frame()->m_hWnd)).GetString();
  Command(ID_TREE_COLLAPSE);
  EXPECT_EQ(count, Status());
  Command(ID_TREE_EXPAND);
  SaveScreenshot(Frame()->m_hWnd, "weavedesk_main_en");
  ASSERT_TRUE(LWSwitchFile(folder + _T("WeaveDesk.tra")));
  Pump();
  EXPECT_EQ(CString(_T("&Datei")), lwtest::MenuText(menu, 0));
}

}  // namespace
