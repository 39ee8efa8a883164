// Without Windows there are no hooks, registry or INI files: nothing is
// installed and nothing is remembered.
#ifndef _WIN32
#include "TranslationManager.h"

BOOL CTranslationManager::AddThread(DWORD) { return FALSE; }
void CTranslationManager::RemoveHooks() { m_hooks.clear(); }
bool CTranslationManager::SuspendOwnHooks() { return false; }
void CTranslationManager::ResumeOwnHooks() {}
CString CTranslationManager::ReadLastTraFile() const { return CString(); }
BOOL CTranslationManager::WriteLastTraFile(const CString&) const { return FALSE; }
#endif
