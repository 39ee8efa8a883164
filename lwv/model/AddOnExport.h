// Writes the add-on files of a language file beside it: run at every start
// and language switch. Names and paths come from the file, which people
// exchange, so only plain file names and export paths that stay inside the
// parent of the language file's folder are written.
#pragma once

#include "TraFile.h"

// Reads the language file at traPath and writes its add-on files to the
// file's folder + export path. False when the file cannot be read, when it
// marks its export paths invalid (then nothing is written), or when any
// entry is refused or cannot be written; the other entries are still
// written. The current directory is not changed. read, when given, tells
// how reading the language file went.
bool ExportAddOnFilesOf(LPCTSTR traPath, LwReadResult* read = nullptr);

// A name without folders, drive or stream part, not ending in a dot or a
// blank, not a device and not a language or project file.
bool IsPlainAddOnFileName(const CString& name);
// A language (.tra) or project (.lwp) file by its extension, in any case:
// never an add-on file.
bool IsLanguageOrProjectFileName(const CString& name);
// A relative folder that climbs at most one level above the base folder.
bool IsSafeAddOnExportPath(const CString& path);
