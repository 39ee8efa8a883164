#include "ModalDriver.h"

#include "BoundedWait.h"
#include "Watchdog.h"

#include <map>

namespace lwtest {

namespace {

std::map<UINT_PTR, ModalDriver*>& Drivers() {
  static std::map<UINT_PTR, ModalDriver*> drivers;
  return drivers;
}

}  // namespace

Step When(const CString& what, WindowFinder find, std::function<void(HWND)> act) {
  return Step{what, [find, act] {
                HWND wnd = find();
                if (!wnd) return false;
                act(wnd);
                return true;
              }};
}

void CloseOwnDialogs() {
  for (HWND dialog : OwnDialogs()) {
    if (IsPropertySheet(dialog)) {
      ::DestroyWindow(dialog);  // a sheet's loop ends only with its window
    } else {
      ::PostMessage(dialog, WM_CLOSE, 0, 0);  // a modeless dialog (EndDialog only hides it)
      ::EndDialog(dialog, 0);
    }
  }
}

ModalDriver::ModalDriver(std::vector<Step> steps, unsigned stepTimeoutMs, UINT tickMs)
    : m_steps(std::move(steps)), m_stepTimeoutMs(stepTimeoutMs), m_stepStarted(::GetTickCount()) {
  for (size_t i = 0; i < m_steps.size(); ++i)
    if (m_steps[i].what.IsEmpty()) m_steps[i].what.Format(_T("step %d of the driver"), static_cast<int>(i + 1));
  if (!m_steps.empty()) m_waiting.reset(new WaitingFor(m_steps.front().what));
  m_timer = ::SetTimer(nullptr, 0, tickMs, &Tick);
  Drivers()[m_timer] = this;
}

ModalDriver::~ModalDriver() {
  ::KillTimer(nullptr, m_timer);
  Drivers().erase(m_timer);
}

void ModalDriver::AnswerEvery(Step answer) { m_answers.push_back(Answer{std::move(answer), 0}); }

void CALLBACK ModalDriver::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Drivers().find(id);
  if (it != Drivers().end()) it->second->Run();
}

bool ModalDriver::RunGuarded(Step& step) {
  // Nothing may unwind through the system's timer dispatch.
  try {
    return step.tryRun();
  } catch (...) {
    ADD_FAILURE() << "exception in the driver step for " << CStringA(step.what).GetString();
    return true;
  }
}

void ModalDriver::Pending() {
  if (!m_waiting) return;
  if (m_next < m_steps.size())
    m_waiting->Text(m_steps[m_next].what);
  else
    m_waiting.reset();
}

void ModalDriver::Run() {
  if (!m_inAnswer) {
    m_inAnswer = true;
    for (Answer& a : m_answers)
      if (RunGuarded(a.step)) ++a.runs;
    m_inAnswer = false;
  }
  if (m_next >= m_steps.size()) return;
  if (::GetTickCount() - m_stepStarted > m_stepTimeoutMs) {
    ADD_FAILURE() << "waited " << m_stepTimeoutMs << " ms in vain for "
                  << CStringA(m_steps[m_next].what).GetString() << "; closing this thread's dialogs";
    m_timedOut = true;
    m_next = m_steps.size();
    Pending();
    CloseOwnDialogs();
    return;
  }
  if (m_inStep) return;  // a step's own modal loop
  m_inStep = true;
  while (m_next < m_steps.size() && RunGuarded(m_steps[m_next])) {
    ++m_next;
    m_stepStarted = ::GetTickCount();
    Pending();
  }
  m_inStep = false;
}

::testing::AssertionResult ModalDriver::WaitUntilFinished() {
  // The driver's own bound ends the wait; the extra second lets it report first.
  WaitUntil(_T("the driver's steps"), [this] { return m_next >= m_steps.size(); },
            m_stepTimeoutMs * static_cast<unsigned>(m_steps.size() + 1) + 1000);
  if (Finished()) return ::testing::AssertionSuccess();
  if (m_timedOut) return ::testing::AssertionFailure() << "a step timed out";
  return ::testing::AssertionFailure() << "still waiting for " << CStringA(m_steps[m_next].what).GetString();
}

}  // namespace lwtest
