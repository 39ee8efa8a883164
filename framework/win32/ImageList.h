// CImageList: owns a comctl32 image list, made from a bitmap strip whose
// cells are drawn with a mask colour as transparent. Lists and trees show it;
// they never own it.
#pragma once

#include "Gdi.h"

#include <commctrl.h>

class CImageList : public CObject {
 public:
  CImageList() = default;
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;
  ~CImageList() override;  // destroys the list it holds

  HIMAGELIST m_hImageList = nullptr;
  operator HIMAGELIST() const { return m_hImageList; }
  HIMAGELIST GetSafeHandle() const;

  BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
  // From a bitmap resource holding the images side by side, each cx pixels
  // wide; pixels of the mask colour become transparent.
  BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
  BOOL Attach(HIMAGELIST list);
  HIMAGELIST Detach();
  BOOL DeleteImageList();

  int GetImageCount() const;
  BOOL GetImageSize(int& cx, int& cy) const;
  int Add(CBitmap* bitmap, COLORREF mask);
  COLORREF SetBkColor(COLORREF color);
  // ILD_NORMAL draws through the mask with no background of its own.
  BOOL Draw(CDC* dc, int image, POINT point, UINT style);
};
