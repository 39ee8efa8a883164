// Where the assistant's composers get their resource strings: by id, as the
// developer sees them (translated) and as the program was built with them;
// the program's are its texts (ProgramTexts.h), a test lays its own over.
#pragma once

#include "Framework.h"

// String ids the composers use.
enum GuideStringId : UINT {
  kStrLibrariesBoth = 102,
  kStrLibraries8Bit = 103,
  kStrLibrariesUnicode = 104,
  kStrFixMacroEntry = 105,
  kStrExternHeaderEntry = 106,
  kStrTestWithMenu = 107,
  kStrTestWithoutMenu = 108,
  kStrSwitchCallPrompt = 250,
  kStrSwitchCallNamed = 251,
};

class CGuideStrings {
 public:
  virtual ~CGuideStrings() = default;
  // The text to show, in the current language.
  virtual CString Load(UINT id) const = 0;
  // The text as built into the program, untranslated.
  virtual CString LoadOriginal(UINT id) const = 0;
};

// A string used as a format: the translation when its conversions are those
// of the original, else the original.
CString GuideLoadFormat(const CGuideStrings& strings, UINT id);

// The program's string table through the program's texts.
class CProgramGuideStrings : public CGuideStrings {
 public:
  CString Load(UINT id) const override;
  CString LoadOriginal(UINT id) const override;
};
const CGuideStrings& GuideProgramStrings();
