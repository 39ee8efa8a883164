#include "StdDlgSet.h"

#include "TraNode.h"
#include "TranslationManager.h"

namespace {
CTraNode* CurrentRoot() {
  CTranslationManager* m = LwGetManager();
  CTraFile* f = m ? m->GetCurrentFile() : nullptr;
  return f ? f->GetRootNode() : nullptr;
}
}  // namespace

bool CStdDlgSet::Recognize(HWND dialog) {
  for (CStdDlgRecognizer* r : m_slots) {
    if (r && r->MatchScore(dialog) > LWV_STDDLG_THRESHOLD) {
      r->Translate(dialog);
      return true;
    }
  }
  return false;
}

int CStdDlgSet::RecognizeIn(HWND dialog, CTraNode* root) {
  for (CStdDlgRecognizer* r : m_slots) {
    if (r && r->MatchScore(dialog) > LWV_STDDLG_THRESHOLD) {
      r->Translate(dialog, root);
      return r->GetKind();
    }
  }
  return -1;
}

void CStdDlgSet::TranslateKind(int kind, HWND dialog) { TranslateKind(kind, dialog, CurrentRoot()); }

void CStdDlgSet::TranslateKind(int kind, HWND dialog, CTraNode* root) {
  CStdDlgRecognizer model(kind);
  model.TranslateKnown(dialog, root);
}
