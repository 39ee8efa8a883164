// Finding the windows a test drives: visible top-level windows of this thread
// (tests of both widths share one desktop, so FindWindow could return the
// other program's), dialogs by caption, message boxes by text, and windows of
// another process. Finders return null while the window is not there; they
// do not wait (see BoundedWait.h and ModalDriver.h).
#pragma once

#include "Framework.h"
#include "WindowKinds.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace lwtest {

typedef std::function<bool(HWND)> WindowTest;
typedef std::function<HWND()> WindowFinder;

// Visible top-level windows of this thread that pass fits (all without it).
std::vector<HWND> OwnWindows(const WindowTest& fits = WindowTest());
HWND FindOwnWindowIf(const WindowTest& fits);
HWND FindOwnWindow(const CString& caption);
HWND FindOwnPropertySheet();
std::vector<HWND> OwnDialogs();
// A visible dialog of this thread other than except, with that caption when one is given.
HWND FindOwnDialog(const CString& caption = CString(), HWND except = nullptr);
// A message box of this thread whose text contains part (any box without it).
HWND FindMessageBox(const CString& part = CString());

// Finders for driver steps and waits.
WindowFinder Captioned(const CString& caption);
WindowFinder MessageBoxWith(const CString& part);
// True when this thread has no posted, sent or paint message waiting.
bool ThreadSettled();
// The window found once the thread is settled: the window has done what it
// posted itself after showing.
WindowFinder Settled(WindowFinder find);

// Visible top-level windows of another process.
std::vector<HWND> ProcessWindows(DWORD processId, const WindowTest& fits = WindowTest());
HWND FindProcessWindowIf(DWORD processId, const WindowTest& fits);

}  // namespace lwtest
