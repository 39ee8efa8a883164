#include "PositionTexts.h"

#include <cstdint>

namespace {

CString Pair(LPCTSTR format, long a, long b) {
  CString text;
  text.Format(format, static_cast<int>(a), static_cast<int>(b));
  return text;
}

}  // namespace

CString PositionText(const RECT* r) {
  return r ? Pair(_T("%4i, %4i"), r->left, r->top) : CString(_T("    ,     "));
}

CString SizeText(const RECT* r) {
  if (!r) return CString(_T("     x     "));
  return Pair(_T("%4i x %4i"), static_cast<long>(static_cast<int64_t>(r->right) - r->left),
              static_cast<long>(static_cast<int64_t>(r->bottom) - r->top));
}

CString PointText(int x, int y) { return x < -999 ? CString(_T("    ,    ")) : Pair(_T("%4i, %4i"), x, y); }
