// The windows the library has translated, remembered so that a language
// switch can translate them again and tell them about it. Handles are kept
// opaque here; the platform side answers the questions about them.
#pragma once

#include "Framework.h"
#include "LwvHandles.h"

#include <vector>

// What the lists ask of the window system.
class CLwvWindowSystem {
 public:
  virtual ~CLwvWindowSystem() = default;
  virtual bool IsWindow(LwvWindow wnd) = 0;
  virtual bool IsMenu(LwvMenu menu) = 0;
  // The menu bar of a window that is not a child window; null otherwise.
  virtual LwvMenu GetWindowMenu(LwvWindow wnd) = 0;
  virtual int GetMenuItemCount(LwvMenu menu) = 0;
  virtual LwvMenu GetSubMenu(LwvMenu menu, int pos) = 0;
  virtual void SendMessage(LwvWindow wnd, UINT message) = 0;
};

class CLwvWindowList;

// One remembered window with its menu bar, as a switch translates it again.
struct LwvRemembered {
  CLwvWindowList* list;
  LwvWindow wnd;
  LwvMenu menu;
  int mode;
};

class CLwvWindowList {
 public:
  static constexpr int kCapacity = 500;

  explicit CLwvWindowList(CLwvWindowSystem& system);
  virtual ~CLwvWindowList();
  CLwvWindowList(const CLwvWindowList&) = delete;
  CLwvWindowList& operator=(const CLwvWindowList&) = delete;

  // Remembers a window with its menu bar and mode. A full list is pruned
  // first; when it is still full the window is refused (false).
  bool Add(LwvWindow wnd, int mode);
  // Drops entries whose window and menu are both gone, and later duplicates.
  void Prune();
  void RetranslateAll();
  // The entries after a prune, appended to out, to be translated again one
  // by one with RetranslateEntry (a copy: that may add to or prune the list).
  void Snapshot(std::vector<LwvRemembered>& out);
  void RetranslateEntry(const LwvRemembered& entry);
  bool ContainsMenu(LwvMenu menu);
  void Broadcast(UINT message);

  int GetCount() const { return m_nCount; }
  LwvWindow GetWindow(int i) const { return m_windows[i]; }
  LwvMenu GetMenu(int i) const { return m_menus[i]; }
  int GetMode(int i) const { return m_modes[i]; }

 protected:
  // Translates one remembered window again, and one remembered menu bar.
  virtual void RetranslateWindow(LwvWindow wnd, int mode) = 0;
  virtual void RetranslateMenu(LwvMenu menu) = 0;

  CLwvWindowSystem& m_system;

 private:
  bool MenuContains(LwvMenu menu, LwvMenu wanted, int depth);
  void RemoveAt(int index);

  LwvWindow* m_windows;
  LwvMenu* m_menus;
  int* m_modes;
  int m_nCount;
};

// The platform's windows (Windows); natively a window system without windows.
CLwvWindowSystem& LwvDefaultWindowSystem();

// Translates one remembered entry again during a switch, called without the
// lock: a window of another registered thread is handed to that thread,
// anything else is done here under the lock; platform side.
void LwvRetranslateRemembered(const LwvRemembered& entry);
// Sends message to a window without holding the lock (a switch's broadcast).
void LwvSendUnlocked(LwvWindow wnd, UINT message);

// Retranslation of one remembered window or menu bar from the tree of the
// running switch (the lookup file), else the current file; platform side.
void LwvRetranslateDialogWindow(LwvWindow wnd, int mode);
void LwvRetranslateWindowMenu(LwvWindow wnd);
void LwvRetranslateMenuBar(LwvMenu menu);

// Dialogs and property pages translated by LWTranslateDialog, with their modes.
class CLwvDialogList : public CLwvWindowList {
 public:
  explicit CLwvDialogList(CLwvWindowSystem* system = nullptr)
      : CLwvWindowList(system ? *system : LwvDefaultWindowSystem()) {}

 protected:
  void RetranslateWindow(LwvWindow wnd, int mode) override { LwvRetranslateDialogWindow(wnd, mode); }
  void RetranslateMenu(LwvMenu menu) override { LwvRetranslateMenuBar(menu); }
};

// Windows whose menu bar LWTranslateMenu translated.
class CLwvMenuWindowList : public CLwvWindowList {
 public:
  explicit CLwvMenuWindowList(CLwvWindowSystem* system = nullptr)
      : CLwvWindowList(system ? *system : LwvDefaultWindowSystem()) {}

 protected:
  void RetranslateWindow(LwvWindow wnd, int) override { LwvRetranslateWindowMenu(wnd); }
  void RetranslateMenu(LwvMenu menu) override { LwvRetranslateMenuBar(menu); }
};
