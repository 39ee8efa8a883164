// What the language-switch dialog shows, without windows: its texts from the
// switch-dialog entry, the two lists of language files it offers, and the
// places of its controls and of the about box's in pixels.
#pragma once

#include "Framework.h"
#include "LwFileInfo.h"

#include <vector>

class CTraNode;

// Positions of the switch-dialog entry's children: the library and the
// resource wizard address them by these. An entry with fewer than
// LWV_SWITCH_FULL_CHILDREN children is of the earlier set.
enum LwvSwitchChild {
  LWV_SWITCH_SHOW_ALL = 0,
  LWV_SWITCH_LIST_LABEL = 1,
  LWV_SWITCH_GROUP = 2,
  LWV_SWITCH_ROW_LABEL = 3,  // version, date, author, comment: 3 to 6
  LWV_SWITCH_WARNING = 7,
  LWV_SWITCH_FAILURE = 8,
  LWV_SWITCH_COMMAND = 9,    // the menu command that opens the dialog
  LWV_SWITCH_PROMPT = 10,    // its status-bar prompt and tooltip
  LWV_SWITCH_VERSION_PREFIX = 11,
  LWV_SWITCH_OK = 12,
  LWV_SWITCH_CANCEL = 13,
  LWV_SWITCH_HELP = 14,
  LWV_SWITCH_ABOUT = 15,
  LWV_SWITCH_ABOUT_CAPTION = 16,
  LWV_SWITCH_ABOUT_INFO = 17,
  LWV_SWITCH_FULL_CHILDREN = 18
};

struct LwvSwitchTexts {
  CString caption;
  CString showAll;      // check box that shows the files of other versions
  CString listLabel;
  CString group;
  CString rowLabel[4];  // version, date, author, comment
  CString warning;      // before choosing a file of another version
  CString failure;      // after a failed switch
  CString versionPrefix;
  CString ok, cancel, help, about;
  CString aboutCaption, aboutInfo;

  // From the switch-dialog entry (its translations); missing children give
  // empty texts. A null entry gives no texts at all.
  static LwvSwitchTexts FromEntry(const CTraNode* entry);
  // The eight texts a caller supplies in place of the entry.
  static LwvSwitchTexts FromCaller(LPCTSTR caption, LPCTSTR listLabel, LPCTSTR ok, LPCTSTR cancel, LPCTSTR help,
                                   LPCTSTR versionPrefix, LPCTSTR warning, LPCTSTR failure);
};

// The translation of child i of entry, or "" when there is no such child.
CString LwvChildText(const CTraNode* entry, int i);

// The language files of the folder the dialog lists: list 1 same program
// version as the current file, list 2 other versions. Each holds at most
// kSlots files; further files are not listed.
class CLwvSwitchFileLists {
 public:
  static const int kSlots = 128;
  enum { kNone = 0, kSameVersion = 1, kOtherVersion = 2 };

  void Clear();
  // Which list a file belongs to: none for another program, or for a file
  // without the wizard mark when the current file carries it.
  static int Classify(const LW_FILEINFO& current, const LW_FILEINFO& file);
  // Classifies and appends; the list it went to, or kNone (also when full).
  int Offer(const LW_FILEINFO& current, const LW_FILEINFO& file);

  int GetCount(int list) const;
  const LW_FILEINFO& Get(int list, int i) const;
  // Files in the order the flag list shows them: list 1, then with
  // showOther list 2.
  int GetShownCount(bool showOther) const;
  // The file at a position of the flag list, or null.
  const LW_FILEINFO* AtPosition(int position, bool showOther, bool* other = nullptr) const;
  // The item text of a list-2 file: language name, new line, (prefix version).
  static CString OtherVersionText(const LW_FILEINFO& file, const CString& prefix);

 private:
  std::vector<LW_FILEINFO> m_same;
  std::vector<LW_FILEINFO> m_other;
};

// Control rectangles of the switch dialog in client pixels. W, H: client
// size; l: line height of the dialog font; labelWidth: widest row label.
struct LwvSwitchLayout {
  int buttonWidth;
  POINT banner;
  bool hasCheck, hasHelp;
  RECT check, listLabel, flagList, group;
  RECT ok, cancel, help, about;
  RECT rowLabel[4], rowValue[4];
};
LwvSwitchLayout LwvComputeSwitchLayout(int W, int H, int l, int labelWidth, bool allowOld, bool helpButton);

// The about box: lineWidth is the width of its fourth line.
struct LwvAboutLayout {
  int a;  // text width, at least 250
  POINT picture;
  RECT line[7];
  RECT ok;
  SIZE client;
};
LwvAboutLayout LwvComputeAboutLayout(int l, int lineWidth);
