// Loads an own flag picture from a .bmp file the user chooses: the file is
// decoded by the window-free reader (BmpReader.h) and becomes a
// device-dependent bitmap, with a palette for pictures of at most 256
// colours. Nothing else here: the picker decides what to do with it.
#pragma once

#include "FrameworkWin.h"

// Asks for a file ("BMP-Dateien (*.bmp)"), then LoadBmpFileFrom. FALSE
// without a message when the dialog is cancelled or the file is refused.
BOOL LoadBmpFile(CBitmap* bitmap, CPalette* palette);

// Loads path into bitmap (freeing the picture it held) and, when palette is
// given, the colour table into palette (freed when the file has none). On
// failure bitmap and palette are unchanged.
BOOL LoadBmpFileFrom(LPCTSTR path, CBitmap* bitmap, CPalette* palette);
