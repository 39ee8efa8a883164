// Starts the sample program, drives it through its windows from outside (no
// person needed) and checks the texts read back from the live windows.
#include "FrameworkWin.h"
#include "UiTestKit.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

namespace {

using lwtest::kWaitMs;  // per step; a window that never comes fails the test

// The sample's process; killed if a test ends while it still runs.
class SampleProcess {
 public:
  explicit SampleProcess(LPCTSTR program) {
    STARTUPINFO si{};
    si.cb = sizeof(si);
    CString line = CString(_T("\"")) + program + _T("\"");
    m_started = ::CreateProcess(nullptr, line.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi);
    if (m_started) ::WaitForInputIdle(m_pi.hProcess, kWaitMs);
  }
  ~SampleProcess() {
    if (!m_started) return;
    if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(m_pi.hProcess, 99);
    ::CloseHandle(m_pi.hThread);
    ::CloseHandle(m_pi.hProcess);
  }
  SampleProcess(const SampleProcess&) = delete;
  SampleProcess& operator=(const SampleProcess&) = delete;

  bool Started() const { return m_started != FALSE; }
  DWORD Id() const { return m_pi.dwProcessId; }

  // Exit code once the process has ended within the wait, else -1.
  long WaitForExit() const {
    if (::WaitForSingleObject(m_pi.hProcess, kWaitMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(m_pi.hProcess, &code);
    return static_cast<long>(code);
  }

  // The visible dialog windows (class #32770) of the process, not in except.
  std::vector<HWND> Dialogs(const std::set<HWND>& except = {}) const {
    return lwtest::ProcessWindows(m_pi.dwProcessId,
                                  [&](HWND hwnd) { return lwtest::IsDialogWindow(hwnd) && !except.count(hwnd); });
  }
  HWND FindDialog(const std::set<HWND>& except = {}) const {
    std::vector<HWND> found = Dialogs(except);
    return found.empty() ? nullptr : found.front();
  }

  // The visible main frame of the process (a top-level window with a menu).
  HWND FindFrame() const {
    return lwtest::FindProcessWindowIf(m_pi.dwProcessId, [](HWND hwnd) { return ::GetMenu(hwnd) != nullptr; });
  }

  HWND WaitForDialog(const std::set<HWND>& except = {}) const {
    return WaitFor([&] { return FindDialog(except); });
  }

  // The window fn finds, once it does (bounded); null when it never did.
  template <class Fn>
  static HWND WaitFor(Fn fn) {
    HWND found = nullptr;
    lwtest::WaitUntil(_T("a window of the sample"), [&] { return (found = fn()) != nullptr; });
    return found;
  }

 private:
  PROCESS_INFORMATION m_pi{};
  BOOL m_started = FALSE;
};

// Texts through messages, which the system carries across processes.
using lwtest::ChildTexts;
CString TextOf(HWND hwnd) { return lwtest::WindowText(hwnd); }

// Item index of a list or combo box, or a marker when there is none.
CString ItemText(HWND hwnd, int id, int index) {
  std::vector<CString> items = lwtest::ListItems(::GetDlgItem(hwnd, id));
  return index < static_cast<int>(items.size()) ? items[static_cast<size_t>(index)] : CString(_T("<none>"));
}

bool Contains(const std::vector<CString>& texts, LPCTSTR text) {
  for (const CString& t : texts)
    if (t == text) return true;
  return false;
}

void Command(HWND dialog, int id) {
  ::PostMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// Clicks "Übernehmen" and answers the message box that follows; its text.
CString ApplyAndReadBox(const SampleProcess& sample, HWND main) {
  Command(main, IDC_APPLY);
  HWND box = sample.WaitForDialog({main});
  if (!box) return CString(_T("<no message box>"));
  CString text = TextOf(::GetDlgItem(box, 0xFFFF));
  EXPECT_EQ(TextOf(box), CString(_T("Lingoweave Beispiel")));
  ::PostMessage(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(SampleProcess::WaitFor([&] { return ::IsWindow(box) ? nullptr : main; }));
  return text;
}

// The texts the sample takes from its string table that a language file
// may change; null where the language file in use is not known.
struct Language {
  const char* name;
  LPCTSTR colors[3];
  LPCTSTR applied;  // "Müller", 3, the second colour, with notification
  LPCTSTR historyLine;
  LPCTSTR confirmExit;
};

const Language kGerman = {
    "German (no language file)",
    {_T("Rot"), _T("Gr\xfcn"), _T("Blau")},
    _T("Eingaben \xfc" "bernommen: M\xfcller, 3 St\xfc" "ck, Farbe Gr\xfcn, mit Benachrichtigung."),
    _T("M\xfcller (3, Gr\xfcn)"),
    _T("Wollen Sie das Beispiel wirklich beenden?")};

const Language kBesideTheProgram = {"the language file beside the program", {}, nullptr, nullptr, nullptr};

void ExpectText(LPCTSTR expected, const CString& actual) {
  if (expected) {
    EXPECT_EQ(actual, CString(expected));
  }
}

int CountOf(const CString& text, LPCTSTR part) {
  int n = 0;
  for (int at = text.Find(part); at >= 0; at = text.Find(part, at + 1)) ++n;
  return n;
}

// A copy of the program in a folder without its language file.
CString CopyWithoutLanguageFile(LPCTSTR program) {
  CString folder = CString(_T(LW_BINARY_DIR)) + _T("\\samples\\without_tra\\");
  ::CreateDirectory(folder, nullptr);
  ::DeleteFile(folder + _T("LwvSample.tra"));
  CString copy = folder + CString(program).Mid(CString(program).ReverseFind(_T('/')) + 1);
  EXPECT_TRUE(::CopyFile(program, copy, FALSE)) << CStringA(copy).GetString();
  return copy;
}

void DeleteSampleProfile() { ::RegDeleteTree(HKEY_CURRENT_USER, _T("Software\\Lingoweave\\Beispiel")); }

const LPCTSTR kTitle = _T("Lingoweave Beispiel");

// The child window of a class (the frame's bars).
HWND ChildOfClass(HWND parent, LPCTSTR className) {
  return ::FindWindowEx(parent, nullptr, className, nullptr);
}

// Posts a command to a window and answers the message box it opens; the
// box's text, or a marker when no box came.
CString AnswerBox(const SampleProcess& sample, HWND window, int command, int answer, std::set<HWND> except = {}) {
  except.insert(window);
  ::PostMessage(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
  HWND box = sample.WaitForDialog(except);
  if (!box) return CString(_T("<no message box>"));
  CString text = TextOf(::GetDlgItem(box, 0xFFFF));
  ::PostMessage(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
  EXPECT_TRUE(SampleProcess::WaitFor([&] { return ::IsWindow(box) ? nullptr : window; }));
  return text;
}

// Messages posted to one thread are handled in order: once the about box of
// a command posted now shows, everything posted before has been handled. The
// dialogs of the process other than except and that box at that moment (the
// box is closed again); a marker when the box never came (the frame gone).
std::vector<HWND> OtherDialogsOnceHandled(const SampleProcess& sample, HWND frame, std::set<HWND> except = {}) {
  except.insert(frame);
  const CString caption = _T("Info \xfc" "ber Lingoweave Beispiel");
  ::PostMessage(frame, WM_COMMAND, MAKEWPARAM(ID_APP_ABOUT, 0), 0);
  HWND about = SampleProcess::WaitFor([&] {
    for (HWND dialog : sample.Dialogs(except))
      if (TextOf(dialog) == caption) return dialog;
    return static_cast<HWND>(nullptr);
  });
  if (!about) return {frame};
  except.insert(about);
  std::vector<HWND> others = sample.Dialogs(except);
  ::PostMessage(about, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(SampleProcess::WaitFor([&] { return ::IsWindow(about) ? nullptr : frame; }));
  return others;
}

// The frame: title, bars, prompts in the status bar, the message-box
// commands of "Meldungen" and the windows of "Extras".
void DriveFrame(const SampleProcess& sample, HWND frame) {
  EXPECT_EQ(TextOf(frame), CString(kTitle));
  HWND status = ChildOfClass(frame, STATUSCLASSNAME);
  HWND toolbar = ChildOfClass(frame, TOOLBARCLASSNAME);
  ASSERT_NE(status, nullptr);
  ASSERT_NE(toolbar, nullptr);
  EXPECT_EQ(::SendMessage(toolbar, TB_BUTTONCOUNT, 0, 0), 6);
  EXPECT_EQ(TextOf(status), CString(_T("Bereit")));
  ::SendMessage(frame, WM_MENUSELECT, MAKEWPARAM(ID_FILE_FORM, MF_HILITE), 1);
  EXPECT_EQ(TextOf(status), CString(_T("\xd6" "ffnet das Eingabeformular")));
  ::SendMessage(frame, WM_EXITMENULOOP, 0, 0);
  EXPECT_EQ(TextOf(status), CString(_T("Bereit")));

  struct Box {
    int command;
    LPCTSTR text;
    int answer;  // a button only this kind of box has
  } boxes[] = {{ID_MSG_INFO, _T("Die Eingaben wurden gespeichert."), IDOK},
               {ID_MSG_QUESTION, _T("M\xf6" "chten Sie die \xc4nderungen speichern?"), IDCANCEL},
               {ID_MSG_WARNING, _T("Die Datei ist schreibgesch\xfctzt. Trotzdem fortfahren?"), IDCANCEL},
               {ID_MSG_ERROR, _T("Die Verbindung wurde unterbrochen."), IDABORT}};
  for (const Box& b : boxes) EXPECT_EQ(AnswerBox(sample, frame, b.command, b.answer), CString(b.text)) << b.command;

  // The modal windows of "Extras", closed with Cancel.
  struct Window {
    int command;
    LPCTSTR caption;
  } windows[] = {{ID_TOOLS_CONTROLS, _T("Steuerelemente")},
                 {ID_TOOLS_LAYOUT, _T("Anschrift")},
                 {ID_TOOLS_PROPERTIES, _T("Eigenschaften")},
                 {ID_APP_ABOUT, _T("Info \xfc" "ber Lingoweave Beispiel")}};
  for (const Window& w : windows) {
    SCOPED_TRACE(CStringA(w.caption).GetString());
    ::PostMessage(frame, WM_COMMAND, MAKEWPARAM(w.command, 0), 0);
    HWND dialog = sample.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), CString(w.caption));
    if (w.command == ID_TOOLS_CONTROLS) {
      EXPECT_EQ(::SendDlgItemMessage(dialog, IDC_CTL_LIST, LB_GETCOUNT, 0, 0), 3);
      EXPECT_EQ(ItemText(dialog, IDC_CTL_LIST, 0), CString(_T("Erster Eintrag")));
      EXPECT_EQ(ItemText(dialog, IDC_CTL_COMBO, 2), CString(_T("Gro\xdf")));
      EXPECT_EQ(::SendDlgItemMessage(dialog, IDC_CTL_PROGRESS, PBM_GETPOS, 0, 0), 40);
      EXPECT_EQ(::SendDlgItemMessage(dialog, IDC_CTL_SLIDER, TBM_GETRANGEMAX, 0, 0), 10);
      EXPECT_EQ(LOWORD(::SendDlgItemMessage(dialog, IDC_CTL_HOTKEY, HKM_GETHOTKEY, 0, 0)),
                MAKEWORD('E', HOTKEYF_CONTROL));
    }
    if (w.command == ID_TOOLS_PROPERTIES) {
      EXPECT_NE(::SendMessage(dialog, PSM_GETTABCONTROL, 0, 0), 0);
      ::PostMessage(dialog, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    } else {
      ::PostMessage(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    EXPECT_TRUE(SampleProcess::WaitFor([&] { return ::IsWindow(dialog) ? nullptr : frame; }));
  }
}

// The form from "Datei": entries taken over, bad entries refused, the about
// box, "Schließen" closes it and the frame stays.
void DriveForm(const SampleProcess& sample, HWND frame, LPCTSTR expectedInitialName, const Language& language) {
  ::PostMessage(frame, WM_COMMAND, MAKEWPARAM(ID_FILE_FORM, 0), 0);
  HWND form = sample.WaitForDialog();
  ASSERT_NE(form, nullptr) << "the form did not appear";
  EXPECT_EQ(TextOf(form), CString(_T("Eingaben")));
  EXPECT_EQ(::GetWindow(form, GW_OWNER), frame);
  std::vector<CString> texts = ChildTexts(form);
  for (LPCTSTR text : {_T("&Name:"), _T("&Anzahl:"), _T("&Benachrichtigung senden"), _T("Sprache"), _T("&Deutsch"),
                       _T("&Englisch"), _T("F&ranz\xf6sisch"), _T("&Farbe:"), _T("&Verlauf:"), _T("&\xdc" "bernehmen"),
                       _T("&Info..."), _T("&Schlie\xdf" "en")})
    EXPECT_TRUE(Contains(texts, text)) << CStringA(text).GetString();
  EXPECT_EQ(TextOf(::GetDlgItem(form, IDC_NAME)), CString(expectedInitialName));
  EXPECT_EQ(TextOf(::GetDlgItem(form, IDC_COUNT)), CString(_T("1")));
  EXPECT_EQ(::SendDlgItemMessage(form, IDC_GERMAN, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(::SendDlgItemMessage(form, IDC_COLOR, CB_GETCOUNT, 0, 0), 3);
  for (int i = 0; i < 3; ++i) ExpectText(language.colors[i], ItemText(form, IDC_COLOR, i));

  // A second "Eingaben" brings the open form forward instead of a second one.
  ::PostMessage(frame, WM_COMMAND, MAKEWPARAM(ID_FILE_FORM, 0), 0);
  EXPECT_EQ(OtherDialogsOnceHandled(sample, frame, {form}), std::vector<HWND>{});

  // Entries taken over: message box and history line.
  ::SendDlgItemMessage(form, IDC_NAME, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(_T("M\xfcller")));
  ::SendDlgItemMessage(form, IDC_COUNT, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(_T("3")));
  ::SendDlgItemMessage(form, IDC_COLOR, CB_SETCURSEL, 1, 0);
  ::SendDlgItemMessage(form, IDC_NOTIFY, BM_SETCHECK, BST_CHECKED, 0);
  ExpectText(language.applied, ApplyAndReadBox(sample, form));
  EXPECT_EQ(::SendDlgItemMessage(form, IDC_HISTORY, LB_GETCOUNT, 0, 0), 1);
  ExpectText(language.historyLine, ItemText(form, IDC_HISTORY, 0));

  // Bad entries are refused with a message and change nothing.
  struct Bad {
    LPCTSTR count;
    LPCTSTR message;
  } bad[] = {{_T("drei"), _T("Bitte geben Sie eine ganze Zahl ein.")},
             {_T("100"), _T("Bitte geben Sie eine ganze Zahl zwischen 1 und 99 ein.")}};
  for (const Bad& b : bad) {
    ::SendDlgItemMessage(form, IDC_COUNT, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(b.count));
    EXPECT_EQ(ApplyAndReadBox(sample, form), CString(b.message));
    EXPECT_TRUE(::IsWindowVisible(form));
    EXPECT_EQ(::SendDlgItemMessage(form, IDC_HISTORY, LB_GETCOUNT, 0, 0), 1);
  }

  // "Info..." opens the about box.
  Command(form, IDC_ABOUT);
  HWND about = sample.WaitForDialog({form});
  ASSERT_NE(about, nullptr) << "about box did not appear";
  EXPECT_EQ(TextOf(about), CString(_T("Info \xfc" "ber Lingoweave Beispiel")));
  EXPECT_EQ(TextOf(::GetDlgItem(about, IDC_ABOUT_TEXT)), CString(_T("Lingoweave Beispielprogramm, Version 1.0")));
  ::PostMessage(about, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(SampleProcess::WaitFor([&] { return ::IsWindow(about) ? nullptr : form; }));

  // "Schließen" closes the form at once; the frame stays.
  Command(form, IDOK);
  EXPECT_TRUE(SampleProcess::WaitFor([&] { return ::IsWindow(form) ? nullptr : frame; }));
  EXPECT_TRUE(::IsWindowVisible(frame));
}

void DriveSample(LPCTSTR program, LPCTSTR expectedInitialName, const Language& language, bool fileMissing) {
  SCOPED_TRACE(language.name);
  SampleProcess sample(program);
  ASSERT_TRUE(sample.Started()) << CStringA(program).GetString();
  if (fileMissing) {
    // The library says once, naming the file twice, that it runs untranslated.
    HWND box = sample.WaitForDialog();
    ASSERT_NE(box, nullptr) << "no message about the missing language file";
    CString text = TextOf(::GetDlgItem(box, 0xFFFF));
    EXPECT_EQ(text.Find(_T("The translation file ")), 0) << CStringA(text).GetString();
    EXPECT_EQ(CountOf(text, _T("without_tra\\LwvSample.tra")), 2) << CStringA(text).GetString();
    EXPECT_GE(text.Find(_T("The program will run in the original language.")), 0);
    ::PostMessage(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(SampleProcess::WaitFor([&] { return ::IsWindow(box) ? nullptr : box; }));
  }
  HWND frame = SampleProcess::WaitFor([&] { return sample.FindFrame(); });
  ASSERT_NE(frame, nullptr) << "the main frame did not appear";
  EXPECT_EQ(OtherDialogsOnceHandled(sample, frame), std::vector<HWND>{}) << "a second message box";

  DriveFrame(sample, frame);
  DriveForm(sample, frame, expectedInitialName, language);

  // "Beenden" asks first: No keeps the program, Yes ends it.
  for (int answer : {IDNO, IDYES}) {
    ExpectText(language.confirmExit, AnswerBox(sample, frame, ID_APP_EXIT, answer));
    if (answer == IDNO) {
      EXPECT_EQ(OtherDialogsOnceHandled(sample, frame), std::vector<HWND>{}) << "the program went on";
      EXPECT_TRUE(::IsWindowVisible(frame));
    }
  }
  EXPECT_EQ(sample.WaitForExit(), 0);
}

// The Unicode build first, with the language file beside it; the ANSI
// build then finds the name it stored, once with that file and once from a
// folder without it, in German after the library's one message.
TEST(Sample, DrivenThroughItsWindowsInBothWidths) {
  DeleteSampleProfile();
  DriveSample(_T(LW_SAMPLE_U), _T(""), kBesideTheProgram, false);
  DriveSample(_T(LW_SAMPLE_A), _T("M\xfcller"), kBesideTheProgram, false);
  DriveSample(CopyWithoutLanguageFile(_T(LW_SAMPLE_A)), _T("M\xfcller"), kGerman, true);
  DeleteSampleProfile();
}

}  // namespace
