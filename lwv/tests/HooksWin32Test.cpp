// The hooks on live windows of this thread: dialogs and pages with their
// layout, menus, the system menu, status bar, tooltips and the switch
// command, read back from the windows. Modeless windows only; a watchdog
// ends the process should anything hang.
#include "DialogTemplate.h"
#include "Hooks.h"
#include "HooksFakes.h"
#include "LwFileInfo.h"
#include "LwvSDK.h"
#include "LwvWindows.h"
#include "TraFile.h"
#include "TranslationManager.h"
#include "UiTestKit.h"
#include "Win32Access.h"

#include "FrameWnd.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

const UINT kSwitchId = 0x1234;
const TCHAR kLongTip[] = _T("Lang");

using hookstest::Add;
using hookstest::R;

// fr: the same originals with French translations (a second language of the program).
CTraFile* MakeFile(bool fr = false) {
  CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  CTraNode* menus = Add(root, TRA_SECTION_MENUS, _T("Menu"), TRA_MENUGROUP);
  CTraNode* main = Add(menus, _T("IDR_MAIN"), _T("IDR_MAIN"), TRA_MENU);
  CTraNode* file = Add(main, _T("&Datei"), fr ? _T("&Fichier") : _T("&File"), TRA_POPUP);
  Add(file, _T("\u00D6&ffnen"), fr ? _T("&Ouvrir") : _T("&Open"), TRA_MENUITEM);
  Add(file, _T("&Beenden"), _T("E&xit"), TRA_MENUITEM);
  CTraNode* help = Add(main, _T("&Hilfe"), _T("&Help"), TRA_POPUP);
  Add(help, _T("&Info"), _T("&About"), TRA_MENUITEM);
  CTraNode* ctx = Add(Add(menus, _T("IDR_CONTEXT"), _T("IDR_CONTEXT"), TRA_MENU), _T("Kontext"), _T("Context"),
                      TRA_POPUP);
  Add(ctx, _T("&Kopieren"), _T("&Copy"), TRA_MENUITEM);
  CTraNode* sys = Add(Add(menus, TRA_SYSTEM_MENU, TRA_SYSTEM_MENU, TRA_MENU), TRA_SYSTEM_POPUP, TRA_SYSTEM_POPUP,
                      TRA_POPUP);
  const TCHAR* sysTexts[] = {_T("&Wiederherstellen"), _T("&Verschieben"), _T("&Gr\u00F6\u00DFe"), _T("Mi&nimieren"),
                             _T("Ma&ximieren"), _T("&Schlie\u00DFen\tAlt+F4")};
  for (const TCHAR* t : sysTexts) Add(sys, _T("x"), t, TRA_MENUITEM);

  CTraNode* dialogs = Add(root, TRA_SECTION_DIALOGS, _T("Dialog"), TRA_DIALOGGROUP);
  CTraNode* find =
      hookstest::AddAt(dialogs, _T("Suchen"), fr ? _T("Rechercher") : _T("Find"), TRA_DIALOG, R(0, 0, 200, 100), R(0, 0, 240, 110));
  hookstest::AddAt(find, _T("&Suchen nach:"), _T("Fi&nd what:"), TRA_STATIC, R(7, 9, 57, 17), R(7, 9, 67, 17));
  hookstest::AddAt(find, _T(""), _T(""), TRA_EDIT, R(60, 7, 130, 19), R(70, 7, 180, 19));
  hookstest::AddAt(find, _T(""), _T(""), TRA_COMBOBOX, R(60, 25, 130, 90), R(70, 25, 180, 90));
  hookstest::AddAt(find, _T("OK"), _T("OK"), TRA_PUSHBUTTON, R(140, 7, 190, 21), R(190, 7, 235, 21));
  hookstest::AddAt(find, _T("Abbrechen"), fr ? _T("Annuler") : _T("Cancel"), TRA_PUSHBUTTON, R(140, 25, 190, 39),
         R(190, 25, 235, 39));
  CTraNode* own = hookstest::AddAt(dialogs, _T("Eigenes Blatt"), _T("Own sheet"), TRA_DIALOG, R(0, 0, 100, 50), R(0, 0, 100, 50));
  hookstest::AddAt(own, _T("Schlie\u00DFen"), _T("Close"), TRA_PUSHBUTTON, R(10, 10, 60, 24), R(10, 10, 60, 24));
  CTraNode* p1 = hookstest::AddAt(dialogs, _T("Seite 1"), _T("Page 1"), TRA_DIALOG, R(0, 0, 150, 80), R(0, 0, 150, 80));
  hookstest::AddAt(p1, _T("Erste Seite"), _T("First page"), TRA_STATIC, R(7, 7, 100, 15), R(7, 7, 100, 15));
  hookstest::AddAt(p1, _T("&Aktiv"), _T("&Active"), TRA_CHECKBOX, R(7, 20, 100, 30), R(7, 20, 100, 30));
  CTraNode* p2 = hookstest::AddAt(dialogs, _T("Seite 2"), _T("Page 2"), TRA_DIALOG, R(0, 0, 150, 80), R(0, 0, 150, 80));
  hookstest::AddAt(p2, _T("Knopf"), _T("Button"), TRA_PUSHBUTTON, R(7, 7, 57, 21), R(7, 7, 57, 21));
  CTraNode* sw =
      dialogs->AddChild(std::make_unique<CTraNode>(dialogs, _T("Sprache"), _T("Language"), TRA_SWITCHDIALOG, 100, 100));
  for (int i = 0; i < 11; ++i) Add(sw, _T("t"), i == 9 ? _T("&Sprache...") : _T("t"), TRA_STATIC);

  CTraNode* strings = Add(root, TRA_SECTION_STRINGS, _T("String Table"), TRA_STRINGGROUP);
  CTraNode* table = Add(strings, _T("String Table Section 1"), _T("String Table Section 1"), TRA_STRINGTABLE);
  Add(table, _T("\u00D6ffnet eine Datei\n\u00D6ffnen"), _T("Opens a file\nOpen"), TRA_STRING);
  Add(table, _T("Eigenschaften"), _T("Properties"), TRA_STRING);
  Add(table, _T("Speichert die Datei\nSpeichern"), _T("Saves the file\nSave"), TRA_STRING);
  Add(table, kLongTip, CString(_T('y'), 600), TRA_STRING);
  CTraFile* f = new CTraFile(root);
  f->SetProgramName(_T("HooksProbe"));
  return f;
}

void WriteTra(const CString& path, CTraFile& file) { ASSERT_TRUE(LwWriteLanguageFile(path, file)); }

CString TraPath(LPCTSTR name) {
  return CString(LW_BINARY_DIR) + _T("/") + name + (sizeof(TCHAR) == 1 ? _T("_a.tra") : _T("_u.tra"));
}

// The French language file of the probe program, written under name.
CString WriteFrench(LPCTSTR name) {
  const CString path = TraPath(name);
  std::unique_ptr<CTraFile> file(MakeFile(true));
  WriteTra(path, *file);
  return path;
}

int g_otherRetHookCalls = 0;
HHOOK g_otherRetHook = nullptr;
int g_switchOpened = 0;

LRESULT CALLBACK OtherRetHook(int code, WPARAM w, LPARAM l) {
  ++g_otherRetHookCalls;
  return CallNextHookEx(g_otherRetHook, code, w, l);
}

INT_PTR CALLBACK PlainProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

// A dialog that answers WM_USER+116 (PSM_GETTABCONTROL) with its own button.
INT_PTR CALLBACK AnswersUser116(HWND dlg, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_USER + 116) {
    SetWindowLongPtr(dlg, DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(GetTopWindow(dlg)));
    return TRUE;
  }
  return FALSE;
}

HWND CreateFrom(const lw::DialogTemplate& t, DLGPROC proc = PlainProc) {
  return CreateDialogIndirectParam(GetModuleHandle(nullptr), t.Get(), nullptr, proc, 0);
}

// The German dialog of the entry "Suchen".
HWND CreateFindDialog() {
  lw::DialogTemplate t(_T("Suchen"), DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 10, 10, 200, 100);
  t.AddControl(lw::DialogTemplate::kStatic, _T("&Suchen nach:"), 100, WS_CHILD | WS_VISIBLE, 7, 9, 50, 8);
  t.AddControl(lw::DialogTemplate::kEdit, _T(""), 101, WS_CHILD | WS_VISIBLE | WS_BORDER, 60, 7, 70, 12);
  t.AddControl(lw::DialogTemplate::kComboBox, _T(""), 102, WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 60, 25, 70, 65);
  t.AddControl(lw::DialogTemplate::kButton, _T("OK"), IDOK, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 140, 7, 50, 14);
  t.AddControl(lw::DialogTemplate::kButton, _T("Abbrechen"), IDCANCEL, WS_CHILD | WS_VISIBLE, 140, 25, 50, 14);
  return CreateFrom(t);
}

CString Text(HWND w) {
  TCHAR buf[1024] = {0};
  GetWindowText(w, buf, 1024);
  return CString(buf);
}

CString MenuText(HMENU m, int pos) {
  TCHAR buf[256] = {0};
  GetMenuString(m, static_cast<UINT>(pos), buf, 256, MF_BYPOSITION);
  return CString(buf);
}

RECT ChildRect(HWND dlg, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, dlg, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

RECT Mapped(HWND dlg, RECT du) {
  MapDialogRect(dlg, &du);
  return du;
}

void ExpectNear(const RECT& want, const RECT& got, const char* what) {
  EXPECT_NEAR(want.left, got.left, 1) << what;
  EXPECT_NEAR(want.top, got.top, 1) << what;
  EXPECT_NEAR(want.right, got.right, 1) << what;
  EXPECT_NEAR(want.bottom, got.bottom, 1) << what;
}

LRESULT CALLBACK FrameProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProc(w, m, wp, lp); }

HWND CreateFrame(HMENU menu) {
  static bool registered = false;
  if (!registered) {
    WNDCLASS wc;
    ZeroMemory(&wc, sizeof(wc));
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandle(nullptr);
    wc.lpszClassName = _T("HooksTestFrame");
    RegisterClass(&wc);
    registered = true;
  }
  return CreateWindowEx(0, _T("HooksTestFrame"), _T("Rahmen"), WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, menu,
                        GetModuleHandle(nullptr), nullptr);
}

using lwtest::Pump;

class HooksWin32 : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_watchdog = std::make_unique<lwtest::Watchdog>(90);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    // A hook installed before the library's: it must still be called.
    g_otherRetHook = SetWindowsHookEx(WH_CALLWNDPROCRET, OtherRetHook, nullptr, GetCurrentThreadId());
    s_path = TraPath(_T("hooks_probe"));
    std::unique_ptr<CTraFile> file(MakeFile());
    WriteTra(s_path, *file);
    LW_STARTPARAMS p;
    std::memset(&p, 0, sizeof(p));
    p.dwSize = sizeof(p);
    lw::StrCpyN(p.szStdFile, (LPCTSTR)s_path, LW_PATH_CHARS);
    p.bAutoSwitchCommand = TRUE;
    p.nSwitchCommandID = kSwitchId;
    p.nSwitchMainMenuPos = -1;
    ASSERT_TRUE(LWStart(&p));
    ASSERT_TRUE(LWAddThread(GetCurrentThreadId()));
    LwvSetSwitchDialogProc([] { ++g_switchOpened; });
  }
  static void TearDownTestSuite() {
    LwvSetSwitchDialogProc(nullptr);
    LWEnd();
    LwvRemoveMessageHooks();
    UnhookWindowsHookEx(g_otherRetHook);
    s_watchdog.reset();
  }
  static inline CString s_path;
  static inline std::unique_ptr<lwtest::Watchdog> s_watchdog;
};

TEST_F(HooksWin32, DialogGetsTextsAndLayoutComboKeepsItsHeight) {
  HWND dlg = CreateFindDialog();
  ASSERT_TRUE(dlg);
  EXPECT_EQ(CString(_T("Find")), Text(dlg));
  EXPECT_EQ(CString(_T("Fi&nd what:")), Text(GetDlgItem(dlg, 100)));
  EXPECT_EQ(CString(_T("Cancel")), Text(GetDlgItem(dlg, IDCANCEL)));
  ExpectNear(Mapped(dlg, R(190, 7, 235, 21)), ChildRect(dlg, GetDlgItem(dlg, IDOK)), "OK");
  ExpectNear(Mapped(dlg, R(7, 9, 67, 17)), ChildRect(dlg, GetDlgItem(dlg, 100)), "label");
  ExpectNear(Mapped(dlg, R(70, 7, 180, 19)), ChildRect(dlg, GetDlgItem(dlg, 101)), "edit");
  RECT combo = ChildRect(dlg, GetDlgItem(dlg, 102));
  RECT want = Mapped(dlg, R(70, 25, 180, 90));
  EXPECT_NEAR(want.left, combo.left, 1);
  EXPECT_NEAR(want.right - want.left, combo.right - combo.left, 1);
  // Its list keeps the height of the same combo box in a dialog left alone.
  lw::DialogTemplate plain(_T("Fremd"), DS_MODALFRAME | WS_POPUP | WS_CAPTION, 10, 10, 200, 100);
  plain.AddControl(lw::DialogTemplate::kComboBox, _T(""), 102, WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 60, 25, 70, 65);
  HWND other = CreateFrom(plain);
  ASSERT_TRUE(other);
  RECT dropped, reference;
  SendDlgItemMessage(dlg, 102, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  SendDlgItemMessage(other, 102, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&reference));
  EXPECT_NEAR(reference.bottom - reference.top, dropped.bottom - dropped.top, 1);
  RECT otherCombo = ChildRect(other, GetDlgItem(other, 102));
  EXPECT_NEAR(otherCombo.bottom - otherCombo.top, combo.bottom - combo.top, 1);
  DestroyWindow(other);
  RECT client;
  GetClientRect(dlg, &client);
  RECT size = Mapped(dlg, R(0, 0, 240, 110));
  EXPECT_NEAR(size.right, client.right, 1);
  EXPECT_NEAR(size.bottom, client.bottom, 1);
  DestroyWindow(dlg);
}

TEST_F(HooksWin32, UnknownDialogStaysAsItIs) {
  lw::DialogTemplate t(_T("Fremd"), DS_MODALFRAME | WS_POPUP | WS_CAPTION, 10, 10, 120, 60);
  t.AddControl(lw::DialogTemplate::kButton, _T("Weiter"), 100, WS_CHILD | WS_VISIBLE, 7, 7, 50, 14);
  t.AddControl(lw::DialogTemplate::kButton, _T("OK"), IDOK, WS_CHILD | WS_VISIBLE, 60, 7, 50, 14);
  HWND dlg = CreateFrom(t);
  ASSERT_TRUE(dlg);
  EXPECT_EQ(CString(_T("Fremd")), Text(dlg));
  EXPECT_EQ(CString(_T("Weiter")), Text(GetDlgItem(dlg, 100)));
  ExpectNear(Mapped(dlg, R(7, 7, 57, 21)), ChildRect(dlg, GetDlgItem(dlg, 100)), "button");
  DestroyWindow(dlg);
}

TEST_F(HooksWin32, DialogAnsweringUser116IsNoPropertySheet) {
  lw::DialogTemplate t(_T("Eigenes Blatt"), DS_MODALFRAME | WS_POPUP | WS_CAPTION, 10, 10, 100, 50);
  t.AddControl(lw::DialogTemplate::kButton, _T("Schlie\u00DFen"), 100, WS_CHILD | WS_VISIBLE, 10, 10, 50, 14);
  HWND dlg = CreateFrom(t, AnswersUser116);
  ASSERT_TRUE(dlg);
  EXPECT_EQ(CString(_T("Own sheet")), Text(dlg));
  EXPECT_EQ(CString(_T("Close")), Text(GetDlgItem(dlg, 100)));
  DestroyWindow(dlg);
}

TEST_F(HooksWin32, PropertySheetPagesTabsAndCaption) {
  lw::DialogTemplate t1(_T("Seite 1"), WS_CHILD | WS_CAPTION | DS_CONTROL, 0, 0, 150, 80);
  t1.AddControl(lw::DialogTemplate::kStatic, _T("Erste Seite"), 100, WS_CHILD | WS_VISIBLE, 7, 7, 93, 8);
  t1.AddControl(lw::DialogTemplate::kButton, _T("&Aktiv"), 101, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 7, 20, 93,
                10);
  lw::DialogTemplate t2(_T("Seite 2"), WS_CHILD | WS_CAPTION | DS_CONTROL, 0, 0, 150, 80);
  t2.AddControl(lw::DialogTemplate::kButton, _T("Knopf"), 100, WS_CHILD | WS_VISIBLE, 7, 7, 50, 14);
  PROPSHEETPAGE pages[2];
  ZeroMemory(pages, sizeof(pages));
  for (PROPSHEETPAGE& p : pages) {
    p.dwSize = sizeof(p);
    p.hInstance = GetModuleHandle(nullptr);
    p.pfnDlgProc = PlainProc;
  }
  pages[0].dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
  pages[0].pResource = t1.Get();
  pages[0].pszTitle = _T("Seite 1");
  pages[1].dwFlags = PSP_DLGINDIRECT;
  pages[1].pResource = t2.Get();
  PROPSHEETHEADER h;
  ZeroMemory(&h, sizeof(h));
  h.dwSize = sizeof(h);
  h.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS;
  h.hInstance = GetModuleHandle(nullptr);
  h.pszCaption = _T("Eigenschaften");
  h.nPages = 2;
  h.ppsp = pages;
  HWND sheet = reinterpret_cast<HWND>(PropertySheet(&h));
  ASSERT_TRUE(sheet);
  Pump();
  EXPECT_EQ(CString(_T("Properties")), Text(sheet));  // again after the sheet set its own caption
  HWND tab = PropSheet_GetTabControl(sheet);
  ASSERT_TRUE(tab);
  TCHAR label[64] = {0};
  TCITEM item;
  ZeroMemory(&item, sizeof(item));
  item.mask = TCIF_TEXT;
  item.pszText = label;
  item.cchTextMax = 64;
  TabCtrl_GetItem(tab, 0, &item);
  EXPECT_EQ(CString(_T("Page 1")), CString(label));
  TabCtrl_GetItem(tab, 1, &item);
  EXPECT_EQ(CString(_T("Page 2")), CString(label));
  HWND page1 = PropSheet_GetCurrentPageHwnd(sheet);
  ASSERT_TRUE(page1);
  EXPECT_EQ(CString(_T("First page")), Text(GetDlgItem(page1, 100)));
  EXPECT_EQ(CString(_T("&Active")), Text(GetDlgItem(page1, 101)));
  PropSheet_SetCurSel(sheet, nullptr, 1);
  HWND page2 = PropSheet_GetCurrentPageHwnd(sheet);
  ASSERT_TRUE(page2);
  EXPECT_EQ(CString(_T("Button")), Text(GetDlgItem(page2, 100)));
  DestroyWindow(sheet);
}

TEST_F(HooksWin32, MenuBarAtCreateKeepsFlagsAndGetsTheSwitchCommand) {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenu(file, MF_STRING, 200, _T("\u00D6&ffnen"));
  AppendMenu(file, MF_SEPARATOR, 0, nullptr);
  AppendMenu(file, MF_STRING | MF_GRAYED, 201, _T("&Beenden"));
  HMENU help = CreatePopupMenu();
  AppendMenu(help, MF_STRING | MF_CHECKED, 300, _T("&Info"));
  AppendMenu(bar, MF_POPUP | MF_GRAYED, reinterpret_cast<UINT_PTR>(file), _T("&Datei"));
  AppendMenu(bar, MF_POPUP | MF_HELP, reinterpret_cast<UINT_PTR>(help), _T("&Hilfe"));
  HWND frame = CreateFrame(bar);
  ASSERT_TRUE(frame);
  EXPECT_EQ(CString(_T("&File")), MenuText(bar, 0));
  EXPECT_TRUE(GetMenuState(bar, 0, MF_BYPOSITION) & MF_GRAYED);
  MENUITEMINFO info;
  ZeroMemory(&info, sizeof(info));
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfo(bar, 1, TRUE, &info);
  EXPECT_TRUE(info.fType & MFT_RIGHTJUSTIFY);
  EXPECT_EQ(CString(_T("&Help")), MenuText(bar, 1));
  EXPECT_EQ(CString(_T("&Open")), MenuText(file, 0));
  EXPECT_EQ(CString(_T("E&xit")), MenuText(file, 2));
  EXPECT_TRUE(GetMenuState(file, 2, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(help, 0, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_EQ(CString(_T("&About")), MenuText(help, 0));
  // The switch command: a negative position means the first popup.
  ASSERT_EQ(5, GetMenuItemCount(file));
  EXPECT_EQ(kSwitchId, GetMenuItemID(file, 4));
  EXPECT_EQ(CString(_T("&Sprache...")), MenuText(file, 4));
  EXPECT_EQ(1, GetMenuItemCount(help));
  // A popup of a remembered window is not translated again when it pops up.
  ModifyMenu(file, 0, MF_BYPOSITION | MF_STRING, 200, _T("\u00D6&ffnen"));
  SendMessage(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  EXPECT_EQ(CString(_T("\u00D6&ffnen")), MenuText(file, 0));
  // The switch command is enabled whenever its popup opens.
  EnableMenuItem(file, kSwitchId, MF_BYCOMMAND | MF_GRAYED);
  SendMessage(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  EXPECT_FALSE(GetMenuState(file, kSwitchId, MF_BYCOMMAND) & MF_GRAYED);
  DestroyWindow(frame);
}

// A frame whose bar is another menu than its default one (a document's menu)
// has both translated; its own default menu only once.
TEST_F(HooksWin32, FramesDefaultMenuIsTranslatedWithItsBar) {
  auto germanMenu = [] {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenu(file, MF_STRING, 200, _T("\u00D6&ffnen"));
    AppendMenu(file, MF_STRING, 201, _T("&Beenden"));
    AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), _T("&Datei"));
    return bar;
  };
  HMENU document = germanMenu();
  CFrameWnd frame;
  frame.m_bAutoDelete = FALSE;
  frame.m_hMenuDefault = germanMenu();
  ASSERT_TRUE(frame.CreateEx(0, nullptr, _T("Rahmen"), WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, document));
  for (HMENU menu : {document, frame.m_hMenuDefault}) {
    EXPECT_EQ(CString(_T("&File")), MenuText(menu, 0));
    EXPECT_EQ(CString(_T("&Open")), MenuText(GetSubMenu(menu, 0), 0));
  }
  // The switch command goes into the default menu as into the bar, once each.
  EXPECT_EQ(4, GetMenuItemCount(GetSubMenu(frame.m_hMenuDefault, 0)));
  EXPECT_EQ(4, GetMenuItemCount(GetSubMenu(document, 0)));
  frame.DestroyWindow();
}

TEST_F(HooksWin32, ContextAndSystemMenusWhenTheyPopUp) {
  HWND frame = CreateFrame(nullptr);
  ASSERT_TRUE(frame);
  HMENU ctx = CreatePopupMenu();
  AppendMenu(ctx, MF_STRING, 400, _T("&Kopieren"));
  AppendMenu(ctx, MF_STRING, 401, _T("Unbekannt"));
  SendMessage(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(ctx), 0);
  EXPECT_EQ(CString(_T("&Copy")), MenuText(ctx, 0));
  EXPECT_EQ(CString(_T("Unbekannt")), MenuText(ctx, 1));
  DestroyMenu(ctx);

  HMENU sys = GetSystemMenu(frame, FALSE);
  ASSERT_TRUE(sys);
  int closePos = -1;
  for (int i = 0; i < GetMenuItemCount(sys); ++i)
    if (GetMenuItemID(sys, i) == SC_CLOSE) closePos = i;
  ASSERT_GE(closePos, 0);
  const CString before = MenuText(sys, closePos);
  SendMessage(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sys), MAKELPARAM(0, TRUE));
  const CString after = MenuText(sys, closePos);
  const int tab = before.Find(_T('\t'));
  if (tab >= 0) {
    EXPECT_EQ(CString(_T("&Schlie\u00DFen")) + before.Mid(tab), after);
  } else {
    EXPECT_EQ(before, after);  // a live text without accelerator keeps its text (tab rule)
  }
  SendMessage(frame, WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_EQ(before, MenuText(sys, closePos));
  DestroyWindow(frame);
}

TEST_F(HooksWin32, StatusBarPrompts) {
  HWND frame = CreateFrame(nullptr);
  HWND bar = CreateWindowEx(0, STATUSCLASSNAME, _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame, nullptr,
                            GetModuleHandle(nullptr), nullptr);
  ASSERT_TRUE(bar);
  SetWindowText(bar, _T("\u00D6ffnet eine Datei"));
  EXPECT_EQ(CString(_T("Opens a file")), Text(bar));
  SetWindowText(bar, _T("Bereit"));
  EXPECT_EQ(CString(_T("Bereit")), Text(bar));
  SendMessage(bar, WM_SETTEXT, 0, 0);  // a null text is an empty text
  EXPECT_EQ(CString(), Text(bar));
  DestroyWindow(frame);
}

TEST_F(HooksWin32, ToolTipRequestsOfBothWidths) {
  HWND frame = CreateFrame(nullptr);
  ASSERT_TRUE(frame);
  NMTTDISPINFOW w;
  ZeroMemory(&w, sizeof(w));
  w.hdr.hwndFrom = frame;
  w.hdr.code = TTN_GETDISPINFOW;
  WCHAR tip[] = L"Speichern";  // ASCII: the request converts between widths
  w.lpszText = tip;
  SendMessage(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&w));
  EXPECT_STREQ(L"Save", w.lpszText);
  // Resource ids without a module, callbacks: left alone.
  w.lpszText = MAKEINTRESOURCEW(5);
  SendMessage(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&w));
  EXPECT_EQ(MAKEINTRESOURCEW(5), w.lpszText);
  w.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessage(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&w));
  EXPECT_EQ(LPSTR_TEXTCALLBACKW, w.lpszText);
  // No pointer: the request's own buffer holds the text.
  w.lpszText = nullptr;
  lstrcpyW(w.szText, L"Speichern");
  SendMessage(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&w));
  ASSERT_TRUE(w.lpszText);
  EXPECT_STREQ(L"Save", w.lpszText);
  // A long translation is cut to the buffer.
  WCHAR longTip[] = L"Lang";
  w.lpszText = longTip;
  SendMessage(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&w));
  EXPECT_EQ(511u, wcslen(w.lpszText));

  NMTTDISPINFOA a;
  ZeroMemory(&a, sizeof(a));
  a.hdr.hwndFrom = frame;
  a.hdr.code = TTN_GETDISPINFOA;
  char tipA[] = "Speichern";
  a.lpszText = tipA;
  SendMessage(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&a));
  EXPECT_STREQ("Save", a.lpszText);
  DestroyWindow(frame);
}

TEST_F(HooksWin32, SwitchCommandOpensOnlyWhenChosen) {
  HWND frame = CreateFrame(nullptr);
  ASSERT_TRUE(frame);
  Pump();
  g_switchOpened = 0;
  SendMessage(frame, WM_COMMAND, kSwitchId, 0);  // a button or an accelerator
  EXPECT_EQ(1, g_switchOpened);
  // Highlighted, then the menu closes (Escape): not chosen.
  SendMessage(frame, WM_MENUSELECT, MAKEWPARAM(kSwitchId, MF_HILITE), 0);
  SendMessage(frame, WM_CAPTURECHANGED, 0, 0);
  SendMessage(frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  Pump();
  EXPECT_EQ(1, g_switchOpened);
  // Chosen in a menu: the command is posted.
  PostMessage(frame, WM_COMMAND, kSwitchId, 0);
  Pump();
  EXPECT_EQ(2, g_switchOpened);
  PostMessage(frame, WM_COMMAND, 0x4321, 0);
  Pump();
  EXPECT_EQ(2, g_switchOpened);
  DestroyWindow(frame);
}

TEST_F(HooksWin32, HooksInstalledBeforeOursAreStillCalled) {
  HWND frame = CreateFrame(nullptr);
  const int before = g_otherRetHookCalls;
  SendMessage(frame, WM_NULL, 0, 0);
  SendMessage(frame, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(_T("x")));
  EXPECT_GE(g_otherRetHookCalls, before + 2);
  DestroyWindow(frame);
}

TEST_F(HooksWin32, LanguageSwitchRetranslatesOpenDialogsAndMenus) {
  const CString french = WriteFrench(_T("hooks_probe_fr"));
  HWND dlg = CreateFindDialog();
  ASSERT_TRUE(dlg);
  ASSERT_EQ(CString(_T("Cancel")), Text(GetDlgItem(dlg, IDCANCEL)));
  HMENU bar = CreateMenu();
  HMENU popup = CreatePopupMenu();
  AppendMenu(popup, MF_STRING, 200, _T("\u00D6&ffnen"));
  AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), _T("&Datei"));
  HWND frame = CreateFrame(bar);
  ASSERT_EQ(CString(_T("&File")), MenuText(bar, 0));

  ASSERT_TRUE(LWSwitchFile(french));
  EXPECT_EQ(CString(_T("Rechercher")), Text(dlg));
  EXPECT_EQ(CString(_T("Annuler")), Text(GetDlgItem(dlg, IDCANCEL)));
  ExpectNear(Mapped(dlg, R(190, 7, 235, 21)), ChildRect(dlg, GetDlgItem(dlg, IDOK)), "OK after the switch");
  EXPECT_EQ(CString(_T("&Fichier")), MenuText(bar, 0));
  EXPECT_EQ(CString(_T("&Ouvrir")), MenuText(popup, 0));
  EXPECT_EQ(kSwitchId, GetMenuItemID(popup, GetMenuItemCount(popup) - 1));  // still one switch command
  EXPECT_EQ(3, GetMenuItemCount(popup));

  ASSERT_TRUE(LWSwitchFile(s_path));
  EXPECT_EQ(CString(_T("Find")), Text(dlg));
  EXPECT_EQ(CString(_T("&File")), MenuText(bar, 0));
  DestroyWindow(frame);
  DestroyWindow(dlg);
}

// The switch dialog opened by the switch command runs inside the hook that
// saw the command: a switch chosen there takes this thread's hooks out and
// back in while that hook is still running.
CString g_switchTarget;
void SwitchFromTheHook() {
  ++g_switchOpened;
  LWSwitchFile(g_switchTarget);
}

TEST_F(HooksWin32, SwitchChosenInsideTheHookLeavesTheHooksWorking) {
  const CString french = WriteFrench(_T("hooks_probe_fr_inside"));
  HWND dlg = CreateFindDialog();
  ASSERT_TRUE(dlg);
  ASSERT_EQ(CString(_T("Cancel")), Text(GetDlgItem(dlg, IDCANCEL)));
  HWND frame = CreateFrame(nullptr);
  ASSERT_TRUE(frame);
  g_switchTarget = french;
  g_switchOpened = 0;
  LwvSetSwitchDialogProc(SwitchFromTheHook);
  const int otherBefore = g_otherRetHookCalls;
  SendMessage(frame, WM_COMMAND, kSwitchId, 0);
  LwvSetSwitchDialogProc([] { ++g_switchOpened; });
  EXPECT_EQ(1, g_switchOpened);
  EXPECT_EQ(french, LwGetManager()->GetCurrentPath());
  EXPECT_EQ(CString(_T("Annuler")), Text(GetDlgItem(dlg, IDCANCEL)));
  // The older hook still saw the command, and the library's hooks are back.
  EXPECT_GT(g_otherRetHookCalls, otherBefore);
  const LwThreadHooks* hooks = LwGetManager()->FindHooks(GetCurrentThreadId());
  ASSERT_NE(nullptr, hooks);
  EXPECT_TRUE(hooks->callWnd && hooks->callWndRet);
  HWND again = CreateFindDialog();
  ASSERT_TRUE(again);
  EXPECT_EQ(CString(_T("Annuler")), Text(GetDlgItem(again, IDCANCEL)));
  SendMessage(frame, WM_COMMAND, kSwitchId, 0);
  EXPECT_EQ(2, g_switchOpened);  // the switch command is seen again
  ASSERT_TRUE(LWSwitchFile(s_path));
  EXPECT_EQ(CString(_T("Cancel")), Text(GetDlgItem(dlg, IDCANCEL)));
  DestroyWindow(again);
  DestroyWindow(frame);
  DestroyWindow(dlg);
}

// Counts what a window is sent: moves and sizes, and paints.
struct SentCounts {
  int moves = 0;
  int paints = 0;
};
std::vector<std::pair<HWND, SentCounts*>> g_counted;
HHOOK g_countHook = nullptr;
LRESULT CALLBACK CountSentHook(int code, WPARAM w, LPARAM l) {
  if (code == HC_ACTION) {
    const CWPSTRUCT* m = reinterpret_cast<const CWPSTRUCT*>(l);
    for (auto& c : g_counted) {
      if (c.first != m->hwnd) continue;
      if (m->message == WM_WINDOWPOSCHANGING) ++c.second->moves;
      if (m->message == WM_PAINT || m->message == WM_ERASEBKGND) ++c.second->paints;
    }
  }
  return CallNextHookEx(g_countHook, code, w, l);
}

TEST_F(HooksWin32, DialogAccessSendsNoMoveOrPaintThatChangesNothing) {
  lw::DialogTemplate t(_T("Fremd"), DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 120, 60);
  t.AddControl(lw::DialogTemplate::kButton, _T("Weiter"), 100, WS_CHILD | WS_VISIBLE, 7, 7, 50, 14);
  HWND dlg = CreateFrom(t);
  ASSERT_TRUE(dlg);
  Pump();
  HWND button = GetDlgItem(dlg, 100);
  const RECT at = ChildRect(dlg, button);
  const LONG w = at.right - at.left, h = at.bottom - at.top;
  RECT outer;
  GetWindowRect(dlg, &outer);
  struct Case {
    const char* name;
    int x, y, cx, cy;
    UINT flags;
    bool moved;
  } cases[] = {
      {"same place and size", at.left, at.top, w, h, SWP_NOZORDER, false},
      {"same place, size kept", at.left, at.top, w + 9, h + 9, SWP_NOZORDER | SWP_NOSIZE, false},
      {"same size, place kept", at.left + 9, at.top + 9, w, h, SWP_NOZORDER | SWP_NOMOVE, false},
      {"moved", at.left + 2, at.top, w, h, SWP_NOZORDER, true},
      {"sized", at.left, at.top, w, h + 3, SWP_NOZORDER, true},
  };
  g_countHook = SetWindowsHookEx(WH_CALLWNDPROC, CountSentHook, nullptr, GetCurrentThreadId());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetWindowPos(button, nullptr, at.left, at.top, w, h, SWP_NOZORDER);
    Pump();
    SentCounts child, dialog;
    g_counted = {{button, &child}, {dlg, &dialog}};
    {
      CLwvWin32Dialog access(dlg);
      ASSERT_EQ(1, access.CollectChildren(10));
      access.SetChildPos(0, c.x, c.y, c.cx, c.cy, c.flags, false);
      access.SetWindowSize(outer.right - outer.left, outer.bottom - outer.top);  // its own size
      access.Redraw();
    }
    EXPECT_EQ(c.moved ? 1 : 0, child.moves);
    EXPECT_EQ(0, dialog.moves);
    EXPECT_EQ(0, dialog.paints);  // marked, painted when the queue is next read
    EXPECT_EQ(c.moved, GetUpdateRect(dlg, nullptr, FALSE) != FALSE);
    Pump();
    EXPECT_EQ(c.moved, dialog.paints > 0);
    g_counted.clear();
  }
  UnhookWindowsHookEx(g_countHook);
  DestroyWindow(dlg);
}

}  // namespace
