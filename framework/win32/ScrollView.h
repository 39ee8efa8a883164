// CScrollView: a view larger than its window, measured in pixels (MM_TEXT).
// It keeps the document size with page and line steps, shows a scroll bar
// only where the document does not fit, scrolls on the bars' requests and
// moves the drawing origin by the scroll position (OnPrepareDC). Other
// mapping modes, scaling to fit and centring are not supported.
#pragma once

#include "View.h"

class CScrollView : public CView {
  DECLARE_DYNAMIC(CScrollView)

 public:
  static const SIZE sizeDefault;  // 0 x 0: a tenth of the total (page), of the page (line)

  // mapMode must be MM_TEXT.
  void SetScrollSizes(int mapMode, SIZE total, const SIZE& page = sizeDefault, const SIZE& line = sizeDefault);
  CSize GetTotalSize() const { return CSize(m_x.total, m_y.total); }
  CSize GetPageSize() const { return CSize(m_x.page, m_y.page); }
  CSize GetLineSize() const { return CSize(m_x.line, m_y.line); }
  // The document point at the window's top left corner (the bars' positions).
  CPoint GetScrollPosition() const { return GetDeviceScrollPosition(); }
  CPoint GetDeviceScrollPosition() const;
  void ScrollToPosition(POINT point);

  void OnPrepareDC(CDC* dc) override;

 protected:
  void OnSize(UINT type, int cx, int cy);
  void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
  void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
  // Carries out one scroll-bar request on bar (SB_HORZ, SB_VERT); TRUE when it moved.
  virtual BOOL OnScroll(int bar, UINT code);
  // Shows the bars the document needs and keeps the position within range.
  void UpdateBars();
  void MoveTo(int bar, int pos);

  int m_nMapMode = 0;
  lw::ScrollAxis m_x;
  lw::ScrollAxis m_y;
  bool m_bInsideUpdate = false;

  DECLARE_MESSAGE_MAP()
};
