// Reading a language file for the editor, probing the file a save would
// replace and checking the add-on folders beside a file. Reports file
// errors apart from files that are no usable language file, and counts
// texts this build's width could not hold.
#pragma once

#include "Framework.h"

class CTraFile;

enum DeskReadResult {
  DESK_READ_OK,
  DESK_READ_FILE_ERROR,        // the file could not be opened or read
  DESK_READ_NOT_LANGUAGE_FILE, // the stream does not start with the magic
  DESK_READ_INVALID            // a damaged language file, or one without a tree
};

// Reads the whole file into file; lossyTexts counts texts that lost
// characters on the way into this build's 8-bit text (always 0 in Unicode).
DeskReadResult ReadDeskFile(const CString& path, CTraFile& file, UINT& lossyTexts);
DeskReadResult ReadDeskStream(CFile& in, CTraFile& file, UINT& lossyTexts);

enum DeskProbe {
  DESK_PROBE_NONE = 0,      // no file there
  DESK_PROBE_ORIGINAL = 1,  // an original language file: never overwritten
  DESK_PROBE_OTHER = 2,     // any other file
  DESK_PROBE_ERROR = -1     // a file that cannot be read
};

// What is at path, whatever its extension.
DeskProbe ProbeFile(const CString& path);

