// The editor's two process-wide font records: g_TextFont for the texts and
// g_OverlayFont for the foreign-language overlay. Only the fonts dialog
// changes them; the views make their fonts from them. Creates no font.
#pragma once

#include "Framework.h"

#ifdef _WIN32
typedef LOGFONT DeskLogFont;
#else
// The fields of a Windows LOGFONT, for builds without the platform.
struct DeskLogFont {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  TCHAR lfFaceName[32];
};
#endif

extern DeskLogFont g_TextFont;
extern DeskLogFont g_OverlayFont;

// Fills both records with the defaults; called once at start.
void InitDefaultFonts();
