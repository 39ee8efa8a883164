// The one translation manager of a process: the copied start record, the
// language file in use, the hooks of the registered threads and everything
// the run-time translators work on. Created by LWStart, deleted by LWEnd.
#pragma once

#include "LwStartParams.h"
#include "TraFile.h"

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
  // Routing of the window hooks (win32/ManagerHooks.cpp).
  void OnCallWndProc(const CWPSTRUCT& msg);
  void OnInitDialog(const CWPSTRUCT& msg);
  void OnCallWndProcRet(const CWPRETSTRUCT& msg);
  void WatchCommonDialog(const CWPRETSTRUCT& msg);
  void TranslateStatusBar(const CWPRETSTRUCT& msg);
  // A message taken from the queue (the switch command chosen in a menu).
  void OnGetMessage(const MSG& msg);
#endif

  // File information and flags (ManagerFileInfo.cpp, win32/ManagerFlags.cpp).
  BOOL GetFileInfo(struct LW_FILEINFO& info) const;
  BOOL GetFileInfo(struct tagLW_FILEINFO_FIXED& info) const;
  BOOL GetOtherFileInfo(const CString& path, struct LW_FILEINFO& info) const;
  BOOL GetOtherFileInfo(const CString& path, struct tagLW_FILEINFO_FIXED& info) const;
  // Translates every remembered window again from the lookup file; false
  // when that was cut short (ManagerSwitch.cpp).
  bool RetranslateWindows();
#ifdef _WIN32
  HBITMAP GetFlagBitmap(HDC dc) const;
  HBITMAP GetOtherFlagBitmap(const CString& path, HDC dc) const;
#endif

  const LW_STARTPARAMS* GetParams() const { return &m_params; }
  CTraNode* FindSwitchDialogNode() const;
  CTraFile* GetCurrentFile() const { return m_pCurrentFile; }
  // The file string lookups consult: the lookup file of a running switch,
  // else the current file.
  CTraFile* GetLookupFile() const { return m_pLookupFile ? m_pLookupFile : m_pCurrentFile; }
  CString GetCurrentPath() const { return m_strCurrentPath; }
  bool IsBusy() const { return m_bBusy; }
  void SetBusy(bool busy) { m_bBusy = busy; }

 private:
  // Window lists and standard-dialog set for a newly loaded file, and their
  // release (the window-list and standard-dialog code provides them).
  void CreateWindowObjects();
  void DeleteWindowObjects();
  // Translators that live as long as the manager (system menu, ...).
  void DeleteTranslators();

 public:
  // Fields shared with the hook and translator code of the library.
  CString m_strCurrentPath;
  CTraFile* m_pCurrentFile;
  CTraFile* m_pLookupFile;
  CTraFile* m_pPreviousFile;
  CLwvDialogList* m_pDialogList;
  CLwvMenuWindowList* m_pMenuWindowList;
  CStdDlgSet* m_pStdDlgSet;
  LW_STARTPARAMS m_params;
  bool m_bBusy;
  std::vector<LwThreadHooks> m_hooks;
  bool m_bSwitchCommandChosen;
  bool m_bInStatusText;
  bool m_bInToolTip;
  CSystemMenuTranslator* m_pSystemMenuTranslator;
  LW_WINDOW m_hPendingDialog;
  int m_nPendingKind;
  bool m_bCaptureMode;
  CStdButtonModel* m_pButtonModel;
  char m_szToolTipA[512];
  WCHAR m_szToolTipW[512];
};

// The process-wide manager, or null before LWStart and after LWEnd.
CTranslationManager* LwGetManager();
