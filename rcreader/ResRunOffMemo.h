// Where bodies ran off the end of the token list. A body that reaches the
// end of the list without END or "}" fails; a later statement whose body
// reaches a position from which an earlier body of the same sort ran off
// would walk the same tokens to the same end, so it fails there at once.
// This keeps a script full of unclosed statements linear to read.
#pragma once

#include <vector>

class CResRunOffMemo {
 public:
  enum Body { kDialogBody, kStringTableBody, kMenuBody, kBodies };

  bool IsRunOff(Body body, int pos) const {
    const std::vector<bool>& marks = m_marks[body];
    return pos >= 0 && static_cast<size_t>(pos) < marks.size() && marks[static_cast<size_t>(pos)];
  }
  // Marks the entry positions of a body that ran off.
  void MarkRunOff(Body body, const std::vector<int>& starts) {
    std::vector<bool>& marks = m_marks[body];
    for (int pos : starts) {
      if (pos < 0) continue;
      if (static_cast<size_t>(pos) >= marks.size()) marks.resize(static_cast<size_t>(pos) + 1, false);
      marks[static_cast<size_t>(pos)] = true;
    }
  }

 private:
  std::vector<bool> m_marks[kBodies];
};
