#include "ResTranslatedTexts.h"

#include "XString.h"

CString CResTranslatedTexts::LoadText(UINT id) {
  CString text = __X_CString(MAKEINTRESOURCE(id));
  if (!text.IsEmpty()) return text;
  return BuiltInResMessage(id);
}
