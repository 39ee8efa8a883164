#include "ControlsTestUi.h"

#include <gtest/gtest.h>

namespace {

using lwtest::PumpUntil;

enum : WORD { kFirst = 10, kSecond = 11, kThird = 12 };

lw::DialogTemplate ThreeEdits(LPCTSTR caption) {
  lw::DialogTemplate t(caption, WS_POPUP | WS_CAPTION | WS_VISIBLE, 20, 20, 160, 80);
  for (WORD id : {kFirst, kSecond, kThird})
    t.AddControl(lw::DialogTemplate::kEdit, _T(""), id, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 5,
                 static_cast<short>(5 + 16 * (id - kFirst)), 100, 12);
  return t;
}

class CClosingDialog : public CDialog {
 public:
  void OnCancel() override { DestroyWindow(); }
};

// An edit that swallows digits and leaves every other character to the
// control's own procedure.
class CNoDigitsEdit : public CEdit {
 public:
  int charsSeen = 0;
  int ncDestroys = 0;
  void OnChar(UINT ch, UINT, UINT) {
    ++charsSeen;
    if (ch >= '0' && ch <= '9') return;
    Default();
  }
  LRESULT OnNcDestroyMsg(WPARAM, LPARAM) {
    ++ncDestroys;
    return Default();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNoDigitsEdit, CEdit)
  ON_WM_CHAR()
  ON_MESSAGE(WM_NCDESTROY, OnNcDestroyMsg)
END_MESSAGE_MAP()

void Type(CWnd& edit, LPCTSTR text) {
  for (; *text; ++text) edit.SendMessage(WM_CHAR, static_cast<WPARAM>(static_cast<TBYTE>(*text)), 1);
}

class WindowLifeTest : public ::testing::Test {
 protected:
  void SetUp() override { lwtest::InitControls(); }
  lwtest::Watchdog watchdog{60};
};

// A live EDIT of a dialog taken over: the handler's Default() reaches the
// edit's own procedure; given back, the edit works as before.
TEST_F(WindowLifeTest, SubclassedEditDefaultsToItsOwnProcedure) {
  lw::DialogTemplate t = ThreeEdits(_T("Unterklasse"));
  CClosingDialog dialog;
  ASSERT_TRUE(dialog.CreateIndirect(t.Get()));
  HWND live = ::GetDlgItem(dialog.m_hWnd, kFirst);
  WNDPROC original = reinterpret_cast<WNDPROC>(::GetWindowLongPtr(live, GWLP_WNDPROC));
  CNoDigitsEdit edit;
  ASSERT_TRUE(edit.SubclassDlgItem(kFirst, &dialog));
  EXPECT_EQ(CWnd::FromHandlePermanent(live), &edit);
  Type(edit, _T("a1b2\xe4"));
  EXPECT_EQ(edit.charsSeen, 5);
  EXPECT_EQ(edit.GetWindowTextString(), CString(_T("ab\xe4")));
  edit.SetSel(0, 1);
  edit.ReplaceSel(_T("X"));
  EXPECT_EQ(edit.GetWindowTextString(), CString(_T("Xb\xe4")));
  EXPECT_EQ(edit.UnsubclassWindow(), live);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtr(live, GWLP_WNDPROC)), original);
  EXPECT_EQ(CWnd::FromHandlePermanent(live), nullptr);
  ::SendMessage(live, EM_SETSEL, 3, 3);
  Type(*CWnd::FromHandle(live), _T("3"));
  EXPECT_EQ(CWnd::FromHandle(live)->GetWindowTextString(), CString(_T("Xb\xe4" "3")));
  EXPECT_EQ(edit.charsSeen, 5);
  // Taken over again, the window's end lets the object go.
  ASSERT_TRUE(edit.SubclassDlgItem(kFirst, &dialog));
  dialog.DestroyWindow();
  EXPECT_EQ(edit.m_hWnd, nullptr);
  EXPECT_EQ(edit.ncDestroys, 1);
}

// One C++ object makes its window, loses it and makes it again, many times.
TEST_F(WindowLifeTest, SameObjectCreatedAndDestroyedManyTimes) {
  lw::DialogTemplate t = ThreeEdits(_T("Ansicht"));
  CClosingDialog parent;
  ASSERT_TRUE(parent.CreateIndirect(t.Get()));
  CNoDigitsEdit edit;
  for (int round = 1; round <= 50; ++round) {
    SCOPED_TRACE(round);
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(-10, -10, -5, -5), &parent, 123));
    HWND hwnd = edit.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &edit);
    EXPECT_EQ(edit.GetDlgCtrlID(), 123);
    edit.MoveWindow(5, 60, 100, 14, FALSE);
    Type(edit, _T("x9y"));
    EXPECT_EQ(edit.GetWindowTextString(), CString(_T("xy")));
    EXPECT_FALSE(edit.Create(WS_CHILD, CRect(0, 0, 1, 1), &parent, 124)) << "one window at a time";
    EXPECT_TRUE(edit.DestroyWindow());
    EXPECT_EQ(edit.m_hWnd, nullptr);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_EQ(edit.ncDestroys, round);
  }
  EXPECT_EQ(edit.charsSeen, 150);
  parent.DestroyWindow();

  // A modeless dialog object shown again and again from a new template each time.
  CClosingDialog preview;
  for (int round = 1; round <= 20; ++round) {
    SCOPED_TRACE(round);
    CString caption;
    caption.Format(_T("Vorschau %d"), round);
    lw::DialogTemplate t = ThreeEdits(caption);
    ASSERT_TRUE(preview.CreateIndirect(t.Get()));
    HWND hwnd = preview.m_hWnd;
    EXPECT_EQ(preview.GetWindowTextString(), caption);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(hwnd, kFirst)), nullptr) << "controls stay unbound";
    EXPECT_TRUE(preview.DestroyWindow());
    EXPECT_EQ(preview.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
  }
}

// Windows that delete their object when their window is gone.
int g_deleted = 0;

class CSelfDeletingWnd : public CWnd {
 public:
  ~CSelfDeletingWnd() override { ++g_deleted; }
  void PostNcDestroy() override { delete this; }
};

class CSelfDeletingDialog : public CDialog {
 public:
  ~CSelfDeletingDialog() override { ++g_deleted; }
  void OnCancel() override { DestroyWindow(); }
  void PostNcDestroy() override { delete this; }
};

TEST_F(WindowLifeTest, SelfDeletingModelessWindows) {
  g_deleted = 0;
  auto* popup = new CSelfDeletingWnd;
  ASSERT_TRUE(popup->CreateEx(0, nullptr, _T("Position"), WS_POPUP | WS_VISIBLE, CRect(0, 0, 80, 40), nullptr, 0));
  HWND hwnd = popup->m_hWnd;
  ::DestroyWindow(hwnd);  // as the system would, not through the object
  EXPECT_EQ(g_deleted, 1);
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);

  // A modeless dialog closed by Escape in the program's loop.
  lw::DialogTemplate t = ThreeEdits(_T("Sonderzeichen"));
  auto* dialog = new CSelfDeletingDialog;
  ASSERT_TRUE(dialog->CreateIndirect(t.Get()));
  HWND box = dialog->m_hWnd;
  HWND edit = ::GetDlgItem(box, kFirst);
  ::SetFocus(edit);
  ::PostMessage(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  EXPECT_TRUE(PumpUntil([&] { return g_deleted == 2; }));
  EXPECT_FALSE(::IsWindow(box));
  EXPECT_EQ(CWnd::FromHandlePermanent(box), nullptr);
}

// Tab in a modeless dialog moves the focus: the program's loop hands the
// key to the dialog manager through PreTranslateMessage.
class CFocusEdit : public CEdit {
 public:
  int focusGained = 0;
  void OnSetFocus(CWnd*) {
    ++focusGained;
    Default();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFocusEdit, CEdit)
  ON_WM_SETFOCUS()
END_MESSAGE_MAP()

TEST_F(WindowLifeTest, ModelessDialogGetsTabThroughTheLoop) {
  lwtest::DesktopInputLock input;
  lw::DialogTemplate t = ThreeEdits(_T("Tabulator"));
  CClosingDialog dialog;
  ASSERT_TRUE(dialog.CreateIndirect(t.Get()));
  CFocusEdit second;
  ASSERT_TRUE(second.SubclassDlgItem(kSecond, &dialog));
  ::SetForegroundWindow(dialog.m_hWnd);
  HWND first = ::GetDlgItem(dialog.m_hWnd, kFirst);
  ::SetFocus(first);
  EXPECT_EQ(second.focusGained, 0);
  ::PostMessage(first, WM_KEYDOWN, VK_TAB, 0x000F0001);
  ::PostMessage(first, WM_CHAR, VK_TAB, 0x000F0001);
  EXPECT_TRUE(PumpUntil([&] { return second.focusGained == 1; }));
  CString text;
  dialog.GetDlgItemText(kFirst, text);
  EXPECT_EQ(text, CString()) << "the Tab was not typed into the edit";
  // Without the dialog's PreTranslateMessage the key goes to the edit itself.
  ::PostMessage(second.m_hWnd, WM_KEYDOWN, VK_TAB, 0x000F0001);
  MSG msg;
  while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessage(&msg);
  EXPECT_EQ(second.focusGained, 1);
  dialog.DestroyWindow();
}

}  // namespace
