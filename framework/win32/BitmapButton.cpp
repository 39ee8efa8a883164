#include "BitmapButton.h"

namespace {
void Reload(CBitmap& bitmap, UINT id) {
  bitmap.DeleteObject();
  if (id) bitmap.LoadBitmap(id);
}
}  // namespace

BOOL CBitmapButton::LoadBitmaps(UINT normal, UINT selected, UINT focus, UINT disabled) {
  Reload(m_bitmap, normal);
  Reload(m_bitmapSel, selected);
  Reload(m_bitmapFocus, focus);
  Reload(m_bitmapDisabled, disabled);
  return m_bitmap.m_hObject != nullptr;
}

void CBitmapButton::SizeToContent() {
  if (!m_hWnd || !m_bitmap.m_hObject) return;
  CSize size = m_bitmap.GetSize();
  SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CBitmapButton::EnableToolTips(BOOL enable) {
  if (!enable) {
    if (m_toolTip.m_hWnd) m_toolTip.DestroyWindow();
    return TRUE;
  }
  if (!m_hWnd) return FALSE;
  if (m_toolTip.m_hWnd) return TRUE;
  return m_toolTip.Create(this) && m_toolTip.AddTool(this);
}

CBitmap* CBitmapButton::BitmapForState(UINT state) {
  CBitmap* chosen = nullptr;
  if (state & ODS_SELECTED) chosen = &m_bitmapSel;
  else if (state & ODS_FOCUS) chosen = &m_bitmapFocus;
  else if (state & ODS_DISABLED) chosen = &m_bitmapDisabled;
  return chosen && chosen->m_hObject ? chosen : &m_bitmap;
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT item) {
  CBitmap* bitmap = BitmapForState(item->itemState);
  if (!bitmap->m_hObject) return;
  CDC* target = CDC::FromHandle(item->hDC);
  CDC memory;
  if (!memory.CreateCompatibleDC(target)) return;
  CBitmap* old = memory.SelectObject(bitmap);
  const RECT& r = item->rcItem;
  target->BitBlt(r.left, r.top, r.right - r.left, r.bottom - r.top, &memory, 0, 0, SRCCOPY);
  memory.SelectObject(old);
}

BOOL CBitmapButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != WM_DRAWITEM) return CButton::OnChildNotify(message, wParam, lParam, result);
  DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  if (result) *result = TRUE;
  return TRUE;
}
