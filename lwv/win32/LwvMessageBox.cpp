// The framework message box with a translated string-table text.
#include "LwvMFC.h"

int LWAfxMessageBox(UINT id, UINT type, UINT helpId) {
  CStringT<TCHAR> text;
  LWLoadString(text, id);
  return AfxMessageBox(text, type, helpId == UINT(-1) ? id : helpId);
}

int LWAfxMessageBox(LPCTSTR text, UINT type, UINT helpId) { return AfxMessageBox(text, type, helpId); }
