// Fakes of live dialogs, menus and windows for the window-free tests of the
// dialog matcher, the window lists and the menu translators.
#pragma once

#include "DialogAccess.h"
#include "MenuAccess.h"
#include "TraNode.h"
#include "WindowLists.h"

#include <map>
#include <memory>
#include <vector>

namespace hookstest {

// Tree helpers: a node with a position layout (dialog units), or none.
CTraNode* Add(CTraNode* parent, const CString& original, const CString& translation, int kind);
CTraNode* AddAt(CTraNode* parent, const CString& original, const CString& translation, int kind, RECT original_rect,
                RECT translated);
RECT R(LONG l, LONG t, LONG r, LONG b);

// Dialog units to pixels as a dialog with base units 6 x 13 maps them.
struct FakeUnits : CLwvDialogUnits {
  void MapDialogRect(RECT& rc) const override;
};
RECT Map(const RECT& du);

struct FakeControl {
  CString text;
  RECT rect;  // client pixels
  int setTextCalls = 0;
  int moves = 0;
};

// A dialog with a frame of 8 x 30 pixels around its client area.
class FakeDialog : public CLwvDialogAccess {
 public:
  FakeDialog(const CString& caption, int clientWidth, int clientHeight);
  FakeControl& AddControl(const CString& text, RECT pixels);
  FakeControl& AddControlDu(const CString& text, RECT dialogUnits) { return AddControl(text, Map(dialogUnits)); }

  CString GetCaption() override { return caption; }
  void SetCaption(const CString& text) override { caption = text; ++captionSets; }
  int CollectChildren(int maxCount) override;
  CString GetChildText(int index) override { return controls[static_cast<size_t>(index)].text; }
  void SetChildText(int index, const CString& text) override;
  RECT GetChildRect(int index) override { return controls[static_cast<size_t>(index)].rect; }
  void SetChildPos(int index, int x, int y, int cx, int cy, UINT flags, bool keepHeight) override;
  RECT GetWindowRect() override { return R(100, 100, 100 + clientWidth + 8, 100 + clientHeight + 30); }
  RECT GetClientRect() override { return R(0, 0, clientWidth, clientHeight); }
  void SetWindowSize(int cx, int cy) override;
  void Redraw() override { ++redraws; }
  void MapDialogRect(RECT& rc) const override { FakeUnits().MapDialogRect(rc); }

  CString caption;
  int clientWidth;
  int clientHeight;
  std::vector<FakeControl> controls;
  std::vector<SIZE> sizes;  // every SetWindowSize (outer)
  int captionSets = 0;
  int redraws = 0;
  int collectedMax = -1;
};

// A menu system: menus are ids into a table; items have text, id, submenu, flags.
class FakeMenus : public CLwvMenuAccess {
 public:
  struct Item {
    CString text;
    UINT id;
    LwvMenu sub;
    UINT flags;  // kept through SetItemText
  };
  LwvMenu NewMenu();
  void Append(LwvMenu menu, const CString& text, UINT id, UINT flags = 0);
  LwvMenu AppendPopup(LwvMenu menu, const CString& text, UINT flags = 0);
  void AppendSep(LwvMenu menu) { Append(menu, CString(), 0); }
  void Destroy(LwvMenu menu) { menus.erase(Key(menu)); }
  Item& At(LwvMenu menu, int pos) { return menus[Key(menu)][static_cast<size_t>(pos)]; }

  bool IsMenu(LwvMenu menu) override { return menu && menus.count(Key(menu)) != 0; }
  int GetItemCount(LwvMenu menu) override;
  CString GetItemText(LwvMenu menu, int pos) override;
  LwvMenu GetSubMenu(LwvMenu menu, int pos) override;
  UINT GetItemID(LwvMenu menu, int pos) override;
  bool SetItemText(LwvMenu menu, int pos, const CString& text) override;
  bool AppendSeparator(LwvMenu menu) override { AppendSep(menu); return true; }
  bool AppendItem(LwvMenu menu, UINT id, const CString& text) override { Append(menu, text, id); return true; }

  std::map<uintptr_t, std::vector<Item>> menus;
  int sets = 0;

 private:
  static uintptr_t Key(LwvMenu m) { return reinterpret_cast<uintptr_t>(m); }
  uintptr_t m_next = 0x100;
};

// Windows by number: alive or not, child or not, with a menu bar.
class FakeWindows : public CLwvWindowSystem {
 public:
  explicit FakeWindows(FakeMenus& m) : menus(m) {}
  LwvWindow Create(LwvMenu menu = nullptr, bool child = false);
  void Destroy(LwvWindow wnd) { alive[Key(wnd)] = false; }

  bool IsWindow(LwvWindow wnd) override { return wnd && alive.count(Key(wnd)) && alive[Key(wnd)]; }
  bool IsMenu(LwvMenu menu) override { return menus.IsMenu(menu); }
  LwvMenu GetWindowMenu(LwvWindow wnd) override;
  int GetMenuItemCount(LwvMenu menu) override { return menus.GetItemCount(menu); }
  LwvMenu GetSubMenu(LwvMenu menu, int pos) override { return menus.GetSubMenu(menu, pos); }
  void SendMessage(LwvWindow wnd, UINT message) override { sent.push_back({wnd, message}); }

  FakeMenus& menus;
  std::map<uintptr_t, bool> alive;
  std::map<uintptr_t, bool> isChild;
  std::map<uintptr_t, LwvMenu> menuOf;
  std::vector<std::pair<LwvWindow, UINT>> sent;

 private:
  static uintptr_t Key(LwvWindow w) { return reinterpret_cast<uintptr_t>(w); }
  uintptr_t m_next = 0x10000;
};

}  // namespace hookstest
