#include "ResTranslatedTexts.h"

#include "RuntimeSeams.h"

CString CResTranslatedTexts::LoadText(UINT id) {
  CString text = LwLoadProgramText(id);
  if (!text.IsEmpty()) return text;
  return BuiltInResMessage(id);
}
