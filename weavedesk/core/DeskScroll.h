// The edit view's proportional scroll model along one axis: the thumb as
// fractions of the total size, the scroll-bar range (capped at 16384) with
// its line and page steps and position, and the pixel offset of the
// window's edge. Never scrolls a document that fits its window, and keeps
// every offset within 0 .. total - client. Also the page step of the
// blocks' Page Up/Down keys. Window-free: the view feeds the bars.
#pragma once

#include "Framework.h"

class CDeskScrollAxis {
 public:
  static constexpr int kMaxRange = 16384;

  // Window size and document size in pixels.
  void SetClient(int client) { m_nClient = client; }
  // A new total: keeps the pixel offset where the old and the new total both
  // exceed the client size, else scrolls to the start.
  void SetTotal(double total);
  // Recomputes range, steps, position and offset; with keepOffset the thumb
  // follows the current pixel offset.
  void Update(bool keepOffset);
  // A scroll-bar request (lw::ScrollCode) with the thumb position for SB_THUMB*.
  // Returns old offset - new offset.
  int Scroll(UINT code, int thumb);
  // Moves by about delta pixels. Returns old offset - new offset.
  int ScrollByPixels(int delta);
  // Scrolls so that [top, top + height) shows, with 30 pixels above it.
  void MakeVisible(int top, int height);
  // Scrolls to the start.
  void Reset();

  int GetClient() const { return m_nClient; }
  double GetTotal() const { return m_dTotal; }
  int GetRange() const { return m_nRange; }
  int GetPosition() const { return static_cast<int>(m_dPosition); }
  int GetLineStep() const { return static_cast<int>(m_dLine); }
  int GetPageStep() const { return static_cast<int>(m_dPage); }
  int GetOffset() const { return m_nOffset; }
  double GetFraction() const { return m_dFraction; }
  double GetThumbStart() const { return m_dThumbStart; }
  double GetThumbEnd() const { return m_dThumbEnd; }
  // The largest offset: what lies beyond the window, 0 when all of it shows.
  int MaxOffset() const;

 private:
  double Span() const;
  void PlaceThumb(double span);

  int m_nClient = 0;
  double m_dTotal = 0.0;
  int m_nRange = 0;
  double m_dLine = 0.0;
  double m_dPage = 0.0;
  double m_dPosition = 0.0;
  double m_dThumbStart = 0.0;
  double m_dThumbEnd = 1.0;
  double m_dFraction = 0.0;
  int m_nOffset = 0;
};

// What one scroll bar shows: SCROLLINFO's range end, page and position.
struct DeskBarInfo {
  int max = 0;
  int page = 0;
  int pos = 0;
  bool operator==(const DeskBarInfo& o) const { return max == o.max && page == o.page && pos == o.pos; }
  bool operator!=(const DeskBarInfo& o) const { return !(*this == o); }
};

// The bar of an axis: an empty one (0, 0, 0) when everything shows.
DeskBarInfo DeskBarOf(const CDeskScrollAxis& axis);

// Remembers what a scroll bar was last given, so that an unchanged bar is
// not set (and redrawn) again. Forget when the bar may have changed behind it.
class CDeskBarCache {
 public:
  // True when info differs from the last one seen (then it is remembered).
  bool Changed(const DeskBarInfo& info);
  void Forget() { m_bKnown = false; }

 private:
  bool m_bKnown = false;
  DeskBarInfo m_last;
};

// The mouse wheel: every notch (120 of the wheel's delta) scrolls the
// system's lines per notch, or a page when the system says so; smaller
// steps (touchpads) add up until they make a notch.
class CDeskWheel {
 public:
  static constexpr int kNotch = 120;
  // Pixels to scroll, positive downward, for a wheel delta (positive: the
  // wheel turned away from the user); linesPerNotch below 0 means a page.
  int Pixels(int delta, int linesPerNotch, int lineHeight, int pageHeight);

 private:
  int m_nRest = 0;
};

// Blocks Page Up (up) or Page Down moves with visibleCount blocks in the
// window: up 2 - count, down count - 3, but always at least one block in
// the key's direction.
int DeskPageStep(bool up, int visibleCount);
