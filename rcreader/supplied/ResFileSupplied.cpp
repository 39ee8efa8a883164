// CResFile's additions of the entries the library supplies from captures:
// one common dialog per option byte, the message box and the system menu.
#include "ResFile.h"

#include "ResLibraryEntries.h"
#include "ResMenu.h"
#include "StdDlgModels.h"

void CResFile::AddStandardDialogs(const BYTE* options, IResLibraryCapture& capture, CResProblemLog& log) {
  if (!options) return;
  for (int kind = 0; kind < LWV_STDDLG_KINDS; ++kind) {
    // A full group takes nothing more, and no window is shown for it.
    if (!options[kind] || !HasRoom(m_dialogs, LwGetStdDlgKindName(kind), log)) continue;
    std::unique_ptr<CResStdDialog> dialog(new CResStdDialog());
    if (!dialog->Init(kind, capture)) log.AddLine(kMsgCaptureFailed, LwGetStdDlgKindName(kind));
    m_dialogs.Add(std::move(dialog));
  }
}

void CResFile::AddMessageBox(IResLibraryCapture& capture, CResProblemLog& log) {
  if (!HasRoom(m_dialogs, TRA_MESSAGEBOX_NAME, log)) return;
  std::unique_ptr<CResMessageBox> box(new CResMessageBox());
  if (!box->Init(capture)) log.AddLine(kMsgCaptureFailed, TRA_MESSAGEBOX_NAME);
  m_dialogs.Add(std::move(box));
}

void CResFile::AddSystemMenu(IResLibraryCapture& capture, CResProblemLog& log) {
  if (!HasRoom(m_menus, TRA_SYSTEM_MENU, log)) return;
  std::unique_ptr<CResMenu> menu(new CResMenu());
  menu->FillFromSystemMenu(capture);
  m_menus.Add(std::move(menu));
}
