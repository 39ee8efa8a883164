// String-table ids of the editor's own texts and the editor's texts
// (translated by its language file, formats checked against the original).
// Where the program's resources lack an id (native builds, tests) the German
// text built in here stands in; a test keeps it equal to WeaveDesk.rc.
#pragma once

#include "ProgramTexts.h"

enum : UINT {
  IDS_DESK_ORIGINAL_NOT_OVERWRITTEN = 2030,
  IDS_DESK_BAD_ADDON_PATHS = 2036,
  IDS_DESK_OVERLAY_TITLE = 61447,
  IDS_DESK_OPEN_TITLE = 61448,
  IDS_DESK_TITLE_FORMAT = 61449,
  IDS_DESK_SAVE_TITLE = 61450,
  IDS_DESK_SAVE_QUESTION = 61451,
  IDS_DESK_UPDATE_TITLE = 61452,
  IDS_DESK_OVERLAY_OTHER_PROGRAM = 61453,
  IDS_DESK_OVERLAY_OTHER_VERSION = 61454,
  IDS_DESK_NEW_LANGUAGE = 61455,
  IDS_DESK_INVALID_FILE = 61456,
  IDS_DESK_REPLACE_REFUSED = 61458,
  IDS_DESK_NOT_FOUND = 61459,
  IDS_DESK_POSITION = 61461,
  IDS_DESK_TEXT_COUNT = 61462,
  IDS_DESK_OFFER_TRANSLATION = 61464,
  IDS_DESK_ORIGINAL_SUFFIX = 61465,
  IDS_DESK_UPDATE_OTHER_PROGRAM = 61466,
  IDS_DESK_SAVE_FAILED = 61467,
  IDS_DESK_READ_FAILED = 61468,
  IDS_DESK_LOSSY_TEXTS = 61469,
  IDS_DESK_LOSSY_SAVE_QUESTION = 61470,
  // The editor's dialogs (weavedesk/dialogs).
  IDS_DESK_ADDON_SIZE = 2025,
  IDS_DESK_ADDON_FILTER = 2031,
  IDS_DESK_ADDON_EXPORT_TITLE = 2032,
  IDS_DESK_ADDON_NOT_REGISTERED = 2033,
  IDS_DESK_ADDON_REIMPORTED = 2034,
  IDS_DESK_ADDON_REIMPORT_FAILED = 2035,
  IDS_DESK_ADDON_COLUMN_NAME = 2038,
  IDS_DESK_ADDON_COLUMN_DATE = 2039,
  IDS_DESK_ADDON_COLUMN_SIZE = 2040,
  IDS_DESK_ADDON_COLUMN_INFO = 2041,
  IDS_DESK_ADDON_CAPTION_ORIGINAL = 2042,
  IDS_DESK_ADDON_CAPTION_TRANSLATION = 2043,
  IDS_DESK_ORIGINALS_QUESTION = 33024,
  IDS_DESK_UNDO_ALL_QUESTION = 33025,
  IDS_DESK_ADDON_EXPORT_REPLACE = 61480,
  IDS_DESK_ADDON_EXPORT_FAILED = 61481,
};

// The editor's texts: its string table, the German built-in texts.
const CProgramTexts& DeskTexts();
// The built-in German text of an id above; empty for others.
CString DeskBuiltInText(UINT id);

// The text of a string id; empty for an id the editor does not know.
CString DeskText(UINT id);
// The text of a string id with its one "%s" filled.
CString DeskTextWith(UINT id, const CString& argument);
// The text of a string id with its one "%i" filled.
CString DeskTextWith(UINT id, int argument);
