#include "ControlBars.h"

#include "Gdi.h"

// ---- status bar -------------------------------------------------------------

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
  ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
  if (!parent) return FALSE;
  if (!CreateEx(0, STATUSCLASSNAME, nullptr, style | WS_CHILD, CRect(0, 0, 0, 0), parent, id)) return FALSE;
  m_ids.assign(1, ID_SEPARATOR);
  m_widths.assign(1, 0);
  LayoutPanes();
  return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
  if (!m_hWnd || count <= 0 || count > 255 || !ids) return FALSE;
  m_ids.assign(ids, ids + count);
  m_widths.assign(m_ids.size(), 0);
  CDC* dc = GetDC();
  HGDIOBJ oldFont = ::SelectObject(dc->m_hDC, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
  const int padding = 2 * ::GetSystemMetrics(SM_CXEDGE) + 8;
  for (size_t i = 0; i < m_ids.size(); ++i) {
    if (m_ids[i] == ID_SEPARATOR) continue;
    CString text;
    text.LoadString(m_ids[i]);
    SIZE size{};
    ::GetTextExtentPoint32(dc->m_hDC, text, text.GetLength(), &size);
    m_widths[i] = size.cx + padding;
  }
  ::SelectObject(dc->m_hDC, oldFont);
  ReleaseDC(dc);
  LayoutPanes();
  for (size_t i = 0; i < m_ids.size(); ++i) {
    CString text;
    if (m_ids[i] != ID_SEPARATOR) text.LoadString(m_ids[i]);
    SetPaneText(static_cast<int>(i), text);
  }
  return TRUE;
}

UINT CStatusBar::GetItemID(int index) const {
  return index >= 0 && index < GetCount() ? m_ids[static_cast<size_t>(index)] : UINT(-1);
}

int CStatusBar::CommandToIndex(UINT id) const {
  for (size_t i = 0; i < m_ids.size(); ++i)
    if (m_ids[i] == id) return static_cast<int>(i);
  return -1;
}

BOOL CStatusBar::SetPaneText(int index, LPCTSTR text, BOOL update) {
  if (!m_hWnd || index < 0 || index >= GetCount()) return FALSE;
  BOOL done = static_cast<BOOL>(
      SendMessage(SB_SETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text ? text : _T(""))));
  if (update) UpdateWindow();
  return done;
}

void CStatusBar::GetPaneText(int index, CString& text) const {
  text.Empty();
  if (!m_hWnd || index < 0 || index >= GetCount()) return;
  int length = LOWORD(SendMessage(SB_GETTEXTLENGTH, static_cast<WPARAM>(index)));
  if (length <= 0) return;
  // The text is copied whole; the buffer has room for it and the terminator.
  LRESULT copied = SendMessage(SB_GETTEXT, static_cast<WPARAM>(index),
                               reinterpret_cast<LPARAM>(text.GetBuffer(length + 1)));
  int got = LOWORD(copied);
  text.ReleaseBuffer(got <= length ? got : length);
}

CString CStatusBar::GetPaneText(int index) const {
  CString text;
  GetPaneText(index, text);
  return text;
}

void CStatusBar::OnSize(UINT type, int cx, int cy) {
  CControlBar::OnSize(type, cx, cy);
  LayoutPanes();
}

// The indicators keep their widths at the right; the message pane takes the
// rest (and the size grip's corner stays free of indicators).
void CStatusBar::LayoutPanes() {
  if (!m_hWnd || m_ids.empty()) return;
  CRect client;
  GetClientRect(&client);
  int edge = client.right;
  if (GetStyle() & SBARS_SIZEGRIP) edge -= ::GetSystemMetrics(SM_CXVSCROLL);
  // The last pane reaches the edge; each other one ends where its right neighbour starts.
  std::vector<int> edges(m_ids.size());
  for (size_t i = m_ids.size(); i-- > 0;) {
    edges[i] = i + 1 == m_ids.size() ? -1 : edge;
    if (m_ids[i] != ID_SEPARATOR) edge -= m_widths[i];
  }
  SendMessage(SB_SETPARTS, static_cast<WPARAM>(edges.size()), reinterpret_cast<LPARAM>(edges.data()));
}

// ---- toolbar ------------------------------------------------------------------

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id) {
  if (!parent) return FALSE;
  if (!CreateEx(0, TOOLBARCLASSNAME, nullptr, style | WS_CHILD, CRect(0, 0, 0, 0), parent, id)) return FALSE;
  SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  return TRUE;
}

BOOL CToolBar::LoadStandardImages(UINT bitmapId) {
  if (!m_hWnd) return FALSE;
  SendMessage(TB_LOADIMAGES, bitmapId, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
  return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* ids, int count, const int* images) {
  if (!m_hWnd || count < 0 || (count > 0 && !ids)) return FALSE;
  while (GetCount() > 0) SendMessage(TB_DELETEBUTTON, 0);
  std::vector<TBBUTTON> buttons(static_cast<size_t>(count));
  int nextImage = 0;
  for (int i = 0; i < count; ++i) {
    TBBUTTON& b = buttons[static_cast<size_t>(i)];
    if (ids[i] == ID_SEPARATOR) {
      b.fsStyle = TBSTYLE_SEP;
      continue;
    }
    b.idCommand = static_cast<int>(ids[i]);
    b.iBitmap = images ? images[i] : nextImage++;
    b.fsState = TBSTATE_ENABLED;
    b.fsStyle = TBSTYLE_BUTTON;
    b.iString = -1;  // no text: the tip comes from the frame
  }
  if (count > 0 &&
      !SendMessage(TB_ADDBUTTONS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(buttons.data())))
    return FALSE;
  SendMessage(TB_AUTOSIZE);
  return TRUE;
}

UINT CToolBar::GetItemID(int index) const {
  TBBUTTON button{};
  if (!SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button))) return UINT(-1);
  return button.fsStyle & TBSTYLE_SEP ? ID_SEPARATOR : static_cast<UINT>(button.idCommand);
}

BOOL CToolBar::GetItemRect(int index, LPRECT rect) const {
  return static_cast<BOOL>(SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}
