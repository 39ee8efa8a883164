#include "TabCtrl.h"


namespace {
// A tool record of the first comctl32 versions: accepted by every one of them.
TOOLINFO ToolRecord(HWND hwnd, UINT_PTR id) {
  TOOLINFO tool{};
#ifdef UNICODE
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
#else
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
#endif
  tool.hwnd = hwnd;
  tool.uId = id;
  return tool;
}
}  // namespace

// ---- tab control ------------------------------------------------------------------

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(WC_TABCONTROL, nullptr, style, rect, parent, id);
}

int CTabCtrl::InsertItem(int index, LPCTSTR text) {
  TCITEM item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<LPTSTR>(text ? text : _T(""));
  int at = static_cast<int>(SendMessage(TCM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
  SyncTipTools();
  return at;
}

BOOL CTabCtrl::DeleteItem(int index) {
  BOOL done = static_cast<BOOL>(SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(index)));
  SyncTipTools();
  return done;
}

BOOL CTabCtrl::DeleteAllItems() {
  BOOL done = static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS));
  SyncTipTools();
  return done;
}

void CTabCtrl::SyncTipTools() {
  HWND tip = GetToolTips();
  if (!tip) return;
  const int count = GetItemCount();
  const int tools = static_cast<int>(::SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0));
  for (int i = 0; i < (count > tools ? count : tools); ++i) {
    TOOLINFO tool = ToolRecord(m_hWnd, static_cast<UINT_PTR>(i));
    bool known = ::SendMessage(tip, TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
    if (i >= count) {
      if (known) ::SendMessage(tip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&tool));
      continue;
    }
    GetItemRect(i, &tool.rect);
    if (known) {
      ::SendMessage(tip, TTM_NEWTOOLRECT, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
      tool.uFlags = TTF_SUBCLASS;
      tool.lpszText = LPSTR_TEXTCALLBACK;
      ::SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
}

BOOL CTabCtrl::GetItem(int index, TCITEM* item) const {
  return static_cast<BOOL>(SendMessage(TCM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
}

BOOL CTabCtrl::SetItem(int index, const TCITEM* item) {
  return static_cast<BOOL>(SendMessage(TCM_SETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
}

CString CTabCtrl::GetItemText(int index) const {
  TCHAR buffer[260] = {};
  TCITEM item{};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = 260;
  if (!GetItem(index, &item)) return CString();
  return CString(item.pszText ? item.pszText : buffer);
}

BOOL CTabCtrl::SetItemText(int index, LPCTSTR text) {
  TCITEM item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<LPTSTR>(text ? text : _T(""));
  BOOL done = SetItem(index, &item);
  SyncTipTools();  // the tabs' widths may have changed
  return done;
}

BOOL CTabCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  HWND tip = GetToolTips();
  if (!header || !tip || header->hwndFrom != tip || !(GetStyle() & WS_CHILD))
    return CWnd::OnNotify(wParam, lParam, result);
  *result = ::SendMessage(::GetParent(m_hWnd), WM_NOTIFY, wParam, lParam);
  return TRUE;
}

// ---- tooltips ---------------------------------------------------------------------

BOOL CToolTipCtrl::Create(CWnd* owner, DWORD style) {
  return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASS, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, owner ? owner->m_hWnd : nullptr, nullptr);
}

TOOLINFO CToolTipCtrl::MakeTool(CWnd* window, CWnd* notify) const {
  TOOLINFO tool = ToolRecord(notify ? notify->m_hWnd : window ? window->m_hWnd : nullptr,
                             reinterpret_cast<UINT_PTR>(window ? window->m_hWnd : nullptr));
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hinst = AfxGetResourceHandle();
  return tool;
}

BOOL CToolTipCtrl::AddTool(CWnd* window, LPCTSTR text, CWnd* notify) {
  if (!m_hWnd || !window || !window->m_hWnd) return FALSE;
  TOOLINFO tool = MakeTool(window, notify);
  tool.lpszText = const_cast<LPTSTR>(text ? text : LPSTR_TEXTCALLBACK);
  return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&tool)));
}

void CToolTipCtrl::DelTool(CWnd* window, CWnd* notify) {
  if (!m_hWnd || !window) return;
  TOOLINFO tool = MakeTool(window, notify);
  SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&tool));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* window, CWnd* notify) {
  if (!m_hWnd || !window) return;
  TOOLINFO tool = MakeTool(window, notify);
  tool.lpszText = const_cast<LPTSTR>(text ? text : LPSTR_TEXTCALLBACK);
  SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&tool));
}

namespace {
template <class Info, class Ch>
void CopyTip(Info* info, const CStringT<Ch>& text) {
  const int room = static_cast<int>(sizeof(info->szText) / sizeof(info->szText[0]));
  int length = text.GetLength() < room ? text.GetLength() : room - 1;
  for (int i = 0; i < length; ++i) info->szText[i] = text.GetString()[i];
  info->szText[length] = 0;
  info->lpszText = info->szText;
  info->hinst = nullptr;
}
}  // namespace

void lw::SetToolTipText(NMHDR* header, const CString& text) {
  if (!header) return;
  if (header->code == TTN_GETDISPINFOW) CopyTip(reinterpret_cast<NMTTDISPINFOW*>(header), CStringW(text));
  else if (header->code == TTN_GETDISPINFOA) CopyTip(reinterpret_cast<NMTTDISPINFOA*>(header), CStringA(text));
}
