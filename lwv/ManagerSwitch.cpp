// Switching to another language file of the same program while it runs.
#include "DialogMatcher.h"
#include "LwFileInfo.h"
#include "TranslationManager.h"
#include "WindowLists.h"

#include <memory>
#include <new>
#include <vector>

#ifdef _WIN32
#include "LwvSDK.h"
#include "LwvWindows.h"

namespace {
// The hooks open the switch dialog through this registration; this file is
// linked with every LWStart.
struct SwitchDialogRegistration {
  SwitchDialogRegistration() { LwvSetSwitchDialogProc(LWSwitchDialog); }
} g_switchDialogRegistration;
}  // namespace
#endif

namespace {

// The merged new file and the switch-time tree, made before anything of the
// running state changes. Null when the file cannot be read or merged.
struct PreparedSwitch {
  std::unique_ptr<CTraFile> file;
  std::unique_ptr<CTraFile> lookup;
};

bool Prepare(const CString& path, const CTraFile& current, PreparedSwitch& out) {
  std::unique_ptr<CTraFile> file(new CTraFile());
  if (!LwReadLanguageFile(path, *file, LW_READ_WHOLE)) return false;
  try {
    // The running program's tree with the new file's translations.
    file->UpdateFrom(current);
    // Originals = what the open windows show now, translations = the new language.
    std::unique_ptr<CTraFile> lookup(file->Clone());
    if (lookup->GetRootNode() && current.GetRootNode()) lookup->GetRootNode()->TakeTranslations(current.GetRootNode(), 0);
    out.file = std::move(file);
    out.lookup = std::move(lookup);
    return true;
  } catch (const CException&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

// Sends message once to every remembered window: dialogs first, then the
// windows with menus (a dialog is in both lists).
void BroadcastOnce(CLwvWindowList* dialogs, CLwvWindowList* menuWindows, UINT message) {
  CLwvWindowSystem& system = LwvDefaultWindowSystem();
  std::vector<LwvWindow> sent;
  for (CLwvWindowList* list : {dialogs, menuWindows}) {
    if (!list) continue;
    list->Prune();
    std::vector<LwvWindow> windows;
    for (int i = 0; i < list->GetCount(); ++i) windows.push_back(list->GetWindow(i));
    for (LwvWindow wnd : windows) {
      bool already = false;
      for (LwvWindow s : sent) already = already || s == wnd;
      if (already || !system.IsWindow(wnd)) continue;
      sent.push_back(wnd);
      system.SendMessage(wnd, message);
    }
  }
}

}  // namespace

bool CTranslationManager::RetranslateWindows() {
  bool ok = true;
  CDialogMatcher::ForgetIndex();
  // The texts set here are final: the hooks need not look at them, and this
  // thread's hooks are not even called meanwhile.
  const bool busy = m_bBusy;
  m_bBusy = true;
  const bool suspended = SuspendOwnHooks();
  try {
    if (m_pDialogList) m_pDialogList->RetranslateAll();
    if (m_pMenuWindowList) m_pMenuWindowList->RetranslateAll();
  } catch (...) {
    ok = false;  // nothing may escape into the host's window procedure
  }
  if (suspended) ResumeOwnHooks();
  m_bBusy = busy;
  CDialogMatcher::ForgetIndex();
  return ok;
}

BOOL CTranslationManager::SwitchFile(const CString& path) {
  LW_FILEINFO now;
  LW_FILEINFO wanted;
  if (!GetFileInfo(now) || !GetOtherFileInfo(path, wanted)) return FALSE;
  if (now.strProgramName != wanted.strProgramName) return FALSE;

  // Everything that can fail happens here; a failure leaves all as it was.
  PreparedSwitch prepared;
  if (!Prepare(path, *m_pCurrentFile, prepared)) return FALSE;

  delete m_pPreviousFile;
  m_pPreviousFile = m_pCurrentFile;
  m_pCurrentFile = prepared.file.release();
  m_strCurrentPath = path;
  delete m_pLookupFile;
  m_pLookupFile = prepared.lookup.release();

  if (!RetranslateWindows()) {
    // Back to the file in use before, and the windows back to its texts.
    CTraFile* failed = m_pCurrentFile;
    m_pCurrentFile = m_pPreviousFile;
    m_pPreviousFile = nullptr;
    m_strCurrentPath = now.strFilePath;
    delete m_pLookupFile;
    m_pLookupFile = nullptr;
    try {
      m_pLookupFile = m_pCurrentFile->Clone();
      if (m_pLookupFile->GetRootNode() && failed->GetRootNode())
        m_pLookupFile->GetRootNode()->TakeTranslations(failed->GetRootNode(), 0);
    } catch (...) {
      delete m_pLookupFile;
      m_pLookupFile = nullptr;
    }
    delete failed;
    if (m_pLookupFile) RetranslateWindows();
    delete m_pLookupFile;
    m_pLookupFile = nullptr;
    return FALSE;
  }
  delete m_pLookupFile;
  m_pLookupFile = nullptr;
  m_pCurrentFile->BuildStringIndex();
  WriteLastTraFile(path);
  ExportAddOnFiles(path);
  const UINT message = m_params.nSwitchBroadcastMsg;
  if (message != 0) BroadcastOnce(m_pDialogList, m_pMenuWindowList, message);
  return TRUE;
}
