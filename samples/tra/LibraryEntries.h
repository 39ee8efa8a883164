// The entries the library supplies itself, built as nodes: the language
// switch dialog, the common dialogs the sample shows, the message box
// "LwvMessageBox" and the system menu. Their originals are what the resource
// wizard would write on a German system (the system menu's originals are the
// live English texts); the translations are those of the given language.
#pragma once

#include "TraNode.h"

#include <vector>

enum SampleLanguage { kSampleGerman, kSampleEnglish };

// The switch dialog's caption and its 18 texts by position.
const int kSwitchEntryTexts = 18;
// Position of the switch command's status-bar prompt and tooltip.
const int kSwitchPromptPosition = 10;

// The common-dialog kinds the sample shows (find, colour); each kind's
// option byte is set in both files.
extern const int kSampleStdDialogs[2];

// Appends the entries to the sections "Dialoge" and "Menus".
void AddSwitchEntry(CTraNode* dialogs, SampleLanguage language);
// One entry per kind of kSampleStdDialogs, in kind order, its children in
// the order of the library's model; a table that no longer fits the model
// adds no entry and is named in problems.
void AddStdDialogEntries(CTraNode* dialogs, SampleLanguage language, std::vector<CString>& problems);
void AddMessageBoxEntry(CTraNode* dialogs, SampleLanguage language);
void AddSystemMenuEntry(CTraNode* menus, SampleLanguage language);
