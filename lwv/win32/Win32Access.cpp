#include "Win32Access.h"

#include "SystemMenuTranslator.h"

static_assert(LWV_NOSIZE == SWP_NOSIZE && LWV_NOMOVE == SWP_NOMOVE && LWV_NOZORDER == SWP_NOZORDER,
              "SetWindowPos flags");
static_assert(LWV_SC_SIZE == SC_SIZE && LWV_SC_MOVE == SC_MOVE && LWV_SC_MINIMIZE == SC_MINIMIZE &&
                  LWV_SC_MAXIMIZE == SC_MAXIMIZE && LWV_SC_CLOSE == SC_CLOSE && LWV_SC_RESTORE == SC_RESTORE,
              "system commands");

CString LwvGetWindowText(HWND wnd) {
  // Most texts fit the first buffer: one WM_GETTEXT instead of two messages.
  TCHAR first[256];
  const int got = ::GetWindowText(wnd, first, 256);
  if (got < 255) return got > 0 ? CString(first, got) : CString();
  CString text;
  const int n = ::GetWindowTextLength(wnd);
  if (n <= 0) return text;
  std::vector<TCHAR> buffer(static_cast<size_t>(n) + 2);
  const int all = ::GetWindowText(wnd, buffer.data(), n + 1);
  if (all > 0) text = CString(buffer.data(), all);
  return text;
}

bool CLwvWin32Menus::IsMenu(LwvMenu menu) { return menu && ::IsMenu(ToHmenu(menu)); }

int CLwvWin32Menus::GetItemCount(LwvMenu menu) { return ::GetMenuItemCount(ToHmenu(menu)); }

CString CLwvWin32Menus::GetItemText(LwvMenu menu, int pos) {
  TCHAR buffer[256] = {0};
  const int n = ::GetMenuString(ToHmenu(menu), static_cast<UINT>(pos), buffer, 256, MF_BYPOSITION);
  return n > 0 ? CString(buffer, n < 255 ? n : 255) : CString();
}

LwvMenu CLwvWin32Menus::GetSubMenu(LwvMenu menu, int pos) { return ::GetSubMenu(ToHmenu(menu), pos); }

UINT CLwvWin32Menus::GetItemID(LwvMenu menu, int pos) { return ::GetMenuItemID(ToHmenu(menu), pos); }

bool CLwvWin32Menus::SetItemText(LwvMenu menu, int pos, const CString& text) {
  MENUITEMINFO info;
  ZeroMemory(&info, sizeof(info));
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<LPTSTR>(static_cast<LPCTSTR>(text));
  return ::SetMenuItemInfo(ToHmenu(menu), static_cast<UINT>(pos), TRUE, &info) != FALSE;
}

bool CLwvWin32Menus::AppendSeparator(LwvMenu menu) {
  return ::AppendMenu(ToHmenu(menu), MF_SEPARATOR, 0, nullptr) != FALSE;
}

bool CLwvWin32Menus::AppendItem(LwvMenu menu, UINT id, const CString& text) {
  return ::AppendMenu(ToHmenu(menu), MF_STRING, id, text) != FALSE;
}

CLwvMenuAccess& LwvDefaultMenuAccess() {
  static CLwvWin32Menus menus;
  return menus;
}

bool CLwvWin32Windows::IsWindow(LwvWindow wnd) { return wnd && ::IsWindow(ToHwnd(wnd)); }

bool CLwvWin32Windows::IsMenu(LwvMenu menu) { return menu && ::IsMenu(ToHmenu(menu)); }

LwvMenu CLwvWin32Windows::GetWindowMenu(LwvWindow wnd) {
  HWND h = ToHwnd(wnd);
  if (!::IsWindow(h) || (::GetWindowLongPtr(h, GWL_STYLE) & WS_CHILD)) return nullptr;
  return ::GetMenu(h);
}

int CLwvWin32Windows::GetMenuItemCount(LwvMenu menu) { return ::GetMenuItemCount(ToHmenu(menu)); }

LwvMenu CLwvWin32Windows::GetSubMenu(LwvMenu menu, int pos) { return ::GetSubMenu(ToHmenu(menu), pos); }

void CLwvWin32Windows::SendMessage(LwvWindow wnd, UINT message) { ::SendMessage(ToHwnd(wnd), message, 0, 0); }

CLwvWindowSystem& LwvDefaultWindowSystem() {
  static CLwvWin32Windows windows;
  return windows;
}

CString CLwvWin32Dialog::GetCaption() { return LwvGetWindowText(m_hWnd); }

void CLwvWin32Dialog::SetCaption(const CString& text) {
  Changing();
  ::SetWindowText(m_hWnd, text);
}

int CLwvWin32Dialog::CollectChildren(int maxCount) {
  m_children.clear();
  for (HWND child = ::GetTopWindow(m_hWnd); child && static_cast<int>(m_children.size()) < maxCount;
       child = ::GetWindow(child, GW_HWNDNEXT))
    m_children.push_back(child);
  return static_cast<int>(m_children.size());
}

CString CLwvWin32Dialog::GetChildText(int index) { return LwvGetWindowText(GetChild(index)); }

void CLwvWin32Dialog::SetChildText(int index, const CString& text) {
  Changing();
  ::SetWindowText(GetChild(index), text);
}

RECT CLwvWin32Dialog::GetChildRect(int index) {
  RECT rc = {0, 0, 0, 0};
  ::GetWindowRect(GetChild(index), &rc);
  ::MapWindowPoints(HWND_DESKTOP, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

void CLwvWin32Dialog::SetChildPos(int index, int x, int y, int cx, int cy, UINT flags, bool keepHeight) {
  HWND child = GetChild(index);
  const RECT now = GetChildRect(index);
  if (keepHeight) {
    // A combo box's window height includes its drop-down list: keep that.
    RECT dropped = {0, 0, 0, 0};
    if (::SendMessage(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)) &&
        dropped.bottom > dropped.top)
      cy = dropped.bottom - dropped.top;
    else
      cy = now.bottom - now.top;
  }
  // Where the child would end up; already there, nothing is sent.
  const bool move = !(flags & SWP_NOMOVE);
  const bool size = !(flags & SWP_NOSIZE);
  if ((!move || (x == now.left && y == now.top)) &&
      (!size || (cx == now.right - now.left && cy == now.bottom - now.top)))
    return;
  Changing();
  ::SetWindowPos(child, nullptr, x, y, cx, cy, flags);
}

RECT CLwvWin32Dialog::GetWindowRect() {
  RECT rc = {0, 0, 0, 0};
  ::GetWindowRect(m_hWnd, &rc);
  return rc;
}

RECT CLwvWin32Dialog::GetClientRect() {
  RECT rc = {0, 0, 0, 0};
  ::GetClientRect(m_hWnd, &rc);
  return rc;
}

void CLwvWin32Dialog::SetWindowSize(int cx, int cy) {
  const RECT now = GetWindowRect();
  if (cx == now.right - now.left && cy == now.bottom - now.top) return;
  Changing();
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CLwvWin32Dialog::~CLwvWin32Dialog() { RedrawOn(); }

void CLwvWin32Dialog::Changing() {
  if (m_bChanged) return;
  m_bChanged = true;
  if (::IsWindowVisible(m_hWnd)) {
    ::SendMessage(m_hWnd, WM_SETREDRAW, FALSE, 0);
    m_bRedrawOff = true;
  }
}

void CLwvWin32Dialog::RedrawOn() {
  if (!m_bRedrawOff) return;
  m_bRedrawOff = false;
  if (::IsWindow(m_hWnd)) ::SendMessage(m_hWnd, WM_SETREDRAW, TRUE, 0);
}

void CLwvWin32Dialog::Redraw() {
  // Nothing set, moved or sized: the dialog shows what it showed. Otherwise
  // it is only marked: it paints once when its thread next asks for
  // messages, not in the middle of a language switch.
  if (!m_bChanged) return;
  m_bChanged = false;
  RedrawOn();
  ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void CLwvWin32Dialog::MapDialogRect(RECT& rc) const { ::MapDialogRect(m_hWnd, &rc); }
