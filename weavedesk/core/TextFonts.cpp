#include "TextFonts.h"

#include <cstring>

DeskLogFont g_TextFont;
DeskLogFont g_OverlayFont;

namespace {

void Fill(DeskLogFont& font, const TCHAR* face, LONG height, BYTE italic, BYTE outPrecision) {
  memset(&font, 0, sizeof font);
  font.lfHeight = height;
  font.lfWeight = 400;
  font.lfItalic = italic;
  font.lfCharSet = 0;          // ANSI_CHARSET
  font.lfOutPrecision = outPrecision;
  font.lfClipPrecision = 2;    // CLIP_STROKE_PRECIS
  font.lfQuality = 1;          // DRAFT_QUALITY
  font.lfPitchAndFamily = 34;  // VARIABLE_PITCH | FF_SWISS
  lw::StrCpyN(font.lfFaceName, face, sizeof font.lfFaceName / sizeof font.lfFaceName[0]);
}

}  // namespace

void InitDefaultFonts() {
  Fill(g_TextFont, _T("MS Sans Serif"), -14, 0, 1);  // OUT_STRING_PRECIS
  Fill(g_OverlayFont, _T("Arial"), -12, 1, 3);       // OUT_STROKE_PRECIS
}
