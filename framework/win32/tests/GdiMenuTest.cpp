#include "ReporterCapture.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

TEST(Menu, LoadFromResourceAndChange) {
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDM_TEST_MENU));
  EXPECT_FALSE(menu.LoadMenu(IDM_TEST_MENU));  // holds one already
  ASSERT_EQ(menu.GetMenuItemCount(), 1);
  CString text;
  menu.GetMenuString(0, text, MF_BYPOSITION);
  EXPECT_EQ(text, CString(_T("&Datei")));
  CMenu* file = menu.GetSubMenu(0);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->GetMenuItemCount(), 3);
  EXPECT_EQ(file->GetMenuItemID(0), static_cast<UINT>(ID_TEST_OPEN));
  EXPECT_EQ(file->GetMenuItemID(1), 0u);  // separator
  file->GetMenuString(ID_TEST_OPEN, text, MF_BYCOMMAND);
  EXPECT_EQ(text, CString(_T("\xd6&" "ffnen...")));

  file->EnableMenuItem(ID_TEST_SAVE, MF_BYCOMMAND | MF_GRAYED);
  file->CheckMenuItem(ID_TEST_OPEN, MF_BYCOMMAND | MF_CHECKED);
  EXPECT_TRUE(file->GetMenuState(ID_TEST_SAVE, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(file->GetMenuState(ID_TEST_OPEN, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(file->ModifyMenu(ID_TEST_SAVE, MF_BYCOMMAND | MF_STRING, ID_TEST_SAVE, _T("Speichern &unter...")));
  file->GetMenuString(2, text, MF_BYPOSITION);
  EXPECT_EQ(text, CString(_T("Speichern &unter...")));
  EXPECT_TRUE(file->InsertMenu(0, MF_BYPOSITION | MF_STRING, ID_TEST_EXTRA, _T("&Neu")));
  EXPECT_EQ(file->GetMenuItemID(0), static_cast<UINT>(ID_TEST_EXTRA));
  EXPECT_TRUE(file->DeleteMenu(ID_TEST_EXTRA, MF_BYCOMMAND));
  EXPECT_EQ(file->GetMenuItemCount(), 3);
  EXPECT_EQ(file->GetMenuString(99, text, MF_BYCOMMAND), 0);
  EXPECT_TRUE(text.IsEmpty());
  CMenu::DeleteTempMap();
}

TEST(Gdi, MemoryDcDrawing) {
  CClientDC screen(nullptr);
  CDC memory;
  ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 40, 30));
  EXPECT_EQ(bitmap.GetSize(), CSize(40, 30));
  BITMAP info{};
  EXPECT_NE(bitmap.GetBitmap(&info), 0);
  EXPECT_EQ(info.bmWidth, 40);
  CBitmap* old = memory.SelectObject(&bitmap);
  ASSERT_NE(old, nullptr);

  const COLORREF grey = RGB(192, 192, 192), red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
  memory.FillSolidRect(0, 0, 40, 30, grey);
  EXPECT_EQ(memory.GetPixel(39, 29), grey);
  memory.SetPixel(3, 4, red);
  EXPECT_EQ(memory.GetPixel(3, 4), red);
  CPen pen(PS_SOLID, 1, blue);
  CPen* oldPen = memory.SelectObject(&pen);
  memory.MoveTo(0, 10);
  memory.LineTo(40, 10);
  memory.SelectObject(oldPen);
  EXPECT_EQ(memory.GetPixel(20, 10), blue);
  CBrush brush(red);
  CRect box(30, 20, 35, 25);
  memory.FillRect(&box, &brush);
  EXPECT_EQ(memory.GetPixel(32, 22), red);
  memory.Draw3dRect(CRect(0, 0, 10, 8), red, blue);
  EXPECT_EQ(memory.GetPixel(0, 0), red);
  EXPECT_EQ(memory.GetPixel(9, 7), blue);

  // Copy to a second bitmap.
  CDC copy;
  ASSERT_TRUE(copy.CreateCompatibleDC(&screen));
  CBitmap target;
  ASSERT_TRUE(target.CreateCompatibleBitmap(&screen, 40, 30));
  CBitmap* oldTarget = copy.SelectObject(&target);
  EXPECT_TRUE(copy.BitBlt(0, 0, 40, 30, &memory, 0, 0, SRCCOPY));
  EXPECT_EQ(copy.GetPixel(3, 4), red);
  EXPECT_EQ(copy.GetPixel(20, 10), blue);
  copy.SelectObject(oldTarget);
  memory.SelectObject(old);
  CGdiObject::DeleteTempMap();
}

TEST(Gdi, FontsAndTextExtent) {
  CClientDC screen(nullptr);
  CFont small, large;
  ASSERT_TRUE(small.CreatePointFont(80, _T("MS Sans Serif")));
  ASSERT_TRUE(large.CreatePointFont(240, _T("MS Sans Serif")));
  LOGFONT logFont{};
  ASSERT_NE(small.GetLogFont(&logFont), 0);
  EXPECT_LT(logFont.lfHeight, 0);  // a character height
  CFont* old = screen.SelectObject(&small);
  CSize smallExtent = screen.GetTextExtent(CString(_T("Hallo Welt")));
  screen.SelectObject(&large);
  CSize largeExtent = screen.GetTextExtent(_T("Hallo Welt"), 10);
  screen.SelectObject(old);
  EXPECT_GT(smallExtent.cx, 0);
  EXPECT_GT(largeExtent.cx, smallExtent.cx);  // measured live, not against fixed numbers
  EXPECT_GT(largeExtent.cy, smallExtent.cy);
  CFont copy;
  ASSERT_TRUE(copy.CreateFontIndirect(&logFont));
  CFont stock;
  EXPECT_TRUE(stock.CreateStockObject(ANSI_VAR_FONT));
  CGdiObject::DeleteTempMap();
}

// Painting goes through CPaintDC in a WM_PAINT handler.
class CPainted : public CWnd {
 public:
  int paints = 0;
  void OnPaint() {
    CPaintDC dc(this);
    ++paints;
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, RGB(0, 128, 0));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.DrawText(CString(_T("Gr\xfc\xdf" "e")), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  BOOL OnEraseBkgnd(CDC*) { return TRUE; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPainted, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

TEST(Gdi, PaintHandlerUsesPaintDc) {
  CPainted wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, _T("paint"), WS_POPUP | WS_VISIBLE, CRect(50, 50, 150, 110), nullptr, 0));
  wnd.Invalidate();
  wnd.UpdateWindow();
  EXPECT_GE(wnd.paints, 1);
  CRect update;
  EXPECT_FALSE(::GetUpdateRect(wnd, &update, FALSE));  // the paint validated the window
  wnd.DestroyWindow();
}

}  // namespace
