// What the menu translators need of a live menu. The Windows side implements
// it over menu handles; tests use a fake menu tree.
#pragma once

#include "Framework.h"
#include "LwvHandles.h"

class CLwvMenuAccess {
 public:
  virtual ~CLwvMenuAccess() = default;
  virtual bool IsMenu(LwvMenu menu) = 0;
  virtual int GetItemCount(LwvMenu menu) = 0;
  // Item text by position (at most 255 characters).
  virtual CString GetItemText(LwvMenu menu, int pos) = 0;
  virtual LwvMenu GetSubMenu(LwvMenu menu, int pos) = 0;
  // Command id by position: 0 for a separator, (UINT)-1 for a popup.
  virtual UINT GetItemID(LwvMenu menu, int pos) = 0;
  // Sets only the text: id, submenu, type and state flags stay.
  virtual bool SetItemText(LwvMenu menu, int pos, const CString& text) = 0;
  virtual bool AppendSeparator(LwvMenu menu) = 0;
  virtual bool AppendItem(LwvMenu menu, UINT id, const CString& text) = 0;
};
