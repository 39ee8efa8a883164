// The program's system menu as a menu of the tree.
#include "ResMenu.h"

#include "ResLibraryCapture.h"

bool CResMenu::FillFromSystemMenu(IResLibraryCapture& capture) {
  m_id = TRA_SYSTEM_MENU;
  std::vector<CString> texts;
  if (!capture.ReadSystemMenu(texts)) return false;
  std::unique_ptr<CResPopup> popup(new CResPopup());
  popup->m_text = TRA_SYSTEM_POPUP;
  for (const CString& text : texts) {
    std::unique_ptr<CResMenuItem> item(new CResMenuItem());
    item->m_text = text;
    item->m_separator = text.IsEmpty();
    if (!popup->AddEntry(std::move(item))) break;
  }
  AddEntry(std::move(popup));
  return true;
}
