// The LW functions on the one process-wide translation manager. Each holds
// the lock while it works on the manager, except the switch, which takes it
// where it needs it (TranslationManager.h).
#include "LwvProgram.h"

#include "LwFileInfo.h"
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

// Copies text into buffer when one is given (cut to size, terminated) and
// answers its full length.
int CopyOut(const CString& text, LPTSTR buffer, int size) {
  if (buffer && size > 0) LwCopyBounded(buffer, size, text);
  return text.GetLength();
}

TraStringPart PartOf(int part) {
  switch (part) {
    case LW_PART_PROMPT: return TRA_PART_PROMPT;
    case LW_PART_TIP: return TRA_PART_TIP;
    default: return TRA_PART_WHOLE;
  }
}

// A lookup in the running language. While a switch translates the windows
// again, the switch's lookup file knows the texts they show in the old
// language; a text that is not among them may be an original of the
// program (given by its code or loaded from its resources), which the new
// current file already maps to the new language.
bool TranslateLive(const CTranslationManager& manager, CString& text, TraStringPart part) {
  if (TranslateTextIn(manager.GetLookupFile(), text, part)) return true;
  return manager.IsSwitchRunning() && TranslateTextIn(manager.GetCurrentFile(), text, part);
}

// The translation of text copied out as LWGetTranslation does it.
int TranslateOut(CString text, int part, LPTSTR buffer, int size) {
  {
    CLwvLock lock;
    if (!g_manager || !TranslateLive(*g_manager, text, PartOf(part))) return -1;
  }
  return CopyOut(text, buffer, size);
}

BOOL TranslateInPlace(LPTSTR text, int size, int part) {
  if (!text || size <= 0) return FALSE;
  try {
    // The text as far as its terminator, never past the buffer.
    int length = 0;
    while (length < size && text[length]) ++length;
    return TranslateOut(CString(text, length), part, text, size) >= 0 ? TRUE : FALSE;
  } catch (...) {
    return FALSE;  // nothing may reach a C caller
  }
}

}  // namespace

extern "C" int LWGetTranslation(LPCTSTR text, int part, LPTSTR buffer, int size) {
  if (!text) return -1;
  try {
    return TranslateOut(CString(text), part, buffer, size);
  } catch (...) {
    return -1;  // nothing may reach a C caller
  }
}

extern "C" BOOL LWTranslateString(LPTSTR text, int size) { return TranslateInPlace(text, size, LW_PART_WHOLE); }
extern "C" BOOL LWTranslateStatusText(LPTSTR text, int size) { return TranslateInPlace(text, size, LW_PART_PROMPT); }
extern "C" BOOL LWTranslateToolTip(LPTSTR text, int size) { return TranslateInPlace(text, size, LW_PART_TIP); }

namespace {

// String id of instance's string table; the framework's resource module
// when instance is null.
bool LoadFrom(HINSTANCE instance, UINT id, CString& text) {
#ifdef _WIN32
  if (instance) return text.LoadString(instance, id) != FALSE;
#else
  (void)instance;
#endif
  return text.LoadString(id) != FALSE;
}

// The text of string id (empty when the resources have none) and whether
// the library supplied it; false when id is the switch command's and the
// file has no text for it.
bool LoadTranslated(HINSTANCE instance, UINT id, CString& text, BOOL& translated) {
  translated = FALSE;
  CLwvLock lock;
  if (!g_manager) {
    LoadFrom(instance, id, text);
    return true;
  }
  const UINT switchId = g_manager->GetParams()->nSwitchCommandID;
  if (switchId == 0 && id == 0) {
    LoadFrom(instance, id, text);  // no command: a plain load
    return true;
  }
  if (id == switchId) {
    // The switch command's prompt and tip, which the host's resources lack.
    CTraNode* dialog = g_manager->FindSwitchDialogNode();
    CTraNode* prompt = dialog ? dialog->GetChild(LWV_SWITCH_PROMPT) : nullptr;
    if (!prompt) return false;
    text = prompt->GetTranslation();
    translated = TRUE;
    return true;
  }
  // A text from the resources is an original: the current file has it, also
  // while a switch runs (whose lookup file holds the old language's texts).
  if (LoadFrom(instance, id, text) && TranslateTextIn(g_manager->GetCurrentFile(), text, TRA_PART_WHOLE))
    translated = TRUE;
  return true;
}

}  // namespace

extern "C" int LWLoadStringEx(HINSTANCE instance, UINT id, LPTSTR buffer, int size, BOOL* translated) {
  try {
    if (translated) *translated = FALSE;
    CString text;
    BOOL supplied = FALSE;
    if (!LoadTranslated(instance, id, text, supplied)) return -1;
    if (translated) *translated = supplied;
    return CopyOut(text, buffer, size);
  } catch (...) {
    return -1;
  }
}

extern "C" int LWLoadString(HINSTANCE instance, UINT id, LPTSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  const int length = LWLoadStringEx(instance, id, buffer, size, nullptr);
  if (length <= 0) {
    buffer[0] = 0;
    return 0;
  }
  return length < size ? length : size - 1;
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
