#include "SpecialCharGrid.h"

#include <algorithm>

CSpecialCharGrid::CSpecialCharGrid(int widestChar, int maxCharWidth, int charHeight)
    : m_cellWidth(std::max(1, std::min(widestChar, maxCharWidth)) + 4), m_cellHeight(std::max(1, charHeight) + 2) {}

bool CSpecialCharGrid::HitTest(int x, int y, int* column, int* row) const {
  if (x < kLeft || y < kTop || x >= kLeft + m_cellWidth * kColumns || y >= kTop + m_cellHeight * kRows) return false;
  const int c = (x - kLeft) / m_cellWidth, r = (y - kTop) / m_cellHeight;
  if (CharAt(c, r) > kLastChar) return false;
  *column = c;
  *row = r;
  return true;
}

POINT CSpecialCharGrid::TextOrigin(int column, int row, int charWidth) const {
  return {column * m_cellWidth + (m_cellWidth - charWidth) / 2 + kLeft, kTop + row * m_cellHeight};
}

POINT CSpecialCharGrid::EnlargedOrigin(int column, int row, int width, int height) const {
  int x = (2 * m_cellWidth - width) / 2 + m_cellWidth * (column - 1) + kLeft;
  x = std::min(x, PictureWidth() - width - kLeft);
  x = std::max(x, kLeft);
  int y = kTop + m_cellHeight * row - height / 3;
  y = std::min(y, PictureHeight() - height - 3);
  y = std::max(y, 3);
  return {x, y};
}
