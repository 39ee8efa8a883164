// What the resource scan needs from the program around it: a progress
// window (the program's CProgressDlg fills this interface) and the live
// captures of the entries the library supplies. Window-free.
#pragma once

#include "ResLibraryCapture.h"
#include "ResMessages.h"
#include "ResProgress.h"

class IWizardScanProgress : public IResProgress {
 public:
  // Shows the window with its caption; End hides it again.
  virtual void Begin(const CString& caption) = 0;
  virtual void End() = 0;
};

struct WizardScanServices {
  IResLibraryCapture* capture = nullptr;    // null: the supplied entries fail (log lines)
  IWizardScanProgress* progress = nullptr;  // null: no progress shown
  IResTextSource* texts = nullptr;          // null: the program's string table
};
