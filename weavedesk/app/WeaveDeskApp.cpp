#include "WeaveDeskApp.h"

#include "DeskResource.h"
#include "DeskStrings.h"
#include "MainFrame.h"
#include "MyEditView.h"
#include "TextFonts.h"
#include "TransDoc.h"

#include <cstring>

namespace {

// The About box: the version line from string 200.
class CAboutDlg : public CDialog {
 public:
  CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_ABOUT_VERSION, DeskTexts().Format(IDS_ABOUT_VERSION, 3, 0, _T("0")));
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

void CWeaveDeskApp::UseEditorProfile() { UseProfile(_T("Editor")); }

void CWeaveDeskApp::StartTranslation(const CString& folder) {
  LW_STARTPARAMS params;
  std::memset(&params, 0, sizeof(params));
  StartLanguageFile(folder, _T("WeaveDesk.tra"), params);  // without the file the program runs in German
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
  OnLanguageSwitched();
}

void CWeaveDeskApp::OnLanguageSwitched() {
  if (CMainFrame* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()))
    if (CMyEditView* view = frame->GetEditView()) {
      view->ToolWindows().RebuildDialogEditor();
      view->UpdatePositionText();  // not only at the next click
      if (CTransDoc* doc = view->GetDoc()) doc->Desk().UpdateTitle();
    }
}
