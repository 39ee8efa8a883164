// Translates a live menu from the menu entries of the "Menus" section: the
// entry whose texts fit the menu best gives its translated texts to the
// items with equal texts; ids, types and states stay.
#pragma once

#include "MenuAccess.h"
#include "TraNode.h"

class CSystemMenuTranslator;

// A copy of a live menu: one node per position.
class CMenuSnapshot {
 public:
  // A popup and, recursively, its positions.
  CMenuSnapshot(CLwvMenuAccess& access, LwvMenu menu, const CString& text, int depth = 0);
  // A command item.
  CMenuSnapshot(const CString& text, int id);
  virtual ~CMenuSnapshot();
  CMenuSnapshot(const CMenuSnapshot&) = delete;
  CMenuSnapshot& operator=(const CMenuSnapshot&) = delete;

  int CountItems() const;
  CMenuSnapshot* GetChild(int pos) const { return pos >= 0 && pos < m_nChildren ? m_pChildren[pos] : nullptr; }

  CString m_strText;
  int m_nID;         // -1 for a popup
  LwvMenu m_hMenu;   // the popup's menu; null for an item
  int m_nChildren;
  CMenuSnapshot** m_pChildren;  // null for a separator
};

// The switch command of the host's main menu.
struct LwvSwitchCommand {
  bool bAuto = false;
  UINT nID = 0;
  int nMainMenuPos = 0;
  const CTraNode* pSwitchDialog = nullptr;  // the switch dialog's entry (kind 30), or null
};

// The menu text of the switch command: the translation of the switch
// dialog entry's tenth child, empty without one.
CString LwvSwitchCommandText(const CTraNode* switchDialog);

class CMenuTranslator {
 public:
  CMenuTranslator(CLwvMenuAccess& access, const LwvSwitchCommand& command);
  virtual ~CMenuTranslator();

  void Translate(LwvMenu menu, const CTraNode* section, bool popup);
  void TranslateMenu(LwvMenu menu, const CTraNode* section) { Translate(menu, section, false); }
  // A system menu goes to the system-menu translator, any other as a popup.
  void TranslatePopup(LwvMenu menu, CTraNode* section, CSystemMenuTranslator* systemMenu);

  static void MatchNode(const CMenuSnapshot* snapshot, const CTraNode* entry, bool translated, int& missing,
                        int& extra);
  // The best entry among the menus of the section (menu bar) or among all
  // their popups; translated tells which texts fitted.
  static const CTraNode* FindBestMenu(const CMenuSnapshot* snapshot, const CTraNode* section, bool& translated);
  static const CTraNode* FindBestPopup(const CMenuSnapshot* snapshot, const CTraNode* section, bool& translated);
  void ApplyNode(const CMenuSnapshot* snapshot, const CTraNode* entry, bool translated);
  void InsertSwitchCommand(LwvMenu popup);

 private:
  CLwvMenuAccess& m_access;
  LwvSwitchCommand m_command;
  CMenuSnapshot* m_pSnapshot;
};
