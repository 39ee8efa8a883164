// The editor's help: the help file beside the program and the contexts of
// context-help clicks.
#include "DeskHelp.h"
#include "LwvPaths.h"

#include <gtest/gtest.h>

namespace {

TEST(DeskHelp, HelpFileLiesBesideTheProgram) {
  struct Case {
    const TCHAR* module;
    const TCHAR* help;
  } cases[] = {
      {_T("C:\\Programme\\WeaveDesk.exe"), _T("C:\\Programme\\WeaveDesk.hlp")},
      {_T("C:\\a.b\\WeaveDesk.exe"), _T("C:\\a.b\\WeaveDesk.hlp")},
      {_T("C:\\a.b\\WeaveDesk"), _T("")},  // the dot of a folder is no extension
      {_T("/tmp/x.y/desk"), _T("")},
      {_T("WeaveDesk"), _T("")},
      {_T(""), _T("")},
  };
  for (const Case& c : cases) EXPECT_EQ(CString(c.help), LwHelpFileOf(c.module)) << c.module;
}

TEST(DeskHelp, ContextOfACommandAControlOrTheMainWindow) {
  struct Case {
    UINT command, control;
    DWORD context;
  } cases[] = {
      {32809, 0, 0x10000 + 32809},   // a toolbar button
      {32809, 1002, 0x10000 + 32809},  // the command wins
      {0, 1002, 0x50000 + 1002},     // a control of the header view
      {0, 0xFFFF, 0x20000 + 128},    // a label: the main window
      {0, 0, 0x20000 + 128},
  };
  for (const Case& c : cases) EXPECT_EQ(c.context, DeskHelpContext(c.command, c.control, 128)) << c.command << " " << c.control;
}

}  // namespace
