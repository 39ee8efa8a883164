// The live side of the button model: classifying and translating message
// boxes, property sheets and wizards, and the capture run that measures them.
#include "StdButtonModel.h"

#include "CaptureWatchdog.h"
#include "LwvProgram.h"
#include "LwvLock.h"
#include "TraNode.h"
#include "TranslationManager.h"

#include <commctrl.h>
#include <prsht.h>

namespace {

const int kSheetTabId = 12320;
// A capture dialog still open after this long is cancelled.
const UINT kCaptureWatchdogMs = 3000;

bool ClassIs(HWND w, const TCHAR* name) {
  TCHAR cls[64] = {0};
  GetClassName(w, cls, 63);
  return lstrcmpi(cls, name) == 0;
}

CTraNode* CurrentRoot() {
  CTranslationManager* m = LwGetManager();
  if (!m) return nullptr;
  CTraFile* f = m->GetLookupFile();
  return f ? f->GetRootNode() : nullptr;
}

// Dialog units -> pixels factors of a dialog (0.001 of a mapped 1000 x 1000).
void DialogUnits(HWND dialog, double& x, double& y) {
  RECT r = {0, 0, 1000, 1000};
  MapDialogRect(dialog, &r);
  x = r.right * 0.001;
  y = r.bottom * 0.001;
}

INT_PTR CALLBACK EmptyPageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

void CStdButtonModel::ShowSampleSheet(DWORD flags) {
  HLOCAL memory = LocalAlloc(LPTR, 1000);
  if (!memory) return;
  DLGTEMPLATE* t = static_cast<DLGTEMPLATE*>(memory);
  t->style = 0x10C80080;  // WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME
  t->x = 10;
  t->y = 10;
  t->cx = 200;
  t->cy = 200;
  PROPSHEETPAGE page = {};
  page.dwSize = sizeof(page);
  page.dwFlags = PSP_DLGINDIRECT;
  page.pResource = t;
  page.pfnDlgProc = EmptyPageProc;
  HPROPSHEETPAGE hpage = CreatePropertySheetPage(&page);
  if (hpage) {
    PROPSHEETHEADER h = {};
    h.dwSize = sizeof(h);
    h.dwFlags = flags;
    h.pszCaption = _T("HHH");
    h.nPages = 1;
    h.phpage = &hpage;
    PropertySheet(&h);
  }
  LocalFree(memory);
}

std::vector<LwChildInfo> CStdButtonModel::CollectChildren(HWND dialog) {
  std::vector<LwChildInfo> children;
  for (HWND c = GetTopWindow(dialog); c; c = GetWindow(c, GW_HWNDNEXT)) {
    LwChildInfo info;
    info.id = GetDlgCtrlID(c);
    info.button = ClassIs(c, _T("Button"));
    info.isStatic = ClassIs(c, _T("Static"));
    info.visible = (GetWindowLong(c, GWL_STYLE) & WS_VISIBLE) != 0;
    children.push_back(info);
  }
  return children;
}

bool CStdButtonModel::IsPropertySheet(HWND dialog) {
  HWND tab = dialog ? GetDlgItem(dialog, kSheetTabId) : nullptr;
  return tab && ClassIs(tab, WC_TABCONTROL);
}

bool CStdButtonModel::Classify(HWND dialog) { return ClassifyChildren(CollectChildren(dialog)); }

bool CStdButtonModel::ClassifyBeforeInit(HWND dialog) {
  m_nType = LWV_MB_NONE;
  if (IsPropertySheet(dialog)) return false;
  std::vector<LwChildInfo> children = CollectChildren(dialog);
  if (IsUnfinishedMessageBox(children)) return false;
  return ClassifyChildren(children);
}

void CStdButtonModel::TranslateMessageBox(HWND dialog) { TranslateMessageBox(dialog, CurrentRoot(), LWTranslateStatusText); }

void CStdButtonModel::TranslateMessageBox(HWND dialog, CTraNode* root, BOOL (*translateCaption)(CString&)) {
  CTraNode* entry = FindEntry(root);
  if (!entry || m_nType == LWV_MB_NONE) return;
  int length = GetWindowTextLength(dialog);
  CString caption;
  GetWindowText(dialog, caption.GetBuffer(length + 1), length + 1);
  caption.ReleaseBuffer();
  if (translateCaption && !caption.IsEmpty() && translateCaption(caption)) SetWindowText(dialog, caption);
  for (int id : LwButtonsOfKind(m_nType)) {
    HWND button = GetDlgItem(dialog, id);
    CString text;
    if (button && GetButtonTranslation(entry, id, text)) SetWindowText(button, text);
  }
}

void CStdButtonModel::MeasureDialog(HWND dialog) {
  bool inParent = false;
  std::vector<int> ids = MeasuredButtons(m_nCaptureType, &inParent);
  HWND holder = dialog;
  if (inParent) {
    // Only a page measures, in the sheet around it; the sheet's own call
    // (it has no parent sheet) keeps what the page measured.
    holder = GetParent(dialog);
    if (!holder || !IsPropertySheet(holder)) return;
  }
  double ux = 0.0, uy = 0.0;
  DialogUnits(dialog, ux, uy);
  for (int id : ids) {
    HWND button = GetDlgItem(holder, id);
    if (!button) continue;
    RECT r;
    GetWindowRect(button, &r);
    int length = GetWindowTextLength(button);
    CString text;
    GetWindowText(button, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer();
    StoreMeasure(LwButtonIndex(id), id, text, r, ux, uy);
  }
}

void CStdButtonModel::EndCapturedDialog(HWND dialog) {
  if (IsPropertySheet(dialog)) {
    // EndDialog does not end a sheet's own modal loop: press its Cancel.
    SendMessage(dialog, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    return;
  }
  HWND parent = GetParent(dialog);
  if (parent && IsPropertySheet(parent) && (GetWindowLong(dialog, GWL_STYLE) & WS_CHILD)) return;  // a page
  EndDialog(dialog, 1);
}

void CStdButtonModel::CaptureOne(int captureType) {
  m_nCaptureType = captureType;
  CLwvCaptureWatchdog bound(kCaptureWatchdogMs);
  switch (captureType) {
    case LWV_MB_PROPSHEET:
      ShowSampleSheet(PSH_HASHELP);
      break;
    case LWV_MB_WIZARD:
      ShowSampleSheet(PSH_WIZARD);
      break;
    default:
      if (captureType >= 0 && captureType <= 5) MessageBox(nullptr, _T("Test"), _T("Test"), static_cast<UINT>(captureType));
      break;
  }
}

bool CStdButtonModel::Capture() {
  for (int i = 0; i < LWV_MB_BUTTONS; ++i) {
    m_widths[i] = m_heights[i] = m_ids[i] = 0;
    m_texts[i].Empty();
  }
  {
    CLwvLock lock;
    CTranslationManager* m = LwGetManager();
    if (!m) return false;
    m->SetCaptureModel(this);
  }
  const int types[] = {1, 2, 4, LWV_MB_PROPSHEET, LWV_MB_WIZARD};
  for (int t : types) CaptureOne(t);
  CLwvLock lock;
  if (CTranslationManager* now = LwGetManager()) now->SetCaptureModel(nullptr);
  return HasResults();
}
