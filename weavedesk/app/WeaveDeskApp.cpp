#include "WeaveDeskApp.h"

#include "DeskResource.h"
#include "MainFrame.h"
#include "MyEditView.h"
#include "TextFonts.h"
#include "TransDoc.h"

#include <cstdlib>
#include <cstring>

namespace {

// The About box: the version line from string 200.
class CAboutDlg : public CDialog {
 public:
  CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    __X_CString line;
    line.Format(IDS_ABOUT_VERSION, 3, 0, _T("0"));
    SetDlgItemText(IDC_ABOUT_VERSION, line);
    return TRUE;
  }
};

}  // namespace

BEGIN_MESSAGE_MAP(CWeaveDeskApp, __X_CWinApp)
  ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
  ON_COMMAND(ID_SWITCH_LANGUAGE, OnSwitchLanguage)
END_MESSAGE_MAP()

BOOL CWeaveDeskApp::InitInstance() {
  InitDefaultFonts();
  UseEditorProfile();
  LoadStdProfileSettings(4);
  StartTranslation(ProgramFolder());
  RegisterTemplate();
  if (!OpenFirstFile()) return FALSE;
  m_pMainWnd->ShowWindow(SW_SHOWNORMAL);
  m_pMainWnd->UpdateWindow();
  m_pMainWnd->DragAcceptFiles();
  return TRUE;
}

void CWeaveDeskApp::UseEditorProfile() {
  SetRegistryKey(_T("Lingoweave"));
  free(const_cast<LPTSTR>(m_pszProfileName));
  m_pszProfileName = _tcsdup(_T("Editor"));
}

CString CWeaveDeskApp::ProgramFolder() {
  TCHAR program[MAX_PATH] = {0};
  DWORD length = ::GetModuleFileName(nullptr, program, MAX_PATH);
  CString path(program, length < MAX_PATH ? static_cast<int>(length) : 0);
  const int slash = path.ReverseFind(_T('\\'));
  return slash < 0 ? path : path.Left(slash);
}

void CWeaveDeskApp::StartTranslation(const CString& folder) {
  LW_STARTPARAMS params;
  std::memset(&params, 0, sizeof(params));
  params.dwSize = sizeof(params);
  lstrcpyn(params.szStdFile, folder + _T("\\WeaveDesk.tra"), LW_PATH_CHARS);
  lstrcpyn(params.szTraPath, folder, LW_PATH_CHARS);
  if (m_hLwvKey) ::RegCloseKey(m_hLwvKey);
  m_hLwvKey = GetAppRegistryKey();
  params.hRegKey = m_hLwvKey;
  LWStart(&params);  // without the file the program runs in German
  LWAddThread(::GetCurrentThreadId());
}

void CWeaveDeskApp::RegisterTemplate() {
  AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTransDoc), RUNTIME_CLASS(CMainFrame),
                                        RUNTIME_CLASS(CMyEditView)));
  EnableShellOpen();
  RegisterShellFileTypes();
}

BOOL CWeaveDeskApp::OpenFirstFile() {
  CCommandLineInfo info;
  ParseCommandLine(info);
  m_strCommandLineFile = info.m_strFileName;
  CTransDoc::SetStartFile(TakeCommandLineFile());
  info.m_nShellCommand = CCommandLineInfo::FileNew;  // the document opens the file itself
  return ProcessShellCommand(info);
}

CString CWeaveDeskApp::TakeCommandLineFile() {
  CString file = m_strCommandLineFile;
  m_strCommandLineFile.Empty();
  return file;
}

CDocument* CWeaveDeskApp::OpenDocumentFile(LPCTSTR path) {
  CDocTemplate* docTemplate = GetDocTemplate(0);
  CTransDoc* doc = docTemplate ? dynamic_cast<CTransDoc*>(docTemplate->GetDocument(0)) : nullptr;
  if (!doc || !path || !*path) return nullptr;
  return doc->OpenNamedFile(path) ? doc : nullptr;
}

void CWeaveDeskApp::OnAppAbout() {
  CAboutDlg dialog;
  dialog.DoModal();
}

void CWeaveDeskApp::OnSwitchLanguage() {
  LWSwitchDialog();
  if (CMainFrame* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()))
    if (CMyEditView* view = frame->GetEditView()) view->ToolWindows().RebuildDialogEditor();
}

int CWeaveDeskApp::ExitInstance() {
  int code = __X_CWinApp::ExitInstance();  // ends the library
  if (m_hLwvKey) ::RegCloseKey(m_hLwvKey);
  m_hLwvKey = nullptr;
  return code;
}
