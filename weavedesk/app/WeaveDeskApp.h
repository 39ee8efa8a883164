// WeaveDesk's application object: starts the runtime library on the
// program's own language file, registers the one document template, keeps
// the file named on the command line for the first open, and opens files
// from the shell, drops and the recent-file list through the document.
#pragma once

#include "FrameworkWin.h"
#include "LwvProgram.h"
#include "XWinApp.h"

class CWeaveDeskApp : public __X_CWinApp {
 public:
  BOOL InitInstance() override;
  int ExitInstance() override;
  CDocument* OpenDocumentFile(LPCTSTR path) override;

  const CString& GetCommandLineFile() const { return m_strCommandLineFile; }
  // The command-line file, emptied on the way: it is opened once.
  CString TakeCommandLineFile();

  // The steps of InitInstance a test runs one by one.
  void UseEditorProfile();
  // Starts the library on folder's WeaveDesk.tra (the program's folder at start).
  void StartTranslation(const CString& folder);
  void RegisterTemplate();
  // Parses the command line (a file is kept) and creates document and frame.
  BOOL OpenFirstFile();
  void OnAppAbout();
  void OnSwitchLanguage();

  // The folder of the program file, without a trailing backslash.
  static CString ProgramFolder();

 private:
  CString m_strCommandLineFile;
  HKEY m_hLwvKey = nullptr;

  DECLARE_MESSAGE_MAP()
};
