// Where bodies ran off the end of the token list. A body that reaches the
// end of the list without END or "}" fails; a later statement whose body
// reaches a position from which an earlier body of the same sort ran off
// would walk the same tokens to the same end, so it fails there at once.
// Also where popup bodies walked past the nesting limit end, so that each is
// walked once. This keeps a script full of unclosed statements linear to read.
#pragma once

#include <vector>

class CResRunOffMemo {
 public:
  enum Body { kDialogBody, kStringTableBody, kMenuBody, kBodies };

  bool IsRunOff(Body body, int pos) const { return IsMarked(m_marks[body], pos); }
  // Marks the entry positions of a body that ran off.
  void MarkRunOff(Body body, const std::vector<int>& starts) {
    for (int pos : starts) Set(m_marks[body], pos, true);
  }

  // The position after the END or "}" of the popup body whose first entry is
  // at start, or -1 when it has not been walked.
  int PopupBodyEnd(int start) const { return IsMarked(m_popupEnds, start) ? m_popupEnds[Index(start)] : -1; }
  void SetPopupBodyEnd(int start, int end) { Set(m_popupEnds, start, end); }

 private:
  static size_t Index(int pos) { return static_cast<size_t>(pos); }
  template <class T>
  static bool IsMarked(const std::vector<T>& marks, int pos) {
    return pos >= 0 && Index(pos) < marks.size() && marks[Index(pos)];
  }
  template <class T>
  static void Set(std::vector<T>& marks, int pos, T value) {
    if (pos < 0) return;
    if (Index(pos) >= marks.size()) marks.resize(Index(pos) + 1, T());
    marks[Index(pos)] = value;
  }

  std::vector<bool> m_marks[kBodies];
  std::vector<int> m_popupEnds;  // 0: not walked
};
