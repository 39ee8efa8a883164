// The main dialog's window-free decisions: the command line, the enabling
// of controls and menu items, the title, the question on closing and how
// controls follow a resize. The dialog applies them; nothing here touches
// a window.
#pragma once

#include "Framework.h"
#include "Geometry.h"

#include <vector>

// "-p Name" / "-P Name": a project name without extension, relative to the
// current directory.
struct MakerCommandLine {
  enum Kind { kEmpty, kInvalid, kProject } kind = kEmpty;
  CString name;
};
MakerCommandLine ParseMakerCommandLine(const CString& text);

// What the enabling depends on.
struct MakerStateFlags {
  bool project = false;          // P
  bool projectModified = false;  // M
  bool loaded = false;           // L
  bool traModified = false;      // T
  bool headerComplete = false;   // program name, version and language name all given
  bool writeTestFile = false;
  bool scriptSelected = false;   // S
  int addOnsSelected = 0;        // A when above 0
};
struct MakerEnabled {
  UINT id;  // control or menu command
  bool enabled;
};
// Every control and menu item whose state depends on the flags (the add-on
// edits included), in a fixed order.
std::vector<MakerEnabled> MakerEnabling(const MakerStateFlags& flags);
// N: a project whose three header texts are all non-empty.
inline bool MakerCanSaveLanguageFile(const MakerStateFlags& f) { return f.project && f.headerComplete; }

// "Lingoweave Wizard", " - file name" with a project, " *" when modified.
CString MakerTitle(const CString& base, bool project, const CString& projectFileName, bool modified);

// The question on closing: string id 0 for none; withProject/withTra tell
// which names the text is formatted with (project file name first).
struct MakerCloseQuestion {
  UINT stringId = 0;
  UINT buttons = 0;  // MB_YESNOCANCEL or MB_YESNO
  bool withProject = false;
  bool withTra = false;
  bool saveProject = false;  // what Yes saves (Yes/No/Cancel only)
  bool saveTra = false;
};
MakerCloseQuestion MakerCloseQuestionFor(bool projectModified, bool traModified, bool complete);
enum class MakerCloseAnswer { kClose, kStay, kSaveThenClose };
MakerCloseAnswer MakerCloseAnswerFor(const MakerCloseQuestion& question, int answer);

// Menu commands are numbered from here, controls below; the about item is
// the one menu command below.
const UINT kFirstMenuCommand = 0x8000;
bool MakerIsMenuCommand(UINT id);
// Help contexts of dialogs: this base plus the template id.
const DWORD kDialogHelpBase = 0x20000;
// Whether a click at point hits the flag picture, a square of the flag's
// side whose top-left corner is the frame's.
const int kMakerFlagSide = 32;
bool MakerFlagHit(const CRect& frame, const CPoint& point);

// How a control follows a change of the client size by dx, dy.
enum class MakerResizeRule { kKeep, kGrow, kMoveRight, kMoveDown, kGrowWidth };
MakerResizeRule MakerResizeRuleFor(UINT id);
CRect MakerResized(const CRect& rect, MakerResizeRule rule, int dx, int dy);
// The ids MakerResizeRuleFor moves or grows.
std::vector<UINT> MakerResizedControls();
