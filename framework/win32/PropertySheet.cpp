#include "PropertySheet.h"


#include <cstring>

namespace {
// The sheet whose PropertySheet call is running: subclassed once comctl32
// has made its window.
CPropertySheet*& CreatingSheet() {
  thread_local CPropertySheet* sheet = nullptr;
  return sheet;
}

// A page's messages before its WM_INITDIALOG find no object; that message
// names it through the PROPSHEETPAGE in lParam, which goes on unchanged.
INT_PTR CALLBACK PageDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!CWnd::FromHandlePermanent(hwnd)) {
    if (message != WM_INITDIALOG || !lParam) return FALSE;
    LwPrepareDialog(reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGE*>(lParam)->lParam));
  }
  return LwDialogProc(hwnd, message, wParam, lParam);
}
}  // namespace

// ---- page -----------------------------------------------------------------------

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId) {
  std::memset(&m_psp, 0, sizeof(m_psp));
  m_psp.dwSize = sizeof(m_psp);
  m_psp.dwFlags = PSP_DEFAULT;
  m_psp.pszTemplate = MAKEINTRESOURCE(templateId);
  if (captionId && m_strCaption.LoadString(captionId)) m_psp.dwFlags |= PSP_USETITLE;
}

void CPropertyPage::PreparePage() {
  m_psp.dwSize = sizeof(m_psp);
  if (!(m_psp.dwFlags & PSP_DLGINDIRECT)) {
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = MAKEINTRESOURCE(m_nIDTemplate);
  }
  if (m_psp.dwFlags & PSP_USETITLE) m_psp.pszTitle = m_strCaption;
  m_psp.pfnDlgProc = &PageDialogProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
  m_bFirstSetActive = TRUE;
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header || header->hwndFrom != ::GetParent(m_hWnd)) return CDialog::OnNotify(wParam, lParam, result);
  switch (header->code) {
    case PSN_SETACTIVE:
      *result = OnSetActive() ? 0 : -1;
      return TRUE;
    case PSN_KILLACTIVE:
      *result = !OnKillActive();
      return TRUE;
    case PSN_APPLY:
      *result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
      return TRUE;
    case PSN_RESET:
      OnCancel();
      *result = 0;
      return TRUE;
    case PSN_QUERYCANCEL:
      *result = !OnQueryCancel();
      return TRUE;
    case PSN_WIZBACK:
      *result = OnWizardBack();
      return TRUE;
    case PSN_WIZNEXT:
      *result = OnWizardNext();
      return TRUE;
    case PSN_WIZFINISH:
      *result = !OnWizardFinish();
      return TRUE;
    case PSN_HELP:
      OnHelp();
      *result = 0;
      return TRUE;
    default:
      return CDialog::OnNotify(wParam, lParam, result);
  }
}

// The controls were filled at WM_INITDIALOG; later visits show the members again.
BOOL CPropertyPage::OnSetActive() {
  if (m_bFirstSetActive) m_bFirstSetActive = FALSE;
  else UpdateData(FALSE);
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}

void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }
LRESULT CPropertyPage::OnWizardBack() { return 0; }
LRESULT CPropertyPage::OnWizardNext() { return 0; }
// Finish does not leave the page through PSN_KILLACTIVE: the data moves here.
BOOL CPropertyPage::OnWizardFinish() { return UpdateData(TRUE); }

void CPropertyPage::SetModified(BOOL changed) {
  if (m_hWnd)
    ::SendMessage(::GetParent(m_hWnd), changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CPropertyPage::PreTranslateMessage(MSG*) { return FALSE; }

// ---- sheet ----------------------------------------------------------------------

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT selectPage) : m_pParentWnd(parent) {
  std::memset(&m_psh, 0, sizeof(m_psh));
  if (captionId) m_strCaption.LoadString(captionId);
  m_psh.nStartPage = selectPage;
}

CPropertySheet::CPropertySheet(LPCTSTR caption, CWnd* parent, UINT selectPage)
    : m_strCaption(caption ? caption : _T("")), m_pParentWnd(parent) {
  std::memset(&m_psh, 0, sizeof(m_psh));
  m_psh.nStartPage = selectPage;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
  if (!page) return;
  m_pages.push_back(page);
  if (!m_hWnd) return;
  page->PreparePage();
  HPROPSHEETPAGE handle = ::CreatePropertySheetPage(&page->m_psp);
  if (handle && !::SendMessage(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle)))
    ::DestroyPropertySheetPage(handle);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
  for (size_t i = 0; i < m_pages.size(); ++i)
    if (m_pages[i] == page) return static_cast<int>(i);
  return -1;
}

int CPropertySheet::GetActiveIndex() const {
  if (!m_hWnd) return static_cast<int>(m_psh.nStartPage);
  HWND current = reinterpret_cast<HWND>(::SendMessage(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
  for (size_t i = 0; i < m_pages.size(); ++i)
    if (current && m_pages[i]->m_hWnd == current) return static_cast<int>(i);
  return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

BOOL CPropertySheet::SetActivePage(int index) {
  if (index < 0 || index >= GetPageCount()) return FALSE;
  if (!m_hWnd) {
    m_psh.nStartPage = static_cast<UINT>(index);
    return TRUE;
  }
  return static_cast<BOOL>(::SendMessage(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(index), 0));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

BOOL CPropertySheet::PrepareHeader(HWND owner, bool modeless) {
  if (m_pages.empty()) return FALSE;
  m_pageRecords.clear();
  for (CPropertyPage* page : m_pages) {
    page->PreparePage();
    m_pageRecords.push_back(page->m_psp);
  }
  m_psh.dwSize = sizeof(m_psh);
  m_psh.dwFlags &= ~static_cast<DWORD>(PSH_MODELESS | PSH_USEPSTARTPAGE);
  m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_USECALLBACK | (modeless ? PSH_MODELESS : 0);
  m_psh.hwndParent = owner;
  m_psh.hInstance = AfxGetResourceHandle();
  m_psh.pszCaption = m_strCaption;
  m_psh.nPages = static_cast<UINT>(m_pageRecords.size());
  m_psh.ppsp = m_pageRecords.data();
  m_psh.pfnCallback = &SheetCallback;
  if (m_psh.nStartPage >= m_psh.nPages) m_psh.nStartPage = 0;
  return TRUE;
}

namespace {
// Style and extended style of the sheet's template (DLGTEMPLATE or the
// extended form, told apart by its signature word), as comctl32 passes it,
// writable, before it makes the window.
struct TemplateStyles {
  size_t style;
  size_t exStyle;
};

TemplateStyles StyleOffsets(const BYTE* dialogTemplate) {
  WORD signature;
  std::memcpy(&signature, dialogTemplate + 2, sizeof(signature));
  if (signature == 0xFFFF) return {12, 8};  // dlgVer, signature, helpID, exStyle, style
  return {0, 4};                            // style, dwExtendedStyle
}

void ApplyPreCreate(CWnd* sheet, BYTE* dialogTemplate) {
  TemplateStyles at = StyleOffsets(dialogTemplate);
  DWORD style, exStyle;
  std::memcpy(&style, dialogTemplate + at.style, sizeof(style));
  std::memcpy(&exStyle, dialogTemplate + at.exStyle, sizeof(exStyle));
  CREATESTRUCT cs{};
  cs.style = static_cast<LONG>(style);
  cs.dwExStyle = exStyle;
  cs.lpszClass = WC_DIALOG;
  if (!sheet->PreCreateWindow(cs)) return;
  style = static_cast<DWORD>(cs.style);
  exStyle = cs.dwExStyle;
  std::memcpy(dialogTemplate + at.style, &style, sizeof(style));
  std::memcpy(dialogTemplate + at.exStyle, &exStyle, sizeof(exStyle));
}
}  // namespace

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT message, LPARAM lParam) {
  if (message == PSCB_PRECREATE && lParam) {
    CPropertySheet* sheet = CreatingSheet();
    if (sheet)
      lw::Guarded([&] { ApplyPreCreate(sheet, reinterpret_cast<BYTE*>(lParam)); });
  } else if (message == PSCB_INITIALIZED) {
    CPropertySheet* sheet = CreatingSheet();
    CreatingSheet() = nullptr;
    if (sheet)
      lw::Guarded([&] {
        if (sheet->SubclassWindow(hwnd)) sheet->OnInitDialog();
      });
  }
  return 0;
}

INT_PTR CPropertySheet::DoModal() {
  if (m_hWnd || !PrepareHeader(lw::ModalOwner(m_pParentWnd, this), false)) return -1;
  m_bModeless = FALSE;
  m_bInModalLoop = TRUE;
  CreatingSheet() = this;
  INT_PTR result = ::PropertySheet(&m_psh);
  CreatingSheet() = nullptr;
  m_bInModalLoop = FALSE;
  if (m_hWnd) Detach();  // the window is gone
  if (result < 0) return -1;
  return result == 0 ? IDCANCEL : IsWizard() ? ID_WIZFINISH : IDOK;
}

BOOL CPropertySheet::Create(CWnd* parent) {
  if (m_hWnd) return FALSE;
  if (parent) m_pParentWnd = parent;
  if (!PrepareHeader(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, true)) return FALSE;
  m_bModeless = TRUE;
  CreatingSheet() = this;
  INT_PTR hwnd = ::PropertySheet(&m_psh);
  CreatingSheet() = nullptr;
  return hwnd && m_hWnd == reinterpret_cast<HWND>(hwnd);
}

// A modeless sheet that OK or Cancel has ended shows no page any more.
LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CWnd::WindowProc(message, wParam, lParam);
  bool mayEnd = message == WM_COMMAND || message == PSM_PRESSBUTTON || message == WM_CLOSE ||
                message == WM_SYSCOMMAND;
  if (m_bModeless && mayEnd && m_hWnd && !::SendMessage(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0)) DestroyWindow();
  return result;
}

void CPropertySheet::PostNcDestroy() { m_bModeless = FALSE; }

BOOL CPropertySheet::PreTranslateMessage(MSG* msg) {
  if (!m_bModeless || !m_hWnd) return FALSE;
  return static_cast<BOOL>(::SendMessage(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(msg)));
}

void CPropertySheet::SetWizardButtons(DWORD flags) {
  if (m_hWnd) ::SendMessage(m_hWnd, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

void CPropertySheet::SetFinishText(LPCTSTR text) {
  if (m_hWnd) ::SendMessage(m_hWnd, PSM_SETFINISHTEXT, 0, reinterpret_cast<LPARAM>(text ? text : _T("")));
}

BOOL CPropertySheet::PressButton(int button) {
  return m_hWnd && ::PostMessage(m_hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

CWnd* CPropertySheet::GetTabControl() const {
  return m_hWnd ? FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, PSM_GETTABCONTROL, 0, 0))) : nullptr;
}

// ---- Wizard97 -----------------------------------------------------------------------

CPropertyPageEx::CPropertyPageEx(UINT templateId, UINT captionId, UINT headerTitleId, UINT headerSubTitleId)
    : CPropertyPage(templateId, captionId) {
  if (headerTitleId) m_strHeaderTitle.LoadString(headerTitleId);
  if (headerSubTitleId) m_strHeaderSubTitle.LoadString(headerSubTitleId);
}

void CPropertyPageEx::PreparePage() {
  CPropertyPage::PreparePage();
  m_psp.dwFlags &= ~static_cast<DWORD>(PSP_USEHEADERTITLE | PSP_USEHEADERSUBTITLE);
  if (m_psp.dwFlags & PSP_HIDEHEADER) return;
  if (!m_strHeaderTitle.IsEmpty()) {
    m_psp.dwFlags |= PSP_USEHEADERTITLE;
    m_psp.pszHeaderTitle = m_strHeaderTitle;
  }
  if (!m_strHeaderSubTitle.IsEmpty()) {
    m_psp.dwFlags |= PSP_USEHEADERSUBTITLE;
    m_psp.pszHeaderSubTitle = m_strHeaderSubTitle;
  }
}

CPropertySheetEx::CPropertySheetEx(UINT captionId, CWnd* parent, UINT selectPage, HBITMAP watermark,
                                   HPALETTE palette, HBITMAP header)
    : CPropertySheet(captionId, parent, selectPage) {
  SetPictures(watermark, palette, header);
}

CPropertySheetEx::CPropertySheetEx(LPCTSTR caption, CWnd* parent, UINT selectPage, HBITMAP watermark,
                                   HPALETTE palette, HBITMAP header)
    : CPropertySheet(caption, parent, selectPage) {
  SetPictures(watermark, palette, header);
}

void CPropertySheetEx::SetPictures(HBITMAP watermark, HPALETTE palette, HBITMAP header) {
  if (watermark) {
    m_psh.dwFlags |= PSH_WATERMARK | PSH_USEHBMWATERMARK;
    m_psh.hbmWatermark = watermark;
  }
  if (palette) {
    m_psh.dwFlags |= PSH_USEHPLWATERMARK;
    m_psh.hplWatermark = palette;
  }
  if (header) {
    m_psh.dwFlags |= PSH_HEADER | PSH_USEHBMHEADER;
    m_psh.hbmHeader = header;
  }
}
