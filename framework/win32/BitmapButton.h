// CBitmapButton: an owner-drawn push button (BS_OWNERDRAW) that shows one of
// four bitmaps by its state: pressed, focused, disabled, else normal. A
// missing state bitmap falls back to the normal one. Optional tooltip for the
// whole button, whose text the button is asked for (TTN_GETDISPINFO).
#pragma once

#include "Controls.h"
#include "TabCtrl.h"

class CBitmapButton : public CButton {
 public:
  // Loads the bitmap resources (0: none), freeing those loaded before;
  // FALSE when the normal one cannot be loaded.
  BOOL LoadBitmaps(UINT normal, UINT selected = 0, UINT focus = 0, UINT disabled = 0);
  // Sizes the button to the normal bitmap.
  void SizeToContent();
  // A tooltip over the whole button; TTN_GETDISPINFO reaches the button's own
  // message map with idFrom = its window handle.
  BOOL EnableToolTips(BOOL enable = TRUE);
  CToolTipCtrl* GetToolTips() { return m_toolTip.m_hWnd ? &m_toolTip : nullptr; }

  CBitmap m_bitmap;          // normal
  CBitmap m_bitmapSel;       // pressed
  CBitmap m_bitmapFocus;     // focused
  CBitmap m_bitmapDisabled;  // disabled

 protected:
  // The bitmap for the item's state, drawn into its rectangle.
  virtual void DrawItem(LPDRAWITEMSTRUCT item);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  CBitmap* BitmapForState(UINT state);

  CToolTipCtrl m_toolTip;
};
