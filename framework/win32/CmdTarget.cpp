#include "CmdTarget.h"

namespace lw {

const MsgMapEntry* FindWindowMessageEntry(const MsgMap* map, UINT message) {
  for (; map; map = map->base ? map->base() : nullptr) {
    for (const MsgMapEntry* e = map->entries; e->kind; ++e) {
      if (e->kind == kWindowMessage && message >= e->message && message <= e->last) return e;
      if (e->kind == kRegistered && e->registered && *e->registered && *e->registered == message) return e;
    }
  }
  return nullptr;
}

// Continues after the entry 'after' (null = from the start), so that an _EX
// handler that declines lets later entries and base tables try.
const MsgMapEntry* FindCommandEntry(const MsgMap* map, UINT kind, UINT code, UINT id, const MsgMapEntry* after) {
  bool searching = after == nullptr;
  for (; map; map = map->base ? map->base() : nullptr) {
    for (const MsgMapEntry* e = map->entries; e->kind; ++e) {
      if (!searching) {
        if (e == after) searching = true;
        continue;
      }
      if (e->kind == kind && (kind == kUpdateUI || e->code == code) && id >= e->idFirst && id <= e->idLast)
        return e;
    }
  }
  return nullptr;
}

}  // namespace lw

const lw::MsgMap* CCmdTarget::GetThisMessageMap() {
  static const lw::MsgMapEntry entries[] = {{0, 0, 0, 0, 0, 0, nullptr, nullptr}};
  static const lw::MsgMap map = {nullptr, entries};
  return &map;
}

const lw::MsgMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code, void* extra) {
  UINT kind = code == CN_UPDATE_COMMAND_UI ? lw::kUpdateUI : lw::kCommand;
  lw::MsgCall call{WM_COMMAND, MAKEWPARAM(id, code), 0, id, extra, nullptr, TRUE};
  for (const lw::MsgMapEntry* e = nullptr; (e = lw::FindCommandEntry(GetMessageMap(), kind, code, id, e));) {
    call.handled = TRUE;
    lw::CallHandler(e, this, call);
    if (call.handled) return TRUE;
  }
  return FALSE;
}

BOOL CCmdTarget::OnNotifyMsg(UINT id, UINT code, NMHDR* header, LRESULT* result) {
  LRESULT dummy = 0;
  lw::MsgCall call{WM_NOTIFY, id, reinterpret_cast<LPARAM>(header), id, header, result ? result : &dummy, TRUE};
  for (const lw::MsgMapEntry* e = nullptr; (e = lw::FindCommandEntry(GetMessageMap(), lw::kNotify, code, id, e));) {
    call.handled = TRUE;
    lw::CallHandler(e, this, call);
    if (call.handled) return TRUE;
  }
  return FALSE;
}

void CCmdUI::Enable(BOOL on) {
  if (m_hMenu) ::EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
  m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int check) {
  if (m_hMenu) ::CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::SetRadio(BOOL on) {
  if (!m_hMenu) return;
  MENUITEMINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE;
  if (!::GetMenuItemInfo(m_hMenu, m_nIndex, TRUE, &info)) return;
  info.fType = on ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~static_cast<UINT>(MFT_RADIOCHECK));
  info.fState = on ? (info.fState | MFS_CHECKED) : (info.fState & ~static_cast<UINT>(MFS_CHECKED));
  ::SetMenuItemInfo(m_hMenu, m_nIndex, TRUE, &info);
}

void CCmdUI::SetText(LPCTSTR text) {
  if (!m_hMenu || !text) return;
  UINT state = ::GetMenuState(m_hMenu, m_nIndex, MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED | MF_DISABLED);
  ::ModifyMenu(m_hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, text);
}

BOOL CCmdTarget::HasCommandHandler(UINT id) const {
  return lw::FindCommandEntry(GetMessageMap(), lw::kCommand, CN_COMMAND, id, nullptr) != nullptr;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler) {
  m_bEnableChanged = FALSE;
  BOOL handled = target && target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this);
  // Unless an update handler decided, an item is enabled exactly while a
  // command handler exists (the active view may have changed since the last time).
  if (disableIfNoHandler && !m_bEnableChanged) Enable(target && target->HasCommandHandler(m_nID));
  return handled;
}

void CCmdUI::UpdateMenu(CCmdTarget* target, HMENU popup, BOOL disableIfNoHandler) {
  if (!popup) return;
  // A handler may insert items (the recent-file list) and leaves m_nIndex
  // at the last item it made; the walk goes on after it.
  for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
    UINT id = ::GetMenuItemID(popup, i);
    if (id == 0 || id == UINT(-1)) continue;  // separator or popup
    CCmdUI ui;
    ui.m_nID = id;
    ui.m_nIndex = static_cast<UINT>(i);
    ui.m_hMenu = popup;
    ui.DoUpdate(target, disableIfNoHandler);
    i = static_cast<int>(ui.m_nIndex);
  }
}
