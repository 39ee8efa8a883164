#include "WindowLists.h"

#include "DialogMatcher.h"

#include <vector>

namespace {
// Deepest submenu nesting searched; deeper (or cyclic) menus are not followed.
const int kMaxMenuDepth = 32;
}  // namespace

CLwvWindowList::CLwvWindowList(CLwvWindowSystem& system)
    : m_system(system),
      m_windows(new LwvWindow[kCapacity]()),
      m_menus(new LwvMenu[kCapacity]()),
      m_modes(new int[kCapacity]()),
      m_nCount(0) {}

CLwvWindowList::~CLwvWindowList() {
  delete[] m_windows;
  delete[] m_menus;
  delete[] m_modes;
}

bool CLwvWindowList::Add(LwvWindow wnd, int mode) {
  if (!wnd) return false;
  LwvMenu menu = m_system.GetWindowMenu(wnd);
  if (m_nCount >= kCapacity) Prune();
  if (m_nCount >= kCapacity) {
    for (int i = 0; i < m_nCount; ++i)
      if (m_windows[i] == wnd && m_menus[i] == menu) return true;  // already remembered
    return false;
  }
  m_windows[m_nCount] = wnd;
  m_menus[m_nCount] = menu;
  m_modes[m_nCount] = mode;
  ++m_nCount;
  Prune();
  return true;
}

void CLwvWindowList::RemoveAt(int index) {
  for (int j = index; j + 1 < m_nCount; ++j) {
    m_windows[j] = m_windows[j + 1];
    m_menus[j] = m_menus[j + 1];
    m_modes[j] = m_modes[j + 1];
  }
  --m_nCount;
}

void CLwvWindowList::Prune() {
  for (int i = m_nCount - 1; i >= 0; --i) {
    bool drop = !m_system.IsWindow(m_windows[i]) && !m_system.IsMenu(m_menus[i]);
    for (int k = 0; !drop && k < i; ++k)
      drop = m_windows[k] == m_windows[i] && m_menus[k] == m_menus[i];
    if (drop) RemoveAt(i);
  }
}

void CLwvWindowList::RetranslateAll() {
  // A language switch: the file in use is about to change.
  std::vector<LwvRemembered> entries;
  Snapshot(entries);
  for (const LwvRemembered& entry : entries) RetranslateEntry(entry);
}

void CLwvWindowList::Snapshot(std::vector<LwvRemembered>& out) {
  Prune();
  for (int i = 0; i < m_nCount; ++i) out.push_back(LwvRemembered{this, m_windows[i], m_menus[i], m_modes[i]});
}

void CLwvWindowList::RetranslateEntry(const LwvRemembered& entry) {
  if (m_system.IsWindow(entry.wnd)) RetranslateWindow(entry.wnd, entry.mode);
  if (entry.menu && m_system.IsMenu(entry.menu)) RetranslateMenu(entry.menu);
}

bool CLwvWindowList::MenuContains(LwvMenu menu, LwvMenu wanted, int depth) {
  if (menu == wanted) return true;
  if (depth >= kMaxMenuDepth) return false;
  const int n = m_system.GetMenuItemCount(menu);
  for (int pos = 0; pos < n; ++pos) {
    LwvMenu sub = m_system.GetSubMenu(menu, pos);
    if (sub && MenuContains(sub, wanted, depth + 1)) return true;
  }
  return false;
}

bool CLwvWindowList::ContainsMenu(LwvMenu menu) {
  if (!menu) return false;
  for (int i = 0; i < m_nCount; ++i)
    if (m_menus[i] && m_system.IsMenu(m_menus[i]) && MenuContains(m_menus[i], menu, 0)) return true;
  return false;
}

void CLwvWindowList::Broadcast(UINT message) {
  Prune();
  // A copy: a window that receives the message may open or close others.
  std::vector<LwvWindow> windows(m_windows, m_windows + m_nCount);
  for (LwvWindow wnd : windows)
    if (m_system.IsWindow(wnd)) m_system.SendMessage(wnd, message);
}

#ifndef _WIN32
namespace {
class CNoWindows : public CLwvWindowSystem {
 public:
  bool IsWindow(LwvWindow) override { return false; }
  bool IsMenu(LwvMenu) override { return false; }
  LwvMenu GetWindowMenu(LwvWindow) override { return nullptr; }
  int GetMenuItemCount(LwvMenu) override { return 0; }
  LwvMenu GetSubMenu(LwvMenu, int) override { return nullptr; }
  void SendMessage(LwvWindow, UINT) override {}
};
}  // namespace

CLwvWindowSystem& LwvDefaultWindowSystem() {
  static CNoWindows none;
  return none;
}

void LwvRetranslateRemembered(const LwvRemembered& entry) { entry.list->RetranslateEntry(entry); }
void LwvSendUnlocked(LwvWindow, UINT) {}
void LwvRetranslateDialogWindow(LwvWindow, int) {}
void LwvRetranslateWindowMenu(LwvWindow) {}
void LwvRetranslateMenuBar(LwvMenu) {}
#endif
