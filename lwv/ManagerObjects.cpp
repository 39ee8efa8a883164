// Window lists, standard-dialog set and the translators the manager owns.
// The button model is not owned: the standard-dialog capture sets and clears it.
#include "StdDlgSet.h"
#include "DialogMatcher.h"
#include "SystemMenuTranslator.h"
#include "TranslationManager.h"
#include "WindowLists.h"

void CTranslationManager::CreateWindowObjects() {
  m_pDialogList.reset(new CLwvDialogList);
  m_pMenuWindowList.reset(new CLwvMenuWindowList);
  if (!m_pSystemMenuTranslator) m_pSystemMenuTranslator.reset(new CSystemMenuTranslator);
  m_pStdDlgSet.reset(new CStdDlgSet(m_pCurrentFile ? m_pCurrentFile->GetStdDialogOptions() : nullptr));
}

void CTranslationManager::DeleteWindowObjects() {
  m_pDialogList.reset();
  m_pMenuWindowList.reset();
  m_pStdDlgSet.reset();
}

void CTranslationManager::DeleteTranslators() {
  m_pSystemMenuTranslator.reset();
  SetCaptureModel(nullptr);
}
