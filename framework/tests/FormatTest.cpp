#include <gtest/gtest.h>

#include "Framework.h"

namespace {

CString F(const TCHAR* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  CString s;
  s.FormatV(fmt, ap);
  va_end(ap);
  return s;
}

TEST(Format, IntegersAndFlags) {
  EXPECT_EQ(CString(_T("42|-7|  5|05|+3|ff|FF|0x1f|17")),
            F(_T("%d|%i|%3d|%02d|%+d|%x|%X|%#x|%o"), 42, -7, 5, 5, 3, 255, 255, 31, 15));
  EXPECT_EQ(CString(_T("-5   |")), F(_T("%-5d|"), -5));
  EXPECT_EQ(CString(_T("4294967295")), F(_T("%u"), 0xFFFFFFFFu));
  EXPECT_EQ(CString(_T("9223372036854775807")), F(_T("%I64d"), 9223372036854775807LL));
  EXPECT_EQ(CString(_T("-1")), F(_T("%lld"), -1LL));
  EXPECT_EQ(CString(_T("65535")), F(_T("%hu"), 0x1FFFF));
  EXPECT_EQ(CString(_T("   ab")), F(_T("%*s"), 5, _T("ab")));
  EXPECT_EQ(CString(_T("ab   |")), F(_T("%-*s|"), 5, _T("ab")));
}

TEST(Format, FloatsAndLiterals) {
  EXPECT_EQ(CString(_T("3.14|1.500000|1e+06|100%")), F(_T("%.2f|%f|%g|100%%"), 3.14159, 1.5, 1e6));
  EXPECT_EQ(CString(_T("x%")), F(_T("x%")));
  EXPECT_EQ(CString(_T("%y")), F(_T("%y")));
}

TEST(Format, StringWidthsFollowTheClassLibrary) {
  // %s is the build's width, %S the other one, %hs 8-bit, %ls 16-bit.
  const char* narrow = "n\xE9";
  const WCHAR wide[] = {'w', 0xE9, 0};
  EXPECT_EQ(CString(_T("own")), F(_T("%s"), _T("own")));
  EXPECT_EQ(CString(_T("n\xE9|w\xE9")), F(_T("%hs|%ls"), narrow, wide));
#ifdef _UNICODE
  EXPECT_EQ(CString(_T("n\xE9")), F(_T("%S"), narrow));
#else
  EXPECT_EQ(CString(_T("w\xE9")), F(_T("%S"), wide));
#endif
  EXPECT_EQ(CString(_T("(null)")), F(_T("%s"), static_cast<const TCHAR*>(nullptr)));
  EXPECT_EQ(CString(_T("ab")), F(_T("%.2s"), _T("abcdef")));
  EXPECT_EQ(CString(_T("  x")), F(_T("%3c"), 'x'));
  EXPECT_EQ(CString(_T("\xE9")), F(_T("%lc"), 0xE9));
}

TEST(Format, PercentNWritesNothing) {
  int n = 1234;
  EXPECT_EQ(CString(_T("ab")), F(_T("a%nb"), &n));
  EXPECT_EQ(1234, n);
}

TEST(Format, LongResultsAndAppend) {
  CString big(_T('x'), 5000);
  CString s;
  s.Format(_T("[%s]"), static_cast<LPCTSTR>(big));
  EXPECT_EQ(5002, s.GetLength());
  s.AppendFormat(_T("%d"), 7);
  EXPECT_EQ(_T('7'), s[5002]);
  CString padded;
  padded.Format(_T("%300d"), 1);
  EXPECT_EQ(300, padded.GetLength());
}

}  // namespace
