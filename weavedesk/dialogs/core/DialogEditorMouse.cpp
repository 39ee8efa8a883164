// The dialog editor's mouse: cursor by the grab under the mouse, hover and
// selection, dragging a band that moves or resizes a control or the dialog
// in whole dialog units, and the drop that puts the result in the table.
#include "DialogEditor.h"

#include "TraNode.h"

#include <cstdlib>

namespace {

const int kGrab = 3;          // pixels around an edge that grab it
const int kOutside = -2;      // how far outside a control its edges still grab
const int kDialogCorner = 6;  // the dialog's corner grab

bool Contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

bool Equal(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT Normalized(RECT r) {
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return r;
}

bool ResizesX(int cursor) {
  return cursor == PREVIEW_CURSOR_SIZE_WE || cursor == PREVIEW_CURSOR_SIZE_NWSE || cursor == PREVIEW_CURSOR_SIZE_NESW;
}

bool ResizesY(int cursor) {
  return cursor == PREVIEW_CURSOR_SIZE_NS || cursor == PREVIEW_CURSOR_SIZE_NWSE || cursor == PREVIEW_CURSOR_SIZE_NESW;
}

}  // namespace

void CDialogEditor::OnMouseMove(POINT p) { OnMouse(p); }

void CDialogEditor::OnLeftDown(POINT p) {
  if (m_bRightDrag) return;
  m_bLeftDown = true;
  m_bTransition = true;
  OnMouse(p);
}

void CDialogEditor::OnLeftUp(POINT p) {
  m_bLeftDown = false;
  m_bTransition = true;
  OnMouse(p);
}

void CDialogEditor::OnRightDown(POINT p) {
  if (m_bLeftDown) return;
  m_bRightDrag = true;
  OnMouse(p);
}

bool CDialogEditor::OnRightUp(POINT) {
  if (!m_bRightDrag) return false;
  m_bRightDrag = false;
  m_bMenuPending = true;
  m_bDragging = false;
  return m_bClickWithoutMove;
}

PreviewMenuState CDialogEditor::PrepareContextMenu(POINT p) {
  m_bClickWithoutMove = false;
  m_bMenuPending = true;
  OnMouse(p);
  const int s = EntryOrDialog(m_nSelected);
  PreviewMenuState state = {IsChanged(s), false, IsChanged(s) || DiffersFromOriginal(s), false};
  for (int i = 0; i < GetCount(); ++i) {
    state.undoAll = state.undoAll || IsChanged(i);
    state.loadAllOriginals = state.loadAllOriginals || IsChanged(i) || DiffersFromOriginal(i);
  }
  return state;
}

int CDialogEditor::CursorFor(POINT p, bool* edgeGrab) const {
  *edgeGrab = false;
  int cursor = PREVIEW_CURSOR_ARROW;
  if (m_nSelected > 0 && m_nSelected < GetCount()) {
    const RECT& r = m_rects[m_nSelected];
    const int dT = p.y - r.top, dB = r.bottom - p.y, dL = p.x - r.left, dR = r.right - p.x;
    if (IsMoveOnly(m_nSelected)) {
      if (dT >= 0 && dB >= 0 && dL >= 0 && dR >= 0) cursor = PREVIEW_CURSOR_SIZE_ALL;
    } else if (dT >= kOutside && dB >= kOutside && dL >= kOutside && dR >= kOutside) {
      const int aT = std::abs(dT), aB = std::abs(dB), aL = std::abs(dL), aR = std::abs(dR);
      const bool innerX = aL > kGrab && aR > kGrab;
      if (aT > kGrab && aB > kGrab)
        cursor = innerX ? PREVIEW_CURSOR_SIZE_ALL : PREVIEW_CURSOR_SIZE_WE;
      else if (innerX)
        cursor = PREVIEW_CURSOR_SIZE_NS;
      else
        cursor = (aL < aR) == (aT < aB) ? PREVIEW_CURSOR_SIZE_NWSE : PREVIEW_CURSOR_SIZE_NESW;
      if (ControlKind(m_nSelected) == TRA_COMBOBOX) {
        if (cursor == PREVIEW_CURSOR_SIZE_NS) cursor = PREVIEW_CURSOR_SIZE_ALL;
        if (cursor == PREVIEW_CURSOR_SIZE_NWSE || cursor == PREVIEW_CURSOR_SIZE_NESW) cursor = PREVIEW_CURSOR_SIZE_WE;
      }
    }
  }
  if (cursor == PREVIEW_CURSOR_ARROW && m_bResizable && GetCount() > 0) {
    const int dX = std::abs(m_rects[0].right - p.x), dY = std::abs(m_rects[0].bottom - p.y);
    if (dX <= kGrab || dY <= kGrab) {
      *edgeGrab = true;
      if (dX > kDialogCorner)
        cursor = PREVIEW_CURSOR_SIZE_NS;
      else if (dY <= kDialogCorner)
        cursor = PREVIEW_CURSOR_SIZE_NWSE;
      else
        cursor = PREVIEW_CURSOR_SIZE_WE;
    }
  }
  return cursor;
}

int CDialogEditor::HitTest(POINT p) const {
  int best = -1;
  long bestDistance = 0;
  for (int i = 1; i < GetCount(); ++i) {
    const RECT& r = m_rects[i];
    if (!Contains(r, p)) continue;
    const long d1 = std::min(p.x - r.left, r.right - p.x);
    const long d2 = std::min(p.y - r.top, r.bottom - p.y);
    const long distance = d1 * d1 + d2 * d2;
    if (best < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

void CDialogEditor::ShowRectOf(int index) {
  const RECT units = ToDialogUnits(m_rects[EntryOrDialog(index)]);
  m_window.ShowPositionRect(&units);
}

void CDialogEditor::SetHover(int index) {
  if (m_nHover > 0 && m_nHover < GetCount()) m_window.EraseRect(m_rects[m_nHover]);
  m_nHover = index;
  if (m_nHover > 0 && m_nHover < GetCount()) m_window.DrawHoverFrame(m_rects[m_nHover]);
}

namespace {

RECT SelectionFrame(const RECT& r) { return {r.left - 1, r.top - 1, r.right + 2, r.bottom + 2}; }
RECT SelectionErase(const RECT& r) { return {r.left - 2, r.top - 2, r.right + 3, r.bottom + 3}; }

}  // namespace

void CDialogEditor::SetSelected(int index) {
  if (m_nSelected > 0 && m_nSelected < GetCount()) m_window.EraseRect(SelectionErase(m_rects[m_nSelected]));
  m_nSelected = index;
  if (m_nSelected > 0 && m_nSelected < GetCount()) m_window.DrawSelectionFrame(SelectionFrame(m_rects[m_nSelected]));
}

void CDialogEditor::EraseFrames() {
  if (m_nSelected > 0 && m_nSelected < GetCount()) m_window.EraseRect(SelectionErase(m_rects[m_nSelected]));
  if (m_nHover > 0 && m_nHover < GetCount()) m_window.EraseRect(m_rects[m_nHover]);
}

void CDialogEditor::DrawFrames() {
  if (!HasWindow()) return;
  if (m_nSelected > 0 && m_nSelected < GetCount()) m_window.DrawSelectionFrame(SelectionFrame(m_rects[m_nSelected]));
  if (!m_bDragging && m_nHover > 0 && m_nHover < GetCount()) m_window.DrawHoverFrame(m_rects[m_nHover]);
}

void CDialogEditor::DrawBand() {
  if (m_nSelected <= 0) return;  // the dialog's own window shows its size
  m_window.XorBand(m_band);
  m_bBandDrawn = !m_bBandDrawn;
}

void CDialogEditor::OnMouse(POINT p) {
  if (!HasWindow()) return;
  m_window.ShowPositionPoint(static_cast<int>(p.x / m_pixelsX), static_cast<int>(p.y / m_pixelsY));
  if (m_bRightDrag) {
    if (!m_bDragging) {
      m_start = p;
      m_bDragging = true;
      m_bClickWithoutMove = true;
    } else if (p.x != m_start.x || p.y != m_start.y) {
      m_bClickWithoutMove = false;
      m_window.MoveWindowBy(p.x - m_start.x, p.y - m_start.y);
    }
    return;
  }
  if (m_bHintShown) {  // the hint is shown, never edited
    m_bTransition = m_bMenuPending = false;
    return;
  }
  if (!m_bDragging) {
    bool edgeGrab = false;
    const int cursor = CursorFor(p, &edgeGrab);
    m_bEdgeGrab = edgeGrab;
    if (cursor != m_nCursor) {
      m_nCursor = cursor;
      m_window.SetCursor(cursor);
    }
    if (m_nCursor != PREVIEW_CURSOR_ARROW && !m_bEdgeGrab && m_nSelected != m_nHover) {
      SetHover(m_nSelected);
      ShowRectOf(m_nSelected);
    }
  }
  if (!m_bLeftDown && m_nCursor == PREVIEW_CURSOR_ARROW) {
    const int hit = HitTest(p);
    if (hit != m_nHover) {
      SetHover(hit);
      ShowRectOf(hit);
    }
  }
  if (m_bTransition && !m_bLeftDown && m_bDragging) Drop();
  if ((m_bTransition && m_bLeftDown) || m_bMenuPending) {
    if (m_nCursor != PREVIEW_CURSOR_ARROW && !m_bMenuPending)
      StartDrag(p);
    else if (m_nHover != m_nSelected)
      SetSelected(m_nHover);
  } else if (m_bLeftDown && m_bDragging) {
    MoveBand(p);
  }
  m_bTransition = false;
  m_bMenuPending = false;
}

void CDialogEditor::StartDrag(POINT p) {
  if (m_document.IsOriginal()) {
    m_document.OfferNewTranslation();
    return;
  }
  if (m_nHover > 0 && m_nHover < GetCount()) m_window.EraseRect(m_rects[m_nHover]);
  m_bDragging = true;
  if (m_bEdgeGrab) SetSelected(0);
  m_band = m_rects[EntryOrDialog(m_nSelected)];
  m_start = p;
  m_bBandDrawn = false;
  DrawBand();
}

void CDialogEditor::MoveBand(POINT p) {
  if (m_bBandDrawn) DrawBand();
  const int s = EntryOrDialog(m_nSelected);
  const RECT client = m_rects[0];
  m_band = m_rects[s];
  const int dx = p.x - m_start.x, dy = p.y - m_start.y;
  if (ResizesX(m_nCursor)) {
    if ((m_band.left + m_band.right) / 2 < m_start.x)
      m_band.right += dx;
    else
      m_band.left += dx;
  }
  if (ResizesY(m_nCursor)) {
    if ((m_band.top + m_band.bottom) / 2 < m_start.y)
      m_band.bottom += dy;
    else
      m_band.top += dy;
  }
  const bool move = m_nCursor == PREVIEW_CURSOR_SIZE_ALL;
  if (!move && s > 0) {
    m_band.left = std::max(m_band.left, client.left);
    m_band.top = std::max(m_band.top, client.top);
    m_band.right = std::min(m_band.right, client.right);
    m_band.bottom = std::min(m_band.bottom, client.bottom);
  }
  RECT units;
  if (move && s > 0) {
    // The control keeps its size in dialog units.
    const RECT size = ToDialogUnits(m_rects[s]);
    const LONG w = size.right - size.left, h = size.bottom - size.top;
    RECT moved = {m_band.left + dx, m_band.top + dy, m_band.right + dx, m_band.bottom + dy};
    const LONG width = moved.right - moved.left, height = moved.bottom - moved.top;
    if (moved.right > client.right) moved.left = client.right - width;
    if (moved.bottom > client.bottom) moved.top = client.bottom - height;
    if (moved.left < 0) moved.left = 0;
    if (moved.top < 0) moved.top = 0;
    units = ToDialogUnits(RECT{moved.left, moved.top, moved.left, moved.top});
    units.right = units.left + w;
    units.bottom = units.top + h;
    // Snapping may push the far edge out by a unit: back inside.
    const RECT clientUnits = ToDialogUnits(client);
    if (units.right > clientUnits.right && w <= clientUnits.right) {
      units.left = clientUnits.right - w;
      units.right = clientUnits.right;
    }
    if (units.bottom > clientUnits.bottom && h <= clientUnits.bottom) {
      units.top = clientUnits.bottom - h;
      units.bottom = clientUnits.bottom;
    }
  } else {
    units = ToDialogUnits(m_band);
  }
  m_window.ShowPositionRect(&units);
  m_band = ToPixels(units);
  if (s == 0) {
    const RECT n = Normalized(m_band);
    m_window.SetClientSize(n.right - n.left, n.bottom - n.top);
  }
  DrawBand();
}

void CDialogEditor::Drop() {
  m_bDragging = false;
  const int s = EntryOrDialog(m_nSelected);
  if (m_bBandDrawn) DrawBand();
  if (!Equal(m_band, m_rects[s])) {
    m_document.SetModified();
    m_changed[s] = 1;
    if (s > 0) m_window.EraseRect(SelectionErase(m_rects[s]));
    const RECT old = m_rects[s];
    m_rects[s] = Normalized(m_band);
    if (s == 0) {
      m_window.SetClientSize(m_rects[0].right - m_rects[0].left, m_rects[0].bottom - m_rects[0].top);
    } else {
      m_window.MoveControl(s, m_rects[s], true);
      m_window.EraseRect(old);
    }
    ShowRectOf(s);
    if (s > 0) m_window.DrawSelectionFrame(SelectionFrame(m_rects[s]));
  }
  if (m_nHover > 0 && m_nHover < GetCount()) m_window.DrawHoverFrame(m_rects[m_nHover]);
}

void CDialogEditor::GiveBackActivation() {
  if (m_bDragging || !HasWindow() || !m_window.IsPreviewActive()) return;
  if (!m_window.ActivateOwner()) return;
  m_window.RefreshCaptions();
}
