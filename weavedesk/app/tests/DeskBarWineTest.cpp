// WeaveDesk's toolbar and header flag under Wine: the owner-drawn buttons
// and their states, the gripper, context help, the tips after a language
// switch, and the flag picker opened from the header's flag. Same fixture
// as the main test program.
#include "DeskWineFixture.h"

#include "DeskHelp.h"
#include "LwvPaths.h"
#include "LanguageCatalogue.h"
#include "LanguageFlagDlg.h"

#include <functional>
#include <map>

namespace {

using namespace deskwine;

// The toolbar: the resource's buttons, Save disabled until a change, the
// owner-drawn states following the commands' update handlers.
TEST_F(DeskWine, ToolbarButtonsFollowTheirCommands) {
  Watchdog watchdog(60);
  Start(false);
  CZweiToolBar& bar = Frame()->GetToolBar();
  ASSERT_EQ(24, bar.GetCount());
  const int save = bar.CommandToIndex(ID_DESK_SAVE);
  const int hide = bar.CommandToIndex(ID_OVERLAY_HIDE);
  ASSERT_GE(save, 0);
  Frame()->OnIdleUpdateCmdUI();
  EXPECT_EQ(ZWEI_DISABLED, bar.GetButtonState(save));
  EXPECT_EQ(ZWEI_DISABLED, bar.GetButtonState(hide));
  EXPECT_EQ(ZWEI_NORMAL, bar.GetButtonState(bar.CommandToIndex(ID_DESK_OPEN)));
  NewTranslation();
  Frame()->OnIdleUpdateCmdUI();
  EXPECT_EQ(ZWEI_NORMAL, bar.GetButtonState(save));
  EXPECT_EQ(ZWEI_NORMAL, bar.GetButtonState(hide)) << "the original's copy is the overlay";
  bar.UpdateWindow();
  for (int i = 0; i < bar.GetCount(); ++i) {
    if (bar.GetItemID(i) != ID_SEPARATOR) {
      EXPECT_NE(ZWEI_NEVER_DRAWN, bar.GetLastDrawnState(i)) << i;
    }
  }
  SaveScreenshot(bar.m_hWnd, "weavedesk_toolbar");
}

// The toolbar docked at the top: horizontal, its buttons right of the
// gripper, which stands upright in the bar's non-client band.
TEST_F(DeskWine, ToolbarShowsItsGripperLeftOfTheButtons) {
  Watchdog watchdog(60);
  Start(false);
  CZweiToolBar& bar = Frame()->GetToolBar();
  ASSERT_TRUE(bar.HasGripper());
  RedrawWindow(bar.m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(ZWEI_DOCKED_HORIZONTAL, bar.GetOrientation());
  CRect window;
  bar.GetWindowRect(&window);
  CRect area;
  Frame()->GetClientRect(&area);
  Frame()->ClientToScreen(&area);
  EXPECT_GE(window.left, area.left) << "the gripper stays inside the frame";
  EXPECT_LE(window.right, area.right);
  CPoint origin(0, 0);
  bar.ClientToScreen(&origin);
  const RECT inside = ZweiInsideRect(RECT{0, 0, window.Width(), window.Height()}, ZWEI_DOCKED_HORIZONTAL, true);
  EXPECT_EQ(inside.left, origin.x - window.left);
  EXPECT_EQ(inside.top, origin.y - window.top);
  RECT first;
  ASSERT_TRUE(bar.GetItemRect(0, &first));
  EXPECT_GE(first.left + origin.x - window.left, inside.left) << "the first button lies right of the gripper";
  // The bar reaches the screen once the display has mapped the frame.
  ExpectGripperOnScreen(bar, ZWEI_DOCKED_HORIZONTAL);
  SaveScreenshot(bar.m_hWnd, "weavedesk_toolbar_gripper");
}

// A click on the header's flag in a saved translation opens the flag
// picker; the country and languages chosen there become the file's LANGID
// and flag, and the document is modified. A click beside the 32 x 32
// square opens nothing.
TEST_F(DeskWine, HeaderFlagClickChoosesLanguageAndFlag) {
  Watchdog watchdog(90);
  Start(false);
  NewTranslation();
  const CString saved = Scratch("desk_flag") + _T("DeskFlag.tra");
  SaveAs(saved);
  ASSERT_FALSE(Doc()->Desk().IsModified());
  CTraFile* file = Doc()->Desk().GetFile();
  const std::vector<COLORREF> before(file->GetFlagPixels(), file->GetFlagPixels() + TRA_FLAG_PIXELS);
  const LANGID idBefore = file->GetLanguageId();
  const CRect square = Head()->FlagSquare();
  ASSERT_EQ(32, square.Width());

  // Beside the square: nothing opens, nothing changes.
  SendMessage(Head()->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(square.right, square.top + 5));
  SendMessage(Head()->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(square.right, square.top + 5));
  EXPECT_TRUE(lwtest::OwnDialogs().empty());
  EXPECT_FALSE(Doc()->Desk().IsModified());

  const int france = 113;
  ASSERT_EQ(CString(_T("France")), CString(CountryNames[france]));
  WORD chosen = 0;
  RunModal({lwtest::When(_T("flag picker"),
                         [] {
                           for (HWND hwnd : lwtest::OwnDialogs())
                             if (dynamic_cast<CLanguageFlagDlg*>(CWnd::FromHandlePermanent(hwnd))) return hwnd;
                           return HWND(nullptr);
                         },
                         [&](HWND hwnd) {
                           auto* picker = dynamic_cast<CLanguageFlagDlg*>(CWnd::FromHandlePermanent(hwnd));
                           HWND list = picker->m_flagList.m_hWnd;
                           const int item = picker->FindCountryItem(france);
                           ListView_SetItemState(list, item, LVIS_SELECTED | LVIS_FOCUSED,
                                                 LVIS_SELECTED | LVIS_FOCUSED);
                           NMHDR click = {list, IDC_FLAG_LIST, static_cast<UINT>(NM_CLICK)};
                           picker->SendMessage(WM_NOTIFY, IDC_FLAG_LIST, reinterpret_cast<LPARAM>(&click));
                           CString language, subLanguage;
                           picker->m_languageList.GetWindowText(language);
                           picker->m_subLanguageList.GetWindowText(subLanguage);
                           chosen = NamesToLangId(language, subLanguage);
                           picker->PostMessage(WM_COMMAND, IDOK, 0);
                         }),
            lwtest::When(_T("the confirmation"), [] { return lwtest::FindMessageBox(); },
                         [](HWND box) { PostMessage(box, WM_COMMAND, IDOK, 0); })},
           [&] {
             SendMessage(Head()->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON,
                         MAKELPARAM(square.left + 16, square.top + 16));
           });
  SendMessage(Head()->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(square.left + 16, square.top + 16));
  Pump();
  ASSERT_NE(0, chosen);
  ASSERT_NE(LANGID_NOT_FOUND, chosen);
  EXPECT_NE(idBefore, chosen);
  EXPECT_EQ(chosen, file->GetLanguageId());
  EXPECT_NE(before, std::vector<COLORREF>(file->GetFlagPixels(), file->GetFlagPixels() + TRA_FLAG_PIXELS));
  EXPECT_TRUE(Doc()->Desk().IsModified());
  SaveScreenshot(Frame()->m_hWnd, "weavedesk_flag_chosen");
}

// Context help: the toolbar's button starts the mode and shows checked; the
// next click names the help context of what it hit and ends the mode,
// Escape ends it too. No help file lies beside the test, so no click
// reaches WinHelp.
TEST_F(DeskWine, ContextHelpNamesWhatTheClickHit) {
  Watchdog watchdog(60);
  Start(false);
  TCHAR module[MAX_PATH] = {0};
  GetModuleFileName(nullptr, module, MAX_PATH);
  ASSERT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributes(LwHelpFileOf(module)));
  CZweiToolBar& bar = Frame()->GetToolBar();
  const int button = bar.CommandToIndex(ID_CONTEXT_HELP);
  ASSERT_GE(button, 0);
  Frame()->OnIdleUpdateCmdUI();
  EXPECT_EQ(ZWEI_NORMAL, bar.GetButtonState(button));

  RECT open;
  ASSERT_TRUE(bar.GetItemRect(bar.CommandToIndex(ID_DESK_OPEN), &open));
  const POINT onOpen{(open.left + open.right) / 2, (open.top + open.bottom) / 2};
  HWND language = ::GetDlgItem(Head()->m_hWnd, IDC_HEAD_LANGUAGE);
  EXPECT_EQ(DWORD(0x10000 + ID_DESK_OPEN), Frame()->HelpContextAt(bar.m_hWnd, onOpen));
  EXPECT_EQ(DWORD(0x50000 + IDC_HEAD_LANGUAGE), Frame()->HelpContextAt(language, POINT{2, 2}));
  EXPECT_EQ(DWORD(0x20000 + IDR_MAINFRAME), Frame()->HelpContextAt(View()->m_hWnd, POINT{5, 5}));

  MSG click{bar.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onOpen.x, onOpen.y), 0, {0, 0}};
  EXPECT_FALSE(Frame()->PreTranslateMessage(&click)) << "outside the mode a click is the button's";
  Command(ID_CONTEXT_HELP);
  EXPECT_TRUE(Frame()->IsInContextHelp());
  Frame()->OnIdleUpdateCmdUI();
  EXPECT_NE(ZWEI_NORMAL, bar.GetButtonState(button));
  EXPECT_TRUE(bar.SendMessage(TB_ISBUTTONCHECKED, ID_CONTEXT_HELP) != 0);
  EXPECT_TRUE(Frame()->PreTranslateMessage(&click)) << "the mode takes the click";
  EXPECT_FALSE(Frame()->IsInContextHelp());
  Frame()->OnIdleUpdateCmdUI();
  EXPECT_FALSE(bar.SendMessage(TB_ISBUTTONCHECKED, ID_CONTEXT_HELP) != 0);

  Command(ID_CONTEXT_HELP);
  MSG escape{Editor()->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1, 0, {0, 0}};
  EXPECT_TRUE(Frame()->PreTranslateMessage(&escape));
  EXPECT_FALSE(Frame()->IsInContextHelp());
  Command(ID_CONTEXT_HELP);
  Command(ID_CONTEXT_HELP);  // the button again ends it
  EXPECT_FALSE(Frame()->IsInContextHelp());
  Command(57670);  // F1 and the other help commands: no help file, nothing opens
  Command(ID_HELP_FINDER);
  Command(57671);
  EXPECT_TRUE(lwtest::OwnDialogs().empty());
}

// The text the toolbar's tooltip shows for a button, asked as the tooltip
// asks when the mouse rests on it.
CString ToolTipOf(CZweiToolBar& bar, UINT id) {
  char text[512] = "";
  TOOLINFOA info{};
  info.cbSize = sizeof(info);
  info.hwnd = bar.m_hWnd;
  info.uId = id;
  info.lpszText = text;
  SendMessage(bar.GetToolTips(), TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&info));
  return CString(text);
}

// The language switch retranslates the toolbar's tooltips: every button's
// tip is the German text first and its English translation from
// WeaveDeskEN.tra after the switch, and German again after switching back.
TEST_F(DeskWine, LanguageSwitchRetranslatesToolbarTips) {
  Watchdog watchdog(60);
  Start(true);
  const CString folder = LanguageFolder();
  const std::map<CString, CString> english = StringPartsOf(folder + _T("WeaveDeskEN.tra"), kTipPart);
  ASSERT_FALSE(english.empty());
  CZweiToolBar& bar = Frame()->GetToolBar();
  ASSERT_TRUE(bar.GetToolTips());
  std::vector<std::pair<UINT, CString>> german;
  for (int i = 0; i < bar.GetCount(); ++i) {
    const UINT id = bar.GetItemID(i);
    if (id == ID_SEPARATOR) continue;
    CString resource;
    if (!resource.LoadString(id)) {  // the framework's context help has no text of the program
      EXPECT_EQ(UINT(ID_CONTEXT_HELP), id);
      EXPECT_EQ(CString(), ToolTipOf(bar, id));
      continue;
    }
    const CString tip = ToolTipOf(bar, id);
    EXPECT_EQ(resource.Mid(resource.Find(_T('\n')) + 1), tip) << id;
    german.emplace_back(id, tip);
  }
  ASSERT_EQ(16u, german.size());
  ASSERT_TRUE(LWSwitchFile(folder + _T("WeaveDeskEN.tra")));
  Pump();
  for (const auto& button : german) {
    const auto found = english.find(button.second);
    ASSERT_NE(english.end(), found) << "no English tip for " << button.second.GetString();
    EXPECT_EQ(found->second, ToolTipOf(bar, button.first)) << button.first;
  }
  ASSERT_TRUE(LWSwitchFile(folder + _T("WeaveDesk.tra")));
  Pump();
  for (const auto& button : german) EXPECT_EQ(button.second, ToolTipOf(bar, button.first)) << button.first;
}

}  // namespace
