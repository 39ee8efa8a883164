// What the dialog matcher needs of a live dialog: its texts, the geometry of
// its direct children in client pixels and the dialog-unit mapping. The
// Windows side implements it over a window handle; tests use a fake.
#pragma once

#include "Framework.h"

// SetWindowPos flags as the platform defines them.
enum { LWV_NOSIZE = 0x0001, LWV_NOMOVE = 0x0002, LWV_NOZORDER = 0x0004 };

// Maps a rectangle from dialog units to pixels of one dialog.
class CLwvDialogUnits {
 public:
  virtual ~CLwvDialogUnits() = default;
  virtual void MapDialogRect(RECT& rc) const = 0;
};

class CLwvDialogAccess : public CLwvDialogUnits {
 public:
  virtual CString GetCaption() = 0;
  virtual void SetCaption(const CString& text) = 0;
  // Fixes the list of direct children in Z order (at most maxCount) and returns its size.
  virtual int CollectChildren(int maxCount) = 0;
  virtual CString GetChildText(int index) = 0;
  virtual void SetChildText(int index, const CString& text) = 0;
  // Child rectangle in the dialog's client coordinates, pixels.
  virtual RECT GetChildRect(int index) = 0;
  // keepHeight: the child is a combo box whose own height stays (cy is ignored).
  virtual void SetChildPos(int index, int x, int y, int cx, int cy, UINT flags, bool keepHeight) = 0;
  // Outer rectangle of the dialog (screen) and its client rectangle.
  virtual RECT GetWindowRect() = 0;
  virtual RECT GetClientRect() = 0;
  virtual void SetWindowSize(int cx, int cy) = 0;
  virtual void Redraw() = 0;
};
