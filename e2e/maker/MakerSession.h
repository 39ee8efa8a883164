// WeaveMaker as a user starts it, inside the step's process: the program's
// own application object (its language file beside it, its message boxes,
// flag picker and settings dialogs) on a command line in a folder, driven by
// the UI kit's steps; and the few actions and waits the steps share on its
// windows. It checks nothing of what the steps produce.
#pragma once

#include "UiTestKit.h"

#include <string>
#include <vector>

class CWeaveMakerDlg;

namespace e2e {

// Starts WeaveMaker's application on commandLine with folder as the current
// directory and runs it to its end; steps run inside its modal loops. The
// library's own diagnostics are kept, not shown (LibraryMessages). True
// when every step ran.
bool RunWeaveMaker(const CString& commandLine, const CString& folder, std::vector<lwtest::Step> steps);
const std::vector<CString>& LibraryMessages();

// The running program's main dialog when it is shown and settled, else null.
CWeaveMakerDlg* MakerDialog();

// A step on the main dialog: waits until it is shown, the thread settled
// and ready() holds, then acts.
lwtest::Step OnMaker(const CString& what, std::function<bool(CWeaveMakerDlg&)> ready,
                     std::function<void(CWeaveMakerDlg&)> act);
// Clicks a button of the main dialog as the user does; fails on a disabled one.
void ClickButton(CWeaveMakerDlg& dlg, int id);
// Chooses a menu command of the main dialog; fails on a grayed one. Posted:
// a dialog it opens runs in the main loop.
void ChooseMenu(CWeaveMakerDlg& dlg, UINT id);
// Closes the main dialog with "Schließen" once it has no question left.
lwtest::Step CloseMaker();

// Answers the message box whose text contains part.
lwtest::Step AnswerBox(const CString& part, int answer, const std::string& shot = std::string());
// Picks the country in the flag picker and confirms the language id.
std::vector<lwtest::Step> PickCountry(const TCHAR* country, const std::string& shot);

// A picture of a window under "e2e_<name>_de" (WeaveMaker runs in German).
void Shot(HWND wnd, const std::string& name);
// Every page of the main dialog, as "<prefix>_page<n>".
void ShotPages(CWeaveMakerDlg& dlg, const std::string& prefix);

}  // namespace e2e
