#include "CString.h"
#include "StringRes.h"

#include <map>

#ifdef _WIN32
namespace {
HINSTANCE g_resourceInstance = nullptr;
}

HINSTANCE AfxGetResourceHandle() { return g_resourceInstance ? g_resourceInstance : GetModuleHandle(nullptr); }
void AfxSetResourceHandle(HINSTANCE instance) { g_resourceInstance = instance; }

namespace lw {
// Reads the text straight from its RT_STRING block: no length limit and the
// same UTF-16 data for both widths.
BOOL LoadStringW16(UINT id, WString& out) { return LoadStringW16(AfxGetResourceHandle(), id, out); }
BOOL LoadStringW16(HINSTANCE inst, UINT id, WString& out) {
  out.clear();
  HRSRC res = FindResourceW(inst, MAKEINTRESOURCEW((id >> 4) + 1), MAKEINTRESOURCEW(6));
  if (!res) return FALSE;
  HGLOBAL mem = LoadResource(inst, res);
  DWORD size = SizeofResource(inst, res);
  const WCHAR* p = mem ? static_cast<const WCHAR*>(LockResource(mem)) : nullptr;
  if (!p) return FALSE;
  const WCHAR* end = p + size / sizeof(WCHAR);
  for (UINT i = 0; i < (id & 15); ++i) {
    if (p >= end) return FALSE;
    p += 1 + *p;
  }
  if (p >= end || *p == 0 || p + 1 + *p > end) return FALSE;
  out.assign(p + 1, *p);
  return TRUE;
}
void SetNativeString(UINT, const WCHAR*) {}
void ClearNativeStrings() {}
}  // namespace lw
#else
namespace lw {
namespace {
std::map<UINT, WString>& Table() {
  static std::map<UINT, WString> table;
  return table;
}
}  // namespace
BOOL LoadStringW16(UINT id, WString& out) {
  auto it = Table().find(id);
  if (it == Table().end()) {
    out.clear();
    return FALSE;
  }
  out = it->second;
  return TRUE;
}
void SetNativeString(UINT id, const WCHAR* text) { Table()[id] = text ? text : LW_WSTR(""); }
void ClearNativeStrings() { Table().clear(); }
}  // namespace lw
#endif
