// CCmdTarget: the root of every class with a message map, and command routing.
// CCmdUI: the state of one command's user-interface item (a menu item).
#pragma once

#include "MessageMap.h"

class CCmdTarget : public CObject {
 public:
  // Runs the first handler for command id with the given code (CN_COMMAND,
  // a control notification, or CN_UPDATE_COMMAND_UI with the CCmdUI* in
  // extra). Classes that route commands further (frames to views and
  // documents) override this and call the base for their own map.
  virtual BOOL OnCmdMsg(UINT id, UINT code, void* extra);

  // Same for a WM_NOTIFY notification; result receives the handler's answer.
  virtual BOOL OnNotifyMsg(UINT id, UINT code, NMHDR* header, LRESULT* result);

  // TRUE when a command handler for id exists (routing classes override).
  virtual BOOL HasCommandHandler(UINT id) const;

 protected:
  static const ::lw::MsgMap* GetThisMessageMap();
  virtual const ::lw::MsgMap* GetMessageMap() const;

  friend class CWnd;
};

class CMenu;

class CCmdUI {
 public:
  CCmdUI() = default;
  virtual ~CCmdUI() = default;

  virtual void Enable(BOOL on = TRUE);
  virtual void SetCheck(int check = 1);
  virtual void SetRadio(BOOL on = TRUE);
  virtual void SetText(LPCTSTR text);

  // Asks target for the state of this item; TRUE when a handler answered.
  BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);

  // Runs every item of a popup menu through target's update handlers.
  static void UpdateMenu(CCmdTarget* target, HMENU popup, BOOL disableIfNoHandler);

  UINT m_nID = 0;
  UINT m_nIndex = 0;
  HMENU m_hMenu = nullptr;  // the menu that holds the item, or null
  BOOL m_bEnableChanged = FALSE;
};
