#include "DockSite.h"

#include <algorithm>
#include <cstdlib>

DWORD DockAlignOf(lw::DockSide side) {
  switch (side) {
    case lw::kDockTop:
      return CBRS_ALIGN_TOP;
    case lw::kDockBottom:
      return CBRS_ALIGN_BOTTOM;
    case lw::kDockLeft:
      return CBRS_ALIGN_LEFT;
    case lw::kDockRight:
      return CBRS_ALIGN_RIGHT;
    default:
      return 0;
  }
}

DWORD DockSidesOf(DWORD align) {
  DWORD sides = 0;
  for (int s = 0; s < lw::kDockSides; ++s)
    if (align & DockAlignOf(static_cast<lw::DockSide>(s))) sides |= lw::DockSideBit(static_cast<lw::DockSide>(s));
  return sides;
}

CDockSite::~CDockSite() {
  if (IsDragging()) CancelDrag();
}

void CDockSite::EnableSides(DWORD sides) {
  m_sides |= sides & CBRS_ALIGN_ANY;
  for (int s = 0; s < lw::kDockSides; ++s) {
    const auto side = static_cast<lw::DockSide>(s);
    if (!(m_sides & DockAlignOf(side)) || m_dockBars[s]) continue;
    auto bar = std::make_unique<CDockBar>();
    if (bar->Create(m_pFrame, side)) m_dockBars[s] = std::move(bar);
  }
}

CDockBar* CDockSite::GetDockBar(lw::DockSide side) const {
  return side >= 0 && side < lw::kDockSides ? m_dockBars[side].get() : nullptr;
}

CFloatingBarFrame* CDockSite::GetFloatingFrame(const CControlBar* bar) const {
  auto found = m_floating.find(bar);
  return found == m_floating.end() ? nullptr : found->second.get();
}

lw::DockPlace CDockSite::GetPlace(const CControlBar* bar) const {
  auto found = m_places.find(bar);
  return found == m_places.end() ? lw::DockPlace() : found->second;
}

CControlBar* CDockSite::Find(UINT id) const {
  for (CControlBar* bar : m_bars)
    if (bar->m_hWnd && static_cast<UINT>(bar->GetDlgCtrlID()) == id) return bar;
  return nullptr;
}

std::vector<CControlBar*> CDockSite::GetBars() const { return m_bars; }

// A bar comes to the site once: it stops placing itself along its parent's
// edge, and a toolbar sends its commands and tip requests to the frame
// whatever window holds it.
void CDockSite::PrepareBar(CControlBar* bar) {
  if (std::find(m_bars.begin(), m_bars.end(), bar) != m_bars.end()) return;
  m_bars.push_back(bar);
  bar->SetDockingFrame(m_pFrame);
  if (dynamic_cast<CToolBar*>(bar)) {
    bar->ModifyStyle(CCS_TOP | CCS_BOTTOM, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER);
    bar->SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(m_pHost->GetDockHostWindow()));
  }
}

void CDockSite::Detach(CControlBar* bar) {
  for (auto& dockBar : m_dockBars)
    if (dockBar) dockBar->Remove(bar);
  if (CFloatingBarFrame* floating = GetFloatingFrame(bar)) floating->ShowWindow(SW_HIDE);
}

void CDockSite::Dock(CControlBar* bar, lw::DockSide side) {
  CDockBar* dockBar = GetDockBar(side);
  if (!bar || !bar->m_hWnd || !dockBar || !(bar->GetDockStyle() & DockAlignOf(side))) return;
  PrepareBar(bar);
  Detach(bar);
  bar->SetBarStyle((bar->GetBarStyle() & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | DockAlignOf(side));
  ::SetParent(bar->m_hWnd, dockBar->m_hWnd);
  bar->LayoutItems();
  dockBar->Add(bar);
  m_places[bar] = lw::DockMoved(GetPlace(bar), side, POINT{0, 0});
  m_pHost->RecalcLayout();
}

void CDockSite::Float(CControlBar* bar, POINT topLeft) {
  if (!bar || !bar->m_hWnd) return;
  PrepareBar(bar);
  const bool shown = (bar->GetStyle() & WS_VISIBLE) != 0;
  CFloatingBarFrame* floating = GetFloatingFrame(bar);
  if (!floating) {
    auto made = std::make_unique<CFloatingBarFrame>();
    if (!made->Create(m_pFrame, bar)) return;
    floating = made.get();
    m_floating[bar] = std::move(made);
  }
  Detach(bar);
  bar->SetBarStyle((bar->GetBarStyle() & ~CBRS_ALIGN_ANY) | CBRS_FLOATING);
  ::SetParent(bar->m_hWnd, floating->m_hWnd);
  bar->LayoutItems();
  floating->FitAt(topLeft);
  if (shown) floating->ShowWindow(SW_SHOWNOACTIVATE);
  m_places[bar] = lw::DockMoved(GetPlace(bar), lw::kDockFloat, topLeft);
  m_pHost->RecalcLayout();
}

void CDockSite::Toggle(CControlBar* bar) {
  const lw::DockPlace place = GetPlace(bar);
  const lw::DockSide target = lw::DockToggleTarget(place);
  if (target != lw::kDockFloat) {
    Dock(bar, target);
    return;
  }
  POINT at = place.floatAt;
  if (!place.floatedBefore) {  // the first time a little inside the frame
    at = POINT{m_area.left + 40, m_area.top + 40};
    ::ClientToScreen(m_pHost->GetDockHostWindow(), &at);
  }
  Float(bar, at);
}

bool CDockSite::Show(CControlBar* bar, bool show) {
  if (std::find(m_bars.begin(), m_bars.end(), bar) == m_bars.end()) return false;
  bar->ShowWindow(show ? SW_SHOWNOACTIVATE : SW_HIDE);
  if (bar->IsFloating())
    if (CFloatingBarFrame* floating = GetFloatingFrame(bar)) floating->ShowWindow(show ? SW_SHOWNOACTIVATE : SW_HIDE);
  return true;
}

RECT CDockSite::Layout(const RECT& area) {
  m_area = area;
  int thickness[lw::kDockSides] = {0, 0, 0, 0};
  for (int s = 0; s < lw::kDockSides; ++s)
    if (m_dockBars[s]) thickness[s] = m_dockBars[s]->Thickness();
  const lw::DockFrameLayout layout = lw::LayoutDockBars(area, thickness);
  for (int s = 0; s < lw::kDockSides; ++s)
    if (m_dockBars[s]) m_dockBars[s]->Place(layout.bars[s]);
  return layout.pane;
}

RECT CDockSite::ScreenArea() const {
  CRect area(m_area);
  ::MapWindowPoints(m_pHost->GetDockHostWindow(), nullptr, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

// ---- drag -------------------------------------------------------------------------

lw::DockSide CDockSite::DropSide(const Drag& drag, POINT screen) const {
  const DWORD allowed = DockSidesOf(drag.bar->GetDockStyle() & m_sides);
  const int reach = std::max(16, static_cast<int>(drag.sizes.horizontal.cy));
  const lw::DockSide current = drag.bar->IsFloating() ? lw::kDockFloat : GetPlace(drag.bar).side;
  return lw::DockSideAt(ScreenArea(), screen, allowed, reach, current);
}

void CDockSite::BeginDrag(CControlBar* bar, CWnd* grip, POINT screen) {
  if (IsDragging()) CancelDrag();
  CRect window;
  grip->GetWindowRect(&window);
  Drag drag;
  drag.bar = bar;
  drag.grip = grip;
  drag.start = screen;
  drag.grab = POINT{screen.x - window.left, screen.y - window.top};
  drag.sizes.horizontal = bar->CalcFixedLayout(TRUE);
  drag.sizes.vertical = bar->CalcFixedLayout(FALSE);
  drag.sizes.floating = CFloatingBarFrame::WindowSizeFor(drag.sizes.horizontal);
  m_drag = drag;
  grip->SetCapture();
}

void CDockSite::DragTo(POINT screen) {
  if (!m_drag.moved && std::abs(screen.x - m_drag.start.x) < ::GetSystemMetrics(SM_CXDRAG) &&
      std::abs(screen.y - m_drag.start.y) < ::GetSystemMetrics(SM_CYDRAG))
    return;
  m_drag.moved = true;
  const RECT rect = lw::DockDragRect(ScreenArea(), DropSide(m_drag, screen), screen, m_drag.grab, m_drag.sizes);
  ShowFeedback(&rect);
}

void CDockSite::EndDrag(POINT screen) {
  const Drag drag = m_drag;
  CancelDrag();
  if (!drag.moved) return;
  const lw::DockSide side = DropSide(drag, screen);
  if (side == lw::kDockFloat)
    Float(drag.bar, POINT{screen.x - drag.grab.x, screen.y - drag.grab.y});
  else
    Dock(drag.bar, side);
}

void CDockSite::CancelDrag() {
  ShowFeedback(nullptr);
  CWnd* grip = m_drag.grip;
  m_drag = Drag();  // before the capture goes, so that its message finds no drag
  if (grip && grip->m_hWnd && ::GetCapture() == grip->m_hWnd) ::ReleaseCapture();
}

// The frame where the bar would go, inverted on the screen: drawn again at
// the same place it disappears.
void CDockSite::ShowFeedback(const RECT* rect) {
  HDC screen = ::GetDC(nullptr);
  if (m_drag.shown) ::DrawFocusRect(screen, &m_drag.shownRect);
  m_drag.shown = rect != nullptr;
  if (rect) {
    m_drag.shownRect = *rect;
    ::DrawFocusRect(screen, rect);
  }
  ::ReleaseDC(nullptr, screen);
}

bool CDockSite::OnGripMessage(CControlBar* bar, CWnd* grip, UINT message, WPARAM wParam, LPARAM lParam,
                              LRESULT* result) {
  const POINT screenPoint{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  const bool barIsGrip = grip == bar;
  switch (message) {
    case WM_NCHITTEST: {
      if (!barIsGrip || bar->IsFloating()) return false;
      CRect window, client;
      bar->GetWindowRect(&window);
      bar->GetClientRect(&client);
      bar->ClientToScreen(&client);
      if (!window.PtInRect(screenPoint) || client.PtInRect(screenPoint)) return false;
      *result = HTCAPTION;  // the band around the buttons is the bar's grip
      return true;
    }
    case WM_NCLBUTTONDOWN:
      if (wParam != HTCAPTION) return false;
      BeginDrag(bar, grip, screenPoint);
      *result = 0;
      return true;
    case WM_NCLBUTTONDBLCLK:
      if (wParam != HTCAPTION) return false;
      Toggle(bar);
      *result = 0;
      return true;
    default:
      break;
  }
  if (!IsDragging() || m_drag.grip != grip) return false;
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  switch (message) {
    case WM_MOUSEMOVE:
      grip->ClientToScreen(&point);
      DragTo(point);
      break;
    case WM_LBUTTONUP:
      grip->ClientToScreen(&point);
      EndDrag(point);
      break;
    case WM_RBUTTONDOWN:
    case WM_CAPTURECHANGED:
      CancelDrag();
      break;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) CancelDrag();
      break;
    default:
      return false;
  }
  *result = 0;
  return true;
}
