// The common-dialog recognisers chosen by a language file's standard-dialog
// option block: slot i holds the recogniser of kind i when byte i is set
// (byte 20 stands for message boxes and has none).
#pragma once

#include "StdDlgRecognizer.h"

class CStdDlgSet {
 public:
  static const int kSlots = 256;
  // options: the 256-byte block, or null for none.
  explicit CStdDlgSet(const BYTE* options);
  virtual ~CStdDlgSet();
  CStdDlgSet(const CStdDlgSet&) = delete;
  CStdDlgSet& operator=(const CStdDlgSet&) = delete;

  CStdDlgRecognizer* GetSlot(int i) const { return i >= 0 && i < kSlots ? m_slots[i] : nullptr; }

#ifdef _WIN32
  // The first recogniser (slot order) whose score is above the threshold
  // translates the dialog; true when one did.
  bool Recognize(HWND dialog);
  // The same with an explicit tree; answers the kind that translated the
  // dialog, or -1 (the caller decides about the pending dialog).
  int RecognizeIn(HWND dialog, CTraNode* root);
  // A temporary recogniser of the kind attaches its live-text handler.
  static void TranslateKind(int kind, HWND dialog);
  static void TranslateKind(int kind, HWND dialog, CTraNode* root);
#endif

 private:
  CStdDlgRecognizer* m_slots[kSlots];
};
