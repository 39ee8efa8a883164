// Texts the reader needs from the program's string table: the messages of
// the problem log and the texts of the switch-dialog entry. A source of
// texts is passed in so that the reader runs without windows; the one
// loaded through the library's translation is the supplied entries'
// (supplied/ResTranslatedTexts.h).
#pragma once

#include "Framework.h"

enum ResMessageId : UINT {
  kMsgSectionError = 113,    // a statement that cannot be parsed
  kMsgControlError = 114,    // a control in a dialog
  kMsgMenuItemError = 115,   // an entry inside a popup
  kMsgMenuError = 116,       // a top-level menu entry
  kMsgStringError = 127,     // a string-table entry
  kMsgTooManyItems = 170,    // a group is full
  kMsgTooManyControls = 171, // a dialog is full
  kMsgTooManyMenuEntries = 172,
  kMsgTooManyStrings = 173,
  kMsgMenuTooDeep = 174,
  kMsgTooManyTokens = 175,
  kMsgTooManyProblems = 176,
  kMsgScriptUnreadable = 177,  // a script that cannot be opened or read
  kMsgCaptureFailed = 178,     // a supplied entry whose live window could not be read
  kMsgIncludeOutside = 179,    // an included resource script that is not in the project
};

class IResTextSource {
 public:
  virtual ~IResTextSource() = default;
  virtual CString LoadText(UINT id) = 0;
};

// The program's string table as it stands; the German texts of the reader's
// messages and of the switch dialog when the table has none.
class CResDefaultTexts : public IResTextSource {
 public:
  CString LoadText(UINT id) override;
};

// The German text of one of the reader's messages or the switch dialog's
// strings; empty for other ids.
CString BuiltInResMessage(UINT id);
