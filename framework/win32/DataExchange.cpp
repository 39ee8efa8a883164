#include "AppServices.h"
#include "Dialog.h"
#include "FrameworkText.h"

namespace {

// Prompts, overridable by string-table entries of these ids.
enum : UINT {
  kPromptInt = 0xF110,
  kPromptUInt = 0xF111,
  kPromptIntRange = 0xF112,
  kPromptMaxChars = 0xF113,
};

// A prompt with %1 and %2 filled in by numbers.
CString Prompt(UINT id, LPCTSTR fallback, long long first = 0, long long second = 0) {
  CString a, b;
  a.Format(_T("%lld"), first);
  b.Format(_T("%lld"), second);
  return lw::FrameworkText(id, fallback, a, b);
}

[[noreturn]] void Refuse(CDataExchange* dx, const CString& text) {
  AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
  dx->Fail();
}

bool IsBlank(TCHAR c) { return c == ' ' || c == '\t'; }

BOOL ParseWhole(const TCHAR* text, long long minValue, long long maxValue, long long& value) {
  if (!text) return FALSE;
  while (IsBlank(*text)) ++text;
  bool negative = false;
  if (*text == '-' || *text == '+') negative = *text++ == '-';
  if (*text < '0' || *text > '9') return FALSE;
  long long v = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    v = v * 10 + (*text - '0');
    if (v > maxValue + 1 || v > 0x7FFFFFFFFFFFLL) return FALSE;
  }
  while (IsBlank(*text)) ++text;
  if (*text) return FALSE;
  if (negative) v = -v;
  if (v < minValue || v > maxValue) return FALSE;
  value = v;
  return TRUE;
}

bool IsDropList(HWND combo) {
  return (static_cast<DWORD>(::GetWindowLongPtr(combo, GWL_STYLE)) & 3) == CBS_DROPDOWNLIST;
}

CString TextOf(HWND control) {
  CString text;
  if (control) CWnd::FromHandle(control)->GetWindowText(text);
  return text;
}

}  // namespace

BOOL lw::ParseInt(const TCHAR* text, int& value) {
  long long v = 0;
  if (!ParseWhole(text, -2147483647LL - 1, 2147483647LL, v)) return FALSE;
  value = static_cast<int>(v);
  return TRUE;
}

BOOL lw::ParseUInt(const TCHAR* text, UINT& value) {
  long long v = 0;
  if (!ParseWhole(text, 0, 4294967295LL, v)) return FALSE;
  value = static_cast<UINT>(v);
  return TRUE;
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (const CUserException&) {
    return FALSE;
  }
  return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

HWND CDataExchange::PrepareCtrl(int id) {
  m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
  m_bEditLastControl = FALSE;
  return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
  PrepareCtrl(id);
  m_bEditLastControl = TRUE;
  return m_hWndLastControl;
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_hWndLastControl) {
    HWND dialog = m_pDlgWnd->m_hWnd;
    if (::IsChild(dialog, m_hWndLastControl))
      ::SendMessage(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hWndLastControl), TRUE);
    else
      ::SetFocus(m_hWndLastControl);
    if (m_bEditLastControl) ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
  throw CUserException();
}

// A control id the dialog does not have leaves the value as it is.

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  HWND control = dx->PrepareEditCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) value = TextOf(control);
  else ::SetWindowText(control, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
  HWND control = dx->PrepareEditCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) {
    if (!lw::ParseInt(TextOf(control), value))
      Refuse(dx, Prompt(kPromptInt, _T("Bitte geben Sie eine ganze Zahl ein.")));
  } else {
    CString text;
    text.Format(_T("%d"), value);
    ::SetWindowText(control, text);
  }
}

void DDX_Text(CDataExchange* dx, int id, UINT& value) {
  HWND control = dx->PrepareEditCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) {
    if (!lw::ParseUInt(TextOf(control), value))
      Refuse(dx, Prompt(kPromptUInt, _T("Bitte geben Sie eine positive ganze Zahl ein.")));
  } else {
    CString text;
    text.Format(_T("%u"), value);
    ::SetWindowText(control, text);
  }
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  HWND control = dx->PrepareCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) {
    value = static_cast<int>(::SendMessage(control, BM_GETCHECK, 0, 0));
  } else {
    int state = value >= BST_UNCHECKED && value <= BST_INDETERMINATE ? value : BST_UNCHECKED;
    ::SendMessage(control, BM_SETCHECK, static_cast<WPARAM>(state), 0);
  }
}

// id is the first radio button of a group (WS_GROUP); the value is the index
// of the checked button among the group's radio buttons, -1 for none.
void DDX_Radio(CDataExchange* dx, int id, int& value) {
  HWND control = dx->PrepareCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) value = -1;
  int index = 0;
  HWND button = control;
  do {
    if (::SendMessage(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
      if (dx->m_bSaveAndValidate) {
        if (::SendMessage(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
      } else {
        ::SendMessage(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      ++index;
    }
    button = ::GetWindow(button, GW_HWNDNEXT);
  } while (button && !(::GetWindowLongPtr(button, GWL_STYLE) & WS_GROUP));
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd) return;  // bound the first time
  HWND hwnd = dx->PrepareCtrl(id);
  if (hwnd) control.SubclassWindow(hwnd);
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
  HWND control = dx->PrepareCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) index = static_cast<int>(::SendMessage(control, CB_GETCURSEL, 0, 0));
  else ::SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// A drop-down list selects the item with exactly that text (none if absent);
// a combo box with an edit shows the text.
void DDX_CBString(CDataExchange* dx, int id, CString& value) {
  HWND control = dx->PrepareEditCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) {
    if (IsDropList(control)) {
      LRESULT sel = ::SendMessage(control, CB_GETCURSEL, 0, 0);
      value.Empty();
      if (sel >= 0) {
        LRESULT length = ::SendMessage(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(sel), 0);
        if (length > 0) {
          LRESULT copied = ::SendMessage(control, CB_GETLBTEXT, static_cast<WPARAM>(sel),
                                         reinterpret_cast<LPARAM>(value.GetBuffer(static_cast<int>(length) + 1)));
          value.ReleaseBuffer(copied > 0 && copied <= length ? static_cast<int>(copied) : 0);
        }
      }
    } else {
      value = TextOf(control);
    }
  } else {
    LRESULT found = ::SendMessage(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(value.GetString()));
    ::SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(found >= 0 ? found : -1), 0);
    if (!IsDropList(control)) ::SetWindowText(control, value);
  }
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
  HWND control = dx->PrepareCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) index = static_cast<int>(::SendMessage(control, LB_GETCURSEL, 0, 0));
  else ::SendMessage(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars) {
  if (dx->m_bSaveAndValidate) {
    if (value.GetLength() > maxChars)
      Refuse(dx, Prompt(kPromptMaxChars, _T("Bitte geben Sie h\xf6" "chstens %1 Zeichen ein."), maxChars));
  } else if (HWND control = maxChars > 0 ? dx->m_hWndLastControl : nullptr) {
    TCHAR className[16] = {};
    ::GetClassName(control, className, 16);
    UINT limit = lw::StrICmp(className, _T("ComboBox")) == 0 ? CB_LIMITTEXT : EM_LIMITTEXT;
    ::SendMessage(control, limit, static_cast<WPARAM>(maxChars), 0);
  }
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue) {
  if (dx->m_bSaveAndValidate && (value < minValue || value > maxValue))
    Refuse(dx, Prompt(kPromptIntRange, _T("Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein."), minValue,
                      maxValue));
}
