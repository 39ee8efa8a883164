// The language-switch dialog under Wine, driven from a timer: the files it
// lists, choosing by flag, the confirmation for other versions, about box,
// help button, and the whole way from the menu command to a switched host.
#include "SwitchWineFixtures.h"

#include "LwvAboutDlg.h"
#include "LwvPictures.h"

#include <algorithm>
#include <functional>

using namespace swtest;

namespace {

// A folder of its own for the listed files.
CString Folder() {
  CString folder(LW_BINARY_DIR);
  folder += sizeof(TCHAR) == 1 ? _T("\\switch_dlg_a") : _T("\\switch_dlg_u");
  CreateDirectory(folder, nullptr);
  return folder;
}

CString InFolder(const char* name) { return Folder() + _T("\\") + CString(name); }

void ClearFolder() {
  CFileFind finder;
  BOOL more = finder.FindFile(Folder() + _T("\\*.*"));
  while (more) {
    more = finder.FindNextFile();
    if (!finder.IsDirectory()) DeleteFile(finder.GetFilePath());
  }
}

CString WriteIn(const HostLanguage& spec, bool english) { return WriteHostLanguageTo(InFolder(spec.fileName), spec, english); }

// Boxes of the dialog: answered from a list, texts kept.
std::vector<int> g_answers;
std::vector<CString> g_boxTexts;
int WINAPI AnswerBox(HWND, LPCTSTR text, LPCTSTR, UINT) {
  g_boxTexts.push_back(CString(text));
  if (g_answers.empty()) return IDOK;
  int answer = g_answers.front();
  g_answers.erase(g_answers.begin());
  return answer;
}

int ItemNamed(CLwvSwitchDlg* dlg, const CString& text) {
  CLwvFlagList* list = dlg->GetFlagList();
  for (int i = 0; i < list->GetItemCount(); ++i)
    if (list->GetItemText(i) == text) return i;
  return -1;
}

void Notify(HWND dialog, CLwvSwitchDlg* dlg, int code) {
  NMHDR header;
  header.hwndFrom = dlg->GetFlagList()->m_hWnd;
  header.idFrom = LWV_ID_FLAG_LIST;
  header.code = static_cast<UINT>(code);
  SendMessage(dialog, WM_NOTIFY, LWV_ID_FLAG_LIST, reinterpret_cast<LPARAM>(&header));
}

// Selects an item as a click on its flag does.
void ClickItem(HWND dialog, CLwvSwitchDlg* dlg, int item, int code = NM_CLICK) {
  HWND list = dlg->GetFlagList()->m_hWnd;
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
  if (item >= 0) ListView_SetItemState(list, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  Notify(dialog, dlg, code);
}

void Press(HWND dialog, int id) {
  SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class SwitchDialogTest : public ManagerTest {
 protected:
  void SetUp() override {
    ClearFolder();
    m_de = WriteIn(German(), false);
    m_en = WriteIn(English(), true);
    HostLanguage old = French();
    old.version = _T("0.9");
    old.fileName = "fr_old.tra";
    m_fr = WriteIn(old, false);
    HostLanguage other = French();
    other.programName = _T("Anderes");
    other.fileName = "other.tra";
    WriteIn(other, false);
    WriteBytes(InFolder("junk.tra"), std::vector<BYTE>(300, 'j'));
    m_params = Params(m_de);
    lw::StrCpyN(m_params.szTraPath, (LPCTSTR)Folder(), LW_PATH_CHARS);
    g_answers.clear();
    g_boxTexts.clear();
    m_previousBox = LwvSetSwitchBoxProc(AnswerBox);
  }
  void TearDown() override {
    LwvSetSwitchBoxProc(m_previousBox);
    m_host.reset();
    ManagerTest::TearDown();
  }
  void Start() {
    ASSERT_TRUE(LWStart(&m_params));
    ASSERT_TRUE(LWAddThread(GetCurrentThreadId()));
  }
  // Runs the dialog (open() shows it) with the script; false when it never
  // showed. The about box is closed whenever it shows.
  bool Drive(const std::function<void(HWND, CLwvSwitchDlg*)>& script, const std::function<void()>& open = LWSwitchDialog) {
    auto switchDialog = [] {
      HWND dialog = FindOwnWindow(_T("Deutsch"));
      return dialog && dynamic_cast<CLwvSwitchDlg*>(CWnd::FromHandlePermanent(dialog)) ? dialog : nullptr;
    };
    bool ran = false;
    m_aboutSeen = 0;
    lwtest::ModalDriver driver({
        lwtest::When(_T("the switch dialog Deutsch"), switchDialog,
                     [&](HWND dialog) {
                       script(dialog, dynamic_cast<CLwvSwitchDlg*>(CWnd::FromHandlePermanent(dialog)));
                       ran = true;
                     }),
        {_T("the switch dialog closed"), [&] { return !switchDialog(); }},
    });
    driver.AnswerEvery(lwtest::When(_T("the about box Deutsch 16"), lwtest::Captioned(_T("Deutsch 16")), [&](HWND about) {
      ++m_aboutSeen;
      if (CLwvAboutDlg* box = dynamic_cast<CLwvAboutDlg*>(CWnd::FromHandlePermanent(about))) {
        m_aboutLines.clear();
        for (int i = 0; i < 7; ++i) m_aboutLines.push_back(box->GetLine(i));
      }
      SaveScreenshot(about, "switch-about");
      SendMessage(about, WM_COMMAND, IDOK, 0);
    }));
    open();
    return ran;
  }

  CString m_de, m_en, m_fr;
  LW_STARTPARAMS m_params;
  LwvSwitchBoxProc m_previousBox = nullptr;
  std::unique_ptr<HostWindows> m_host;
  int m_aboutSeen = 0;
  std::vector<CString> m_aboutLines;
};

TEST_F(SwitchDialogTest, ListsTheProgramsFilesAndSwitchesByFlag) {
  Watchdog watchdog(60);
  Start();
  bool okDisabled = false, okEnabled = false, hasCheck = true;
  CString okText, listLabel;
  int items = 0;
  ASSERT_TRUE(Drive([&](HWND dialog, CLwvSwitchDlg* dlg) {
    items = dlg->GetFlagList()->GetItemCount();
    hasCheck = GetDlgItem(dialog, LWV_ID_SHOW_ALL) != nullptr;
    okDisabled = !IsWindowEnabled(GetDlgItem(dialog, IDOK));
    listLabel = dlg->GetTexts().listLabel;
    ClickItem(dialog, dlg, ItemNamed(dlg, _T("English")));
    okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
    okText = WindowText(GetDlgItem(dialog, IDOK));
    SaveScreenshot(dialog, "switch-dialog");
    Press(dialog, IDOK);
  }));
  EXPECT_EQ(2, items);  // German and English; other program, old version and junk left out
  EXPECT_FALSE(hasCheck);
  EXPECT_TRUE(okDisabled);
  EXPECT_TRUE(okEnabled);
  EXPECT_EQ(CString(_T("Deutsch 1")), listLabel);
  EXPECT_EQ(CString(_T("Deutsch 12")), okText);
  EXPECT_EQ(m_en, LwGetManager()->GetCurrentPath());
  EXPECT_TRUE(m_capture.Messages().empty()) << "a message for an unreadable file";
}

TEST_F(SwitchDialogTest, RowsShowTheSelectedFile) {
  Watchdog watchdog(60);
  Start();
  std::vector<CString> rows;
  std::vector<CString> cleared;
  ASSERT_TRUE(Drive([&](HWND dialog, CLwvSwitchDlg* dlg) {
    ClickItem(dialog, dlg, ItemNamed(dlg, _T("English")));
    HWND child = GetWindow(dialog, GW_CHILD);
    for (; child; child = GetWindow(child, GW_HWNDNEXT)) {
      CString text = WindowText(child);
      if (text.Find(_T("   ")) >= 0) rows.push_back(text.TrimRight());
    }
    ClickItem(dialog, dlg, -1);  // a click beside every flag
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
      if (WindowText(c).Find(_T("   ")) >= 0) cleared.push_back(WindowText(c));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    Press(dialog, IDCANCEL);
  }));
  ASSERT_EQ(4u, rows.size());
  EXPECT_EQ(CString(_T("1.0")), rows[0]);
  EXPECT_EQ(CString(_T("2026-12-09 07:00")), rows[1]);
  EXPECT_EQ(CString(_T("Autor")), rows[2]);
  EXPECT_TRUE(cleared.empty());
  EXPECT_EQ(m_de, LwGetManager()->GetCurrentPath());  // cancelled: no switch
}

TEST_F(SwitchDialogTest, OtherVersionsOnlyWhenShownAndAfterConfirmation) {
  Watchdog watchdog(60);
  m_params.bSwitchDlgAllowOld = TRUE;
  Start();
  int before = 0, after = 0;
  CString oldText;
  bool stayedOpen = false;
  ASSERT_TRUE(Drive([&](HWND dialog, CLwvSwitchDlg* dlg) {
    before = dlg->GetFlagList()->GetItemCount();
    Press(dialog, LWV_ID_SHOW_ALL);
    after = dlg->GetFlagList()->GetItemCount();
    oldText = dlg->GetFlagList()->GetItemText(after - 1);
    ClickItem(dialog, dlg, after - 1);
    g_answers = {IDCANCEL, IDOK};
    Press(dialog, IDOK);  // asked, cancelled: stays open
    stayedOpen = IsWindow(dialog) && dlg->GetChosenPath().IsEmpty();
    Press(dialog, IDOK);  // asked, confirmed
  }));
  EXPECT_EQ(2, before);
  EXPECT_EQ(3, after);
  EXPECT_EQ(CString(_T("Francais \n(Deutsch 11") ) + _T("0.9)"), oldText);
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(2u, g_boxTexts.size());
  EXPECT_EQ(CString(_T("Deutsch 7")), g_boxTexts[0]);
  EXPECT_EQ(m_fr, LwGetManager()->GetCurrentPath());
}

// The values of the four rows (the texts padded with blanks), trimmed.
std::vector<CString> RowValues(HWND dialog) {
  std::vector<CString> rows;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    CString text = WindowText(child);
    if (text.Find(_T("   ")) >= 0) rows.push_back(text.TrimRight());
  }
  return rows;
}

void Key(HWND wnd, UINT key, bool post = false) {
  for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
    if (post)
      PostMessage(wnd, message, key, 0);
    else
      SendMessage(wnd, message, key, 0);
  }
}

// Into the list with the keyboard, a flag chosen by arrow keys: OK and the
// rows follow the selection, and Return switches.
TEST_F(SwitchDialogTest, KeyboardSelectionEnablesOkAndReturnSwitches) {
  Watchdog watchdog(60);
  Start();
  bool okBefore = true, okAfterFirst = false, okAfterMove = false;
  std::vector<CString> rows;
  ASSERT_TRUE(Drive([&](HWND dialog, CLwvSwitchDlg* dlg) {
    HWND list = dlg->GetFlagList()->m_hWnd;
    okBefore = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
    SendMessage(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
    const int english = ItemNamed(dlg, _T("English"));
    Key(list, english == 0 ? VK_END : VK_HOME);  // first the other flag
    okAfterFirst = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
    Key(list, english == 0 ? VK_LEFT : VK_RIGHT);
    okAfterMove = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
    rows = RowValues(dialog);
    EXPECT_EQ(english, dlg->GetFlagList()->GetSelection());
    // Return goes through the dialog's own message loop.
    Key(list, VK_RETURN, true);
  }));
  EXPECT_FALSE(okBefore);
  EXPECT_TRUE(okAfterFirst);
  EXPECT_TRUE(okAfterMove);
  ASSERT_EQ(4u, rows.size());
  EXPECT_EQ(CString(_T("1.0")), rows[0]);
  EXPECT_EQ(CString(_T("Autor")), rows[2]);
  EXPECT_EQ(m_en, LwGetManager()->GetCurrentPath());
}

TEST_F(SwitchDialogTest, DoubleClickSwitchesAtOnce) {
  Watchdog watchdog(60);
  Start();
  ASSERT_TRUE(Drive([&](HWND dialog, CLwvSwitchDlg* dlg) {
    ClickItem(dialog, dlg, ItemNamed(dlg, _T("English")), NM_DBLCLK);
  }));
  EXPECT_EQ(m_en, LwGetManager()->GetCurrentPath());
}

TEST_F(SwitchDialogTest, FailedSwitchShowsTheFailureText) {
  Watchdog watchdog(60);
  Start();
  ASSERT_TRUE(Drive([&](HWND dialog, CLwvSwitchDlg* dlg) {
    std::vector<BYTE> bytes = ReadBytes(m_en);
    WriteBytes(m_en, std::vector<BYTE>(bytes.begin(), bytes.begin() + bytes.size() / 2));
    ClickItem(dialog, dlg, ItemNamed(dlg, _T("English")));
    Press(dialog, IDOK);
  }));
  EXPECT_EQ(m_de, LwGetManager()->GetCurrentPath());
  ASSERT_EQ(1u, g_boxTexts.size());
  EXPECT_EQ(CString(_T("Deutsch 8")), g_boxTexts[0]);
}

TEST_F(SwitchDialogTest, WizardMarkedFileListsOnlyMarkedFiles) {
  Watchdog watchdog(60);
  HostLanguage de = German();
  de.flags = TRA_FLAG_WIZARD;
  m_de = WriteIn(de, false);
  HostLanguage en = English();
  en.fileName = "en_marked.tra";
  en.language = _T("English marked");
  en.flags = TRA_FLAG_WIZARD | TRA_FLAG_ORIGINAL;
  WriteIn(en, true);
  Start();
  std::vector<CString> names;
  ASSERT_TRUE(Drive([&](HWND dialog, CLwvSwitchDlg* dlg) {
    for (int i = 0; i < dlg->GetFlagList()->GetItemCount(); ++i) names.push_back(dlg->GetFlagList()->GetItemText(i));
    Press(dialog, IDCANCEL);
  }));
  ASSERT_EQ(2u, names.size());
  EXPECT_NE(names.end(), std::find(names.begin(), names.end(), CString(_T("English marked"))));
  EXPECT_EQ(names.end(), std::find(names.begin(), names.end(), CString(_T("English"))));
}

TEST_F(SwitchDialogTest, AboutBoxAndHelpButton) {
  Watchdog watchdog(60);
  m_params.nSwitchDlgHelpID = 123;
  Start();
  CString helpText;
  bool stillOpen = false;
  ASSERT_TRUE(Drive([&](HWND dialog, CLwvSwitchDlg*) {
    helpText = WindowText(GetDlgItem(dialog, LWV_ID_HELP));
    Press(dialog, LWV_ID_HELP);  // no help file: nothing is asked of WinHelp
    Press(dialog, LWV_ID_ABOUT);  // closed by the timer
    stillOpen = IsWindow(dialog) != FALSE;
    Press(dialog, IDCANCEL);
  }));
  EXPECT_EQ(CString(_T("Deutsch 14")), helpText);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(1, m_aboutSeen);
  // Names, numbers and the entry's text: nothing in a language of its own.
  const std::vector<CString> lines = {_T("Lingoweave DLL"),
                                      _T("Version 2.5"),
                                      sizeof(TCHAR) == 1 ? _T("Win32 ANSI") : _T("Win32 Unicode"),
                                      CString(TCHAR(0xA9)) + _T(" 2026 Lingoweave"),
                                      _T("Deutsch 17"),
                                      _T("Deutsch"),
                                      _T("Probe 1.0")};
  EXPECT_EQ(lines, m_aboutLines);
}

TEST_F(SwitchDialogTest, CallerTextsReplaceTheEntry) {
  Watchdog watchdog(60);
  Start();
  CString ok, cancel;
  ASSERT_TRUE(Drive(
      [&](HWND dialog, CLwvSwitchDlg*) {
        ok = WindowText(GetDlgItem(dialog, IDOK));
        cancel = WindowText(GetDlgItem(dialog, IDCANCEL));
        Press(dialog, IDCANCEL);
      },
      [] {
        CString caption(_T("Deutsch"));
        LWShowSwitchDialogEx(caption, CString(_T("Liste")), CString(_T("Jawohl")), CString(_T("Lieber nicht")),
                             CString(_T("Hilfe")), CString(_T("V")), CString(_T("W")), CString(_T("F")));
      }));
  EXPECT_EQ(CString(_T("Jawohl")), ok);
  EXPECT_EQ(CString(_T("Lieber nicht")), cancel);
}

// The main job: the host runs in German, the user opens the switch dialog
// from the command the library put into the menu, picks English by its flag;
// every open window follows, and the next start is English.
TEST_F(SwitchDialogTest, FromTheMenuCommandToAnEnglishHost) {
  Watchdog watchdog(90);
  CString ini = InFolder("host.ini");
  lw::StrCpyN(m_params.szIniFilePath, (LPCTSTR)ini, LW_PATH_CHARS);
  m_params.bAutoSwitchCommand = TRUE;
  m_params.nSwitchCommandID = 0x1234;
  m_params.nSwitchMainMenuPos = 1;
  m_params.nSwitchBroadcastMsg = kBroadcast;
  Start();
  m_host.reset(new HostWindows);
  Pump();
  HMENU help = GetSubMenu(m_host->Bar(), 1);
  ASSERT_NE(nullptr, help);
  EXPECT_EQ(CString(_T("Deutsch 9")), MenuText(help, GetMenuItemCount(help) - 1));
  EXPECT_EQ(0x1234u, GetMenuItemID(help, GetMenuItemCount(help) - 1));
  SaveScreenshot(m_host->frame, "host-german");

  const bool shown = Drive(
      [&](HWND dialog, CLwvSwitchDlg* dlg) {
        ClickItem(dialog, dlg, ItemNamed(dlg, _T("English")));
        SaveScreenshot(dialog, "switch-dialog-from-menu");
        Press(dialog, IDOK);
      },
      [&] {
        // The menu posts the command; the library's message hook opens the dialog.
        PostMessage(m_host->frame, WM_COMMAND, 0x1234, 0);
        lwtest::WaitUntil(_T("the switch to English"), [&] { return LwGetManager()->GetCurrentPath() != m_de; }, 5000);
      });
  ASSERT_TRUE(shown) << "the menu command did not open the switch dialog";
  EXPECT_EQ(m_en, LwGetManager()->GetCurrentPath());
  EXPECT_EQ(CString(_T("Settings")), WindowText(m_host->dialog));
  EXPECT_EQ(CString(_T("Apply")), m_host->DialogItem(1001));
  EXPECT_EQ(CString(_T("&File")), MenuText(m_host->Bar(), 0));
  EXPECT_EQ(CString(_T("&Help")), MenuText(m_host->Bar(), 1));
  help = GetSubMenu(m_host->Bar(), 1);
  EXPECT_EQ(CString(_T("English 9")), MenuText(help, GetMenuItemCount(help) - 1));
  EXPECT_EQ(1, BroadcastCount(m_host->frame));
  EXPECT_EQ(1, BroadcastCount(m_host->dialog));
  SetWindowText(m_host->status, _T("Bereit"));
  EXPECT_EQ(CString(_T("Ready")), WindowText(m_host->status));
  SaveScreenshot(m_host->frame, "host-english");

  // Next start: English at once.
  m_host.reset();
  LWEnd();
  Start();
  EXPECT_EQ(m_en, LwGetManager()->GetCurrentPath());
  DeleteFile(ini);
}

// Ended and started again with a window made and gone between, the switch
// dialog (this thread's first framework dialog) still runs its timers. Its
// initialisation once wrote through a stale message-frame pointer into freed
// memory (here the window map); a control's paint then failed forever.
TEST_F(SwitchDialogTest, SwitchDialogAfterARestartWithAWindowBetween) {
  Watchdog watchdog(60);
  Start();
  m_host.reset(new HostWindows);
  Pump();
  m_host.reset();
  Pump();
  LWEnd();
  Start();
  int items = 0;
  ASSERT_TRUE(Drive([&](HWND dialog, CLwvSwitchDlg* dlg) {
    items = dlg->GetFlagList()->GetItemCount();
    Press(dialog, IDCANCEL);
  }));
  EXPECT_EQ(2, items);
  EXPECT_EQ(m_de, LwGetManager()->GetCurrentPath());
}

TEST(BuiltInPicturesTest, BannerAndAboutPictureLoad) {
  struct Case {
    const char* name;
    const unsigned char* pieces;
    int width;
  } cases[] = {{"banner", LwvBannerPieces(), 180}, {"about", LwvAboutPieces(), 230}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HPALETTE palette = nullptr;
    HBITMAP bitmap = LwvLoadPicture(c.pieces, &palette);
    ASSERT_NE(nullptr, bitmap);
    EXPECT_NE(nullptr, palette);  // 16 colours
    BITMAP info;
    ASSERT_TRUE(GetObject(bitmap, sizeof(info), &info));
    EXPECT_EQ(c.width, info.bmWidth);
    // The frame at the edge is whole: the text stays inside it.
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    int breaks = 0;
    const int w = info.bmWidth, h = info.bmHeight;
    for (int x = 0; x < w; ++x)
      for (int y : {0, 1, h - 2, h - 1}) breaks += GetPixel(memory, x, y) != RGB(0, 0, 128);
    for (int y = 0; y < h; ++y)
      for (int x : {0, 1, w - 2, w - 1}) breaks += GetPixel(memory, x, y) != RGB(0, 0, 128);
    EXPECT_EQ(0, breaks);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    DeleteObject(palette);
  }
  // Not a bitmap, a piece longer than allowed, nothing at all.
  const unsigned char notBmp[] = {3, 0, 0, 0, 'X', 'Y', 'Z', 0, 0, 0, 0};
  const unsigned char tooLong[] = {0xFF, 0xFF, 0xFF, 0x7F, 'B', 'M', 0, 0, 0, 0};
  const unsigned char empty[] = {0, 0, 0, 0};
  EXPECT_EQ(nullptr, LwvJoinPicturePieces(notBmp, 1000));
  EXPECT_EQ(nullptr, LwvJoinPicturePieces(tooLong, 1000));
  EXPECT_EQ(nullptr, LwvJoinPicturePieces(empty, 1000));
  EXPECT_EQ(nullptr, LwvLoadPicture(notBmp));
  // A BMP header that promises 100x100 pixels and carries 6 bytes of them.
  std::vector<unsigned char> shortBmp = {60, 0, 0, 0, 'B', 'M', 60, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = 100;
  header.biHeight = 100;
  header.biPlanes = 1;
  header.biBitCount = 24;
  const unsigned char* h = reinterpret_cast<const unsigned char*>(&header);
  shortBmp.insert(shortBmp.end(), h, h + sizeof(header));
  for (int i = 0; i < 6; ++i) shortBmp.push_back(static_cast<unsigned char>(i));
  for (int i = 0; i < 4; ++i) shortBmp.push_back(0);
  size_t bytes = 0;
  HGLOBAL joined = LwvJoinPicturePieces(shortBmp.data(), 1000, &bytes);
  ASSERT_NE(nullptr, joined);
  EXPECT_EQ(60u, bytes);
  GlobalFree(joined);
  EXPECT_EQ(nullptr, LwvLoadPicture(shortBmp.data()));
}

}  // namespace
