// Starts the sample program, drives it through its windows from outside (no
// person needed) and checks the texts read back from the live windows.
#include "FrameworkWin.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

namespace {

const DWORD kWaitMs = 20000;  // per step; a window that never comes fails the test

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

  // A visible dialog window (class #32770) of the process, not in except.
  HWND FindDialog(const std::set<HWND>& except = {}) const {
    struct Search {
      DWORD pid;
      const std::set<HWND>* except;
      HWND found;
    } search{m_pi.dwProcessId, &except, nullptr};
    ::EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
          auto* s = reinterpret_cast<Search*>(param);
          DWORD pid = 0;
          ::GetWindowThreadProcessId(hwnd, &pid);
          TCHAR name[16] = {};
          ::GetClassName(hwnd, name, 16);
          if (pid == s->pid && ::IsWindowVisible(hwnd) && lw::StrCmp(name, _T("#32770")) == 0 &&
              !s->except->count(hwnd)) {
            s->found = hwnd;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  HWND WaitForDialog(const std::set<HWND>& except = {}) const {
    return WaitFor([&] { return FindDialog(except); });
  }

  template <class Fn>
  static HWND WaitFor(Fn fn) {
    DWORD start = ::GetTickCount();
    do {
      if (HWND hwnd = fn()) return hwnd;
      ::Sleep(50);
    } while (::GetTickCount() - start < kWaitMs);
    return nullptr;
  }

 private:
  PROCESS_INFORMATION m_pi{};
  BOOL m_started = FALSE;
};

// Texts through messages, which the system carries across processes.
CString TextOf(HWND hwnd) {
  TCHAR buffer[512] = {};
  DWORD_PTR copied = 0;
  if (!::SendMessageTimeout(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000, &copied))
    return CString(_T("<no answer>"));
  return CString(buffer, static_cast<int>(copied));
}

CString ItemText(HWND hwnd, int id, UINT lenMessage, UINT textMessage, int index) {
  HWND control = ::GetDlgItem(hwnd, id);
  LRESULT length = ::SendMessage(control, lenMessage, static_cast<WPARAM>(index), 0);
  if (length < 0 || length > 500) return CString(_T("<none>"));
  TCHAR buffer[512] = {};
  ::SendMessage(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
  return CString(buffer);
}

std::vector<CString> ChildTexts(HWND parent) {
  std::vector<CString> texts;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    texts.push_back(TextOf(child));
  return texts;
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

// The texts the sample takes from its string table, per language file.
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

const Language kEnglish = {
    "English (LwvSample.tra)",
    {_T("Red"), _T("Green"), _T("Blue")},
    _T("Entries taken over: M\xfcller, 3 pieces, colour Green, with notification."),
    _T("M\xfcller (3, Green)"),
    _T("Do you really want to quit the sample?")};

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
  HWND main = sample.WaitForDialog();
  ASSERT_NE(main, nullptr) << "main dialog did not appear";
  ::Sleep(200);
  EXPECT_EQ(sample.FindDialog({main}), nullptr) << "a second message box";

  // The dialog, its controls and the strings it loaded.
  EXPECT_EQ(TextOf(main), CString(_T("Lingoweave Beispiel")));
  std::vector<CString> texts = ChildTexts(main);
  for (LPCTSTR text : {_T("&Name:"), _T("&Anzahl:"), _T("&Benachrichtigung senden"), _T("Sprache"), _T("&Deutsch"),
                       _T("&Englisch"), _T("&Franz\xf6sisch"), _T("&Farbe:"), _T("&Verlauf:"), _T("\xdc&" "bernehmen"),
                       _T("&Info..."), _T("&Schlie\xdf" "en")})
    EXPECT_TRUE(Contains(texts, text)) << CStringA(text).GetString();
  EXPECT_EQ(TextOf(::GetDlgItem(main, IDC_NAME)), CString(expectedInitialName));
  EXPECT_EQ(TextOf(::GetDlgItem(main, IDC_COUNT)), CString(_T("1")));
  EXPECT_EQ(::SendDlgItemMessage(main, IDC_GERMAN, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(::SendDlgItemMessage(main, IDC_COLOR, CB_GETCOUNT, 0, 0), 3);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(ItemText(main, IDC_COLOR, CB_GETLBTEXTLEN, CB_GETLBTEXT, i), CString(language.colors[i]));

  // The menu bar from the resource (Wine cannot read its items from another
  // process; its commands are driven below).
  EXPECT_NE(::GetMenu(main), nullptr);

  // Entries taken over: message box and history line.
  ::SendDlgItemMessage(main, IDC_NAME, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(_T("M\xfcller")));
  ::SendDlgItemMessage(main, IDC_COUNT, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(_T("3")));
  ::SendDlgItemMessage(main, IDC_COLOR, CB_SETCURSEL, 1, 0);
  ::SendDlgItemMessage(main, IDC_NOTIFY, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(ApplyAndReadBox(sample, main), CString(language.applied));
  EXPECT_EQ(::SendDlgItemMessage(main, IDC_HISTORY, LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(ItemText(main, IDC_HISTORY, LB_GETTEXTLEN, LB_GETTEXT, 0), CString(language.historyLine));

  // Bad entries are refused with a message and change nothing.
  struct Bad {
    LPCTSTR count;
    LPCTSTR message;
  } bad[] = {{_T("drei"), _T("Bitte geben Sie eine ganze Zahl ein.")},
             {_T("100"), _T("Bitte geben Sie eine ganze Zahl zwischen 1 und 99 ein.")}};
  for (const Bad& b : bad) {
    ::SendDlgItemMessage(main, IDC_COUNT, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(b.count));
    EXPECT_EQ(ApplyAndReadBox(sample, main), CString(b.message));
    EXPECT_TRUE(::IsWindowVisible(main));
    EXPECT_EQ(::SendDlgItemMessage(main, IDC_HISTORY, LB_GETCOUNT, 0, 0), 1);
  }

  // The menu's about command opens the about box.
  ::PostMessage(main, WM_COMMAND, MAKEWPARAM(ID_HELP_ABOUT, 0), 0);
  HWND about = sample.WaitForDialog({main});
  ASSERT_NE(about, nullptr) << "about box did not appear";
  EXPECT_EQ(TextOf(about), CString(_T("Info \xfc" "ber Lingoweave Beispiel")));
  EXPECT_EQ(TextOf(::GetDlgItem(about, IDC_ABOUT_TEXT)), CString(_T("Lingoweave Beispielprogramm, Version 1.0")));
  ::PostMessage(about, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(SampleProcess::WaitFor([&] { return ::IsWindow(about) ? nullptr : main; }));

  // "Schließen" asks first: No keeps the program, Yes ends it.
  for (int answer : {IDNO, IDYES}) {
    Command(main, IDOK);
    HWND box = sample.WaitForDialog({main});
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(box, 0xFFFF)), CString(language.confirmExit));
    ::PostMessage(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    EXPECT_TRUE(SampleProcess::WaitFor([&] { return ::IsWindow(box) ? nullptr : main; }));
    if (answer == IDNO) {
      ::Sleep(200);
      EXPECT_TRUE(::IsWindowVisible(main));
    }
  }
  EXPECT_EQ(sample.WaitForExit(), 0);
}

// The Unicode build first, translated by the language file beside it; the
// ANSI build then finds the name it stored, once translated and once from a
// folder without the language file, in German.
TEST(Sample, DrivenThroughItsWindowsInBothWidths) {
  DeleteSampleProfile();
  DriveSample(_T(LW_SAMPLE_U), _T(""), kEnglish, false);
  DriveSample(_T(LW_SAMPLE_A), _T("M\xfcller"), kEnglish, false);
  DriveSample(CopyWithoutLanguageFile(_T(LW_SAMPLE_A)), _T("M\xfcller"), kGerman, true);
  DeleteSampleProfile();
}

}  // namespace
