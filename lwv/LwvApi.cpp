// The LW functions on the one process-wide translation manager. Each holds
// the lock while it works on the manager, except the switch, which takes it
// where it needs it (TranslationManager.h).
#include "Lwv.h"

#include "LwvLock.h"
#include "RuntimeSeams.h"
#include "StringLookup.h"
#include "SwitchDlgModel.h"
#include "TranslationManager.h"

namespace {

std::shared_ptr<CTranslationManager> g_manager;

// Window-free code of the program (the wizard's scan, its texts) reaches the
// manager through the model library's seams, installed as the runtime is
// linked in.
void BusyFromWindowFreeCode(bool busy) { LWSetBusy(busy ? TRUE : FALSE); }
void TranslateForWindowFreeCode(CString& text) { LWTranslateString(text); }
const bool g_seamsInstalled = (LwInstallRuntimeSeams(BusyFromWindowFreeCode, TranslateForWindowFreeCode), true);

}  // namespace

CTranslationManager* LwGetManager() { return g_manager.get(); }

std::shared_ptr<CTranslationManager> LwHoldManager() {
  CLwvLock lock;
  return g_manager;
}

extern "C" BOOL LWStart(const LW_STARTPARAMS* params) {
  // No exception may reach the host through a C entry point.
  try {
    std::shared_ptr<CTranslationManager> manager;
    {
      CLwvLock lock;
      if (!g_manager) g_manager = std::make_shared<CTranslationManager>();
      manager = g_manager;
    }
    return manager->Start(params);
  } catch (const CException&) {
    return FALSE;
  } catch (...) {
    return FALSE;
  }
}

extern "C" BOOL LWAddThread(DWORD threadId) {
  CLwvLock lock;
  return g_manager ? g_manager->AddThread(threadId) : FALSE;
}

extern "C" void LWEnd(void) {
  // Not while a switch runs; cleared first: whatever runs during the
  // teardown sees no manager. The manager goes when its last holder lets go.
  CLwvSwitchGate gate;
  std::shared_ptr<CTranslationManager> manager;
  {
    CLwvLock lock;
    manager.swap(g_manager);
  }
  if (manager) manager->Shutdown();
}

extern "C" BOOL LWSwitchFile(LPCTSTR path) {
  if (!path) return FALSE;
  std::shared_ptr<CTranslationManager> manager = LwHoldManager();
  if (!manager) return FALSE;
  try {
    return manager->SwitchFile(CString(path));
  } catch (const CException&) {
    return FALSE;
  } catch (...) {
    return FALSE;
  }
}

namespace {

BOOL Translate(CString& text, TraStringPart part) {
  CLwvLock lock;
  return g_manager ? TranslateTextIn(g_manager->GetLookupFile(), text, part) : FALSE;
}

}  // namespace

BOOL LWTranslateString(CString& text) { return Translate(text, TRA_PART_WHOLE); }
BOOL LWTranslateStatusText(CString& text) { return Translate(text, TRA_PART_PROMPT); }
BOOL LWTranslateToolTip(CString& text) { return Translate(text, TRA_PART_TIP); }

BOOL LWLoadString(CString& text, UINT id) {
  CLwvLock lock;
  if (!g_manager) {
    text.LoadString(id);
    return FALSE;
  }
  UINT switchId = g_manager->GetParams()->nSwitchCommandID;
  if (switchId == 0 && id == 0) {
    text.LoadString(id);
    return FALSE;
  }
  if (id == switchId) {
    // The switch command's prompt and tip, which the host's resources lack.
    CTraNode* dialog = g_manager->FindSwitchDialogNode();
    CTraNode* prompt = dialog ? dialog->GetChild(LWV_SWITCH_PROMPT) : nullptr;
    if (!prompt) return FALSE;
    text = prompt->GetTranslation();
    return TRUE;
  }
  if (!text.LoadString(id)) return FALSE;
  return LWTranslateString(text);
}

BOOL LWSetBusy(BOOL busy) {
  CLwvLock lock;
  if (!g_manager) return FALSE;
  const BOOL was = g_manager->IsBusy() ? TRUE : FALSE;
  g_manager->SetBusy(busy != FALSE);
  return was;
}

BOOL LWIsBusy() {
  CLwvLock lock;
  return g_manager && g_manager->IsBusy() ? TRUE : FALSE;
}

std::shared_ptr<const CTraFile> LWGetCurrentFile() {
  CLwvLock lock;
  return g_manager ? g_manager->ShareCurrentFile() : nullptr;
}
