// The entries the library supplies itself, built as nodes: the language
// switch dialog, the message box "LwvMessageBox" and the system menu. Their
// originals are what the resource wizard would write on a German system
// (the system menu's originals are the live English texts); the translations
// are those of the given language.
#pragma once

#include "TraNode.h"

enum SampleLanguage { kSampleGerman, kSampleEnglish };

// The switch dialog's caption and its 18 texts by position.
const int kSwitchEntryTexts = 18;
// Position of the switch command's status-bar prompt and tooltip.
const int kSwitchPromptPosition = 10;

// Appends the entries to the sections "Dialoge" and "Menus".
void AddSwitchEntry(CTraNode* dialogs, SampleLanguage language);
void AddMessageBoxEntry(CTraNode* dialogs, SampleLanguage language);
void AddSystemMenuEntry(CTraNode* menus, SampleLanguage language);
