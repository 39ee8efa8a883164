// The sample program's two language files, made from its resource script:
// the German original-language file and the English translation.
#pragma once

#include "TraFile.h"

#include <memory>
#include <vector>

#define SAMPLE_TRA_GERMAN _T("LwvSample.tra")
#define SAMPLE_TRA_ENGLISH _T("LwvSampleEN.tra")

struct SampleTraFiles {
  std::unique_ptr<CTraFile> german;
  std::unique_ptr<CTraFile> english;
  // What kept the files from being complete: lines of the reader's problem
  // log, German texts without English, layout changes that no longer fit.
  std::vector<CString> problems;
};

// Reads the script and builds both files, their flags from the strip's
// German and British cells; files are null when the script cannot be read.
SampleTraFiles MakeSampleTraFiles(const CString& scriptPath, const CString& stripPath);

// Makes both files and writes them into folder; nothing is written when
// anything is wrong, and problems says what.
bool WriteSampleTraFiles(const CString& scriptPath, const CString& stripPath, const CString& folder,
                         std::vector<CString>& problems);
