// Window lists, standard-dialog set and the translators the manager owns.
// The button model is not owned: the standard-dialog capture sets and clears it.
#include "StdDlgSet.h"
#include "DialogMatcher.h"
#include "SystemMenuTranslator.h"
#include "TranslationManager.h"
#include "WindowLists.h"

void CTranslationManager::CreateWindowObjects() {
  CDialogMatcher::ForgetIndex();
  m_pDialogList = new CLwvDialogList;
  m_pMenuWindowList = new CLwvMenuWindowList;
  if (!m_pSystemMenuTranslator) m_pSystemMenuTranslator = new CSystemMenuTranslator;
  m_pStdDlgSet = new CStdDlgSet(m_pCurrentFile ? m_pCurrentFile->GetStdDialogOptions() : nullptr);
}

void CTranslationManager::DeleteWindowObjects() {
  CDialogMatcher::ForgetIndex();
  delete m_pDialogList;
  m_pDialogList = nullptr;
  delete m_pMenuWindowList;
  m_pMenuWindowList = nullptr;
  delete m_pStdDlgSet;
  m_pStdDlgSet = nullptr;
}

void CTranslationManager::DeleteTranslators() {
  delete m_pSystemMenuTranslator;
  m_pSystemMenuTranslator = nullptr;
  m_pButtonModel = nullptr;
}
