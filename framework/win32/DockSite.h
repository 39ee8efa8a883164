// The docking of a frame's control bars: a dock bar (a child window of the
// frame) along each side the frame allows, a small floating tool window for
// a floated bar, the drag of a bar by its grip (its non-client band, or the
// floating window's caption) with a frame drawn where it would go, and each
// bar's place, kept in memory for the session. The rules without windows
// are lw::DockLayout; places are not saved between sessions.
#pragma once

#include "ControlBars.h"
#include "DockLayout.h"

#include <map>
#include <memory>
#include <vector>

// The dock bars' child ids: top, bottom, left, right.
const UINT kDockBarFirstId = 0xE81B;

// A child of the frame holding the bars docked on one side, in a row (top,
// bottom) or a column (left, right); the last bar takes what is left of it.
class CDockBar : public CWnd {
 public:
  BOOL Create(CFrameWnd* frame, lw::DockSide side);
  void Add(CControlBar* bar);
  void Remove(CControlBar* bar);
  bool Holds(const CControlBar* bar) const;
  // Across the side: the widest of its visible bars, 0 without any.
  int Thickness() const;
  // The dock bar at rect (the frame's client coordinates) and its bars in it.
  void Place(const RECT& rect);
  // Commands and notifications of its bars go to the frame.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  lw::DockSide m_side = lw::kDockTop;
  std::vector<CControlBar*> m_bars;
};

// A small tool window owned by the frame that holds one floating bar; its
// caption drags the bar, its close button hides it.
class CFloatingBarFrame : public CWnd {
 public:
  BOOL Create(CFrameWnd* frame, CControlBar* bar);
  // The window around the bar's row at topLeft (screen).
  void FitAt(POINT topLeft);
  // The window size around a bar's row of that size.
  static SIZE WindowSizeFor(SIZE bar);
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CFrameWnd* m_pFrame = nullptr;
  CControlBar* m_pBar = nullptr;
};

// What a dock site asks of its frame: the window its dock bars and drags are
// placed in, and a new layout once a bar has moved. CFrameWnd is the host.
class CDockHost {
 public:
  virtual HWND GetDockHostWindow() const = 0;
  virtual void RecalcLayout() = 0;

 protected:
  ~CDockHost() = default;
};

class CDockSite {
 public:
  // frame is handed on to the dock bars, floating windows and bars; host is
  // the same frame as the site itself asks it.
  CDockSite(CFrameWnd* frame, CDockHost* host) : m_pFrame(frame), m_pHost(host) {}
  ~CDockSite();
  CDockSite(const CDockSite&) = delete;
  CDockSite& operator=(const CDockSite&) = delete;

  // Dock bars along the sides given (CBRS_ALIGN_*).
  void EnableSides(DWORD sides);
  // Moves bar into side's dock bar (when the frame and the bar allow that side).
  void Dock(CControlBar* bar, lw::DockSide side);
  // Moves bar into its floating window at topLeft (screen).
  void Float(CControlBar* bar, POINT topLeft);
  // A docked bar floats where it floated last, a floating one goes back to its side.
  void Toggle(CControlBar* bar);
  // Shows or hides a bar of the site (with its floating window); false for other bars.
  bool Show(CControlBar* bar, bool show);
  CControlBar* Find(UINT id) const;
  std::vector<CControlBar*> GetBars() const;
  lw::DockPlace GetPlace(const CControlBar* bar) const;
  CDockBar* GetDockBar(lw::DockSide side) const;
  CFloatingBarFrame* GetFloatingFrame(const CControlBar* bar) const;
  // Places the dock bars in area (the frame's client coordinates) and answers what they leave.
  RECT Layout(const RECT& area);

  // Messages of a bar's grip window (the bar, or its floating window): the
  // non-client band hit as a caption, a press there starts a drag, a double
  // click toggles, the captured mouse moves and drops. True when taken.
  bool OnGripMessage(CControlBar* bar, CWnd* grip, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  bool IsDragging() const { return m_drag.bar != nullptr; }

 private:
  struct Drag {
    CControlBar* bar = nullptr;
    CWnd* grip = nullptr;
    POINT start = {0, 0};
    POINT grab = {0, 0};  // the press in the grip window
    lw::DockBarSizes sizes = {};
    bool moved = false;
    bool shown = false;  // the feedback frame is on the screen
    RECT shownRect = {0, 0, 0, 0};
  };
  void PrepareBar(CControlBar* bar);
  void Detach(CControlBar* bar);
  void BeginDrag(CControlBar* bar, CWnd* grip, POINT screen);
  void DragTo(POINT screen);
  void EndDrag(POINT screen);
  void CancelDrag();
  void ShowFeedback(const RECT* rect);
  lw::DockSide DropSide(const Drag& drag, POINT screen) const;
  RECT ScreenArea() const;

  CFrameWnd* m_pFrame;
  CDockHost* m_pHost;
  DWORD m_sides = 0;
  std::unique_ptr<CDockBar> m_dockBars[lw::kDockSides];
  std::map<const CControlBar*, std::unique_ptr<CFloatingBarFrame>> m_floating;
  std::map<const CControlBar*, lw::DockPlace> m_places;
  std::vector<CControlBar*> m_bars;  // in the order they came
  RECT m_area = {0, 0, 0, 0};        // laid out last, the frame's client coordinates
  Drag m_drag;
};

// CBRS_ALIGN_* of a side and back (0 / top for none).
DWORD DockAlignOf(lw::DockSide side);
DWORD DockSidesOf(DWORD align);
