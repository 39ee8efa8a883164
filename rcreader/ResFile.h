// All statements of a project's scripts: the dialogs, menus and string
// tables, read by the top-level statement loop.
#pragma once

#include "ResGroup.h"

class CResDialog;
class CResMenu;

class CResFile : public CResItem {
 public:
  CResFile();

  // The statement loop from start; the position where it stopped.
  int Parse(const CSourceTokenList* list, int start, CResProblemLog& log) override;
  int GetKind() const override { return TRA_RCFILE; }
  // The root "RCFile" with the groups in the order menus, dialogs, string tables.
  CTraNode* CreateNode(CTraNode* parent) override;

  // Items no script contains are added here; false (and the item dropped)
  // when the group is full.
  bool AddDialog(std::unique_ptr<CResDialog> dialog);
  bool AddMenu(std::unique_ptr<CResMenu> menu);

  CResGroup& Dialogs() { return m_dialogs; }
  CResGroup& Menus() { return m_menus; }
  CResGroup& StringTables() { return m_stringTables; }

 private:
  CResGroup m_dialogs{TRA_DIALOGGROUP};
  CResGroup m_menus{TRA_MENUGROUP};
  CResGroup m_stringTables{TRA_STRINGGROUP};
};
