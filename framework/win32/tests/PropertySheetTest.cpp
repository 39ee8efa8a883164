#include "ReporterCapture.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

using lwtest::ModalDriver;

// The sheet's own buttons.
enum : int { kBackButton = 0x3023, kNextButton = 0x3024, kFinishButton = 0x3025 };

// A page with one edit field; what its WM_INITDIALOG carried is kept.
class CEditPage : public CPropertyPage {
 public:
  CEditPage(UINT templateId, UINT captionId, int maxChars, DWORD wizardButtons = 0)
      : CPropertyPage(templateId, captionId), m_maxChars(maxChars), m_wizardButtons(wizardButtons) {}
  CString m_text;
  int initCount = 0;
  const PROPSHEETPAGE* initRecord = nullptr;
  DWORD initFlags = 0;
  LPARAM initObject = 0;

  BOOL OnInitDialog() override {
    ++initCount;
    initRecord = reinterpret_cast<const PROPSHEETPAGE*>(GetCurrentMessage()->lParam);
    initFlags = initRecord->dwFlags;
    initObject = initRecord->lParam;
    return CPropertyPage::OnInitDialog();
  }
  BOOL OnSetActive() override {
    if (m_wizardButtons) static_cast<CPropertySheet*>(GetParent())->SetWizardButtons(m_wizardButtons);
    return CPropertyPage::OnSetActive();
  }
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Text(dx, IDC_TEST_PAGE_EDIT, m_text);
    DDV_MaxChars(dx, m_text, m_maxChars);
  }

 private:
  int m_maxChars;
  DWORD m_wizardButtons;
};

HWND SheetWindow() {
  for (HWND hwnd : lwtest::OwnDialogs())
    if (::SendMessage(hwnd, PSM_GETTABCONTROL, 0, 0)) return hwnd;
  return nullptr;
}

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(::SendMessage(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

void Type(HWND page, LPCTSTR text) { ::SetDlgItemText(page, IDC_TEST_PAGE_EDIT, text); }

CString Text(HWND page) {
  CString text;
  CWnd::FromHandle(page)->GetDlgItemText(IDC_TEST_PAGE_EDIT, text);
  return text;
}

// Two pages in a modal sheet: the pages are made when shown and bound to
// their objects with the PROPSHEETPAGE as WM_INITDIALOG's lParam; OK moves
// the active page's data, Cancel leaves the members alone.
TEST(PropertySheet, ModalRunBindsPagesAndExchangesDataOnOkOnly) {
  struct Case {
    const char* what;
    int button;
    INT_PTR result;
    LPCTSTR name;  // the member afterwards
  } cases[] = {{"OK", PSBTN_OK, IDOK, _T("Anna")}, {"Cancel", PSBTN_CANCEL, IDCANCEL, _T("alt")}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CEditPage name(IDD_TEST_PAGE_NAME, 0, 10), count(IDD_TEST_PAGE_COUNT, IDS_TEST_PAGE_CAPTION, 10);
    name.m_text = _T("alt");
    CPropertySheet sheet(_T("Eigenschaften"));
    sheet.AddPage(&name);
    sheet.AddPage(&count);
    EXPECT_EQ(sheet.GetPageCount(), 2);
    EXPECT_EQ(sheet.GetPage(1), &count);
    HWND window = nullptr;
    ModalDriver script({
        {_T("the sheet Eigenschaften"), [&] { return (window = SheetWindow()) != nullptr; }},
        {_T("the sheet's next action"), [&] {
          EXPECT_EQ(CWnd::FromHandlePermanent(window), &sheet) << "the sheet object gets its messages";
          EXPECT_EQ(CWnd(window).GetWindowTextString(), CString(_T("Eigenschaften")));
          EXPECT_NE(sheet.GetTabControl(), nullptr);
          EXPECT_EQ(sheet.GetActivePage(), &name);
          EXPECT_EQ(sheet.GetActiveIndex(), 0);
          EXPECT_EQ(CWnd::FromHandlePermanent(name.m_hWnd), &name);
          EXPECT_EQ(CurrentPage(window), name.m_hWnd);
          EXPECT_EQ(Text(name.m_hWnd), CString(_T("alt"))) << "filled from the member";
          // The tab of the page with a caption id shows that string.
          TCHAR tab[64] = {};
          TCITEM item{};
          item.mask = TCIF_TEXT;
          item.pszText = tab;
          item.cchTextMax = 64;
          ::SendMessage(sheet.GetTabControl()->m_hWnd, TCM_GETITEM, 1, reinterpret_cast<LPARAM>(&item));
          EXPECT_EQ(CString(tab), CString(_T("Zweite Seite")));
          Type(name.m_hWnd, _T("Anna"));
          sheet.PressButton(c.button);
          return true;
        }},
    });
    EXPECT_EQ(sheet.DoModal(), c.result);
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(name.m_text, CString(c.name));
    EXPECT_EQ(name.initCount, 1);
    EXPECT_EQ(name.initObject, reinterpret_cast<LPARAM>(&name));
    EXPECT_FALSE(name.initFlags & PSP_USETITLE);
    EXPECT_EQ(count.initCount, 0) << "never shown, never made";
    EXPECT_TRUE(count.m_psp.dwFlags & PSP_USETITLE);
    EXPECT_EQ(name.m_hWnd, nullptr);
    EXPECT_EQ(sheet.m_hWnd, nullptr);
  }
}

// OK with an entry the page refuses keeps the sheet open (after the
// page's message); a valid entry then ends it.
TEST(PropertySheet, RefusedEntryKeepsTheSheetOpen) {
  CEditPage name(IDD_TEST_PAGE_NAME, 0, 4), count(IDD_TEST_PAGE_COUNT, 0, 4);
  CPropertySheet sheet(_T("Eigenschaften"));
  sheet.AddPage(&name);
  sheet.AddPage(&count);
  HWND window = nullptr, box = nullptr;
  CString boxText;
  ModalDriver script({
      {_T("the sheet Eigenschaften"), [&] { return (window = SheetWindow()) != nullptr; }},
      {_T("the sheet's next action"), [&] {
        Type(name.m_hWnd, _T("zu lang"));
        sheet.PressButton(PSBTN_OK);
        return true;
      }},
      {_T("the page's message box"), [&] { return (box = lwtest::FindOwnDialog(CString(), window)) != nullptr; }},
      {_T("the sheet's next action"), [&] {
        boxText = lwtest::MessageBoxText(box);
        ::PostMessage(box, WM_COMMAND, IDOK, 0);
        return true;
      }},
      {_T("the message box closed"), [&] { return !::IsWindow(box); }},
      {_T("the sheet's next action"), [&] {
        EXPECT_TRUE(::IsWindow(window));
        EXPECT_EQ(CurrentPage(window), name.m_hWnd);
        Type(name.m_hWnd, _T("kurz"));
        sheet.PressButton(PSBTN_OK);
        return true;
      }},
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_TRUE(script.Finished());
  EXPECT_FALSE(script.TimedOut());
  EXPECT_FALSE(boxText.IsEmpty());
  EXPECT_EQ(name.m_text, CString(_T("kurz")));
}

// A wizard: Next and Back move between the pages and take the data of the
// page left; Finish takes the last page's data.
TEST(PropertySheet, WizardNextBackFinish) {
  CEditPage first(IDD_TEST_PAGE_NAME, 0, 10, PSWIZB_NEXT);
  CEditPage last(IDD_TEST_PAGE_COUNT, 0, 10, PSWIZB_BACK | PSWIZB_FINISH);
  CPropertySheet sheet(_T("Assistent"));
  sheet.AddPage(&first);
  sheet.AddPage(&last);
  sheet.SetWizardMode();
  EXPECT_TRUE(sheet.IsWizard());
  HWND window = nullptr;
  auto buttonEnabled = [&](int id) { return ::IsWindowEnabled(::GetDlgItem(window, id)) != FALSE; };
  ModalDriver script({
      {_T("the wizard on its first page"), [&] { return (window = SheetWindow()) != nullptr && CurrentPage(window) == first.m_hWnd; }},
      {_T("the sheet's next action"), [&] {
        EXPECT_FALSE(buttonEnabled(kBackButton));
        EXPECT_TRUE(buttonEnabled(kNextButton));
        Type(first.m_hWnd, _T("eins"));
        sheet.PressButton(PSBTN_NEXT);
        return true;
      }},
      {_T("the wizard's last page"), [&] { return CurrentPage(window) == last.m_hWnd && last.m_hWnd; }},
      {_T("the sheet's next action"), [&] {
        EXPECT_EQ(first.m_text, CString(_T("eins")));
        EXPECT_EQ(sheet.GetActiveIndex(), 1);
        EXPECT_TRUE(buttonEnabled(kBackButton));
        sheet.PressButton(PSBTN_BACK);
        return true;
      }},
      {_T("the wizard back on its first page"), [&] { return CurrentPage(window) == first.m_hWnd; }},
      {_T("the sheet's next action"), [&] {
        sheet.PressButton(PSBTN_NEXT);
        return true;
      }},
      {_T("the wizard's last page again"), [&] { return CurrentPage(window) == last.m_hWnd; }},
      {_T("the sheet's next action"), [&] {
        Type(last.m_hWnd, _T("zwei"));
        sheet.PressButton(PSBTN_FINISH);
        return true;
      }},
  });
  EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
  EXPECT_TRUE(script.Finished());
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(first.m_text, CString(_T("eins")));
  EXPECT_EQ(last.m_text, CString(_T("zwei")));
}

// A modeless sheet runs in the program's loop and closes itself after OK.
TEST(PropertySheet, ModelessSheetClosesAfterOk) {
  lwtest::Watchdog watchdog(60);
  CEditPage name(IDD_TEST_PAGE_NAME, 0, 10);
  CPropertySheet sheet(_T("Eigenschaften"));
  sheet.AddPage(&name);
  sheet.SetActivePage(0);
  ASSERT_TRUE(sheet.Create());
  HWND window = sheet.m_hWnd;
  EXPECT_EQ(CurrentPage(window), name.m_hWnd);
  Type(name.m_hWnd, _T("frei"));
  sheet.PressButton(PSBTN_OK);
  // The program's loop: the sheet sees every message first.
  EXPECT_TRUE(lwtest::WaitUntil(_T("the modeless sheet closed"), [&] {
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!sheet.PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
      }
    }
    return !::IsWindow(window);
  }));
  EXPECT_EQ(sheet.m_hWnd, nullptr);
  EXPECT_EQ(name.m_text, CString(_T("frei")));
}

}  // namespace
