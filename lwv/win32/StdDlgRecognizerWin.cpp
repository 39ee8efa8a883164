// The live side of the common-dialog recogniser: scoring a dialog,
// translating it before and after its own initialisation, and reading a
// live instance for the resource wizard.
#include "StdDlgRecognizer.h"

#include "Dialog.h"
#include "StdDlgCaptureDialogs.h"
#include "StdDlgHook.h"
#include "TraNode.h"
#include "TranslationManager.h"

#include <winspool.h>

namespace {

LwDialogShape ShapeOf(HWND dialog) {
  LwDialogShape s;
  s.childCount = 0;
  s.unnamedStatics = 0;
  for (HWND c = GetTopWindow(dialog); c; c = GetWindow(c, GW_HWNDNEXT)) {
    int id = GetDlgCtrlID(c);
    s.ids.push_back(id);
    ++s.childCount;
    if (id == LWV_ID_STATIC) ++s.unnamedStatics;
  }
  return s;
}

// The n-th (from 0) child whose id is 0xFFFF, in Z order.
HWND UnnamedStatic(HWND dialog, int n) {
  for (HWND c = GetTopWindow(dialog); c; c = GetWindow(c, GW_HWNDNEXT))
    if (GetDlgCtrlID(c) == LWV_ID_STATIC && n-- == 0) return c;
  return nullptr;
}

CTraNode* CurrentRoot() {
  CTranslationManager* m = LwGetManager();
  CTraFile* f = m ? m->GetCurrentFile() : nullptr;
  return f ? f->GetRootNode() : nullptr;
}

CString TextOf(HWND w) {
  int length = GetWindowTextLength(w);
  CString text;
  GetWindowText(w, text.GetBuffer(length + 1), length + 1);
  text.ReleaseBuffer();
  return text;
}

}  // namespace

double CStdDlgRecognizer::MatchScore(HWND dialog) const {
  if (!dialog || IsEmpty()) return 0.0;
  return LwModelScore(m_model, ShapeOf(dialog));
}

HWND CStdDlgRecognizer::FindControl(HWND dialog, int i) const {
  if (!InRange(i)) return nullptr;
  int id = m_model.entries[static_cast<size_t>(i)].id;
  HWND control = nullptr;
  if (LwIsUnnamedStaticId(id))
    control = UnnamedStatic(dialog, id - LWV_ID_UNNAMED_FIRST);
  else if (id >= 0)
    control = GetDlgItem(dialog, id);
  if (!control && i < static_cast<int>(m_model.altIds.size()) && m_model.altIds[static_cast<size_t>(i)] > 0)
    control = GetDlgItem(dialog, m_model.altIds[static_cast<size_t>(i)]);
  return control;
}

void CStdDlgRecognizer::Translate(HWND dialog) {
  Translate(dialog, CurrentRoot());
  CTranslationManager* m = LwGetManager();
  if (m && LwKindHasLiveTexts(m_nKind) && FindEntry(CurrentRoot())) {
    m->SetPendingDialog(dialog, m_nKind);
  }
}

void CStdDlgRecognizer::Translate(HWND dialog, CTraNode* root) {
  CTraNode* entry = FindEntry(root);
  if (!entry || !dialog) return;
  if (!entry->GetTranslation().IsEmpty()) SetWindowText(dialog, entry->GetTranslation());
  int n = m_model.controlCount < entry->GetChildCount() ? m_model.controlCount : entry->GetChildCount();
  for (int i = 0; i < n; ++i) {
    HWND control = FindControl(dialog, i);
    const CString& translation = entry->GetChild(i)->GetTranslation();
    if (control && !translation.IsEmpty()) SetWindowText(control, translation);
  }
}

void CStdDlgRecognizer::TranslateKnown(HWND dialog) { TranslateKnown(dialog, CurrentRoot()); }

void CStdDlgRecognizer::TranslateKnown(HWND dialog, CTraNode* root) {
  CTraNode* entry = FindEntry(root);
  CLwvStdDlgHook* hook = LwStdDlgHookOfKind(m_nKind);
  if (!entry || !hook || !dialog) return;
  hook->Attach(entry, dialog);
}

void CStdDlgRecognizer::CaptureFromWindow(HWND dialog) {
  if (!dialog) return;
  if (!m_texts) BeginCapture();
  m_strCaption = TextOf(dialog);
  RECT units = {0, 0, 1000, 1000};
  MapDialogRect(dialog, &units);
  double ux = units.right * 0.001, uy = units.bottom * 0.001;
  const RECT empty = {0, 0, 0, 0};
  for (int i = 0; i < m_model.GetEntryCount(); ++i) {
    const LwStdDlgEntry& e = m_model.entries[static_cast<size_t>(i)];
    if (e.id == LWV_ID_ALT_CAPTION) {
      StoreCapture(i, CString(), empty, ux, uy);
      continue;
    }
    HWND control = LwNamesControl(e.id) ? FindControl(dialog, i) : nullptr;
    if (!control) {
      StoreCapture(i, _T("Error"), empty, ux, uy);
      continue;
    }
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    StoreCapture(i, TextOf(control), r, ux, uy);
  }
  for (int i = m_model.controlCount; i < m_model.GetEntryCount(); ++i) {
    const LwStdDlgEntry& e = m_model.entries[static_cast<size_t>(i)];
    if (e.stringId) m_texts[i] = LwLoadComdlgString(e.stringId);  // empty when absent
  }
  m_bCaptured = true;
}

void CStdDlgRecognizer::CaptureFromDialog(CDialog* dialog) {
  if (dialog) CaptureFromWindow(dialog->m_hWnd);
}

namespace {

// Print and page setup show an error instead of themselves without one.
bool HasDefaultPrinter() {
  DWORD size = 0;
  GetDefaultPrinter(nullptr, &size);
  return size > 0;
}

// The find dialogs fail without an owner: a hidden one made for the capture.
class CCaptureOwner {
 public:
  CCaptureOwner() {
    m_hWnd = CreateWindowEx(0, _T("STATIC"), _T(""), WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                            GetModuleHandle(nullptr), nullptr);
    m_wnd.m_hWnd = m_hWnd;
  }
  ~CCaptureOwner() {
    m_wnd.m_hWnd = nullptr;
    if (m_hWnd) DestroyWindow(m_hWnd);
  }
  CCaptureOwner(const CCaptureOwner&) = delete;
  CCaptureOwner& operator=(const CCaptureOwner&) = delete;
  CWnd* Get() { return m_hWnd ? &m_wnd : nullptr; }

 private:
  HWND m_hWnd;
  CWnd m_wnd;
};

}  // namespace

bool CStdDlgRecognizer::Capture() {
  BeginCapture();
  m_bCaptured = false;
  if (IsEmpty()) return false;
  switch (m_nKind) {
    case LWV_STDDLG_NEWFILEOPEN: {
      CNewFileDialogSub* d = new CNewFileDialogSub(this);
      d->DoModal();
      delete d;
      break;
    }
    case LWV_STDDLG_FIND:
    case LWV_STDDLG_REPLACE: {
      CCaptureOwner owner;
      CFindDialogSub* d = new CFindDialogSub(this);
      if (d->Create(m_nKind == LWV_STDDLG_FIND, _T("x"), nullptr, FR_DOWN, owner.Get())) d->DestroyWindow();
      delete d;
      break;
    }
    case LWV_STDDLG_PRINT:
    case LWV_STDDLG_PRINTSETUP: {
      if (!HasDefaultPrinter()) return false;
      CPrintDialogSub* d = new CPrintDialogSub(
          this, m_nKind == LWV_STDDLG_PRINTSETUP,
          PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE | PD_NOWARNING);
      d->DoModal();
      delete d;
      break;
    }
    case LWV_STDDLG_PAGESETUP: {
      if (!HasDefaultPrinter()) return false;
      CPageSetupDialogSub* d = new CPageSetupDialogSub(this, PSD_MARGINS | PSD_NOWARNING);
      d->DoModal();
      delete d;
      break;
    }
    case LWV_STDDLG_FONT: {
      CFontDialogSub* d = new CFontDialogSub(this, nullptr, CF_SCREENFONTS | CF_EFFECTS);
      d->DoModal();
      delete d;
      break;
    }
    case LWV_STDDLG_COLOR: {
      CColorDialogSub* d = new CColorDialogSub(this, 0, CC_FULLOPEN);
      d->DoModal();
      delete d;
      break;
    }
  }
  return m_bCaptured;
}
