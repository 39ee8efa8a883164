// The application's document side: templates, opening files, the
// recent-file list in the profile and the file menu, the command line at
// start and the registration of the document types with the shell.
#include "WinApp.h"

#include "Dialog.h"
#include "DocTemplate.h"
#include "FrameWnd.h"

#include <commdlg.h>

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
  ON_COMMAND(ID_FILE_NEW, OnFileNew)
  ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
  ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

namespace {
const TCHAR kRecentSection[] = _T("Recent File List");
const TCHAR kRecentEntry[] = _T("File%d");
}  // namespace

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate) {
  if (!docTemplate) return;
  docTemplate->SetAppServices(this);
  m_templates.push_back(docTemplate);
}

CDocTemplate* CWinApp::GetDocTemplate(int index) const {
  return index >= 0 && index < static_cast<int>(m_templates.size()) ? m_templates[static_cast<size_t>(index)]
                                                                      : nullptr;
}

void CWinApp::DeleteDocTemplates() {
  for (CDocTemplate* docTemplate : m_templates) delete docTemplate;
  m_templates.clear();
  delete m_pRecentFileList;
  m_pRecentFileList = nullptr;
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR path) {
  CDocTemplate* docTemplate = GetDocTemplate(0);
  if (!docTemplate || !path || !*path) return nullptr;
  return docTemplate->OpenDocumentFile(path);
}

void CWinApp::OnFileNew() {
  if (CDocTemplate* docTemplate = GetDocTemplate(0)) docTemplate->OpenDocumentFile(nullptr);
}

BOOL CWinApp::SaveAllModified() {
  for (CDocTemplate* docTemplate : m_templates)
    if (!docTemplate->SaveAllModified()) return FALSE;
  return TRUE;
}

void CWinApp::CloseAllDocuments() {
  for (CDocTemplate* docTemplate : m_templates) docTemplate->CloseAllDocuments();
}

namespace {
// "Name (*.x)" and "*.x" of the template as a filter ("\0"-separated, ending "\0\0").
CString FilterOf(CDocTemplate* docTemplate, CString& extension) {
  CString name, pattern;
  CString filter;
  if (docTemplate && docTemplate->GetDocString(name, CDocTemplate::filterName) &&
      docTemplate->GetDocString(extension, CDocTemplate::filterExt)) {
    filter += name;
    filter += _T('\0');
    filter += _T("*") + extension;
    filter += _T('\0');
  }
  filter += _T("*.*");
  filter += _T('\0');
  filter += _T("*.*");
  filter += _T('\0');
  filter += _T('\0');
  return filter;
}
}  // namespace

BOOL CWinApp::DoPromptFileName(CString& path, BOOL open, CDocTemplate* docTemplate) {
  CString extension;
  CString filter = FilterOf(docTemplate, extension);
  if (extension.GetLength() > 1 && extension[0] == '.') extension = extension.Mid(1);
  const int size = 32768;
  CString buffer = path;
  TCHAR* file = buffer.GetBuffer(size);
  file[size - 1] = 0;
  OPENFILENAME ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = lw::ModalOwner(nullptr, nullptr);
  ofn.lpstrFilter = filter.GetString();
  ofn.lpstrFile = file;
  ofn.nMaxFile = size;
  ofn.lpstrDefExt = extension.IsEmpty() ? nullptr : extension.GetString();
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER |
              (open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
  BOOL chosen = open ? ::GetOpenFileName(&ofn) : ::GetSaveFileName(&ofn);
  buffer.ReleaseBuffer();
  if (chosen) path = buffer;
  return chosen;
}

// ---- recent files ----------------------------------------------------------------

void CWinApp::AddToRecentFileList(LPCTSTR path) {
  if (m_pRecentFileList) m_pRecentFileList->Add(path);
}

void CWinApp::LoadStdProfileSettings(UINT maxRecentFiles) {
  delete m_pRecentFileList;
  m_pRecentFileList = nullptr;
  if (maxRecentFiles == 0) return;
  if (maxRecentFiles > ID_FILE_MRU_FILE16 - ID_FILE_MRU_FILE1 + 1) maxRecentFiles = ID_FILE_MRU_FILE16 - ID_FILE_MRU_FILE1 + 1;
  m_pRecentFileList = new CRecentFileList(ID_FILE_MRU_FILE1, kRecentSection, kRecentEntry, static_cast<int>(maxRecentFiles));
  m_pRecentFileList->ReadList([this](const CString& entry) { return GetProfileString(kRecentSection, entry); });
}

void CWinApp::SaveStdProfileSettings() {
  if (!m_pRecentFileList) return;
  m_pRecentFileList->WriteList([this](const CString& entry, const CString& value) {
    WriteProfileString(kRecentSection, entry, value.IsEmpty() ? nullptr : value.GetString());
  });
}

// An entry that cannot be opened any more leaves the list.
BOOL CWinApp::OnOpenRecentFile(UINT id) {
  if (!m_pRecentFileList) return FALSE;
  int index = static_cast<int>(id) - static_cast<int>(ID_FILE_MRU_FILE1);
  if (index < 0 || index >= m_pRecentFileList->GetSize()) return FALSE;
  CString path = (*m_pRecentFileList)[index];
  if (!OpenDocumentFile(path)) {
    for (int i = 0; i < m_pRecentFileList->GetSize(); ++i) {
      if ((*m_pRecentFileList)[i] == path) {
        m_pRecentFileList->Remove(i);
        break;
      }
    }
  }
  return TRUE;
}

// The menu item of the first entry stands for the whole list: the entries
// replace it; an empty list leaves it disabled.
void CWinApp::OnUpdateRecentFileMenu(CCmdUI* ui) {
  if (!ui->m_hMenu) {
    ui->Enable(m_pRecentFileList && m_pRecentFileList->GetSize() > 0);
    return;
  }
  if (!m_pRecentFileList) {
    ui->Enable(FALSE);
    return;
  }
  HMENU menu = ui->m_hMenu;
  CString placeholder;
  if (m_pRecentFileList->GetSize() == 0) {
    // Keep the item's own text for the disabled placeholder.
    TCHAR text[256] = {};
    ::GetMenuString(menu, ui->m_nIndex, text, 256, MF_BYPOSITION);
    placeholder = text;
  }
  for (UINT id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE16; ++id) ::DeleteMenu(menu, id, MF_BYCOMMAND);
  const UINT at = ui->m_nIndex;
  if (m_pRecentFileList->GetSize() == 0) {
    ::InsertMenu(menu, at, MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1, placeholder);
    ui->m_nIndex = at;
    return;
  }
  for (int i = 0; i < m_pRecentFileList->GetSize(); ++i)
    ::InsertMenu(menu, at + static_cast<UINT>(i), MF_BYPOSITION | MF_STRING, ID_FILE_MRU_FILE1 + static_cast<UINT>(i),
                 m_pRecentFileList->GetDisplayName(i));
  ui->m_nIndex = at + static_cast<UINT>(m_pRecentFileList->GetSize()) - 1;
}

// ---- start ------------------------------------------------------------------------

void CWinApp::ParseCommandLine(CCommandLineInfo& info) { lw::ParseCommandLine(m_lpCmdLine, info); }

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info) {
  switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
      OnFileNew();
      return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
      return OpenDocumentFile(info.m_strFileName) != nullptr;
    default:
      return TRUE;
  }
}

namespace {
BOOL SetClassesValue(const CString& key, LPCTSTR name, const CString& value) {
  HKEY handle = nullptr;
  CString path = CString(_T("Software\\Classes\\")) + key;
  if (::RegCreateKeyEx(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &handle,
                       nullptr) != ERROR_SUCCESS)
    return FALSE;
  DWORD bytes = static_cast<DWORD>((value.GetLength() + 1) * sizeof(TCHAR));
  LONG status = ::RegSetValueEx(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.GetString()), bytes);
  ::RegCloseKey(handle);
  return status == ERROR_SUCCESS;
}
}  // namespace

// Extension -> type id -> type name, icon and open command of this program.
void CWinApp::RegisterShellFileTypes() {
  TCHAR module[MAX_PATH + 1] = {};
  DWORD length = ::GetModuleFileName(m_hInstance ? m_hInstance : ::GetModuleHandle(nullptr), module, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  CString program(module);
  for (CDocTemplate* docTemplate : m_templates) {
    CString typeId, typeName, extension;
    if (!docTemplate->GetDocString(typeId, CDocTemplate::regFileTypeId)) continue;
    docTemplate->GetDocString(typeName, CDocTemplate::regFileTypeName);
    SetClassesValue(typeId, nullptr, typeName);
    SetClassesValue(typeId + _T("\\DefaultIcon"), nullptr, program + _T(",0"));
    SetClassesValue(typeId + _T("\\shell\\open\\command"), nullptr, _T("\"") + program + _T("\" \"%1\""));
    if (docTemplate->GetDocString(extension, CDocTemplate::filterExt) && extension[0] == '.')
      SetClassesValue(extension, nullptr, typeId);
  }
}
