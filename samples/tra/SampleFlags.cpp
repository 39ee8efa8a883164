#include "SampleFlags.h"

#include "FlagStrip.h"

bool TakeFlagFromStrip(CTraFile& file, const CString& stripPath, LPCTSTR country) {
  LwFlagPixels flag;
  if (!LwReadCountryFlag(stripPath, country, flag)) return false;
  for (int i = 0; i < LW_FLAG_PIXEL_COUNT; ++i) file.SetFlagPixel(i, flag[i]);
  return true;
}
