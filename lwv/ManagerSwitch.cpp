// Switching to another language file of the same program while it runs.
// Runs without the lock except where it touches the manager's state; see
// the threading contract in TranslationManager.h.
#include "DialogMatcher.h"
#include "LwFileInfo.h"
#include "LwvLock.h"
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
// running state changes, both indexed. Null when the file cannot be read or
// merged.
struct PreparedSwitch {
  std::shared_ptr<CTraFile> file;
  std::shared_ptr<CTraFile> lookup;
};

// Originals = what the open windows show now (from shown), translations =
// those of wanted.
std::shared_ptr<CTraFile> LookupTree(const CTraFile& wanted, const CTraFile& shown) {
  std::shared_ptr<CTraFile> lookup(wanted.Clone());
  if (lookup->GetRootNode() && shown.GetRootNode()) lookup->GetRootNode()->TakeTranslations(shown.GetRootNode(), 0);
  lookup->BuildStringIndex();
  return lookup;
}

bool Prepare(const CString& path, const CTraFile& current, PreparedSwitch& out) {
  std::shared_ptr<CTraFile> file(new CTraFile());
  if (!LwvReadLanguageFile(path, *file, LW_READ_WHOLE)) return false;
  try {
    // The running program's tree with the new file's translations.
    file->UpdateFrom(current);
    file->BuildStringIndex();
    out.lookup = LookupTree(*file, current);
    out.file = std::move(file);
    return true;
  } catch (const CException&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

// Sends message once to every remembered window: dialogs first, then the
// windows with menus (a dialog is in both lists). The windows are collected
// under the lock and sent to without it.
void BroadcastOnce(CTranslationManager& manager, UINT message) {
  std::vector<LwvWindow> sent;
  {
    CLwvLock lock;
    std::vector<LwvRemembered> entries;
    if (manager.GetDialogList()) manager.GetDialogList()->Snapshot(entries);
    if (manager.GetMenuWindowList()) manager.GetMenuWindowList()->Snapshot(entries);
    for (const LwvRemembered& e : entries) {
      bool already = false;
      for (LwvWindow s : sent) already = already || s == e.wnd;
      if (!already) sent.push_back(e.wnd);
    }
  }
  for (LwvWindow wnd : sent) LwvSendUnlocked(wnd, message);
}

}  // namespace

bool CTranslationManager::RetranslateWindows() {
  std::vector<LwvRemembered> entries;
  bool suspended;
  {
    CLwvLock lock;
    if (m_pDialogList) m_pDialogList->Snapshot(entries);
    if (m_pMenuWindowList) m_pMenuWindowList->Snapshot(entries);
    // The texts set here are final: this thread's hooks are not even called
    // meanwhile, and the mark keeps them out should that fail.
    suspended = SuspendOwnHooks();
  }
  bool ok = true;
  {
    CLwvRetranslating mark;
    try {
      for (const LwvRemembered& entry : entries) LwvRetranslateRemembered(entry);
    } catch (...) {
      ok = false;  // nothing may escape into the host's window procedure
    }
  }
  CLwvLock lock;
  if (suspended) ResumeOwnHooks();
  return ok;
}

BOOL CTranslationManager::SwitchFile(const CString& path) {
  CLwvSwitchGate gate;
  LW_FILEINFO now;
  LW_FILEINFO wanted;
  std::shared_ptr<CTraFile> current;
  {
    CLwvLock lock;
    if (!GetFileInfo(now)) return FALSE;
    current = m_pCurrentFile;
  }
  if (!GetOtherFileInfo(path, wanted)) return FALSE;
  if (now.strProgramName != wanted.strProgramName) return FALSE;

  // Everything that can fail happens here; a failure leaves all as it was.
  PreparedSwitch prepared;
  if (!Prepare(path, *current, prepared)) return FALSE;
  {
    CLwvLock lock;
    m_pPreviousFile = m_pCurrentFile;
    m_pCurrentFile = prepared.file;
    m_strCurrentPath = path;
    m_pLookupFile = prepared.lookup;
  }

  if (!RetranslateWindows()) {
    // Back to the file in use before, and the windows back to its texts.
    std::shared_ptr<CTraFile> back;
    {
      CLwvLock lock;
      std::shared_ptr<CTraFile> failed = m_pCurrentFile;
      m_pCurrentFile = m_pPreviousFile;
      m_pPreviousFile.reset();
      m_strCurrentPath = now.strFilePath;
      m_pLookupFile.reset();
      try {
        m_pLookupFile = LookupTree(*m_pCurrentFile, *failed);
      } catch (...) {
        m_pLookupFile.reset();
      }
      back = m_pLookupFile;
    }
    if (back) RetranslateWindows();
    CLwvLock lock;
    m_pLookupFile.reset();
    return FALSE;
  }
  {
    CLwvLock lock;
    m_pLookupFile.reset();
  }
  WriteLastTraFile(path);
  ExportAddOnFiles(path);
  const UINT message = m_params.nSwitchBroadcastMsg;
  if (message != 0) BroadcastOnce(*this, message);
  return TRUE;
}
