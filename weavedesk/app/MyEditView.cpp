#include "MyEditView.h"

#include "DeskResource.h"
#include "DeskStrings.h"
#include "DeskViewHints.h"
#include "EditViewFrame.h"
#include "TextFonts.h"
#include "TraFile.h"
#include "TransDoc.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMyEditView, CScrollView)

BEGIN_MESSAGE_MAP(CMyEditView, CScrollView)
  ON_WM_LBUTTONDOWN()
  ON_WM_SIZE()
  ON_WM_VSCROLL()
  ON_WM_HSCROLL()
  ON_WM_ERASEBKGND()
  ON_WM_DESTROY()
  ON_WM_TIMER()
  ON_MESSAGE(WM_MOUSEWHEEL, OnMouseWheel)
  ON_COMMAND(ID_FIND_NEXT, OnFindNextForward)
  ON_COMMAND(ID_FIND_PREVIOUS, OnFindNextBackward)
  ON_MESSAGE(CDeskToolWindows::kDropClosedCharsWindow, OnDropClosedCharsWindow)
END_MESSAGE_MAP()

namespace {
const int kIndent = CTextBlock::kIndent;
const double kTotalWidth = 2000.0;
}  // namespace

CMyEditView::CMyEditView()
    : m_blocks(this),
      m_ui(nullptr),
      m_find(m_blocks, m_ui),
      m_tools(*this, m_ui, [this](TCHAR ch) { InsertChar(ch); },
              [this] {
                if (auto* frame = dynamic_cast<CEditViewFrame*>(GetParentFrame())) frame->ResetSpecialCharsToggle();
              }) {
  m_device.SetPictures(&m_pictures);
}

CMyEditView::~CMyEditView() {
  m_blocks.SetCurrent(-1);
  m_blocks.Clear();
  m_pEdit.reset();
  FreeOffscreen();
}

CTransDoc* CMyEditView::GetDoc() const { return dynamic_cast<CTransDoc*>(GetDocument()); }

CSegmentEditor* CMyEditView::GetEditor() { return m_pEdit.get(); }

// ---- building ----

void CMyEditView::OnInitialUpdate() {
  CreateOffscreen();
  if (CTransDoc* doc = GetDoc()) m_tools.CreateDialogEditor(GetParentFrame(), doc->Desk());
  if (!m_bReady) RebuildBlocks();
}

void CMyEditView::OnUpdate(CView*, LPARAM hint, CObject*) {
  switch (hint) {
    case DESK_HINT_REBUILD:
      RebuildBlocks();
      CWnd::Invalidate(FALSE);
      break;
    case DESK_HINT_STORE:
      StoreTexts();
      break;
    case DESK_HINT_COMMIT_DIALOG_RECTS:
      m_tools.CommitDialogRects();
      break;
    case DESK_HINT_DETACH_DIALOG_EDITOR:
      m_tools.DetachDialogEditor();
      break;
    default:
      break;
  }
}

void CMyEditView::CreateOffscreen() {
  if (!m_hWnd) return;
  CRect client;
  GetClientRect(&client);
  const int width = std::max(1, static_cast<int>(client.Width()));
  const int height = std::max(1, static_cast<int>(client.Height()));
  if (m_hMemDC && m_memSize.cx == width && m_memSize.cy == height) return;
  HDC screen = ::GetDC(m_hWnd);
  if (!m_hMemDC) {
    m_hMemDC = ::CreateCompatibleDC(screen);
    m_device.SetDC(m_hMemDC);
    m_pictures.Load(screen);
  }
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
  ::ReleaseDC(m_hWnd, screen);
  HGDIOBJ old = ::SelectObject(m_hMemDC, bitmap);
  if (m_hMemBitmap) {
    ::DeleteObject(m_hMemBitmap);
  } else {
    m_hOldBitmap = old;
  }
  m_hMemBitmap = bitmap;
  m_memSize = SIZE{width, height};
}

void CMyEditView::FreeOffscreen() {
  m_pictures.Free();
  m_device.SetDC(nullptr);
  if (m_hMemDC) {
    ::SelectObject(m_hMemDC, m_hOldBitmap);
    ::DeleteDC(m_hMemDC);
  }
  if (m_hMemBitmap) ::DeleteObject(m_hMemBitmap);
  m_hMemDC = nullptr;
  m_hMemBitmap = nullptr;
}

void CMyEditView::OnDestroy() {
  m_bars.Stop(m_hWnd);
  m_blocks.SetCurrent(-1);
  if (m_pFindDialog) m_pFindDialog->DestroyWindow();
  m_tools.CloseAll();
  CScrollView::OnDestroy();
}

int CMyEditView::MeasureTabWidth() {
  CEdit probe;
  if (!probe.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 640, 100), this, 987)) return m_nTabWidth;
  HFONT font = ::CreateFontIndirect(&g_TextFont);
  probe.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  int stops = 25;
  probe.SendMessage(EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&stops));
  probe.SetWindowText(_T("\t\t\t\t\t"));
  const LRESULT at0 = probe.SendMessage(EM_POSFROMCHAR, 0);
  const LRESULT at3 = probe.SendMessage(EM_POSFROMCHAR, 3);
  probe.DestroyWindow();
  ::DeleteObject(font);
  const int width = (static_cast<short>(LOWORD(at3)) - static_cast<short>(LOWORD(at0))) / 3;
  return width > 0 ? width : m_nTabWidth;
}

void CMyEditView::RebuildBlocks() {
  if (!m_hWnd) return;
  CreateOffscreen();
  CTransDoc* doc = GetDoc();
  // The editor lets go of its segment before the blocks go.
  m_blocks.SetCurrent(-1);
  m_pEdit.reset();
  m_blocks.Build(doc ? doc->Desk().GetRootNode() : nullptr, doc ? doc->Desk().GetOverlayRootNode() : nullptr);
  // The fonts dialog may have changed the fonts: blocks and editor follow.
  m_device.ReloadFonts();
  m_nTabWidth = MeasureTabWidth();
  m_pEdit.reset(new CTextEdit(*this));
  m_pEdit->CreateIn(this);
  m_blocks.LayoutAll(m_device);
  m_v.Reset();
  m_h.Reset();
  RecalcTotalHeight();
  m_h.SetTotal(kTotalWidth);
  m_v.Reset();
  m_h.Reset();
  UpdateScrollBars(false);
  m_bReady = true;
  UpdatePositionText();
}

// ---- geometry ----

int CMyEditView::BlockTop(int index) const {
  const std::vector<bool> visible = m_blocks.VisibleBlocks();
  int y = kTopMargin;
  for (int i = 0; i < index && i < m_blocks.GetCount(); ++i)
    if (visible[static_cast<size_t>(i)]) y += m_blocks.GetBlock(i)->GetHeight();
  return y;
}

void CMyEditView::RecalcTotalHeight() {
  const std::vector<bool> visible = m_blocks.VisibleBlocks();
  double total = kTopMargin;
  for (int i = 0; i < m_blocks.GetCount(); ++i)
    if (visible[static_cast<size_t>(i)]) total += m_blocks.GetBlock(i)->GetHeight();
  m_v.SetTotal(total);
}

void CMyEditView::UpdateScrollBars(bool keepOffset) {
  if (!m_hWnd) return;
  CRect client;
  GetClientRect(&client);
  m_v.SetClient(client.Height());
  m_h.SetClient(client.Width());
  m_v.Update(keepOffset);
  m_h.Update(keepOffset);
  m_bars.Show(m_hWnd, m_h, m_v);
}

void CMyEditView::OnTimer(UINT_PTR id) {
  if (id == CScrollBarThrottle::kTimer) m_bars.OnTimer(m_hWnd);
}

void CMyEditView::MoveEditorBy(int dx, int dy) {
  if (m_pEdit && (dx || dy)) m_pEdit->Offset(dx, dy);
  if (m_ptOrigin.x != -1) {
    m_ptOrigin.x += dx;
    m_ptOrigin.y += dy;
  }
}

void CMyEditView::ScrollByPixels(int delta) {
  const int moved = m_v.ScrollByPixels(delta);
  UpdateScrollBars(false);
  CWnd::Invalidate(FALSE);
  MoveEditorBy(0, moved);
}

int CMyEditView::ScrollBar(int bar, UINT code, UINT pos) {
  if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;  // the 32-bit thumb position
    if (::GetScrollInfo(m_hWnd, bar, &info)) pos = static_cast<UINT>(info.nTrackPos);
  }
  const int moved = (bar == SB_VERT ? m_v : m_h).Scroll(code, static_cast<int>(pos));
  UpdateScrollBars(false);
  CWnd::Invalidate(FALSE);
  return moved;
}

void CMyEditView::OnVScroll(UINT code, UINT pos, CScrollBar*) { MoveEditorBy(0, ScrollBar(SB_VERT, code, pos)); }

void CMyEditView::OnHScroll(UINT code, UINT pos, CScrollBar*) { MoveEditorBy(ScrollBar(SB_HORZ, code, pos), 0); }

LRESULT CMyEditView::OnMouseWheel(WPARAM wParam, LPARAM) {
  UINT lines = 3;
  ::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int linesPerNotch = lines == WHEEL_PAGESCROLL ? -1 : static_cast<int>(lines);
  const int lineHeight = m_device.MeasureText(_T("AayY123"), DESK_FONT_TEXT, 0).cy;
  const int pixels = m_wheel.Pixels(GET_WHEEL_DELTA_WPARAM(wParam), linesPerNotch, lineHeight > 0 ? lineHeight : 16,
                                    m_v.GetClient());
  if (pixels) ScrollByPixels(pixels);
  return 0;
}

void CMyEditView::OnSize(UINT type, int cx, int cy) {
  CRect before(0, 0, 0, 0);
  const bool editing = m_pEdit && m_pEdit->GetSafeHwnd();
  if (editing) {
    m_pEdit->GetWindowRect(&before);
  }
  CView::OnSize(type, cx, cy);
  if (!m_bReady) return;
  if (m_hMemDC && cy > 0) CreateOffscreen();
  UpdateScrollBars(false);
  if (editing) {
    CRect after;
    m_pEdit->GetWindowRect(&after);
    if (after != before) {
      ScreenToClient(&before);
      m_pEdit->SetRect(before.left, before.top, before.right, before.bottom);
    }
  }
}

void CMyEditView::EnsureItemVisible(CTextBlock* block, int itemTop) {
  int index = -1;
  for (int i = 0; i < m_blocks.GetCount(); ++i)
    if (m_blocks.GetBlock(i) == block) index = i;
  if (index < 0) return;
  const int y = BlockTop(index) + itemTop - m_v.GetOffset();
  if (y < 0) {
    ScrollByPixels(y - 64);
  } else if (y > m_v.GetClient() - 64) {
    ScrollByPixels(y - m_v.GetClient() + 96);
  }
}

void CMyEditView::EnsureCurrentVisible() {
  CTextBlock* block = m_blocks.GetCurrentBlock();
  if (!block) return;
  m_v.MakeVisible(BlockTop(m_blocks.GetCurrent()), block->GetHeight());
}

// ---- painting ----

void CMyEditView::OnDraw(CDC* dc) {
  if (!m_hMemDC) return;
  CRect client;
  GetClientRect(&client);
  m_device.FillRect(client, DESK_BACKGROUND);
  PaintBlocks();
  ::BitBlt(dc->GetSafeHdc(), 0, 0, client.Width(), client.Height(), m_hMemDC, 0, 0, SRCCOPY);
}

void CMyEditView::PaintBlocks() {
  m_ptOrigin = POINT{-1, -1};
  m_nVisibleCount = 0;
  const std::vector<bool> visible = m_blocks.VisibleBlocks();
  int y = kTopMargin;
  const int clientHeight = m_v.GetClient();
  for (int i = 0; i < m_blocks.GetCount(); ++i) {
    if (!visible[static_cast<size_t>(i)]) continue;
    CTextBlock* block = m_blocks.GetBlock(i);
    const int top = y - m_v.GetOffset();
    y += block->GetHeight();
    if (top >= clientHeight) break;
    if (block->GetHeight() + top <= 0) continue;
    const int x = m_blocks.GetLevel(i) * kIndent - m_h.GetOffset();
    block->Draw(m_device, x, top);
    ++m_nVisibleCount;
    if (i == m_blocks.GetCurrent()) m_ptOrigin = POINT{x, top};
  }
}

void CMyEditView::RedrawCurrentBlock() {
  CTextBlock* block = m_blocks.GetCurrentBlock();
  if (!block || m_ptOrigin.x == -1 || !m_hMemDC) return;
  const int oldHeight = block->GetHeight();
  block->Layout(m_device);
  if (block->GetHeight() != oldHeight) {
    RecalcTotalHeight();
    UpdateScrollBars(true);
    CWnd::Invalidate(FALSE);
    return;
  }
  CRect client;
  GetClientRect(&client);
  RECT band{m_ptOrigin.x, m_ptOrigin.y, client.right, m_ptOrigin.y + block->GetHeight()};
  m_device.FillRect(band, DESK_BACKGROUND);
  block->Draw(m_device, m_ptOrigin.x, m_ptOrigin.y);
  HDC screen = ::GetDC(m_hWnd);
  CopyAroundItem(screen, band);
  ::ReleaseDC(m_hWnd, screen);
}

void CMyEditView::CopyAroundItem(HDC screen, const RECT& band) {
  RECT item = m_pEdit ? m_pEdit->GetRect() : RECT{0, 0, 0, 0};
  // Clamp the item into the band so that no piece has a negative size.
  item.left = std::min(std::max(item.left, band.left), band.right);
  item.right = std::min(std::max(item.right, item.left), band.right);
  item.top = std::min(std::max(item.top, band.top), band.bottom);
  item.bottom = std::min(std::max(item.bottom, item.top), band.bottom);
  const RECT pieces[4] = {
      {band.left, band.top, band.right, item.top},
      {band.left, item.top, item.left, item.bottom},
      {item.right, item.top, band.right, item.bottom},
      {band.left, item.bottom, band.right, band.bottom},
  };
  for (const RECT& r : pieces)
    if (r.right > r.left && r.bottom > r.top)
      ::BitBlt(screen, r.left, r.top, r.right - r.left, r.bottom - r.top, m_hMemDC, r.left, r.top, SRCCOPY);
}

// ---- navigation ----

void CMyEditView::MoveCurrent(int step, bool enterAtStart, bool caretAtStart) {
  const std::vector<bool> visible = m_blocks.VisibleBlocks();
  std::vector<int> order;
  int k = 0;
  for (int i = 0; i < m_blocks.GetCount(); ++i) {
    if (!visible[static_cast<size_t>(i)]) continue;
    if (i < m_blocks.GetCurrent()) ++k;
    order.push_back(i);
  }
  if (order.empty()) return;
  const int count = static_cast<int>(order.size());
  int target;
  if (step <= 0) {
    target = std::max(k + step, 0);
  } else {
    target = m_blocks.GetCurrent() < 0 ? step - 1 : k + step;
  }
  target = std::min(target, count - 1);
  m_blocks.SetCurrent(order[static_cast<size_t>(target)]);
  UpdatePositionText();
  EnsureCurrentVisible();
  UpdateScrollBars(true);
  PlaceCurrentBlock(enterAtStart, caretAtStart);
  CWnd::Invalidate(FALSE);
}

void CMyEditView::PageCurrent(bool up) {
  if (!m_blocks.GetCurrentBlock()) return;
  MoveCurrent(DeskPageStep(up, m_nVisibleCount), true, true);
}

void CMyEditView::PlaceCurrentBlock(bool enterAtStart, bool caretAtStart) {
  CTextBlock* current = m_blocks.GetCurrentBlock();
  if (!current) return;
  const std::vector<bool> visible = m_blocks.VisibleBlocks();
  int y = kTopMargin;
  m_nVisibleCount = 0;
  for (int i = 0; i < m_blocks.GetCount(); ++i) {
    if (!visible[static_cast<size_t>(i)]) continue;
    CTextBlock* block = m_blocks.GetBlock(i);
    const int top = y - m_v.GetOffset();
    if (top < m_v.GetClient() && top + block->GetHeight() > 0) ++m_nVisibleCount;
    if (i == m_blocks.GetCurrent()) m_ptOrigin = POINT{m_blocks.GetLevel(i) * kIndent - m_h.GetOffset(), top};
    y += block->GetHeight();
  }
  current->EnterEdit(m_pEdit.get(), enterAtStart, caretAtStart);
}

int CMyEditView::HitBlock(CPoint point, CPoint& inBlock, bool& onBox) const {
  const std::vector<bool> visible = m_blocks.VisibleBlocks();
  const int x = point.x + m_h.GetOffset();
  const int y = point.y + m_v.GetOffset();
  int top = kTopMargin;
  for (int i = 0; i < m_blocks.GetCount(); ++i) {
    if (!visible[static_cast<size_t>(i)]) continue;
    CTextBlock* block = m_blocks.GetBlock(i);
    const int relX = x - m_blocks.GetLevel(i) * kIndent;
    const int relY = y - top;
    if (relY >= 0 && relY < block->GetHeight()) {
      inBlock = CPoint(relX, relY);
      if (block->HitTest(relX, relY)) {
        onBox = false;
        return i;
      }
      if (block->HitTestBox(relX, relY)) {
        onBox = true;
        return i;
      }
    }
    top += block->GetHeight();
    if (top > y) break;
  }
  return -1;
}

void CMyEditView::OnLButtonDown(UINT, CPoint point) {
  CPoint inBlock;
  bool onBox = false;
  const int hit = HitBlock(point, inBlock, onBox);
  if (hit < 0) {
    FocusEditor();
    return;
  }
  m_blocks.SetCurrent(hit);
  UpdatePositionText();
  CTextBlock* block = m_blocks.GetBlock(hit);
  if (onBox) {
    block->SetCollapsed(!block->IsCollapsed());
    RecalcTotalHeight();
    UpdateScrollBars(true);
    CWnd::Invalidate(FALSE);
    m_blocks.SetCurrent(-1);
    UpdatePositionText();
    return;
  }
  m_ptOrigin = POINT{m_blocks.GetLevel(hit) * kIndent - m_h.GetOffset(), BlockTop(hit) - m_v.GetOffset()};
  block->OnClick(m_pEdit.get(), inBlock.x, inBlock.y, m_ptOrigin.x, m_ptOrigin.y);
  FocusEditor();
  CWnd::Invalidate(FALSE);
}

void CMyEditView::FocusEditor() {
  if (m_pEdit && m_pEdit->GetSafeHwnd()) m_pEdit->SetFocus();
}

// ---- tree commands ----

void CMyEditView::ExpandAll() {
  for (int i = 0; i < m_blocks.GetCount(); ++i) m_blocks.GetBlock(i)->SetCollapsed(false);
  RecalcTotalHeight();
  UpdateScrollBars(true);
  CWnd::Invalidate(FALSE);
}

void CMyEditView::CollapseAll() {
  m_blocks.SetCurrent(-1);
  for (int i = 0; i < m_blocks.GetCount(); ++i) m_blocks.GetBlock(i)->SetCollapsed(true);
  m_v.Reset();
  RecalcTotalHeight();
  UpdateScrollBars(false);
  CWnd::Invalidate(FALSE);
  UpdatePositionText();
}

void CMyEditView::ShowTextsToEdit() {
  m_blocks.SetCurrent(-1);
  for (int i = 0; i < m_blocks.GetCount(); ++i) {
    CTextBlock* block = m_blocks.GetBlock(i);
    const int state = block->GetNode()->GetState();
    block->SetCollapsed(!(state == 2 || state == 5));
  }
  m_v.Reset();
  RecalcTotalHeight();
  UpdateScrollBars(false);
  CWnd::Invalidate(FALSE);
  UpdatePositionText();
}

void CMyEditView::MarkAllToEdit() {
  m_blocks.MarkAllToEdit();
  CWnd::Invalidate(FALSE);
}

void CMyEditView::MarkAllEdited() {
  m_blocks.MarkAllEdited();
  CWnd::Invalidate(FALSE);
}

void CMyEditView::PropagateStates() {
  if (CTraNode* root = m_blocks.GetRoot())
    if (root->PropagateStates()) CWnd::Invalidate(FALSE);
}

void CMyEditView::SetModified() {
  if (CTransDoc* doc = GetDoc()) doc->Desk().SetModified();
}

bool CMyEditView::IsOriginal() const {
  CTransDoc* doc = GetDoc();
  return !doc || doc->Desk().IsOriginal();
}

void CMyEditView::OfferNewTranslation() {
  if (CTransDoc* doc = GetDoc()) doc->Desk().OfferNewTranslation();
}

// ---- status text ----

CString CMyEditView::PositionText() const {
  if (m_blocks.GetCurrent() >= 0) return DeskTexts().Format(IDS_DESK_POSITION, m_blocks.GetCurrent(), m_blocks.GetCount());
  return DeskTexts().Format(IDS_DESK_TEXT_COUNT, m_blocks.GetCount());
}

void CMyEditView::UpdatePositionText() {
  if (m_pStatusBar && m_pStatusBar->GetSafeHwnd()) m_pStatusBar->SetPaneText(1, PositionText());
}

// ---- find and replace ----

void CMyEditView::OnFind() {
  if (m_pFindDialog) return;
  m_pFindDialog = new CFindReplaceDialog();
  if (!m_pFindDialog->Create(TRUE, _T(""), nullptr, FR_DOWN, GetParentFrame())) m_pFindDialog = nullptr;
}

void CMyEditView::OnReplace() {
  if (m_pFindDialog || !m_find.MayReplace()) return;
  m_pFindDialog = new CFindReplaceDialog();
  if (!m_pFindDialog->Create(FALSE, _T(""), _T(""), FR_DOWN, GetParentFrame())) m_pFindDialog = nullptr;
}

void CMyEditView::OnFindReplaceMessage(LPARAM lParam) {
  CFindReplaceDialog* dialog = CFindReplaceDialog::GetNotifier(lParam);
  if (!dialog) return;
  FindDialogRequest request;
  request.terminating = dialog->IsTerminating() != FALSE;
  request.findNext = dialog->FindNext() != FALSE;
  request.replace = dialog->ReplaceCurrent() != FALSE;
  request.replaceAll = dialog->ReplaceAll() != FALSE;
  request.forward = dialog->SearchDown() != FALSE;
  request.matchCase = dialog->MatchCase() != FALSE;
  request.wholeWord = dialog->MatchWholeWord() != FALSE;
  request.search = dialog->GetFindString();
  request.replaceWith = dialog->GetReplaceString();
  if (!m_find.OnDialogRequest(request)) {
    m_pFindDialog = nullptr;  // it deletes itself
    return;
  }
  UpdatePositionText();
}

void CMyEditView::FindNextCommand(bool forward) {
  if (!m_find.FindNextCommand(forward, m_pFindDialog != nullptr)) {
    OnFind();
    return;
  }
  UpdatePositionText();
}

void CMyEditView::OnFindNextForward() { FindNextCommand(true); }

void CMyEditView::OnFindNextBackward() { FindNextCommand(false); }

// ---- tool windows ----

void CMyEditView::SelectDialogNode(CTraNode* node) { m_tools.SelectDialogNode(node); }

void CMyEditView::CommitBlockText(CTextBlock* block) {
  if (!m_tools.IsDialogEditorActive() || !block) return;
  CTraNode* node = block->GetNode();
  node->SetTranslation(block->GetText());
  m_tools.ShowCommittedText(node, node->GetTranslation());
}

void CMyEditView::InsertChar(TCHAR ch) {
  if (m_pEdit && m_pEdit->GetSafeHwnd()) m_pEdit->InsertChar(ch);
}

LRESULT CMyEditView::OnDropClosedCharsWindow(WPARAM, LPARAM) {
  m_tools.DropClosedCharsWindow();
  return 0;
}
