#include "StdDlgHook.h"

#include "TraNode.h"

#include <commctrl.h>

namespace {

HMODULE Comdlg32() {
  HMODULE m = GetModuleHandle(_T("comdlg32.dll"));
  return m ? m : LoadLibrary(_T("comdlg32.dll"));
}

CString ComboItem(HWND combo, int index) {
  LRESULT len = SendMessage(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (len == CB_ERR || len < 0) return CString();
  CString text;
  SendMessage(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
              reinterpret_cast<LPARAM>(text.GetBuffer(static_cast<int>(len) + 1)));
  text.ReleaseBuffer();
  return text;
}

bool ComboHolds(HWND combo, const CString& text) {
  LRESULT n = SendMessage(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < n; ++i)
    if (ComboItem(combo, static_cast<int>(i)) == text) return true;
  return false;
}

// Replaces item index with text, keeping its data.
void ReplaceComboItem(HWND combo, int index, const CString& text) {
  LRESULT data = SendMessage(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
  SendMessage(combo, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
  LRESULT at = SendMessage(combo, CB_INSERTSTRING, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(text)));
  if (at >= 0) SendMessage(combo, CB_SETITEMDATA, static_cast<WPARAM>(at), data);
}

}  // namespace

CString LwLoadComdlgString(int id) {
  HMODULE m = Comdlg32();
  TCHAR buffer[256] = {0};
  if (!m || id <= 0 || LoadString(m, static_cast<UINT>(id), buffer, 256) <= 0) return CString();
  return CString(buffer);
}

// ---- base ----

CLwvStdDlgHook::CLwvStdDlgHook(int kind) : m_nKind(kind), m_bActive(false), m_bBusy(false), m_hWnd(nullptr) {}
CLwvStdDlgHook::~CLwvStdDlgHook() {}

bool CLwvStdDlgHook::Attach(CTraNode* entry, HWND dialog) {
  m_bActive = false;
  m_bBusy = false;
  m_hWnd = nullptr;
  m_translations.clear();
  if (!entry || !dialog) return false;
  // The texts are copied: a language switch may free the tree while the
  // dialog still runs.
  for (int i = 0; i < entry->GetChildCount(); ++i) m_translations.push_back(entry->GetChild(i)->GetTranslation());
  m_strings.clear();
  for (const LwStdDlgLiveText& row : LwAllStdDlgLiveTexts()) {
    if (row.kind != m_nKind) continue;
    for (int k = 0; k < row.count; ++k) {
      const int id = row.firstString + k;
      m_strings.push_back({row.control, LwLoadComdlgString(id), row.firstChild + k, id});
    }
  }
  m_bBusy = true;
  bool ok = OnAttach(dialog);
  m_bBusy = false;
  m_bActive = ok && m_hWnd != nullptr;
  return m_bActive;
}

CString CLwvStdDlgHook::Child(int i) const {
  return i >= 0 && i < static_cast<int>(m_translations.size()) ? m_translations[static_cast<size_t>(i)] : CString();
}

std::vector<CLwvStdDlgHook::LiveString> CLwvStdDlgHook::StringsOf(int control) const {
  std::vector<LiveString> found;
  for (const LiveString& s : m_strings)
    if (s.control == control) found.push_back(s);
  return found;
}

CString CLwvStdDlgHook::TranslationOf(int control, const CString& text) const {
  for (const LiveString& s : m_strings)
    if (s.control == control && !s.original.IsEmpty() && s.original == text && !Child(s.child).IsEmpty())
      return Child(s.child);
  return CString();
}

CString CLwvStdDlgHook::TranslateText(const CString& text) {
  for (const LiveString& s : StringsOf(LWV_ID_STRING_ONLY)) {
    if (s.original.IsEmpty()) continue;  // absent in this comdlg32
    CString out;
    if (TranslateDynamicText(out, text, s.original, Child(s.child), s.stringId)) return out;
  }
  return text;
}

CString CLwvStdDlgHook::WindowText(HWND window) {
  int length = GetWindowTextLength(window);
  CString text;
  GetWindowText(window, text.GetBuffer(length + 1), length + 1);
  text.ReleaseBuffer();
  return text;
}

void CLwvStdDlgHook::SetTextGuarded(HWND window, const CString& text) {
  if (!window || text.IsEmpty()) return;
  bool was = m_bBusy;
  m_bBusy = true;
  SetWindowText(window, text);
  m_bBusy = was;
}

void CLwvStdDlgHook::Watch(const CWPRETSTRUCT& msg) {
  if (msg.message == WM_DESTROY && msg.hwnd == m_hWnd) Deactivate();
}

bool CLwvStdDlgHook::TranslateDynamicText(CString& out, const CString& live, const CString& original,
                                          const CString& translated, int stringId) {
  LwFormatValues values;
  return LwStdDlgFormatValues(m_nKind, stringId, values) && LwTranslateDynamic(live, original, translated, values, out);
}

void CLwvStdDlgHook::FitMessageText(HWND box) {
  if (!m_bActive || !box) return;
  HWND label = GetDlgItem(box, 0xFFFF);
  if (!label) return;
  CString original = WindowText(label);
  CString translated = TranslateText(original);
  if (translated.IsEmpty() || translated == original) return;
  HDC dc = GetDC(label);
  if (!dc) return;
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(label, WM_GETFONT, 0, 0)));
  int widest = 0;
  int start = 0;
  while (start <= translated.GetLength()) {
    int end = translated.Find(_T('\n'), start);
    if (end < 0) end = translated.GetLength();
    CString line = translated.Mid(start, end - start);
    line.Remove(_T('\r'));
    SIZE size = {0, 0};
    GetTextExtentPoint32(dc, line, line.GetLength(), &size);
    if (size.cx > widest) widest = size.cx;
    start = end + 1;
  }
  if (old) SelectObject(dc, old);
  ReleaseDC(label, dc);
  RECT r;
  GetWindowRect(label, &r);
  MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
  int centre = (r.left + r.right) / 2;
  int width = widest + 2;
  MoveWindow(label, centre - width / 2, r.top, width, r.bottom - r.top, TRUE);
  SetTextGuarded(label, translated);
}

// ---- file dialog ----

CLwvFileDlgHook::CLwvFileDlgHook() : CLwvStdDlgHook(LWV_STDDLG_NEWFILEOPEN) {}

bool CLwvFileDlgHook::OnAttach(HWND dialog) {
  const LwStdDlgModel& model = LwGetStdDlgModel(m_nKind);
  CString altCaption;
  for (int i = model.controlCount; i < model.GetEntryCount(); ++i) {
    const LwStdDlgEntry& e = model.entries[static_cast<size_t>(i)];
    CString translation = Child(i);
    if (translation.IsEmpty()) continue;
    if (e.id == LWV_ID_ALT_CAPTION) {
      altCaption = LwLoadComdlgString(e.stringId);
      if (!altCaption.IsEmpty() && WindowText(dialog) == altCaption) SetTextGuarded(dialog, translation);
      continue;
    }
    if (e.id < 0) continue;  // live-only and string-only texts
    HWND control = GetDlgItem(dialog, e.id);
    if (!control) continue;
    // A control that still shows a model control's translation was set
    // before the dialog's own initialisation (open mode) and keeps it.
    CString now = WindowText(control);
    bool translatedBefore = false;
    for (int c = 0; c < model.controlCount; ++c)
      if (!Child(c).IsEmpty() && Child(c) == now) translatedBefore = true;
    if (!translatedBefore) SetTextGuarded(control, translation);
  }
  m_hWnd = GetDlgItem(dialog, IDOK);
  return m_hWnd != nullptr;
}

void CLwvFileDlgHook::Watch(const CWPRETSTRUCT& msg) {
  CLwvStdDlgHook::Watch(msg);
  if (!m_bActive || m_bBusy) return;
  if (msg.message == WM_SETTEXT && msg.hwnd == m_hWnd && msg.lParam) {
    SetTextGuarded(m_hWnd, TranslationOf(IDOK, reinterpret_cast<LPCTSTR>(msg.lParam)));
  } else if (msg.message == WM_NOTIFY && msg.lParam) {
    NMHDR* header = reinterpret_cast<NMHDR*>(msg.lParam);
    if (header->code == TTN_GETDISPINFOA) OnToolTip(header, false);
    if (header->code == TTN_GETDISPINFOW) OnToolTip(header, true);
  }
}

void CLwvFileDlgHook::OnToolTip(NMHDR* header, bool wide) {
  CString text;
  if (wide) {
    NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    if (!info->lpszText || IS_INTRESOURCE(info->lpszText)) return;
    text = CString(CStringW(info->lpszText));
  } else {
    NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    if (!info->lpszText || IS_INTRESOURCE(info->lpszText)) return;
    text = CString(CStringA(info->lpszText));
  }
  CString translation = TranslationOf(LWV_ID_LIVE_ONLY, text);
  if (translation.IsEmpty()) return;
  if (wide) {
    CStringW w(translation);
    lstrcpynW(m_tipW, w, 512);
    reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = m_tipW;
  } else {
    CStringA a(translation);
    lstrcpynA(m_tipA, a, 512);
    reinterpret_cast<NMTTDISPINFOA*>(header)->lpszText = m_tipA;
  }
}

// ---- print dialogs ----

CLwvPrintDlgHook::CLwvPrintDlgHook() : CLwvStdDlgHook(LWV_STDDLG_PRINT) {}

bool CLwvPrintDlgHook::OnAttach(HWND dialog) {
  m_bPrintLabelDone = false;
  m_hWnd = GetDlgItem(dialog, stc12);
  if (!m_hWnd) return false;
  TranslateStatus();
  return true;
}

void CLwvPrintDlgHook::TranslateStatus() {
  std::vector<CString> replacements;
  std::vector<CString> patterns;
  for (const LiveString& status : StringsOf(stc12)) {
    CString translation = Child(status.child);
    if (status.original.IsEmpty() || translation.IsEmpty()) continue;
    patterns.push_back(status.original);
    replacements.push_back(translation);
  }
  CString text = WindowText(m_hWnd);
  if (LwReplacePatterns(text, patterns, replacements) > 0) SetTextGuarded(m_hWnd, text);
}

void CLwvPrintDlgHook::Watch(const CWPRETSTRUCT& msg) {
  if (msg.message == WM_DESTROY) {
    m_bPrintLabelDone = false;  // re-armed by any WM_DESTROY
    if (msg.hwnd == m_hWnd) Deactivate();
    return;
  }
  if (!m_bActive || m_bBusy) return;
  if (msg.message == WM_SETTEXT && msg.hwnd == m_hWnd) {
    TranslateStatus();
  } else if (msg.message == WM_PAINT && !m_bPrintLabelDone && GetDlgCtrlID(msg.hwnd) == psh14) {
    m_bPrintLabelDone = true;
    for (const LiveString& label : StringsOf(psh14)) SetTextGuarded(msg.hwnd, Child(label.child));
  }
}

// ---- page setup ----

CLwvPageSetupDlgHook::CLwvPageSetupDlgHook() : CLwvStdDlgHook(LWV_STDDLG_PAGESETUP) {}

bool CLwvPageSetupDlgHook::OnAttach(HWND dialog) {
  for (int i = 0; i < LWV_PAGESETUP_MARGIN_FIELDS; ++i) m_margins[i] = GetDlgItem(dialog, edt4 + i);
  m_hWnd = GetDlgItem(dialog, grp4);
  if (!m_hWnd) return false;
  TranslateWatched(m_hWnd);
  for (HWND m : m_margins)
    if (m) TranslateWatched(m);
  return true;
}

void CLwvPageSetupDlgHook::TranslateWatched(HWND window) {
  CString text = WindowText(window);
  if (window == m_hWnd) {
    SetTextGuarded(window, TranslationOf(grp4, text));
    return;
  }
  for (const LiveString& unit : StringsOf(edt4)) {
    CString translation = Child(unit.child);
    if (unit.original.IsEmpty() || translation.IsEmpty() || text.Find(unit.original) < 0) continue;
    if (LwReplacePatterns(text, {unit.original}, {translation}) > 0) SetTextGuarded(window, text);
    return;  // the first unit found, else the second
  }
}

void CLwvPageSetupDlgHook::Watch(const CWPRETSTRUCT& msg) {
  CLwvStdDlgHook::Watch(msg);
  if (!m_bActive || m_bBusy || msg.message != WM_SETTEXT) return;
  if (msg.hwnd == m_hWnd) {
    TranslateWatched(m_hWnd);
    return;
  }
  for (HWND m : m_margins)
    if (m && msg.hwnd == m) TranslateWatched(m);
}

// ---- font dialog ----

CLwvFontDlgHook::CLwvFontDlgHook() : CLwvStdDlgHook(LWV_STDDLG_FONT) {}

bool CLwvFontDlgHook::OnAttach(HWND dialog) {
  m_hWnd = GetDlgItem(dialog, stc6);
  m_hStyles = GetDlgItem(dialog, cmb2);
  if (m_hWnd) SetTextGuarded(m_hWnd, TranslationOf(stc6, WindowText(m_hWnd)));
  if (m_hStyles) {
    LRESULT selection = SendMessage(m_hStyles, CB_GETCURSEL, 0, 0);
    for (int index = 3; index >= 0; --index) ReplaceStyleItem(index);
    if (selection >= 0) SendMessage(m_hStyles, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
  }
  if (HWND colours = GetDlgItem(dialog, cmb4)) {
    LRESULT selection = SendMessage(colours, CB_GETCURSEL, 0, 0);
    // The colours stand in comdlg32's order: item i is the row's string i.
    const std::vector<LiveString> names = StringsOf(cmb4);
    for (size_t i = 0; i < names.size(); ++i) {
      const int item = static_cast<int>(i);
      CString translation = Child(names[i].child);
      if (names[i].original.IsEmpty() || translation.IsEmpty() || ComboItem(colours, item) != names[i].original)
        continue;
      ReplaceComboItem(colours, item, translation);
    }
    // The colour chosen before stays chosen (the order is unchanged).
    SendMessage(colours, CB_SETCURSEL, static_cast<WPARAM>(selection >= 0 ? selection : 0), 0);
  }
  // Without the sample-text label there is nothing to watch.
  if (!m_hWnd) m_hWnd = m_hStyles;
  return m_hWnd != nullptr;
}

void CLwvFontDlgHook::ReplaceStyleItem(int index) {
  CString text = ComboItem(m_hStyles, index);
  if (text.IsEmpty()) return;
  CString translation = TranslationOf(cmb2, text);
  if (translation.IsEmpty() || ComboHolds(m_hStyles, translation)) return;
  ReplaceComboItem(m_hStyles, index, translation);
}

void CLwvFontDlgHook::Watch(const CWPRETSTRUCT& msg) {
  CLwvStdDlgHook::Watch(msg);
  if (!m_bActive || m_bBusy) return;
  if (msg.message == WM_SETTEXT && msg.hwnd == m_hWnd && msg.lParam) {
    SetTextGuarded(m_hWnd, TranslationOf(stc6, reinterpret_cast<LPCTSTR>(msg.lParam)));
  } else if ((msg.message == CB_INSERTSTRING || msg.message == CB_ADDSTRING) && msg.hwnd == m_hStyles &&
             msg.lResult >= 0) {
    // Wine fills the style list with CB_ADDSTRING, others with CB_INSERTSTRING.
    m_bBusy = true;
    ReplaceStyleItem(static_cast<int>(msg.lResult));
    m_bBusy = false;
  }
}

// ---- process-wide handlers ----

CLwvFileDlgHook& LwFileDlgHook() {
  static CLwvFileDlgHook hook;
  return hook;
}
CLwvPrintDlgHook& LwPrintDlgHook() {
  static CLwvPrintDlgHook hook;
  return hook;
}
CLwvPageSetupDlgHook& LwPageSetupDlgHook() {
  static CLwvPageSetupDlgHook hook;
  return hook;
}
CLwvFontDlgHook& LwFontDlgHook() {
  static CLwvFontDlgHook hook;
  return hook;
}

CLwvStdDlgHook* LwStdDlgHookOfKind(int kind) {
  switch (kind) {
    case LWV_STDDLG_NEWFILEOPEN: return &LwFileDlgHook();
    case LWV_STDDLG_PRINT:
    case LWV_STDDLG_PRINTSETUP:
      LwPrintDlgHook().SetKind(kind);
      return &LwPrintDlgHook();
    case LWV_STDDLG_PAGESETUP: return &LwPageSetupDlgHook();
    case LWV_STDDLG_FONT: return &LwFontDlgHook();
  }
  return nullptr;
}

void LwWatchCommonDialogs(const CWPRETSTRUCT& msg) {
  CLwvStdDlgHook* hooks[] = {&LwFileDlgHook(), &LwFontDlgHook(), &LwPrintDlgHook(), &LwPageSetupDlgHook()};
  for (CLwvStdDlgHook* h : hooks)
    if (h->IsActive() || (msg.message == WM_DESTROY && h == &LwPrintDlgHook())) h->Watch(msg);
}

void LwFitMessageTexts(HWND box) {
  CLwvStdDlgHook* hooks[] = {&LwPrintDlgHook(), &LwFileDlgHook(), &LwFontDlgHook()};
  for (CLwvStdDlgHook* h : hooks)
    if (h->IsActive()) h->FitMessageText(box);
}

bool LwIsPrintDialogActive() { return LwPrintDlgHook().IsActive(); }
