// Message boxes, property sheets, wizards and the nine common dialogs shown
// for real, with hooks that route WM_INITDIALOG to the button model, the
// common-dialog set and the live-text handlers. Every dialog is inspected
// and closed from a timer; a watchdog closes whatever is left.
#include "StdButtonModel.h"
#include "StdDlgHook.h"
#include "StdDlgSet.h"
#include "StdDlgTestTree.h"
#include "TraNode.h"

#include <commctrl.h>
#include <commdlg.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

// Readable failures.
void PrintTo(const CString& s, std::ostream* os) { *os << '"' << CStringA(s).GetString() << '"'; }

namespace {

// ---- the language tree ----

using stddlgtest::ItemText;
using stddlgtest::kButtonTexts;

std::unique_ptr<CTraNode> g_root;

void BuildTree() { g_root = stddlgtest::BuildTree(); }

BOOL TranslateCaption(CString& text) {
  if (text == _T("Frage")) {
    text = _T("Question");
    return TRUE;
  }
  if (text == _T("HHH")) {
    text = _T("Blatt");
    return TRUE;
  }
  return FALSE;
}

// ---- hooks routing like the library's ----

HHOOK g_before = nullptr, g_after = nullptr;
std::unique_ptr<CStdDlgSet> g_set;
HWND g_pending = nullptr;
int g_pendingKind = -1;
CStdButtonModel* g_capture = nullptr;  // capture mode when set

// The inspection of the dialog under test.
std::function<void(HWND)> g_first, g_stimulate, g_second;
bool g_watchdogFired = false;
bool g_nestedBox = false;
CString g_nestedText;
int g_nestedWidth = 0;

bool IsTopDialog(HWND h) { return !(GetWindowLong(h, GWL_STYLE) & WS_CHILD); }

bool IsModeless(HWND h) {
  TCHAR caption[64] = {0};
  GetWindowText(h, caption, 63);
  return GetDlgItem(h, 1152) && GetParent(h) && !GetDlgItem(h, 1137) && (GetDlgItem(h, 1040) || GetDlgItem(h, 1024)) &&
         !GetDlgItem(h, 1075) && !GetDlgItem(h, 1088);
}

void CloseDialog(HWND h) {
  if (CStdButtonModel::IsPropertySheet(h)) {
    SendMessage(h, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  } else if (IsModeless(h)) {
    DestroyWindow(h);
  } else if (GetDlgItem(h, 0xFFFF) && !GetDlgItem(h, 1075) && !GetDlgItem(h, 1040)) {
    EndDialog(h, IDCANCEL);  // message box
  } else {
    PostMessage(h, WM_COMMAND, IDCANCEL, 0);
  }
}

void CALLBACK SecondLook(HWND h, UINT, UINT_PTR id, DWORD) {
  KillTimer(h, id);
  if (g_second) g_second(h);
  CloseDialog(h);
}

void CALLBACK FirstLook(HWND h, UINT, UINT_PTR id, DWORD) {
  KillTimer(h, id);
  if (g_first) g_first(h);
  if (g_stimulate) g_stimulate(h);
  SetTimer(h, 2, 100, SecondLook);
}

LRESULT CALLBACK BeforeProc(int code, WPARAM wp, LPARAM lp) {
  const CWPSTRUCT* s = reinterpret_cast<const CWPSTRUCT*>(lp);
  if (code >= 0 && s->message == WM_INITDIALOG && !g_capture) {
    CStdButtonModel model;
    if (model.ClassifyBeforeInit(s->hwnd)) {
      model.TranslateMessageBox(s->hwnd, g_root.get(), TranslateCaption);
      LwFitMessageTexts(s->hwnd);
    } else if (g_set && !LwIsPrintDialogActive()) {
      int kind = g_set->RecognizeIn(s->hwnd, g_root.get());
      if (kind >= 0 && LwKindHasLiveTexts(kind)) {
        g_pending = s->hwnd;
        g_pendingKind = kind;
      }
    }
  }
  return CallNextHookEx(g_before, code, wp, lp);
}

LRESULT CALLBACK AfterProc(int code, WPARAM wp, LPARAM lp) {
  const CWPRETSTRUCT* s = reinterpret_cast<const CWPRETSTRUCT*>(lp);
  if (code >= 0 && s->message == WM_INITDIALOG) {
    if (g_capture) {
      g_capture->MeasureDialog(s->hwnd);
      CStdButtonModel::EndCapturedDialog(s->hwnd);
    } else {
      CStdButtonModel model;
      if (model.ClassifyAfterInit(s->hwnd)) {
        model.TranslateMessageBox(s->hwnd, g_root.get(), TranslateCaption);
        LwFitMessageTexts(s->hwnd);
        if (g_nestedBox) {
          // A box opened by the dialog under test: read and close it at once.
          HWND label = GetDlgItem(s->hwnd, 0xFFFF);
          TCHAR text[512] = {0};
          GetWindowText(label, text, 511);
          g_nestedText = text;
          RECT r;
          GetWindowRect(label, &r);
          g_nestedWidth = r.right - r.left;
          EndDialog(s->hwnd, IDOK);
          return CallNextHookEx(g_after, code, wp, lp);
        }
      }
      if (g_pending && (g_pending == s->hwnd || g_pending == GetParent(s->hwnd)))
        CStdDlgSet::TranslateKind(g_pendingKind, g_pending, g_root.get());
      g_pending = nullptr;
      if (IsTopDialog(s->hwnd)) SetTimer(s->hwnd, 1, 150, FirstLook);
    }
  }
  if (code >= 0 && !g_capture) LwWatchCommonDialogs(*s);
  return CallNextHookEx(g_after, code, wp, lp);
}

BOOL CALLBACK CloseLeftover(HWND h, LPARAM) {
  TCHAR cls[16] = {0};
  GetClassName(h, cls, 15);
  if (lstrcmp(cls, _T("#32770")) == 0) {
    g_watchdogFired = true;
    CloseDialog(h);
  }
  return TRUE;
}

void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), CloseLeftover, 0); }

// Runs show() with a watchdog; the after-hook inspects the dialog.
void RunDialog(const std::function<void()>& show, std::function<void(HWND)> first,
         std::function<void(HWND)> stimulate = nullptr, std::function<void(HWND)> second = nullptr) {
  g_first = std::move(first);
  g_stimulate = std::move(stimulate);
  g_second = std::move(second);
  g_watchdogFired = false;
  UINT_PTR dog = SetTimer(nullptr, 0, 8000, Watchdog);
  show();
  KillTimer(nullptr, dog);
  EXPECT_FALSE(g_watchdogFired) << "the dialog had to be closed by the watchdog";
  g_first = g_stimulate = g_second = nullptr;
}

CString Text(HWND w) {
  TCHAR buffer[512] = {0};
  if (w) GetWindowText(w, buffer, 511);
  return buffer;
}
CString ItemOf(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }

// Every model control the dialog has shows its translation.
void ExpectControlsTranslated(HWND dialog, int kind, const char* when, int skip = -1) {
  CStdDlgRecognizer r(kind);
  const LwStdDlgModel& m = r.GetModel();
  int found = 0;
  for (int i = 0; i < m.controlCount; ++i) {
    HWND c = r.FindControl(dialog, i);
    if (!c) continue;
    ++found;
    if ((kind == 0 && i == 4) || i == skip) continue;  // checked apart
    EXPECT_EQ(ItemText(kind, i), Text(c)) << "kind " << kind << " entry " << i << " " << when;
  }
  EXPECT_GE(found, m.controlCount - 1) << "kind " << kind;
}

class StdDlgWine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitCommonControls();
    BuildTree();
    BYTE options[256] = {};
    for (int k = 0; k < LWV_STDDLG_KINDS; ++k) options[k] = 1;
    options[LWV_OPTION_MESSAGEBOX] = 1;
    g_set = std::make_unique<CStdDlgSet>(options);
    g_before = SetWindowsHookEx(WH_CALLWNDPROC, BeforeProc, nullptr, GetCurrentThreadId());
    g_after = SetWindowsHookEx(WH_CALLWNDPROCRET, AfterProc, nullptr, GetCurrentThreadId());
    stddlgtest::AddThrowawayPrinter();
  }
  static void TearDownTestSuite() {
    UnhookWindowsHookEx(g_before);
    UnhookWindowsHookEx(g_after);
    g_set.reset();
    g_root.reset();
  }
};

TEST_F(StdDlgWine, EveryMessageBoxTypeShowsTranslatedCaptionAndButtons) {
  const UINT types[] = {MB_OK, MB_OKCANCEL, MB_ABORTRETRYIGNORE, MB_YESNOCANCEL, MB_YESNO, MB_RETRYCANCEL};
  for (UINT type : types) {
    std::map<int, CString> seen;
    CString caption;
    RunDialog([&] { MessageBox(nullptr, _T("Text"), _T("Frage"), type); },
        [&](HWND h) {
          caption = Text(h);
          for (int id : LwButtonsOfKind(static_cast<int>(type))) seen[id] = ItemOf(h, id);
        });
    EXPECT_EQ(CString(_T("Question")), caption) << "type " << type;
    ASSERT_FALSE(seen.empty());
    for (auto& [id, text] : seen) EXPECT_EQ(CString(kButtonTexts[LwButtonIndex(id)]), text) << "type " << type << " id " << id;
  }
  // A caption without a translation stays while the buttons are translated.
  CString caption, ok;
  RunDialog([&] { MessageBox(nullptr, _T("Text"), _T("Unbekannt"), MB_OK); },
      [&](HWND h) {
        caption = Text(h);
        ok = ItemOf(h, IDOK);
      });
  EXPECT_EQ(CString(_T("Unbekannt")), caption);
  EXPECT_EQ(CString(_T("Jawohl")), ok);
}

TEST_F(StdDlgWine, PropertySheetAndWizardShowTranslatedButtons) {
  std::map<int, CString> seen;
  CString caption;
    RunDialog([&] { CStdButtonModel::ShowSampleSheet(PSH_HASHELP); },
      [&](HWND h) {
        caption = Text(h);
        for (int id : {1, 2, 12321, 9}) seen[id] = ItemOf(h, id);
      });
  EXPECT_EQ(CString(_T("Blatt")), caption);
  EXPECT_EQ(CString(_T("Jawohl")), seen[1]);
  EXPECT_EQ(CString(_T("Abbrechen")), seen[2]);
  EXPECT_EQ(CString(_T("Anwenden")), seen[12321]);
  EXPECT_EQ(CString(_T("Hilfe")), seen[9]);

  // Without help the sheet is not one of the standard kinds: it keeps its texts.
  CString apply;
  RunDialog([&] { CStdButtonModel::ShowSampleSheet(0); }, [&](HWND h) { apply = ItemOf(h, 12321); });
  EXPECT_NE(CString(_T("Anwenden")), apply);
  EXPECT_FALSE(apply.IsEmpty());

  seen.clear();
  RunDialog([&] { CStdButtonModel::ShowSampleSheet(PSH_WIZARD); },
      [&](HWND h) {
        for (int id : {12323, 12324, 12325, 2}) seen[id] = ItemOf(h, id);
      });
  EXPECT_EQ(CString(_T("< Zurueck")), seen[12323]);
  EXPECT_EQ(CString(_T("Weiter >")), seen[12324]);
  EXPECT_EQ(CString(_T("Fertig")), seen[12325]);
  EXPECT_EQ(CString(_T("Abbrechen")), seen[2]);
}

TEST_F(StdDlgWine, CaptureMeasuresMessageBoxesAndSheetsAndClosesThem) {
  CStdButtonModel model;
  g_capture = &model;
  const int types[] = {0, 1, 2, 3, 4, 5};
  UINT_PTR dog = SetTimer(nullptr, 0, 8000, Watchdog);
  g_watchdogFired = false;
  for (int t : types) {
    CStdButtonModel one;
    g_capture = &one;
    one.CaptureOne(t);
    for (int id : LwButtonsOfKind(t)) {
      int i = LwButtonIndex(id);
      EXPECT_EQ(id, one.GetId(i)) << "type " << t;
      EXPECT_GT(one.GetWidth(i), 0) << "type " << t << " id " << id;
      EXPECT_GT(one.GetHeight(i), 0) << "type " << t << " id " << id;
      EXPECT_FALSE(one.GetText(i).IsEmpty());
    }
  }
  g_capture = &model;
  model.CaptureOne(LWV_MB_PROPSHEET);
  model.CaptureOne(LWV_MB_WIZARD);
  KillTimer(nullptr, dog);
  g_capture = nullptr;
  EXPECT_FALSE(g_watchdogFired) << "a captured dialog did not close by itself";
  for (int i : {7, 8, 9, 10, 11}) {
    EXPECT_GT(model.GetWidth(i), 0) << "index " << i;
    EXPECT_GT(model.GetHeight(i), 0) << "index " << i;
    EXPECT_EQ(LwButtonIdAt(i), model.GetId(i));
  }
  EXPECT_EQ(0, model.GetWidth(0)) << "a sheet measures only its own buttons";
}

OPENFILENAME OpenParams(TCHAR* file, DWORD extra) {
  OPENFILENAME o = {};
  o.lStructSize = sizeof(o);
  o.lpstrFile = file;
  o.nMaxFile = MAX_PATH;
  o.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | extra;
  return o;
}

UINT_PTR CALLBACK QuietHook(HWND, UINT, WPARAM, LPARAM) { return 0; }

TEST_F(StdDlgWine, FileDialogShowsOpenAndSaveTexts) {
  for (bool hook : {false, true}) {
    TCHAR file[MAX_PATH] = {0};
    CString caption, ok, ok2;
    RunDialog(
        [&] {
          OPENFILENAME o = OpenParams(file, hook ? OFN_ENABLEHOOK : 0);
          o.lpfnHook = QuietHook;
          GetOpenFileName(&o);
        },
        [&](HWND h) {
          caption = Text(h);
          ok = ItemOf(h, IDOK);
          ExpectControlsTranslated(h, 0, "after initialisation");
        },
        [&](HWND h) { SetDlgItemText(h, 1148, _T("abc")); },
        [&](HWND h) {
          ok2 = ItemOf(h, IDOK);
          ExpectControlsTranslated(h, 0, "while running");
        });
    EXPECT_EQ(CString(_T("K0")), caption) << hook;
    EXPECT_EQ(ItemText(0, 4), ok) << "open mode keeps the open text";
    EXPECT_EQ(ItemText(0, 4), ok2);
  }
  TCHAR file[MAX_PATH] = {0};
  CString ok, typeLabel;
  RunDialog(
      [&] {
        OPENFILENAME o = OpenParams(file, OFN_OVERWRITEPROMPT);
        GetSaveFileName(&o);
      },
      [&](HWND h) {
        ok = ItemOf(h, IDOK);
        typeLabel = ItemOf(h, 1089);
      });
  EXPECT_EQ(CString(_T("&Speichern")), ok) << "save mode gets the save text";
  EXPECT_EQ(ItemText(0, 2), typeLabel) << "a label the save dialog does not change keeps its translation";
}

HWND MakeOwner() {
  WNDCLASS wc = {};
  wc.lpfnWndProc = DefWindowProc;
  wc.hInstance = GetModuleHandle(nullptr);
  wc.lpszClassName = _T("LwStdDlgOwner");
  RegisterClass(&wc);
  return CreateWindow(_T("LwStdDlgOwner"), _T("owner"), WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                      wc.hInstance, nullptr);
}

void RunModeless(HWND dialog) {
  ASSERT_NE(nullptr, dialog);
  MSG msg;
  while (IsWindow(dialog) && GetMessage(&msg, nullptr, 0, 0)) {
    if (!IsDialogMessage(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
  }
}

// The find dialogs keep a pointer to their parameters while they run.
FINDREPLACE& FindParams(HWND owner) {
  static TCHAR what[80], with[80];
  static FINDREPLACE fr;
  lstrcpy(what, _T("x"));
  with[0] = 0;
  fr = FINDREPLACE{};
  fr.lStructSize = sizeof(fr);
  fr.hwndOwner = owner;
  fr.lpstrFindWhat = what;
  fr.wFindWhatLen = 80;
  fr.lpstrReplaceWith = with;
  fr.wReplaceWithLen = 80;
  fr.Flags = FR_DOWN;
  return fr;
}

TEST_F(StdDlgWine, FindAndReplaceShowTranslatedTexts) {
  HWND owner = MakeOwner();
  for (int kind : {2, 3}) {
    FINDREPLACE& fr = FindParams(owner);
    CString caption;
    RunDialog([&] { RunModeless(kind == 2 ? FindText(&fr) : ReplaceText(&fr)); },
        [&](HWND h) {
          caption = Text(h);
          ExpectControlsTranslated(h, kind, "after initialisation");
        },
        [&](HWND h) { SetDlgItemText(h, 1152, _T("neu")); },
        [&](HWND h) { ExpectControlsTranslated(h, kind, "while running"); });
    CString k;
    k.Format(_T("K%d"), kind);
    EXPECT_EQ(k, caption);
  }
  DestroyWindow(owner);
}

TEST_F(StdDlgWine, PrintDialogsTranslateTheirStatus) {
  for (bool setup : {false, true}) {
    int kind = setup ? 5 : 4;
    CString status, status2, caption;
    BOOL shown = FALSE;
    RunDialog(
        [&] {
          PRINTDLG p = {};
          p.lStructSize = sizeof(p);
          p.Flags = PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE |
                    (setup ? PD_PRINTSETUP : 0);
          shown = PrintDlg(&p) || CommDlgExtendedError() == 0;
          if (p.hDevMode) GlobalFree(p.hDevMode);
          if (p.hDevNames) GlobalFree(p.hDevNames);
        },
        [&](HWND h) {
          caption = Text(h);
          status = ItemOf(h, 1099);
          ExpectControlsTranslated(h, kind, "after initialisation");
        },
        [&](HWND h) {
          // Choosing the printer again makes the dialog set its status anew.
          HWND combo = GetDlgItem(h, setup ? 1136 : 1139);
          SendMessage(h, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        },
        [&](HWND h) {
          status2 = ItemOf(h, 1099);
          ExpectControlsTranslated(h, kind, "while running");
        });
    EXPECT_TRUE(shown);
    CString k;
    k.Format(_T("K%d"), kind);
    EXPECT_EQ(k, caption);
    EXPECT_EQ(CString(_T("Bereit")), status) << "setup " << setup;
    EXPECT_EQ(CString(_T("Bereit")), status2) << "setup " << setup;
    EXPECT_FALSE(LwIsPrintDialogActive()) << "the handler ends with its dialog";
  }
}

TEST_F(StdDlgWine, MessageBoxOfAPrintDialogGetsItsTranslatedTextFitted) {
  CString original = LwLoadComdlgString(1106);
  ASSERT_FALSE(original.IsEmpty());
  int widthBefore = 0;
  RunDialog(
      [&] {
        PRINTDLG p = {};
        p.lStructSize = sizeof(p);
        p.Flags = PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE;
        PrintDlg(&p);
        if (p.hDevMode) GlobalFree(p.hDevMode);
        if (p.hDevNames) GlobalFree(p.hDevNames);
      },
      [&](HWND h) {
        // Without the print dialog's handler the text stays.
        g_nestedBox = true;
        LwPrintDlgHook().Deactivate();
        MessageBox(h, original, _T("Print"), MB_OK);
        EXPECT_EQ(original, g_nestedText);
        widthBefore = g_nestedWidth;
      },
      [&](HWND h) {
        ASSERT_TRUE(LwStdDlgHookOfKind(4)->Attach(
            g_root->FindPath(std::vector<CString>{TRA_SECTION_DIALOGS, _T("eStddlgPrint")}.data(), 2), h));
        MessageBox(h, original, _T("Print"), MB_OK);
        g_nestedBox = false;
      });
  EXPECT_EQ(CString(_T("Die Angabe 'von' darf nicht groesser als die Angabe 'bis' sein, bitte korrigieren.")),
            g_nestedText);
  EXPECT_GT(g_nestedWidth, widthBefore) << "the longer translation widens the text";
  EXPECT_FALSE(LwIsPrintDialogActive());
}

TEST_F(StdDlgWine, PageSetupTranslatesItsMarginsLabel) {
  CString margins, margins2;
  RunDialog(
      [&] {
        PAGESETUPDLG p = {};
        p.lStructSize = sizeof(p);
        p.Flags = PSD_MARGINS;
        PageSetupDlg(&p);
        if (p.hDevMode) GlobalFree(p.hDevMode);
        if (p.hDevNames) GlobalFree(p.hDevNames);
      },
      [&](HWND h) {
        margins = ItemOf(h, 1075);
        ExpectControlsTranslated(h, 6, "after initialisation");
      },
      [&](HWND h) { SetDlgItemText(h, 1075, _T("Margins [mm]")); },  // as the dialog sets it
      [&](HWND h) {
        margins2 = ItemOf(h, 1075);
        ExpectControlsTranslated(h, 6, "while running", 6);
      });
  EXPECT_EQ(ItemText(6, 6), margins) << "Wine leaves the margins group without a unit text";
  EXPECT_EQ(CString(_T("Raender [mm]")), margins2);
}

TEST_F(StdDlgWine, FontDialogTranslatesColoursAndKeepsThemWhileRunning) {
  CString first, second, first2;
  LRESULT selection = -1;
  RunDialog(
      [&] {
        LOGFONT lf = {};
        CHOOSEFONT c = {};
        c.lStructSize = sizeof(c);
        c.lpLogFont = &lf;
        c.Flags = CF_SCREENFONTS | CF_EFFECTS;
        c.rgbColors = RGB(128, 0, 0);
        ChooseFont(&c);
      },
      [&](HWND h) {
        HWND colours = GetDlgItem(h, 1139);
        TCHAR b[64] = {0};
        SendMessage(colours, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(b));
        first = b;
        SendMessage(colours, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(b));
        second = b;
        selection = SendMessage(colours, CB_GETCURSEL, 0, 0);
        ExpectControlsTranslated(h, 7, "after initialisation");
      },
      [&](HWND h) {
        // Another font: the dialog fills its style and size lists anew.
        HWND fonts = GetDlgItem(h, 1136);
        SendMessage(fonts, CB_SETCURSEL, 1, 0);
        SendMessage(h, WM_COMMAND, MAKEWPARAM(1136, CBN_SELCHANGE), reinterpret_cast<LPARAM>(fonts));
      },
      [&](HWND h) {
        TCHAR b[64] = {0};
        SendDlgItemMessage(h, 1139, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(b));
        first2 = b;
        ExpectControlsTranslated(h, 7, "while running");
      });
  EXPECT_EQ(CString(_T("Schwarz")), first);
  EXPECT_EQ(CString(_T("Kastanie")), second);
  EXPECT_EQ(1, selection) << "the chosen colour stays chosen";
  EXPECT_EQ(CString(_T("Schwarz")), first2);
}

TEST_F(StdDlgWine, ColorDialogShowsTranslatedTexts) {
  COLORREF custom[16] = {};
  CString caption;
  RunDialog(
      [&] {
        CHOOSECOLOR c = {};
        c.lStructSize = sizeof(c);
        c.lpCustColors = custom;
        c.Flags = CC_FULLOPEN;
        ChooseColor(&c);
      },
      [&](HWND h) {
        caption = Text(h);
        ExpectControlsTranslated(h, 8, "after initialisation");
      },
      [&](HWND h) { SetDlgItemInt(h, 706, 200, FALSE); },
      [&](HWND h) { ExpectControlsTranslated(h, 8, "while running"); });
  EXPECT_EQ(CString(_T("K8")), caption);
}

TEST_F(StdDlgWine, CapturedFindDialogReadsItsControls) {
  HWND owner = MakeOwner();
  FINDREPLACE& fr = FindParams(owner);
  std::unique_ptr<CStdDlgSet> keep = std::move(g_set);  // no translation while capturing
  HWND d = FindText(&fr);
  ASSERT_NE(nullptr, d);
  CStdDlgRecognizer r(LWV_STDDLG_FIND);
  r.BeginCapture();
  r.CaptureFromWindow(d);
  DestroyWindow(d);
  g_set = std::move(keep);
  DestroyWindow(owner);
  EXPECT_EQ(CString(_T("Find")), r.GetCaption());
  EXPECT_EQ(CString(_T("Fi&nd What:")), r.GetControlText(0)) << "the first unnamed static";
  for (int i = 0; i < r.GetControlCount(); ++i) {
    EXPECT_NE(CString(_T("Error")), r.GetControlText(i)) << i;
    EXPECT_GT(r.GetControlWidth(i), 0) << i;
    EXPECT_GT(r.GetControlHeight(i), 0) << i;
  }
  EXPECT_EQ(TRA_STATIC, r.GetControlKind(0));
}

}  // namespace

namespace {

TEST_F(StdDlgWine, CaptureReadsEveryKindOnceAndClosesIt) {
  std::unique_ptr<CStdDlgSet> keep = std::move(g_set);  // the wizard captures with translation suspended
  UINT_PTR dog = SetTimer(nullptr, 0, 8000, Watchdog);
  g_watchdogFired = false;
  for (int kind : {0, 2, 3, 4, 5, 6, 7, 8}) {
    CStdDlgRecognizer r(kind);
    ASSERT_TRUE(r.Capture()) << "kind " << kind;
    EXPECT_FALSE(r.GetCaption().IsEmpty()) << "kind " << kind;
    int errors = 0;
    for (int i = 0; i < r.GetModel().controlCount; ++i) {
      if (r.GetControlText(i) == _T("Error")) {
        ++errors;
        continue;
      }
      EXPECT_GT(r.GetControlWidth(i), 0) << "kind " << kind << " entry " << i;
    }
    // Wine's page setup has no Help button; every other control is there.
    EXPECT_EQ(kind == 6 ? 1 : 0, errors) << "kind " << kind;
    // Texts of comdlg32's table that Wine lacks are empty, never "Error".
    for (int i = r.GetModel().controlCount; i < r.GetControlCount(); ++i)
      if (r.GetModel().entries[static_cast<size_t>(i)].stringId) {
        EXPECT_NE(CString(_T("Error")), r.GetControlText(i));
      }
  }
  KillTimer(nullptr, dog);
  EXPECT_FALSE(g_watchdogFired);
  CStdDlgRecognizer empty(LWV_STDDLG_FILEOPEN);
  EXPECT_FALSE(empty.Capture()) << "a kind without a model shows nothing and fails";
  g_set = std::move(keep);
}

}  // namespace
