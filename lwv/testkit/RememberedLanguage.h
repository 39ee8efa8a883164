// The language file a translated program remembers between runs, as its
// tests set, read and forget it (Windows registry). profile is the program's
// own key, e.g. "Software\\Lingoweave\\Beispiel"; the library keeps the file
// below it. Touches no other setting.
#pragma once

#include "Framework.h"

namespace lwtest {

// The remembered file, "" when there is none.
CString RememberedLanguageFile(const CString& profile);
// Remembers path (the key is made when missing); "" forgets. False when the
// key cannot be made.
bool RememberLanguageFile(const CString& profile, const CString& path);
// Forgets the file, so that the library starts as on a first run.
void ForgetLanguageFile(const CString& profile);

}  // namespace lwtest
