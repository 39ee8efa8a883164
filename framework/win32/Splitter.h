// CSplitterWnd: a static splitter, a grid of panes (views) made once, with a
// bar between neighbouring rows and columns that the mouse can drag. Each
// row and column but the last keeps its ideal size; the last takes the rest.
// The active pane is the frame's active view. No dynamic splitters, no
// scroll bars shared between panes.
#pragma once

#include "FrameworkIds.h"
#include "View.h"

#include <vector>

class CSplitterWnd : public CWnd {
 public:
  // rows x cols panes (each at most 16), as child id of parent.
  BOOL CreateStatic(CWnd* parent, int rows, int cols, DWORD style = WS_CHILD | WS_VISIBLE,
                    UINT id = AFX_IDW_PANE_FIRST);
  // The pane at row, col: a view of viewClass with the ideal size initialSize.
  virtual BOOL CreateView(int row, int col, const CRuntimeClass* viewClass, SIZE initialSize,
                          CCreateContext* context);

  int GetRowCount() const { return static_cast<int>(m_rows.size()); }
  int GetColumnCount() const { return static_cast<int>(m_cols.size()); }
  int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
  CWnd* GetPane(int row, int col) const;
  // The active view when it is one of the panes, with its place.
  CWnd* GetActivePane(int* row = nullptr, int* col = nullptr) const;
  void SetActivePane(int row, int col);

  void SetRowInfo(int row, int ideal, int minimum);
  void GetRowInfo(int row, int& current, int& minimum) const;
  void SetColumnInfo(int col, int ideal, int minimum);
  void GetColumnInfo(int col, int& current, int& minimum) const;
  // Places the panes; call after changing sizes.
  virtual void RecalcLayout();

  static const int kBarSize = 6;  // pixels between two panes

 protected:
  struct Track {
    int ideal = 0;
    int minimum = 0;
    int current = 0;
  };
  static void Distribute(std::vector<Track>& tracks, int space);
  // The bar under point: row bar index (vertical == false) or column bar, -1 for none.
  int HitBar(CPoint point, bool& vertical) const;
  CFrameWnd* GetParentFrame() const;

  void OnSize(UINT type, int cx, int cy);
  void OnPaint();
  BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
  void OnLButtonDown(UINT flags, CPoint point);
  void OnMouseMove(UINT flags, CPoint point);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnCaptureChanged(CWnd* wnd);

  std::vector<Track> m_rows;
  std::vector<Track> m_cols;
  int m_nDragBar = -1;  // bar being dragged
  bool m_bDragColumn = false;
  int m_nDragOffset = 0;

  DECLARE_MESSAGE_MAP()
};
