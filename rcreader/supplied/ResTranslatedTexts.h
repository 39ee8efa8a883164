// The reader's texts from the program's string table through the library's
// translation: what a program that runs the library hands the problem log
// so that its messages follow the current language. The German texts stand
// in when the table has none. Loads nothing else.
#pragma once

#include "ResMessages.h"

class CResTranslatedTexts : public IResTextSource {
 public:
  CString LoadText(UINT id) override;
};
