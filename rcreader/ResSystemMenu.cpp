// The live system menu of a window as a menu of the tree.
#include "ResMenu.h"

void CResMenu::FillFromSystemMenu(HWND window) {
  m_id = TRA_SYSTEM_MENU;
  HMENU system = window ? GetSystemMenu(window, FALSE) : nullptr;
  if (!system) return;
  std::unique_ptr<CResPopup> popup(new CResPopup());
  popup->m_text = TRA_SYSTEM_POPUP;
  int count = GetMenuItemCount(system);
  for (int i = 0; i < count; ++i) {
    TCHAR text[256] = {0};
    int length = GetMenuString(system, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    std::unique_ptr<CResMenuItem> item(new CResMenuItem());
    item->m_text = CString(text, length > 0 ? length : 0);
    item->m_separator = item->m_text.IsEmpty();
    if (!popup->AddEntry(std::move(item))) break;
  }
  AddEntry(std::move(popup));
}
