#include "SampleFlags.h"

#include "FlagStrip.h"
#include "LanguageCatalogue.h"

namespace {

int CountryRow(LPCTSTR country) {
  for (int row = 0; row < COUNTRY_COUNT; ++row)
    if (CString(CountryNames[row]) == country) return row;
  return -1;
}

}  // namespace

bool TakeFlagFromStrip(CTraFile& file, const CString& stripPath, LPCTSTR country) {
  const int cell = CountryRow(country);
  LwFlagPixels flag;
  if (cell < 0 || !LwReadFlagStripCell(stripPath, cell, flag)) return false;
  for (int i = 0; i < LW_FLAG_PIXEL_COUNT; ++i) file.SetFlagPixel(i, flag[i]);
  return true;
}
