#include "Menu.h"

#include "HandleMap.h"
#include "WndChecks.h"

namespace {
lw::HandleMap<CMenu, HMENU>& Temporaries() {
  thread_local lw::HandleMap<CMenu, HMENU> map;
  return map;
}
}  // namespace

CMenu* lw::MenuFromHandle(HMENU menu) { return CMenu::FromHandle(menu); }

// ---- a window's menus ---------------------------------------------------------

CMenu* CWnd::GetMenu() const { LW_ASSERT_WINDOW("CWnd::GetMenu"); return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* menu) {
  LW_ASSERT_WINDOW("CWnd::SetMenu");
  return ::SetMenu(m_hWnd, menu ? menu->m_hMenu : nullptr);
}
CMenu* CWnd::GetSystemMenu(BOOL revert) const {
  LW_ASSERT_WINDOW("CWnd::GetSystemMenu");
  return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert));
}

// ---- CMenu --------------------------------------------------------------------

CMenu::~CMenu() { DestroyMenu(); }

HMENU CMenu::GetSafeHmenu() const {
  const CMenu* self = lw::Opaque(this);
  return self ? self->m_hMenu : nullptr;
}

CMenu* CMenu::FromHandle(HMENU menu) {
  return Temporaries().FromHandle(menu, [](HMENU h) {
    CMenu* m = new CMenu;
    m->m_hMenu = h;
    return m;
  });
}

void CMenu::DeleteTempMap() { Temporaries().DeleteTemporaries(); }

BOOL CMenu::Attach(HMENU menu) {
  if (!menu || m_hMenu) return FALSE;
  m_hMenu = menu;
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU menu = m_hMenu;
  m_hMenu = nullptr;
  return menu;
}

BOOL CMenu::CreateMenu() { return !m_hMenu && Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return !m_hMenu && Attach(::CreatePopupMenu()); }
BOOL CMenu::LoadMenu(UINT id) { return LoadMenu(MAKEINTRESOURCE(id)); }
BOOL CMenu::LoadMenu(LPCTSTR name) { return !m_hMenu && Attach(::LoadMenu(AfxGetResourceHandle(), name)); }

BOOL CMenu::DestroyMenu() {
  HMENU menu = Detach();
  return menu ? ::DestroyMenu(menu) : FALSE;
}

CMenu* CMenu::GetSubMenu(int pos) const { return FromHandle(::GetSubMenu(m_hMenu, pos)); }
int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int pos) const { return ::GetMenuItemID(m_hMenu, pos); }
UINT CMenu::GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
int CMenu::GetMenuString(UINT item, LPTSTR buffer, int max, UINT flags) const {
  return ::GetMenuString(m_hMenu, item, buffer, max, flags);
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const {
  text.Empty();
  int length = ::GetMenuString(m_hMenu, item, nullptr, 0, flags);
  if (length <= 0) return 0;
  int copied = ::GetMenuString(m_hMenu, item, text.GetBuffer(length + 1), length + 1, flags);
  text.ReleaseBuffer(copied > 0 ? copied : 0);
  return text.GetLength();
}

BOOL CMenu::GetMenuItemInfo(UINT item, LPMENUITEMINFO info, BOOL byPos) const {
  return ::GetMenuItemInfo(m_hMenu, item, byPos, info);
}
BOOL CMenu::SetMenuItemInfo(UINT item, LPMENUITEMINFO info, BOOL byPos) {
  return ::SetMenuItemInfo(m_hMenu, item, byPos, info);
}
BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrPopup, LPCTSTR text) {
  return ::AppendMenu(m_hMenu, flags, idOrPopup, text);
}
BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idOrPopup, LPCTSTR text) {
  return ::InsertMenu(m_hMenu, position, flags, idOrPopup, text);
}
BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR idOrPopup, LPCTSTR text) {
  return ::ModifyMenu(m_hMenu, position, flags, idOrPopup, text);
}
BOOL CMenu::RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }
BOOL CMenu::DeleteMenu(UINT position, UINT flags) { return ::DeleteMenu(m_hMenu, position, flags); }
UINT CMenu::EnableMenuItem(UINT item, UINT enable) {
  return static_cast<UINT>(::EnableMenuItem(m_hMenu, item, enable));
}
DWORD CMenu::CheckMenuItem(UINT item, UINT check) { return ::CheckMenuItem(m_hMenu, item, check); }
BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags) {
  return ::CheckMenuRadioItem(m_hMenu, first, last, item, flags);
}
BOOL CMenu::SetDefaultItem(UINT item, BOOL byPos) { return ::SetMenuDefaultItem(m_hMenu, item, byPos); }
BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) {
  return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, rect);
}
