#include "LanguageFlagDlg.h"

#include "FlagBackgroundDlg.h"
#include "FlagStrip.h"
#include "LanguageCatalogue.h"
#include "LoadBmpFile.h"
#include "ProgramTexts.h"  // before LwvMFC.h: its CString is the framework's
#include "LwvMFC.h"

namespace {

// Posted after a key went to the flag list, so the list has moved its
// selection when it arrives.
const UINT WM_LW_FLAG_KEY_SELECTION = WM_APP + 0x1F1;

void ShowList(CComboBox& combo, const LwPickerList& list) {
  bool same = combo.GetCount() == list.rows.GetSize();
  for (int i = 0; same && i < list.rows.GetSize(); ++i) {
    ::CString text;
    combo.GetLBText(i, text);
    same = text == list.rows[i];
  }
  if (!same) {
    combo.ResetContent();
    for (int i = 0; i < list.rows.GetSize(); ++i) combo.AddString(list.rows[i]);
  }
  combo.SetCurSel(list.current);
  combo.EnableWindow(list.enabled ? TRUE : FALSE);
}

}  // namespace

BEGIN_MESSAGE_MAP(CLanguageFlagDlg, CDialog)
  ON_NOTIFY(NM_CLICK, IDC_FLAG_LIST, OnClickFlagList)
  ON_NOTIFY(NM_DBLCLK, IDC_FLAG_LIST, OnDblclkFlagList)
  ON_NOTIFY(LVN_KEYDOWN, IDC_FLAG_LIST, OnKeydownFlagList)
  ON_MESSAGE(WM_LW_FLAG_KEY_SELECTION, OnKeySelection)
  ON_WM_PAINT()
  ON_BN_CLICKED(IDC_OWN_FLAG, OnOwnFlag)
  ON_CBN_CLOSEUP(IDC_LANGUAGE_LIST, OnCloseupLanguage)
  ON_CBN_SELCHANGE(IDC_LANGUAGE_LIST, OnSelchangeLanguage)
  ON_CBN_SELCHANGE(IDC_SUBLANGUAGE_LIST, OnSelchangeSubLanguage)
END_MESSAGE_MAP()

CLanguageFlagDlg::CLanguageFlagDlg(CWnd* parent, UINT templateId, UINT backgroundTemplateId)
    : CDialog(templateId, parent), m_nBackgroundTemplate(backgroundTemplateId) {}

CLanguageFlagDlg::~CLanguageFlagDlg() = default;

void CLanguageFlagDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_FLAG_PREVIEW, m_preview);
  DDX_Control(dx, IDC_SUBLANGUAGE_LIST, m_subLanguageList);
  DDX_Control(dx, IDC_LANGUAGE_LIST, m_languageList);
  DDX_Control(dx, IDOK, m_okButton);
  DDX_Control(dx, IDC_FLAG_LIST, m_flagList);
  DDX_Text(dx, IDC_FLAG_INFO, m_strInfo);
}

BOOL CLanguageFlagDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_preview.GetWindowRect(&m_rcPreview);
  ScreenToClient(&m_rcPreview);
  m_okButton.EnableWindow(FALSE);
  m_languageList.EnableWindow(FALSE);
  m_subLanguageList.EnableWindow(FALSE);

  m_pImageList.reset(new CImageList);
  m_pImageList->Create(IDB_FLAG_STRIP, LW_FLAG_SIDE, 32, LW_FLAG_BACKGROUND);
  m_flagList.SetImageList(m_pImageList.get(), LVSIL_NORMAL);
  // Inserted in name order, which is the order the sort by name gives.
  for (int row : LwCountryRowsByName()) {
    const int item = m_flagList.InsertItem(m_flagList.GetItemCount(), CountryNames[row], row);
    m_flagList.SetItemData(item, static_cast<DWORD_PTR>(row));
  }
  m_flagBitmap.LoadBitmap(IDB_EMPTY_FLAG);
  return TRUE;
}

int CLanguageFlagDlg::FindCountryItem(int row) const {
  for (int item = 0; item < m_flagList.GetItemCount(); ++item)
    if (m_flagList.GetItemData(item) == static_cast<DWORD_PTR>(row)) return item;
  return -1;
}

int CLanguageFlagDlg::SelectedCountry() const {
  if (m_flagList.GetSelectedCount() != 1) return -1;
  POSITION pos = m_flagList.GetFirstSelectedItemPosition();
  const int item = m_flagList.GetNextSelectedItem(pos);
  return item < 0 ? -1 : static_cast<int>(m_flagList.GetItemData(item));
}

void CLanguageFlagDlg::ShowModel() {
  ShowList(m_languageList, m_model.Language());
  ShowList(m_subLanguageList, m_model.SubLanguage());
  m_okButton.EnableWindow(m_model.IsOkEnabled() ? TRUE : FALSE);
  const bool dropLanguage = m_model.Language().dropDown, dropSub = m_model.SubLanguage().dropDown;
  m_model.TakeDropDowns();
  if (dropLanguage) m_languageList.ShowDropDown(TRUE);
  if (dropSub) m_subLanguageList.ShowDropDown(TRUE);
}

void CLanguageFlagDlg::ChooseSelectedCountry() {
  const int row = SelectedCountry();
  if (row >= 0) {
    m_model.ChooseCountry(row);
    InvalidateRect(&m_rcPreview, TRUE);
    m_strInfo = CountryNames[row];
    UpdateData(FALSE);
  } else {
    m_model.ClearChoice();
  }
  ShowModel();
}

void CLanguageFlagDlg::OnClickFlagList(NMHDR*, LRESULT* result) {
  ChooseSelectedCountry();
  *result = 0;
}

void CLanguageFlagDlg::OnDblclkFlagList(NMHDR*, LRESULT* result) {
  *result = 0;
  if (SelectedCountry() < 0) return;
  OnOK();
}

void CLanguageFlagDlg::OnKeydownFlagList(NMHDR*, LRESULT* result) {
  *result = 0;
  PostMessage(WM_LW_FLAG_KEY_SELECTION);
}

LRESULT CLanguageFlagDlg::OnKeySelection(WPARAM, LPARAM) {
  // A key that moved the selection to another country chooses it, as a click does.
  const int row = SelectedCountry();
  if (row >= 0 && (m_model.IsOwnFlag() || row != m_model.FlagIndex())) ChooseSelectedCountry();
  return 0;
}

void CLanguageFlagDlg::OnCloseupLanguage() {
  m_model.SelectLanguage(m_languageList.GetCurSel());
  m_model.CloseLanguageList();
  ShowModel();
}

void CLanguageFlagDlg::OnSelchangeLanguage() { m_model.SelectLanguage(m_languageList.GetCurSel()); }

void CLanguageFlagDlg::OnSelchangeSubLanguage() { m_model.SelectSubLanguage(m_subLanguageList.GetCurSel()); }

void CLanguageFlagDlg::OnOK() {
  m_model.SelectLanguage(m_languageList.GetCurSel());
  m_model.SelectSubLanguage(m_subLanguageList.GetCurSel());
  const ::CString language = m_model.LanguageText(), subLanguage = m_model.SubLanguageText();
  const ::CString question = LwStringTableTexts().Format(IDS_CONFIRM_LANGID, language, subLanguage);
  if (LWAfxMessageBox(question, MB_OKCANCEL) != IDOK) return;
  m_langId = m_model.ChosenLangId();
  if (!m_model.IsOwnFlag()) DrawFlag();
  CDialog::OnOK();
}

BOOL CLanguageFlagDlg::DrawFlag() {
  CBitmap strip;
  if (!strip.LoadBitmap(IDB_FLAG_STRIP)) return FALSE;
  BITMAP bm = {};
  if (!strip.GetBitmap(&bm) || !LwFlagCellInStrip(m_model.FlagIndex(), bm.bmWidth, bm.bmHeight)) return FALSE;
  CClientDC dc(this);
  if (!m_flagBitmap.GetSafeHandle() && !m_flagBitmap.CreateCompatibleBitmap(&dc, LW_FLAG_SIDE, LW_FLAG_SIDE))
    return FALSE;
  CDC from, to;
  if (!from.CreateCompatibleDC(&dc) || !to.CreateCompatibleDC(&dc)) return FALSE;
  CBitmap* oldFrom = from.SelectObject(&strip);
  CBitmap* oldTo = to.SelectObject(&m_flagBitmap);
  to.BitBlt(0, 0, LW_FLAG_SIDE, LW_FLAG_SIDE, &from, LW_FLAG_SIDE * m_model.FlagIndex(), 0, SRCCOPY);
  from.SelectObject(oldFrom);
  to.SelectObject(oldTo);
  return TRUE;
}

void CLanguageFlagDlg::OnPaint() {
  CPaintDC dc(this);
  if (m_model.IsOwnFlag()) {
    if (!m_flagBitmap.GetSafeHandle()) return;
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap* old = memory.SelectObject(&m_flagBitmap);
    dc.BitBlt(m_rcPreview.left, m_rcPreview.top, LW_FLAG_SIDE, LW_FLAG_SIDE, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
  } else if (m_pImageList) {
    m_pImageList->Draw(&dc, m_model.FlagIndex(), m_rcPreview.TopLeft(), ILD_NORMAL);
  }
}

void CLanguageFlagDlg::OnOwnFlag() {
  CBitmap loaded;
  CPalette palette;
  if (!LoadBmpFile(&loaded, &palette)) return;
  const CSize size = loaded.GetSize();
  if (size.cx < LW_FLAG_SIDE || size.cy < LW_FLAG_SIDE) {
    LWAfxMessageBox(IDS_FLAG_TOO_SMALL);
    return;
  }
  if (size.cx > LW_FLAG_SIDE || size.cy > LW_FLAG_SIDE) LWAfxMessageBox(IDS_FLAG_CUT);
  CFlagBackgroundDlg background(nullptr, m_nBackgroundTemplate);
  background.m_pSource = &loaded;
  if (background.DoModal() != IDOK || !background.GetFlagBitmap(&m_flagBitmap)) return;
  m_model.ChooseOwnFlag();
  InvalidateRect(&m_rcPreview, TRUE);
  m_strInfo = palette.GetSafeHandle()
                  ? LwStringTableTexts().Format(IDS_OWN_FLAG_PALETTE, size.cx, size.cy, palette.GetEntryCount())
                  : LwStringTableTexts().Format(IDS_OWN_FLAG_TRUECOLOUR, size.cx, size.cy);
  UpdateData(FALSE);
  ShowModel();
}
