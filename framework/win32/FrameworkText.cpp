#include "FrameworkText.h"

CString lw::FrameworkText(UINT id, LPCTSTR fallback, const CString& first, const CString& second) {
  CString text;
  if (!text.LoadString(id) || text.IsEmpty()) text = fallback;
  text.Replace(_T("%1"), first);
  text.Replace(_T("%2"), second);
  return text;
}
