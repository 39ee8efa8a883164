#include "Splitter.h"

#include "FrameWnd.h"
#include "Gdi.h"

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
  ON_WM_SIZE()
  ON_WM_PAINT()
  ON_WM_SETCURSOR()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONUP()
  ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

BOOL CSplitterWnd::CreateStatic(CWnd* parent, int rows, int cols, DWORD style, UINT id) {
  if (!parent || rows < 1 || cols < 1 || rows > 16 || cols > 16 || m_hWnd) return FALSE;
  m_rows.assign(static_cast<size_t>(rows), Track());
  m_cols.assign(static_cast<size_t>(cols), Track());
  LPCTSTR className = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  return CreateEx(0, className, nullptr, style | WS_CHILD | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), parent, id);
}

BOOL CSplitterWnd::CreateView(int row, int col, const CRuntimeClass* viewClass, SIZE initialSize,
                              CCreateContext* context) {
  if (!m_hWnd || row < 0 || col < 0 || row >= GetRowCount() || col >= GetColumnCount() || GetPane(row, col))
    return FALSE;
  m_rows[static_cast<size_t>(row)].ideal = initialSize.cy;
  m_cols[static_cast<size_t>(col)].ideal = initialSize.cx;
  CCreateContext paneContext;
  if (context) paneContext = *context;
  paneContext.m_pNewViewClass = viewClass;
  return lw::CreateViewFromContext(this, static_cast<UINT>(IdFromRowCol(row, col)), CRect(0, 0, 0, 0),
                                   &paneContext) != nullptr;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const {
  if (!m_hWnd || row < 0 || col < 0 || row >= GetRowCount() || col >= GetColumnCount()) return nullptr;
  return FromHandlePermanent(::GetDlgItem(m_hWnd, IdFromRowCol(row, col)));
}

CFrameWnd* CSplitterWnd::GetParentFrame() const {
  for (HWND hwnd = m_hWnd ? ::GetParent(m_hWnd) : nullptr; hwnd; hwnd = ::GetParent(hwnd))
    if (auto* frame = dynamic_cast<CFrameWnd*>(FromHandlePermanent(hwnd))) return frame;
  return nullptr;
}

CWnd* CSplitterWnd::GetActivePane(int* row, int* col) const {
  CFrameWnd* frame = GetParentFrame();
  CView* view = frame ? frame->GetActiveView() : nullptr;
  for (int r = 0; view && r < GetRowCount(); ++r) {
    for (int c = 0; c < GetColumnCount(); ++c) {
      if (GetPane(r, c) == view) {
        if (row) *row = r;
        if (col) *col = c;
        return view;
      }
    }
  }
  return nullptr;
}

void CSplitterWnd::SetActivePane(int row, int col) {
  CView* view = dynamic_cast<CView*>(GetPane(row, col));
  CFrameWnd* frame = GetParentFrame();
  if (view && frame) frame->SetActiveView(view);
}

namespace {
template <class Track>
void SetTrackInfo(std::vector<Track>& tracks, int index, int ideal, int minimum) {
  if (index < 0 || index >= static_cast<int>(tracks.size())) return;
  tracks[static_cast<size_t>(index)].ideal = ideal;
  tracks[static_cast<size_t>(index)].minimum = minimum;
}

template <class Track>
void GetTrackInfo(const std::vector<Track>& tracks, int index, int& current, int& minimum) {
  current = minimum = 0;
  if (index < 0 || index >= static_cast<int>(tracks.size())) return;
  current = tracks[static_cast<size_t>(index)].current;
  minimum = tracks[static_cast<size_t>(index)].minimum;
}
}  // namespace

void CSplitterWnd::SetRowInfo(int row, int ideal, int minimum) { SetTrackInfo(m_rows, row, ideal, minimum); }
void CSplitterWnd::GetRowInfo(int row, int& current, int& minimum) const {
  GetTrackInfo(m_rows, row, current, minimum);
}
void CSplitterWnd::SetColumnInfo(int col, int ideal, int minimum) { SetTrackInfo(m_cols, col, ideal, minimum); }
void CSplitterWnd::GetColumnInfo(int col, int& current, int& minimum) const {
  GetTrackInfo(m_cols, col, current, minimum);
}

// Every track but the last gets its ideal size as long as room is left; the
// last one takes the rest.
void CSplitterWnd::Distribute(std::vector<Track>& tracks, int space) {
  int left = space - kBarSize * static_cast<int>(tracks.size() - 1);
  for (size_t i = 0; i < tracks.size(); ++i) {
    int size = i + 1 == tracks.size() ? left : tracks[i].ideal;
    if (size > left) size = left;
    if (size < 0) size = 0;
    tracks[i].current = size;
    left -= size;
  }
}

void CSplitterWnd::RecalcLayout() {
  if (!m_hWnd) return;
  CRect client;
  GetClientRect(&client);
  Distribute(m_rows, client.Height());
  Distribute(m_cols, client.Width());
  int y = 0;
  for (int r = 0; r < GetRowCount(); ++r) {
    int x = 0;
    const int height = m_rows[static_cast<size_t>(r)].current;
    for (int c = 0; c < GetColumnCount(); ++c) {
      const int width = m_cols[static_cast<size_t>(c)].current;
      if (CWnd* pane = GetPane(r, c)) pane->SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
      x += width + kBarSize;
    }
    y += height + kBarSize;
  }
  Invalidate();
}

void CSplitterWnd::OnSize(UINT type, int cx, int cy) {
  CWnd::OnSize(type, cx, cy);
  RecalcLayout();
}

// The bars: raised edges on the button face.
void CSplitterWnd::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  int y = 0;
  for (int r = 0; r + 1 < GetRowCount(); ++r) {
    y += m_rows[static_cast<size_t>(r)].current;
    CRect bar(client.left, y, client.right, y + kBarSize);
    dc.DrawEdge(&bar, EDGE_RAISED, BF_TOP | BF_BOTTOM);
    y += kBarSize;
  }
  int x = 0;
  for (int c = 0; c + 1 < GetColumnCount(); ++c) {
    x += m_cols[static_cast<size_t>(c)].current;
    CRect bar(x, client.top, x + kBarSize, client.bottom);
    dc.DrawEdge(&bar, EDGE_RAISED, BF_LEFT | BF_RIGHT);
    x += kBarSize;
  }
}

int CSplitterWnd::HitBar(CPoint point, bool& vertical) const {
  int y = 0;
  for (int r = 0; r + 1 < GetRowCount(); ++r) {
    y += m_rows[static_cast<size_t>(r)].current;
    if (point.y >= y && point.y < y + kBarSize) {
      vertical = false;
      return r;
    }
    y += kBarSize;
  }
  int x = 0;
  for (int c = 0; c + 1 < GetColumnCount(); ++c) {
    x += m_cols[static_cast<size_t>(c)].current;
    if (point.x >= x && point.x < x + kBarSize) {
      vertical = true;
      return c;
    }
    x += kBarSize;
  }
  return -1;
}

BOOL CSplitterWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
  if (wnd == this && hitTest == HTCLIENT) {
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    bool vertical = false;
    if (HitBar(point, vertical) >= 0) {
      ::SetCursor(::LoadCursor(nullptr, vertical ? IDC_SIZEWE : IDC_SIZENS));
      return TRUE;
    }
  }
  return CWnd::OnSetCursor(wnd, hitTest, message);
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point) {
  bool vertical = false;
  int bar = HitBar(point, vertical);
  if (bar < 0) return;
  m_nDragBar = bar;
  m_bDragColumn = vertical;
  // Where in the bar it was taken, so that the bar does not jump.
  int start = 0;
  const std::vector<Track>& tracks = vertical ? m_cols : m_rows;
  for (int i = 0; i <= bar; ++i) start += tracks[static_cast<size_t>(i)].current + (i < bar ? kBarSize : 0);
  m_nDragOffset = (vertical ? point.x : point.y) - start;
  SetCapture();
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point) {
  if (m_nDragBar < 0) return;
  std::vector<Track>& tracks = m_bDragColumn ? m_cols : m_rows;
  int before = 0;
  for (int i = 0; i < m_nDragBar; ++i) before += tracks[static_cast<size_t>(i)].current + kBarSize;
  int size = (m_bDragColumn ? point.x : point.y) - m_nDragOffset - before;
  Track& track = tracks[static_cast<size_t>(m_nDragBar)];
  if (size < track.minimum) size = track.minimum;
  if (size < 0) size = 0;
  if (size == track.ideal) return;
  track.ideal = size;
  RecalcLayout();
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint) {
  if (m_nDragBar >= 0) ::ReleaseCapture();
  m_nDragBar = -1;
}

void CSplitterWnd::OnCaptureChanged(CWnd*) { m_nDragBar = -1; }
