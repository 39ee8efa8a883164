// What the assistant's pages tell a program to add, for one set of answers
// and the scan of its project, as files a build can include: the include
// lines (header page), the start code (start-code page), the fix-macro lines
// of each class with hits (fix-macro page) and the libraries, DLLs and
// preprocessor definition (library and DLL pages) as CMake settings. The
// texts are the pages' own composers'; this only sorts them into files and
// writes nothing itself.
#pragma once

#include "GuideStrings.h"
#include "IntegrationSettings.h"

#include <vector>

struct GuideAdviceFile {
  CString name;
  CString text;
};

// A path of the build machine as the pages' program on Windows names it:
// '/' separators become backslashes, so that the start code takes the
// project's name from behind the last one.
CString GuideWindowsPath(const CString& path);

// The file that holds the fix-macro lines of a class.
CString GuideFixFileName(const CString& className);

// A library or DLL list of the pages split into its names, with or without
// the lines that name a debug configuration.
std::vector<CString> GuideListedNames(const CString& list, bool debug);

std::vector<GuideAdviceFile> GuideAdviceFiles(const CIntegrationSettings& settings, const CGuideStrings& strings);
