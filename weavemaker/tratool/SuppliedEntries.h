// The entries the library supplies to every program's language file, as
// the build machine makes them without windows: the standard message-box
// buttons as a German system shows them (the file's original language is
// German), no common dialog and no system menu (the build machine has none
// to read); and the English texts of the supplied entries.
#pragma once

#include "EnglishTable.h"
#include "ResLibraryCapture.h"

// The recorded German buttons; every other capture fails.
class CGermanButtonCapture : public CResRecordedCapture {
 public:
  CGermanButtonCapture();
};

// The English texts of the switch dialog and the message-box buttons, by
// their German texts. A program's own table comes before it.
const CEnglishTable& SuppliedEnglishTexts();
