// All statements of a project's scripts: the dialogs, menus and string
// tables, read by the top-level statement loop.
#pragma once

#include "ResGroup.h"

class CResDialog;
class CResMenu;
class IResLibraryCapture;

class CResFile : public CResItem {
 public:
  CResFile();

  // The statement loop from start; the position where it stopped.
  int Parse(const CSourceTokenList* list, int start, CResProblemLog& log) override;
  int GetKind() const override { return TRA_RCFILE; }
  // The root "RCFile" with the groups in the order menus, dialogs, string tables.
  CTraNode* CreateNode(CTraNode* parent) override;

  // The entries the library supplies. An entry that does not fit into its
  // full group, and a capture that failed, is a line of the log; the entry
  // of a failed capture is added with empty texts.
  // The language-switch dialog, its texts from texts (ResSwitchDialog.h).
  void AddSwitchDialog(IResTextSource& texts, CResProblemLog& log);
  // The entries made from captures are defined by the library of the
  // supplied entries (supplied/, rcsupplied), which a caller of them links.
  // One common-dialog entry per non-zero option byte 0 to 8, in that order;
  // other bytes name no common dialog and are ignored (the block comes
  // from a file). Byte 20 is the message box's (AddMessageBox).
  void AddStandardDialogs(const BYTE* options, IResLibraryCapture& capture, CResProblemLog& log);
  void AddMessageBox(IResLibraryCapture& capture, CResProblemLog& log);
  // "System Menu", empty when the program has none.
  void AddSystemMenu(IResLibraryCapture& capture, CResProblemLog& log);

  CResGroup& Dialogs() { return m_dialogs; }
  CResGroup& Menus() { return m_menus; }
  CResGroup& StringTables() { return m_stringTables; }

 private:
  CResGroup m_dialogs{TRA_DIALOGGROUP};
  CResGroup m_menus{TRA_MENUGROUP};
  CResGroup m_stringTables{TRA_STRINGGROUP};
  bool m_suppliedDroppedLogged[2] = {false, false};  // dialogs, menus

  // Whether group takes one more supplied entry; the first time one does
  // not fit is a line of the log.
  bool HasRoom(CResGroup& group, const CString& name, CResProblemLog& log);
};
