// CWinApp: the application object, its message loop and its profile, and
// (WinAppDocs.cpp) its document templates, recent-file list, command line
// and shell registration.
#pragma once

#include "AppServices.h"
#include "FrameworkIds.h"
#include "Wnd.h"

#include <vector>

class CDocTemplate;
class CDocument;


class CWinApp : public CCmdTarget, public CAppServices {
 public:
  explicit CWinApp(LPCTSTR appName = nullptr);
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  ~CWinApp() override;

  virtual BOOL InitInstance();
  virtual int ExitInstance();
  virtual int Run();
  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual BOOL OnIdle(LONG count);
  virtual int DoMessageBox(LPCTSTR text, UINT type, UINT helpId);

  // Registry profile under HKEY_CURRENT_USER\Software\<key>\<profile name>;
  // without a key the profile is the INI file m_pszProfileName.
  void SetRegistryKey(LPCTSTR key);
  void SetRegistryKey(UINT stringId);
  HKEY GetAppRegistryKey() const;                // caller closes; null on failure
  HKEY GetSectionKey(LPCTSTR section) const;     // caller closes; null on failure
  CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue = nullptr) const;
  UINT GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue) const;
  BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value);  // null value deletes
  BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value);

  HINSTANCE m_hInstance = nullptr;
  LPTSTR m_lpCmdLine = nullptr;  // the command line after the program name
  int m_nCmdShow = SW_SHOWNORMAL;
  CWnd* m_pMainWnd = nullptr;
  // Owned copies made with malloc; a program may free one and put its own
  // _tcsdup copy in its place.
  LPCTSTR m_pszAppName = nullptr;
  LPCTSTR m_pszExeName = nullptr;
  LPCTSTR m_pszProfileName = nullptr;
  LPCTSTR m_pszRegistryKey = nullptr;

  // What the windows ask of the program.
  LPCTSTR GetAppName() const override { return m_pszAppName; }
  CWnd* GetMainWnd() const override { return m_pMainWnd; }
  void SetMainWnd(CWnd* wnd) override { m_pMainWnd = wnd; }
  int GetShowCommand() const override { return m_nCmdShow; }
  CCmdTarget* GetCommandTarget() override { return this; }

  // Called by the framework's WinMain before InitInstance.
  void InitApplication(HINSTANCE instance, LPTSTR commandLine, int cmdShow);

  // Documents: the application owns its templates and hands each its services.
  void AddDocTemplate(CDocTemplate* docTemplate);
  CDocTemplate* GetDocTemplate(int index) const;
  // The document of path through the first template (dropped files, the
  // recent-file list, the command line); null when it could not be opened.
  CDocument* OpenDocumentFile(LPCTSTR path) override;
  BOOL SaveAllModified() override;
  void CloseAllDocuments() override;
  // Asks for a file name (open or save) with the template's filter; the
  // system's file dialog by default.
  BOOL DoPromptFileName(CString& path, BOOL open, CDocTemplate* docTemplate) override;

  // The recent-file list (after LoadStdProfileSettings), kept in the profile.
  void AddToRecentFileList(LPCTSTR path) override;
  void LoadStdProfileSettings(UINT maxRecentFiles = 4);
  void SaveStdProfileSettings();
  CRecentFileList* m_pRecentFileList = nullptr;

  // Start: the command line, and what it asks for (a new document by default).
  void ParseCommandLine(CCommandLineInfo& info);
  BOOL ProcessShellCommand(CCommandLineInfo& info);
  // The templates' file types as this program's, for the current user.
  void EnableShellOpen() { m_bShellOpen = TRUE; }
  void RegisterShellFileTypes();

  void OnFileNew();

 protected:
  BOOL OnOpenRecentFile(UINT id);
  void OnUpdateRecentFileMenu(CCmdUI* ui);
  void DeleteDocTemplates();

  MSG m_msgCur{};
  int m_nExitCode = 0;
  std::vector<CDocTemplate*> m_templates;
  BOOL m_bShellOpen = FALSE;

  DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
// The framework's entry: WinMain calls it with the program's arguments.
int AfxWinMain(HINSTANCE instance, LPTSTR commandLine, int cmdShow);

namespace lw {
// The command line after the program name (quotes respected).
LPTSTR SkipProgramName(LPTSTR commandLine);
}  // namespace lw
