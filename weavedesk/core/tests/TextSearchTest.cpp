// The search record: finding in one text, whole words, case, and the walk
// over blocks with its wrap and its end.
#include "HeadlessView.h"

#include <gtest/gtest.h>

namespace {

TEST(TextSearch, FindInTextTable) {
  struct Case {
    const TCHAR* text;
    const TCHAR* pattern;
    bool forward;
    bool matchCase;
    bool wholeWord;
    int expected;
  } cases[] = {
      {_T("ab abc ab"), _T("ab"), true, false, true, 0},
      {_T("ab abc ab"), _T("ab"), false, false, true, 7},
      {_T("abc ab"), _T("ab"), true, false, true, 4},
      {_T("abc\tab x"), _T("ab"), false, false, true, 4},
      {_T("xabcx"), _T("ABC"), true, false, false, 1},
      {_T("xabcx"), _T("ABC"), true, true, false, -1},
      {_T("abab"), _T("ab"), false, false, false, 2},
      {_T("ab"), _T("ab"), false, false, false, 0},  // at the very start, backward
      {_T("abc"), _T("abcd"), true, false, false, -1},
      {_T("abc"), _T(""), true, false, false, -1},
      {_T("abcab"), _T("ab"), false, false, true, -1},
  };
  for (const Case& c : cases) {
    CTextSearch search;
    search.SetParams(c.pattern, c.forward, c.matchCase, c.wholeWord, CString());
    EXPECT_EQ(c.expected, search.FindInText(c.text)) << c.text << " / " << c.pattern << " " << c.forward;
  }
}

TEST(TextSearch, FindInItemSearchesFromThePositionOnOrBeforeIt) {
  struct Case {
    bool forward;
    int position;
    int expected;  // -1: no hit
  } cases[] = {
      {true, 0, 0}, {true, 1, 3}, {true, 4, -1}, {false, -1, 3}, {false, 4, 0}, {false, 1, -1},
  };
  for (const Case& c : cases) {
    CTextSearch search;
    search.SetParams(_T("ab"), c.forward, false, false, CString());
    search.m_nPosition = c.position;
    const bool hit = search.FindInItem(_T("ab ab"));
    EXPECT_EQ(c.expected >= 0, hit) << c.forward << " " << c.position;
    if (hit) {
      EXPECT_EQ(c.expected, search.m_nPosition);
    }
  }
}

TEST(TextSearch, WholeWordIsJudgedInTheWholeTextNotInTheSearchedPart) {
  CTextSearch search;
  search.SetParams(_T("ab"), true, false, true, CString());
  search.m_nPosition = 1;
  EXPECT_FALSE(search.FindInItem(_T("xab")));
}

TEST(TextSearch, MatchesComparesWholeTexts) {
  CTextSearch search;
  search.SetParams(_T("Datei"), true, false, false, CString());
  EXPECT_TRUE(search.Matches(_T("DATEI")));
  EXPECT_FALSE(search.Matches(_T("Dateien")));
  search.SetParams(_T("Datei"), true, true, false, CString());
  EXPECT_FALSE(search.Matches(_T("DATEI")));
}

TEST(TextSearch, StepBlockWrapsOnceAndEndsAtTheStart) {
  CTextSearch search;
  search.SetParams(_T("x"), true, false, false, CString());
  search.SetStart(1, 0, 0, 3);
  EXPECT_TRUE(search.StepBlock());
  EXPECT_EQ(2, search.m_nCurrentBlock);
  EXPECT_TRUE(search.StepBlock());
  EXPECT_EQ(0, search.m_nCurrentBlock);
  EXPECT_FALSE(search.StepBlock());  // back at the start, which began at its start

  search.SetStart(1, 2, 5, 3);  // from the middle: the part before is searched once
  search.StepBlock();
  search.StepBlock();
  EXPECT_TRUE(search.StepBlock());
  EXPECT_EQ(1, search.m_nCurrentBlock);
  EXPECT_FALSE(search.StepBlock());

  search.SetNoWrap(true);
  search.SetStart(1, 0, 0, 3);
  EXPECT_TRUE(search.StepBlock());
  EXPECT_FALSE(search.StepBlock());  // no wrap past the last block
}

TEST(TextSearch, SearchBlockPassesOverPlaceholders) {
  CHeadlessView view;
  CTraNode node(nullptr, _T("o"), _T("a%sb ab"), TRA_STRING);
  CTextBlock block(&node, nullptr, &view);
  CTextSearch search;
  search.SetParams(_T("%sb"), true, false, false, CString());
  search.SetStart(0, 0, 0, 1);
  EXPECT_FALSE(search.SearchBlock(block));  // spans a placeholder
  search.SetParams(_T("ab"), true, false, false, CString());
  search.SetStart(0, 0, 0, 1);
  ASSERT_TRUE(search.SearchBlock(block));
  EXPECT_EQ(2, search.m_nCurrentItem);
  EXPECT_EQ(2, search.m_nPosition);
}

}  // namespace
