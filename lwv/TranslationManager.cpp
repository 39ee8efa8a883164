#include "TranslationManager.h"

#include "AddOnExport.h"
#include "LwFileInfo.h"
#include "LwvMessage.h"

#include <cstring>

namespace {

// Copies a text field of the record, cut at its last slot so it always ends.
void TerminateField(TCHAR* field) { field[LW_PATH_CHARS - 1] = 0; }

}  // namespace

CTranslationManager::CTranslationManager()
    : m_pCurrentFile(nullptr),
      m_pLookupFile(nullptr),
      m_pPreviousFile(nullptr),
      m_pDialogList(nullptr),
      m_pMenuWindowList(nullptr),
      m_pStdDlgSet(nullptr),
      m_bBusy(false),
      m_bSwitchCommandChosen(false),
      m_bInStatusText(false),
      m_bInToolTip(false),
      m_pSystemMenuTranslator(nullptr),
      m_hPendingDialog(nullptr),
      m_nPendingKind(LWV_NO_PENDING_DIALOG),
      m_bCaptureMode(false),
      m_pButtonModel(nullptr) {
  std::memset(&m_params, 0, sizeof(m_params));
  m_szToolTipA[0] = 0;
  m_szToolTipW[0] = 0;
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
  // The file kept (the standard one, or the remembered one that equals it).
  m_pCurrentFile->BuildStringIndex();
  ExportAddOnFiles(m_strCurrentPath);
  return TRUE;
}

BOOL CTranslationManager::LoadFile(const CString& path, bool report) {
  CTraFile* file = new CTraFile();
  if (!LwReadLanguageFile(path, *file, LW_READ_WHOLE)) {
    delete file;
    if (report) {
      CString message;
      message.Format(LWV_MSG_NO_TRA_FILE, (LPCTSTR)path, (LPCTSTR)path);
      LwvShowMessage(message);
    }
    return FALSE;
  }
  delete m_pCurrentFile;
  m_pCurrentFile = file;
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
    if (child && child->m_nKind == TRA_SWITCHDIALOG) return child;
  }
  return nullptr;
}

BOOL CTranslationManager::ExportAddOnFiles(const CString& path) { return ExportAddOnFilesOf(path) ? TRUE : FALSE; }

const LwThreadHooks* CTranslationManager::FindHooks(DWORD threadId) const {
  for (const LwThreadHooks& h : m_hooks)
    if (h.threadId == threadId) return &h;
  return nullptr;
}

void CTranslationManager::Shutdown() {
  // Hooks first: nothing may reach the objects freed below.
  RemoveHooks();
  delete m_pLookupFile;
  m_pLookupFile = nullptr;
  delete m_pCurrentFile;
  m_pCurrentFile = nullptr;
  delete m_pPreviousFile;
  m_pPreviousFile = nullptr;
  DeleteWindowObjects();
  DeleteTranslators();
}
