// Translates the system menu from "Menus" / "System Menu" / "System popup"
// and restores its original texts when the application is deactivated.
#pragma once

#include "MenuAccess.h"
#include "TraNode.h"

// System command ids.
enum {
  LWV_SC_SIZE = 0xF000,
  LWV_SC_MOVE = 0xF010,
  LWV_SC_MINIMIZE = 0xF020,
  LWV_SC_MAXIMIZE = 0xF030,
  LWV_SC_CLOSE = 0xF060,
  LWV_SC_RESTORE = 0xF120
};

// The platform's menus (Windows); natively a menu system without menus.
CLwvMenuAccess& LwvDefaultMenuAccess();

class CSystemMenuTranslator {
 public:
  static constexpr int kItems = 6;

  explicit CSystemMenuTranslator(CLwvMenuAccess* access = nullptr);
  virtual ~CSystemMenuTranslator();

  bool IsSystemMenu(LwvMenu menu);
  // menus: the "Menus" section of the tree in use.
  void Translate(LwvMenu menu, CTraNode* menus);
  void RefreshItems();

  // Index of a system command in the saved texts (restore, move, size,
  // minimize, maximize, close), -1 for others.
  static int IndexOf(UINT id);
  // The new text of an item: the translation, keeping the live text's
  // accelerator after a tab; false when only one of the two has a tab.
  static bool BuildItemText(const CString& live, const CString& translation, CString& out);

  const CString& GetSavedText(int index) const { return m_saved[index]; }
  LwvMenu GetLastMenu() const { return m_hLastMenu; }

 private:
  CLwvMenuAccess& m_access;
  CString m_saved[kItems];
  LwvMenu m_hLastMenu;
};
