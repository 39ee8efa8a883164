// The portable translators' view of real windows and menus.
#pragma once

#include "DialogAccess.h"
#include "MenuAccess.h"
#include "WindowLists.h"

#include <windows.h>

#include <vector>

inline HWND ToHwnd(LwvWindow w) { return static_cast<HWND>(w); }
inline HMENU ToHmenu(LwvMenu m) { return static_cast<HMENU>(m); }

// Menus through the menu functions; a text change keeps id, submenu, type and state.
class CLwvWin32Menus : public CLwvMenuAccess {
 public:
  bool IsMenu(LwvMenu menu) override;
  int GetItemCount(LwvMenu menu) override;
  CString GetItemText(LwvMenu menu, int pos) override;
  LwvMenu GetSubMenu(LwvMenu menu, int pos) override;
  UINT GetItemID(LwvMenu menu, int pos) override;
  bool SetItemText(LwvMenu menu, int pos, const CString& text) override;
  bool AppendSeparator(LwvMenu menu) override;
  bool AppendItem(LwvMenu menu, UINT id, const CString& text) override;
};

class CLwvWin32Windows : public CLwvWindowSystem {
 public:
  bool IsWindow(LwvWindow wnd) override;
  bool IsMenu(LwvMenu menu) override;
  LwvMenu GetWindowMenu(LwvWindow wnd) override;
  int GetMenuItemCount(LwvMenu menu) override;
  LwvMenu GetSubMenu(LwvMenu menu, int pos) override;
  void SendMessage(LwvWindow wnd, UINT message) override;
};

// A live dialog: its direct children in Z order, geometry in client pixels.
// Moves and sizes that change nothing are not sent. From the first change
// on, the dialog's drawing is off (its children do not paint each new text
// at once); Redraw turns it on again and marks the dialog for one paint.
class CLwvWin32Dialog : public CLwvDialogAccess {
 public:
  explicit CLwvWin32Dialog(HWND dialog) : m_hWnd(dialog) {}
  ~CLwvWin32Dialog() override;
  CLwvWin32Dialog(const CLwvWin32Dialog&) = delete;
  CLwvWin32Dialog& operator=(const CLwvWin32Dialog&) = delete;
  CString GetCaption() override;
  void SetCaption(const CString& text) override;
  int CollectChildren(int maxCount) override;
  CString GetChildText(int index) override;
  void SetChildText(int index, const CString& text) override;
  RECT GetChildRect(int index) override;
  void SetChildPos(int index, int x, int y, int cx, int cy, UINT flags, bool keepHeight) override;
  RECT GetWindowRect() override;
  RECT GetClientRect() override;
  void SetWindowSize(int cx, int cy) override;
  void Redraw() override;
  void MapDialogRect(RECT& rc) const override;

  HWND GetChild(int index) const { return m_children[static_cast<size_t>(index)]; }

 private:
  void Changing();
  void RedrawOn();

  HWND m_hWnd;
  std::vector<HWND> m_children;
  bool m_bChanged = false;
  bool m_bRedrawOff = false;
};

// Window text of any length.
CString LwvGetWindowText(HWND wnd);
