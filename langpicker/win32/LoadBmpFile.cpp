#include "LoadBmpFile.h"

#include "BmpReader.h"
#include "CommonDialogs.h"
#include "FlagBitmaps.h"

BOOL LoadBmpFile(CBitmap* bitmap, CPalette* palette) {
  CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, _T("BMP-Dateien (*.bmp)|*.bmp||"),
                     nullptr);
  if (dialog.DoModal() != IDOK) return FALSE;
  return LoadBmpFileFrom(dialog.GetPathName(), bitmap, palette);
}

BOOL LoadBmpFileFrom(LPCTSTR path, CBitmap* bitmap, CPalette* palette) {
  if (!bitmap) return FALSE;
  LwBmpImage image;
  if (LwReadBmpFile(path, image) != LW_BMP_OK) return FALSE;
  HPALETTE made = palette ? LwCreatePicturePalette(image) : nullptr;
  return LwAttachLoadedPicture(bitmap, palette, LwCreatePictureBitmap(image, made), made);
}
