// The sample program in-process under Wine, translated by its own language
// files: every window it shows is read back from the live windows. Modal
// windows are driven by the UI test kit's driver; its watchdog ends a hanging run.
#include "LanguageTexts.h"
#include "RememberedLanguage.h"
#include "StdButtonModel.h"
#include "StdDlgRecognizer.h"
#include "SwitchWineFixtures.h"
#include "UiTestKit.h"

#include "SampleApp.h"
#include "SampleText.h"
#include "resource.h"

// The test reads what the windows show: the framework's plain string, not
// the translation-aware one the sample's headers put in its place.
#undef CString

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace sampletest;
using lwtest::Captioned;
using lwtest::FindOwnWindow;
using lwtest::FindOwnWindowIf;
using lwtest::MenuText;
using lwtest::Pump;
using lwtest::SaveScreenshot;
using lwtest::Watchdog;

namespace {

const DWORD kStepTimeoutMs = 30000;

// ---------------------------------------------------------------------------
// Files and registry

CString Folder() {
  CString folder(LW_BINARY_DIR);
  folder.Replace(_T('/'), _T('\\'));
  folder += sizeof(TCHAR) == 1 ? _T("\\sample_wine_a\\") : _T("\\sample_wine_u\\");
  CreateDirectory(folder, nullptr);
  return folder;
}

CString GermanPath() { return Folder() + _T("LwvSample.tra"); }
CString EnglishPath() { return Folder() + _T("LwvSampleEN.tra"); }

void CopyLanguageFiles() {
  CString built(LW_BINARY_DIR);
  built.Replace(_T('/'), _T('\\'));
  built += _T("\\samples\\");
  ASSERT_TRUE(CopyFile(built + _T("LwvSample.tra"), GermanPath(), FALSE));
  ASSERT_TRUE(CopyFile(built + _T("LwvSampleEN.tra"), EnglishPath(), FALSE));
}

const TCHAR kSampleProfile[] = _T("Software\\Lingoweave\\Beispiel");

CString RememberedFile() { return lwtest::RememberedLanguageFile(kSampleProfile); }

void Remember(const CString& path) { ASSERT_TRUE(lwtest::RememberLanguageFile(kSampleProfile, path)); }

// ---------------------------------------------------------------------------
// The two languages

struct Languages {
  std::unique_ptr<CTraFile> german, english;
  LanguageTexts only;                     // onlyFirst: German, onlySecond: English
  std::map<CString, CString> toEnglish;   // German text -> English text

  void Load() {
    german = ReadLanguageFile(GermanPath());
    english = ReadLanguageFile(EnglishPath());
    ASSERT_TRUE(german && english);
    only = TextsOnlyIn(*german, *english);
    Pair(german->GetRootNode(), english->GetRootNode());
  }
  void Pair(const CTraNode* de, const CTraNode* en) {
    if (!de || !en) return;
    toEnglish.emplace(de->GetTranslation(), en->GetTranslation());
    for (int i = 0; i < de->GetChildCount() && i < en->GetChildCount(); ++i) Pair(de->GetChild(i), en->GetChild(i));
  }
  CString En(const CString& german) const {
    auto it = toEnglish.find(german);
    EXPECT_TRUE(it != toEnglish.end()) << "no English text for " << CStringA(german).GetString();
    return it == toEnglish.end() ? CString() : it->second;
  }
  // The texts only the other file shows.
  const std::set<CString>& OtherThan(const CTraFile& file) const {
    return &file == german.get() ? only.onlySecond : only.onlyFirst;
  }
  const CTraNode* Dialog(const CTraFile& file, const CString& originalCaption) const {
    CString path[] = {TRA_SECTION_DIALOGS, originalCaption};
    return file.GetRootNode()->FindPath(path, 2);
  }
  // The text a message box button shows in a language.
  CString Button(const CTraFile& file, int id) const {
    CString path[] = {TRA_SECTION_DIALOGS, TRA_MESSAGEBOX_NAME};
    const CTraNode* box = file.GetRootNode()->FindPath(path, 2);
    const int index = LwButtonIndex(id);
    return box && index >= 0 && index < box->GetChildCount() ? box->GetChild(index)->GetTranslation() : CString();
  }
};

CString Prompt(const CString& text) {
  int at = text.Find(_T('\n'));
  return at < 0 ? text : text.Left(at);
}
CString Tip(const CString& text) { return text.Mid(text.ReverseFind(_T('\n')) + 1); }

CString GermanString(UINT id) {
  CString text;
  text.LoadString(id);  // the resource itself, not through the library
  return text;
}

// ---------------------------------------------------------------------------
// Driving modal windows: the kit's driver runs the steps in order, each once
// its window is there.

struct Step {
  CString name;
  lwtest::WindowFinder find;
  std::function<void(HWND)> act;
};

// Runs open (which shows the first modal window) with the steps driving it,
// then waits for the steps of windows that open after open() returned.
void RunModal(const std::vector<Step>& steps, const std::function<void()>& open) {
  std::vector<lwtest::Step> driven;
  for (const Step& s : steps) driven.push_back(lwtest::When(s.name, s.find, s.act));
  lwtest::ModalDriver driver(std::move(driven), kStepTimeoutMs);
  open();
  EXPECT_TRUE(driver.WaitUntilFinished());
}

void Close(HWND wnd, int id = IDCANCEL) { PostMessage(wnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// ---------------------------------------------------------------------------
// Checks on live windows

// The controls stand where the entry's translated layout puts them: child i of
// the dialog is control i of the entry; rectangles through MapDialogRect, 1 px.
void ExpectLayout(HWND dialog, const CTraNode* entry, bool ownSize = true) {
  ASSERT_NE(entry, nullptr);
  int i = 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child && i < entry->GetChildCount();
       child = GetWindow(child, GW_HWNDNEXT), ++i) {
    const CTraNode* node = entry->GetChild(i);
    if (!node->GetLayout() || node->GetLayout()->IsSizeOnly()) continue;
    RECT want = node->GetLayout()->m_rcTranslated;
    MapDialogRect(dialog, &want);
    RECT live;
    GetWindowRect(child, &live);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&live), 2);
    SCOPED_TRACE(CStringA(node->GetOriginal()).GetString());
    EXPECT_NEAR(want.left, live.left, 1);
    EXPECT_NEAR(want.top, live.top, 1);
    EXPECT_NEAR(want.right - want.left, live.right - live.left, 1);
    if (node->GetKind() != TRA_COMBOBOX) {
      EXPECT_NEAR(want.bottom - want.top, live.bottom - live.top, 1);
    }
  }
  EXPECT_EQ(i, entry->GetChildCount()) << "fewer live controls than the entry has";
  if (ownSize && entry->GetLayout() && !entry->GetLayout()->IsSizeOnly()) {
    RECT want = entry->GetLayout()->m_rcTranslated;
    MapDialogRect(dialog, &want);
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_NEAR(want.right - want.left, client.right, 1);
    EXPECT_NEAR(want.bottom - want.top, client.bottom, 1);
  }
}

// Texts of one language nowhere on screen.
void ExpectNoneOf(const std::set<CString>& otherLanguage, const char* when) {
  std::vector<CString> left = Leftovers(SweepThread(), otherLanguage);
  for (const CString& l : left) ADD_FAILURE() << when << ": " << CStringA(l).GetString();
}

int FindMenuItem(HMENU menu, UINT id) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    if (GetMenuItemID(menu, i) == id) return i;
  return -1;
}

// Wine's control of each entry of the find and the colour dialog's entries,
// in entry order (0xFFFF: the first unnamed static).
const int kFindControls[] = {0xFFFF, 1040, 1041, 1072, 1056, 1057, IDOK, IDCANCEL, 1038};
const int kColorControls[] = {1088, 1089, 719, IDOK, IDCANCEL, 1038, 730, 731, 723, 724, 725, 726, 727, 728, 712};

// A common dialog shows the caption and texts of its kind's entry in file.
template <size_t N>
void ExpectCommonDialog(HWND dialog, int kind, const int (&controls)[N], const CTraFile& file) {
  CStdDlgRecognizer model(kind);
  EXPECT_GT(model.MatchScore(dialog), LWV_STDDLG_THRESHOLD) << "the library does not recognise " << kind;
  const CTraNode* entry = model.FindEntry(file.GetRootNode());
  ASSERT_NE(entry, nullptr) << "no entry of kind " << kind;
  ASSERT_EQ(static_cast<int>(N), entry->GetChildCount());
  EXPECT_EQ(entry->GetTranslation(), lwtest::WindowText(dialog));
  for (size_t i = 0; i < N; ++i) {
    SCOPED_TRACE(CStringA(entry->GetChild(static_cast<int>(i))->GetOriginal()).GetString());
    HWND control = GetDlgItem(dialog, controls[i]);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(entry->GetChild(static_cast<int>(i))->GetTranslation(), lwtest::WindowText(control));
  }
}

// A tooltip request as the toolbar's tooltip sends it, answered by the frame
// and the library's hook.
template <class Info>
CString ToolTipOfWidth(HWND frame, HWND tips, UINT id, UINT code) {
  Info info = {};
  info.hdr.hwndFrom = tips;
  info.hdr.idFrom = id;
  info.hdr.code = code;
  SendMessage(frame, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&info));
  return CString(info.lpszText && !IS_INTRESOURCE(info.lpszText) ? info.lpszText : info.szText);
}

CString ToolTipFor(HWND frame, HWND tips, UINT id, bool wide) {
  return wide ? ToolTipOfWidth<NMTTDISPINFOW>(frame, tips, id, TTN_GETDISPINFOW)
              : ToolTipOfWidth<NMTTDISPINFOA>(frame, tips, id, TTN_GETDISPINFOA);
}

// Counts the switch broadcast per window.
std::map<HWND, int> g_broadcasts;
HHOOK g_countHook = nullptr;
LRESULT CALLBACK CountBroadcast(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_SAMPLE_LANGUAGE_CHANGED) ++g_broadcasts[call->hwnd];
  return CallNextHookEx(g_countHook, code, wParam, lParam);
}

// ---------------------------------------------------------------------------

class SampleWine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CopyLanguageFiles();
    s_languages.Load();
  }

  void SetUp() override {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    m_app.reset(new CSampleApp);
    m_app->InitApplication(GetModuleHandle(nullptr), const_cast<LPTSTR>(_T("")), SW_SHOWNORMAL);
    m_app->UseSampleProfile();
  }

  void TearDown() override {
    CloseFrame();
    m_app->ExitInstance();  // ends the library
    m_app.reset();
  }

  void Start() {
    m_app->StartTranslation(Folder());
    m_frame = m_app->CreateMainFrame();
    ASSERT_NE(m_frame, nullptr);
    Pump();
  }

  // Not the main window any more: its end posts no quit message.
  void CloseFrame() {
    m_app->m_pMainWnd = nullptr;
    if (m_frame && IsWindow(m_frame->m_hWnd)) m_frame->DestroyWindow();  // deletes itself
    m_frame = nullptr;
    Pump();
  }

  void Restart() {
    CloseFrame();
    m_app->ExitInstance();
    m_app.reset(new CSampleApp);
    m_app->InitApplication(GetModuleHandle(nullptr), const_cast<LPTSTR>(_T("")), SW_SHOWNORMAL);
    m_app->UseSampleProfile();
    Start();
  }

  HWND Frame() const { return m_frame->m_hWnd; }
  CString StatusText() const { return lwtest::WindowText(m_frame->m_wndStatusBar.m_hWnd); }
  void Command(UINT id) { SendMessage(Frame(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  // The message box of a command: its text and buttons in the language of file.
  void ExpectMessageBox(UINT command, UINT textId, std::initializer_list<int> buttons, const CTraFile& file,
                        bool english) {
    const CString german = GermanString(textId);
    const CString text = english ? s_languages.En(german) : german;
    const CString title = english ? s_languages.En(GermanString(AFX_IDS_APP_TITLE)) : GermanString(AFX_IDS_APP_TITLE);
    RunModal({{_T("message box"), lwtest::MessageBoxWith(text),
               [&](HWND box) {
                 EXPECT_EQ(title, lwtest::WindowText(box));
                 for (int id : buttons) {
                   SCOPED_TRACE(id);
                   EXPECT_EQ(s_languages.Button(file, id), lwtest::WindowText(GetDlgItem(box, id)));
                 }
                 Close(box, *buttons.begin());
               }}},
             [&] { Command(command); });
  }

  // "Suchen..." opens the find dialog beside the frame; it shows the texts
  // of file, and a second command brings the open one forward. Closed by
  // its Cancel button.
  void ExpectFindDialog(const CTraFile& file, const char* language) {
    const CTraNode* entry = CStdDlgRecognizer(LWV_STDDLG_FIND).FindEntry(file.GetRootNode());
    ASSERT_NE(entry, nullptr);
    Command(ID_FILE_FIND);
    Pump();
    HWND find = FindOwnWindow(entry->GetTranslation());
    ASSERT_NE(find, nullptr) << "no find dialog";
    EXPECT_EQ(Frame(), GetWindow(find, GW_OWNER));
    ExpectCommonDialog(find, LWV_STDDLG_FIND, kFindControls, file);
    ExpectNoneOf(s_languages.OtherThan(file), "find dialog");
    SaveScreenshot(find, (std::string("find_") + language + (sizeof(TCHAR) == 1 ? "_a" : "_u")).c_str());
    SetForegroundWindow(Frame());
    ASSERT_EQ(Frame(), GetActiveWindow());
    Command(ID_FILE_FIND);
    Pump();
    EXPECT_EQ(find, GetActiveWindow()) << "the open find dialog is brought forward";
    EXPECT_EQ(find, FindOwnWindow(entry->GetTranslation()));
    Close(find);
    Pump();
    EXPECT_FALSE(IsWindow(find));
  }

  // "Farbe..." shows the colour dialog, modal, with the texts of file.
  void ExpectColorDialog(const CTraFile& file, const char* language) {
    const CTraNode* entry = CStdDlgRecognizer(LWV_STDDLG_COLOR).FindEntry(file.GetRootNode());
    ASSERT_NE(entry, nullptr);
    RunModal({{_T("colour dialog"), Captioned(entry->GetTranslation()),
               [&](HWND dialog) {
                 EXPECT_EQ(Frame(), GetWindow(dialog, GW_OWNER));
                 ExpectCommonDialog(dialog, LWV_STDDLG_COLOR, kColorControls, file);
                 ExpectNoneOf(s_languages.OtherThan(file), "colour dialog");
                 SaveScreenshot(dialog, (std::string("color_") + language + (sizeof(TCHAR) == 1 ? "_a" : "_u")).c_str());
                 Close(dialog);
               }}},
             [&] { Command(ID_FILE_COLOR); });
  }

  static Languages s_languages;
  std::unique_ptr<CSampleApp> m_app;
  CSampleFrame* m_frame = nullptr;
};
Languages SampleWine::s_languages;

// Started with English remembered: every window the sample shows is English,
// with the English layouts, and nothing German is left.
TEST_F(SampleWine, EveryWindowInTheRememberedLanguage) {
  Watchdog watchdog(240);
  Languages& l = s_languages;
  Remember(EnglishPath());
  Start();

  // Frame: title (through the library's strings), menu bar, idle text.
  EXPECT_EQ(l.En(GermanString(AFX_IDS_APP_TITLE)), lwtest::WindowText(Frame()));
  HMENU bar = GetMenu(Frame());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(l.En(_T("&Datei")), MenuText(bar, 0));
  EXPECT_EQ(l.En(_T("&Hilfe")), MenuText(bar, 3));
  EXPECT_EQ(l.En(GermanString(AFX_IDS_IDLEMESSAGE)), StatusText());
  ExpectNoneOf(l.only.onlyFirst, "frame");

  // Menu items keep their flags; the switch command joins "Extras".
  HMENU view = GetSubMenu(bar, 1), tools = GetSubMenu(bar, 2);
  EXPECT_EQ(l.En(_T("&Vollbild")), MenuText(view, 3));
  EXPECT_TRUE(GetMenuState(view, 3, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(view, 0, MF_BYPOSITION) & MF_CHECKED);
  MENUITEMINFO help{};
  help.cbSize = sizeof(help);
  help.fMask = MIIM_FTYPE;
  GetMenuItemInfo(bar, 3, TRUE, &help);
  EXPECT_TRUE(help.fType & MFT_RIGHTJUSTIFY) << "the help popup stays on the right";
  const int switchAt = FindMenuItem(tools, ID_LANGUAGE_SWITCH);
  ASSERT_GE(switchAt, 0);
  EXPECT_EQ(l.En(_T("&Sprache w\xE4hlen...")), MenuText(tools, switchAt));
  HMENU messages = GetSubMenu(tools, 4);
  EXPECT_EQ(l.En(_T("F&ehler")), MenuText(messages, 3));

  // A popup that is no remembered window's is translated when it pops up;
  // one of the frame's own menu bar is not translated again.
  HMENU loose = LoadMenu(GetModuleHandle(nullptr), MAKEINTRESOURCE(IDR_MAINFRAME));
  HMENU loosePopup = GetSubMenu(loose, 0);
  const int exitAt = FindMenuItem(loosePopup, ID_APP_EXIT);
  ASSERT_GE(exitAt, 0);
  EXPECT_EQ(CString(_T("&Beenden")), MenuText(loosePopup, exitAt));
  SendMessage(Frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(loosePopup), 0);
  EXPECT_EQ(l.En(_T("&Beenden")), MenuText(loosePopup, exitAt));
  DestroyMenu(loose);
  HMENU file = GetSubMenu(bar, 0);
  ASSERT_EQ(exitAt, FindMenuItem(file, ID_APP_EXIT));
  ModifyMenu(file, exitAt, MF_BYPOSITION | MF_STRING, ID_APP_EXIT, _T("&Beenden"));
  SendMessage(Frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  EXPECT_EQ(CString(_T("&Beenden")), MenuText(file, exitAt)) << "a remembered window's popup was translated again";
  ModifyMenu(file, exitAt, MF_BYPOSITION | MF_STRING, ID_APP_EXIT, l.En(_T("&Beenden")));
  EXPECT_EQ(l.En(_T("&Suchen...")), MenuText(file, FindMenuItem(file, ID_FILE_FIND)));
  EXPECT_EQ(l.En(_T("&Farbe...")), MenuText(file, FindMenuItem(file, ID_FILE_COLOR)));
  EXPECT_LT(FindMenuItem(file, ID_FILE_COLOR), exitAt - 1) << "before the separator";

  // Status-bar prompts and tooltips of both widths.
  SendMessage(Frame(), WM_MENUSELECT, MAKEWPARAM(ID_TOOLS_LAYOUT, MF_HILITE), reinterpret_cast<LPARAM>(tools));
  EXPECT_EQ(Prompt(l.En(GermanString(ID_TOOLS_LAYOUT))), StatusText());
  for (UINT id : {ID_FILE_FIND, ID_FILE_COLOR}) {
    SendMessage(Frame(), WM_MENUSELECT, MAKEWPARAM(id, MF_HILITE), reinterpret_cast<LPARAM>(file));
    EXPECT_EQ(Prompt(l.En(GermanString(id))), StatusText()) << id;
  }
  SendMessage(Frame(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  SendMessage(Frame(), WM_EXITMENULOOP, FALSE, 0);
  EXPECT_EQ(l.En(GermanString(AFX_IDS_IDLEMESSAGE)), StatusText());
  HWND tips = m_frame->m_wndToolBar.GetToolTips();
  for (bool wide : {false, true}) {
    SCOPED_TRACE(wide ? "wide request" : "narrow request");
    EXPECT_EQ(Tip(l.En(GermanString(ID_TOOLS_PROPERTIES))), ToolTipFor(Frame(), tips, ID_TOOLS_PROPERTIES, wide));
    EXPECT_EQ(Tip(l.En(GermanString(ID_FILE_FORM))), ToolTipFor(Frame(), tips, ID_FILE_FORM, wide));
  }

  // The modeless form, with the colours it loads from the string table.
  Command(ID_FILE_FORM);
  ASSERT_NE(m_frame->GetForm(), nullptr);
  HWND form = m_frame->GetForm()->m_hWnd;
  EXPECT_EQ(l.En(_T("Eingaben")), lwtest::WindowText(form));
  EXPECT_EQ(l.En(_T("&Benachrichtigung senden")), lwtest::WindowText(GetDlgItem(form, IDC_NOTIFY)));
  ExpectLayout(form, l.Dialog(*l.english, _T("Eingaben")));
  ExpectNoneOf(l.only.onlyFirst, "form");

  // Every kind of control, and the dialog whose layout moves and resizes them.
  RunModal({{_T("controls"), Captioned(l.En(_T("Steuerelemente"))),
             [&](HWND dlg) {
               ExpectLayout(dlg, l.Dialog(*l.english, _T("Steuerelemente")));
               ExpectNoneOf(l.only.onlyFirst, "controls dialog");
               EXPECT_EQ(l.En(_T("&Zur\xFC" "cksetzen")), lwtest::WindowText(GetDlgItem(dlg, IDC_CTL_RESET)));
               EXPECT_EQ(l.En(_T("Auswahl")), lwtest::WindowText(GetDlgItem(dlg, IDC_CTL_GROUP)));
               SaveScreenshot(dlg, sizeof(TCHAR) == 1 ? "controls_en_a" : "controls_en_u");
               Close(dlg);
             }}},
           [&] { Command(ID_TOOLS_CONTROLS); });
  RunModal({{_T("layout"), Captioned(l.En(_T("Anschrift"))),
             [&](HWND dlg) {
               const CTraNode* entry = l.Dialog(*l.english, _T("Anschrift"));
               ASSERT_NE(entry, nullptr);
               ASSERT_TRUE(entry->GetLayout());
               EXPECT_FALSE(EqualRects(entry->GetLayout()->m_rcTranslated, entry->GetLayout()->m_rcOriginal))
                   << "the English address dialog has a layout of its own";
               ExpectLayout(dlg, entry);
               ExpectNoneOf(l.only.onlyFirst, "address dialog");
               SaveScreenshot(dlg, sizeof(TCHAR) == 1 ? "layout_en_a" : "layout_en_u");
               Close(dlg);
             }}},
           [&] { Command(ID_TOOLS_LAYOUT); });

  // The property sheet: caption, tabs and both pages.
  RunModal({{_T("sheet"), Captioned(l.En(GermanString(IDS_PROPERTIES))),
             [&](HWND sheet) {
               HWND tab = PropSheet_GetTabControl(sheet);
               ASSERT_NE(tab, nullptr);
               TCHAR label[128] = {0};
               TCITEM item = {};
               item.mask = TCIF_TEXT;
               item.pszText = label;
               item.cchTextMax = 127;
               TabCtrl_GetItem(tab, 1, &item);
               EXPECT_EQ(l.En(_T("Darstellung")), CString(label));
               ExpectLayout(PropSheet_GetCurrentPageHwnd(sheet), l.Dialog(*l.english, _T("Allgemein")), false);
               PropSheet_SetCurSel(sheet, nullptr, 1);
               Pump();
               ExpectLayout(PropSheet_GetCurrentPageHwnd(sheet), l.Dialog(*l.english, _T("Darstellung")), false);
               ExpectNoneOf(l.only.onlyFirst, "property sheet");
               PropSheet_PressButton(sheet, PSBTN_CANCEL);
             }}},
           [&] { Command(ID_TOOLS_PROPERTIES); });

  // Message boxes of every kind the sample shows.
  ExpectMessageBox(ID_MSG_INFO, IDS_MSG_INFO, {IDOK}, *l.english, true);
  ExpectMessageBox(ID_MSG_QUESTION, IDS_MSG_QUESTION, {IDCANCEL, IDYES, IDNO}, *l.english, true);
  ExpectMessageBox(ID_MSG_WARNING, IDS_MSG_WARNING, {IDCANCEL, IDOK}, *l.english, true);
  ExpectMessageBox(ID_MSG_ERROR, IDS_MSG_ERROR, {IDABORT, IDRETRY, IDIGNORE}, *l.english, true);

  // The common dialogs with the texts of the English file.
  ExpectFindDialog(*l.english, "en");
  ExpectColorDialog(*l.english, "en");

  // A window the language file does not know keeps its texts.
  lw::DialogTemplate t(_T("Fremdes Fenster"), WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 120, 60);
  t.AddControl(lw::DialogTemplate::kStatic, _T("Eins"), 100, WS_VISIBLE, 5, 5, 50, 10);
  t.AddControl(lw::DialogTemplate::kButton, _T("Abbrechen"), IDCANCEL, WS_VISIBLE, 5, 30, 50, 14);
  HWND stranger = CreateDialogIndirectParam(GetModuleHandle(nullptr), t.Get(), Frame(),
                                            [](HWND, UINT msg, WPARAM, LPARAM) -> INT_PTR { return msg == WM_INITDIALOG; },
                                            0);
  ASSERT_NE(stranger, nullptr);
  EXPECT_EQ(CString(_T("Fremdes Fenster")), lwtest::WindowText(stranger));
  EXPECT_EQ(CString(_T("Abbrechen")), lwtest::WindowText(GetDlgItem(stranger, IDCANCEL)));
  DestroyWindow(stranger);
}

// Started in German with no remembered file: the German file translates what
// the system shows (message-box buttons, the system menu) into German.
TEST_F(SampleWine, GermanOriginalTranslatesTheSystemsTexts) {
  Watchdog watchdog(120);
  Languages& l = s_languages;
  Remember(CString());
  Start();
  EXPECT_EQ(GermanString(AFX_IDS_APP_TITLE), lwtest::WindowText(Frame()));
  ExpectNoneOf(l.only.onlySecond, "German start");
  ExpectMessageBox(ID_MSG_QUESTION, IDS_MSG_QUESTION, {IDCANCEL, IDYES, IDNO}, *l.german, false);
  EXPECT_EQ(CString(_T("&Ja")), l.Button(*l.german, IDYES)) << "the German file's own button text";

  HMENU system = GetSystemMenu(Frame(), FALSE);
  const int close = FindMenuItem(system, SC_CLOSE);
  ASSERT_GE(close, 0);
  const CString live = MenuText(system, close);
  SendMessage(Frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(system), MAKELPARAM(0, TRUE));
  const CString translated = MenuText(system, close);
  EXPECT_EQ(0, translated.Find(_T("&Schlie\xDF" "en"))) << CStringA(translated).GetString();
  if (live.Find(_T('\t')) >= 0) {
    EXPECT_EQ(live.Mid(live.Find(_T('\t'))), translated.Mid(translated.Find(_T('\t'))));
  }
  SendMessage(Frame(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_EQ(live, MenuText(system, close)) << "the system's texts come back when the program is left";
}

// Started in German: the find and the colour dialog show the German file's
// texts in place of the system's, and nothing English is left on screen.
TEST_F(SampleWine, CommonDialogsShowTheGermanTexts) {
  Watchdog watchdog(120);
  Languages& l = s_languages;
  Remember(CString());
  Start();
  HMENU file = GetSubMenu(GetMenu(Frame()), 0);
  EXPECT_EQ(CString(_T("&Suchen...")), MenuText(file, 1));
  EXPECT_EQ(CString(_T("&Farbe...")), MenuText(file, 2));
  EXPECT_TRUE(GetMenuState(file, 3, MF_BYPOSITION) & MF_SEPARATOR) << "the separator follows them";
  SendMessage(Frame(), WM_MENUSELECT, MAKEWPARAM(ID_FILE_FIND, MF_HILITE), reinterpret_cast<LPARAM>(file));
  EXPECT_EQ(Prompt(GermanString(ID_FILE_FIND)), StatusText());
  SendMessage(Frame(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  SendMessage(Frame(), WM_EXITMENULOOP, FALSE, 0);

  ExpectFindDialog(*l.german, "de");
  ExpectColorDialog(*l.german, "de");
  // The entries hold the German texts, not the system's.
  const CTraNode* find = CStdDlgRecognizer(LWV_STDDLG_FIND).FindEntry(l.german->GetRootNode());
  const CTraNode* color = CStdDlgRecognizer(LWV_STDDLG_COLOR).FindEntry(l.german->GetRootNode());
  ASSERT_TRUE(find && color);
  EXPECT_EQ(CString(_T("Suchen")), find->GetTranslation());
  EXPECT_EQ(CString(_T("&Suchen nach:")), find->GetChild(0)->GetTranslation());
  EXPECT_EQ(CString(_T("&Weitersuchen")), find->GetChild(6)->GetTranslation());
  EXPECT_EQ(CString(_T("Farbe")), color->GetTranslation());
  EXPECT_EQ(CString(_T("&Grundfarben:")), color->GetChild(0)->GetTranslation());

  // Cancel ends the find dialog: the command opens a new one.
  Command(ID_FILE_FIND);
  Pump();
  HWND again = FindOwnWindow(_T("Suchen"));
  ASSERT_NE(again, nullptr) << "the command no longer opens the find dialog";
  Close(again);
  Pump();
  EXPECT_FALSE(IsWindow(again));
}

// The main job: German at start, the switch dialog from the menu command the
// library adds, English by its flag while a form, a property sheet, menus and
// the status bar are open; everything follows, the choice is remembered, and
// the way back to German leaves no English behind.
TEST_F(SampleWine, SwitchGermanEnglishGermanWithWindowsOpen) {
  Watchdog watchdog(300);
  Languages& l = s_languages;
  Remember(CString());
  Start();
  Command(ID_FILE_FORM);
  ASSERT_NE(m_frame->GetForm(), nullptr);
  HWND form = m_frame->GetForm()->m_hWnd;
  SendDlgItemMessage(form, IDC_COLOR, CB_SETCURSEL, 2, 0);
  ExpectNoneOf(l.only.onlySecond, "German start");
  // A common dialog is no remembered window: closed before the switch.
  ExpectFindDialog(*l.german, "de");

  g_broadcasts.clear();
  g_countHook = SetWindowsHookEx(WH_CALLWNDPROC, CountBroadcast, nullptr, GetCurrentThreadId());
  const CString germanSheet = GermanString(IDS_PROPERTIES), englishSheet = l.En(germanSheet);
  RunModal({{_T("German sheet"), Captioned(germanSheet),
             [&](HWND sheet) {
               ExpectNoneOf(l.only.onlySecond, "German sheet");
               EXPECT_EQ(l.Button(*l.german, IDCANCEL), lwtest::WindowText(GetDlgItem(sheet, IDCANCEL)));
               // As the menu does: the command is posted.
               PostMessage(Frame(), WM_COMMAND, MAKEWPARAM(ID_LANGUAGE_SWITCH, 0), 0);
             }},
            {_T("switch dialog"),
             [] {
               return FindOwnWindowIf(
                   [](HWND wnd) { return dynamic_cast<CLwvSwitchDlg*>(CWnd::FromHandlePermanent(wnd)) != nullptr; });
             },
             [&](HWND dialog) {
               CLwvSwitchDlg* dlg = dynamic_cast<CLwvSwitchDlg*>(CWnd::FromHandlePermanent(dialog));
               CLwvFlagList* list = dlg->GetFlagList();
               int english = -1;
               for (int i = 0; i < list->GetItemCount(); ++i)
                 if (list->GetItemText(i) == l.english->GetLanguageName()) english = i;
               ASSERT_GE(english, 0) << "English is not listed";
               EXPECT_EQ(2, list->GetItemCount());
               ListView_SetItemState(list->m_hWnd, english, LVIS_SELECTED | LVIS_FOCUSED,
                                     LVIS_SELECTED | LVIS_FOCUSED);
               NMHDR header = {list->m_hWnd, LWV_ID_FLAG_LIST, static_cast<UINT>(NM_CLICK)};
               SendMessage(dialog, WM_NOTIFY, LWV_ID_FLAG_LIST, reinterpret_cast<LPARAM>(&header));
               SaveScreenshot(dialog, sizeof(TCHAR) == 1 ? "switch_dialog_a" : "switch_dialog_u");
               SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                           reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
             }},
            {_T("English sheet"), Captioned(englishSheet), [&](HWND sheet) {
               ExpectNoneOf(l.only.onlyFirst, "after the switch, sheet open");
               EXPECT_EQ(l.Button(*l.english, IDCANCEL), lwtest::WindowText(GetDlgItem(sheet, IDCANCEL)));
               SaveScreenshot(Frame(), sizeof(TCHAR) == 1 ? "frame_en_a" : "frame_en_u");
               PropSheet_PressButton(sheet, PSBTN_CANCEL);
             }}},
           [&] { Command(ID_TOOLS_PROPERTIES); });
  UnhookWindowsHookEx(g_countHook);

  // Everything open followed; the broadcast reached each remembered window once.
  EXPECT_EQ(l.En(GermanString(AFX_IDS_APP_TITLE)), lwtest::WindowText(Frame()));
  EXPECT_EQ(l.En(GermanString(AFX_IDS_IDLEMESSAGE)), StatusText());
  EXPECT_EQ(l.En(_T("Eingaben")), lwtest::WindowText(form));
  EXPECT_EQ(2, SendDlgItemMessage(form, IDC_COLOR, CB_GETCURSEL, 0, 0)) << "the colour chosen stays";
  ExpectNoneOf(l.only.onlyFirst, "after the switch");
  EXPECT_EQ(1, g_broadcasts[Frame()]);
  EXPECT_EQ(1, g_broadcasts[form]);
  for (const auto& b : g_broadcasts) EXPECT_EQ(1, b.second) << "window " << b.first;
  EXPECT_EQ(EnglishPath(), RememberedFile());
  ExpectMessageBox(ID_MSG_QUESTION, IDS_MSG_QUESTION, {IDCANCEL, IDYES, IDNO}, *l.english, true);
  HWND tips = m_frame->m_wndToolBar.GetToolTips();
  EXPECT_EQ(Tip(l.En(GermanString(ID_FILE_FORM))), ToolTipFor(Frame(), tips, ID_FILE_FORM, true));
  ExpectFindDialog(*l.english, "en");

  // Back to German: no English left, German buttons again. A find dialog
  // still open is closed by the switch (it would keep its English texts).
  Command(ID_FILE_FIND);
  Pump();
  HWND englishFind = FindOwnWindow(l.En(_T("Suchen")));
  ASSERT_NE(englishFind, nullptr);
  ASSERT_TRUE(LWSwitchFile(GermanPath()));
  Pump();
  EXPECT_FALSE(IsWindow(englishFind)) << "the find dialog outlived the switch";
  EXPECT_EQ(GermanString(AFX_IDS_APP_TITLE), lwtest::WindowText(Frame()));
  ExpectNoneOf(l.only.onlySecond, "back in German");
  ExpectMessageBox(ID_MSG_QUESTION, IDS_MSG_QUESTION, {IDCANCEL, IDYES, IDNO}, *l.german, false);
  EXPECT_EQ(GermanPath(), RememberedFile());

  // The next start takes the remembered file.
  ASSERT_TRUE(LWSwitchFile(EnglishPath()));
  Restart();
  EXPECT_EQ(l.En(GermanString(AFX_IDS_APP_TITLE)), lwtest::WindowText(Frame()));
  ExpectNoneOf(l.only.onlyFirst, "next start");
  // The switch dialog of the new start, in English.
  RunModal({{_T("switch dialog again"), Captioned(l.En(_T("Sprache w\xE4hlen"))), [](HWND dialog) { Close(dialog); }}},
           [&] { PostMessage(Frame(), WM_COMMAND, MAKEWPARAM(ID_LANGUAGE_SWITCH, 0), 0); });
  Remember(CString());
}

}  // namespace
