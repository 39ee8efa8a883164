#include "CommonDialogs.h"

#include "Gdi.h"

#include <commctrl.h>
#include "AppServices.h"

UINT_PTR CALLBACK LwCommonDialogHook(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return static_cast<UINT_PTR>(LwDialogProc(hwnd, message, wParam, lParam));
}

BOOL CCommonDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) return FALSE;
  return CDialog::OnWndMsg(message, wParam, lParam, result);
}

HWND CCommonDialog::OwnerHandle() const {
  if (m_pParentWnd) return m_pParentWnd->m_hWnd;
  CWnd* main = AfxGetMainWnd();
  return main ? main->m_hWnd : nullptr;
}

INT_PTR CCommonDialog::RunBound(BOOL (*run)(void* params), void* params) {
  if (m_hWnd) return -1;
  m_bModal = TRUE;
  LwPrepareDialog(this);
  BOOL ok = run(params);
  LwPrepareDialog(nullptr);
  if (m_hWnd) Detach();
  m_bModal = FALSE;
  return ok ? IDOK : IDCANCEL;
}

// ---- file ----

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExt, LPCTSTR fileName, DWORD flags, LPCTSTR filter,
                         CWnd* parent)
    : CCommonDialog(parent),
      m_ofn(),
      m_bOpen(openFileDialog),
      m_strDefExt(defaultExt),
      m_strFilter(filter),
      m_fileBuffer(kFileBufferSize, 0) {
  if (fileName) lstrcpyn(m_fileBuffer.data(), fileName, kFileBufferSize);
  m_ofn.lStructSize = sizeof(m_ofn);
  m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLEHOOK;
  m_ofn.lpfnHook = LwCommonDialogHook;
  m_ofn.lpstrFile = m_fileBuffer.data();
  m_ofn.nMaxFile = kFileBufferSize;
}

INT_PTR CFileDialog::DoModal() {
  CString filter = m_strFilter;
  if (!filter.IsEmpty()) {
    filter += _T('|');  // two terminators at the end
    filter.Replace(_T('|'), _T('\0'));
  }
  m_ofn.hwndOwner = OwnerHandle();
  m_ofn.lpstrFilter = filter.IsEmpty() ? nullptr : filter.GetString();
  m_ofn.lpstrDefExt = m_strDefExt.IsEmpty() ? nullptr : m_strDefExt.GetString();
  if (!m_ofn.lpstrFile || m_ofn.nMaxFile == 0) {
    m_ofn.lpstrFile = m_fileBuffer.data();
    m_ofn.nMaxFile = kFileBufferSize;
  }
  INT_PTR result;
  if (m_bOpen) result = RunBound([](void* p) { return GetOpenFileName(static_cast<OPENFILENAME*>(p)); }, &m_ofn);
  else result = RunBound([](void* p) { return GetSaveFileName(static_cast<OPENFILENAME*>(p)); }, &m_ofn);
  // The filter lived in this call only.
  m_ofn.lpstrFilter = nullptr;
  return result;
}

// A multiple selection comes as "folder\0name\0name\0\0"; a single one (also
// with OFN_ALLOWMULTISELECT) as "path\0". The position is the offset of the
// next name in the buffer + 1.
POSITION CFileDialog::GetStartPosition() const {
  const TCHAR* buffer = m_ofn.lpstrFile;
  if (!buffer || !buffer[0]) return nullptr;
  size_t first = 0;
  if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) && buffer[lstrlen(buffer) + 1]) first = lstrlen(buffer) + 1;
  return reinterpret_cast<POSITION>(first + 1);
}

CString CFileDialog::GetNextPathName(POSITION& pos) const {
  const TCHAR* buffer = m_ofn.lpstrFile;
  size_t at = reinterpret_cast<size_t>(pos);
  if (!buffer || at == 0 || at > m_ofn.nMaxFile) {
    pos = nullptr;
    return CString();
  }
  --at;
  const TCHAR* name = buffer + at;
  size_t length = static_cast<size_t>(lstrlen(name));
  size_t next = at + length + 1;
  pos = at > 0 && next < m_ofn.nMaxFile && buffer[next] ? reinterpret_cast<POSITION>(next + 1) : nullptr;
  if (at == 0) return CString(name);  // a single full path
  CString path(buffer);               // the folder
  if (!path.IsEmpty() && path[path.GetLength() - 1] != _T('\\')) path += _T('\\');
  return path + name;
}

CString CFileDialog::GetPathName() const {
  POSITION pos = GetStartPosition();
  return pos ? GetNextPathName(pos) : CString();
}

// ---- find and replace ----

CFindReplaceDialog::CFindReplaceDialog() : CCommonDialog(nullptr), m_fr() {
  m_szFindWhat[0] = m_szReplaceWith[0] = 0;
  m_fr.lStructSize = sizeof(m_fr);
  m_fr.lpfnHook = LwCommonDialogHook;
}

BOOL CFindReplaceDialog::Create(BOOL findDialogOnly, LPCTSTR findWhat, LPCTSTR replaceWith, DWORD flags, CWnd* parent) {
  if (m_hWnd) return FALSE;
  m_pParentWnd = parent;
  if (findWhat) lstrcpyn(m_szFindWhat, findWhat, 128);
  if (replaceWith) lstrcpyn(m_szReplaceWith, replaceWith, 128);
  m_fr.Flags = flags | FR_ENABLEHOOK;
  m_fr.hwndOwner = OwnerHandle();
  m_fr.lpstrFindWhat = m_szFindWhat;
  m_fr.wFindWhatLen = 128;
  m_fr.lpstrReplaceWith = m_szReplaceWith;
  m_fr.wReplaceWithLen = 128;
  m_fr.lCustData = reinterpret_cast<LPARAM>(this);
  if (!m_fr.hwndOwner) return FALSE;  // the system dialog needs an owner
  m_bModal = FALSE;
  LwPrepareDialog(this);
  HWND hwnd = findDialogOnly ? FindText(&m_fr) : ReplaceText(&m_fr);
  LwPrepareDialog(nullptr);
  if (!hwnd || hwnd != m_hWnd) return FALSE;
  ::SetWindowSubclass(hwnd, &WatchEnd, 0, reinterpret_cast<DWORD_PTR>(this));
  return TRUE;
}

LRESULT CALLBACK CFindReplaceDialog::WatchEnd(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
  if (message != WM_NCDESTROY) return ::DefSubclassProc(hwnd, message, wParam, lParam);
  ::RemoveWindowSubclass(hwnd, &WatchEnd, 0);
  LRESULT result = ::DefSubclassProc(hwnd, message, wParam, lParam);
  auto* dialog = reinterpret_cast<CFindReplaceDialog*>(self);
  if (CWnd::FromHandlePermanent(hwnd) == dialog) lw::Guarded([&] { dialog->FinishNcDestroy(); });
  return result;
}

UINT CFindReplaceDialog::GetFindReplaceMessage() {
  static const UINT message = ::RegisterWindowMessage(FINDMSGSTRING);
  return message;
}

CFindReplaceDialog* CFindReplaceDialog::GetNotifier(LPARAM lParam) {
  auto* fr = reinterpret_cast<FINDREPLACE*>(lParam);
  if (!fr) return nullptr;
  return reinterpret_cast<CFindReplaceDialog*>(fr->lCustData);
}

// ---- print ----

CPrintDialog::CPrintDialog(BOOL printSetupOnly, DWORD flags, CWnd* parent) : CCommonDialog(parent), m_pd() {
  m_pd.lStructSize = sizeof(m_pd);
  m_pd.Flags = flags | PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK | (printSetupOnly ? PD_PRINTSETUP : 0);
  m_pd.lpfnPrintHook = LwCommonDialogHook;
  m_pd.lpfnSetupHook = LwCommonDialogHook;
  m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog() {
  if (m_pd.hDevMode) GlobalFree(m_pd.hDevMode);
  if (m_pd.hDevNames) GlobalFree(m_pd.hDevNames);
  if (m_pd.hDC) DeleteDC(m_pd.hDC);
}

INT_PTR CPrintDialog::DoModal() {
  m_pd.hwndOwner = OwnerHandle();
  return RunBound([](void* p) { return PrintDlg(static_cast<PRINTDLG*>(p)); }, &m_pd);
}

// ---- page setup ----

CPageSetupDialog::CPageSetupDialog(DWORD flags, CWnd* parent) : CCommonDialog(parent), m_psd() {
  m_psd.lStructSize = sizeof(m_psd);
  m_psd.Flags = flags | PSD_ENABLEPAGESETUPHOOK;
  m_psd.lpfnPageSetupHook = LwCommonDialogHook;
}

CPageSetupDialog::~CPageSetupDialog() {
  if (m_psd.hDevMode) GlobalFree(m_psd.hDevMode);
  if (m_psd.hDevNames) GlobalFree(m_psd.hDevNames);
}

INT_PTR CPageSetupDialog::DoModal() {
  m_psd.hwndOwner = OwnerHandle();
  return RunBound([](void* p) { return PageSetupDlg(static_cast<PAGESETUPDLG*>(p)); }, &m_psd);
}

// ---- font ----

CFontDialog::CFontDialog(LPLOGFONT initial, DWORD flags, CDC* printer, CWnd* parent)
    : CCommonDialog(parent), m_cf(), m_lf() {
  m_cf.lStructSize = sizeof(m_cf);
  m_cf.lpLogFont = &m_lf;
  m_cf.Flags = flags | CF_ENABLEHOOK;
  m_cf.lpfnHook = LwCommonDialogHook;
  if (initial) {
    m_lf = *initial;
    m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
  }
  if (printer) {
    m_cf.hDC = printer->GetSafeHdc();
    m_cf.Flags |= CF_PRINTERFONTS;
  }
}

INT_PTR CFontDialog::DoModal() {
  m_cf.hwndOwner = OwnerHandle();
  return RunBound([](void* p) { return ChooseFont(static_cast<CHOOSEFONT*>(p)); }, &m_cf);
}

// ---- colour ----

COLORREF CColorDialog::s_customColors[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : CCommonDialog(parent), m_cc() {
  m_cc.lStructSize = sizeof(m_cc);
  m_cc.Flags = flags | CC_ENABLEHOOK | (initial ? CC_RGBINIT : 0);
  m_cc.rgbResult = initial;
  m_cc.lpCustColors = s_customColors;
  m_cc.lpfnHook = LwCommonDialogHook;
}

INT_PTR CColorDialog::DoModal() {
  m_cc.hwndOwner = OwnerHandle();
  return RunBound([](void* p) { return ChooseColor(static_cast<CHOOSECOLOR*>(p)); }, &m_cc);
}
