#include "XString.h"

#include "LwvStrings.h"

__X_CString::__X_CString(const TCHAR* text) : CString(text) {
  if (text && IS_INTRESOURCE(text)) LWTranslateString(*this);
}

void __X_CString::Format(UINT formatId, ...) {
  CString format;
  LWLoadString(format, formatId);
  va_list ap;
  va_start(ap, formatId);
  FormatV(format, ap);
  va_end(ap);
}
