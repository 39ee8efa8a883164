// What windows, dialogs and documents need of the running program, without
// the application object: its name for captions, its main window and how
// that is first shown, the last stop of command routing, and the document
// commands a frame or document hands on. CWinApp provides them; this
// interface owns no window and no document.
//
// Who is handed them: the application gives itself to each document template
// it adds (CWinApp::AddDocTemplate); a document reaches them through its
// template (CDocument::GetAppServices); a frame made by a template takes them
// from its creation context (CFrameWnd::GetAppServices).
// Where the running program's services (LwGetAppServices) remain, because no
// owner can hand them: dialogs and common dialogs (their owner window and the
// last stop of their commands; one may open before any document), a frame the
// program made itself, a template no program added and a document without a
// template, and the main-window bookkeeping when a window goes
// (CWnd::FinishNcDestroy).
#pragma once

#include "CmdTarget.h"

class CDocTemplate;
class CDocument;
class CWnd;

class CAppServices {
 public:
  virtual ~CAppServices() = default;

  virtual LPCTSTR GetAppName() const = 0;  // null without one
  virtual CWnd* GetMainWnd() const = 0;
  virtual void SetMainWnd(CWnd* wnd) = 0;
  virtual int GetShowCommand() const = 0;  // how the main window is first shown
  virtual CCmdTarget* GetCommandTarget() = 0;

  virtual CDocument* OpenDocumentFile(LPCTSTR path) = 0;
  virtual BOOL SaveAllModified() = 0;
  virtual void CloseAllDocuments() = 0;
  virtual void AddToRecentFileList(LPCTSTR path) = 0;
  virtual BOOL DoPromptFileName(CString& path, BOOL open, CDocTemplate* docTemplate) = 0;
};

// The running program's services; null before its application object exists.
// Only for the places named above.
CAppServices* LwGetAppServices();
// The running program's main window; null without a program or one.
CWnd* AfxGetMainWnd();
// The program's name, or fallback without a program or a name.
LPCTSTR LwAppNameOr(LPCTSTR fallback);
// The program's module (the executable's before the application starts).
HINSTANCE AfxGetInstanceHandle();
// A message box through the program's DoMessageBox (a plain one without it).
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT stringId, UINT type = MB_OK, UINT helpId = UINT(-1));
