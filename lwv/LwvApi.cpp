// The LW functions on the one process-wide translation manager.
#include "Lwv.h"

#include "StringLookup.h"
#include "SwitchDlgModel.h"
#include "TranslationManager.h"

namespace {

CTranslationManager* g_pManager = nullptr;

}  // namespace

CTranslationManager* LwGetManager() { return g_pManager; }

extern "C" BOOL LWStart(const LW_STARTPARAMS* params) {
  // No exception may reach the host through a C entry point.
  try {
    if (!g_pManager) g_pManager = new CTranslationManager();
    return g_pManager->Start(params);
  } catch (const CException&) {
    return FALSE;
  } catch (...) {
    return FALSE;
  }
}

extern "C" BOOL LWAddThread(DWORD threadId) { return g_pManager ? g_pManager->AddThread(threadId) : FALSE; }

extern "C" void LWEnd(void) {
  // Cleared first: whatever runs during the teardown sees no manager.
  CTranslationManager* manager = g_pManager;
  g_pManager = nullptr;
  delete manager;
}

extern "C" BOOL LWSwitchFile(LPCTSTR path) {
  if (!g_pManager || !path) return FALSE;
  try {
    return g_pManager->SwitchFile(CString(path));
  } catch (const CException&) {
    return FALSE;
  } catch (...) {
    return FALSE;
  }
}

namespace {

BOOL Translate(CString& text, TraStringPart part) {
  return g_pManager ? TranslateTextIn(g_pManager->GetLookupFile(), text, part) : FALSE;
}

}  // namespace

BOOL LWTranslateString(CString& text) { return Translate(text, TRA_PART_WHOLE); }
BOOL LWTranslateStatusText(CString& text) { return Translate(text, TRA_PART_PROMPT); }
BOOL LWTranslateToolTip(CString& text) { return Translate(text, TRA_PART_TIP); }

BOOL LWLoadString(CString& text, UINT id) {
  if (!g_pManager) {
    text.LoadString(id);
    return FALSE;
  }
  UINT switchId = g_pManager->GetParams()->nSwitchCommandID;
  if (switchId == 0 && id == 0) {
    text.LoadString(id);
    return FALSE;
  }
  if (id == switchId) {
    // The switch command's prompt and tip, which the host's resources lack.
    CTraNode* dialog = g_pManager->FindSwitchDialogNode();
    CTraNode* prompt = dialog ? dialog->GetChild(LWV_SWITCH_PROMPT) : nullptr;
    if (!prompt) return FALSE;
    text = prompt->GetTranslation();
    return TRUE;
  }
  if (!text.LoadString(id)) return FALSE;
  return LWTranslateString(text);
}
