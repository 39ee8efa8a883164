#include "StdDlgSet.h"

CStdDlgSet::CStdDlgSet(const BYTE* options) {
  for (int i = 0; i < kSlots; ++i) {
    m_slots[i] = nullptr;
    if (!options || !options[i] || i == LWV_OPTION_MESSAGEBOX) continue;
    m_slots[i] = new CStdDlgRecognizer(i);
  }
}

CStdDlgSet::~CStdDlgSet() {
  for (CStdDlgRecognizer*& r : m_slots) {
    delete r;
    r = nullptr;
  }
}
