#include "DeskPictures.h"

#include <cstdlib>

namespace deskpic {
namespace {

using lwpic::Picture;

// Palette indices of lwv/pictures' palette.
enum : uint8_t {
  G = 0,       // background grey 192
  W = 1,       // white
  N = 2,       // navy
  B = 3,       // blue
  M = 4,       // middle blue
  L = 5,       // light blue
  R = 6,       // red
  K = 7,       // black
  Y = 8,       // yellow
  E = 9,       // green
  D = 10,      // dark grey
  P = 11       // pale, the checked button's background
};

// One drawing step: a filled rectangle, a frame, a line or a filled circle.
enum Op { kFill, kFrame, kLine, kDisc, kRing, kText };
struct Shape {
  Op op;
  int x1, y1, x2, y2;  // rectangle corners (inclusive), line ends, or centre and radius
  uint8_t colour;
  const char* text;    // kText only
};

// A tiny 3 x 5 font for the few letters the pictures show.
struct Glyph {
  char c;
  const char* rows[5];
};
const Glyph kGlyphs[] = {
    {'%', {"X.X", "..X", ".X.", "X..", "X.X"}}, {'d', {"..X", "..X", "XXX", "X.X", "XXX"}},
    {'x', {"...", "X.X", ".X.", "X.X", "..."}}, {'f', {".XX", "X..", "XX.", "X..", "X.."}},
    {'c', {"...", "XXX", "X..", "X..", "XXX"}}, {'s', {".XX", "X..", ".X.", "..X", "XX."}},
    {'?', {"XX.", "..X", ".X.", "...", ".X."}}, {'i', {".X.", "...", ".X.", ".X.", ".X."}},
    {'A', {".X.", "X.X", "XXX", "X.X", "X.X"}}, {'B', {"XX.", "X.X", "XX.", "X.X", "XX."}},
    {'T', {"XXX", ".X.", ".X.", ".X.", ".X."}}, {'a', {"...", "XX.", ".XX", "X.X", "XXX"}},
};

void Put(Picture& p, int x, int y, uint8_t c) {
  if (x >= 0 && y >= 0 && x < p.width && y < p.height) p.pixels[static_cast<size_t>(y * p.width + x)] = c;
}

void DrawShape(Picture& p, int ox, const Shape& s) {
  switch (s.op) {
    case kFill:
      for (int y = s.y1; y <= s.y2; ++y)
        for (int x = s.x1; x <= s.x2; ++x) Put(p, ox + x, y, s.colour);
      break;
    case kFrame:
      for (int x = s.x1; x <= s.x2; ++x) {
        Put(p, ox + x, s.y1, s.colour);
        Put(p, ox + x, s.y2, s.colour);
      }
      for (int y = s.y1; y <= s.y2; ++y) {
        Put(p, ox + s.x1, y, s.colour);
        Put(p, ox + s.x2, y, s.colour);
      }
      break;
    case kLine: {
      int x = s.x1, y = s.y1;
      const int dx = std::abs(s.x2 - s.x1), dy = -std::abs(s.y2 - s.y1);
      const int sx = s.x1 < s.x2 ? 1 : -1, sy = s.y1 < s.y2 ? 1 : -1;
      int err = dx + dy;
      for (;;) {
        Put(p, ox + x, y, s.colour);
        if (x == s.x2 && y == s.y2) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
          err += dy;
          x += sx;
        }
        if (e2 <= dx) {
          err += dx;
          y += sy;
        }
      }
      break;
    }
    case kDisc:
    case kRing:
      for (int y = -s.x2; y <= s.x2; ++y)
        for (int x = -s.x2; x <= s.x2; ++x) {
          const int d = x * x + y * y;
          const int r2 = s.x2 * s.x2;
          if (d <= r2 + s.x2 && (s.op == kDisc || d >= (s.x2 - 1) * (s.x2 - 1) - s.x2 + 1))
            Put(p, ox + s.x1 + x, s.y1 + y, s.colour);
        }
      break;
    case kText:
      for (int i = 0; s.text[i]; ++i)
        for (const Glyph& g : kGlyphs)
          if (g.c == s.text[i])
            for (int row = 0; row < 5; ++row)
              for (int col = 0; col < 3; ++col)
                if (g.rows[row][col] == 'X') Put(p, ox + s.x1 + i * 4 + col, s.y1 + row, s.colour);
      break;
  }
}

struct Cell {
  std::vector<Shape> shapes;
};

Picture Blank(int width, int height, uint8_t colour) {
  Picture p;
  p.width = width;
  p.height = height;
  p.pixels.assign(static_cast<size_t>(width * height), colour);
  return p;
}

// Cells side by side on a background.
Picture Strip(const std::vector<Cell>& cells, int cellWidth, int cellHeight, uint8_t background) {
  Picture p = Blank(cellWidth * static_cast<int>(cells.size()), cellHeight, background);
  for (size_t i = 0; i < cells.size(); ++i)
    for (const Shape& s : cells[i].shapes) DrawShape(p, static_cast<int>(i) * cellWidth, s);
  return p;
}

// ---- the toolbar, in the order of its buttons ----

const Shape kPage[] = {{kFill, 4, 1, 14, 18, W, nullptr}, {kFrame, 4, 1, 14, 18, K, nullptr}};

std::vector<Cell> ToolCells() {
  auto page = [](std::vector<Shape> more) {
    std::vector<Shape> v(std::begin(kPage), std::end(kPage));
    v.insert(v.end(), more.begin(), more.end());
    return Cell{v};
  };
  const Shape disk[] = {{kFill, 2, 2, 17, 17, N, nullptr}, {kFill, 5, 2, 14, 8, W, nullptr},
                        {kFill, 6, 12, 13, 17, D, nullptr}, {kFill, 11, 13, 12, 16, K, nullptr}};
  const Shape glass[] = {{kRing, 8, 8, 5, 0, K, nullptr}, {kDisc, 8, 8, 3, 0, L, nullptr},
                         {kLine, 12, 12, 17, 17, K, nullptr}, {kLine, 12, 13, 16, 17, K, nullptr}};
  std::vector<Cell> cells;
  cells.push_back(page({{kLine, 6, 5, 12, 5, B, nullptr}, {kLine, 6, 8, 12, 8, B, nullptr},
                        {kFill, 11, 12, 17, 18, R, nullptr}, {kLine, 14, 13, 14, 17, W, nullptr},
                        {kLine, 12, 15, 16, 15, W, nullptr}}));                          // new translation
  cells.push_back(Cell{{{kFill, 1, 6, 17, 16, Y, nullptr}, {kFrame, 1, 6, 17, 16, K, nullptr},
                        {kFill, 2, 4, 8, 6, Y, nullptr}, {kFrame, 2, 4, 8, 6, K, nullptr}}});  // open
  cells.push_back(Cell{std::vector<Shape>(std::begin(disk), std::end(disk))});             // save
  {
    std::vector<Shape> v(std::begin(disk), std::end(disk));
    v.push_back({kLine, 10, 18, 18, 10, R, nullptr});
    v.push_back({kLine, 11, 18, 19, 10, R, nullptr});
    cells.push_back(Cell{v});                                                               // save as
  }
  cells.push_back(Cell{std::vector<Shape>(std::begin(glass), std::end(glass))});           // find
  {
    std::vector<Shape> v(std::begin(glass), std::end(glass));
    v.push_back({kText, 1, 14, 0, 0, R, "AB"});
    cells.push_back(Cell{v});                                                               // replace
  }
  cells.push_back(Cell{{{kFill, 1, 3, 18, 16, G, nullptr}, {kFrame, 1, 3, 18, 16, K, nullptr},
                        {kFill, 2, 4, 17, 6, N, nullptr}, {kFill, 11, 12, 16, 14, W, nullptr},
                        {kFrame, 11, 12, 16, 14, K, nullptr}, {kFill, 3, 9, 9, 10, W, nullptr}}});  // dialog editor
  cells.push_back(Cell{{{kFill, 2, 2, 17, 17, W, nullptr}, {kFrame, 2, 2, 17, 17, K, nullptr},
                        {kText, 4, 4, 0, 0, K, "aA"}, {kText, 4, 11, 0, 0, B, "ci"}}});  // special characters
  cells.push_back(Cell{{{kLine, 3, 2, 3, 18, K, nullptr}, {kFill, 4, 2, 16, 5, K, nullptr},
                        {kFill, 4, 6, 16, 8, R, nullptr}, {kFill, 4, 9, 16, 11, Y, nullptr}}});  // flag
  cells.push_back(Cell{{{kFill, 8, 8, 11, 17, E, nullptr}, {kLine, 4, 9, 9, 3, E, nullptr},
                        {kLine, 10, 3, 15, 9, E, nullptr}, {kFill, 5, 8, 14, 9, E, nullptr},
                        {kFill, 7, 5, 12, 7, E, nullptr}}});                                 // version update
  cells.push_back(Cell{{{kFill, 2, 1, 11, 13, W, nullptr}, {kFrame, 2, 1, 11, 13, K, nullptr},
                        {kFill, 7, 6, 16, 18, L, nullptr}, {kFrame, 7, 6, 16, 18, K, nullptr}}});  // show overlay
  cells.push_back(page({{kLine, 6, 6, 12, 14, R, nullptr}, {kLine, 12, 6, 6, 14, R, nullptr},
                        {kLine, 7, 6, 13, 14, R, nullptr}, {kLine, 13, 6, 7, 14, R, nullptr}}));  // hide overlay
  cells.push_back(Cell{{{kFill, 4, 4, 15, 15, W, nullptr}, {kFrame, 4, 4, 15, 15, K, nullptr},
                        {kLine, 7, 9, 12, 9, K, nullptr}, {kLine, 7, 10, 12, 10, K, nullptr}}});  // collapse
  cells.push_back(Cell{{{kFill, 4, 4, 15, 15, W, nullptr}, {kFrame, 4, 4, 15, 15, K, nullptr},
                        {kLine, 7, 9, 12, 9, K, nullptr}, {kLine, 7, 10, 12, 10, K, nullptr},
                        {kLine, 9, 7, 9, 12, K, nullptr}, {kLine, 10, 7, 10, 12, K, nullptr}}});  // expand
  cells.push_back(page({{kLine, 6, 5, 12, 5, B, nullptr}, {kLine, 6, 9, 12, 9, B, nullptr},
                        {kDisc, 12, 14, 3, 0, R, nullptr}}));                                // texts to edit
  cells.push_back(Cell{{{kDisc, 10, 10, 8, 0, B, nullptr}, {kFill, 9, 5, 10, 6, W, nullptr},
                        {kFill, 9, 8, 10, 15, W, nullptr}}});                                // about
  cells.push_back(Cell{{{kLine, 2, 2, 2, 14, K, nullptr}, {kLine, 2, 2, 10, 10, K, nullptr},
                        {kLine, 2, 14, 5, 11, K, nullptr}, {kLine, 5, 11, 10, 10, K, nullptr},
                        {kText, 12, 10, 0, 0, N, "?"}}});                                  // context help
  return cells;
}

// A look of the strip: normal and hot as drawn, disabled in grey with a
// white shadow, checked on the pale background.
Picture ToolLook(int look) {
  const std::vector<Cell> cells = ToolCells();
  Picture p = Strip(cells, kToolPicture, kToolPicture, G);
  if (look == 3) {
    Picture grey = Blank(p.width, p.height, G);
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        if (p.At(x, y) == K || p.At(x, y) == N || p.At(x, y) == B || p.At(x, y) == R || p.At(x, y) == E) {
          Put(grey, x + 1, y + 1, W);
        }
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        if (p.At(x, y) != G && p.At(x, y) != W && p.At(x, y) != Y && p.At(x, y) != L) Put(grey, x, y, D);
    return grey;
  }
  if (look == 4)
    for (uint8_t& c : p.pixels)
      if (c == G) c = P;
  return p;
}

// ---- the blocks' boxes, icons and placeholders ----

Picture Boxes() {
  std::vector<Cell> cells = {
      Cell{{{kFill, 0, 0, 8, 8, W, nullptr}, {kFrame, 0, 0, 8, 8, D, nullptr}, {kLine, 2, 4, 6, 4, K, nullptr},
            {kLine, 4, 2, 4, 6, K, nullptr}}},                                   // collapsed group
      Cell{{{kFill, 0, 0, 8, 8, W, nullptr}, {kFrame, 0, 0, 8, 8, D, nullptr}, {kLine, 2, 4, 6, 4, K, nullptr}}},
      Cell{{{kLine, 4, 0, 4, 9, D, nullptr}, {kLine, 4, 4, 9, 4, D, nullptr}}},  // leaf with later siblings
      Cell{{{kLine, 4, 0, 4, 4, D, nullptr}, {kLine, 4, 4, 9, 4, D, nullptr}}},  // last leaf
  };
  return Strip(cells, kBoxCell, kBoxCell, G);
}

Picture Icons() {
  std::vector<Cell> cells(kIconCells);
  cells[0] = Cell{{{kFill, 1, 1, 14, 13, G, nullptr}, {kFrame, 1, 1, 14, 13, K, nullptr},
                   {kFill, 2, 2, 13, 4, N, nullptr}}};                                        // dialog
  cells[1] = Cell{{{kFill, 1, 3, 14, 7, W, nullptr}, {kFrame, 1, 3, 14, 7, K, nullptr},
                   {kLine, 3, 5, 5, 5, K, nullptr}, {kLine, 8, 5, 11, 5, K, nullptr}}};       // menu
  cells[2] = Cell{{{kText, 2, 5, 0, 0, N, "abc"}}};                                            // string
  cells[3] = Cell{{{kFill, 2, 5, 13, 9, W, nullptr}, {kLine, 4, 7, 11, 7, K, nullptr}}};        // menu item
  cells[4] = Cell{{{kFill, 1, 1, 14, 13, W, nullptr}, {kFrame, 1, 1, 14, 13, K, nullptr},
                   {kLine, 1, 5, 14, 5, K, nullptr}, {kLine, 1, 9, 14, 9, K, nullptr},
                   {kLine, 6, 1, 6, 13, K, nullptr}}};                                        // string table
  cells[5] = Cell{{{kFill, 2, 1, 12, 13, W, nullptr}, {kFrame, 2, 1, 12, 13, K, nullptr},
                   {kLine, 4, 4, 9, 4, K, nullptr}, {kLine, 4, 7, 9, 7, K, nullptr},
                   {kLine, 4, 10, 9, 10, K, nullptr}}};                                       // popup
  cells[6] = Cell{{{kFill, 1, 3, 14, 11, G, nullptr}, {kFrame, 1, 3, 14, 11, K, nullptr},
                   {kLine, 2, 4, 13, 4, W, nullptr}, {kLine, 5, 7, 10, 7, K, nullptr}}};      // push button
  cells[7] = Cell{{{kFrame, 1, 3, 14, 13, D, nullptr}, {kFill, 3, 2, 8, 4, G, nullptr},
                   {kLine, 3, 3, 7, 3, K, nullptr}}};                                         // group box
  cells[8] = Cell{{{kText, 2, 5, 0, 0, K, "Aa"}}};                                             // static text
  cells[9] = Cell{{{kFill, 2, 3, 13, 11, W, nullptr}, {kFrame, 2, 3, 13, 11, D, nullptr}}};   // other control
  cells[12] = Cell{{{kLine, 3, 7, 6, 10, E, nullptr}, {kLine, 6, 10, 12, 3, E, nullptr},
                    {kLine, 3, 8, 6, 11, E, nullptr}, {kLine, 6, 11, 12, 4, E, nullptr}}};    // done
  cells[13] = Cell{{{kRing, 7, 7, 4, 0, D, nullptr}}};                                         // group, nothing to edit
  cells[14] = Cell{{{kDisc, 7, 7, 4, 0, Y, nullptr}, {kRing, 7, 7, 4, 0, K, nullptr}}};         // group with texts to edit
  cells[15] = Cell{{{kDisc, 7, 7, 4, 0, R, nullptr}}};                                          // marked to edit
  cells[16] = Cell{{{kRing, 7, 7, 4, 0, R, nullptr}}};                                          // marked group, nothing below
  cells[17] = Cell{{{kDisc, 7, 7, 4, 0, Y, nullptr}, {kRing, 7, 7, 4, 0, R, nullptr}}};         // marked group with texts
  return Strip(cells, kIconWidth, kIconHeight, G);
}

Picture Placeholders() {
  const char* labels[kPlaceholderCells] = {"%d", "%x", "%f", "%c", "%s"};
  std::vector<Cell> cells;
  for (const char* label : labels)
    cells.push_back(Cell{{{kFill, 1, 1, 23, 13, L, nullptr}, {kFrame, 1, 1, 23, 13, N, nullptr},
                          {kText, 8, 5, 0, 0, N, label}}});
  return Strip(cells, kPlaceholderWidth, kPlaceholderHeight, G);
}

Picture AddOnMarker(uint8_t colour, bool withMark) {
  std::vector<Cell> cells = {Cell{{{kFill, 6, 3, 22, 28, W, nullptr}, {kFrame, 6, 3, 22, 28, K, nullptr},
                                   {kFill, 10, 9, 26, 31, colour, nullptr}, {kFrame, 10, 9, 26, 31, K, nullptr}}}};
  if (withMark) {
    cells[0].shapes.push_back({kLine, 13, 20, 17, 25, W, nullptr});
    cells[0].shapes.push_back({kLine, 17, 25, 24, 13, W, nullptr});
  }
  return Strip(cells, 32, 32, G);
}

}  // namespace

std::vector<NamedPicture> DrawAll() {
  return {
      {"ToolHot.bmp", ToolLook(1)},      {"ToolNormal.bmp", ToolLook(2)},
      {"ToolDisabled.bmp", ToolLook(3)}, {"ToolChecked.bmp", ToolLook(4)},
      {"Boxes.bmp", Boxes()},            {"Icons.bmp", Icons()},
      {"Placeholders.bmp", Placeholders()},
      {"AddOnNone.bmp", AddOnMarker(D, false)},
      {"AddOnOpen.bmp", AddOnMarker(Y, false)},
      {"AddOnImported.bmp", AddOnMarker(E, true)},
  };
}

}  // namespace deskpic
