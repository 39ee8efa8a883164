#include "CppToken.h"

namespace {

const TCHAR* const kCodeTexts[] = {
    _T(":"),      _T(";"),         _T("("),       _T(")"),         _T("{"),
    _T("}"),      _T("<"),         _T(">"),       _T(","),         _T("#"),
    _T("\\"),     _T("~"),         _T("class"),   _T("public"),    _T("private"),
    _T("protected"), _T("virtual"), _T("const"),  _T("afx_msg"),   _T("include"),
    _T("OnUpdateCmdUI"), _T("CFrameWnd"), _T("BOOL"),
};

}  // namespace

int CCppToken::CodeOf(const CString& text, int kind) {
  if (kind == kTokenString || text.IsEmpty()) return kCodeOther;
  // Most tokens are other words: compare only texts of the same first character.
  TCHAR first = text[0];
  for (int code = 0; code < kCodeOther; ++code)
    if (kCodeTexts[code][0] == first && text == kCodeTexts[code]) return code;
  return kCodeOther;
}

CCppToken* CCppToken::Create(CString text, int kind, const CString* fileName, int line, bool newLine) {
  int code = CodeOf(text, kind);
  if (code >= kCodeOnUpdateCmdUI && code <= kCodeBOOL)
    return new CCppSymbolToken(std::move(text), kind, fileName, line, newLine, code);
  return new CCppWordToken(std::move(text), kind, fileName, line, newLine, code);
}
