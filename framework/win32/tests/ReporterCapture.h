// Catches what reaches the framework's exception boundary in a test instead
// of showing it; it fails no test by itself. The window-test helpers are the
// UI test kit's (UiTestKit.h), which every test here includes through this header.
#pragma once

#include "FrameworkWin.h"
#include "UiTestKit.h"

#include <vector>

namespace lwtest {

// Collects what reaches the exception boundary instead of showing it.
class ReporterCapture {
 public:
  ReporterCapture() { m_previous = lw::SetExceptionReporter(&Record); Reports().clear(); }
  ~ReporterCapture() { lw::SetExceptionReporter(m_previous); }
  ReporterCapture(const ReporterCapture&) = delete;
  ReporterCapture& operator=(const ReporterCapture&) = delete;
  static std::vector<CString>& Reports() {
    static std::vector<CString> reports;
    return reports;
  }

 private:
  static void Record(const CString& text) { Reports().push_back(text); }
  lw::ExceptionReporter m_previous;
};

}  // namespace lwtest
