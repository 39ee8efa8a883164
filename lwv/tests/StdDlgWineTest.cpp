// Message boxes, property sheets, wizards and the nine common dialogs shown
// for real and translated through the library's own hooks (LWStart with the
// test tree, this thread added): the button model, the common-dialog set and
// the live-text handlers get their messages as in a program. Every dialog is
// inspected and closed by the UI test kit's driver.
#include "LwvSDK.h"
#include "StdButtonModel.h"
#include "StdDlgHook.h"
#include "StdDlgRecognizer.h"
#include "StdDlgTestTree.h"
#include "TraNode.h"
#include "TranslationManager.h"
#include "UiTestKit.h"

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {

using stddlgtest::ItemText;
using stddlgtest::kButtonTexts;

bool IsModeless(HWND h) {
  return GetDlgItem(h, edt1) && GetParent(h) && !GetDlgItem(h, cmb2) && (GetDlgItem(h, chx1) || GetDlgItem(h, psh1)) &&
         !GetDlgItem(h, grp4) && !GetDlgItem(h, stc1);
}

// Ends a dialog the way its kind ends.
void CloseDialog(HWND h) {
  if (CStdButtonModel::IsPropertySheet(h)) {
    SendMessage(h, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  } else if (IsModeless(h)) {
    DestroyWindow(h);
  } else if (lwtest::IsMessageBox(h)) {
    EndDialog(h, IDCANCEL);
  } else {
    PostMessage(h, WM_COMMAND, IDCANCEL, 0);
  }
}

// A box the dialog under test opens (captioned "Print"): read and closed at once.
struct NestedBox {
  CString text;
  int width = 0;
};
NestedBox g_nested;

HWND FindNestedBox() {
  return lwtest::FindOwnWindowIf([](HWND w) { return lwtest::IsMessageBox(w) && lwtest::WindowText(w) == _T("Print"); });
}

void ReadNestedBox(HWND box) {
  g_nested.text = lwtest::MessageBoxText(box);
  RECT r;
  GetWindowRect(GetDlgItem(box, 0xFFFF), &r);
  g_nested.width = r.right - r.left;
  EndDialog(box, IDOK);
}

// Runs show(); once the dialog is up and this thread idle, first and
// stimulate look at it and change it, then (idle again) second looks and
// the dialog is closed.
void RunDialog(const std::function<void()>& show, const std::function<void(HWND)>& first,
               const std::function<void(HWND)>& stimulate = nullptr, const std::function<void(HWND)>& second = nullptr) {
  HWND dialog = nullptr;
  lwtest::ModalDriver driver({
      lwtest::When(_T("the dialog under test"), lwtest::Settled([] { return lwtest::FindOwnDialog(); }),
                   [&](HWND h) {
                     dialog = h;
                     first(h);
                     if (stimulate) stimulate(h);
                   }),
      {_T("the dialog after its change"), [&] {
         if (!lwtest::ThreadSettled()) return false;
         if (second) second(dialog);
         CloseDialog(dialog);
         return true;
       }},
  });
  driver.AnswerEvery(lwtest::When(_T("a box of the dialog"), FindNestedBox, ReadNestedBox));
  show();
  EXPECT_TRUE(driver.Finished()) << "the dialog had to be closed by the driver";
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
    stddlgtest::AddThrowawayPrinter();
    s_started = stddlgtest::StartLibraryWithTree(_T("stddlg_wine"));
  }
  static void TearDownTestSuite() { LWEnd(); }
  void SetUp() override { ASSERT_TRUE(s_started && LwGetManager()); }
  static CTraNode* Root() { return LwGetManager()->GetCurrentFile()->GetRootNode(); }
  // Capturing reads the system's own texts: translation suspended meanwhile.
  struct Suspended {
    Suspended() { LwGetManager()->SetBusy(true); }
    ~Suspended() { LwGetManager()->SetBusy(false); }
  };
  static bool s_started;
  lwtest::Watchdog m_watchdog{120};
};
bool StdDlgWine::s_started = false;

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

// The translation is the library's: it ends with LWEnd and comes back with
// the next start (hooks of the test's own would go on translating).
TEST_F(StdDlgWine, TranslationComesFromTheLibraryAndEndsWithIt) {
  struct Seen {
    CString caption, ok;
  };
  auto show = [] {
    Seen seen;
    RunDialog([] { MessageBox(nullptr, _T("Text"), _T("Frage"), MB_OKCANCEL); },
              [&](HWND h) {
                seen.caption = Text(h);
                seen.ok = ItemOf(h, IDOK);
              });
    return seen;
  };
  Seen started = show();
  EXPECT_EQ(CString(_T("Question")), started.caption);
  EXPECT_EQ(CString(_T("Jawohl")), started.ok);
  LWEnd();
  Seen ended = show();
  EXPECT_EQ(CString(_T("Frage")), ended.caption);
  EXPECT_NE(CString(_T("Jawohl")), ended.ok);
  ASSERT_TRUE(stddlgtest::StartLibraryWithTree(_T("stddlg_wine")));
  Seen again = show();
  EXPECT_EQ(CString(_T("Question")), again.caption);
  EXPECT_EQ(CString(_T("Jawohl")), again.ok);
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
  CTranslationManager* manager = LwGetManager();
  CStdButtonModel model;
  lwtest::WaitingFor waiting(_T("the captured dialogs to close by themselves"));
  const int types[] = {0, 1, 2, 3, 4, 5};
  for (int t : types) {
    CStdButtonModel one;
    manager->SetCaptureModel(&one);
    one.CaptureOne(t);
    for (int id : LwButtonsOfKind(t)) {
      int i = LwButtonIndex(id);
      EXPECT_EQ(id, one.GetId(i)) << "type " << t;
      EXPECT_GT(one.GetWidth(i), 0) << "type " << t << " id " << id;
      EXPECT_GT(one.GetHeight(i), 0) << "type " << t << " id " << id;
      EXPECT_FALSE(one.GetText(i).IsEmpty());
    }
  }
  manager->SetCaptureModel(&model);
  model.CaptureOne(LWV_MB_PROPSHEET);
  model.CaptureOne(LWV_MB_WIZARD);
  manager->SetCaptureModel(nullptr);
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
        [&](HWND h) { SetDlgItemText(h, cmb13, _T("abc")); },
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
        typeLabel = ItemOf(h, stc2);
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
        [&](HWND h) { SetDlgItemText(h, edt1, _T("neu")); },
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
    bool shown = false;
    RunDialog(
        [&] { shown = stddlgtest::RunPrintDialog(setup); },
        [&](HWND h) {
          caption = Text(h);
          status = ItemOf(h, stc12);
          ExpectControlsTranslated(h, kind, "after initialisation");
        },
        [&](HWND h) {
          // Choosing the printer again makes the dialog set its status anew.
          HWND combo = GetDlgItem(h, setup ? cmb1 : cmb4);
          SendMessage(h, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        },
        [&](HWND h) {
          status2 = ItemOf(h, stc12);
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
  // The third of the print dialog's message-box texts: "from" beyond "to".
  const LwStdDlgLiveText boxes = LwStdDlgLiveTexts(LWV_STDDLG_PRINT, LWV_ID_STRING_ONLY).at(0);
  CString original = LwLoadComdlgString(boxes.firstString + 2);
  ASSERT_FALSE(original.IsEmpty());
  int widthBefore = 0;
  RunDialog(
      [&] { stddlgtest::RunPrintDialog(); },
      [&](HWND h) {
        // Without the print dialog's handler the text stays.
        LwPrintDlgHook().Deactivate();
        MessageBox(h, original, _T("Print"), MB_OK);
        EXPECT_EQ(original, g_nested.text);
        widthBefore = g_nested.width;
      },
      [&](HWND h) {
        ASSERT_TRUE(LwStdDlgHookOfKind(4)->Attach(
            Root()->FindPath(std::vector<CString>{TRA_SECTION_DIALOGS, _T("eStddlgPrint")}.data(), 2), h));
        MessageBox(h, original, _T("Print"), MB_OK);
      });
  EXPECT_EQ(CString(_T("Die Angabe 'von' darf nicht groesser als die Angabe 'bis' sein, bitte korrigieren.")),
            g_nested.text);
  EXPECT_GT(g_nested.width, widthBefore) << "the longer translation widens the text";
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
        margins = ItemOf(h, grp4);
        ExpectControlsTranslated(h, 6, "after initialisation");
      },
      [&](HWND h) { SetDlgItemText(h, grp4, _T("Margins [mm]")); },  // as the dialog sets it
      [&](HWND h) {
        margins2 = ItemOf(h, grp4);
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
        HWND colours = GetDlgItem(h, cmb4);
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
        HWND fonts = GetDlgItem(h, cmb1);
        SendMessage(fonts, CB_SETCURSEL, 1, 0);
        SendMessage(h, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(fonts));
      },
      [&](HWND h) {
        TCHAR b[64] = {0};
        SendDlgItemMessage(h, cmb4, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(b));
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
  Suspended suspended;
  HWND d = FindText(&fr);
  ASSERT_NE(nullptr, d);
  CStdDlgRecognizer r(LWV_STDDLG_FIND);
  r.BeginCapture();
  r.CaptureFromWindow(d);
  DestroyWindow(d);
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
  Suspended suspended;  // as the wizard captures
  lwtest::WaitingFor waiting(_T("the captured dialogs to close by themselves"));
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
  CStdDlgRecognizer empty(LWV_STDDLG_FILEOPEN);
  EXPECT_FALSE(empty.Capture()) << "a kind without a model shows nothing and fails";
}

}  // namespace

