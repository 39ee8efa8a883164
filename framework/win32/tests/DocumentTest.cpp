#include "DocViewKit.h"

#include <shlobj.h>

namespace dvtest {
namespace {

struct Documents : DocViewFixture {
  void SetUp() override {
    DocViewFixture::SetUp();
    AddTemplate(IDR_DOC_FRAME, RUNTIME_CLASS(CTestDocFrame), RUNTIME_CLASS(CTestView));
  }
};

TEST_F(Documents, ANewDocumentGetsItsFrameViewAndTitle) {
  CCommandLineInfo info;
  ASSERT_TRUE(app.ProcessShellCommand(info));
  ASSERT_NE(Frame(), nullptr);
  ASSERT_NE(Doc(), nullptr);
  EXPECT_EQ(Frame(), Doc()->GetView(0)->GetParentFrame());
  EXPECT_EQ(Frame()->GetActiveDocument(), Doc());
  EXPECT_EQ(Doc()->GetTitle(), CString(_T("Unbenannt")));
  EXPECT_EQ(Frame()->GetWindowTextString(), CString(_T("Unbenannt - Pr\xfc" "fprogramm")));
  EXPECT_TRUE(Frame()->IsWindowVisible());
  EXPECT_EQ(Log::Get().initialUpdates, 1);
  // The view fills what the bars leave.
  CRect client, view, toolbar, status;
  Frame()->GetClientRect(&client);
  Doc()->GetView(0)->GetWindowRect(&view);
  static_cast<CTestDocFrame*>(Frame())->toolbar.GetWindowRect(&toolbar);
  static_cast<CTestDocFrame*>(Frame())->status.GetWindowRect(&status);
  EXPECT_EQ(view.Height(), client.Height() - toolbar.Height() - status.Height());
  EXPECT_EQ(view.Width(), client.Width());
  // Hints reach every view but the sender.
  Doc()->UpdateAllViews(nullptr, 4);
  Doc()->UpdateAllViews(Doc()->GetView(0), 5);
  EXPECT_EQ(Log::Get().hints, (std::vector<LPARAM>{0, 4}));
  Doc()->SetTitle(_T("x.lwt*"));
  EXPECT_EQ(Frame()->GetWindowTextString(), CString(_T("x.lwt* - Pr\xfc" "fprogramm")));
}

// Services handed to a template on their own, apart from the running
// program's: records which main window and recent files reach it.
class CHandedServices : public CAppServices {
 public:
  CWnd* mainWnd = nullptr;
  std::vector<CString> recent;
  CCmdTarget commands;

  LPCTSTR GetAppName() const override { return _T("Handed"); }
  CWnd* GetMainWnd() const override { return mainWnd; }
  void SetMainWnd(CWnd* wnd) override { mainWnd = wnd; }
  int GetShowCommand() const override { return SW_SHOWNOACTIVATE; }
  CCmdTarget* GetCommandTarget() override { return &commands; }
  CDocument* OpenDocumentFile(LPCTSTR) override { return nullptr; }
  BOOL SaveAllModified() override { return TRUE; }
  void CloseAllDocuments() override {}
  void AddToRecentFileList(LPCTSTR path) override { recent.push_back(path); }
  BOOL DoPromptFileName(CString&, BOOL, CDocTemplate*) override { return FALSE; }
};

// The application hands itself to the templates it adds; a template hands
// what it was given to its documents and the frames it makes, not the
// running program's services.
TEST_F(Documents, TheProgramsServicesReachDocumentsAndFramesThroughTheirTemplate) {
  app.OnFileNew();
  ASSERT_NE(Doc(), nullptr);
  CAppServices* program = &app;
  EXPECT_EQ(app.GetDocTemplate(0)->GetAppServices(), program);
  EXPECT_EQ(Doc()->GetAppServices(), program);
  EXPECT_EQ(Frame()->GetAppServices(), program);

  CHandedServices handed;
  CSingleDocTemplate other(IDR_DOC_FRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestDocFrame),
                           RUNTIME_CLASS(CTestView));
  EXPECT_EQ(other.GetAppServices(), program) << "a template nobody added reaches the running program's";
  CTestDoc loose;
  EXPECT_EQ(loose.GetAppServices(), program) << "so does a document without a template";
  other.SetAppServices(&handed);
  CString path = WriteDocFile(_T("handed.lwt"), _T("inhalt"));
  CDocument* doc = other.OpenDocumentFile(path, FALSE);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->GetAppServices(), &handed);
  ASSERT_NE(handed.mainWnd, nullptr) << "the first frame became the handed services' main window";
  auto* frame = dynamic_cast<CFrameWnd*>(handed.mainWnd);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->GetAppServices(), &handed);
  EXPECT_NE(app.m_pMainWnd, frame);
  EXPECT_EQ(handed.recent, (std::vector<CString>{path}));
  handed.mainWnd = nullptr;
  frame->DestroyWindow();
  EXPECT_EQ(other.GetDocumentCount(), 0) << "the document went with its frame";
}

// Modified: Cancel keeps the frame; Yes saves under a chosen name, then the
// frame and the document go.
TEST_F(Documents, ClosingAskYesNoCancelAndSavesOnYes) {
  app.OnFileNew();
  ASSERT_NE(Doc(), nullptr);
  HWND frame = Frame()->m_hWnd;
  Doc()->text = _T("Gr\xfc\xdf" "e");
  Doc()->SetModifiedFlag();

  app.ui.QueueMessageAnswer(IDCANCEL);
  ::SendMessage(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(::IsWindow(frame));
  EXPECT_EQ(app.TakeMessages(), std::vector<CString>{_T("\xc4" "nderungen an Unbenannt speichern?")});
  EXPECT_EQ(app.ui.Messages()[0].type & MB_TYPEMASK, UINT(MB_YESNOCANCEL));
  EXPECT_EQ(Log::Get().documentsDeleted, 0);

  CString path = dir + _T("gespeichert.lwt");
  ::DeleteFile(path);
  app.ui.QueueMessageAnswer(IDYES);
  app.ui.QueueFile(path);
  ::SendMessage(frame, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(frame));
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(Log::Get().documentsDeleted, 1);
  EXPECT_EQ(ReadDocFile(path), CString(_T("Gr\xfc\xdf" "e")));
  EXPECT_EQ(app.m_pRecentFileList, nullptr) << "no list without LoadStdProfileSettings";
}

// No: the changes are dropped; a document without changes closes unasked.
TEST_F(Documents, ClosingWithNoOrWithoutChanges) {
  struct Case {
    bool modified;
    std::vector<int> answers;
    size_t questions;
  } cases[] = {{true, {IDNO}, 1}, {false, {}, 0}};
  for (const Case& c : cases) {
    app.OnFileNew();
    ASSERT_NE(Frame(), nullptr);
    HWND frame = Frame()->m_hWnd;
    Doc()->SetModifiedFlag(c.modified);
    for (int answer : c.answers) app.ui.QueueMessageAnswer(answer);
    Frame()->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(frame));
    EXPECT_EQ(app.TakeMessages().size(), c.questions);
    MSG msg;
    while (::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  EXPECT_EQ(Log::Get().documentsDeleted, 2);
}

// A document that overrides SaveModified decides alone.
class CStubbornDoc : public CTestDoc {
  DECLARE_DYNCREATE(CStubbornDoc)

 public:
  int asked = 0;
  BOOL SaveModified() override {
    ++asked;
    return asked > 1;
  }
};
IMPLEMENT_DYNCREATE(CStubbornDoc, CTestDoc)

TEST_F(DocViewFixture, ADocumentCanOverrideTheSaveQuestion) {
  app.AddDocTemplate(new CSingleDocTemplate(IDR_DOC_FRAME, RUNTIME_CLASS(CStubbornDoc), RUNTIME_CLASS(CTestDocFrame),
                                            RUNTIME_CLASS(CTestView)));
  app.OnFileNew();
  auto* doc = dynamic_cast<CStubbornDoc*>(Doc());
  ASSERT_NE(doc, nullptr);
  HWND frame = Frame()->m_hWnd;
  ::SendMessage(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(::IsWindow(frame));
  ::SendMessage(frame, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(frame));
  EXPECT_TRUE(app.TakeMessages().empty()) << "the framework's question never came";
}

TEST_F(Documents, OpeningReadsTheFileAndKeepsARecentFileList) {
  app.LoadStdProfileSettings(4);
  ASSERT_NE(app.m_pRecentFileList, nullptr);
  CString first = WriteDocFile(_T("erste.lwt"), _T("eins"));
  CString second = WriteDocFile(_T("zweite.lwt"), _T("zwei"));
  ASSERT_NE(app.OpenDocumentFile(first), nullptr);
  CTestDoc* doc = Doc();
  EXPECT_EQ(doc->text, CString(_T("eins")));
  EXPECT_EQ(doc->GetPathName(), first);
  EXPECT_EQ(doc->GetTitle(), CString(_T("erste.lwt")));
  EXPECT_EQ(Frame()->GetWindowTextString(), CString(_T("erste.lwt - Pr\xfc" "fprogramm")));
  ASSERT_EQ(app.OpenDocumentFile(second), doc) << "one document, reused";
  EXPECT_EQ(doc->text, CString(_T("zwei")));
  EXPECT_EQ(Log::Get().initialUpdates, 2);

  // The file menu shows the list in place of its placeholder.
  HMENU file = ::GetSubMenu(::GetMenu(Frame()->m_hWnd), 0);
  Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  TCHAR text[MAX_PATH + 8] = {};
  ::GetMenuString(file, ID_FILE_MRU_FILE1, text, MAX_PATH + 8, MF_BYCOMMAND);
  EXPECT_EQ(CString(text), _T("&1 ") + second);
  ::GetMenuString(file, ID_FILE_MRU_FILE1 + 1, text, MAX_PATH + 8, MF_BYCOMMAND);
  EXPECT_EQ(CString(text), _T("&2 ") + first);
  EXPECT_EQ(::GetMenuItemID(file, 3), UINT(ID_FILE_MRU_FILE1 + 1));
  EXPECT_EQ(::GetMenuItemID(file, 5), UINT(ID_APP_EXIT)) << "the items after the list stay";
  EXPECT_EQ(::GetMenuState(file, ID_APP_EXIT, MF_BYCOMMAND) & MF_GRAYED, 0u);

  // Entry 2 opens the first file again through OpenDocumentFile.
  Command(ID_FILE_MRU_FILE1 + 1);
  EXPECT_EQ(Doc()->GetPathName(), first);
  EXPECT_EQ((*app.m_pRecentFileList)[0], first);

  // The list reaches the profile at exit and comes back from it.
  app.ExitInstance();
  EXPECT_EQ(app.GetProfileString(_T("Recent File List"), _T("File1")), first);
  EXPECT_EQ(app.GetProfileString(_T("Recent File List"), _T("File2")), second);
  app.LoadStdProfileSettings(4);
  EXPECT_EQ(app.m_pRecentFileList->GetSize(), 2);
}

// A file that cannot be read is reported with its name; the document that
// lost its contents keeps no path to be saved over, and the dead entry
// leaves the recent-file list.
TEST_F(Documents, AFailedOpenNamesTheFileAndLeavesNoStalePath) {
  app.LoadStdProfileSettings(4);
  CString good = WriteDocFile(_T("gut.lwt"), _T("gut"));
  CString missing = dir + _T("fehlt.lwt");
  CString broken = dir + _T("kaputt.lwt");
  {
    CFile file(broken, CFile::modeCreate | CFile::modeWrite);
    const BYTE bytes[] = {0x40};
    file.Write(bytes, 1);
  }
  ASSERT_NE(app.OpenDocumentFile(good), nullptr);
  struct Case {
    CString path;
  } cases[] = {{missing}, {broken}};
  for (const Case& c : cases) {
    app.ui.QueueMessageAnswer(IDOK);
    EXPECT_EQ(app.OpenDocumentFile(c.path), nullptr);
    std::vector<CString> messages = app.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Find(_T("Die Datei ") + c.path + _T(" lie\xdf sich nicht \xf6" "ffnen.\n")), 0)
        << CStringA(messages[0]).GetString();
    EXPECT_NE(messages[0].Find(c.path, 20), -1) << "the cause names the file too";
    ASSERT_NE(Doc(), nullptr);
    EXPECT_TRUE(Doc()->GetPathName().IsEmpty());
    EXPECT_EQ(Doc()->GetTitle(), CString(_T("Unbenannt")));
    EXPECT_FALSE(Doc()->IsModified());
  }
  ASSERT_EQ(app.m_pRecentFileList->GetSize(), 1);
  app.m_pRecentFileList->Add(missing);
  app.ui.QueueMessageAnswer(IDOK);
  Command(ID_FILE_MRU_FILE1);
  EXPECT_EQ(app.m_pRecentFileList->GetSize(), 1);
  EXPECT_EQ((*app.m_pRecentFileList)[0], good);
}

// The first open, from the command line, fails: no frame is left behind.
TEST_F(Documents, AFailedFirstOpenLeavesNoFrame) {
  CCommandLineInfo info;
  lw::ParseCommandLine(_T("\"") + dir + _T("gibt es nicht.lwt\""), info);
  ASSERT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
  app.ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(app.ProcessShellCommand(info));
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(Doc(), nullptr);
  EXPECT_EQ(Log::Get().documentsDeleted, 1);
}

HGLOBAL MakeDrop(const std::vector<CString>& paths) {
  size_t chars = 1;
  for (const CString& p : paths) chars += CStringW(p).GetLength() + 1;
  HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(WCHAR));
  auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  auto* out = reinterpret_cast<WCHAR*>(drop + 1);
  for (const CString& p : paths) {
    CStringW wide(p);
    memcpy(out, wide.GetString(), (wide.GetLength() + 1) * sizeof(WCHAR));
    out += wide.GetLength() + 1;
  }
  ::GlobalUnlock(memory);
  return memory;
}

TEST_F(Documents, DroppedFilesGoThroughOpenDocumentFile) {
  app.OnFileNew();
  CString first = WriteDocFile(_T("fallen1.lwt"), _T("eins"));
  CString second = WriteDocFile(_T("fallen \xe4.lwt"), _T("zwei"));
  Frame()->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({first, second})));
  EXPECT_EQ(Doc()->GetPathName(), second);
  EXPECT_EQ(Doc()->text, CString(_T("zwei")));
  EXPECT_EQ(Log::Get().initialUpdates, 3);
}

TEST_F(Documents, SaveWritesACompleteNewFileAndRenamesTheDocument) {
  CString path = WriteDocFile(_T("alt.lwt"), _T("alt"));
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  Doc()->text = _T("neu");
  Doc()->SetModifiedFlag();
  Command(ID_FILE_SAVE);
  EXPECT_TRUE(app.ui.FileQuestions().empty());
  EXPECT_FALSE(Doc()->IsModified());
  EXPECT_EQ(ReadDocFile(path), CString(_T("neu")));

  CString other = dir + _T("anders.lwt");
  app.ui.QueueFile(other);
  Command(ID_FILE_SAVE_AS);
  EXPECT_EQ(Doc()->GetPathName(), other);
  EXPECT_EQ(ReadDocFile(other), CString(_T("neu")));
  app.ui.QueueFileCancel();
  Command(ID_FILE_SAVE_AS);
  EXPECT_EQ(Doc()->GetPathName(), other) << "cancelled";

  // A folder that does not exist: the old file stays, the failure names the path.
  CString nowhere = dir + _T("fehlt\\neu.lwt");
  app.ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(Doc()->DoSave(nowhere));
  std::vector<CString> messages = app.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].Find(nowhere), -1);
  EXPECT_EQ(Doc()->GetPathName(), other);
}

TEST_F(Documents, ShellTypesAreRegisteredForTheUser) {
  // Both widths' programs write the same keys: one at a time.
  HANDLE lock = ::CreateMutex(nullptr, FALSE, _T("LingoweaveShellTypesTest"));
  ASSERT_EQ(::WaitForSingleObject(lock, 20000), WAIT_OBJECT_0);
  app.EnableShellOpen();
  app.RegisterShellFileTypes();
  auto read = [](LPCTSTR key) {
    TCHAR value[MAX_PATH * 2] = {};
    LONG size = sizeof(value);
    CString path = CString(_T("Software\\Classes\\")) + key;
    if (::RegQueryValue(HKEY_CURRENT_USER, path, value, &size) != ERROR_SUCCESS) return CString(_T("<none>"));
    return CString(value);
  };
  EXPECT_EQ(read(_T(".lwt")), CString(_T("Lingoweave.Pruefdatei")));
  EXPECT_EQ(read(_T("Lingoweave.Pruefdatei")), CString(_T("Pr\xfc" "fdatei")));
  CString command = read(_T("Lingoweave.Pruefdatei\\shell\\open\\command"));
  EXPECT_NE(command.Find(_T("docview_test_")), -1);
  EXPECT_EQ(command.Right(4), CString(_T("\"%1\"")));
  ::RegDeleteTree(HKEY_CURRENT_USER, _T("Software\\Classes\\Lingoweave.Pruefdatei"));
  ::RegDeleteTree(HKEY_CURRENT_USER, _T("Software\\Classes\\.lwt"));
  ::ReleaseMutex(lock);
  ::CloseHandle(lock);
}

}  // namespace
}  // namespace dvtest
