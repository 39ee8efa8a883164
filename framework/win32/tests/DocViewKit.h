// Document/view test program: an application that answers its message boxes
// and file prompts from queues, a document, plain, scrolling and form views,
// a frame with bars and one with a splitter, and a log of what ran.
#pragma once

#include "DocViewResource.h"
#include "UiServices.h"
#include "ReporterCapture.h"
#include "../../tests/TestPaths.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace dvtest {

struct Log {
  std::vector<std::string> commands;  // who handled: "view", "doc", "frame", "app", "form"
  std::vector<LPARAM> hints;          // OnUpdate hints seen by the plain views
  int initialUpdates = 0;
  int documentsDeleted = 0;
  bool docCommandEnabled = true;
  bool throwInUpdate = false;
  int quitOnUpdate = 0;  // not 0: the doc command's next update ends the loop with this code
  static Log& Get();
};

class CDocViewApp : public CWinApp {
 public:
  CDocViewApp();
  // Message boxes and file prompts are answered from here.
  CQueuedUiServices ui;
  // The texts of the message boxes shown since the last call.
  std::vector<CString> TakeMessages();

  int DoMessageBox(LPCTSTR text, UINT type, UINT helpId) override;
  BOOL DoPromptFileName(CString& path, BOOL open, CDocTemplate* docTemplate) override;
  void OnAppCommand();
  DECLARE_MESSAGE_MAP()

 private:
  size_t m_messagesTaken = 0;
};

class CTestDoc : public CDocument {
  DECLARE_DYNCREATE(CTestDoc)

 public:
  ~CTestDoc() override;
  CString text;
  void Serialize(CArchive& ar) override;
  void DeleteContents() override { text.Empty(); }
  void OnDocCommand();
  void OnSharedCommand();
  void OnUpdateDocCommand(CCmdUI* ui);
  void OnThrow();
  DECLARE_MESSAGE_MAP()
};

class CTestView : public CView {
  DECLARE_DYNCREATE(CTestView)

 public:
  int draws = 0;
  int printedDraws = 0;  // draws on a printer's device context
  void OnDraw(CDC* dc) override {
    ++draws;
    if (dc->IsPrinting()) ++printedDraws;
  }
  void OnInitialUpdate() override;
  void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
  void OnViewCommand();
  void OnSharedCommand();
  void OnUpdateViewCommand(CCmdUI* ui);
  DECLARE_MESSAGE_MAP()
};

class CTestScrollView : public CScrollView {
  DECLARE_DYNCREATE(CTestScrollView)

 public:
  CPoint drawnOrigin{-1, -1};  // the viewport origin OnDraw got
  void OnDraw(CDC* dc) override { drawnOrigin = dc->GetViewportOrg(); }
  void OnInitialUpdate() override;
};

class CTestForm : public CFormView {
  DECLARE_DYNCREATE(CTestForm)

 public:
  CTestForm() : CFormView(IDD_TEST_FORM) {}
  CString name = _T("Deutsch");
  void DoDataExchange(CDataExchange* dx) override;
  void OnFormCommand();
  void OnUpdateFormCommand(CCmdUI* ui);
  DECLARE_MESSAGE_MAP()
};

class CTestDocFrame : public CFrameWnd {
  DECLARE_DYNCREATE(CTestDocFrame)

 public:
  CToolBar toolbar;
  CStatusBar status;
  int OnCreate(LPCREATESTRUCT cs);
  void OnFrameCommand();
  void OnSharedCommand();
  DECLARE_MESSAGE_MAP()
};

class CTestSplitFrame : public CFrameWnd {
  DECLARE_DYNCREATE(CTestSplitFrame)

 public:
  CToolBar toolbar;
  CSplitterWnd splitter;
  int OnCreate(LPCREATESTRUCT cs);
  BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context) override;
  CTestForm* Form() const { return dynamic_cast<CTestForm*>(splitter.GetPane(0, 0)); }
  CTestView* View() const { return dynamic_cast<CTestView*>(splitter.GetPane(1, 0)); }
  DECLARE_MESSAGE_MAP()
};

// One application per test with a template of the given classes; the main
// frame goes at the end.
struct DocViewFixture : ::testing::Test {
  CDocViewApp app;
  lwtest::ReporterCapture reports;
  lwtest::Watchdog watchdog{60};
  CString dir;

  void SetUp() override;
  void TearDown() override;
  CSingleDocTemplate* AddTemplate(UINT id, const CRuntimeClass* frame, const CRuntimeClass* view);
  CTestDoc* Doc() const;
  CFrameWnd* Frame() const { return dynamic_cast<CFrameWnd*>(app.m_pMainWnd); }
  // A document file holding text, in the test's scratch folder.
  CString WriteDocFile(LPCTSTR name, LPCTSTR text) const;
  static CString ReadDocFile(const CString& path);
  // The command as a menu or accelerator sends it to the main frame.
  void Command(UINT id) const { Frame()->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  std::vector<std::string> TakeCommands() const;
  // Adds the template and makes the first, empty document.
  void StartWith(UINT id, const CRuntimeClass* frame, const CRuntimeClass* view);
};

// Toolbar button states as TB_ISBUTTONENABLED / TB_ISBUTTONCHECKED answer them.
bool ButtonEnabled(const CToolBar& bar, UINT id);
bool ButtonChecked(const CToolBar& bar, UINT id);
// Runs a key with Ctrl held down through the application's PreTranslateMessage.
BOOL PreTranslateCtrlKey(CWinApp& app, HWND target, UINT key);

}  // namespace dvtest
