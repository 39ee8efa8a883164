#include "XString.h"

#include "LwvStrings.h"
#include "StdDlgText.h"

__X_CString::__X_CString(const TCHAR* text) : CString(text) {
  if (text && IS_INTRESOURCE(text)) LWTranslateString(*this);
}

BOOL __X_CString::LoadString(UINT id) {
  const BOOL loaded = CString::LoadString(id);
  return LWLoadString(*this, id) || loaded;
}

void __X_CString::Format(UINT formatId, ...) {
  // The arguments fit the program's own format; a translation stands in
  // only with the same conversions.
  CString original;
  original.LoadString(formatId);
  CString translated;
  LWLoadString(translated, formatId);
  const CString format = LwChooseFormat(original, translated);
  va_list ap;
  va_start(ap, formatId);
  FormatV(format, ap);
  va_end(ap);
}
