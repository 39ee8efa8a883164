// The application base of translated programs: the start-up every program
// shares (its profile, its folder and help file, the library started on its
// own language file) and the end of the library in ExitInstance. The
// program's own switch options and windows stay with the program.
#pragma once

#include "FrameworkWin.h"
#include "Lwv.h"

class __X_CWinApp : public CWinApp {
 public:
  explicit __X_CWinApp(LPCTSTR appName = nullptr) : CWinApp(appName) {}
  ~__X_CWinApp() override;
  int ExitInstance() override;

  // The folder of the program file, without a trailing backslash.
  static CString ProgramFolder();
  // The help file beside the program: its path with ".hlp" for its extension.
  static CString ProgramHelpFile();

 protected:
  // The registry key "Lingoweave" with the program's profile name.
  void UseProfile(LPCTSTR profileName);
  // Starts the library on file in folder, which is also the switch dialog's
  // folder, with the switch options already in params and the application
  // key for the remembered file; then hooks this thread. Without the file
  // the program runs in its own language.
  void StartLanguageFile(const CString& folder, LPCTSTR file, LW_STARTPARAMS& params);

 private:
  HKEY m_hLwvKey = nullptr;  // the application key the library remembers its file under
};
