// Bounded waits for an event instead of sleeps: the condition is checked
// again after every message this thread gets (Windows) or after a short tick,
// until it holds or the time is up; the wait is named for the failure message
// and for the watchdog. It does not fail the test by itself: use the result
// in EXPECT_TRUE/ASSERT_TRUE, which prints what was waited for.
#pragma once

#include "Framework.h"

#include <gtest/gtest.h>

#include <functional>

namespace lwtest {

// Long enough for a slow Wine start on a busy machine (a process's first
// file dialog starts the shell), short enough to fail before the tests'
// watchdogs (mostly 60 s) and ctest's timeout.
const unsigned kWaitMs = 40000;

// Dispatches the messages waiting in this thread's queue, at most a thousand
// (nothing natively).
void Pump();

// Pumps until done() holds or timeoutMs have passed; pump replaces Pump()
// where the messages must take the program's way (PreTranslateMessage).
::testing::AssertionResult WaitUntil(const CString& what, const std::function<bool()>& done,
                                     unsigned timeoutMs = kWaitMs, const std::function<void()>& pump = Pump);

}  // namespace lwtest
