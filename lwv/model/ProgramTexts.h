// A program's own texts by string id, the one way the programs load them:
// the original as the program's string table holds it (a built-in table of
// the same texts stands in where a build has no resources), the text in the
// current language through the runtime's translation, and formats that take
// a translation only when its conversions equal the original's. Knows no
// program's ids and shows nothing.
#pragma once

#include "StdDlgText.h"

// The built-in original of an id, empty for an id it lacks; holds the
// program's .rc texts (a test compares each table with its script).
typedef CString (*LwBuiltInTexts)(UINT id);

class CProgramTexts {
 public:
  explicit CProgramTexts(LwBuiltInTexts builtIn = nullptr) : m_builtIn(builtIn) {}

  // The text as the program was built with it; empty for an unknown id.
  CString Original(UINT id) const;
  // The text in the current language, else the original.
  CString Text(UINT id) const;
  // The text formatted with args: the translation when its conversions equal
  // the original's, else the original. Arguments are checked against the
  // conversions; a format they do not fit is never used.
  template <class... Args>
  CString Format(UINT id, const Args&... args) const {
    return FormatArgs(id, {LwFormatArg(args)...});
  }
  CString FormatArgs(UINT id, const std::vector<LwFormatArg>& args) const;

  // The format to hand a printf-style call whose arguments the caller
  // matches to the original: the translation only with the same conversions.
  CString FormatText(UINT id) const;

 private:
  LwBuiltInTexts m_builtIn;
};

// A program's texts without a built-in table: the string table only.
const CProgramTexts& LwStringTableTexts();
