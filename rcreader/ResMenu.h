// MENU and MENUEX statements with their popups and items.
#pragma once

#include "ResEntryList.h"
#include "ResItem.h"

#include <vector>

class IResLibraryCapture;

class CResMenuEntry : public CResItem {
 public:
  // The quoted text, then optionally "," id, "," option, "," option.
  bool ParseItemOptions();

  CString m_text;
  CString m_id;
  CString m_option1;
  CString m_option2;
};

class CResMenuItem : public CResMenuEntry {
 public:
  int Parse(const CSourceTokenList* list, int start, CResProblemLog& log) override;
  int GetKind() const override { return TRA_MENUITEM; }
  CTraNode* CreateNode(CTraNode* parent) override;

  bool m_separator = false;
};

// How deep popups nest, and whether the whole menu is given up: popups
// nested too deep, or the list ending inside the menu, fail every level at
// once instead of reading the rest again from each level. The entry starts
// of every open body are kept, so that a menu that ran off the end of the
// list marks them all: a later statement reaching one fails at once, however
// deep it reached it.
struct ResMenuNesting {
  int depth = 0;
  bool givenUp = false;
  bool ranOff = false;
  std::vector<int> openStarts;
};

class CResPopup : public CResMenuEntry {
 public:
  static constexpr int kCapacity = 50;
  static constexpr int kMaxDepth = 32;

  explicit CResPopup(ResMenuNesting* nesting = nullptr) : m_nesting(nesting) {}
  int Parse(const CSourceTokenList* list, int start, CResProblemLog& log) override;
  int GetKind() const override { return TRA_POPUP; }
  CTraNode* CreateNode(CTraNode* parent) override;

  bool ParseHeader();
  // The header and the opening BEGIN or "{" from start: the position of the
  // first entry, or kResParseFailed.
  int ParseOpening(const CSourceTokenList* list, int start);
  // Appends an entry; false (and the entry dropped) when the popup is full.
  bool AddEntry(std::unique_ptr<CResMenuEntry> entry) { return m_entries.Add(std::move(entry)); }
  int GetEntryCount() const { return m_entries.GetCount(); }
  CResMenuEntry* GetEntry(int index) const { return m_entries.Get(index); }

 private:
  ResMenuNesting* m_nesting;
  CResEntryList<CResMenuEntry> m_entries{kCapacity};
};

class CResMenu : public CResContainer {
 public:
  static constexpr int kCapacity = 100;

  int Parse(const CSourceTokenList* list, int start, CResProblemLog& log) override;
  int GetKind() const override { return TRA_MENU; }
  CTraNode* CreateNode(CTraNode* parent) override;

  bool ParseHeader();
  bool AddEntry(std::unique_ptr<CResMenuEntry> entry) { return m_entries.Add(std::move(entry)); }
  int GetEntryCount() const { return m_entries.GetCount(); }
  CResMenuEntry* GetEntry(int index) const { return m_entries.Get(index); }

  // The program's system menu as one popup "System popup" under the menu
  // "System Menu"; the menu stays empty, and the answer is false, when the
  // program has none. Defined by the library of the supplied entries
  // (supplied/ResSystemMenu.cpp, rcsupplied).
  bool FillFromSystemMenu(IResLibraryCapture& capture);

  CString m_id;
  CString m_memoryFlags;
  bool m_menuEx = false;
  CString m_characteristics;
  CString m_version;
  CString m_language;
  CString m_sublanguage;

 private:
  ResMenuNesting m_nesting;
  CResEntryList<CResMenuEntry> m_entries{kCapacity};
};
