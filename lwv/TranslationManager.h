// The one translation manager of a process: the copied start record, the
// language file in use, the hooks of the registered threads and everything
// the run-time translators work on. Created by LWStart, released by LWEnd.
//
// Threads. Any number of UI threads may be registered with LWAddThread; the
// hooks then run on each of them, and the LW functions may be called from
// any thread.
// - Shared, guarded by the one process-wide lock (CLwvLock, recursive): the
//   manager pointer, every field of the manager (files, window lists,
//   standard-dialog set, system-menu translator, pending common dialog,
//   capture model, hook list, busy flag), the hook code's own lists and the
//   dialog matcher's generation. Every hook call and every LW function holds
//   the lock while it works on them.
// - The lock is never held across a call that can send a message to another
//   thread, nor across a modal loop (the switch dialog opens after the hook
//   let go of it). A switch therefore swaps the files under the lock, then
//   lets go: the windows of the switching thread are translated again under
//   the lock, the windows of another registered thread are handed to that
//   thread (a message its own hook answers, translating under the lock
//   there), and the broadcast goes out without it. Switches and LWEnd
//   running at once are serialised by the switch gate; a thread waiting for
//   it still answers the messages sent to it.
// - Kept alive while in use: the manager by shared ownership (a running
//   switch holds it, LWEnd only drops the process-wide reference), the
//   current and the lookup file by shared ownership (a switch's old file
//   lives on while a hook or the switch dialog still uses it).
// - Per thread: the mark that the thread is translating its windows again
//   (its hooks leave those texts alone), the tooltip text buffers, the
//   guards against re-entering the status-bar and tooltip translation, the
//   capture of the standard buttons (only the capturing thread's dialogs are
//   measured), and whether the thread has the switch dialog open.
// - String indexes are built when a file is loaded, never by a lookup.
#pragma once

#include "Lwv.h"
#include "TraFile.h"

#include <memory>
#include <vector>

class CLwvDialogList;
class CLwvMenuWindowList;
class CStdDlgSet;
class CStdButtonModel;
class CSystemMenuTranslator;

#ifdef _WIN32
typedef HHOOK LW_HOOK;
typedef HWND LW_WINDOW;
#else
typedef void* LW_HOOK;
typedef void* LW_WINDOW;
#endif

// Texts of the manager's own diagnostics (printf-style, %s = a path).
#define LWV_MSG_NO_TRA_FILE                                                                   \
  _T("The translation file %s doesn't exist.\nThe program will run in the original language.\n") \
  _T("Please place the file %s in the proper location\nto enable the Lingoweave System.")
#define LWV_MSG_REMEMBERED_MISSING                                                  \
  _T("Warning!\nThe translation file %s,\nspecified in the INI / Registry, doesn't exist.\n\n") \
  _T("The Standard translation file %s is used instead.")

// Registry subkey / INI section and value of the remembered language file.
#define LWV_REG_SUBKEY _T("Lingoweave")
#define LWV_LAST_TRA_VALUE _T("LastTraFile")

// Pending common-dialog kind meaning "none".
const int LWV_NO_PENDING_DIALOG = 99;

// Hooks of one registered thread.
struct LwThreadHooks {
  DWORD threadId;
  LW_HOOK callWnd;
  LW_HOOK callWndRet;
};

class CTranslationManager {
 public:
  CTranslationManager();
  virtual ~CTranslationManager();
  CTranslationManager(const CTranslationManager&) = delete;
  CTranslationManager& operator=(const CTranslationManager&) = delete;

  // Copies the record, loads the standard or the remembered file.
  BOOL Start(const LW_STARTPARAMS* params);
  // Reads path into a new file and makes it current only when the whole
  // read succeeded; otherwise the file in use stays. With report set a
  // failure is shown.
  BOOL LoadFile(const CString& path, bool report);
  // Call without holding the lock (ManagerSwitch.cpp).
  BOOL SwitchFile(const CString& path);
  BOOL ExportAddOnFiles(const CString& path);

  // Installs the two hooks for a thread; one pair per thread.
  BOOL AddThread(DWORD threadId);
  // Removes the hooks of every registered thread.
  void RemoveHooks();
  // Takes the calling thread's hooks out (true when it had them) and puts
  // them back: a switch's own messages need no hooks, and under some
  // systems every hooked message is slow. A thread whose hooks cannot be
  // put back is no longer registered.
  bool SuspendOwnHooks();
  void ResumeOwnHooks();
  int GetHookCount() const { return static_cast<int>(m_hooks.size()); }
  const LwThreadHooks* FindHooks(DWORD threadId) const;

  // "LastTraFile" in the registry (subkey of hRegKey) or the INI file.
  CString ReadLastTraFile() const;
  BOOL WriteLastTraFile(const CString& path) const;

  // Frees the files, lists and translators and removes the hooks (hooks first).
  void Shutdown();

#ifdef _WIN32
  // Routing of the window hooks (win32/ManagerHooks.cpp). OnCallWndProc
  // returns true when the switch dialog is to be opened once the caller
  // has let go of the lock.
  bool OnCallWndProc(const CWPSTRUCT& msg);
  void OnInitDialog(const CWPSTRUCT& msg);
  void OnCallWndProcRet(const CWPRETSTRUCT& msg);
  void WatchCommonDialog(const CWPRETSTRUCT& msg);
  void TranslateStatusBar(const CWPRETSTRUCT& msg);
  // A message taken from the queue (the switch command chosen in a menu);
  // true as OnCallWndProc.
  bool OnGetMessage(const MSG& msg);
#endif

  // File information and flags (ManagerFileInfo.cpp, win32/ManagerFlags.cpp).
  BOOL GetFileInfo(struct LW_FILEINFO& info) const;
  BOOL GetFileInfo(LW_FILEINFO_FIXED& info) const;
  BOOL GetOtherFileInfo(const CString& path, struct LW_FILEINFO& info) const;
  BOOL GetOtherFileInfo(const CString& path, LW_FILEINFO_FIXED& info) const;
  // Translates every remembered window again from the lookup file; false
  // when that was cut short (ManagerSwitch.cpp). Call without the lock.
  bool RetranslateWindows();
#ifdef _WIN32
  HBITMAP GetFlagBitmap(HDC dc) const;
  HBITMAP GetOtherFlagBitmap(const CString& path, HDC dc) const;
#endif

  const LW_STARTPARAMS* GetParams() const { return &m_params; }
  // Replaces the copied record without loading anything.
  void SetParams(const LW_STARTPARAMS& params) { m_params = params; }
  CTraNode* FindSwitchDialogNode() const;
  CTraFile* GetCurrentFile() const { return m_pCurrentFile.get(); }
  // The current file, kept alive as long as the caller holds it.
  std::shared_ptr<CTraFile> ShareCurrentFile() const { return m_pCurrentFile; }
  // The file in use before the last switch (null when there was none).
  CTraFile* GetPreviousFile() const { return m_pPreviousFile.get(); }
  // The file string lookups consult: the lookup file of a running switch,
  // else the current file. A text the lookup file lacks is looked up in
  // the current file (an original of the program; LwvApi.cpp).
  CTraFile* GetLookupFile() const { return m_pLookupFile ? m_pLookupFile.get() : m_pCurrentFile.get(); }
  bool IsSwitchRunning() const { return m_pLookupFile != nullptr; }
  CString GetCurrentPath() const { return m_strCurrentPath; }
  bool IsBusy() const { return m_bBusy; }
  void SetBusy(bool busy) { m_bBusy = busy; }

  // The remembered windows, the system-menu translator and the standard-
  // dialog set of the current file (null before a file is loaded).
  CLwvDialogList* GetDialogList() const { return m_pDialogList.get(); }
  CLwvMenuWindowList* GetMenuWindowList() const { return m_pMenuWindowList.get(); }
  CSystemMenuTranslator* GetSystemMenuTranslator() const { return m_pSystemMenuTranslator.get(); }
  CStdDlgSet* GetStdDlgSet() const { return m_pStdDlgSet.get(); }

  // A recognised common dialog whose texts change while it runs: translated
  // again when its initialisation ends.
  void SetPendingDialog(LW_WINDOW dialog, int kind);
  // The standard buttons' capture: model measures the dialogs the calling
  // thread opens until it is cleared (null).
  void SetCaptureModel(CStdButtonModel* model);
  CStdButtonModel* GetCaptureModel() const;

 private:
  // Window lists and standard-dialog set for a newly loaded file, and their
  // release (the window-list and standard-dialog code provides them).
  void CreateWindowObjects();
  void DeleteWindowObjects();
  // Translators that live as long as the manager (system menu, ...).
  void DeleteTranslators();

  CString m_strCurrentPath;
  std::shared_ptr<CTraFile> m_pCurrentFile;
  std::shared_ptr<CTraFile> m_pLookupFile;
  std::shared_ptr<CTraFile> m_pPreviousFile;
  std::unique_ptr<CLwvDialogList> m_pDialogList;
  std::unique_ptr<CLwvMenuWindowList> m_pMenuWindowList;
  std::unique_ptr<CStdDlgSet> m_pStdDlgSet;
  std::unique_ptr<CSystemMenuTranslator> m_pSystemMenuTranslator;
  LW_STARTPARAMS m_params;
  bool m_bBusy;
  std::vector<LwThreadHooks> m_hooks;
  bool m_bSwitchCommandChosen;
  LW_WINDOW m_hPendingDialog;
  int m_nPendingKind;
  CStdButtonModel* m_pButtonModel;
  DWORD m_nCaptureThread;
};

// The process-wide manager, or null before LWStart and after LWEnd. The
// pointer is for code that holds the lock; LwHoldManager keeps it alive
// beyond that (a switch).
CTranslationManager* LwGetManager();
std::shared_ptr<CTranslationManager> LwHoldManager();
