// The drawing surface of text blocks and items: measuring and drawing text
// in one of the editor's two fonts, filling, lines, pixels and cells of the
// shared picture strips. The edit view implements it over a device
// context; tests and tools use a fixed-pitch fake. Owns no window.
#pragma once

#include "Framework.h"

enum DeskFont { DESK_FONT_TEXT, DESK_FONT_OVERLAY };

// Picture strips whose cells blocks and placeholders draw.
enum DeskStrip {
  DESK_STRIP_PLACEHOLDERS,  // 25 x 15 cells
  DESK_STRIP_BOXES,         // 10 x 10 cells
  DESK_STRIP_ICONS          // 16 x 15 cells
};

const COLORREF DESK_BACKGROUND = RGB(192, 192, 192);
const COLORREF DESK_WHITE = RGB(255, 255, 255);
const COLORREF DESK_SHADOW = RGB(128, 128, 128);
const COLORREF DESK_BLACK = RGB(0, 0, 0);

class CTextDevice {
 public:
  virtual ~CTextDevice() = default;
  // Extent of text in a font; with tabWidth > 0 as tabbed text with one
  // tab stop of that many pixels, with 0 as plain text.
  virtual CSize MeasureText(const CString& text, DeskFont font, int tabWidth) = 0;
  virtual void FillRect(const RECT& rect, COLORREF color) = 0;
  // Tabbed text at (x, y) on the background colour, tab origin at x.
  virtual void DrawText(int x, int y, const CString& text, DeskFont font, int tabWidth, COLORREF background) = 0;
  // Solid line of width 1 from (x1, y1) to (x2, y2), the end point excluded.
  virtual void DrawLine(int x1, int y1, int x2, int y2, COLORREF color) = 0;
  virtual void SetPixel(int x, int y, COLORREF color) = 0;
  virtual void DrawCell(DeskStrip strip, int cell, int x, int y) = 0;
};
