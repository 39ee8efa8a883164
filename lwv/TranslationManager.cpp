#include "TranslationManager.h"

#include "AddOnExport.h"
#include "LwFileInfo.h"
#include "LwvLock.h"
#include "LwvMessage.h"
#include "StdDlgSet.h"
#include "SystemMenuTranslator.h"
#include "WindowLists.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Copies a text field of the record, cut at its last slot so it always ends.
void TerminateField(TCHAR* field) { field[LW_PATH_CHARS - 1] = 0; }

DWORD CallingThread() {
#ifdef _WIN32
  return ::GetCurrentThreadId();
#else
  return 1;
#endif
}

}  // namespace

CTranslationManager::CTranslationManager()
    : m_bBusy(false),
      m_bSwitchCommandChosen(false),
      m_hPendingDialog(nullptr),
      m_nPendingKind(LWV_NO_PENDING_DIALOG),
      m_pButtonModel(nullptr),
      m_nCaptureThread(0) {
  std::memset(&m_params, 0, sizeof(m_params));
}

CTranslationManager::~CTranslationManager() { Shutdown(); }

BOOL CTranslationManager::Start(const LW_STARTPARAMS* params) {
  if (!params) return FALSE;
  std::memcpy(&m_params, params, sizeof(m_params));
  TerminateField(m_params.szStdFile);
  TerminateField(m_params.szTraPath);
  TerminateField(m_params.szIniFilePath);

  CString stdFile(m_params.szStdFile);
  if (!LoadFile(stdFile, true)) return FALSE;

  CString remembered = ReadLastTraFile();
  if (!remembered.IsEmpty() && remembered != m_strCurrentPath) {
    if (SwitchFile(remembered)) return TRUE;
    CString warning;
    warning.Format(LWV_MSG_REMEMBERED_MISSING, (LPCTSTR)remembered, (LPCTSTR)m_strCurrentPath);
    LwvShowMessage(warning);
  }
  ExportAddOnFiles(m_strCurrentPath);
  return TRUE;
}

BOOL CTranslationManager::LoadFile(const CString& path, bool report) {
  std::shared_ptr<CTraFile> file(new CTraFile());
  if (!LwvReadLanguageFile(path, *file, LW_READ_WHOLE)) {
    if (report) {
      CString message;
      message.Format(LWV_MSG_NO_TRA_FILE, (LPCTSTR)path, (LPCTSTR)path);
      LwvShowMessage(message);
    }
    return FALSE;
  }
  // Indexed here, before any hook can look a string up in it.
  file->BuildStringIndex();
  CLwvLock lock;
  m_pCurrentFile = std::move(file);
  m_strCurrentPath = path;
  DeleteWindowObjects();
  CreateWindowObjects();
  return TRUE;
}

CTraNode* CTranslationManager::FindSwitchDialogNode() const {
  if (!m_pCurrentFile || !m_pCurrentFile->GetRootNode()) return nullptr;
  CString section(TRA_SECTION_DIALOGS);
  CTraNode* dialogs = m_pCurrentFile->GetRootNode()->FindPath(&section, 1);
  if (!dialogs) return nullptr;
  for (int i = 0; i < dialogs->GetChildCount(); ++i) {
    CTraNode* child = dialogs->GetChild(i);
    if (child && child->GetKind() == TRA_SWITCHDIALOG) return child;
  }
  return nullptr;
}

BOOL CTranslationManager::ExportAddOnFiles(const CString& path) {
  LwReadResult read = LW_READ_OK;
  const bool written = ExportAddOnFilesOf(path, &read);
  if (read == LW_READ_NOT_LANGUAGE_FILE) LwvShowMessage(TRA_CORRUPT_MESSAGE);
  return written ? TRUE : FALSE;
}

const LwThreadHooks* CTranslationManager::FindHooks(DWORD threadId) const {
  for (const LwThreadHooks& h : m_hooks)
    if (h.threadId == threadId) return &h;
  return nullptr;
}

void CTranslationManager::SetPendingDialog(LW_WINDOW dialog, int kind) {
  m_hPendingDialog = dialog;
  m_nPendingKind = kind;
}

void CTranslationManager::SetCaptureModel(CStdButtonModel* model) {
  m_pButtonModel = model;
  m_nCaptureThread = model ? CallingThread() : 0;
}

CStdButtonModel* CTranslationManager::GetCaptureModel() const {
  return m_pButtonModel && m_nCaptureThread == CallingThread() ? m_pButtonModel : nullptr;
}

void CTranslationManager::Shutdown() {
  // Hooks first: nothing may reach the objects freed below.
  CLwvLock lock;
  RemoveHooks();
  m_pLookupFile.reset();
  m_pCurrentFile.reset();
  m_pPreviousFile.reset();
  DeleteWindowObjects();
  DeleteTranslators();
}
