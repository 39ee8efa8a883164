#include "Printers.h"

void PrintTo(const CString& s, std::ostream* os) {
  *os << '"' << lw::ToNarrow(s.GetString(), lw::StrLen(s.GetString()), CP_UTF8) << '"';
}
