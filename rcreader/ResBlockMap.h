// Where the blocks of a token list open and close: for every token the next
// BEGIN or "{" at or after it, and for every opening the position after its
// matching END or "}". Found in one pass over the list on first use, so that
// passing over blocks costs no more than reading them once, however many
// unclosed blocks lie inside one another. Knows nothing of what a block holds.
#pragma once

#include "SourceTokenList.h"

#include <vector>

class CResBlockMap {
 public:
  static constexpr int kNone = -1;

  // The first opening at or after pos, or kNone.
  int NextOpen(const CSourceTokenList& list, int pos) {
    Build(list);
    return pos >= 0 && pos < list.GetCount() ? m_nextOpen[static_cast<size_t>(pos)] : kNone;
  }
  // The position after the END or "}" that closes the opening at open, or
  // kNone when the list ends first.
  int BlockEnd(const CSourceTokenList& list, int open) {
    Build(list);
    return open >= 0 && open < list.GetCount() ? m_end[static_cast<size_t>(open)] : kNone;
  }

 private:
  static bool IsOpen(const CString& text) { return text == _T("BEGIN") || text == _T("{"); }
  static bool IsClose(const CString& text) { return text == _T("END") || text == _T("}"); }

  void Build(const CSourceTokenList& list) {
    if (m_list == &list && m_count == list.GetCount()) return;
    m_list = &list;
    m_count = list.GetCount();
    const size_t count = static_cast<size_t>(m_count);
    m_nextOpen.assign(count, kNone);
    m_end.assign(count, kNone);
    std::vector<int> open;
    for (int i = 0; i < m_count; ++i) {
      const CString& text = list.GetText(i);
      if (IsOpen(text)) {
        open.push_back(i);
      } else if (IsClose(text) && !open.empty()) {
        m_end[static_cast<size_t>(open.back())] = i + 1;
        open.pop_back();
      }
    }
    int next = kNone;
    for (int i = m_count - 1; i >= 0; --i) {
      if (IsOpen(list.GetText(i))) next = i;
      m_nextOpen[static_cast<size_t>(i)] = next;
    }
  }

  const CSourceTokenList* m_list = nullptr;
  int m_count = -1;
  std::vector<int> m_nextOpen;
  std::vector<int> m_end;
};
