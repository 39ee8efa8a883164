// A text device without a screen for tests, the fuzz target and the
// benchmark: every character is 7 pixels wide, a tab reaches the next tab
// stop, lines are 16 (text) or 14 (overlay) pixels high; drawing is only
// counted.
#pragma once

#include "TextDevice.h"

class CFixedPitchDevice : public CTextDevice {
 public:
  static constexpr int kCharWidth = 7;
  static constexpr int kTextHeight = 16;
  static constexpr int kOverlayHeight = 14;

  CSize MeasureText(const CString& text, DeskFont font, int tabWidth) override {
    int x = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
      if (text[i] == '\t' && tabWidth > 0)
        x = (x / tabWidth + 1) * tabWidth;
      else
        x += kCharWidth;
    }
    return CSize(x, font == DESK_FONT_OVERLAY ? kOverlayHeight : kTextHeight);
  }
  void FillRect(const RECT&, COLORREF) override { ++m_nFills; }
  void DrawText(int, int, const CString&, DeskFont, int, COLORREF) override { ++m_nTexts; }
  void DrawLine(int, int, int, int, COLORREF) override { ++m_nLines; }
  void SetPixel(int, int, COLORREF) override { ++m_nPixels; }
  void DrawCell(DeskStrip strip, int cell, int x, int y) override {
    ++m_nCells;
    m_lastStrip = strip;
    m_nLastCell = cell;
    m_lastCellAt = POINT{x, y};
  }

  int m_nFills = 0;
  int m_nTexts = 0;
  int m_nLines = 0;
  int m_nPixels = 0;
  int m_nCells = 0;
  DeskStrip m_lastStrip = DESK_STRIP_PLACEHOLDERS;
  int m_nLastCell = -1;
  POINT m_lastCellAt{0, 0};
};
