// The state of one find step over the text blocks: what is searched, in
// which direction, where the step began and where it has got to (block,
// item, character). Searches segments only, never placeholders. Knows
// nothing of the editor or the dialogs.
#pragma once

#include "Framework.h"

#include <memory>
#include <vector>

class CTextBlock;

class CTextSearch {
 public:
  CTextSearch();

  // item and position -1 mean from the end (backward).
  void SetStart(int block, int item, int position, int blockCount);
  // Replace all: the search runs to the end of the last block and stops there.
  void SetNoWrap(bool noWrap) { m_bNoWrap = noWrap; }
  void SetParams(const CString& search, bool forward, bool matchCase, bool wholeWord, const CString& replace);

  bool SearchBlock(const CTextBlock& block);
  bool FindInItem(const CString& text);
  // Index of the search text in text (forward: the first, backward: the
  // last occurrence; with whole word only whole words), or -1.
  int FindInText(const CString& text) const;
  static bool IsWholeWord(const CString& text, int patternLength, int position);
  // Moves to the next block; false when the whole list has been searched.
  bool StepBlock();
  bool Matches(const CString& text) const;

  CString m_strSearch;
  CString m_strReplace;
  bool m_bForward;
  bool m_bMatchCase;
  bool m_bWholeWord;
  int m_nBlockCount;
  int m_nCurrentBlock;
  int m_nCurrentItem;
  int m_nPosition;
  int m_nStartBlock;
  int m_nStartItem;
  int m_nStartPosition;
  bool m_bFound;

 private:
  // Index of the search text within text[from, to), or -1.
  int FindInRange(const CString& text, int from, int to) const;
  bool StartsInMiddle() const;

  bool m_bNoWrap;
  bool m_bRevisited;  // the start block's part before the start has been searched
};
