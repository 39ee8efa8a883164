// Window, dialog and control style names of resource scripts with the
// values the Windows SDK defines for them.
#pragma once

#include "Framework.h"

struct ResStyleName {
  const TCHAR* name;
  DWORD value;
};

// The value of a style name (exact case); 0 for any other name.
DWORD LookupStyleName(const CString& name);
// The whole table, for tests.
const ResStyleName* GetStyleNames(int& count);
