// WeaveDesk's find commands and fonts under Wine: the real find dialog and
// F3 / Shift+F3 on the frame, replace in an original, the fonts dialog with
// the system's font dialog inside it, and the mouse wheel over the text view.
#include "DeskDialogIds.h"
#include "DeskWineFixture.h"
#include "Lwv.h"

namespace {

using namespace deskwine;

// The editor's selection.
std::pair<int, int> Selection(CTextEdit* editor) {
  int start = 0, end = 0;
  editor->GetSel(start, end);
  return {start, end};
}

class DeskFindFontsWine : public DeskWine {
 protected:
  // Waits until block index is current with the selection given.
  ::testing::AssertionResult WaitForHit(int block, int start, int end) {
    const bool hit = lwtest::WaitUntil(_T("the find hit"), [&] {
      return View()->GetBlocks().GetCurrent() == block && Selection(Editor()) == std::make_pair(start, end);
    });
    if (hit) return ::testing::AssertionSuccess();
    const auto sel = Selection(Editor());
    return ::testing::AssertionFailure() << "current block " << View()->GetBlocks().GetCurrent() << ", selection "
                                         << sel.first << ".." << sel.second;
  }
  // The height and the text of the first item of block index, and how wide
  // and high its text is in the in-place editor's own font.
  struct Fit {
    int itemWidth, itemHeight;
    SIZE textInEditorFont;
  };
  Fit FitOf(int index) {
    ClickBlock(index);
    Pump();
    const CTextItem* item = View()->GetBlocks().GetBlock(index)->GetItem(0);
    Fit fit{item->m_rect.right - item->m_rect.left, item->m_rect.bottom - item->m_rect.top, {0, 0}};
    HDC dc = ::GetDC(Editor()->m_hWnd);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(Editor()->SendMessage(WM_GETFONT)));
    ::GetTextExtentPoint32(dc, item->m_strText.GetString(), item->m_strText.GetLength(), &fit.textInEditorFont);
    ::SelectObject(dc, old);
    ::ReleaseDC(Editor()->m_hWnd, dc);
    return fit;
  }
};

// With no text current, the dialog's "Find Next" finds a word of the first
// text; F3 reaches the second hit in the same text and Shift+F3 goes back.
// F3 before any search opens the find dialog.
TEST_F(DeskFindFontsWine, FindNextAndF3SearchFromTheCaret) {
  Watchdog watchdog(60);
  Start(false);
  NewTranslation();
  ClickBlock(0);
  Pump();
  ASSERT_NE(Editor()->GetSegment(), nullptr);
  Editor()->SetSel(0, -1);
  Type(_T("Qzx und Qzx"));
  ASSERT_EQ(CString(_T("Qzx und Qzx")), View()->GetBlocks().GetBlock(0)->GetText());
  Command(ID_TREE_COLLAPSE);
  Command(ID_TREE_EXPAND);
  ASSERT_EQ(-1, View()->GetBlocks().GetCurrent());

  Command(ID_FIND_NEXT);
  HWND dialog = nullptr;
  ASSERT_TRUE(lwtest::WaitUntil(_T("the find dialog"), [&] { return (dialog = lwtest::FindOwnDialog()) != nullptr; }));
  EXPECT_FALSE(View()->CanFindReplace());
  EXPECT_NE(nullptr, ::GetDlgItem(dialog, edt1));
  ::SetDlgItemText(dialog, edt1, _T("Qzx"));
  ::PostMessage(dialog, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitForHit(0, 0, 3));
  SaveScreenshot(Frame()->m_hWnd, "weavedesk_find_de");

  Command(ID_FIND_NEXT);
  EXPECT_TRUE(WaitForHit(0, 8, 11));
  Command(ID_FIND_PREVIOUS);
  EXPECT_TRUE(WaitForHit(0, 0, 3));
  EXPECT_EQ(Position(0), Status());

  ::PostMessage(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(lwtest::WaitUntil(_T("the find dialog closed"), [&] { return View()->CanFindReplace(); }));
}

// Replace in an original offers a new translation; No opens no dialog.
TEST_F(DeskFindFontsWine, ReplaceInAnOriginalOffersANewTranslation) {
  Watchdog watchdog(60);
  Start(false);
  ASSERT_TRUE(Doc()->Desk().IsOriginal());
  const CString offer = DeskText(IDS_DESK_OFFER_TRANSLATION);
  RunModal({lwtest::When(_T("new translation offer"), lwtest::MessageBoxWith(offer.Left(offer.Find(_T('\n')))),
                         [](HWND box) { PostMessage(box, WM_COMMAND, IDNO, 0); })},
           [&] { Command(ID_REPLACE); });
  Pump();
  EXPECT_TRUE(View()->CanFindReplace());
  EXPECT_EQ(nullptr, lwtest::FindOwnDialog());
  EXPECT_TRUE(Doc()->Desk().IsOriginal());
}

// In both languages: a bigger text font chosen in the system's font dialog
// and taken with OK lays the text view out anew, and the in-place editor's
// text fits the item it covers.
TEST_F(DeskFindFontsWine, FontsDialogChangesTheTextView) {
  Watchdog watchdog(90);
  Start(true);
  const CString folder = LanguageFolder();
  struct Language {
    bool english;
    const char* suffix;
    const TCHAR* fonts;
    int size;
  } languages[] = {{false, "de", _T("Schriftarten..."), 20}, {true, "en", _T("Fonts..."), 26}};
  for (const Language& language : languages) {
    SCOPED_TRACE(language.suffix);
    if (language.english) {
      ASSERT_TRUE(LWSwitchFile(folder + _T("WeaveDeskEN.tra")));
      Pump();
    }
    const Fit before = FitOf(4);
    const LONG heightBefore = g_TextFont.lfHeight;
    auto fontsDialog = [&] {
      HWND dialog = lwtest::FindOwnDialog(language.fonts);
      return dialog && ::GetDlgItem(dialog, IDC_DESK_TEXT_FONT_CHANGE) ? dialog : nullptr;
    };
    auto fontChooser = [] { return lwtest::FindOwnWindowIf([](HWND w) { return ::GetDlgItem(w, cmb3) != nullptr; }); };
    RunModal({lwtest::When(_T("fonts dialog"), fontsDialog,
                           [](HWND dialog) {
                             HWND button = ::GetDlgItem(dialog, IDC_DESK_TEXT_FONT_CHANGE);
                             ::PostMessage(dialog, WM_COMMAND, MAKEWPARAM(IDC_DESK_TEXT_FONT_CHANGE, BN_CLICKED),
                                           reinterpret_cast<LPARAM>(button));
                           }),
              lwtest::When(_T("the system's font dialog"), fontChooser,
                           [&](HWND chooser) {
                             // A face the system has, then the size.
                             HWND faces = ::GetDlgItem(chooser, cmb1);
                             LRESULT face = ::SendMessage(faces, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                          reinterpret_cast<LPARAM>(_T("Tahoma")));
                             if (face == CB_ERR) face = 0;
                             TCHAR name[LF_FACESIZE] = {0};
                             if (::SendMessage(faces, CB_GETLBTEXTLEN, static_cast<WPARAM>(face), 0) < LF_FACESIZE)
                               ::SendMessage(faces, CB_GETLBTEXT, static_cast<WPARAM>(face), reinterpret_cast<LPARAM>(name));
                             ::SendMessage(faces, CB_SETCURSEL, static_cast<WPARAM>(face), 0);
                             ::SetWindowText(faces, name);
                             ::SendMessage(chooser, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE),
                                           reinterpret_cast<LPARAM>(faces));
                             CString size;
                             size.Format(_T("%d"), language.size);
                             HWND sizes = ::GetDlgItem(chooser, cmb3);
                             const LRESULT at = ::SendMessage(sizes, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                              reinterpret_cast<LPARAM>(size.GetString()));
                             if (at != CB_ERR) {
                               ::SendMessage(sizes, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
                               ::SendMessage(chooser, WM_COMMAND, MAKEWPARAM(cmb3, CBN_SELCHANGE),
                                             reinterpret_cast<LPARAM>(sizes));
                             }
                             ::SetWindowText(sizes, size);
                             ::PostMessage(chooser, WM_COMMAND, IDOK, 0);
                           }),
              lwtest::When(_T("fonts dialog again"),
                           [&] { return fontChooser() ? nullptr : lwtest::Settled(fontsDialog)(); },
                           [&](HWND dialog) {
                             SaveScreenshot(dialog, CStringA("weavedesk_fonts_changed_") + language.suffix);
                             ::PostMessage(dialog, WM_COMMAND, IDOK, 0);
                           })},
             [&] { Command(ID_FONTS); });
    Pump();
    ASSERT_LT(g_TextFont.lfHeight, heightBefore) << "a bigger font was chosen";
    const Fit after = FitOf(4);
    EXPECT_GT(after.itemHeight, before.itemHeight);
    EXPECT_LE(after.textInEditorFont.cx, after.itemWidth);
    EXPECT_LE(after.textInEditorFont.cy, after.itemHeight);
    SaveScreenshot(Frame()->m_hWnd, CStringA("weavedesk_big_font_") + language.suffix);
  }
  InitDefaultFonts();
  ASSERT_TRUE(LWSwitchFile(folder + _T("WeaveDesk.tra")));
  Pump();
}

// The wheel over the text view, or over the in-place editor, scrolls the
// view: toward the end when turned toward the user, back when turned away.
TEST_F(DeskFindFontsWine, MouseWheelScrollsTheTextView) {
  Watchdog watchdog(60);
  Start(false);
  ASSERT_EQ(0, View()->GetVerticalAxis().GetOffset());
  ClickBlock(0);
  Pump();
  ASSERT_NE(Editor()->GetSegment(), nullptr);
  const RECT editorBefore = Editor()->GetRect();
  ::SendMessage(Editor()->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  const int down = View()->GetVerticalAxis().GetOffset();
  EXPECT_GT(down, 0);
  EXPECT_EQ(editorBefore.top - down, Editor()->GetRect().top) << "the editor stays on its segment";
  ::SendMessage(View()->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
  EXPECT_GT(View()->GetVerticalAxis().GetOffset(), down);
  ::SendMessage(View()->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(10 * WHEEL_DELTA)), 0);
  EXPECT_EQ(0, View()->GetVerticalAxis().GetOffset());
}

}  // namespace
