#include "ImageList.h"

#include "HandleMap.h"

CImageList::~CImageList() { DeleteImageList(); }

HIMAGELIST CImageList::GetSafeHandle() const {
  const CImageList* self = lw::Opaque(this);
  return self ? self->m_hImageList : nullptr;
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
  if (m_hImageList) return FALSE;
  m_hImageList = ::ImageList_Create(cx, cy, flags, initial, grow);
  return m_hImageList != nullptr;
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask) {
  if (m_hImageList || cx <= 0) return FALSE;
  m_hImageList = ::ImageList_LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(bitmapId), cx, grow, mask,
                                       IMAGE_BITMAP, LR_CREATEDIBSECTION);
  return m_hImageList != nullptr;
}

BOOL CImageList::Attach(HIMAGELIST list) {
  if (m_hImageList || !list) return FALSE;
  m_hImageList = list;
  return TRUE;
}

HIMAGELIST CImageList::Detach() {
  HIMAGELIST list = m_hImageList;
  m_hImageList = nullptr;
  return list;
}

BOOL CImageList::DeleteImageList() {
  HIMAGELIST list = Detach();
  return list ? ::ImageList_Destroy(list) : FALSE;
}

int CImageList::GetImageCount() const { return m_hImageList ? ::ImageList_GetImageCount(m_hImageList) : 0; }

BOOL CImageList::GetImageSize(int& cx, int& cy) const {
  cx = cy = 0;
  return m_hImageList && ::ImageList_GetIconSize(m_hImageList, &cx, &cy);
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask) {
  if (!m_hImageList || !bitmap) return -1;
  return ::ImageList_AddMasked(m_hImageList, static_cast<HBITMAP>(bitmap->m_hObject), mask);
}

COLORREF CImageList::SetBkColor(COLORREF color) {
  return m_hImageList ? ::ImageList_SetBkColor(m_hImageList, color) : CLR_NONE;
}

BOOL CImageList::Draw(CDC* dc, int image, POINT point, UINT style) {
  if (!m_hImageList || !dc) return FALSE;
  return ::ImageList_Draw(m_hImageList, image, dc->m_hDC, point.x, point.y, style);
}
