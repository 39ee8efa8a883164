// Drawing a block: background, dotted connector lines, box, icons, items.
#include "TextBlock.h"

#include "TraNode.h"

namespace {

void DottedVertical(CTextDevice& dc, int x, int from, int to) {
  for (int y = from; y < to; y += 2) dc.SetPixel(x, y, DESK_BLACK);
}

void DottedHorizontal(CTextDevice& dc, int y, int from, int to) {
  for (int x = from; x < to; x += 2) dc.SetPixel(x, y, DESK_BLACK);
}

bool IsLastOfParent(const CTraNode* node) {
  const CTraNode* parent = node->GetParent();
  return parent->GetChildCount() > 0 && parent->GetChild(parent->GetChildCount() - 1) == node;
}

}  // namespace

int CTextBlock::KindIconCell(int kind) {
  switch (kind) {
    case TRA_DIALOG: case TRA_DIALOGGROUP: case TRA_SWITCHDIALOG:
      return 0;
    case TRA_MENU: case TRA_MENUGROUP:
      return 1;
    case TRA_STRING:
      return 2;
    case TRA_MENUITEM:
      return 3;
    case TRA_STRINGTABLE: case TRA_STRINGGROUP:
      return 4;
    case TRA_POPUP:
      return 5;
    case TRA_PUSHBUTTON:
      return 6;
    case TRA_GROUPBOX:
      return 7;
    case TRA_STATIC:
      return 8;
    default:
      return 9;
  }
}

int CTextBlock::StateIconCell(int state) {
  return 12 + (state >= TRA_STATE_DONE && state <= TRA_STATE_NEW_GROUP_OPEN ? state : TRA_STATE_DONE);
}

void CTextBlock::Draw(CTextDevice& dc, int x, int y) {
  dc.FillRect(RECT{x, y, x + m_rcBlock.right, y + m_rcBlock.bottom}, DESK_BACKGROUND);
  DrawTreeLines(dc, x, y);
  DrawBoxAndIcons(dc, x, y);
  for (auto& item : m_items) item->Draw(dc, x, y);
  for (auto& item : m_overlayItems) item->Draw(dc, x, y);
}

void CTextBlock::DrawTreeLines(CTextDevice& dc, int x, int y) {
  const int height = m_rcBlock.bottom;
  const int bottom = y + height;
  const int middle = y + height / 2;
  int column = x + 4;
  DottedVertical(dc, column, y, middle);
  if (!m_bIsLastChild) DottedVertical(dc, column, middle, bottom);
  if (m_pNode->GetChildCount() > 0 && !m_bCollapsed) DottedVertical(dc, column + kIndent, middle, bottom);
  DottedHorizontal(dc, middle - 1, column, x + 20);
  for (const CTraNode* ancestor = m_pNode->GetParent(); ancestor; ancestor = ancestor->GetParent()) {
    column -= kIndent;
    if (ancestor->GetParent() && !IsLastOfParent(ancestor)) DottedVertical(dc, column, y, bottom);
  }
}

void CTextBlock::DrawBoxAndIcons(CTextDevice& dc, int x, int y) {
  int box;
  if (m_pNode->GetChildCount() > 0)
    box = m_bCollapsed ? 0 : 1;
  else
    box = m_bIsLastChild ? 3 : 2;
  dc.DrawCell(DESK_STRIP_BOXES, box, x + m_rcBox.left, y + m_rcBox.top);
  dc.DrawCell(DESK_STRIP_ICONS, KindIconCell(m_pNode->GetKind()), x + m_rcIcon.left, y + m_rcIcon.top);
  dc.DrawCell(DESK_STRIP_ICONS, StateIconCell(m_pNode->GetState()), x + m_rcIcon.left + 20, y + m_rcIcon.top);
}
