#include "DocViewKit.h"

namespace dvtest {

Log& Log::Get() {
  static Log log;
  return log;
}

namespace {
void Record(const char* who) { Log::Get().commands.push_back(who); }
}  // namespace

// ---- application ---------------------------------------------------------------

BEGIN_MESSAGE_MAP(CDocViewApp, CWinApp)
  ON_COMMAND(ID_TEST_APP_CMD, OnAppCommand)
END_MESSAGE_MAP()

CDocViewApp::CDocViewApp() : CWinApp(sizeof(TCHAR) == 1 ? _T("DocViewTestA") : _T("DocViewTestU")) {}

int CDocViewApp::DoMessageBox(LPCTSTR text, UINT type, UINT) { return ui.ShowMessage(text, type); }

std::vector<CString> CDocViewApp::TakeMessages() {
  std::vector<CString> texts;
  for (; m_messagesTaken < ui.Messages().size(); ++m_messagesTaken) texts.push_back(ui.Messages()[m_messagesTaken].text);
  return texts;
}

BOOL CDocViewApp::DoPromptFileName(CString& path, BOOL open, CDocTemplate*) {
  LwFileChoice choice;
  choice.bOpen = open != FALSE;
  choice.strInitialPath = path;
  if (!ui.ChooseFile(choice) || choice.paths.IsEmpty()) return FALSE;
  path = choice.paths[0];
  return TRUE;
}

void CDocViewApp::OnAppCommand() { Record("app"); }

// ---- document --------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
  ON_COMMAND(ID_TEST_DOC_CMD, OnDocCommand)
  ON_UPDATE_COMMAND_UI(ID_TEST_DOC_CMD, OnUpdateDocCommand)
  ON_COMMAND(ID_TEST_SHARED_CMD, OnSharedCommand)
  ON_COMMAND(ID_TEST_THROW, OnThrow)
  ON_COMMAND(IDC_FORM_ADDONS, OnDocCommand)
END_MESSAGE_MAP()

CTestDoc::~CTestDoc() { ++Log::Get().documentsDeleted; }

void CTestDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << CStringW(text);
  } else {
    CStringW read;
    ar >> read;
    text = CString(read);
  }
}

void CTestDoc::OnDocCommand() { Record("doc"); }
void CTestDoc::OnSharedCommand() { Record("doc"); }
void CTestDoc::OnUpdateDocCommand(CCmdUI* ui) {
  if (Log::Get().throwInUpdate) throw CArchiveException(CArchiveException::badIndex, _T("C:\\kaputt.lwt"));
  ui->Enable(Log::Get().docCommandEnabled);
  if (Log::Get().quitOnUpdate) {
    ::PostQuitMessage(Log::Get().quitOnUpdate);
    Log::Get().quitOnUpdate = 0;
  }
}
void CTestDoc::OnThrow() { throw CFileException(CFileException::accessDenied, ERROR_ACCESS_DENIED, _T("C:\\gesperrt.lwt")); }

// ---- views -------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
  ON_COMMAND(ID_TEST_VIEW_CMD, OnViewCommand)
  ON_UPDATE_COMMAND_UI(ID_TEST_VIEW_CMD, OnUpdateViewCommand)
  ON_COMMAND(ID_TEST_SHARED_CMD, OnSharedCommand)
END_MESSAGE_MAP()

void CTestView::OnInitialUpdate() {
  ++Log::Get().initialUpdates;
  CView::OnInitialUpdate();
}
void CTestView::OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) {
  Log::Get().hints.push_back(hint);
  CView::OnUpdate(sender, hint, hintObject);
}
void CTestView::OnViewCommand() { Record("view"); }
void CTestView::OnSharedCommand() { Record("view"); }
void CTestView::OnUpdateViewCommand(CCmdUI* ui) { ui->SetCheck(1); }

IMPLEMENT_DYNCREATE(CTestScrollView, CScrollView)

void CTestScrollView::OnInitialUpdate() {
  ++Log::Get().initialUpdates;
  SetScrollSizes(MM_TEXT, CSize(1000, 2000), CSize(300, 400), CSize(10, 20));
}

IMPLEMENT_DYNCREATE(CTestForm, CFormView)

BEGIN_MESSAGE_MAP(CTestForm, CFormView)
  ON_COMMAND(ID_TEST_FORM_CMD, OnFormCommand)
  ON_UPDATE_COMMAND_UI(ID_TEST_FORM_CMD, OnUpdateFormCommand)
END_MESSAGE_MAP()

void CTestForm::DoDataExchange(CDataExchange* dx) { DDX_Text(dx, IDC_FORM_NAME, name); }
void CTestForm::OnFormCommand() { Record("form"); }
void CTestForm::OnUpdateFormCommand(CCmdUI* ui) { ui->SetCheck(1); }

// ---- frames -------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CTestDocFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CTestDocFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND(ID_TEST_FRAME_CMD, OnFrameCommand)
  ON_COMMAND(ID_TEST_SHARED_CMD, OnSharedCommand)
END_MESSAGE_MAP()

int CTestDocFrame::OnCreate(LPCREATESTRUCT cs) {
  if (CFrameWnd::OnCreate(cs) == -1) return -1;
  const UINT buttons[] = {ID_TEST_VIEW_CMD, ID_TEST_DOC_CMD, ID_SEPARATOR, ID_TEST_FRAME_CMD, ID_TEST_UNHANDLED};
  const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};
  if (!toolbar.Create(this) || !toolbar.LoadStandardImages() || !toolbar.SetButtons(buttons, 5)) return -1;
  if (!status.Create(this) || !status.SetIndicators(indicators, 2)) return -1;
  return 0;
}
void CTestDocFrame::OnFrameCommand() { Record("frame"); }
void CTestDocFrame::OnSharedCommand() { Record("frame"); }

IMPLEMENT_DYNCREATE(CTestSplitFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CTestSplitFrame, CFrameWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

int CTestSplitFrame::OnCreate(LPCREATESTRUCT cs) {
  if (CFrameWnd::OnCreate(cs) == -1) return -1;
  const UINT buttons[] = {ID_TEST_VIEW_CMD, ID_TEST_FORM_CMD};
  if (!toolbar.Create(this) || !toolbar.LoadStandardImages() || !toolbar.SetButtons(buttons, 2)) return -1;
  return 0;
}

BOOL CTestSplitFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
  if (!splitter.CreateStatic(this, 2, 1)) return FALSE;
  if (!splitter.CreateView(0, 0, RUNTIME_CLASS(CTestForm), CSize(100, 150), context)) return FALSE;
  if (!splitter.CreateView(1, 0, RUNTIME_CLASS(CTestView), CSize(100, 120), context)) return FALSE;
  SetActiveView(View());
  return TRUE;
}

// ---- fixture ------------------------------------------------------------------------

void DocViewFixture::SetUp() {
  Log::Get() = Log();
  app.InitApplication(::GetModuleHandle(nullptr), nullptr, SW_SHOW);
  app.SetRegistryKey(_T("LingoweaveTests"));
  app.WriteProfileString(_T("Recent File List"), nullptr, nullptr);
  dir = lwtest::ScratchDir("docview");
}

void DocViewFixture::TearDown() {
  if (app.m_pMainWnd) app.m_pMainWnd->DestroyWindow();
  MSG msg;
  while (::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  app.WriteProfileString(_T("Recent File List"), nullptr, nullptr);
  EXPECT_EQ(app.ui.Unanswered(), 0);
  EXPECT_EQ(app.ui.Unused(), 0u);
}

CSingleDocTemplate* DocViewFixture::AddTemplate(UINT id, const CRuntimeClass* frame, const CRuntimeClass* view) {
  auto* docTemplate = new CSingleDocTemplate(id, RUNTIME_CLASS(CTestDoc), frame, view);
  app.AddDocTemplate(docTemplate);
  return docTemplate;
}

CTestDoc* DocViewFixture::Doc() const {
  CDocTemplate* docTemplate = app.GetDocTemplate(0);
  return docTemplate ? dynamic_cast<CTestDoc*>(docTemplate->GetDocument(0)) : nullptr;
}

CString DocViewFixture::WriteDocFile(LPCTSTR name, LPCTSTR text) const {
  CString path = dir + name;
  CFile file(path, CFile::modeCreate | CFile::modeWrite);
  CArchive ar(&file, CArchive::store);
  ar << CStringW(text);
  ar.Close();
  file.Close();
  return path;
}

CString DocViewFixture::ReadDocFile(const CString& path) {
  CFile file(path, CFile::modeRead);
  CArchive ar(&file, CArchive::load);
  CStringW text;
  ar >> text;
  return CString(text);
}

void DocViewFixture::StartWith(UINT id, const CRuntimeClass* frame, const CRuntimeClass* view) {
  AddTemplate(id, frame, view);
  app.OnFileNew();
  ASSERT_NE(Frame(), nullptr);
}

bool ButtonEnabled(const CToolBar& bar, UINT id) { return bar.SendMessage(TB_ISBUTTONENABLED, id) != 0; }
bool ButtonChecked(const CToolBar& bar, UINT id) { return bar.SendMessage(TB_ISBUTTONCHECKED, id) != 0; }

BOOL PreTranslateCtrlKey(CWinApp& app, HWND target, UINT key) {
  BYTE saved[256] = {};
  ::GetKeyboardState(saved);
  BYTE keys[256];
  memcpy(keys, saved, sizeof(keys));
  keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
  ::SetKeyboardState(keys);
  MSG msg{target, WM_KEYDOWN, key, 0x00250001, 0, {0, 0}};
  BOOL taken = app.PreTranslateMessage(&msg);
  ::SetKeyboardState(saved);
  return taken;
}

std::vector<std::string> DocViewFixture::TakeCommands() const {
  std::vector<std::string> taken;
  taken.swap(Log::Get().commands);
  return taken;
}

}  // namespace dvtest
