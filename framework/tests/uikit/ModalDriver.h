// The one way to drive modal windows: a thread timer (it fires inside every
// modal loop of the thread, the system's and the framework's) runs named
// steps in order, each as soon as its window is there, and standing answers
// whenever their window shows (also inside a step's own modal loop).
// A step that waits longer than its bound fails the test naming the window
// it waited for, and the driver closes this thread's dialogs so the modal
// call returns. It does not end hung processes (Watchdog.h) and does not
// reach windows of other threads.
#pragma once

#include "BoundedWait.h"
#include "Framework.h"
#include "Watchdog.h"
#include "WindowFinders.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

namespace lwtest {

// As BoundedWait.h's kWaitMs, per step.
const unsigned kStepTimeoutMs = kWaitMs;

struct Step {
  Step(CString what, std::function<bool()> tryRun) : what(std::move(what)), tryRun(std::move(tryRun)) {}
  // Unnamed: failures call it "step <n>" (better name it).
  template <class F, class = std::enable_if_t<std::is_invocable_r_v<bool, F&>>>
  Step(F tryRun) : tryRun(std::move(tryRun)) {}
  CString what;                 // the window or state waited for, in failures and the watchdog's message
  std::function<bool()> tryRun;  // true once it has done its part; false: again at the next tick
};

// A step that acts on the window find returns, once find returns one.
Step When(const CString& what, WindowFinder find, std::function<void(HWND)> act);

// Ends every visible dialog of this thread (sheets by destruction, modeless
// dialogs by WM_CLOSE); what a timed-out driver does.
void CloseOwnDialogs();

class ModalDriver {
 public:
  explicit ModalDriver(std::vector<Step> steps = {}, unsigned stepTimeoutMs = kStepTimeoutMs, UINT tickMs = 20);
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  // A standing answer, tried at every tick; Answered(i) counts its runs.
  void AnswerEvery(Step answer);
  int Answered(size_t index) const { return m_answers[index].runs; }

  bool Finished() const { return m_next >= m_steps.size() && !m_timedOut; }
  bool TimedOut() const { return m_timedOut; }
  // Pumps this thread until every step ran or one timed out (for windows
  // that open after the call that started them returned).
  ::testing::AssertionResult WaitUntilFinished();

 private:
  struct Answer {
    Step step;
    int runs = 0;
  };
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
  void Run();
  bool RunGuarded(Step& step);
  void Pending();

  std::vector<Step> m_steps;
  std::vector<Answer> m_answers;
  size_t m_next = 0;
  unsigned m_stepTimeoutMs;
  DWORD m_stepStarted;
  UINT_PTR m_timer = 0;
  bool m_inStep = false;
  bool m_inAnswer = false;
  bool m_timedOut = false;
  std::unique_ptr<WaitingFor> m_waiting;
};

}  // namespace lwtest
