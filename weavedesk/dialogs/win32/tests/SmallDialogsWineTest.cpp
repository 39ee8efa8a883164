// The add-on dialog (export and re-import of an add-on file, Escape where
// re-import is off), the statistics of the sample's file, and pictures of
// the fonts dialog and the special-character window, under Wine.
#include "AddOnFilesDlg.h"
#include "DeskDialogIds.h"
#include "DeskStatistics.h"
#include "DeskStrings.h"
#include "FontsDlg.h"
#include "SpecialCharsDlg.h"
#include "StatisticsDlg.h"
#include "TestPaths.h"
#include "TextFonts.h"
#include "TraFile.h"
#include "UiServices.h"
#include "UiTestKit.h"

#include <gtest/gtest.h>

namespace {

std::vector<BYTE> Bytes(const char* s) { return std::vector<BYTE>(s, s + strlen(s)); }

void WriteBytes(const CString& path, const char* s) {
  CFile f(path, CFile::modeCreate | CFile::modeWrite);
  f.Write(s, static_cast<UINT>(strlen(s)));
}

// Selects row of the dialog's add-on list as a click would, with its notification.
void ClickRow(HWND dialog, int row) {
  HWND list = ::GetDlgItem(dialog, IDC_DESK_ADDON_LIST);
  LVITEM item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  ::SendMessage(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessage(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  NMITEMACTIVATE click = {};
  click.hdr.hwndFrom = list;
  click.hdr.idFrom = IDC_DESK_ADDON_LIST;
  click.hdr.code = NM_CLICK;
  click.iItem = row;
  ::SendMessage(dialog, WM_NOTIFY, IDC_DESK_ADDON_LIST, reinterpret_cast<LPARAM>(&click));
}

bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }

TEST(AddOnFilesWine, ExportAndReimportOfAnAddOnFile) {
  lwtest::Watchdog dog(60);
  const CString dir = lwtest::ScratchDir("deskdialogs_addons");
  ASSERT_FALSE(dir.IsEmpty());
  const CString out = dir + _T("export\\"), in = dir + _T("neu\\");
  ASSERT_TRUE(lwtest::MakeFolder(out));
  ASSERT_TRUE(lwtest::MakeFolder(in));
  ::DeleteFile(out + _T("liesmich.txt"));
  WriteBytes(in + _T("liesmich.txt"), "Lies mich, neu");

  CTraFile file;
  file.SetOriginal(false);
  CAddOnFile* readme = new CAddOnFile(_T("liesmich.txt"), dir, dir);
  readme->SetContents(Bytes("Lies mich"));
  readme->SetDescription(_T("Hinweise"));
  ASSERT_TRUE(file.GetAddOnFiles()->Append(readme));
  CAddOnFile* help = new CAddOnFile(_T("hilfe.hlp"), dir, dir);
  help->SetContents(Bytes("?"));
  ASSERT_TRUE(file.GetAddOnFiles()->Append(help));

  CQueuedUiServices ui;
  ui.QueueFile(out + _T("liesmich.txt"));
  ui.QueueFile(in + _T("liesmich.txt"));
  ui.QueueMessageAnswer(IDOK);
  CAddOnFilesDlg dialog(nullptr, ui);
  dialog.SetTraFile(&file);
  const CString caption = DeskText(IDS_DESK_ADDON_CAPTION_TRANSLATION);
  bool startedDisabled = false, enabledAfterClick = false;
  std::vector<CString> rows;
  lwtest::ModalDriver driver({
      lwtest::When(_T("the add-on dialog"), lwtest::Captioned(caption),
                   [&](HWND wnd) {
                     startedDisabled = !Enabled(wnd, IDC_DESK_EXPORT) && !Enabled(wnd, IDC_DESK_REIMPORT) &&
                                       !Enabled(wnd, IDC_DESK_ADDON_DESCRIPTION);
                     rows = lwtest::ListItems(::GetDlgItem(wnd, IDC_DESK_ADDON_LIST));
                     ClickRow(wnd, 0);
                     enabledAfterClick = Enabled(wnd, IDC_DESK_EXPORT) && Enabled(wnd, IDC_DESK_REIMPORT);
                     lwtest::SaveScreenshot(wnd, "desk_addons_a");
                     ::SendMessage(wnd, WM_COMMAND, MAKEWPARAM(IDC_DESK_EXPORT, BN_CLICKED), 0);
                     ::PostMessage(wnd, WM_COMMAND, MAKEWPARAM(IDC_DESK_REIMPORT, BN_CLICKED), 0);
                   }),
      lwtest::When(_T("the file-info dialog"), lwtest::Captioned(_T(" Datei-Info ...")),
                   [&](HWND wnd) {
                     ::SetDlgItemText(wnd, IDC_DESK_FILE_INFO_TEXT, _T("Hinweise, neu"));
                     lwtest::SaveScreenshot(wnd, "desk_fileinfo_a");
                     ::PostMessage(wnd, WM_COMMAND, IDOK, 0);
                   }),
      lwtest::When(_T("the add-on dialog after the re-import"),
                   [&]() -> HWND {
                     if (lwtest::FindOwnWindow(_T(" Datei-Info ...")) || ui.Messages().empty()) return nullptr;
                     return lwtest::FindOwnWindow(caption);
                   },
                   [&](HWND wnd) {
                     ::RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                     lwtest::SaveScreenshot(wnd, "desk_addons_reimported_a");
                     ::PostMessage(wnd, WM_CLOSE, 0, 0);
                   }),
  });
  EXPECT_EQ(IDOK, dialog.DoModal());
  EXPECT_TRUE(driver.Finished());
  EXPECT_TRUE(startedDisabled);
  EXPECT_TRUE(enabledAfterClick);
  ASSERT_EQ(2u, rows.size());
  EXPECT_EQ(CString(_T("liesmich.txt")), rows[0]);
  EXPECT_EQ(std::vector<BYTE>(Bytes("Lies mich")), lwtest::ReadFileBytes(out + _T("liesmich.txt")));
  EXPECT_EQ(std::vector<BYTE>(Bytes("Lies mich, neu")), readme->GetContents());
  EXPECT_EQ(1, readme->GetImportCounter());
  EXPECT_EQ(CString(_T("Hinweise, neu")), readme->GetDescription());
  ASSERT_EQ(1u, ui.Messages().size());
  EXPECT_EQ(DeskTextWith(IDS_DESK_ADDON_REIMPORTED, _T("liesmich.txt")), ui.Messages()[0].text);
  EXPECT_FALSE(file.AreAddOnFilesImported()) << "hilfe.hlp is not re-imported yet";
  EXPECT_EQ(0, ui.Unanswered());
}

TEST(AddOnFilesWine, EscapeDoesNothingWhereReimportIsOff) {
  lwtest::Watchdog dog(60);
  CTraFile file;
  file.SetOriginal(true);
  CAddOnFile* readme = new CAddOnFile(_T("liesmich.txt"), _T(""), _T(""));
  readme->SetContents(Bytes("x"));
  ASSERT_TRUE(file.GetAddOnFiles()->Append(readme));
  CQueuedUiServices ui;
  CAddOnFilesDlg dialog(nullptr, ui);
  dialog.SetTraFile(&file);
  bool stillOpen = false, reimportOff = false;
  lwtest::ModalDriver driver({
      lwtest::When(_T("the add-on dialog of an original"),
                   lwtest::Captioned(DeskText(IDS_DESK_ADDON_CAPTION_ORIGINAL)),
                   [&](HWND wnd) {
                     ClickRow(wnd, 0);
                     reimportOff = !Enabled(wnd, IDC_DESK_REIMPORT) && Enabled(wnd, IDC_DESK_EXPORT);
                     ::SendMessage(wnd, WM_COMMAND, IDCANCEL, 0);  // what Escape sends
                     stillOpen = ::IsWindow(wnd) != FALSE;
                     ::PostMessage(wnd, WM_CLOSE, 0, 0);
                   }),
  });
  EXPECT_EQ(IDOK, dialog.DoModal());
  EXPECT_TRUE(driver.Finished());
  EXPECT_TRUE(reimportOff);
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(ui.FileQuestions().empty());
  EXPECT_EQ(-1, readme->GetImportCounter());
}

TEST(StatisticsWine, CountsOfTheSamplesFile) {
  lwtest::Watchdog dog(60);
  CTraFile file;
  ASSERT_TRUE(LwReadLanguageFile(CString(LW_SOURCE_DIR) + _T("\\samples\\LwvSample.tra"), file, LW_READ_WHOLE));
  DeskStatistics totals;
  CountStatistics(file.GetRootNode(), totals);
  ASSERT_GT(totals.texts, 20);
  CStatisticsDlg dialog(nullptr);
  dialog.SetRoot(file.GetRootNode());
  std::vector<CString> shown;
  lwtest::ModalDriver driver({
      lwtest::When(_T("the statistics"), lwtest::Captioned(_T("Statistik")),
                   [&](HWND wnd) {
                     for (int id : {IDC_DESK_CHARS_TOTAL, IDC_DESK_CHARS_MARKED, IDC_DESK_TEXTS_TOTAL,
                                    IDC_DESK_TEXTS_MARKED})
                       shown.push_back(lwtest::ItemText(wnd, id));
                     lwtest::SaveScreenshot(wnd, "desk_statistics_a");
                     ::PostMessage(wnd, WM_COMMAND, IDOK, 0);
                   }),
  });
  dialog.DoModal();
  EXPECT_TRUE(driver.Finished());
  ASSERT_EQ(4u, shown.size());
  auto text = [](long v) {
    CString s;
    s.Format(_T("%d"), static_cast<int>(v));
    return s;
  };
  EXPECT_EQ(text(totals.chars), shown[0]);
  EXPECT_EQ(text(totals.markedChars), shown[1]);
  EXPECT_EQ(text(totals.texts), shown[2]);
  EXPECT_EQ(text(totals.markedTexts), shown[3]);
}

TEST(FontsWine, CancelKeepsTheFonts) {
  lwtest::Watchdog dog(60);
  InitDefaultFonts();
  const LOGFONT before = g_TextFont;
  CFontsDlg dialog(nullptr);
  CString sample;
  lwtest::ModalDriver driver({
      lwtest::When(_T("the fonts dialog"), lwtest::Captioned(_T("Schriftarten...")),
                   [&](HWND wnd) {
                     sample = lwtest::ItemText(wnd, IDC_DESK_TEXT_FONT_SAMPLE);
                     lwtest::SaveScreenshot(wnd, "desk_fonts_a");
                     dialog.m_textFont.lfHeight = 40;
                     ::PostMessage(wnd, WM_COMMAND, IDCANCEL, 0);
                   }),
  });
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
  EXPECT_TRUE(driver.Finished());
  EXPECT_EQ(CString(before.lfFaceName), sample);
  EXPECT_EQ(before.lfHeight, g_TextFont.lfHeight);
}

struct CharsOwner : CSpecialCharsOwner {
  CWnd* GetCharsParent() override { return nullptr; }
  void InsertChar(TCHAR ch) override { typed += ch; }
  void OnCharsWindowClosed() override { closed = true; }
  CString typed;
  bool closed = false;
};

TEST(SpecialCharsWine, ClickTypesTheCharacterUnderTheMouse) {
  lwtest::Watchdog dog(60);
  InitDefaultFonts();
  CharsOwner owner;
  CSpecialCharsDlg window(owner);
  ASSERT_TRUE(::IsWindow(window.GetSafeHwnd()));
  const CSpecialCharGrid* grid = window.GetGrid();
  ASSERT_NE(nullptr, grid);
  // The cell of 'A' (65): column 7, row 1.
  const POINT a = {CSpecialCharGrid::kLeft + 7 * grid->CellWidth() + 2,
                   CSpecialCharGrid::kTop + grid->CellHeight() + 2};
  ::SendMessage(window.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(a.x, a.y));
  EXPECT_EQ(7, window.GetHoverColumn());
  EXPECT_EQ(1, window.GetHoverRow());
  ::UpdateWindow(window.GetSafeHwnd());
  lwtest::SaveScreenshot(window.GetSafeHwnd(), "desk_specialchars_a");
  ::SendMessage(window.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(a.x, a.y));
  // Past the last character: no hover, no character.
  const POINT past = {CSpecialCharGrid::kLeft + 24 * grid->CellWidth() + 2,
                      CSpecialCharGrid::kTop + 8 * grid->CellHeight() + 2};
  ::SendMessage(window.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(past.x, past.y));
  EXPECT_EQ(7, window.GetHoverColumn());
  EXPECT_EQ(CString(_T("A")), owner.typed);
  ::SendMessage(window.GetSafeHwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(owner.closed);
}

}  // namespace
