// WeaveDesk's dialogs reached from its menu commands under Wine: statistics,
// fonts and add-on files (modal, answered by the kit's driver), the dialog
// editor on a dialog of the sample, and the special-character window typing
// into the in-place editor; pictures of each in German and English.
#include "DeskDialogIds.h"
#include "DeskStatistics.h"
#include "DeskWineFixture.h"
#include "LwvProgram.h"
#include "TraFile.h"
#include "TraNode.h"

namespace {

using namespace deskwine;

struct Language {
  bool english;
  const char* suffix;
  const TCHAR* statistics;
  const TCHAR* fonts;
  const TCHAR* addOns;
};

const Language kLanguages[] = {
    {false, "de", _T("Statistik"), _T("Schriftarten..."), _T("In der Original-Sprachdatei enthaltene Zusatzdateien")},
    {true, "en", _T("Statistics"), _T("Fonts..."), _T("Add-on files contained in the original language file")},
};

// A picture of wnd with its frame painted first (a modal dialog is
// found before its caption is drawn).
void Picture(HWND wnd, const CStringA& name) {
  ::RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  SaveScreenshot(wnd, name);
}

// The dialog below node whose original caption is original, or null.
CTraNode* FindDialog(CTraNode* node, const CString& original) {
  if (!node) return nullptr;
  if (node->GetOriginal() == original && node->GetChildCount() > 0) return node;
  for (int i = 0; i < node->GetChildCount(); ++i)
    if (CTraNode* found = FindDialog(node->GetChild(i), original)) return found;
  return nullptr;
}

class DeskMenuDialogsWine : public DeskWine {
 protected:
  // Runs the statistics command; the four numbers it showed (characters
  // total and marked, texts total and marked).
  DeskStatistics Statistics(const CString& caption, const CString& picture) {
    DeskStatistics shown{};
    RunModal({lwtest::When(caption, lwtest::Captioned(caption),
                           [&](HWND dialog) {
                             shown.chars = Number(dialog, IDC_DESK_CHARS_TOTAL);
                             shown.markedChars = Number(dialog, IDC_DESK_CHARS_MARKED);
                             shown.texts = Number(dialog, IDC_DESK_TEXTS_TOTAL);
                             shown.markedTexts = Number(dialog, IDC_DESK_TEXTS_MARKED);
                             if (!picture.IsEmpty()) Picture(dialog, CStringA(picture));
                             PostMessage(dialog, WM_COMMAND, IDOK, 0);
                           })},
             [&] { Command(ID_STATISTICS); });
    return shown;
  }
  static long Number(HWND dialog, int id) {
    return _ttol(lwtest::WindowText(::GetDlgItem(dialog, id)));
  }
  // Clicks the dialog whose original caption is original: the dialog editor
  // (on from the start) shows it at once. Its node, or null.
  CTraNode* ClickDialog(const CString& original) {
    CTextBlockList& blocks = View()->GetBlocks();
    int block = -1;
    for (int i = 0; i < blocks.GetCount() && block < 0; ++i) {
      const CTraNode* node = blocks.GetBlock(i)->GetNode();
      if (node->GetOriginal() == original && node->GetChildCount() > 0) block = i;
    }
    if (block < 0) return nullptr;
    ClickBlock(block);
    Pump();
    return blocks.GetBlock(block)->GetNode();
  }
};

// In both languages: statistics shows the document's numbers, the fonts
// dialog opens and cancels without changing the fonts, the add-on files
// dialog opens and closes, and the dialog editor
// (on from the start) shows the clicked dialog, goes away on its command and
// comes back on the next.
TEST_F(DeskMenuDialogsWine, MenuCommandsOpenTheDialogs) {
  Watchdog watchdog(60);
  Start(true);
  const CString folder = LanguageFolder();
  for (const Language& language : kLanguages) {
    SCOPED_TRACE(language.suffix);
    if (language.english) {
      ASSERT_TRUE(LWSwitchFile(folder + _T("WeaveDeskEN.tra")));
      Pump();
    }
    DeskStatistics expected{};
    CountStatistics(Doc()->Desk().GetRootNode(), expected);
    ASSERT_GT(expected.texts, 0);
    const DeskStatistics shown =
        Statistics(language.statistics, CString("weavedesk_statistics_") + language.suffix);
    EXPECT_EQ(expected.texts, shown.texts);
    EXPECT_EQ(expected.chars, shown.chars);
    EXPECT_EQ(expected.markedTexts, shown.markedTexts);

    const LOGFONT before = g_TextFont;
    RunModal({lwtest::When(language.fonts, lwtest::Captioned(language.fonts),
                           [&](HWND dialog) {
                             Picture(dialog, CStringA("weavedesk_fonts_") + language.suffix);
                             PostMessage(dialog, WM_COMMAND, IDCANCEL, 0);
                           })},
             [&] { Command(ID_FONTS); });
    EXPECT_EQ(before.lfHeight, g_TextFont.lfHeight);
    EXPECT_EQ(CString(before.lfFaceName), CString(g_TextFont.lfFaceName));

    RunModal({lwtest::When(language.addOns, lwtest::Captioned(language.addOns),
                           [&](HWND dialog) {
                             Picture(dialog, CStringA("weavedesk_addons_") + language.suffix);
                             PostMessage(dialog, WM_COMMAND, IDOK, 0);
                           })},
             [&] { Command(ID_ADDONS); });

    CTraNode* dialog = ClickDialog(_T("Anschrift"));
    ASSERT_NE(nullptr, dialog);
    CDialogPreview* preview = View()->GetDialogPreview();
    ASSERT_NE(nullptr, preview);
    EXPECT_TRUE(View()->IsDialogEditorShown());
    EXPECT_EQ(dialog, preview->Editor().GetDialogNode());
    ASSERT_TRUE(::IsWindowVisible(preview->GetSafeHwnd()));
    Command(ID_DIALOG_EDITOR);
    Pump();
    EXPECT_FALSE(View()->IsDialogEditorShown());
    EXPECT_FALSE(::IsWindow(preview->GetSafeHwnd()));
    Command(ID_DIALOG_EDITOR);
    Pump();
    EXPECT_TRUE(preview->IsActive());
    ASSERT_TRUE(::IsWindowVisible(preview->GetSafeHwnd()));
    Picture(preview->GetSafeHwnd(), CStringA("weavedesk_dialog_editor_") + language.suffix);
  }
  ASSERT_TRUE(LWSwitchFile(folder + _T("WeaveDesk.tra")));
  Pump();
}

// Statistics counts what is typed but not yet stored; the special-character
// window types into the in-place editor and, closed from its own close box,
// clears the frame's check mark and goes away.
TEST_F(DeskMenuDialogsWine, TypedTextCountsAndSpecialCharactersType) {
  Watchdog watchdog(60);
  Start(false);
  NewTranslation();
  ClickBlock(4);
  Pump();
  ASSERT_NE(Editor()->GetSegment(), nullptr);
  const long before = Statistics(_T("Statistik"), CString()).chars;
  Type(_T("x"));
  EXPECT_EQ(before + 1, Statistics(_T("Statistik"), CString()).chars);

  Command(ID_SPECIAL_CHARS);
  CSpecialCharsDlg* window = View()->GetSpecialCharsWindow();
  ASSERT_NE(nullptr, window);
  const CSpecialCharGrid* grid = window->GetGrid();
  ASSERT_NE(nullptr, grid);
  // The cell of 'A' (65): column 7, row 1.
  const POINT a = {CSpecialCharGrid::kLeft + 7 * grid->CellWidth() + 2, CSpecialCharGrid::kTop + grid->CellHeight() + 2};
  const CString typed = View()->GetBlocks().GetBlock(4)->GetText();
  ::SendMessage(window->GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(a.x, a.y));
  ::SendMessage(window->GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(a.x, a.y));
  Pump();
  EXPECT_EQ(typed.GetLength() + 1, View()->GetBlocks().GetBlock(4)->GetText().GetLength());
  EXPECT_NE(-1, View()->GetBlocks().GetBlock(4)->GetText().Find(_T('A')));

  ::SendMessage(window->GetSafeHwnd(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_EQ(nullptr, View()->GetSpecialCharsWindow());
  // The next command opens a new window rather than closing a gone one.
  Command(ID_SPECIAL_CHARS);
  EXPECT_NE(nullptr, View()->GetSpecialCharsWindow());
  Command(ID_SPECIAL_CHARS);
  EXPECT_EQ(nullptr, View()->GetSpecialCharsWindow());
}

// A control moved in the dialog editor reaches its layout record only when
// the document is saved, and the saved file holds the new place.
TEST_F(DeskMenuDialogsWine, MovedControlIsWrittenOnSave) {
  Watchdog watchdog(60);
  Start(false);
  NewTranslation();
  CTraNode* dialog = ClickDialog(_T("Anschrift"));
  ASSERT_NE(nullptr, dialog);
  const HWND wnd = View()->GetDialogPreview()->GetSafeHwnd();
  ASSERT_TRUE(::IsWindowVisible(wnd));
  const CTraLayout* layout = dialog->GetChild(0)->GetLayout();
  ASSERT_NE(nullptr, layout);
  const RECT before = layout->m_rcTranslated;

  DragControl(wnd, 256, 20, 10);
  EXPECT_EQ(before.left, layout->m_rcTranslated.left) << "not yet written";

  const CString path = Scratch("desk_moved") + _T("Moved.tra");
  SaveAs(path);
  EXPECT_NEAR(before.left + 20, layout->m_rcTranslated.left, 1);
  EXPECT_NEAR(before.top + 10, layout->m_rcTranslated.top, 1);
  CTraFile saved;
  ASSERT_TRUE(LwReadLanguageFile(path, saved, LW_READ_WHOLE));
  CTraNode* savedDialog = FindDialog(saved.GetRootNode(), _T("Anschrift"));
  ASSERT_NE(nullptr, savedDialog);
  const RECT written = savedDialog->GetChild(0)->GetLayout()->m_rcTranslated;
  EXPECT_EQ(layout->m_rcTranslated.left, written.left);
  EXPECT_EQ(layout->m_rcTranslated.top, written.top);
}

}  // namespace
