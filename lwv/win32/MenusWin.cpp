#include "LwvWindows.h"

#include "LwvLock.h"

#include "MenuTranslator.h"
#include "SystemMenuTranslator.h"
#include "TranslationManager.h"
#include "Win32Access.h"
#include "WindowLists.h"
#include "FrameWnd.h"
#include "Menu.h"
#include "Wnd.h"

namespace {

LwvSwitchCommand SwitchCommandOf(CTranslationManager* m) {
  LwvSwitchCommand c;
  const LW_STARTPARAMS* p = m->GetParams();
  c.bAuto = p->bAutoSwitchCommand != FALSE;
  c.nID = p->nSwitchCommandID;
  c.nMainMenuPos = p->nSwitchMainMenuPos;
  c.pSwitchDialog = m->FindSwitchDialogNode();
  return c;
}

// The menu bar of a top-level window from the given "Menus" section.
void TranslateWindowMenu(CTranslationManager* m, HWND window, CTraNode* section) {
  if (!::IsWindow(window) || (::GetWindowLongPtr(window, GWL_STYLE) & WS_CHILD)) return;
  HMENU bar = ::GetMenu(window);
  if (!bar) return;
  CMenuTranslator translator(LwvDefaultMenuAccess(), SwitchCommandOf(m));
  translator.TranslateMenu(bar, section);
  ::DrawMenuBar(window);
  // A frame's default menu comes back when its documents close: translated
  // too, unless it is the bar just done.
  CFrameWnd* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(window));
  if (frame && frame->m_hMenuDefault && frame->m_hMenuDefault != bar && ::IsMenu(frame->m_hMenuDefault))
    translator.TranslateMenu(frame->m_hMenuDefault, section);
}

}  // namespace

void LWTranslateMenu(HWND window) {
  CLwvLock lock;
  CTranslationManager* m = LwGetManager();
  if (!m || !m->GetCurrentFile() || !window) return;
  TranslateWindowMenu(m, window, LwvCurrentSection(TRA_SECTION_MENUS));
  if (m->GetMenuWindowList()) m->GetMenuWindowList()->Add(window, 0);
}

void LWTranslateHMenu(HMENU menu) {
  CLwvLock lock;
  CTranslationManager* m = LwGetManager();
  if (!m || !m->GetCurrentFile() || !menu) return;
  CMenuTranslator translator(LwvDefaultMenuAccess(), SwitchCommandOf(m));
  translator.TranslatePopup(menu, LwvCurrentSection(TRA_SECTION_MENUS), m->GetSystemMenuTranslator());
}

void LwvRetranslateWindowMenu(LwvWindow wnd) {
  CTranslationManager* m = LwGetManager();
  if (m) TranslateWindowMenu(m, ToHwnd(wnd), LwvLookupSection(TRA_SECTION_MENUS));
}

void LwvRetranslateMenuBar(LwvMenu menu) {
  CTranslationManager* m = LwGetManager();
  if (!m || !::IsMenu(ToHmenu(menu))) return;
  CMenuTranslator translator(LwvDefaultMenuAccess(), SwitchCommandOf(m));
  translator.TranslateMenu(menu, LwvLookupSection(TRA_SECTION_MENUS));
}
