#include "TextBlock.h"

#include "SegmentEditor.h"
#include "TextBlockHost.h"
#include "TraNode.h"

CTextBlock::CTextBlock(CTraNode* node, CTraNode* overlayNode, CTextBlockHost* host)
    : m_bIsLastChild(false),
      m_nLineCount(1),
      m_rcBlock{0, 0, 0, 0},
      m_rcBox{0, 0, 0, 0},
      m_rcIcon{0, 0, 0, 0},
      m_pNode(node),
      m_pOverlayNode(overlayNode),
      m_nCurrentItem(-1),
      m_bHasOverlay(overlayNode != nullptr),
      m_bCollapsed(false),
      m_bFreeWidth(IsFreeWidthKind(node->GetKind())),
      m_pHost(host),
      m_nSplitLine(0),
      m_bSplittingOverlay(false),
      m_nSplitPos(0),
      m_nSplitLength(0) {
  m_items.reserve(10);
  SplitWords(false);
  if (m_bHasOverlay) SplitWords(true);
  m_bIsLastChild = IsLastChild();
}

CTextBlock::~CTextBlock() = default;

bool CTextBlock::IsFreeWidthKind(int kind) {
  // Group boxes and buttons keep the width of their window; so does every
  // control without a text of its own.
  if (IsTextlessControlKind(kind)) return false;
  return kind < TRA_GROUPBOX || kind > TRA_RADIOBUTTON;
}

bool CTextBlock::IsLastChild() const {
  const CTraNode* parent = m_pNode->GetParent();
  if (!parent) return true;
  return parent->GetChildCount() > 0 && parent->GetChild(parent->GetChildCount() - 1) == m_pNode;
}

// ---- layout and hit tests ----

void CTextBlock::PlaceItem(CTextItem* item, int& x, int& y, int& lineHeight, int& line, int& widest,
                           CTextDevice& dc) {
  if (item->m_nLine != line) {
    ++line;
    x = kTextLeft;
    y += lineHeight;
    lineHeight = 0;
  }
  CSize size = item->Layout(dc, x, y);
  x += size.cx;
  if (size.cy > lineHeight) lineHeight = size.cy;
  if (x > widest) widest = x;
}

int CTextBlock::Layout(CTextDevice& dc) {
  int x = kTextLeft, y = kTopMargin, lineHeight = 0, line = 0, widest = 0;
  if (m_bHasOverlay) {
    for (auto& item : m_overlayItems) PlaceItem(item.get(), x, y, lineHeight, line, widest, dc);
    x = kTextLeft;
    y += lineHeight + kOverlayGap;
    lineHeight = 0;
  }
  line = 0;
  for (auto& item : m_items) PlaceItem(item.get(), x, y, lineHeight, line, widest, dc);
  const int height = kTopMargin + 2 * ((y + lineHeight) / 2);
  m_rcBlock = RECT{0, 0, widest + kRightMargin, height};
  const int boxTop = height / 2 - 5;
  m_rcBox = RECT{0, boxTop, 10, boxTop + 10};
  const int iconTop = height / 2 - 7;
  m_rcIcon = RECT{12, iconTop, 28, iconTop + 15};
  return height;
}

bool CTextBlock::HitTest(int x, int y) const {
  if (x < m_rcBlock.left || x >= m_rcBlock.right || y < m_rcBlock.top || y >= m_rcBlock.bottom) return false;
  const POINT p{x, y};
  for (const auto& item : m_items)
    if (item->HitTest(p)) return true;
  return false;
}

bool CTextBlock::HitTestBox(int x, int y) const {
  return x >= m_rcBox.left && x < m_rcBox.right && y >= m_rcBox.top && y < m_rcBox.bottom;
}

CString CTextBlock::GetText() const {
  CString text;
  int line = 0;
  for (const auto& item : m_items) {
    if (item->m_nLine != line) text += TCHAR(10);
    line = item->m_nLine;
    text += item->GetText();
  }
  return text;
}

int CTextBlock::IndexOf(const CTextItem* item) const {
  for (size_t i = 0; i < m_items.size(); ++i)
    if (m_items[i].get() == item) return static_cast<int>(i);
  return -1;
}

bool CTextBlock::IsFirstItem(const CTextItem* item) const { return IndexOf(item) == 0; }
bool CTextBlock::IsLastItem(const CTextItem* item) const {
  return !m_items.empty() && m_items.back().get() == item;
}
bool CTextBlock::IsOnLastLine(const CTextItem* item) const { return item->m_nLine == GetLineCount() - 1; }
int CTextBlock::GetLineCount() const { return m_items.empty() ? 0 : m_items.back()->m_nLine + 1; }

// ---- editing ----

CTextSegment* CTextBlock::CurrentSegment() const {
  if (m_nCurrentItem < 0 || m_nCurrentItem >= GetItemCount()) return nullptr;
  CTextItem* item = GetItem(m_nCurrentItem);
  return item->IsFixed() ? nullptr : static_cast<CTextSegment*>(item);
}

void CTextBlock::StartEditing(int index, int caret) {
  m_nCurrentItem = index;
  CTextSegment* segment = CurrentSegment();
  if (!segment) return;
  const POINT origin = m_pHost->GetCurrentBlockOrigin();
  segment->BeginEdit(m_pHost->GetEditor(), origin.x, origin.y, caret);
}

void CTextBlock::LeaveEdit() {
  if (CTextSegment* segment = CurrentSegment()) segment->EndEdit();
  m_nCurrentItem = -1;
}

void CTextBlock::OnClick(CSegmentEditor* editor, int x, int y, int originX, int originY) {
  const POINT p{x, y};
  for (int i = 0; i < GetItemCount(); ++i) {
    CTextItem* item = GetItem(i);
    if (!item->HitTest(p)) continue;
    m_nCurrentItem = i;
    CTextSegment* segment = static_cast<CTextSegment*>(item);
    segment->BeginEdit(editor, originX, originY, 0);
    m_pHost->SelectDialogNode(m_pNode);
    segment->ClickAt(x - item->m_rect.left, y - item->m_rect.top);
    return;
  }
}

void CTextBlock::EnterEdit(CSegmentEditor* editor, bool enterAtStart, bool caretAtStart) {
  (void)editor;  // the host's editor is the one passed in
  if (m_nCurrentItem >= 0) LeaveEdit();
  int index = enterAtStart ? 0 : GetItemCount() - 1;
  if (!enterAtStart && caretAtStart) {
    const int lastLine = GetLineCount() - 1;
    for (int i = 0; i < GetItemCount(); ++i) {
      if (GetItem(i)->m_nLine == lastLine && !GetItem(i)->IsFixed()) {
        index = i;
        break;
      }
    }
  }
  StartEditing(index, caretAtStart ? 0 : -1);
  ScrollIntoView();
  m_pHost->SelectDialogNode(m_pNode);
  m_pHost->FocusEditor();
}

void CTextBlock::AfterLineChange() {
  m_pHost->RecalcTotalHeight();
  m_pHost->UpdateScrollBars(true);
  m_pHost->Invalidate();
  ScrollIntoView();
  m_pHost->SetModified();
}

bool CTextBlock::UsesCrLf() const {
  for (const auto& item : m_items)
    if (!item->IsFixed() && static_cast<const CTextSegment*>(item.get())->m_bTrailingCr) return true;
  return false;
}

CTextSegment* CTextBlock::SplitLine(CTextItem* item, const CString& textAfter) {
  const int index = IndexOf(item);
  if (index < 0 || item->IsFixed()) return nullptr;
  if (CTextSegment* segment = CurrentSegment()) segment->EndEdit();
  // The line's end moves with the rest of the line; the new line break is
  // written as the text's other breaks are.
  auto* split = static_cast<CTextSegment*>(item);
  auto* fresh = new CTextSegment(textAfter, item->m_nLine + 1, this, false, m_bFreeWidth, split->m_bTrailingCr);
  split->m_bTrailingCr = split->m_bTrailingCr || UsesCrLf();
  fresh->m_bFormat = item->m_bFormat;
  m_items.insert(m_items.begin() + index + 1, std::unique_ptr<CTextItem>(fresh));
  for (int i = index + 2; i < GetItemCount(); ++i) ++GetItem(i)->m_nLine;
  Layout(m_pHost->GetClientDevice());
  StartEditing(index + 1, 0);
  AfterLineChange();
  return fresh;
}

void CTextBlock::JoinLines(CTextItem* item, bool backward, bool edited) {
  const int index = IndexOf(item);
  const int neighbour = backward ? index - 1 : index + 1;
  if (index < 0 || neighbour < 0 || neighbour >= GetItemCount()) return;
  if (CTextSegment* segment = CurrentSegment()) segment->EndEdit();
  CTextItem* other = GetItem(neighbour);
  const bool joinsLines = other->m_nLine != item->m_nLine;
  int current = index;
  // Joining forward the caret stays after the item's own text, also when a
  // placeholder follows and nothing is joined.
  int caret = backward ? 0 : item->m_strText.GetLength();
  bool merged = false;
  if (!other->IsFixed() && !item->IsFixed()) {
    auto* own = static_cast<CTextSegment*>(item);
    auto* joined = static_cast<CTextSegment*>(other);
    if (backward) {
      caret = joined->m_strText.GetLength() + 1;
      joined->Append(_T(" "), *own);
      // The joined line ends where the removed one ended.
      joined->m_bTrailingCr = own->m_bTrailingCr;
      current = neighbour;
    } else {
      caret = own->m_strText.GetLength();
      joined->Prepend(*own);
    }
    m_items.erase(m_items.begin() + index);
    merged = true;
  }
  if (joinsLines) {
    const int from = merged ? index : (backward ? index : index + 1);
    for (int i = from; i < GetItemCount(); ++i) --GetItem(i)->m_nLine;
  }
  Layout(m_pHost->GetClientDevice());
  StartEditing(current, caret);
  m_pHost->RecalcTotalHeight();
  m_pHost->UpdateScrollBars(true);
  m_pHost->Invalidate();
  ScrollIntoView();
  if (edited) ClearEditMark();
  if (merged || joinsLines || edited) m_pHost->SetModified();
}

void CTextBlock::MoveToNeighbourItem(CTextItem* item, bool backward) {
  const int index = IndexOf(item);
  if (index < 0) return;
  if (backward && index == 0) {
    m_pHost->MoveCurrent(-1, false, false);
    return;
  }
  if (!backward && index == GetItemCount() - 1) {
    m_pHost->MoveCurrent(1, true, true);
    return;
  }
  const int step = backward ? -1 : 1;
  int next = index + step;
  while (next >= 0 && next < GetItemCount() && GetItem(next)->IsFixed()) next += step;
  if (next < 0 || next >= GetItemCount()) return;
  if (CTextSegment* segment = CurrentSegment()) segment->EndEdit();
  StartEditing(next, backward ? -1 : 0);
  m_pHost->Invalidate();
  ScrollIntoView();
}

void CTextBlock::MoveLineUpDown(CTextItem* item, bool up) {
  const int index = IndexOf(item);
  if (index < 0) return;
  if (up && item->m_nLine == 0) {
    m_pHost->MoveCurrent(-1, false, true);
    return;
  }
  if (!up && item->m_nLine >= GetLineCount() - 1) {
    m_pHost->MoveCurrent(1, true, true);
    return;
  }
  int next = -1;
  if (up) {
    for (int i = index - 1; i >= 0 && next < 0; --i)
      if (!GetItem(i)->IsFixed() && GetItem(i)->m_nLine != item->m_nLine) next = i;
  } else {
    for (int i = index + 1; i < GetItemCount() && next < 0; ++i)
      if (!GetItem(i)->IsFixed() && GetItem(i)->m_nLine != item->m_nLine) next = i;
  }
  if (next < 0) return;
  if (CTextSegment* segment = CurrentSegment()) segment->EndEdit();
  StartEditing(next, 0);
  m_pHost->Invalidate();
  ScrollIntoView();
}

void CTextBlock::ScrollIntoView() {
  if (m_nCurrentItem >= 0 && m_nCurrentItem < GetItemCount())
    m_pHost->EnsureItemVisible(this, GetItem(m_nCurrentItem)->m_rect.top);
}

void CTextBlock::ClearEditMark() {
  const int old = m_pNode->GetState();
  if (old >= TRA_STATE_NEW && old <= TRA_STATE_NEW_GROUP_OPEN) m_pNode->SetState(old - 3);
  m_pHost->PropagateStates();
  if (m_pNode->GetState() != old) m_pHost->Invalidate();
}

void CTextBlock::BeginEditAtHit(int item, int position, int length) {
  if (CTextSegment* segment = CurrentSegment()) segment->EndEdit();
  if (item < 0 || item >= GetItemCount()) return;
  StartEditing(item, position);
  if (CurrentSegment()) m_pHost->GetEditor()->SelectRange(position, length);
}

void CTextBlock::CommitText() { m_pHost->CommitBlockText(this); }
