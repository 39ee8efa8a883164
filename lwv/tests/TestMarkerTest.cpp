#include <gtest/gtest.h>

#include "LwvTestSupport.h"
#include "TestMarkers.h"

using namespace lwvtest;

namespace {

TEST(TestMarkers, StartAndEndMarkers) {
  struct Case {
    const TCHAR* text;
    bool start;
    bool end;
    const TCHAR* expected;
  } cases[] = {
      {_T("Hello"), true, false, _T("[#[lo")},
      {_T("Hi"), true, false, _T("[#")},
      {_T(""), true, true, _T("")},
      {_T("%d files"), true, false, _T("%d files")},     // starts with '%': unchanged
      {_T("a%d"), true, false, _T("[%d")},               // stops before the '%'
      {_T("\nabcde"), true, false, _T("\n[#[de")},       // newline kept
      {_T("\nab"), true, false, _T("\n[#")},             // never grows the text
      {_T("\n%d"), true, false, _T("\n%d")},             // '%' right after the newline
      {_T("\nab%d"), true, false, _T("\n[#%d")},         // never reaches the '%'
      {_T("\na%d"), true, false, _T("\n[%d")},
      {_T("Word"), false, true, _T("W]#]")},
      {_T("ab"), false, true, _T("#]")},
      {_T("x%d"), false, true, _T("x%d")},               // last '%' among the last four
      {_T("%d of items"), false, true, _T("%d of it]#]")},
      {_T("%s: abcdef"), false, true, _T("%s: abc]#]")},
      {_T("%d: ab"), false, true, _T("%d: a]")},         // limit 1: one character
      {_T("Hello world"), true, true, _T("[#[lo wo]#]")},
  };
  for (const Case& c : cases) {
    CString result = MarkTestText(c.text, c.start, _T("[#["), c.end, _T("]#]"));
    std::string narrow = lw::ToNarrow(c.text, lw::StrLen(c.text));
    EXPECT_EQ(result, c.expected) << narrow << " -> " << lw::ToNarrow(result, result.GetLength());
    EXPECT_EQ(CString(c.text).GetLength(), result.GetLength()) << narrow;
  }
}

TEST(TestMarkers, MarkerNeverTouchesAPercentSign) {
  // Every text of up to 6 characters from {a, %, \n, d}: the '%' positions stay.
  const TCHAR alphabet[] = {_T('a'), _T('%'), _T('\n'), _T('d')};
  for (int length = 0; length <= 6; ++length) {
    int combos = 1;
    for (int i = 0; i < length; ++i) combos *= 4;
    for (int k = 0; k < combos; ++k) {
      CString text;
      for (int i = 0, v = k; i < length; ++i, v /= 4) text += alphabet[v % 4];
      CString result = MarkTestText(text, true, _T("<<<<<<<<"), true, _T(">>>>>>>>"));
      ASSERT_EQ(text.GetLength(), result.GetLength());
      for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] == _T('%')) {
          ASSERT_EQ(_T('%'), result[i]) << k;
        }
    }
  }
}

TEST(TestMarkers, WholeTreeIsMarked) {
  auto file = MakeSampleFile();
  file->GetRootNode()->MarkTestTexts(true, _T("##"), true, _T("!!"));
  const CTraNode* dialog = file->GetRootNode()->GetChild(1)->GetChild(0);
  EXPECT_EQ(dialog->GetTranslation(), _T("##ange si!!"));
  EXPECT_EQ(dialog->GetChild(0)->GetTranslation(), _T("!!"));  // the end marker wins on "OK"
  EXPECT_EQ(dialog->GetOriginal(), W("Gr\u00F6\u00DFe \u00E4ndern"));
  const CTraNode* format = file->GetRootNode()->GetChild(2)->GetChild(0)->GetChild(1);
  EXPECT_EQ(format->GetTranslation(), _T("##ror %s in line %d"));
}

}  // namespace
