// The sample program's German texts with their English translations, and
// the texts that read the same in both languages.
#pragma once

#include "Framework.h"

// A text written as UTF-8 in the sources, in the build's width.
CString SampleText(const char* utf8);

// The English translation of a German text of the sample's script; false
// when the table has none. A text of the same-in-both list is its own
// translation.
bool FindEnglishText(const CString& german, CString& english);
// Whether a German text reads the same in English ("OK", "&Name:").
bool IsSameInBothLanguages(const CString& german);
