// In-tree conveniences for our own programs, which link the runtime
// statically: the busy flag, the current language file and the file
// information with texts of their own, next to the C functions and their
// CString forms. Not installed and not exported by the DLLs.
#pragma once

#include "Framework.h"
#include "Lwv.h"
#include "LwvStrings.h"
#include "XString.h"

#include <memory>

class CTraFile;
struct LW_FILEINFO;

// Information of the current language file / of the file at path.
BOOL LWGetFileInfo(LW_FILEINFO& info);
BOOL LWGetOtherFileInfo(LPCTSTR path, LW_FILEINFO& info);

// The busy flag: while it is set the hooks translate no dialog, menu, common
// dialog, status bar or tooltip (capture of the standard buttons still
// works). A host sets it around windows of its own that the library is to
// leave alone. Returns the flag as it was; FALSE and nothing set without
// LWStart.
BOOL LWSetBusy(BOOL busy);
BOOL LWIsBusy();
// The language file the program itself runs in, kept alive while the caller
// holds it (a switch meanwhile makes another file current); null without
// LWStart or a loaded file. Read only: the library uses it at the same time.
std::shared_ptr<const CTraFile> LWGetCurrentFile();
