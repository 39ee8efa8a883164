// The language switch with open windows under Wine: dialogs, menu bars and
// the status bar follow, the choice is remembered, the windows are told once.
#include "SwitchWineFixtures.h"

#include "ManagerTestIds.h"

#include "HookInstall.h"
#include "StdButtonModel.h"

#include <prsht.h>

using namespace swtest;

namespace {

// Texts set in and paints of one dialog and its children, counted by a hook
// of the test while it is installed.
HWND g_watched = nullptr;
int g_texts = 0;
int g_paints = 0;
HHOOK g_watchHook = nullptr;
LRESULT CALLBACK WatchDialog(int code, WPARAM w, LPARAM l) {
  const CWPSTRUCT* m = reinterpret_cast<const CWPSTRUCT*>(l);
  if (code == HC_ACTION && (m->hwnd == g_watched || GetParent(m->hwnd) == g_watched)) {
    if (m->message == WM_SETTEXT) ++g_texts;
    if (m->message == WM_PAINT || m->message == WM_ERASEBKGND) ++g_paints;
  }
  return CallNextHookEx(g_watchHook, code, w, l);
}

HHOOK NoHooks(int, HOOKPROC, DWORD) { return nullptr; }

class SwitchWindowsTest : public ManagerTest {
 protected:
  void SetUp() override {
    m_de = WriteHostLanguage(German(), false);
    m_en = WriteHostLanguage(English(), true);
    m_ini = TempPath("switch.ini");
    RemoveFile(m_ini);
    m_params = Params(m_de);
    lw::StrCpyN(m_params.szIniFilePath, (LPCTSTR)m_ini, LW_PATH_CHARS);
    m_params.nSwitchBroadcastMsg = kBroadcast;
    ASSERT_TRUE(LWStart(&m_params));
    ASSERT_TRUE(LWAddThread(GetCurrentThreadId()));
  }
  void TearDown() override {
    m_host.reset();
    ManagerTest::TearDown();
    RemoveFile(m_ini);
  }
  void OpenHost() {
    m_host.reset(new HostWindows);
    ASSERT_TRUE(IsWindow(m_host->dialog));
    Pump();
  }
  void ExpectGerman() {
    EXPECT_EQ(CString(_T("Einstellungen")), WindowText(m_host->dialog));
    EXPECT_EQ(CString(_T("Anwenden")), m_host->DialogItem(1001));
    EXPECT_EQ(CString(_T("Schlie\u00DFen")), m_host->DialogItem(1002));
    EXPECT_EQ(CString(_T("&Datei")), MenuText(m_host->Bar(), 0));
    EXPECT_EQ(CString(_T("&Beenden")), MenuText(GetSubMenu(m_host->Bar(), 0), 1));
    EXPECT_EQ(CString(_T("&Hilfe")), MenuText(m_host->Bar(), 1));
  }
  void ExpectEnglish() {
    EXPECT_EQ(CString(_T("Settings")), WindowText(m_host->dialog));
    EXPECT_EQ(CString(_T("Apply")), m_host->DialogItem(1001));
    EXPECT_EQ(CString(_T("Close")), m_host->DialogItem(1002));
    EXPECT_EQ(CString(_T("&File")), MenuText(m_host->Bar(), 0));
    EXPECT_EQ(CString(_T("&Open")), MenuText(GetSubMenu(m_host->Bar(), 0), 0));
    EXPECT_EQ(CString(_T("E&xit")), MenuText(GetSubMenu(m_host->Bar(), 0), 1));
    EXPECT_EQ(CString(_T("&Help")), MenuText(m_host->Bar(), 1));
    EXPECT_EQ(CString(_T("&About")), MenuText(GetSubMenu(m_host->Bar(), 1), 0));
  }
  CString Remembered() {
    TCHAR value[LW_PATH_CHARS] = {0};
    GetPrivateProfileString(_T("Lingoweave"), _T("LastTraFile"), _T(""), value, LW_PATH_CHARS, m_ini);
    return CString(value);
  }

  CString m_de, m_en, m_ini;
  LW_STARTPARAMS m_params;
  std::unique_ptr<HostWindows> m_host;
};

TEST_F(SwitchWindowsTest, GermanEnglishGermanWithOpenWindows) {
  Watchdog watchdog(60);
  OpenHost();
  ExpectGerman();
  const int dialogBefore = BroadcastCount(m_host->dialog);
  const int frameBefore = BroadcastCount(m_host->frame);

  ASSERT_TRUE(LWSwitchFile(m_en));
  ExpectEnglish();
  // Every remembered window hears of the switch once.
  EXPECT_EQ(dialogBefore + 1, BroadcastCount(m_host->dialog));
  EXPECT_EQ(frameBefore + 1, BroadcastCount(m_host->frame));
  EXPECT_EQ(m_en, Remembered());
  // Texts set after the switch are translated from the new file.
  SetWindowText(m_host->status, _T("Bereit"));
  EXPECT_EQ(CString(_T("Ready")), WindowText(m_host->status));
  EXPECT_EQ(CString(_T("Hello")), Translated(_T("Hallo")));

  ASSERT_TRUE(LWSwitchFile(m_de));
  ExpectGerman();
  EXPECT_EQ(dialogBefore + 2, BroadcastCount(m_host->dialog));
  EXPECT_EQ(m_de, Remembered());
  EXPECT_EQ(CString(_T("Hallo")), Translated(_T("Hallo")));
  SetWindowText(m_host->status, _T("Bereit"));
  EXPECT_EQ(CString(_T("Bereit")), WindowText(m_host->status));
}

// What a host's code gets from the string functions while a switch
// translates its windows again: seen from the dialog's own procedure as its
// caption is set (a host's other UI threads ask at such a moment too).
struct DuringSwitch {
  bool seen = false;
  int originalLength = -2;  // LWGetTranslation of an original text
  CString original;
  BOOL shownFound = FALSE;  // LWTranslateString of a text shown in the old language
  CString shown;
  int loadedLength = -2;  // LWLoadStringEx of a string of the program's resources
  BOOL loadedTranslated = FALSE;
  CString loaded;
};
DuringSwitch g_during;
const TCHAR* g_shownText = nullptr;

INT_PTR CALLBACK AskingDialogProc(HWND wnd, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_SETTEXT && LwGetManager() && LwGetManager()->IsSwitchRunning() && !g_during.seen) {
    g_during.seen = true;
    TCHAR buffer[64] = {0};
    g_during.originalLength = LWGetTranslation(_T("Hallo"), LW_PART_WHOLE, buffer, 64);
    g_during.original = buffer;
    TCHAR shown[64] = {0};
    lw::StrCpyN(shown, g_shownText, 64);
    g_during.shownFound = LWTranslateString(shown, 64);
    g_during.shown = shown;
    TCHAR loaded[64] = {0};
    g_during.loadedLength = LWLoadStringEx(nullptr, IDS_MGR_NOT_FOUND, loaded, 64, &g_during.loadedTranslated);
    g_during.loaded = loaded;
  }
  return HostDialogProc(wnd, message, w, l);
}

// While a switch runs, an original text of the program is translated into
// the new language (from the new current file), and a text the windows show
// in the old language is found through the switch's lookup file; neither
// comes back untranslated. English to French: the lookup file's originals
// are English, so the German original is not among them.
TEST_F(SwitchWindowsTest, OriginalTextsAreTranslatedWhileASwitchRuns) {
  Watchdog watchdog(60);
  const CString fr = WriteHostLanguage(French(), false);  // its dialog entries keep the German texts
  ASSERT_TRUE(LWSwitchFile(m_en));
  OpenHost();
  ExpectEnglish();
  SetWindowLongPtr(m_host->dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(AskingDialogProc));
  g_during = DuringSwitch();
  g_shownText = _T("Hello");
  ASSERT_TRUE(LWSwitchFile(fr));
  EXPECT_EQ(CString(_T("Einstellungen")), WindowText(m_host->dialog));
  ASSERT_TRUE(g_during.seen);
  EXPECT_EQ(7, g_during.originalLength);
  EXPECT_EQ(CString(_T("Bonjour")), g_during.original);
  EXPECT_TRUE(g_during.shownFound);
  EXPECT_EQ(CString(_T("Bonjour")), g_during.shown);
  EXPECT_EQ(19, g_during.loadedLength);
  EXPECT_TRUE(g_during.loadedTranslated);
  EXPECT_EQ(CString(_T("Fichier introuvable")), g_during.loaded);
  SetWindowLongPtr(m_host->dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(HostDialogProc));
  RemoveFile(fr);
}

TEST_F(SwitchWindowsTest, WindowsOpenedAfterTheSwitchStartInTheNewLanguage) {
  Watchdog watchdog(60);
  ASSERT_TRUE(LWSwitchFile(m_en));
  OpenHost();
  ExpectEnglish();
}

TEST_F(SwitchWindowsTest, TheNextStartUsesTheChoice) {
  Watchdog watchdog(60);
  ASSERT_TRUE(LWSwitchFile(m_en));
  LWEnd();
  ASSERT_TRUE(LWStart(&m_params));
  ASSERT_TRUE(LWAddThread(GetCurrentThreadId()));
  EXPECT_EQ(m_en, LwGetManager()->GetCurrentPath());
  OpenHost();
  ExpectEnglish();
  EXPECT_TRUE(m_capture.Messages().empty());
}

TEST_F(SwitchWindowsTest, FailedSwitchLeavesEveryWindowAsItWas) {
  Watchdog watchdog(60);
  OpenHost();
  std::vector<BYTE> bytes = ReadBytes(m_en);
  CString cut = TempPath("switch_cut.tra");
  WriteBytes(cut, std::vector<BYTE>(bytes.begin(), bytes.begin() + bytes.size() * 2 / 3));
  const int before = BroadcastCount(m_host->dialog);
  EXPECT_FALSE(LWSwitchFile(cut));
  ExpectGerman();
  EXPECT_EQ(before, BroadcastCount(m_host->dialog));
  EXPECT_EQ(CString(), Remembered());
  EXPECT_EQ(m_de, LwGetManager()->GetCurrentPath());
  RemoveFile(cut);
}

TEST_F(SwitchWindowsTest, WithoutBroadcastMessageNothingIsSent) {
  Watchdog watchdog(60);
  LW_STARTPARAMS quiet = *LwGetManager()->GetParams();
  quiet.nSwitchBroadcastMsg = 0;
  LwGetManager()->SetParams(quiet);
  OpenHost();
  const int before = BroadcastCount(m_host->dialog);
  ASSERT_TRUE(LWSwitchFile(m_en));
  EXPECT_EQ(before, BroadcastCount(m_host->dialog));
}

TEST_F(SwitchWindowsTest, OnlyWhatChangesIsSetAndDrawn) {
  Watchdog watchdog(60);
  OpenHost();
  struct Case {
    const char* name;
    bool english;
    int texts;  // caption and the two buttons; "Name:" is the same in both
  } cases[] = {{"same file again", false, 0}, {"to English", true, 3}, {"back to German", false, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Pump();
    g_watched = m_host->dialog;
    g_texts = g_paints = 0;
    g_watchHook = SetWindowsHookEx(WH_CALLWNDPROC, WatchDialog, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(LWSwitchFile(c.english ? m_en : m_de));
    // Marked for painting, not painted during the switch.
    EXPECT_EQ(0, g_paints);
    EXPECT_EQ(c.texts > 0, GetUpdateRect(m_host->dialog, nullptr, FALSE) != FALSE);
    Pump();
    UnhookWindowsHookEx(g_watchHook);
    EXPECT_EQ(c.texts, g_texts);
    EXPECT_EQ(c.texts > 0, g_paints > 0);
    if (c.english)
      ExpectEnglish();
    else
      ExpectGerman();
  }
}

TEST_F(SwitchWindowsTest, ThreadWhoseHooksCannotBePutBackIsNoLongerRegistered) {
  Watchdog watchdog(60);
  OpenHost();
  LwHookInstaller previous = LwSetHookInstaller(NoHooks);
  const bool switched = LWSwitchFile(m_en) != FALSE;
  LwSetHookInstaller(previous);
  ASSERT_TRUE(switched);
  ExpectEnglish();
  EXPECT_EQ(nullptr, LwGetManager()->FindHooks(GetCurrentThreadId()));
  EXPECT_EQ(0, LwGetManager()->GetHookCount());
  // Registered again, the thread is translated again.
  ASSERT_TRUE(LWAddThread(GetCurrentThreadId()));
  SetWindowText(m_host->status, _T("Bereit"));
  EXPECT_EQ(CString(_T("Ready")), WindowText(m_host->status));
}

TEST_F(SwitchWindowsTest, FlagBitmapsOfTheCurrentAndOtherFiles) {
  HDC screen = GetDC(nullptr);
  struct Case {
    const char* name;
    HBITMAP bitmap;
    COLORREF colour;
  } cases[] = {
      {"current", LWGetFlagBitmap(screen), German().flagColour},
      {"other", LWGetOtherFlagBitmap(m_en, screen), English().flagColour},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NE(nullptr, c.bitmap);
    BITMAP info;
    ASSERT_TRUE(GetObject(c.bitmap, sizeof(info), &info));
    EXPECT_EQ(32, info.bmWidth);
    EXPECT_EQ(32, info.bmHeight);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, c.bitmap);
    EXPECT_EQ(c.colour, GetPixel(memory, 5, 7));
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(c.bitmap);
  }
  CString missing = TempPath("switch_no_flag.tra");
  RemoveFile(missing);
  EXPECT_EQ(nullptr, LWGetOtherFlagBitmap(missing, screen));
  LWEnd();
  EXPECT_EQ(nullptr, LWGetFlagBitmap(screen));
  ReleaseDC(nullptr, screen);
}

// ---- a wizard open during the switch ----

// Back, Next, Finish, Cancel, Help and their texts in the "LwvMessageBox" entry.
const int kWizardIds[] = {12323, 12324, 12325, IDCANCEL, 9};
const TCHAR* const kWizardGerman[] = {_T("< Zur\u00FCck"), _T("Weiter >"), _T("Fertig stellen"), _T("Abbrechen"),
                                      _T("Hilfe")};
const TCHAR* const kWizardEnglish[] = {_T("< Back"), _T("Next >"), _T("Finish"), _T("Cancel"), _T("Help")};

CString WriteWizardLanguage(const HostLanguage& spec, bool english) {
  CTraFile* file = MakeLanguage(spec);
  AddHostEntries(file, english);
  CString dialogsName(TRA_SECTION_DIALOGS);
  CTraNode* dialogs = file->GetRootNode()->FindPath(&dialogsName, 1);
  CTraNode* box =
      dialogs->AddChild(std::make_unique<CTraNode>(dialogs, TRA_MESSAGEBOX_NAME, _T("Message Box"), TRA_DIALOG, 0, 0));
  for (int i = 0; i < LWV_MB_BUTTONS; ++i) {
    CString name, text;
    name.Format(TRA_MESSAGEBOX_BUTTON, i);
    text.Format(_T("%s %d"), english ? _T("Button") : _T("Knopf"), i);
    for (int k = 0; k < 5; ++k)
      if (LwButtonIdAt(i) == kWizardIds[k]) text = english ? kWizardEnglish[k] : kWizardGerman[k];
    box->AddChild(std::make_unique<CTraNode>(box, name, text, TRA_PUSHBUTTON, 0, 0));
  }
  CString path = TempPath(english ? "wizard_en.tra" : "wizard_de.tra");
  WriteFile(path, *file);
  delete file;
  return path;
}

INT_PTR CALLBACK WizardPageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// What the driver saw of the wizard before and after the switch it made.
struct WizardRun {
  CString english;
  bool switched = false;
  bool done = false;
  std::vector<CString> before, after;
};

// A wizard of this thread: a dialog with the sheet's tab control and a Next button.
HWND FindWizard() {
  return FindOwnWindowIf([](HWND wnd) { return CStdButtonModel::IsPropertySheet(wnd) && GetDlgItem(wnd, 12324); });
}

std::vector<CString> WizardTexts(HWND wizard) {
  std::vector<CString> texts;
  for (int id : kWizardIds) texts.push_back(WindowText(GetDlgItem(wizard, id)));
  return texts;
}

void DriveWizard(WizardRun& run, HWND wizard) {
  run.done = true;
  run.before = WizardTexts(wizard);
  run.switched = LWSwitchFile(run.english) != FALSE;
  run.after = WizardTexts(wizard);
  // Ended by its Cancel: EndDialog does not end a sheet's own loop.
  SendMessage(wizard, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

// A wizard (PSH_WIZARD) open while the language changes: its own buttons
// follow with its page. Wine hides Finish and Help: only their texts are set.
TEST_F(ManagerTest, WizardButtonsFollowASwitchWhileItRuns) {
  Watchdog watchdog(60);
  LW_STARTPARAMS p = Params(WriteWizardLanguage(German(), false));
  const CString english = WriteWizardLanguage(English(), true);
  ASSERT_TRUE(LWStart(&p));
  ASSERT_TRUE(LWAddThread(GetCurrentThreadId()));
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&init);

  lw::DialogTemplate t(_T("Seite"), WS_CHILD | WS_DISABLED | WS_CAPTION | DS_3DLOOK, 0, 0, 200, 100);
  t.AddControl(lw::DialogTemplate::kStatic, _T("Name:"), 1000, WS_VISIBLE, 10, 10, 40, 10);
  PROPSHEETPAGE page = {};
  page.dwSize = sizeof(page);
  page.dwFlags = PSP_DLGINDIRECT;
  page.pResource = t.Get();
  page.pfnDlgProc = WizardPageProc;
  HPROPSHEETPAGE pages[2] = {CreatePropertySheetPage(&page), CreatePropertySheetPage(&page)};
  ASSERT_TRUE(pages[0] && pages[1]);
  PROPSHEETHEADER header = {};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_WIZARD;
  header.pszCaption = _T("Assistent");
  header.nPages = 2;
  header.phpage = pages;

  WizardRun run;
  run.english = english;
  lwtest::ModalDriver driver({lwtest::When(_T("the wizard"), FindWizard, [&](HWND w) { DriveWizard(run, w); })});
  PropertySheet(&header);

  ASSERT_TRUE(run.done) << "the wizard did not show";
  EXPECT_TRUE(run.switched);
  ASSERT_EQ(5u, run.before.size());
  ASSERT_EQ(5u, run.after.size());
  for (size_t k = 0; k < 5; ++k) {
    SCOPED_TRACE(kWizardIds[k]);
    EXPECT_EQ(CString(kWizardGerman[k]), run.before[k]);
    EXPECT_EQ(CString(kWizardEnglish[k]), run.after[k]);
  }
  EXPECT_EQ(english, LwGetManager()->GetCurrentPath());
}

TEST(DialogTemplateTest, EmptyTemplateInLocalMemory) {
  LPDLGTEMPLATE t = LWCreateDialogTemplate(10, 20, 250, 240);
  ASSERT_NE(nullptr, t);
  EXPECT_GE(LocalSize(t), 1000u);
  EXPECT_EQ(0x10C80080u, t->style);
  EXPECT_EQ(0u, t->dwExtendedStyle);
  EXPECT_EQ(0, t->cdit);
  EXPECT_EQ(10, t->x);
  EXPECT_EQ(20, t->y);
  EXPECT_EQ(250, t->cx);
  EXPECT_EQ(240, t->cy);
  const WORD* after = reinterpret_cast<const WORD*>(t + 1);
  // DLGTEMPLATE is packed to 18 bytes; menu, class and title follow.
  after = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(t) + 18);
  EXPECT_EQ(0, after[0]);
  EXPECT_EQ(0, after[1]);
  EXPECT_EQ(0, after[2]);
  LocalFree(t);
}

HLOCAL WINAPI NoMemory(UINT, SIZE_T) { return nullptr; }

TEST_F(ManagerTest, NoTemplateMemoryShowsNothing) {
  Watchdog watchdog(30);
  LW_STARTPARAMS p = Params(WriteLanguage(German()));
  ASSERT_TRUE(LWStart(&p));
  LwvTemplateAllocator previous = LwvSetTemplateAllocator(NoMemory);
  EXPECT_EQ(nullptr, LWCreateDialogTemplate(0, 0, 10, 10));
  LWSwitchDialog();  // returns at once: no template, no dialog
  LWShowSwitchDialogEx(_T("a"), _T("b"), _T("c"), _T("d"), _T("e"), _T("f"), _T("g"), _T("h"));
  LwvSetTemplateAllocator(previous);
  EXPECT_TRUE(m_capture.Messages().empty());
}

TEST_F(ManagerTest, SwitchDialogWithoutItsEntryNamesTheFile) {
  FileContents spec;  // no kind-30 entry
  CString path = WriteSpec("switch_no_entry.tra", spec);
  LW_STARTPARAMS p = Params(path);
  ASSERT_TRUE(LWStart(&p));
  LWSwitchDialog();
  ASSERT_EQ(1u, m_capture.Messages().size());
  EXPECT_EQ(1, CountOf(m_capture.Messages()[0], path));
  EXPECT_EQ(0, m_capture.Messages()[0].Find(_T("The function DoAutomaticSwitchDialog has been called,\n")));
}

TEST(SwitchNoManagerWineTest, EntryPointsDoNothing) {
  LWSwitchDialog();
  LWShowSwitchDialogEx(_T("a"), _T("b"), _T("c"), _T("d"), _T("e"), _T("f"), _T("g"), _T("h"));
  EXPECT_EQ(nullptr, LWGetFlagBitmap(nullptr));
  EXPECT_EQ(nullptr, LWGetOtherFlagBitmap(_T("x.tra"), nullptr));
}

}  // namespace
