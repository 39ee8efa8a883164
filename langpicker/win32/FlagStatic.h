// A child control that shows a 32 x 32 flag bitmap it owns (the wizard's
// flag preview).
#pragma once

#include "FrameworkWin.h"

#include <memory>

class CFlagStatic : public CStatic {
 public:
  // Takes bitmap; creates a visible child static of parent with id 0xFFFF.
  CFlagStatic(CWnd* parent, const RECT& rect, CBitmap* bitmap);

  void OnPaint();
  CBitmap* GetFlag() const { return m_pBitmap.get(); }

 protected:
  std::unique_ptr<CBitmap> m_pBitmap;

  DECLARE_MESSAGE_MAP()
};
