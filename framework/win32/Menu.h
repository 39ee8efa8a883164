// CMenu: a menu handle with the usual operations.
#pragma once

#include "Wnd.h"

class CMenu : public CObject {
 public:
  CMenu() = default;
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;
  ~CMenu() override;  // destroys the menu it holds

  HMENU m_hMenu = nullptr;
  operator HMENU() const { return m_hMenu; }
  HMENU GetSafeHmenu() const;

  static CMenu* FromHandle(HMENU menu);  // a temporary object, freed at idle time
  static void DeleteTempMap();
  BOOL Attach(HMENU menu);
  HMENU Detach();
  void DetachTemporary() { m_hMenu = nullptr; }

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  BOOL LoadMenu(UINT id);
  BOOL LoadMenu(LPCTSTR name);
  BOOL DestroyMenu();

  CMenu* GetSubMenu(int pos) const;
  int GetMenuItemCount() const;
  UINT GetMenuItemID(int pos) const;
  UINT GetMenuState(UINT item, UINT flags) const;
  int GetMenuString(UINT item, LPTSTR buffer, int max, UINT flags) const;
  int GetMenuString(UINT item, CString& text, UINT flags) const;
  BOOL GetMenuItemInfo(UINT item, LPMENUITEMINFO info, BOOL byPos = FALSE) const;
  BOOL SetMenuItemInfo(UINT item, LPMENUITEMINFO info, BOOL byPos = FALSE);
  BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
  BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
  BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
  BOOL RemoveMenu(UINT position, UINT flags);
  BOOL DeleteMenu(UINT position, UINT flags);
  UINT EnableMenuItem(UINT item, UINT enable);
  DWORD CheckMenuItem(UINT item, UINT check);
  BOOL CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags);
  BOOL SetDefaultItem(UINT item, BOOL byPos = FALSE);
  BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);
};
