// Path helpers on strings. Both '\' and '/' separate folders. The last part
// of a path is lw::NameOf (CFile.h).
#pragma once

#include "Framework.h"

CString GetTimeStamp();
CString GetDirectoryPart(const CString& path);
CString GetExtension(const CString& path);
// File's path relative to base's folder; a file on another drive, server or
// share (or when nothing is shared) keeps its full path, as ".." never
// leaves a share. Folders compare without case.
CString MakeRelativePath(const CString& file, const CString& base);
void ChangeDirectory(const CString& path);
CString GetCurrentDirectory();
// Whether path names its file without the current directory: a leading
// separator, a drive ("C:") or a UNC path.
bool IsFullPath(const CString& path);
// A relative path made full against the current directory (leading "." and
// ".." folders taken off); "" and full paths stay as they are.
CString MakeFullPath(const CString& path);
// A relative path appended to the folder base, its leading "." and ".." folders
// taken off as MakeFullPath does; a full path stays as it is.
CString JoinPath(const CString& base, const CString& path);

// A program's folder from its path: everything before the last backslash,
// the whole path when it has none.
CString LwFolderOf(const CString& programPath);
// The help file of a program: its path with ".hlp" for its extension; ""
// when the file name has no extension.
CString LwHelpFileOf(const CString& programPath);
