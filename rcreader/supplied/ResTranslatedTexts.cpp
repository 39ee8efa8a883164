#include "ResTranslatedTexts.h"

#include "ProgramTexts.h"

CString CResTranslatedTexts::LoadText(UINT id) { return CProgramTexts(BuiltInResMessage).Text(id); }
