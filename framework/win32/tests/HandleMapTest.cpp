#include "ReporterCapture.h"
#include "HandleMap.h"

#include <gtest/gtest.h>

namespace {

struct Popup {
  HWND hwnd = ::CreateWindowEx(0, _T("STATIC"), _T("popup"), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               ::GetModuleHandle(nullptr), nullptr);
  ~Popup() {
    if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
  }
};

TEST(HandleMap, AttachDetachAndTemporaries) {
  Popup popup;
  ASSERT_NE(popup.hwnd, nullptr);
  CWnd::DeleteTempMap();
  CWnd* temp = CWnd::FromHandle(popup.hwnd);
  ASSERT_NE(temp, nullptr);
  EXPECT_EQ(CWnd::FromHandle(popup.hwnd), temp);  // same temporary until idle time
  EXPECT_EQ(CWnd::FromHandlePermanent(popup.hwnd), nullptr);

  CWnd wnd;
  ASSERT_TRUE(wnd.Attach(popup.hwnd));
  EXPECT_EQ(CWnd::FromHandlePermanent(popup.hwnd), &wnd);
  EXPECT_EQ(CWnd::FromHandle(popup.hwnd), &wnd);  // the permanent object wins
  CWnd other;
  EXPECT_FALSE(other.Attach(popup.hwnd));  // one object per handle
  EXPECT_FALSE(wnd.Attach(popup.hwnd));    // one handle per object
  EXPECT_EQ(wnd.Detach(), popup.hwnd);
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(popup.hwnd), nullptr);
  EXPECT_TRUE(::IsWindow(popup.hwnd));  // detaching leaves the window alone
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
  CWnd::DeleteTempMap();
}

TEST(HandleMap, NullObjectsGiveNullHandles) {
  // As callers write it: a pointer that may be null.
  CWnd* none = const_cast<CWnd*>(lw::Opaque<CWnd>(nullptr));
  CMenu* noMenu = const_cast<CMenu*>(lw::Opaque<CMenu>(nullptr));
  CDC* noDc = const_cast<CDC*>(lw::Opaque<CDC>(nullptr));
  CGdiObject* noObject = const_cast<CGdiObject*>(lw::Opaque<CGdiObject>(nullptr));
  EXPECT_EQ(none->GetSafeHwnd(), nullptr);
  EXPECT_EQ(noMenu->GetSafeHmenu(), nullptr);
  EXPECT_EQ(noDc->GetSafeHdc(), nullptr);
  EXPECT_EQ(noObject->GetSafeHandle(), nullptr);
}

TEST(HandleMap, ObjectDestructorDestroysItsWindow) {
  HWND hwnd;
  {
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, _T("x"), WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    hwnd = wnd.m_hWnd;
  }
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

// Counts the characters an edit control receives once subclassed.
class CCountingEdit : public CWnd {
 public:
  int chars = 0;
  void OnChar(UINT ch, UINT rep, UINT flags) {
    ++chars;
    CWnd::OnChar(ch, rep, flags);  // the edit still gets it
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingEdit, CWnd)
  ON_WM_CHAR()
END_MESSAGE_MAP()

TEST(HandleMap, SubclassDlgItemAndUnsubclass) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, _T("parent"), WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
  HWND edit = ::CreateWindowEx(0, _T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, parent,
                               reinterpret_cast<HMENU>(12), ::GetModuleHandle(nullptr), nullptr);
  ASSERT_NE(edit, nullptr);
  LONG_PTR original = ::GetWindowLongPtr(edit, GWLP_WNDPROC);
  CCountingEdit counting;
  EXPECT_FALSE(counting.SubclassDlgItem(13, &parent));  // no such control
  ASSERT_TRUE(counting.SubclassDlgItem(12, &parent));
  EXPECT_NE(::GetWindowLongPtr(edit, GWLP_WNDPROC), original);
  ::SendMessage(edit, WM_CHAR, 'a', 1);
  ::SendMessage(edit, WM_CHAR, 'b', 1);
  EXPECT_EQ(counting.chars, 2);
  EXPECT_EQ(counting.GetWindowTextString(), CString(_T("ab")));
  EXPECT_EQ(counting.UnsubclassWindow(), edit);
  EXPECT_EQ(::GetWindowLongPtr(edit, GWLP_WNDPROC), original);
  ::SendMessage(edit, WM_CHAR, 'c', 1);
  EXPECT_EQ(counting.chars, 2);
  EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
  parent.DestroyWindow();
}

TEST(HandleMap, DestroyedSubclassedControlDetachesItself) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, _T("parent"), WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
  CButton button;
  ASSERT_TRUE(button.Create(_T("OK"), WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 40, 20), &parent, 5));
  HWND hwnd = button.m_hWnd;
  EXPECT_EQ(parent.GetDlgItem(5), &button);
  parent.DestroyWindow();  // destroys the child too
  EXPECT_EQ(button.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST(HandleMap, MenusAndGdiTemporaries) {
  CMenu menu;
  ASSERT_TRUE(menu.CreateMenu());
  CMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  popup.AppendMenu(MF_STRING, 7, _T("&Speichern"));
  HMENU popupHandle = popup.Detach();  // the menu bar owns it now
  menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popupHandle), _T("&Datei"));
  CMenu* sub = menu.GetSubMenu(0);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->m_hMenu, popupHandle);
  EXPECT_EQ(menu.GetSubMenu(0), sub);
  CString text;
  EXPECT_EQ(sub->GetMenuString(7, text, MF_BYCOMMAND), 10);
  EXPECT_EQ(text, CString(_T("&Speichern")));
  CMenu::DeleteTempMap();
  EXPECT_TRUE(::IsMenu(popupHandle));  // a temporary wrapper never destroys
  HMENU bar = menu.m_hMenu;
  menu.DestroyMenu();
  EXPECT_FALSE(::IsMenu(bar));

  CFont stock;
  ASSERT_TRUE(stock.CreateStockObject(DEFAULT_GUI_FONT));
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
  CFont* old = dc.SelectObject(&stock);
  ASSERT_NE(old, nullptr);
  EXPECT_NE(old->m_hObject, stock.m_hObject);
  EXPECT_EQ(dc.SelectObject(old)->m_hObject, stock.m_hObject);
  CGdiObject::DeleteTempMap();
  CDC::DeleteTempMap();
}

}  // namespace
