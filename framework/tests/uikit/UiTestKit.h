// The UI test kit: what every test that shows windows uses. It is test
// support only; programs never link it, and it holds no knowledge of the
// windows it drives.
//
//   Watchdog.h      lwtest::Watchdog dog(60); ends a hung test process after
//                   60 s, naming the test and every open wait (WaitingFor).
//   BoundedWait.h   EXPECT_TRUE(lwtest::WaitUntil(_T("the form closed"),
//                   [&] { return !IsWindow(form); }));  pumps this thread's
//                   messages while it waits, gives up after kWaitMs.
//   ModalDriver.h   lwtest::ModalDriver driver({
//                       lwtest::When(_T("the box \"Frage\""), lwtest::MessageBoxWith(_T("Frage")),
//                                    [](HWND box) { PostMessage(box, WM_COMMAND, IDOK, 0); }),
//                   });
//                   driver.AnswerEvery(...);   // an about box whenever it shows
//                   dialog.DoModal();          // the steps run inside its loop
//                   EXPECT_TRUE(driver.Finished());
//                   A step is {what, tryRun}: tryRun returns false until it
//                   could do its part. A step that waits past its bound fails
//                   the test with its "what" and closes the thread's dialogs.
//   WindowKinds.h   a window's class; dialog, property sheet, message box.
//   WindowFinders.h this thread's windows by caption, class, message-box text;
//                   another process's windows.
//   WindowReaders.h texts, list/combo/list-view/tree items, tab labels, menu
//                   items and states, child rectangles in dialog units.
//   Screenshot.h    SaveScreenshot(wnd, "name") into LWV_SCREENSHOT_DIR when set.
//   CStringPrinter.h (framework/tests) PrintTo for CString: EXPECT_EQ on
//                   texts prints them readably.
//   MouseDrag.h     DragMouse(bar, from, to): a press (non-client where the
//                   hit test says so), moves and the release, sent to the
//                   window that holds the capture; HoverMouse, DoubleClickMouse.
//
// Never sleep and then check: wait for the event that shows the outcome
// (a window, a text, a posted message handled), bounded. Never let a test
// reach WinHelp; no exception may leave a step (the driver catches and fails).
#pragma once

#include "BoundedWait.h"
#include "CStringPrinter.h"
#include "Watchdog.h"

#ifdef _WIN32
#include "ModalDriver.h"
#include "MouseDrag.h"
#include "Screenshot.h"
#include "WindowFinders.h"
#include "WindowKinds.h"
#include "WindowReaders.h"
#endif
