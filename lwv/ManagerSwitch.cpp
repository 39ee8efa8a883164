// Switching to another language file at run time. Not available yet: every
// switch fails and leaves the file in use untouched.
#include "TranslationManager.h"

BOOL CTranslationManager::SwitchFile(const CString&) { return FALSE; }
