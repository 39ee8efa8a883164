// The entries the library supplies itself (switch dialog, the common dialogs
// the sample shows, "LwvMessageBox", the system menu), built by the resource
// reader as the wizard builds them, from captures recorded for the sample.
// Their originals are what the wizard writes on a German system under Wine
// (the system menu's originals are the live English texts); the
// translations are those of the given language.
#pragma once

#include "TraNode.h"

#include <vector>

enum SampleLanguage { kSampleGerman, kSampleEnglish };

// The common-dialog kinds the sample shows (find, colour).
extern const int kSampleStdDialogs[2];

// The standard-dialog option block of both files: the sample's common
// dialogs and the message box.
void SampleStdDialogOptions(BYTE* options);

// Appends the entries to the sections "Dialoge" and "Menus" of root; a
// recorded capture that no longer fits the library's model, and any other
// line of the reader's log, is named in problems.
void AddLibraryEntries(CTraNode* root, SampleLanguage language, std::vector<CString>& problems);
