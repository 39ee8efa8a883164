#include "ReporterCapture.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

using lwtest::ModalDriver;
using lwtest::Step;

enum : WORD { kName = 1001, kCount = 1002, kSize = 1003, kCheck = 1004, kRadio1 = 1005, kRadio2, kRadio3,
              kList = 1008, kDropList = 1009, kDropDown = 1010, kListBox = 1011, kDone = 1012 };

// A dialog with one control of every kind the data exchange serves.
lw::DialogTemplate MakeTemplate() {
  lw::DialogTemplate t(_T("Daten"), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 200, 180);
  using T = lw::DialogTemplate;
  t.AddControl(T::kEdit, _T(""), kName, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 5, 5, 90, 12);
  t.AddControl(T::kEdit, _T(""), kCount, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 20, 90, 12);
  t.AddControl(T::kEdit, _T(""), kSize, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 35, 90, 12);
  t.AddControl(T::kButton, _T("Pr\xfc" "fen"), kCheck, WS_VISIBLE | WS_TABSTOP | BS_AUTO3STATE, 5, 50, 90, 10);
  t.AddControl(T::kButton, _T("Eins"), kRadio1, WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 5, 62, 60, 10);
  t.AddControl(T::kButton, _T("Zwei"), kRadio2, WS_VISIBLE | BS_AUTORADIOBUTTON, 5, 74, 60, 10);
  t.AddControl(T::kButton, _T("Drei"), kRadio3, WS_VISIBLE | BS_AUTORADIOBUTTON, 5, 86, 60, 10);
  t.AddControl(T::kComboBox, _T(""), kDropList, WS_VISIBLE | WS_GROUP | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 100, 5, 90, 60);
  t.AddControl(T::kComboBox, _T(""), kDropDown, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL, 100, 25, 90, 60);
  t.AddControl(T::kListBox, _T(""), kListBox, WS_VISIBLE | WS_TABSTOP | WS_BORDER | LBS_NOTIFY, 100, 45, 90, 40);
  t.AddControl(T::kButton, _T("OK"), IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 40, 150, 50, 14);
  t.AddControl(T::kButton, _T("Abbrechen"), IDCANCEL, WS_VISIBLE | WS_TABSTOP, 100, 150, 50, 14);
  return t;
}

class CDataDialog : public CDialog {
 public:
  CString m_name;
  int m_count = 0;
  UINT m_size = 0;
  int m_check = 0;
  int m_radio = -1;
  int m_dropIndex = -1;
  CString m_dropDownText;
  int m_listIndex = -1;
  CComboBox m_dropList;
  int initCalls = 0;

  BOOL OnInitDialog() override {
    ++initCalls;
    // Controls exist before the exchange fills them.
    for (LPCTSTR item : {_T("rot"), _T("gr\xfcn"), _T("blau")}) {
      ::SendDlgItemMessage(m_hWnd, kDropList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      ::SendDlgItemMessage(m_hWnd, kDropDown, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      ::SendDlgItemMessage(m_hWnd, kListBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    return CDialog::OnInitDialog();
  }
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, kDropList, m_dropList);
    DDX_Text(dx, kName, m_name);
    DDV_MaxChars(dx, m_name, 8);
    DDX_Text(dx, kCount, m_count);
    DDV_MinMaxInt(dx, m_count, -5, 100);
    DDX_Text(dx, kSize, m_size);
    DDX_Check(dx, kCheck, m_check);
    DDX_Radio(dx, kRadio1, m_radio);
    DDX_CBIndex(dx, kDropList, m_dropIndex);
    DDX_CBString(dx, kDropDown, m_dropDownText);
    DDX_LBIndex(dx, kListBox, m_listIndex);
  }
};

CString Text(HWND dialog, int id) {
  CString text;
  CWnd::FromHandle(dialog)->GetDlgItemText(id, text);
  return text;
}

// Finds the data dialog of this thread (the only one up before a message box).
HWND DataDialogWindow() {
  auto dialogs = lwtest::OwnDialogs();
  return dialogs.size() == 1 ? dialogs[0] : nullptr;
}

TEST(Dialog, DataExchangeRoundTrip) {
  lw::DialogTemplate t = MakeTemplate();
  CDataDialog dialog;
  dialog.m_name = _T("Anna");
  dialog.m_count = -5;
  dialog.m_size = 4000000000u;
  dialog.m_check = 2;
  dialog.m_radio = 1;
  dialog.m_dropIndex = 2;
  dialog.m_dropDownText = _T("frei");
  dialog.m_listIndex = 0;
  ASSERT_TRUE(dialog.InitModalIndirect(t.Get()));
  HWND seen = nullptr;
  ModalDriver script({
      {_T("the data dialog"), [&] {
        seen = DataDialogWindow();
        if (!seen) return false;
        EXPECT_EQ(Text(seen, kName), CString(_T("Anna")));
        EXPECT_EQ(Text(seen, kCount), CString(_T("-5")));
        EXPECT_EQ(Text(seen, kSize), CString(_T("4000000000")));
        EXPECT_EQ(::IsDlgButtonChecked(seen, kCheck), static_cast<UINT>(BST_INDETERMINATE));
        EXPECT_EQ(::IsDlgButtonChecked(seen, kRadio2), static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(::IsDlgButtonChecked(seen, kRadio1), static_cast<UINT>(BST_UNCHECKED));
        EXPECT_EQ(::SendDlgItemMessage(seen, kDropList, CB_GETCURSEL, 0, 0), 2);
        EXPECT_EQ(Text(seen, kDropDown), CString(_T("frei")));
        EXPECT_EQ(::SendDlgItemMessage(seen, kListBox, LB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(dialog.m_dropList.m_hWnd, ::GetDlgItem(seen, kDropList));  // DDX_Control bound it
        // The user changes everything.
        ::SetDlgItemText(seen, kName, _T("Bernd"));
        ::SetDlgItemText(seen, kCount, _T(" 100 "));
        ::SetDlgItemText(seen, kSize, _T("0"));
        ::CheckDlgButton(seen, kCheck, BST_UNCHECKED);
        ::CheckRadioButton(seen, kRadio1, kRadio3, kRadio3);
        ::SendDlgItemMessage(seen, kDropList, CB_SETCURSEL, 0, 0);
        ::SetDlgItemText(seen, kDropDown, _T("gr\xfcn"));
        ::SendDlgItemMessage(seen, kListBox, LB_SETCURSEL, 2, 0);
        ::PostMessage(seen, WM_COMMAND, IDOK, 0);
        return true;
      }},
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_FALSE(script.TimedOut());
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(dialog.initCalls, 1);
  EXPECT_EQ(dialog.m_name, CString(_T("Bernd")));
  EXPECT_EQ(dialog.m_count, 100);
  EXPECT_EQ(dialog.m_size, 0u);
  EXPECT_EQ(dialog.m_check, 0);
  EXPECT_EQ(dialog.m_radio, 2);
  EXPECT_EQ(dialog.m_dropIndex, 0);
  EXPECT_EQ(dialog.m_dropDownText, CString(_T("gr\xfcn")));
  EXPECT_EQ(dialog.m_listIndex, 2);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(dialog.m_dropList.m_hWnd, nullptr);  // detached when its window went
  EXPECT_EQ(CWnd::FromHandlePermanent(seen), nullptr);
}

// Bad input: a message box tells the user, the dialog stays open with the
// focus on the control, and nothing is stored.
TEST(Dialog, ValidationFailureKeepsTheDialogOpen) {
  struct Case {
    int control;
    LPCTSTR badText;
    LPCTSTR goodText;
    LPCTSTR expectedInBox;
  } cases[] = {
      {kCount, _T("12x"), _T("12"), _T("ganze Zahl")},
      {kCount, _T("2147483648"), _T("7"), _T("ganze Zahl")},
      {kCount, _T("101"), _T("100"), _T("zwischen -5 und 100")},
      {kCount, _T(""), _T("0"), _T("ganze Zahl")},
      {kSize, _T("-1"), _T("1"), _T("positive")},
      {kName, _T("neun Zeic"), _T("acht Zei"), _T("8 Zeichen")},
  };
  lw::DialogTemplate t = MakeTemplate();
  for (const Case& c : cases) {
    CDataDialog dialog;
    dialog.m_name = _T("x");
    dialog.m_count = 3;
    dialog.m_size = 5;
    ASSERT_TRUE(dialog.InitModalIndirect(t.Get()));
    HWND dlg = nullptr;
    CString boxText;
    bool stillOpen = false;
    HWND focusAfter = nullptr;
    HWND control = nullptr;
    bool dialogActive = false;
    ModalDriver script({
        {_T("the data dialog"), [&] {
          dlg = DataDialogWindow();
          if (!dlg) return false;
          ::SetDlgItemText(dlg, c.control, c.badText);
          ::PostMessage(dlg, WM_COMMAND, IDOK, 0);
          return true;
        }},
        {_T("the message box about the bad entry"), [&] {
          HWND box = lwtest::FindOwnDialog(CString(), dlg);
          if (!box) return false;
          boxText = lwtest::MessageBoxText(box);
          ::PostMessage(box, WM_COMMAND, IDOK, 0);
          return true;
        }},
        {_T("the message box closed"), [&] {
          if (lwtest::FindOwnDialog(CString(), dlg)) return false;  // box still closing
          stillOpen = ::IsWindow(dlg) && ::IsWindowVisible(dlg);
          focusAfter = ::GetFocus();
          // Other test programs share the display and may take the activation;
          // the focus belongs to this thread only while its dialog is active.
          dialogActive = ::GetActiveWindow() == dlg;
          control = ::GetDlgItem(dlg, c.control);
          ::SetDlgItemText(dlg, c.control, c.goodText);
          ::PostMessage(dlg, WM_COMMAND, IDOK, 0);
          return true;
        }},
    });
    EXPECT_EQ(dialog.DoModal(), IDOK) << c.badText;
    EXPECT_FALSE(script.TimedOut()) << c.badText;
    EXPECT_NE(boxText.Find(c.expectedInBox), -1) << c.badText;
    EXPECT_TRUE(stillOpen) << c.badText;
    EXPECT_NE(control, nullptr);
    if (dialogActive) {
      EXPECT_EQ(focusAfter, control) << c.badText;
    }
    if (c.control == kName) {
      EXPECT_EQ(dialog.m_name, CString(c.goodText));
    } else if (c.control == kCount) {
      EXPECT_EQ(dialog.m_count, _ttoi(c.goodText));
    } else {
      EXPECT_EQ(dialog.m_size, static_cast<UINT>(_ttoi(c.goodText)));
    }
  }
}

TEST(Dialog, ParseNumbers) {
  struct Case {
    LPCTSTR text;
    BOOL ok;
    int value;
  } ints[] = {
      {_T("0"), TRUE, 0},           {_T(" 42 "), TRUE, 42},    {_T("+7"), TRUE, 7},
      {_T("-2147483648"), TRUE, -2147483647 - 1},              {_T("2147483647"), TRUE, 2147483647},
      {_T("2147483648"), FALSE, 0}, {_T("-2147483649"), FALSE, 0}, {_T(""), FALSE, 0},
      {_T("-"), FALSE, 0},          {_T("1 2"), FALSE, 0},     {_T("0x10"), FALSE, 0},
      {_T("99999999999999999999999"), FALSE, 0},
  };
  for (const Case& c : ints) {
    int value = -99;
    EXPECT_EQ(lw::ParseInt(c.text, value), c.ok) << CStringA(c.text).GetString();
    EXPECT_EQ(value, c.ok ? c.value : -99);  // untouched on failure
  }
  UINT u = 0;
  EXPECT_TRUE(lw::ParseUInt(_T("4294967295"), u));
  EXPECT_EQ(u, 4294967295u);
  EXPECT_FALSE(lw::ParseUInt(_T("4294967296"), u));
  EXPECT_FALSE(lw::ParseUInt(_T("-1"), u));
}

// A dialog from the test's own resources, ended by its own timer; a handler
// that asks for the default processing gets it at once.
class CResourceDialog : public CDialog {
 public:
  CResourceDialog() : CDialog(IDD_TEST_RESOURCE) {}
  CString captionSeen;
  LRESULT defaultHitTest = 0;
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    GetWindowText(captionSeen);
    SetTimer(7, 20, nullptr);
    return TRUE;
  }
  void OnTimer(UINT_PTR id) {
    if (id != 7) return;
    KillTimer(7);
    CRect client;
    GetClientRect(&client);
    CPoint center = client.CenterPoint();
    ClientToScreen(&center);
    defaultHitTest = SendMessage(WM_NCHITTEST, 0, MAKELPARAM(center.x, center.y));
    EndDialog(1234);
  }
  LRESULT OnNcHitTest(CPoint point) { return CDialog::OnNcHitTest(point) + 500; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CResourceDialog, CDialog)
  ON_WM_TIMER()
  ON_WM_NCHITTEST()
END_MESSAGE_MAP()

TEST(Dialog, ModalFromResourceEndsWithItsResult) {
  CResourceDialog dialog;
  lwtest::Watchdog dog(60);
  EXPECT_EQ(dialog.DoModal(), 1234);
  EXPECT_EQ(dialog.captionSeen, CString(_T("Pr\xfc" "fdialog")));
  EXPECT_EQ(dialog.defaultHitTest, HTCLIENT + 500);
}

TEST(Dialog, MissingTemplateFailsCleanly) {
  CDialog dialog(4321);
  EXPECT_EQ(dialog.DoModal(), -1);
  CDialog none;
  EXPECT_EQ(none.DoModal(), -1);
  EXPECT_FALSE(none.Create(4321));
}

class CModeless : public CDialog {
 public:
  bool ended = false;
  int cancels = 0;
  void OnCancel() override { ++cancels; DestroyWindow(); }
  void PostNcDestroy() override { ended = true; }
};

TEST(Dialog, ModelessDialogLivesUntilDestroyed) {
  lw::DialogTemplate t(_T("Nicht modal"), WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 100, 60);
  t.AddControl(lw::DialogTemplate::kEdit, _T("abc"), 10, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 5, 60, 12);
  t.AddControl(lw::DialogTemplate::kButton, _T("Schlie\xdf" "en"), IDCANCEL, WS_VISIBLE | WS_TABSTOP, 5, 25, 50, 14);
  CModeless dialog;
  ASSERT_TRUE(dialog.CreateIndirect(t.Get()));
  HWND hwnd = dialog.m_hWnd;
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &dialog);
  EXPECT_TRUE(::IsWindowVisible(hwnd));
  CString text;
  dialog.GetDlgItemText(10, text);
  EXPECT_EQ(text, CString(_T("abc")));
  // Escape through the program's loop reaches the dialog manager by PreTranslateMessage.
  MSG msg{::GetDlgItem(hwnd, 10), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {0, 0}};
  EXPECT_TRUE(CWnd::WalkPreTranslateTree(nullptr, &msg));
  EXPECT_TRUE(lwtest::WaitUntil(_T("the modeless dialog gone"), [&] { return !::IsWindow(hwnd); }));
  EXPECT_EQ(dialog.cancels, 1);
  EXPECT_TRUE(dialog.ended);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

}  // namespace

namespace {

// The system's modal loop still gives the windows their PreTranslateMessage.
class CFilteringDialog : public CDialog {
 public:
  int keysSeen = 0;
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN && msg->wParam == 'Q') {
      ++keysSeen;
      return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
  }
};

TEST(Dialog, ModalLoopRunsPreTranslateMessage) {
  lw::DialogTemplate t(_T("Filter"), WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 100, 50);
  t.AddControl(lw::DialogTemplate::kEdit, _T(""), 10, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 5, 60, 12);
  CFilteringDialog dialog;
  dialog.InitModalIndirect(t.Get());
  HWND dlg = nullptr;
  ModalDriver script({
      {_T("the dialog Filter"), [&] {
        dlg = DataDialogWindow();
        if (!dlg) return false;
        ::PostMessage(::GetDlgItem(dlg, 10), WM_KEYDOWN, 'Q', 1);
        ::PostMessage(::GetDlgItem(dlg, 10), WM_KEYDOWN, 'R', 1);
        return true;
      }},
      {_T("the dialog Filter after the keys"), [&] {
        ::PostMessage(dlg, WM_COMMAND, IDCANCEL, 0);
        return true;
      }},
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(dialog.keysSeen, 1);
}

}  // namespace
