#include "Controls.h"

#include "HandleMap.h"

#include <cstring>

namespace {
// Reads item text of a list or combo box into a CString.
template <UINT LenMsg, UINT TextMsg>
void ItemText(const CWnd* box, int index, CString& text) {
  text.Empty();
  LRESULT length = box->SendMessage(LenMsg, static_cast<WPARAM>(index));
  if (length <= 0) return;  // empty, or LB_ERR / CB_ERR
  LRESULT copied = box->SendMessage(TextMsg, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(text.GetBuffer(static_cast<int>(length) + 1)));
  text.ReleaseBuffer(copied > 0 && copied <= length ? static_cast<int>(copied) : 0);
}

inline LPARAM TextParam(LPCTSTR text) { return reinterpret_cast<LPARAM>(text ? text : _T("")); }

lw::HandleMap<CScrollBar, HWND>& ScrollBarTemporaries() {
  thread_local lw::HandleMap<CScrollBar, HWND> map;
  return map;
}
}  // namespace

// The scroll bar a WM_HSCROLL or WM_VSCROLL names: its permanent object, else
// a temporary one (freed at idle time).
CScrollBar* lw::ScrollBarFromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  if (CScrollBar* bar = dynamic_cast<CScrollBar*>(CWnd::FromHandlePermanent(hwnd))) return bar;
  return ScrollBarTemporaries().FromHandle(hwnd, [](HWND h) {
    CScrollBar* bar = new CScrollBar;
    bar->m_hWnd = h;
    return bar;
  });
}

void CScrollBar::DeleteTempMap() { ScrollBarTemporaries().DeleteTemporaries(); }

BOOL CButton::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(_T("BUTTON"), text, style, rect, parent, id);
}
HBITMAP CButton::SetBitmap(HBITMAP bitmap) {
  return reinterpret_cast<HBITMAP>(SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}
HICON CButton::SetIcon(HICON icon) {
  return reinterpret_cast<HICON>(SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
}

BOOL CStatic::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(_T("STATIC"), text, style, rect, parent, id);
}
HBITMAP CStatic::SetBitmap(HBITMAP bitmap) {
  return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}
HBITMAP CStatic::GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP)); }
HICON CStatic::SetIcon(HICON icon) {
  return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
}
HICON CStatic::GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(_T("EDIT"), nullptr, style, rect, parent, id);
}
void CEdit::GetSel(int& start, int& end) const {
  DWORD s = 0, e = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  start = static_cast<int>(s);
  end = static_cast<int>(e);
}
void CEdit::SetSel(int start, int end, BOOL noScroll) {
  SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
  if (!noScroll) SendMessage(EM_SCROLLCARET);
}
void CEdit::ReplaceSel(LPCTSTR text, BOOL canUndo) { SendMessage(EM_REPLACESEL, canUndo, TextParam(text)); }

// EM_GETLINE takes the buffer size in its first WORD.
int CEdit::GetLine(int line, CString& text) const {
  text.Empty();
  int length = LineLength(LineIndex(line));
  if (length <= 0) return 0;
  int size = length + 1 > 0xFFFF ? 0xFFFF : length + 1;
  TCHAR* buffer = text.GetBuffer(size);
  WORD room = static_cast<WORD>(size);
  memcpy(buffer, &room, sizeof(room));
  LRESULT copied = SendMessage(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer));
  text.ReleaseBuffer(copied > 0 && copied < size ? static_cast<int>(copied) : 0);
  return text.GetLength();
}

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(_T("COMBOBOX"), nullptr, style, rect, parent, id);
}
int CComboBox::AddString(LPCTSTR text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, TextParam(text))); }
int CComboBox::InsertString(int index, LPCTSTR text) {
  return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), TextParam(text)));
}
int CComboBox::GetLBText(int index, LPTSTR buffer) const {
  return static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
}
void CComboBox::GetLBText(int index, CString& text) const { ItemText<CB_GETLBTEXTLEN, CB_GETLBTEXT>(this, index, text); }
int CComboBox::FindString(int startAfter, LPCTSTR text) const {
  return static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(startAfter), TextParam(text)));
}
int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const {
  return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter), TextParam(text)));
}
int CComboBox::SelectString(int startAfter, LPCTSTR text) {
  return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(startAfter), TextParam(text)));
}
DWORD_PTR CComboBox::GetItemData(int index) const {
  return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
}
int CComboBox::SetItemData(int index, DWORD_PTR data) {
  return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(_T("LISTBOX"), nullptr, style, rect, parent, id);
}
int CListBox::AddString(LPCTSTR text) { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, TextParam(text))); }
int CListBox::InsertString(int index, LPCTSTR text) {
  return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), TextParam(text)));
}
int CListBox::GetText(int index, LPTSTR buffer) const {
  return static_cast<int>(SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
}
void CListBox::GetText(int index, CString& text) const { ItemText<LB_GETTEXTLEN, LB_GETTEXT>(this, index, text); }
int CListBox::FindString(int startAfter, LPCTSTR text) const {
  return static_cast<int>(SendMessage(LB_FINDSTRING, static_cast<WPARAM>(startAfter), TextParam(text)));
}
int CListBox::FindStringExact(int startAfter, LPCTSTR text) const {
  return static_cast<int>(SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter), TextParam(text)));
}
int CListBox::SelectString(int startAfter, LPCTSTR text) {
  return static_cast<int>(SendMessage(LB_SELECTSTRING, static_cast<WPARAM>(startAfter), TextParam(text)));
}
DWORD_PTR CListBox::GetItemData(int index) const {
  return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
}
int CListBox::SetItemData(int index, DWORD_PTR data) {
  return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

BOOL CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(_T("SCROLLBAR"), nullptr, style, rect, parent, id);
}
