#include "TextEdit.h"

#include "TextBlock.h"
#include "TextFonts.h"
#include "TextSearch.h"
#include "WidthRule.h"

BEGIN_MESSAGE_MAP(CTextEdit, CEdit)
  ON_WM_CHAR()
  ON_WM_SYSCHAR()
  ON_WM_KEYDOWN()
  ON_WM_KEYUP()
  ON_WM_PAINT()
  ON_WM_RBUTTONUP()
  ON_MESSAGE(WM_MOUSEWHEEL, OnMouseWheel)
END_MESSAGE_MAP()

CTextEdit::CTextEdit(CTextEditHost& view) : m_view(view), m_hFont(::CreateFontIndirect(&g_TextFont)) {}

CTextEdit::~CTextEdit() {
  if (m_hWnd) DestroyWindow();
  if (m_hFont) ::DeleteObject(m_hFont);
}

BOOL CTextEdit::CreateIn(CWnd* parent) {
  if (!Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(m_rect), parent, kControlId)) return FALSE;
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), TRUE);
  return TRUE;
}

bool CTextEdit::IsOriginalOpen() const { return m_view.IsOriginal(); }

void CTextEdit::OfferNewTranslation() { m_view.OfferNewTranslation(); }

// ---- placing ----

void CTextEdit::SetRect(int left, int top, int right, int bottom) {
  m_rect = RECT{left, top, right, bottom};
  if (m_hWnd) MoveWindow(left, top, right - left, bottom - top, FALSE);
}

void CTextEdit::Offset(int dx, int dy) {
  SetRect(m_rect.left + dx, m_rect.top + dy, m_rect.right + dx, m_rect.bottom + dy);
  m_view.Invalidate();
}

void CTextEdit::SetTabStop() {
  int stops = 25;
  SendMessage(EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&stops));
}

void CTextEdit::BeginEdit(CTextSegment* segment, int caret) {
  m_bReadOnly = IsOriginalOpen();
  SetTabStop();
  m_pSegment = segment;
  SetWindowText(segment->m_strText);
  if (caret < 0 || caret > segment->m_strText.GetLength()) caret = segment->m_strText.GetLength();
  SetSel(caret, caret);
  SendMessage(EM_SCROLLCARET);
  ::ShowCaret(m_hWnd);
}

void CTextEdit::EndEdit() {
  DrawShadow(false);
  m_pSegment = nullptr;
  ::HideCaret(m_hWnd);
}

void CTextEdit::ClickAt(int x, int y) {
  const LRESULT hit = SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(x, y));
  const int position = LOWORD(hit);
  SetSel(position, position);
}

void CTextEdit::SelectRange(int position, int length) {
  SetFocus();
  SetSel(position, position + length);
  SendMessage(EM_SCROLLCARET);
}

// ---- the width rule and committing ----

bool CTextEdit::CheckWidth(int limit, const CString& text) {
  HDC dc = ::GetDC(m_hWnd);
  HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(ANSI_VAR_FONT));
  SIZE size{0, 0};
  ::GetTextExtentPoint32(dc, text.GetString(), text.GetLength(), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(m_hWnd, dc);
  return DeskFitsWidth(size.cx, limit, LOWORD(::GetDialogBaseUnits()));
}

RECT CTextEdit::GrowFor(const CString& inserted) {
  int start = 0, end = 0;
  CEdit::GetSel(start, end);
  const CString& stored = m_pSegment->m_strText;
  const CString text = stored.Left(start) + inserted + stored.Mid(end);
  const CSize size = m_view.GetClientDevice().MeasureText(text, DESK_FONT_TEXT, m_view.GetTabWidth());
  const RECT old = m_rect;
  SetRect(m_rect.left, m_rect.top, m_rect.left + size.cx + 1, m_rect.bottom);
  return old;
}

bool CTextEdit::Commit(const RECT& old) {
  if (!m_pSegment) return false;
  CTextSegment* segment = m_pSegment;
  CTextBlock* block = segment->m_pBlock;
  const CString text = GetWindowTextString();
  if (!segment->m_bFreeWidth && !CheckWidth(DeskWidthLimit(block->GetNode()), text)) {
    int start = 0, end = 0;
    CEdit::GetSel(start, end);
    SetWindowText(segment->m_strText);
    SetSel(start > 0 ? start - 1 : 0, start > 0 ? start - 1 : 0);
    m_view.RedrawCurrentBlock();
    SetRect(old.left, old.top, old.right, old.bottom);
    block->CommitText();
    return false;
  }
  segment->SetText(text);
  m_view.RedrawCurrentBlock();
  SetRect(old.left, old.top, old.left + (segment->m_rect.right - segment->m_rect.left),
          old.top + (segment->m_rect.bottom - segment->m_rect.top));
  segment->ClearEditMark();
  m_view.SetModified();
  block->CommitText();
  return true;
}

// ---- keys ----

void CTextEdit::OnChar(UINT character, UINT repeat, UINT) {
  if (IsOriginalOpen()) {
    OfferNewTranslation();
    return;
  }
  if (!m_pSegment || m_bReadOnly) return;
  // Ctrl+Enter comes as a line feed, which the edit control would take into
  // the segment as a line break of its own: a new line is a split.
  if (character == 13 || character == 10) {
    SplitAtCaret();
    return;
  }
  TypeByDefault(character, repeat);
}

void CTextEdit::TypeByDefault(UINT character, UINT repeat) {
  CString inserted;  // Backspace inserts nothing: the control deletes
  if (character != 8)
    for (UINT i = 0; i < (repeat ? repeat : 1); ++i) inserted += static_cast<TCHAR>(character);
  const RECT old = GrowFor(inserted);
  Default();
  Commit(old);
}

void CTextEdit::OnSysChar(UINT character, UINT repeat, UINT) {
  if (!m_pSegment || m_bReadOnly) {
    Default();
    return;
  }
  TypeByDefault(character, repeat);
}

void CTextEdit::InsertChar(TCHAR character) {
  if (IsOriginalOpen()) {
    OfferNewTranslation();
    return;
  }
  if (!m_pSegment || m_bReadOnly) return;
  const TCHAR text[2] = {character, 0};
  const RECT old = GrowFor(text);
  ReplaceSel(text);
  Commit(old);
}

void CTextEdit::SplitAtCaret() {
  int start = 0, end = 0;
  CEdit::GetSel(start, end);
  const CString text = GetWindowTextString();
  m_pSegment->Split(text.Left(start), text.Mid(end));
}

bool CTextEdit::JoinAtEdge(UINT key) {
  if (!m_pSegment) return false;
  int start = 0, end = 0;
  CEdit::GetSel(start, end);
  const CString text = GetWindowTextString();
  if (key == VK_BACK && start == 0 && !m_pSegment->IsFirstItem()) {
    m_pSegment->Join(true, text);
    return true;
  }
  if (key == VK_DELETE && end == text.GetLength() && !m_pSegment->IsLastItem()) {
    m_pSegment->Join(false, text.Left(start));
    return true;
  }
  return false;
}

bool CTextEdit::MoveAcross(bool left) {
  if (!m_pSegment) return false;
  int start = 0, end = 0;
  CEdit::GetSel(start, end);
  if (left && start == 0) {
    m_pSegment->MoveToNeighbour(true);
    return true;
  }
  if (!left && end == GetWindowTextLength()) {
    m_pSegment->MoveToNeighbour(false);
    return true;
  }
  return false;
}

void CTextEdit::OnKeyDown(UINT key, UINT, UINT) {
  switch (key) {
    case VK_UP:
    case VK_DOWN:
      if (m_pSegment) {
        m_pSegment->MoveLine(key == VK_UP);
        return;
      }
      break;
    case VK_PRIOR:
    case VK_NEXT:
      m_view.PageCurrent(key == VK_PRIOR);
      return;
    case VK_DELETE:
      if (m_bReadOnly || !m_pSegment) return;
      if (JoinAtEdge(VK_DELETE)) {
        m_bDeletePassed = false;
        return;
      }
      m_bDeletePassed = true;
      break;
    case VK_BACK:
      if (m_bReadOnly || !m_pSegment) return;
      if (JoinAtEdge(VK_BACK)) return;
      break;
    case VK_LEFT:
    case VK_RIGHT:
      if (MoveAcross(key == VK_LEFT)) return;
      break;
    default:
      break;
  }
  Default();
}

void CTextEdit::OnKeyUp(UINT key, UINT, UINT) {
  Default();
  if (key != VK_DELETE || !m_pSegment) return;
  if (m_bDeletePassed) {
    m_bDeletePassed = false;
    Commit(m_rect);
  } else {
    m_pSegment->m_pBlock->CommitText();
  }
}

// The wheel scrolls the view, not the one segment's text.
LRESULT CTextEdit::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
  return ::SendMessage(::GetParent(m_hWnd), WM_MOUSEWHEEL, wParam, lParam);
}

// ---- painting ----

void CTextEdit::OnPaint() {
  Default();
  DrawShadow(true);
}

void CTextEdit::DrawShadow(bool active) {
  if (!m_pSegment || !m_hWnd) return;
  CRect client;
  GetClientRect(&client);
  HDC dc = ::GetDC(m_hWnd);
  HPEN pen = ::CreatePen(PS_SOLID, 1, active ? RGB(0, 0, 0) : RGB(128, 128, 128));
  HGDIOBJ old = ::SelectObject(dc, pen);
  ::MoveToEx(dc, client.left + 1, client.bottom + 1, nullptr);
  if (m_pSegment->IsOnLastLine())
    ::LineTo(dc, client.right + 1, client.bottom + 1);
  else
    ::MoveToEx(dc, client.right + 1, client.bottom, nullptr);
  ::LineTo(dc, client.right + 1, client.top + 1);
  ::SelectObject(dc, old);
  ::DeleteObject(pen);
  ::ReleaseDC(m_hWnd, dc);
}

// ---- clipboard and replace ----

bool CTextEdit::Copy() {
  SendMessage(WM_COPY);
  return true;
}

bool CTextEdit::Cut() {
  if (!m_pSegment || m_bReadOnly) return false;
  const RECT old = GrowFor(_T(""));
  SendMessage(WM_CUT);
  return Commit(old);
}

bool CTextEdit::Paste() {
  if (!m_pSegment) return false;  // nothing to paste into
  if (m_bReadOnly) return true;
  CEdit line;
  if (!line.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_NOHIDESEL, CRect(-10, -10, -1, -1), this, 0xFFFF))
    return false;
  line.Paste();
  const CString pasted = line.GetWindowTextString();
  line.DestroyWindow();
  int start = 0, end = 0;
  CEdit::GetSel(start, end);
  const CString text = GetWindowTextString();
  const CString result = text.Left(start) + pasted + text.Mid(end);
  const RECT old = GrowFor(pasted);
  SetWindowText(result);
  if (start == end)
    SetSel(start + pasted.GetLength(), start + pasted.GetLength());
  else
    SetSel(start, start + pasted.GetLength());
  SendMessage(EM_SCROLLCARET);
  return Commit(old);
}

bool CTextEdit::ReplaceSelection(const CTextSearch& search) {
  if (!m_pSegment || m_bReadOnly) return true;
  int start = 0, end = 0;
  CEdit::GetSel(start, end);
  if (!search.Matches(GetWindowTextString().Mid(start, end - start))) return true;
  const RECT old = GrowFor(search.m_strReplace);
  ReplaceSel(search.m_strReplace);
  return Commit(old);
}
