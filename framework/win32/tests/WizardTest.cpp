#include "ControlsTestRes.h"
#include "ControlsTestUi.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using lwtest::ModalDriver;

// A Wizard97 page whose Next and Back answers are set by the test, and whose
// PSN_SETACTIVE answer may refuse the page.
class CJumpPage : public CPropertyPageEx {
 public:
  CJumpPage(UINT templateId, UINT titleId, UINT subTitleId) : CPropertyPageEx(templateId, 0, titleId, subTitleId) {}
  LRESULT next = 0, back = 0;
  BOOL refuse = FALSE;
  std::vector<UINT>* visits = nullptr;
  UINT initFlags = 0;
  CString initTitle, initSubTitle;

  BOOL OnInitDialog() override {
    auto* record = reinterpret_cast<const PROPSHEETPAGE*>(GetCurrentMessage()->lParam);
    initFlags = record->dwFlags;
    if (record->dwFlags & PSP_USEHEADERTITLE) initTitle = record->pszHeaderTitle;
    if (record->dwFlags & PSP_USEHEADERSUBTITLE) initSubTitle = record->pszHeaderSubTitle;
    return CPropertyPageEx::OnInitDialog();
  }
  BOOL OnSetActive() override {
    if (refuse) return FALSE;
    visits->push_back(m_nIDTemplate);
    GetParent()->PostMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_FINISH);
    return CPropertyPageEx::OnSetActive();
  }
  LRESULT OnWizardNext() override { return next; }
  LRESULT OnWizardBack() override { return back; }
};

// A sheet made minimisable before comctl32 makes its window and put in the
// topmost layer once it exists.
class CWizardSheet : public CPropertySheetEx {
 public:
  CWizardSheet(HBITMAP watermark, HBITMAP header)
      : CPropertySheetEx(_T("Lingoweave Assistent"), nullptr, 0, watermark, nullptr, header) {
    m_psh.dwFlags |= PSH_WIZARD97;
  }
  int initCalls = 0;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override {
    cs.style |= WS_MINIMIZEBOX;
    return CPropertySheetEx::PreCreateWindow(cs);
  }
  BOOL OnInitDialog() override {
    ++initCalls;
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return CPropertySheetEx::OnInitDialog();
  }
};

HWND SheetWindow() {
  for (HWND hwnd : lwtest::OwnDialogs())
    if (::SendMessage(hwnd, PSM_GETTABCONTROL, 0, 0)) return hwnd;
  return nullptr;
}

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(::SendMessage(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

// Walks a Wizard97 sheet both ways by template ids: PSN_WIZNEXT and
// PSN_WIZBACK answers jump, 0 goes to the neighbour, a page whose
// PSN_SETACTIVE answers -1 is passed over, PSM_SETCURSEL goes to page N.
TEST(Wizard97, WalksPagesByTemplateIdBothWays) {
  lwtest::InitControls();
  std::vector<UINT> visits;
  CJumpPage first(IDD_CT_WIZ_FIRST, IDS_CT_TITLE_FIRST, IDS_CT_SUB_FIRST);
  CJumpPage second(IDD_CT_WIZ_SECOND, 0, 0);
  CJumpPage third(IDD_CT_WIZ_THIRD, IDS_CT_TITLE_THIRD, IDS_CT_SUB_THIRD);
  CJumpPage last(IDD_CT_WIZ_LAST, 0, 0);
  last.m_psp.dwFlags |= PSP_HIDEHEADER;
  last.m_strHeaderTitle = _T("nie gezeigt");
  for (CJumpPage* page : {&first, &second, &third, &last}) page->visits = &visits;
  // The header strings may be set anew after construction; they live in the page.
  third.m_strHeaderSubTitle = _T("Hierher springt der Assistent (neu)");

  CBitmap watermark, header;
  {
    CClientDC screen(nullptr);
    watermark.CreateCompatibleBitmap(&screen, 164, 314);
    header.CreateCompatibleBitmap(&screen, 49, 49);
  }
  CWizardSheet sheet(static_cast<HBITMAP>(watermark.m_hObject), static_cast<HBITMAP>(header.m_hObject));
  for (CJumpPage* page : {&first, &second, &third, &last}) sheet.AddPage(page);
  EXPECT_TRUE(sheet.m_psh.dwFlags & PSH_USEHBMWATERMARK);
  EXPECT_TRUE(sheet.m_psh.dwFlags & PSH_USEHBMHEADER);

  HWND window = nullptr;
  auto showing = [&](CJumpPage& page) { return page.m_hWnd && CurrentPage(window) == page.m_hWnd; };
  auto press = [&](int button) {
    sheet.PressButton(button);
    return true;
  };
  DWORD style = 0, exStyle = 0;
  ModalDriver script({
      [&] { return (window = SheetWindow()) != nullptr && showing(first); },
      [&] {
        style = static_cast<DWORD>(::GetWindowLongPtr(window, GWL_STYLE));
        exStyle = static_cast<DWORD>(::GetWindowLongPtr(window, GWL_EXSTYLE));
        first.next = IDD_CT_WIZ_THIRD;  // jump over the second page
        return press(PSBTN_NEXT);
      },
      [&] { return showing(third); },
      [&] { return press(PSBTN_NEXT); },  // 0: the neighbour
      [&] { return showing(last); },
      [&] { return press(PSBTN_BACK); },
      [&] { return showing(third); },
      [&] {
        third.back = IDD_CT_WIZ_FIRST;
        return press(PSBTN_BACK);
      },
      [&] { return showing(first); },
      [&] {
        first.next = 0;
        second.refuse = TRUE;  // answers -1: passed over
        return press(PSBTN_NEXT);
      },
      [&] { return showing(third); },
      [&] {
        ::SendMessage(window, PSM_SETCURSEL, 0, 0);  // "go to page N"
        return true;
      },
      [&] { return showing(first); },
      [&] {
        ::SendMessage(window, PSM_SETCURSEL, 3, 0);
        return true;
      },
      [&] { return showing(last); },
      [&] { return press(PSBTN_FINISH); },
  });
  EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
  EXPECT_TRUE(script.Finished());
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(visits, (std::vector<UINT>{IDD_CT_WIZ_FIRST, IDD_CT_WIZ_THIRD, IDD_CT_WIZ_LAST, IDD_CT_WIZ_THIRD,
                                       IDD_CT_WIZ_FIRST, IDD_CT_WIZ_THIRD, IDD_CT_WIZ_FIRST, IDD_CT_WIZ_LAST}));
  EXPECT_EQ(sheet.initCalls, 1);
  EXPECT_TRUE(style & WS_MINIMIZEBOX) << "minimisable";
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST) << "topmost";
  EXPECT_EQ(second.m_hWnd, nullptr);
  // The header texts comctl32 got.
  EXPECT_TRUE(first.initFlags & PSP_USEHEADERTITLE);
  EXPECT_EQ(first.initTitle, CString(_T("Anfang")));
  EXPECT_EQ(first.initSubTitle, CString(_T("Die erste Seite des Assistenten")));
  EXPECT_EQ(third.initTitle, CString(_T("Mitte")));
  EXPECT_EQ(third.initSubTitle, CString(_T("Hierher springt der Assistent (neu)")));
  EXPECT_FALSE(last.initFlags & (PSP_USEHEADERTITLE | PSP_USEHEADERSUBTITLE)) << "hidden header";
  EXPECT_TRUE(last.initFlags & PSP_HIDEHEADER);
  EXPECT_FALSE(first.initFlags & PSP_DLGINDIRECT) << "pages by template id";
}

}  // namespace
