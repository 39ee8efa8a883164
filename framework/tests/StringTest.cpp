#include <gtest/gtest.h>

#include "Framework.h"

namespace {

TEST(CString, BasicOperations) {
  CString s(_T("Hello World"));
  EXPECT_EQ(11, s.GetLength());
  EXPECT_EQ(CString(_T("Hello")), s.Left(5));
  EXPECT_EQ(CString(_T("World")), s.Right(5));
  EXPECT_EQ(CString(_T("lo W")), s.Mid(3, 4));
  EXPECT_EQ(CString(), s.Mid(20));
  EXPECT_EQ(CString(_T("Hello World")), s.Left(100));
  EXPECT_EQ(CString(), s.Left(-1));
  EXPECT_EQ(4, s.Find('o'));
  EXPECT_EQ(7, s.Find('o', 5));
  EXPECT_EQ(7, s.ReverseFind('o'));
  EXPECT_EQ(6, s.Find(_T("World")));
  EXPECT_EQ(-1, s.Find(_T("world")));
  EXPECT_EQ(-1, s.Find(_T("o"), 50));
  EXPECT_EQ(0, s.GetAt(99));
}

TEST(CString, ReplaceCountsAndIgnoresEmptyNeedle) {
  struct Case {
    const TCHAR* text;
    const TCHAR* from;
    const TCHAR* to;
    int count;
    const TCHAR* result;
  } cases[] = {
      {_T("a-b-c"), _T("-"), _T("--"), 2, _T("a--b--c")},
      {_T("aaaa"), _T("aa"), _T("b"), 2, _T("bb")},
      {_T("abc"), _T(""), _T("x"), 0, _T("abc")},
      {_T("abc"), nullptr, _T("x"), 0, _T("abc")},
      {_T("abc"), _T("b"), nullptr, 1, _T("ac")},
      {_T(""), _T("a"), _T("b"), 0, _T("")},
  };
  for (const Case& c : cases) {
    CString s(c.text);
    EXPECT_EQ(c.count, s.Replace(c.from, c.to)) << c.text;
    EXPECT_EQ(CString(c.result), s) << c.text;
  }
}

TEST(CString, TrimAndCase) {
  CString s(_T("  \tab c\r\n"));
  s.Trim();
  EXPECT_EQ(CString(_T("ab c")), s);
  CString t(_T("xxhixx"));
  t.Trim(_T("x"));
  EXPECT_EQ(CString(_T("hi")), t);
  CString u(_T("Stra\xDF" "e \xE4\xF6\xFC"));  // Latin-1 letters fold in both widths
  u.MakeUpper();
  EXPECT_EQ(CString(_T("STRA\xDF" "E \xC4\xD6\xDC")), u);
  EXPECT_EQ(0, CString(_T("\xC4pfel")).CompareNoCase(_T("\xE4PFEL")));
}

TEST(CString, BufferAccess) {
  CString s;
  TCHAR* p = s.GetBuffer(10);
  p[0] = 'a';
  p[1] = 'b';
  p[2] = 0;
  s.ReleaseBuffer();
  EXPECT_EQ(CString(_T("ab")), s);
  p = s.GetBuffer(5);
  p[3] = 'z';
  s.ReleaseBuffer(4);
  EXPECT_EQ(4, s.GetLength());
}

TEST(CString, InsertDeleteTokenize) {
  CString s(_T("ac"));
  s.Insert(1, 'b');
  s.Insert(99, _T("d"));
  EXPECT_EQ(CString(_T("abcd")), s);
  s.Delete(1, 2);
  EXPECT_EQ(CString(_T("ad")), s);
  s.Delete(-5, 1);
  EXPECT_EQ(CString(_T("d")), s);
  CString list(_T(";a;;bc;"));
  int pos = 0;
  EXPECT_EQ(CString(_T("a")), list.Tokenize(_T(";"), pos));
  EXPECT_EQ(CString(_T("bc")), list.Tokenize(_T(";"), pos));
  EXPECT_EQ(CString(), list.Tokenize(_T(";"), pos));
  EXPECT_EQ(-1, pos);
}

TEST(CString, WidthConversionUsesTheSystemCodePage) {
  // 0x80 is the euro sign in Windows-1252, 0xE9 an e with acute.
  CStringA narrow("\x80\xE9");
  CStringW wide(narrow);
  ASSERT_EQ(2, wide.GetLength());
  EXPECT_EQ(0x20AC, wide[0]);
  EXPECT_EQ(0x00E9, wide[1]);
  CStringA back(wide);
  EXPECT_EQ(narrow, back);
  const WCHAR cjk[] = {0x4E2D, 0};
  EXPECT_EQ(CStringA("?"), CStringA(cjk));
}

TEST(CString, LoadStringFromTheNativeTable) {
#ifndef _WIN32
  lw::SetNativeString(4711, LW_WSTR("Datei \x00F6" "ffnen"));
  CString s;
  EXPECT_TRUE(s.LoadString(4711));
  EXPECT_EQ(CString(_T("Datei \xF6" "ffnen")), s);
  EXPECT_FALSE(s.LoadString(4712));
  EXPECT_TRUE(s.IsEmpty());
  CString fromId(MAKEINTRESOURCE(4711));
  EXPECT_EQ(CString(_T("Datei \xF6" "ffnen")), fromId);
  lw::ClearNativeStrings();
#else
  CString s;
  EXPECT_FALSE(s.LoadString(64999));
#endif
}

TEST(Chars, StrToLSaturatesAt32Bits) {
  struct Case {
    const TCHAR* text;
    long value;
    int consumed;
  } cases[] = {
      {_T("123"), 123, 3},
      {_T("  -42x"), -42, 5},
      {_T("0x1F"), 31, 4},
      {_T("0X1f"), 31, 4},
      {_T("99999999999"), 0x7FFFFFFF, 11},
      {_T("-99999999999"), -2147483647L - 1, 12},
      {_T("abc"), 0, 0},
  };
  for (const Case& c : cases) {
    const TCHAR* end = nullptr;
    EXPECT_EQ(c.value, lw::StrToL(c.text, &end, 0)) << c.text;
    EXPECT_EQ(c.consumed, end - c.text) << c.text;
  }
  EXPECT_EQ(0xFFFFFFFFul, lw::StrToUL<TCHAR>(_T("123456789012"), nullptr, 10));
}

TEST(Collections, ListPositionsAndArrays) {
  CStringList list;
  list.AddTail(_T("b"));
  list.AddHead(_T("a"));
  list.AddTail(_T("c"));
  POSITION pos = list.GetHeadPosition();
  CString joined;
  while (pos) joined += list.GetNext(pos);
  EXPECT_EQ(CString(_T("abc")), joined);
  POSITION b = list.Find(_T("b"));
  ASSERT_NE(nullptr, b);
  list.RemoveAt(b);
  EXPECT_EQ(2, list.GetCount());
  EXPECT_EQ(CString(_T("c")), list.GetTail());

  // Inserting beside a position, and at a null one: the head or the tail.
  CStringList other;
  POSITION mid = other.AddTail(_T("m"));
  other.InsertBefore(nullptr, _T("h"));
  other.InsertAfter(nullptr, _T("t"));
  other.InsertBefore(mid, _T("<"));
  other.InsertAfter(mid, _T(">"));
  CString order;
  for (POSITION at = other.GetHeadPosition(); at;) order += other.GetNext(at);
  EXPECT_EQ(CString(_T("h<m>t")), order);
  CString backwards;
  for (POSITION at = other.GetTailPosition(); at;) backwards += other.GetPrev(at);
  EXPECT_EQ(CString(_T("t>m<h")), backwards);

  CStringArray arr;
  arr.Add(_T("x"));
  arr.InsertAt(0, _T("w"));
  arr.SetAtGrow(3, _T("z"));
  EXPECT_EQ(4, arr.GetSize());
  EXPECT_EQ(CString(), arr[2]);
  arr.RemoveAt(1, 10);
  EXPECT_EQ(1, arr.GetSize());
}

}  // namespace
