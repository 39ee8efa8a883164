// The texts of the entries the library supplies, in German and English, for
// files made without windows (the sample's generator, MakeProgramTra): the
// switch dialog's strings, the standard message-box buttons and the system
// menu as a German and an English system show them. Data only; builds no
// entries (CResRecordedCapture and CResDialog::InitSwitchDialog do).
#pragma once

#include "Framework.h"
#include "StdButtonModel.h"

struct ResRecordedText {
  const char* german;   // UTF-8
  const char* english;  // UTF-8
};

// The switch dialog's English string of a string id (caption and the
// children); "" for other ids. The German ones are BuiltInSwitchText.
CString EnglishSwitchText(UINT id);

// By the button model's index: OK, Cancel, Abort, Retry, Ignore, Yes, No,
// Apply, Help, Back, Next, Finish.
extern const ResRecordedText kResButtonTexts[LWV_MB_BUTTONS];
const int kResButtonWidth = 50, kResButtonHeight = 14;  // dialog units

// Restore, move, size, minimize, maximize, close: the order in which the
// library addresses the system menu's items.
const int kResSystemMenuItems = 6;
extern const ResRecordedText kResSystemMenuTexts[kResSystemMenuItems];

// A UTF-8 text of these tables in the build's width.
CString ResRecordedString(const char* utf8);
