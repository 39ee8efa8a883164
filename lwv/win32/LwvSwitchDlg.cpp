#include "LwvSwitchDlg.h"

#include "LwvAboutDlg.h"
#include "LwvDialogFont.h"
#include "LwvMessage.h"
#include "LwvPaths.h"
#include "LwvPictures.h"
#include "LwvSDK.h"
#include "LwvProgram.h"

namespace {

int WINAPI DefaultBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type) {
  return ::MessageBox(owner, text, caption, type);
}

LwvSwitchBoxProc g_box = nullptr;

// Reading the headers of a folder full of files: a file that is no language
// file is left out, without a message for each one.
void Quiet(LPCTSTR) {}

class QuietMessages {
 public:
  QuietMessages() : m_previous(LwvSetMessageHandler(Quiet)) {}
  ~QuietMessages() { LwvSetMessageHandler(m_previous); }
  QuietMessages(const QuietMessages&) = delete;
  QuietMessages& operator=(const QuietMessages&) = delete;

 private:
  LwvMessageHandler m_previous;
};

void UseDialogFont(CWnd& control) {
  if (control.m_hWnd) ::SendMessage(control.m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(LwvDialogFont()), FALSE);
}

CString Padded(const CString& text) { return text + CString(_T(' '), 35); }

}  // namespace

LwvSwitchBoxProc LwvSetSwitchBoxProc(LwvSwitchBoxProc proc) {
  LwvSwitchBoxProc previous = g_box;
  g_box = proc;
  return previous;
}

int LwvSwitchBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type) {
  return (g_box ? g_box : DefaultBox)(owner, text, caption, type);
}

CString LwvSwitchHelpFile() {
  TCHAR path[MAX_PATH + 1] = {0};
  DWORD n = ::GetModuleFileName(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return CString();
  return LwHelpFileOf(path);
}

// ---- flag list ----

CLwvFlagList::~CLwvFlagList() {
  if (m_hWnd) DestroyWindow();
  if (m_images) ImageList_Destroy(m_images);
}

BOOL CLwvFlagList::Create(CLwvSwitchDlg* owner, const RECT& rect) {
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&init);
  m_pOwner = owner;
  // The image list belongs to this object, not to the control.
  const DWORD style = WS_CHILD | WS_TABSTOP | LVS_ICON | LVS_SINGLESEL | LVS_SHAREIMAGELISTS;
  if (!CreateEx(WS_EX_CLIENTEDGE, WC_LISTVIEW, _T(""), style, rect, owner, LWV_ID_FLAG_LIST)) return FALSE;
  m_images = ImageList_Create(32, 32, ILC_MASK | ILC_COLOR24, 10, 10);
  return TRUE;
}

int CLwvFlagList::AddItem(HBITMAP bitmap, LPCTSTR text) {
  if (!m_hWnd) return -1;
  int image = -1;
  if (m_images && bitmap) {
    image = ImageList_AddMasked(m_images, bitmap, RGB(192, 192, 192));
    ListView_SetImageList(m_hWnd, m_images, LVSIL_NORMAL);
  }
  LVITEM item;
  ZeroMemory(&item, sizeof(item));
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = GetItemCount();
  item.pszText = const_cast<LPTSTR>(text ? text : _T(""));
  item.iImage = image;
  const int at = ListView_InsertItem(m_hWnd, &item);
  if (at >= 0) ++m_nAdded;
  return at;
}

void CLwvFlagList::DeleteAllItems() {
  if (m_hWnd) ListView_DeleteAllItems(m_hWnd);
}

int CLwvFlagList::GetSelection() const {
  return m_hWnd ? ListView_GetNextItem(m_hWnd, -1, LVNI_SELECTED) : -1;
}

int CLwvFlagList::GetItemCount() const { return m_hWnd ? ListView_GetItemCount(m_hWnd) : 0; }

CString CLwvFlagList::GetItemText(int item) const {
  TCHAR buffer[512] = {0};
  if (m_hWnd) ListView_GetItemText(m_hWnd, item, 0, buffer, 511);
  return CString(buffer);
}

BOOL CLwvFlagList::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
  if (message != WM_NOTIFY || !m_pOwner || !lParam) return FALSE;
  const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
  const bool one = ListView_GetSelectedCount(m_hWnd) == 1;
  if (header->code == static_cast<UINT>(LVN_ITEMCHANGED)) {
    // The selection moved, by keyboard or mouse: OK and the rows follow it.
    const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
    if ((change->uChanged & LVIF_STATE) && ((change->uOldState ^ change->uNewState) & LVIS_SELECTED)) {
      if (one)
        m_pOwner->OnSelChange();
      else
        m_pOwner->ClearSelection();
    }
    if (result) *result = 0;
    return TRUE;
  }
  if (header->code != static_cast<UINT>(NM_CLICK) && header->code != static_cast<UINT>(NM_DBLCLK)) return FALSE;
  if (header->code == static_cast<UINT>(NM_CLICK)) {
    if (one)
      m_pOwner->OnSelChange();
    else
      m_pOwner->ClearSelection();
  } else if (one) {
    m_pOwner->OnSelChange();
    m_pOwner->OnOK();
  }
  if (result) *result = 0;
  return TRUE;
}

// ---- switch dialog ----

BEGIN_MESSAGE_MAP(CLwvSwitchDlg, CDialog)
  ON_BN_CLICKED(LWV_ID_HELP, OnHelp)
  ON_BN_CLICKED(LWV_ID_ABOUT, OnAbout)
  ON_BN_CLICKED(LWV_ID_SHOW_ALL, OnToggleAll)
END_MESSAGE_MAP()

CLwvSwitchDlg::CLwvSwitchDlg(LPCTSTR folder, BOOL allowOld, BOOL helpButton, int helpId, const CTraNode* entry)
    : m_strFolder(folder ? folder : _T("")),
      m_bAllowOld(allowOld != FALSE),
      m_bHelp(helpButton != FALSE),
      m_nHelpId(helpId),
      m_texts(LwvSwitchTexts::FromEntry(entry)) {}

CLwvSwitchDlg::CLwvSwitchDlg(LPCTSTR folder, BOOL allowOld, BOOL helpButton, int helpId, const CString& caption,
                             const CString& listLabel, const CString& ok, const CString& cancel, const CString& help,
                             const CString& versionPrefix, const CString& warning, const CString& failure)
    : CLwvSwitchDlg(folder, allowOld, helpButton, helpId, (LPCTSTR)caption, (LPCTSTR)listLabel, (LPCTSTR)ok,
                    (LPCTSTR)cancel, (LPCTSTR)help, (LPCTSTR)versionPrefix, (LPCTSTR)warning, (LPCTSTR)failure) {}

CLwvSwitchDlg::CLwvSwitchDlg(LPCTSTR folder, BOOL allowOld, BOOL helpButton, int helpId, LPCTSTR caption,
                             LPCTSTR listLabel, LPCTSTR ok, LPCTSTR cancel, LPCTSTR help, LPCTSTR versionPrefix,
                             LPCTSTR warning, LPCTSTR failure)
    : m_strFolder(folder ? folder : _T("")),
      m_bAllowOld(allowOld != FALSE),
      m_bHelp(helpButton != FALSE),
      m_nHelpId(helpId),
      m_texts(LwvSwitchTexts::FromCaller(caption, listLabel, ok, cancel, help, versionPrefix, warning, failure)) {}

CLwvSwitchDlg::~CLwvSwitchDlg() {
  delete m_pFlagList;
  if (m_hBanner) ::DeleteObject(m_hBanner);
}

BOOL CLwvSwitchDlg::OnInitDialog() {
  CreateControls();
  EnumerateFiles();
  FillList();
  return TRUE;
}

void CLwvSwitchDlg::CreateControls() {
  SetWindowText(m_texts.caption);
  CRect client;
  GetClientRect(&client);
  const int W = client.Width();
  const int H = client.Height();
  m_nLine = LwvDialogFontLineHeight(m_hWnd);
  int labelWidth = 0;
  for (const CString& label : m_texts.rowLabel) {
    const int w = LwvDialogFontTextWidth(m_hWnd, label);
    if (w > labelWidth) labelWidth = w;
  }
  m_layout = LwvComputeSwitchLayout(W, H, m_nLine, labelWidth, m_bAllowOld, m_bHelp);
  const LwvSwitchLayout& s = m_layout;

  m_hBanner = LwvLoadPicture(LwvBannerPieces());
  m_banner.Create(_T(""), 0x5000000E, CRect(s.banner.x, s.banner.y, s.banner.x + 180, s.banner.y + 64), this);
  if (m_hBanner) m_banner.SetBitmap(m_hBanner);

  if (m_bAllowOld) {
    m_showAll.Create(m_texts.showAll, 0x50000002 | WS_TABSTOP, s.check, this, LWV_ID_SHOW_ALL);
    UseDialogFont(m_showAll);
  }
  m_listLabel.Create(m_texts.listLabel, 0x5000000B, s.listLabel, this);
  UseDialogFont(m_listLabel);

  m_ok.Create(m_texts.ok, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, s.ok, this, IDOK);
  m_ok.EnableWindow(FALSE);
  m_cancel.Create(m_texts.cancel, WS_CHILD | WS_VISIBLE | WS_TABSTOP, s.cancel, this, IDCANCEL);
  if (m_bHelp) {
    m_help.Create(m_texts.help, WS_CHILD | WS_VISIBLE | WS_TABSTOP, s.help, this, LWV_ID_HELP);
    UseDialogFont(m_help);
  }
  m_about.Create(m_texts.about, WS_CHILD | WS_VISIBLE | WS_TABSTOP, s.about, this, LWV_ID_ABOUT);
  for (CWnd* w : {static_cast<CWnd*>(&m_ok), static_cast<CWnd*>(&m_cancel), static_cast<CWnd*>(&m_about)})
    UseDialogFont(*w);

  m_group.Create(m_texts.group, 0x50000007, s.group, this, 0xFFFF);
  UseDialogFont(m_group);
  for (int k = 0; k < 4; ++k) {
    m_rowLabel[k].Create(m_texts.rowLabel[k], WS_CHILD | WS_VISIBLE, s.rowLabel[k], this);
    m_rowValue[k].Create(_T(""), WS_CHILD | WS_VISIBLE, s.rowValue[k], this);
    UseDialogFont(m_rowLabel[k]);
    UseDialogFont(m_rowValue[k]);
  }
  m_pFlagList = new CLwvFlagList;
  if (m_pFlagList->Create(this, s.flagList)) UseDialogFont(*m_pFlagList);
}

void CLwvSwitchDlg::EnumerateFiles() {
  m_lists.Clear();
  LW_FILEINFO current;
  if (!LWGetFileInfo(current)) return;
  // A folder given with its closing separator gets no second one: the paths
  // listed are the ones remembered and compared later.
  CString pattern(_T("*.tra"));
  if (!m_strFolder.IsEmpty()) {
    const TCHAR last = m_strFolder[m_strFolder.GetLength() - 1];
    pattern = m_strFolder + (lw::IsPathSeparator(last) ? _T("") : _T("\\")) + pattern;
  }
  QuietMessages quiet;
  CFileFind finder;
  BOOL more = finder.FindFile(pattern);
  while (more) {
    more = finder.FindNextFile();
    if (finder.IsDirectory()) continue;
    LW_FILEINFO info;
    if (!LWGetOtherFileInfo(finder.GetFilePath(), info)) continue;
    m_lists.Offer(current, info);
  }
  finder.Close();
}

bool CLwvSwitchDlg::ShowsOtherVersions() const {
  return m_bAllowOld && m_showAll.m_hWnd && m_showAll.GetCheck() == BST_CHECKED;
}

void CLwvSwitchDlg::FillList() {
  if (!m_pFlagList || !m_pFlagList->m_hWnd) return;
  m_pFlagList->DeleteAllItems();
  QuietMessages quiet;
  HDC dc = ::GetDC(m_hWnd);
  const bool other = ShowsOtherVersions();
  for (int i = 0; i < m_lists.GetShownCount(other); ++i) {
    bool isOther = false;
    const LW_FILEINFO* file = m_lists.AtPosition(i, other, &isOther);
    HBITMAP flag = LWGetOtherFlagBitmap(file->strFilePath, dc);
    const CString text =
        isOther ? CLwvSwitchFileLists::OtherVersionText(*file, m_texts.versionPrefix) : file->strLanguageName;
    m_pFlagList->AddItem(flag, text);
    if (flag) ::DeleteObject(flag);
  }
  ::ReleaseDC(m_hWnd, dc);
  m_pFlagList->ShowWindow(SW_SHOW);
}

void CLwvSwitchDlg::OnSelChange() {
  const LW_FILEINFO* file = m_pFlagList ? m_lists.AtPosition(m_pFlagList->GetSelection(), ShowsOtherVersions()) : nullptr;
  if (!file) {
    ClearSelection();
    return;
  }
  m_ok.EnableWindow(TRUE);
  LW_FILEINFO info;
  QuietMessages quiet;
  if (!LWGetOtherFileInfo(file->strFilePath, info)) info = *file;
  const CString values[4] = {info.strProgramVersion, info.strDate, info.strAuthor, info.strComment};
  for (int k = 0; k < 4; ++k) m_rowValue[k].SetWindowText(Padded(values[k]));
}

void CLwvSwitchDlg::ClearSelection() {
  m_ok.EnableWindow(FALSE);
  for (CStatic& value : m_rowValue)
    if (value.m_hWnd) value.SetWindowText(_T(""));
}

void CLwvSwitchDlg::OnOK() {
  bool other = false;
  const LW_FILEINFO* file =
      m_pFlagList ? m_lists.AtPosition(m_pFlagList->GetSelection(), ShowsOtherVersions(), &other) : nullptr;
  if (!file) return;
  if (other && LwvSwitchBox(m_hWnd, m_texts.warning, m_texts.caption, MB_OKCANCEL) != IDOK) return;
  m_strChosen = file->strFilePath;
  EndDialog(IDOK);
}

void CLwvSwitchDlg::OnHelp() {
  // WinHelp waits for a help file that is not there: ask only for one that is.
  const CString file = LwvSwitchHelpFile();
  if (file.IsEmpty() || ::GetFileAttributes(file) == INVALID_FILE_ATTRIBUTES) return;
  ::WinHelp(m_hWnd, file, HELP_CONTENTS, static_cast<ULONG_PTR>(m_nHelpId));
}

void CLwvSwitchDlg::OnAbout() {
  CLwvAboutDlg about(m_texts.aboutCaption, m_texts.ok.IsEmpty() ? CString(_T("OK")) : m_texts.ok, m_texts.aboutInfo);
  about.Run(this);
}

void CLwvSwitchDlg::OnToggleAll() {
  if (!m_showAll.m_hWnd) return;
  m_showAll.SetCheck(m_showAll.GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  FillList();
  ClearSelection();
}

void CLwvSwitchDlg::Run() {
  LPDLGTEMPLATE dialogTemplate = LWCreateDialogTemplate(10, 10, 250, 250);
  if (!dialogTemplate) return;
  InitModalIndirect(dialogTemplate);
  const INT_PTR result = DoModal();
  ::LocalFree(dialogTemplate);
  if (result != IDOK || m_strChosen.IsEmpty()) return;
  if (!LWSwitchFile(m_strChosen)) LwvSwitchBox(nullptr, m_texts.failure, m_texts.caption, MB_OK);
}
