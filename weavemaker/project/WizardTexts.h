// The wizard's own texts by string-table id, loaded through the library's
// translation, with the German text where the program's table lacks one
// (the window-free parts run without the program's resources).
#pragma once

#include "ProgramTexts.h"

enum WizardTextId : UINT {
  kTextScanCaption = 112,      // "Lese Resource-Dateien ein..."
  kTextScanDone = 133,         // the problem log of a scan without problems
  kTextNoResources = 61214,    // saving a language file without a tree
  kTextAddOnPaths = 2032,      // saving with unfinished add-on export paths
  kTextTestFileCheck = 61216,  // caption of the test-file check box, %s the file
  kTextWriteFailed = 2060,     // a file that could not be written, %s the file
  kTextPercentMarker = 2061,   // a test marker holding '%'
  kTextFilterScripts = 2075,   // the insert chooser's filter
  kTextFilterAll = 2076,       // the add-on chooser's filter
};

// The wizard's texts: its string table, the German built-in texts below.
const CProgramTexts& WizardTexts();
// The built-in German text of one of the ids above, of the reader's messages
// or of the switch dialog's texts; empty for others.
CString WizardBuiltInText(UINT id);

CString WizardText(UINT id);
// The text of id formatted with one string.
CString WizardText(UINT id, const CString& argument);
