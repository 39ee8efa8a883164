#include "ResControl.h"

namespace {

const ResControlKeyword kKeywords[] = {
    {_T("AUTO3STATE"), 0x50010006, 0, TRA_CHECKBOX},
    {_T("AUTOCHECKBOX"), 0x50010003, 0, TRA_CHECKBOX},
    {_T("AUTORADIOBUTTON"), 0x50000009, 0, TRA_RADIOBUTTON},
    {_T("CHECKBOX"), 0x50010002, 0, TRA_CHECKBOX},
    {_T("COMBOBOX"), 0x50000200, 0, TRA_COMBOBOX},
    {_T("CONTROL"), 0, 0, TRA_CONTROL},
    {_T("CTEXT"), 0x50020001, 0, TRA_STATIC},
    {_T("DEFPUSHBUTTON"), 0x50010001, 0, TRA_PUSHBUTTON},
    {_T("EDITTEXT"), 0x50010000, 0x200, TRA_EDIT},
    {_T("GROUPBOX"), 0x50000007, 0, TRA_GROUPBOX},
    {_T("ICON"), 0x50000003, 0, TRA_STATIC},
    {_T("LISTBOX"), 0x50000001, 0x200, TRA_LISTBOX},
    {_T("LTEXT"), 0x50020000, 0, TRA_STATIC},
    {_T("PUSHBOX"), 0x50010000, 0, TRA_PUSHBUTTON},
    {_T("PUSHBUTTON"), 0x50010000, 0, TRA_PUSHBUTTON},
    {_T("RADIOBUTTON"), 0x50000004, 0, TRA_RADIOBUTTON},
    {_T("RTEXT"), 0x50020002, 0, TRA_STATIC},
    {_T("SCROLLBAR"), 0x50000000, 0, TRA_SCROLLBAR},
    {_T("STATE3"), 0x50010005, 0, TRA_CHECKBOX},
};

bool HasNoText(const CString& keyword) {
  return keyword == _T("LISTBOX") || keyword == _T("COMBOBOX") || keyword == _T("EDITTEXT") ||
         keyword == _T("SCROLLBAR") || keyword == _T("ICON");
}

}  // namespace

const ResControlKeyword* CResControl::LookupKeyword(const CString& word) {
  for (const ResControlKeyword& k : kKeywords)
    if (word == k.keyword) return &k;
  return nullptr;
}

int CResControl::ClassToKind(const CString& className) {
  if (className.CompareNoCase(_T("Button")) == 0) return TRA_PUSHBUTTON;
  if (className.CompareNoCase(_T("Static")) == 0) return TRA_STATIC;
  static const TCHAR* const kCommon[] = {_T("SysListView32"),     _T("SysTabControl32"),   _T("RICHEDIT"),
                                         _T("msctls_updown32"),   _T("msctls_progress32"), _T("msctls_trackbar32"),
                                         _T("SysTreeView32")};
  for (const TCHAR* name : kCommon)
    if (className.CompareNoCase(name) == 0) return TRA_COMMONCONTROL;
  return TRA_CONTROL;
}

int CResControl::Parse(const CSourceTokenList* list, int start, CResProblemLog&) {
  Begin(list, start);
  m_style = m_exStyle = 0;
  m_helpId.Empty();
  const ResControlKeyword* keyword = Kind() == kTokenIdentifier ? LookupKeyword(Text()) : nullptr;
  if (!keyword) {
    m_kind = TRA_EMPTY;
    return kResParseFailed;
  }
  m_keyword = keyword->keyword;
  m_style = keyword->style;
  m_exStyle = keyword->exStyle;
  m_kind = keyword->kind;
  ++m_pos;
  return ParseBody() ? m_pos : kResParseFailed;
}

bool CResControl::ParseBody() {
  const bool isControl = m_keyword == _T("CONTROL");
  m_original.Empty();
  if (!HasNoText(m_keyword)) {
    if (Kind() == kTokenEnd) return false;
    if (Kind() == kTokenString) m_original = Text();
    ++m_pos;
    if (!ExpectComma()) return false;
  }
  m_translation = m_original;
  if (m_keyword == _T("ICON")) {
    if (Kind() == kTokenEnd) return false;
    m_iconName = Text();
    ++m_pos;
    if (!ExpectComma()) return false;
  }
  if (!ParseIdOrText(m_id) || !ExpectComma()) return false;
  if (isControl) {
    if (Kind() == kTokenEnd) return false;
    m_class = Text();
    ++m_pos;
    m_style = 0x50000000;
    m_exStyle = 0;
    m_kind = ClassToKind(m_class);
    if (!ExpectComma()) return false;
    ParseStyle(m_style);
    if (!ExpectComma()) return false;
  }
  if (!ParseInteger(m_x) || !ExpectComma() || !ParseInteger(m_y)) return false;
  if (m_keyword == _T("ICON") && !Is(_T(","))) {
    m_cx = m_cy = 0;  // an icon takes the size of its picture
    return true;
  }
  if (!ExpectComma() || !ParseInteger(m_cx) || !ExpectComma() || !ParseInteger(m_cy)) return false;
  bool exStyleRead = false;
  if (isControl) {
    if (ExpectComma()) {
      ParseStyle(m_exStyle);
      exStyleRead = true;
    }
  } else if (ExpectComma()) {
    ParseStyle(m_style);
    if (ExpectComma()) {
      ParseStyle(m_exStyle);
      exStyleRead = true;
    }
  }
  if (exStyleRead && ExpectComma()) {
    if (Kind() != kTokenIdentifier) return false;
    m_helpId = Text();
    ++m_pos;
  }
  return true;
}

CTraNode* CResControl::CreateNode(CTraNode* parent) {
  RECT r = ResRect(m_x, m_y, m_cx, m_cy);
  return new CTraNode(parent, m_original, m_translation, m_kind, static_cast<LONG>(m_exStyle),
                      static_cast<LONG>(m_style), r, r);
}

void CResControl::InitFromKeyword(IResTextSource& texts, UINT stringId, const CString& keyword, int cx, int cy) {
  m_keyword = keyword;
  m_original = m_translation = texts.LoadText(stringId);
  m_x = m_y = 0;
  m_cx = cx;
  m_cy = cy;
  m_style = m_exStyle = 0;
  m_id.Empty();
  m_helpId.Empty();
  m_iconName.Empty();
  m_class.Empty();
  if (keyword == _T("PUSHBUTTON") || keyword == _T("DEFPUSHBUTTON")) m_kind = TRA_PUSHBUTTON;
  else if (keyword == _T("CHECKBOX")) m_kind = TRA_CHECKBOX;
  else if (keyword == _T("LTEXT") || keyword == _T("CTEXT") || keyword == _T("RTEXT")) m_kind = TRA_STATIC;
  else if (keyword == _T("GROUPBOX")) m_kind = TRA_GROUPBOX;
  else m_kind = TRA_CONTROL;
}

void CResControl::Init(int kind, const CString& original, const CString& translation, int x, int y, int cx, int cy) {
  m_kind = kind;
  m_original = original;
  m_translation = translation;
  m_x = x;
  m_y = y;
  m_cx = cx;
  m_cy = cy;
  m_keyword.Empty();
  m_id.Empty();
  m_helpId.Empty();
  m_iconName.Empty();
  m_class.Empty();
  m_style = m_exStyle = 0;
}
