#include "WindowFinders.h"

#include "WindowReaders.h"

namespace lwtest {

std::vector<HWND> OwnWindows(const WindowTest& fits) {
  struct Search {
    const WindowTest* fits;
    std::vector<HWND> found;
  } search{&fits, {}};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND wnd, LPARAM param) -> BOOL {
        Search* s = reinterpret_cast<Search*>(param);
        if (::IsWindowVisible(wnd) && (!*s->fits || (*s->fits)(wnd))) s->found.push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindOwnWindowIf(const WindowTest& fits) {
  std::vector<HWND> found = OwnWindows(fits);
  return found.empty() ? nullptr : found.front();
}

HWND FindOwnWindow(const CString& caption) {
  return FindOwnWindowIf([&caption](HWND wnd) { return WindowText(wnd) == caption; });
}

HWND FindOwnPropertySheet() { return FindOwnWindowIf(IsPropertySheet); }

std::vector<HWND> OwnDialogs() { return OwnWindows(IsDialogWindow); }

HWND FindOwnDialog(const CString& caption, HWND except) {
  return FindOwnWindowIf([&](HWND wnd) {
    return wnd != except && IsDialogWindow(wnd) && (caption.IsEmpty() || WindowText(wnd) == caption);
  });
}

HWND FindMessageBox(const CString& part) {
  return FindOwnWindowIf([&part](HWND wnd) {
    return IsMessageBox(wnd) && (part.IsEmpty() || MessageBoxText(wnd).Find(part) >= 0);
  });
}

WindowFinder Captioned(const CString& caption) {
  return [caption] { return FindOwnWindow(caption); };
}

WindowFinder MessageBoxWith(const CString& part) {
  return [part] { return FindMessageBox(part); };
}

std::vector<HWND> ProcessWindows(DWORD processId, const WindowTest& fits) {
  struct Search {
    DWORD pid;
    const WindowTest* fits;
    std::vector<HWND> found;
  } search{processId, &fits, {}};
  ::EnumWindows(
      [](HWND wnd, LPARAM param) -> BOOL {
        Search* s = reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(wnd, &pid);
        if (pid == s->pid && ::IsWindowVisible(wnd) && (!*s->fits || (*s->fits)(wnd))) s->found.push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool ThreadSettled() { return HIWORD(::GetQueueStatus(QS_POSTMESSAGE | QS_SENDMESSAGE | QS_PAINT)) == 0; }

WindowFinder Settled(WindowFinder find) {
  return [find] { return ThreadSettled() ? find() : nullptr; };
}

HWND FindProcessWindowIf(DWORD processId, const WindowTest& fits) {
  std::vector<HWND> found = ProcessWindows(processId, fits);
  return found.empty() ? nullptr : found.front();
}

}  // namespace lwtest
