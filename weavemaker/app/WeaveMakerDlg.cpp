#include "WeaveMakerDlg.h"

#include "FlagBitmaps.h"
#include "FlagStatic.h"
#include "LanguageFlagDlg.h"
#include "MakerPages.h"
#include "ResLiveCapture.h"
#include "TraFile.h"
#include "WeaveMakerIds.h"
#include "XString.h"

namespace {

const UINT kAddOnColumns[] = {IDS_ADDON_COLUMN_NAME, IDS_ADDON_COLUMN_PATH, IDS_ADDON_COLUMN_INFO,
                              IDS_ADDON_COLUMN_LENGTH};

CString Loaded(UINT id) { return __X_CString(MAKEINTRESOURCE(id)); }

// Sets an edit's text only when it differs, so typing keeps its caret.
void SetTextIfChanged(CWnd* wnd, const CString& text) {
  if (!wnd) return;
  CString now;
  wnd->GetWindowText(now);
  if (now != text) wnd->SetWindowText(text);
}

}  // namespace

bool CMakerUiServices::PickFlag(LwFlagChoice& flag) {
  CLanguageFlagDlg dialog(nullptr, IDD_LANGUAGEFLAG_WIZARD, IDD_FLAGBACKGROUND_WIZARD);
  const INT_PTR result = dialog.DoModal();
  if (result == -1) {
    flag.failed = true;  // the caller says what that means for it
    return false;
  }
  if (result != IDOK) return false;
  const LwFlagPixels pixels = LwReadFlagPixels(static_cast<HBITMAP>(dialog.m_flagBitmap.m_hObject));
  flag.langId = dialog.m_langId;
  flag.pixels.assign(pixels.begin(), pixels.end());
  return true;
}

BEGIN_MESSAGE_MAP(CWeaveMakerDlg, CDialog)
  ON_WM_CLOSE()
  ON_WM_DESTROY()
  ON_WM_SIZE()
  ON_WM_GETMINMAXINFO()
  ON_WM_LBUTTONDOWN()
  ON_WM_PAINT()
  ON_WM_QUERYDRAGICON()
  ON_NOTIFY(TCN_SELCHANGE, IDC_TAB, OnSelchangeTab)
  ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOW, 0, 0xFFFFFFFFu, OnToolTipText)
  ON_EN_CHANGE(IDC_PROGRAM_NAME, OnChangeHeaderEdit)
  ON_EN_CHANGE(IDC_PROGRAM_VERSION, OnChangeHeaderEdit)
  ON_EN_CHANGE(IDC_LANGUAGE_NAME, OnChangeHeaderEdit)
  ON_NOTIFY(NM_CLICK, IDC_RC_LIST, OnListNotify)
  ON_NOTIFY(NM_DBLCLK, IDC_RC_LIST, OnListNotify)
  ON_NOTIFY(NM_SETFOCUS, IDC_RC_LIST, OnListNotify)
  ON_NOTIFY(NM_KILLFOCUS, IDC_RC_LIST, OnListNotify)
  ON_NOTIFY(NM_CLICK, IDC_ADDON_LIST, OnListNotify)
  ON_NOTIFY(NM_DBLCLK, IDC_ADDON_LIST, OnListNotify)
  ON_NOTIFY(NM_SETFOCUS, IDC_ADDON_LIST, OnListNotify)
  ON_NOTIFY(NM_KILLFOCUS, IDC_ADDON_LIST, OnListNotify)
  ON_EN_UPDATE(IDC_ADDON_DESCRIPTION, OnChangeAddOnDescription)
  ON_EN_UPDATE(IDC_ADDON_EXPORT, OnChangeAddOnExportPath)
  ON_EN_KILLFOCUS(IDC_ADDON_EXPORT, OnLeaveAddOnExportPath)
  ON_BN_CLICKED(IDC_PROJECT_NEW, OnProjectNew)
  ON_COMMAND(ID_PROJECT_NEW, OnProjectNew)
  ON_BN_CLICKED(IDC_PROJECT_OPEN, OnProjectOpen)
  ON_COMMAND(ID_PROJECT_OPEN, OnProjectOpen)
  ON_BN_CLICKED(IDC_PROJECT_SAVE, OnProjectSave)
  ON_COMMAND(ID_PROJECT_SAVE, OnProjectSave)
  ON_BN_CLICKED(IDC_PROJECT_SAVEAS, OnProjectSaveAs)
  ON_COMMAND(ID_PROJECT_SAVEAS, OnProjectSaveAs)
  ON_BN_CLICKED(IDC_RC_INSERT, OnResourceInsert)
  ON_COMMAND(ID_RESOURCE_INSERT, OnResourceInsert)
  ON_BN_CLICKED(IDC_RC_REMOVE, OnResourceRemove)
  ON_COMMAND(ID_RESOURCE_REMOVE, OnResourceRemove)
  ON_COMMAND(ID_STANDARD_DIALOGS, OnStandardDialogs)
  ON_BN_CLICKED(IDC_ADDON_INSERT, OnAddOnInsert)
  ON_BN_CLICKED(IDC_ADDON_DELETE, OnAddOnDelete)
  ON_BN_CLICKED(IDC_TRA_SAVE, OnLanguageFileSave)
  ON_COMMAND(ID_TRA_SAVE, OnLanguageFileSave)
  ON_BN_CLICKED(IDC_TRA_SAVEAS, OnLanguageFileSaveAs)
  ON_COMMAND(ID_TRA_SAVEAS, OnLanguageFileSaveAs)
  ON_BN_CLICKED(IDC_TEST_SETTINGS, OnTestSettings)
  ON_COMMAND(ID_TEST_SETTINGS, OnTestSettings)
  ON_COMMAND(ID_TEST_WRITE, OnNothing)
  ON_BN_CLICKED(IDC_TEST_CHECK, OnTestCheck)
  ON_BN_CLICKED(IDC_SAVE_AND_CLOSE, OnSaveAndClose)
  ON_COMMAND(ID_APP_ABOUT_WIZARD, OnAbout)
  ON_COMMAND(ID_HELP_CONTENTS, OnHelp)
  ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelp)
END_MESSAGE_MAP()

CWeaveMakerDlg::CWeaveMakerDlg(CWnd* parent)
    : CDialog(IDD_WEAVEMAKER_DIALOG, parent), m_ownUi(this), m_pUi(&m_ownUi) {
  m_pController.reset(new CMakerController(*m_pUi, *this));
}

CWeaveMakerDlg::~CWeaveMakerDlg() {
  m_pFlag.reset();
  m_pProgress.reset();
}

void CWeaveMakerDlg::SetUiServices(CUiServices* ui) {
  m_pUi = ui ? ui : &m_ownUi;
  m_pController.reset(new CMakerController(*m_pUi, *this));
}

CRect CWeaveMakerDlg::PageRect() {
  CRect rect;
  m_tab.GetWindowRect(&rect);
  ScreenToClient(&rect);
  // Below the tabs' labels (all rows of them), inside the control's frame.
  int labelsBottom = 0;
  for (int i = 0; i < m_tab.GetItemCount(); ++i) {
    CRect item(0, 0, 0, 0);
    if (m_tab.GetItemRect(i, &item) && item.bottom > labelsBottom) labelsBottom = item.bottom;
  }
  rect.top += labelsBottom + 4;
  rect.DeflateRect(4, 0);
  rect.bottom -= 4;
  return rect;
}

BOOL CWeaveMakerDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_tab.SubclassDlgItem(IDC_TAB, this);
  InitTabs();  // the labels first: the pages go below them
  CreatePages();
  m_hIcon = ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  m_projectList.AttachTo(this, IDC_PROJECT_LIST);
  m_rcList.AttachTo(this, IDC_RC_LIST);
  m_addOnList.AttachTo(this, IDC_ADDON_LIST, IDB_ADDONS);
  m_traList.AttachTo(this, IDC_TRA_LIST);
  m_addOnList.InsertColumns(Loaded(kAddOnColumns[0]), Loaded(kAddOnColumns[1]), Loaded(kAddOnColumns[2]),
                            Loaded(kAddOnColumns[3]));
  SetUpButtons();
  GetDlgItemText(IDC_TEST_CHECK, m_strTestCheckCaption);
  SetProjectChanged(FALSE);
  ShowPage(0);
  CRect window;
  GetWindowRect(&window);
  m_nMinWidth = window.Width();
  m_nMinHeight = window.Height();
  CRect client;
  GetClientRect(&client);
  m_nLastCx = client.Width();
  m_nLastCy = client.Height();
  ProcessCommandLine();
  m_bInitialized = true;
  return TRUE;
}

void CWeaveMakerDlg::CreatePages() {
  const CRect page = PageRect();
  m_tree.Create(IDC_RESOURCE_TREE, this, page);
  m_problems.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL |
                        WS_HSCROLL | WS_VSCROLL | ES_WANTRETURN,
                    page, this, IDC_PROBLEMS);
  if (m_problemsFont.CreateFont(15, 10, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, _T("Courier New")))
    m_problems.SetFont(&m_problemsFont);
  m_problems.SetWindowText(Loaded(IDS_NO_MESSAGES));
  m_stdList.Create(this, page, [this] { OnStandardDialogs(); });
}

void CWeaveMakerDlg::PlacePages() {
  const CRect page = PageRect();
  for (CWnd* w : {static_cast<CWnd*>(&m_tree), static_cast<CWnd*>(&m_stdList), static_cast<CWnd*>(&m_problems)})
    if (w->m_hWnd) w->MoveWindow(page);
}

// The captions in the current language; the widths stay.
void CWeaveMakerDlg::SetAddOnColumnCaptions() {
  if (!m_addOnList.m_hWnd) return;
  for (size_t i = 0; i < std::size(kAddOnColumns); ++i) {
    CString caption = Loaded(kAddOnColumns[i]);
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT;
    column.pszText = caption.GetBuffer();
    m_addOnList.SendMessage(LVM_SETCOLUMN, i, reinterpret_cast<LPARAM>(&column));
    caption.ReleaseBuffer();
  }
}

void CWeaveMakerDlg::SetUpButtons() {
  for (size_t i = 0; i < std::size(kMakerButtons); ++i) {
    const MakerPictureButton& b = kMakerButtons[i];
    if (!m_buttons[i].AttachTo(this, b.id)) continue;
    m_buttons[i].SetBitmaps(b.tip, b.normal, b.pressed, b.hover, b.disabled);
  }
}

void CWeaveMakerDlg::InitTabs() {
  m_tab.DeleteAllItems();
  for (const MakerPageRow& row : kMakerPages) m_tab.InsertItem(static_cast<int>(row.page), Loaded(row.caption));
  m_tab.SetCurSel(m_nCurrentTab);
}

void CWeaveMakerDlg::OnLanguageSwitched() {
  if (!m_hWnd) return;
  InitTabs();
  PlacePages();  // the library may have moved the tab control
  SetAddOnColumnCaptions();
  SetProjectChanged(FALSE);
  if (m_pController->GetProject()) ShowProblems(m_pController->GetProblems());
  else m_problems.SetWindowText(Loaded(IDS_NO_MESSAGES));
  Invalidate(TRUE);
}

void CWeaveMakerDlg::ShowPage(int index) {
  m_nCurrentTab = index;
  if (m_tab.m_hWnd && m_tab.GetCurSel() != index) m_tab.SetCurSel(index);
  const MakerPageRow* shown = MakerPageAt(static_cast<size_t>(index));
  for (const MakerPageRow& row : kMakerPages) {
    const int show = &row == shown ? SW_SHOW : SW_HIDE;
    for (size_t i = 0; i < row.controlCount; ++i)
      if (CWnd* w = GetDlgItem(static_cast<int>(row.controls[i]))) w->ShowWindow(show);
    if (row.window)
      if (CWnd* w = GetDlgItem(static_cast<int>(row.window))) w->ShowWindow(show);
  }
  if (m_pFlag && m_pFlag->m_hWnd) m_pFlag->ShowWindow(shown && shown->showsFlag ? SW_SHOW : SW_HIDE);
}

void CWeaveMakerDlg::OnSelchangeTab(NMHDR*, LRESULT* result) {
  ShowPage(m_tab.GetCurFocus());
  *result = 0;
}

BOOL CWeaveMakerDlg::OnToolTipText(UINT, NMHDR* header, LRESULT* result) {
  *result = 0;
  const UINT_PTR id = header->idFrom;
  if (const MakerPageRow* page = MakerPageAt(static_cast<size_t>(id))) {  // a tab
    lw::SetToolTipText(header, page->tip ? Loaded(page->tip) : CString(kMakerAddOnTip));
    return TRUE;
  }
  HWND tool = reinterpret_cast<HWND>(id);
  if (::IsWindow(tool) && ::GetDlgCtrlID(tool) != 0) {
    lw::SetToolTipText(header, CString(_T("Hallo")));
    return TRUE;
  }
  return FALSE;
}

// --- refresh

void CWeaveMakerDlg::SetProjectChanged(BOOL noCopy) {
  if (!m_hWnd) return;
  CWizardProject* project = m_pController->GetProject();
  if (project) {
    m_tree.Fill(project->GetTraFile()->GetRootNode());
    m_projectList.Fill(project->GetProjectFileName(), true);
    m_rcList.Fill(*project);
    m_addOnList.Fill(*project->GetTraFile()->GetAddOnFiles());
    m_stdList.Fill(project->GetTraFile()->GetStdDialogOptions());
  } else {
    m_tree.Fill(nullptr);
    m_projectList.DeleteAllItems();
    m_rcList.DeleteAllItems();
    m_addOnList.DeleteAllItems();
    m_stdList.Fill(nullptr);
    m_traList.DeleteAllItems();
    m_pFlag.reset();
  }
  if (project && m_pController->IsLoaded()) {
    m_traList.Fill(project->GetTraPath(), false);
    CString caption;
    caption.Format(Loaded(IDS_TEST_FILE_CHECK).GetString(), project->GetTestFileName().GetString());
    SetDlgItemText(IDC_TEST_CHECK, caption);
  } else if (!project) {
    SetDlgItemText(IDC_TEST_CHECK, m_strTestCheckCaption);
  }
  UpdateControls(noCopy);
}

void CWeaveMakerDlg::EnableItem(UINT id, bool enabled) {
  if (MakerIsMenuCommand(id)) {
    if (HMENU menu = ::GetMenu(m_hWnd))
      ::EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    return;
  }
  if (CWnd* w = GetDlgItem(static_cast<int>(id))) w->EnableWindow(enabled);
}

void CWeaveMakerDlg::UpdateControls(BOOL noCopy) {
  if (!m_hWnd) return;
  CWizardProject* project = m_pController->GetProject();
  if (project && !noCopy) CopyHeaderEdits();
  MakerStateFlags flags = m_pController->Flags();
  flags.scriptSelected = m_rcList.m_hWnd && m_rcList.GetSelectedCount() > 0;
  flags.addOnsSelected = m_addOnList.m_hWnd ? static_cast<int>(m_addOnList.GetSelectedCount()) : 0;
  SetWindowText(MakerTitle(Loaded(IDS_TITLE), project != nullptr,
                           project ? project->GetProjectFileName() : CString(), flags.projectModified));
  for (const MakerEnabled& e : MakerEnabling(flags)) EnableItem(e.id, e.enabled);
  CheckDlgButton(IDC_TEST_CHECK, flags.project && flags.writeTestFile ? BST_CHECKED : BST_UNCHECKED);
  UpdateAddOnEdits();
}

void CWeaveMakerDlg::UpdateAddOnEdits() {
  const int selected = m_addOnList.m_hWnd ? m_addOnList.GetSingleSelection() : -1;
  CWizardProject* project = m_pController->GetProject();
  const CAddOnFile* file = project && selected >= 0 ? project->GetTraFile()->GetAddOnFiles()->GetAt(selected) : nullptr;
  m_nSelectedAddOn = file ? selected : -1;
  if (!file) return;
  m_bFilling = true;  // the edits' update handlers stay quiet
  SetTextIfChanged(GetDlgItem(IDC_ADDON_DESCRIPTION), file->GetDescription());
  SetTextIfChanged(GetDlgItem(IDC_ADDON_EXPORT), file->GetExportPath());
  m_bFilling = false;
}

void CWeaveMakerDlg::FillHeaderEdits() {
  if (!m_hWnd) return;
  const CWizardProject* project = m_pController->GetProject();
  const CTraFile* file = project ? project->GetTraFile() : nullptr;
  m_bFilling = true;  // without a project the edits are emptied
  SetDlgItemText(IDC_PROGRAM_NAME, file ? file->GetProgramName() : CString());
  SetDlgItemText(IDC_PROGRAM_VERSION, file ? file->GetProgramVersion() : CString());
  SetDlgItemText(IDC_LANGUAGE_NAME, file ? file->GetLanguageName() : CString());
  m_bFilling = false;
}

void CWeaveMakerDlg::CopyHeaderEdits() {
  CWizardProject* project = m_pController->GetProject();
  if (!project || !m_hWnd) return;
  CTraFile& file = *project->GetTraFile();
  CString text;
  GetDlgItemText(IDC_PROGRAM_NAME, text);
  file.SetProgramName(text);
  GetDlgItemText(IDC_PROGRAM_VERSION, text);
  file.SetProgramVersion(text);
  GetDlgItemText(IDC_LANGUAGE_NAME, text);
  file.SetLanguageName(text);
}

void CWeaveMakerDlg::ShowProblems(const CString& log) {
  if (m_problems.m_hWnd) m_problems.SetWindowText(log);
}

void CWeaveMakerDlg::ProjectFolderChanged(const CString& folder) {
  SetDlgItemText(IDC_PROJECT_FOLDER, folder);
  if (!folder.IsEmpty()) ::SetCurrentDirectory(folder);
}

bool CWeaveMakerDlg::ConfigureAddOn(const CString& fileName, CString& description, CString& exportPath) {
  CAddOnConfigDlg dialog(this);
  dialog.SetFileName(fileName);
  dialog.m_strDescription = description;
  dialog.m_strExportPath = exportPath;
  if (dialog.DoModal() != IDOK) return false;
  description = dialog.GetDescription();
  exportPath = dialog.GetExportPath();
  return true;
}

WizardScanServices CWeaveMakerDlg::ScanServices() {
  if (!m_pCapture) m_pCapture.reset(new CResLiveCapture(m_hWnd));
  if (!m_pProgress) m_pProgress.reset(new CProgressDlg(this));
  WizardScanServices services;
  services.capture = m_pCapture.get();
  services.progress = m_pProgress.get();
  return services;
}

void CWeaveMakerDlg::UpdateFlagPreview() {
  CWizardProject* project = m_pController->GetProject();
  m_pFlag.reset();
  if (!project || !m_hWnd) return;
  CWnd* frame = GetDlgItem(IDC_FLAG_FRAME);
  if (!frame) return;
  CRect rect;
  frame->GetWindowRect(&rect);
  ScreenToClient(&rect);
  HDC dc = ::GetDC(m_hWnd);
  HBITMAP flag = project->GetTraFile()->CreateFlagBitmap(dc);
  ::ReleaseDC(m_hWnd, dc);
  if (!flag) return;
  CBitmap* bitmap = new CBitmap;
  bitmap->Attach(flag);
  m_pFlag.reset(new CFlagStatic(this, rect, bitmap));
  const MakerPageRow* page = MakerPageAt(static_cast<size_t>(m_nCurrentTab));
  if (!page || !page->showsFlag) m_pFlag->ShowWindow(SW_HIDE);
}

// --- handlers

void CWeaveMakerDlg::OnChangeHeaderEdit() {
  if (m_bFilling || !m_pController->GetProject()) return;
  m_pController->OnHeaderEdited();
  UpdateControls(FALSE);
}

void CWeaveMakerDlg::OnListNotify(NMHDR*, LRESULT* result) {
  UpdateControls(FALSE);
  *result = 0;
}

void CWeaveMakerDlg::OnChangeAddOnDescription() {
  if (m_bFilling || m_nSelectedAddOn < 0) return;
  CString text;
  GetDlgItemText(IDC_ADDON_DESCRIPTION, text);
  const int index = m_nSelectedAddOn;
  if (m_pController->SetAddOnDescription(index, text))
    m_addOnList.UpdateRow(index, *m_pController->GetProject()->GetTraFile()->GetAddOnFiles()->GetAt(index));
  UpdateControls(FALSE);
}

void CWeaveMakerDlg::OnChangeAddOnExportPath() {
  if (m_bFilling || m_nSelectedAddOn < 0) return;
  CString text;
  GetDlgItemText(IDC_ADDON_EXPORT, text);
  const int index = m_nSelectedAddOn;
  // What is not stored stays in the edit as typed, until the edit is left.
  if (!m_pController->SetAddOnExportPath(index, text)) return;
  m_addOnList.UpdateRow(index, *m_pController->GetProject()->GetTraFile()->GetAddOnFiles()->GetAt(index));
  UpdateControls(FALSE);
}

// Checked when the edit is left: while typing, a path passes through forms
// that are not allowed.
void CWeaveMakerDlg::OnLeaveAddOnExportPath() {
  if (m_bFilling || m_nSelectedAddOn < 0 || m_bClosing) return;
  CString text;
  GetDlgItemText(IDC_ADDON_EXPORT, text);
  const int index = m_nSelectedAddOn;
  if (m_pController->LeaveAddOnExportPath(index, text)) return;
  const CAddOnFile* file = m_pController->GetProject()->GetTraFile()->GetAddOnFiles()->GetAt(index);
  m_bFilling = true;  // back to what is stored
  SetDlgItemText(IDC_ADDON_EXPORT, file ? file->GetExportPath() : CString());
  m_bFilling = false;
}

void CWeaveMakerDlg::OnResourceRemove() { m_pController->RemoveScripts(m_rcList.SelectedScripts()); }

void CWeaveMakerDlg::OnAddOnDelete() {
  CWizardProject* project = m_pController->GetProject();
  if (!project) return;
  if (m_addOnList.DeleteSelected(*project->GetTraFile()->GetAddOnFiles()) > 0) m_pController->AddOnFilesDeleted();
}

void CWeaveMakerDlg::OnStandardDialogs() {
  CWizardProject* project = m_pController->GetProject();
  if (!project) return;
  CStdDialogsDlg dialog(this);
  dialog.SetOptionBlock(project->GetTraFile()->GetStdDialogOptions());
  if (dialog.DoModal() != IDOK) return;
  BYTE* block = dialog.GetOptionBlock();
  m_pController->SetStandardDialogOptions(block);
  delete[] block;
}

void CWeaveMakerDlg::OnLanguageFileSave() {
  if (CLanguageFileCommands* commands = m_pController->LanguageFileCommands()) commands->OnLanguageFileSave();
}

void CWeaveMakerDlg::OnLanguageFileSaveAs() {
  if (CLanguageFileCommands* commands = m_pController->LanguageFileCommands()) commands->OnLanguageFileSaveAs();
}

void CWeaveMakerDlg::OnTestSettings() {
  CLanguageFileCommands* commands = m_pController->LanguageFileCommands();
  if (!commands) return;
  commands->OnTestSettings([this](WizardTestSettings& settings) {
    CTestVersionDlg dialog(settings, this);
    return dialog.DoModal() == IDOK;
  });
}

void CWeaveMakerDlg::OnTestCheck() {
  if (CLanguageFileCommands* commands = m_pController->LanguageFileCommands())
    commands->OnTestCheck(IsDlgButtonChecked(IDC_TEST_CHECK) == BST_CHECKED ? 1 : 0);
}

void CWeaveMakerDlg::OnAbout() {
  CAboutDlg dialog(this);
  dialog.DoModal();
}

// The help file beside the program, or "" when there is none: without one
// WinHelp would hang looking for it.
static CString HelpFile() {
  TCHAR module[MAX_PATH] = {0};
  const DWORD length = ::GetModuleFileName(nullptr, module, MAX_PATH);
  CString help(module, length < MAX_PATH ? static_cast<int>(length) : 0);
  const int dot = help.ReverseFind(_T('.'));
  if (dot < 0) return CString();
  help = help.Left(dot) + _T(".hlp");
  return ::GetFileAttributes(help) == INVALID_FILE_ATTRIBUTES ? CString() : help;
}

void CWeaveMakerDlg::OnHelp() {
  const CString help = HelpFile();
  if (!help.IsEmpty()) ::WinHelp(m_hWnd, help, HELP_CONTEXT, kDialogHelpBase + IDD_WEAVEMAKER_DIALOG);
}

void CWeaveMakerDlg::ProcessCommandLine() {
  TCHAR current[MAX_PATH] = {0};
  const DWORD length = ::GetCurrentDirectory(MAX_PATH, current);
  const CString folder = length > 0 && length < MAX_PATH ? CString(current) : CString();
  m_pController->ProcessCommandLine(m_strCommandLine, folder, [](const CString& path) {
    WIN32_FIND_DATA data;
    HANDLE found = ::FindFirstFile(path, &data);
    if (found == INVALID_HANDLE_VALUE) return false;
    ::FindClose(found);
    return true;
  });
}

// --- closing

bool CWeaveMakerDlg::QuerySave() {
  if (m_bClosing) return true;
  return m_pController->QuerySave();
}

void CWeaveMakerDlg::OnOK() {
  if (!QuerySave()) return;
  m_bClosing = true;
  EndDialog(IDOK);
}

// Escape and the window's close box ask as "Schließen" does.
void CWeaveMakerDlg::OnCancel() {
  if (!QuerySave()) return;
  m_bClosing = true;
  EndDialog(IDCANCEL);
}

void CWeaveMakerDlg::OnClose() { OnCancel(); }

void CWeaveMakerDlg::OnSaveAndClose() {
  if (!m_pController->SaveAndClose()) return;
  m_bClosing = true;
  EndDialog(IDOK);
}

void CWeaveMakerDlg::OnDestroy() {
  const CString help = HelpFile();  // help that was opened ends with the wizard
  if (!help.IsEmpty()) ::WinHelp(m_hWnd, help, HELP_QUIT, 0);
  m_pFlag.reset();
  m_pProgress.reset();
  Default();
}

// --- size

void CWeaveMakerDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
  if (m_nMinWidth < 0 && m_hWnd) {
    CRect window;
    GetWindowRect(&window);
    m_nMinWidth = window.Width();
    m_nMinHeight = window.Height();
  }
  if (m_nMinWidth > 0) {
    info->ptMinTrackSize.x = m_nMinWidth;
    info->ptMinTrackSize.y = m_nMinHeight;
  }
}

void CWeaveMakerDlg::OnSize(UINT type, int cx, int cy) {
  Default();
  if (type == SIZE_MINIMIZED) return;
  const int dx = cx - m_nLastCx, dy = cy - m_nLastCy;
  m_nLastCx = cx;
  m_nLastCy = cy;
  if (!m_bInitialized || (dx == 0 && dy == 0)) return;
  for (UINT id : MakerResizedControls()) {
    CWnd* w = GetDlgItem(static_cast<int>(id));
    if (!w) continue;
    CRect rect;
    w->GetWindowRect(&rect);
    ScreenToClient(&rect);
    w->MoveWindow(MakerResized(rect, MakerResizeRuleFor(id), dx, dy));
  }
  Invalidate(TRUE);
}

// --- mouse and paint

void CWeaveMakerDlg::OnLButtonDown(UINT, CPoint point) {
  // Only where the flag is shown: page 0 with a project.
  const MakerPageRow* page = MakerPageAt(static_cast<size_t>(m_nCurrentTab));
  if (m_pController->GetProject() && page && page->showsFlag && m_pFlag && m_pFlag->IsWindowVisible()) {
    CRect frame;
    GetDlgItem(IDC_FLAG_FRAME)->GetWindowRect(&frame);
    ScreenToClient(&frame);
    if (MakerFlagHit(frame, point)) m_pController->ChooseLanguageFlag();
  }
  Default();
}

void CWeaveMakerDlg::OnPaint() {
  if (!IsIconic()) {
    Default();
    return;
  }
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(m_hWnd, &paint);
  CRect client;
  GetClientRect(&client);
  ::DrawIcon(dc, (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2,
             (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2, m_hIcon);
  ::EndPaint(m_hWnd, &paint);
}

HCURSOR CWeaveMakerDlg::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }
