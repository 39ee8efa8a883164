// What a row of the add-on file list shows (image, size text) and which
// names and export paths the user may give an add-on file. Window-free; the
// list control (AddOnListCtrl.h) and the programs' commands use it.
#pragma once

#include "Framework.h"

// Images of the lists' bitmap strips; the editor's list also marks a
// translation's files as imported or not.
enum AddOnImage {
  kAddOnImageOther = 1,
  kAddOnImageText = 2,
  kAddOnImageProgram = 3,
  kAddOnImageArchive = 4,
  kAddOnImageNotImported = 5,
  kAddOnImageImported = 6,
};

// The text after the last dot of the name (case kept); "" without a dot.
CString AddOnExtensionOf(const CString& fileName);
// "exe"/"com" program, "txt" text, "zip"/"rar" archive, else other; the
// comparison keeps case, so "ARCHIVE.ZIP" is other.
AddOnImage AddOnImageFor(const CString& fileName);
// The size column: "%d Byte".
CString AddOnSizeText(int bytes);

// Language and project files are never carried as add-ons: true for the
// extensions "tra" and "lwp" in any case. Only the extension counts.
bool IsRefusedAddOnFile(const CString& fileName);

enum class AddOnPathProblem {
  kNone,
  kDrive,         // "C:..." names a drive
  kRooted,        // starts with a backslash or slash (UNC paths too)
  kInvalidChars,  // one of < > : " | ? * or a control character
};
// An export path is relative to the language file's folder at run time;
// anything that could point elsewhere is refused. "" is allowed (beside it).
AddOnPathProblem CheckAddOnExportPath(const CString& path);
