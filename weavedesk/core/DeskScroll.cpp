#include "DeskScroll.h"

#include "ScrollMath.h"

#include <algorithm>

namespace {
double Clamp01(double v) { return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v); }
}  // namespace

int CDeskScrollAxis::MaxOffset() const {
  const double beyond = m_dTotal - m_nClient;
  return beyond > 0.0 ? static_cast<int>(beyond) : 0;
}

double CDeskScrollAxis::Span() const {
  if (m_dTotal <= 0.0) return 1.0;
  return Clamp01(m_nClient / m_dTotal);
}

void CDeskScrollAxis::PlaceThumb(double span) {
  m_dFraction = Clamp01(m_dFraction);
  m_dThumbStart = (1.0 - span) * m_dFraction;
  m_dThumbEnd = m_dThumbStart + span;
}

void CDeskScrollAxis::SetTotal(double total) {
  const double old = m_dTotal;
  if (total > m_nClient && old > m_nClient)
    m_dFraction *= (old - m_nClient) / (total - m_nClient);
  else
    m_dFraction = 0.0;
  m_dTotal = total < 0.0 ? 0.0 : total;
  PlaceThumb(Span());
}

void CDeskScrollAxis::Update(bool keepOffset) {
  const double span = Span();
  if (keepOffset) {
    m_nOffset = std::min(std::max(m_nOffset, 0), MaxOffset());
    m_dThumbStart = m_dTotal > 0.0 ? m_nOffset / m_dTotal : 0.0;
    m_dFraction = MaxOffset() > 0 ? static_cast<double>(m_nOffset) / MaxOffset() : 0.0;
  }
  m_dThumbStart = std::min(Clamp01(m_dThumbStart), 1.0 - span);
  m_dThumbEnd = m_dThumbStart + span;
  m_nRange = static_cast<int>(std::min(m_dTotal, static_cast<double>(kMaxRange)));
  m_dLine = 0.1 * span * m_nRange;
  m_dPage = 0.9 * span * m_nRange;
  const int scrollable = m_nRange - m_nClient;
  m_dPosition = scrollable > 0 ? scrollable * m_dFraction : 0.0;
  m_nOffset = std::min(static_cast<int>(m_dTotal * m_dThumbStart), MaxOffset());
}

int CDeskScrollAxis::Scroll(UINT code, int thumb) {
  const int old = m_nOffset;
  const int scrollable = m_nRange - m_nClient;
  double target = m_dPosition;
  switch (code) {
    case lw::kScrollLineUp: target -= m_dLine; break;
    case lw::kScrollLineDown: target += m_dLine; break;
    case lw::kScrollPageUp: target -= m_dPage; break;
    case lw::kScrollPageDown: target += m_dPage; break;
    case lw::kScrollThumbPosition:
    case lw::kScrollThumbTrack: target = thumb; break;
    case lw::kScrollTop: target = 0; break;
    case lw::kScrollBottom: target = scrollable; break;
    default: return 0;  // SB_ENDSCROLL
  }
  if (scrollable <= 0) {
    m_dFraction = 0.0;
  } else {
    target = std::min(std::max(target, 0.0), static_cast<double>(scrollable));
    m_dFraction = target / scrollable;
  }
  PlaceThumb(Span());
  Update(false);
  return old - m_nOffset;
}

int CDeskScrollAxis::ScrollByPixels(int delta) {
  const double span = Span();
  if (span >= 1.0 || m_dTotal <= 0.0) return 0;  // everything shows
  const int old = m_nOffset;
  const double start = m_dThumbStart;
  m_dThumbStart = std::min(std::max(start + delta / m_dTotal * (1.0 - span), 0.0), 1.0 - span);
  m_dFraction = Clamp01(m_dFraction + (m_dThumbStart - start) / (1.0 - span));
  m_dThumbEnd = m_dThumbStart + span;
  Update(false);
  return old - m_nOffset;
}

void CDeskScrollAxis::MakeVisible(int top, int height) {
  if (top >= m_nOffset && top <= m_nOffset + m_nClient - height) return;
  const int maxOffset = MaxOffset();
  m_nOffset = std::min(std::max(top - 30, 0), maxOffset);
  m_dFraction = maxOffset > 0 ? static_cast<double>(m_nOffset) / maxOffset : 0.0;
}

void CDeskScrollAxis::Reset() {
  m_nOffset = 0;
  m_dFraction = 0.0;
  m_dThumbStart = 0.0;
  m_dThumbEnd = Span();
}

int DeskPageStep(bool up, int visibleCount) {
  return up ? std::min(2 - visibleCount, -1) : std::max(visibleCount - 3, 1);
}

DeskBarInfo DeskBarOf(const CDeskScrollAxis& axis) {
  DeskBarInfo info;
  if (axis.MaxOffset() <= 0) return info;
  info.max = axis.GetRange() - 1;
  info.page = std::min(axis.GetClient(), axis.GetRange());
  info.pos = axis.GetPosition();
  return info;
}

bool CDeskBarCache::Changed(const DeskBarInfo& info) {
  if (m_bKnown && info == m_last) return false;
  m_bKnown = true;
  m_last = info;
  return true;
}

int CDeskWheel::Pixels(int delta, int linesPerNotch, int lineHeight, int pageHeight) {
  if (linesPerNotch == 0) return 0;
  m_nRest += delta;
  const int notches = m_nRest / kNotch;  // toward zero: a part-notch waits
  m_nRest -= notches * kNotch;
  const int perNotch = linesPerNotch < 0 ? pageHeight : linesPerNotch * lineHeight;
  return -notches * perNotch;
}
