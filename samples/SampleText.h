// The sample's string-table texts in the language of the current language
// file, and the message the library sends after a language switch.
#pragma once

#include "FrameworkWin.h"
#include "ProgramTexts.h"  // before LwvMFC.h: its CString is the framework's
#include "LwvMFC.h"

#include <initializer_list>

// Sent to every window the library remembers (the open dialogs and the
// frame) once a language switch is done: texts taken from the string table
// are loaded again.
#define WM_SAMPLE_LANGUAGE_CHANGED (WM_APP + 0x100)

CString SampleText(UINT id);

// Appends the texts of the string ids to a list or combo box.
template <class Box>
void AddSampleTexts(Box& box, std::initializer_list<UINT> ids) {
  for (UINT id : ids) box.AddString(SampleText(id));
}
