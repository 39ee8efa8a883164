// The entries the library supplies to every program's language file, as
// the build machine makes them without windows: the standard message-box
// buttons and the system menu as a German system shows them (the file's
// original language is German), no common dialog; and the English texts of
// the supplied entries.
#pragma once

#include "EnglishTable.h"
#include "ResLibraryCapture.h"

// The recorded German buttons and system menu; common dialogs fail.
class CGermanSystemCapture : public CResRecordedCapture {
 public:
  CGermanSystemCapture();
};

// The English texts of the switch dialog, the message-box buttons and the
// system menu, by their German texts. A program's own table comes first.
const CEnglishTable& SuppliedEnglishTexts();
