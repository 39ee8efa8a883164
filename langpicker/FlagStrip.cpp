#include "FlagStrip.h"

#include "LanguageCatalogue.h"

bool LwFlagCellInStrip(int cell, int stripWidth, int stripHeight) {
  return cell >= 0 && stripHeight >= LW_FLAG_SIDE && cell < stripWidth / LW_FLAG_SIDE;
}

bool LwFlagStripCell(const LwBmpImage& strip, int cell, LwFlagPixels& flag) {
  if (!LwFlagCellInStrip(cell, strip.width, strip.height)) return false;
  for (int y = 0; y < LW_FLAG_SIDE; ++y)
    for (int x = 0; x < LW_FLAG_SIDE; ++x) flag[y * LW_FLAG_SIDE + x] = strip.At(cell * LW_FLAG_SIDE + x, y);
  return true;
}

bool LwReadFlagStripCell(LPCTSTR stripPath, int cell, LwFlagPixels& flag) {
  LwBmpImage strip;
  return LwReadBmpFile(stripPath, strip) == LW_BMP_OK && LwFlagStripCell(strip, cell, flag);
}

bool LwReadCountryFlag(LPCTSTR stripPath, LPCTSTR country, LwFlagPixels& flag) {
  for (int row = 0; row < COUNTRY_COUNT; ++row)
    if (CString(CountryNames[row]) == country) return LwReadFlagStripCell(stripPath, row, flag);
  return false;
}
