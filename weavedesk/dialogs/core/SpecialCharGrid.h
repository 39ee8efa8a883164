// The special-character window's grid: characters 33 to 255 in 25 columns
// and 9 rows, cell sizes from the font's measures, which cell a point
// hits, where a character is written and where its enlarged copy goes.
// Pixels throughout. Window-free: measures come from the caller.
#pragma once

#include "Framework.h"

class CSpecialCharGrid {
 public:
  static constexpr int kLeft = 4;
  static constexpr int kTop = 6;
  static constexpr int kColumns = 25;
  static constexpr int kRows = 9;
  static constexpr int kFirstChar = 33;
  static constexpr int kLastChar = 255;

  // widestChar: the widest of characters 33..255; maxCharWidth: the
  // font's maximum character width; charHeight: the font's height.
  CSpecialCharGrid(int widestChar, int maxCharWidth, int charHeight);

  int CellWidth() const { return m_cellWidth; }
  int CellHeight() const { return m_cellHeight; }
  int PictureWidth() const { return m_cellWidth * kColumns + 3 * kLeft; }
  int PictureHeight() const { return kTop + m_cellHeight * kRows + 2; }

  // The character in a cell; above 255 for the cells past the last one.
  static int CharAt(int column, int row) { return kFirstChar + kColumns * row + column; }
  // The cell under a point holding a character; false outside the grid
  // and in the empty cells of the last row.
  bool HitTest(int x, int y, int* column, int* row) const;
  // Where a character of the given width is written in its cell.
  POINT TextOrigin(int column, int row, int charWidth) const;

  // The enlarged character over a cell: its top-left corner, kept inside
  // the picture.
  POINT EnlargedOrigin(int column, int row, int width, int height) const;

 private:
  int m_cellWidth;
  int m_cellHeight;
};
