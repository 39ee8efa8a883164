// The wizard's tests start the runtime library on this thread as the
// program does, on one language file, for the length of a scope: LWStart,
// LWAddThread, and LWEnd at the end. Windows only; it makes no files and
// shows no windows.
#pragma once

#include "LwvSDK.h"

#include <windows.h>

namespace makertest {

class CMakerTestLibrary {
 public:
  explicit CMakerTestLibrary(const CString& languageFile) {
    LW_STARTPARAMS params;
    ZeroMemory(&params, sizeof(params));
    params.dwSize = sizeof(params);
    lstrcpyn(params.szStdFile, languageFile, LW_PATH_CHARS);
    m_bStarted = LWStart(&params) != FALSE;
    m_bThreadAdded = m_bStarted && LWAddThread(::GetCurrentThreadId()) != FALSE;
  }
  ~CMakerTestLibrary() {
    if (m_bStarted) LWEnd();
  }
  CMakerTestLibrary(const CMakerTestLibrary&) = delete;
  CMakerTestLibrary& operator=(const CMakerTestLibrary&) = delete;

  // Started and this thread registered.
  bool Started() const { return m_bStarted && m_bThreadAdded; }

 private:
  bool m_bStarted = false;
  bool m_bThreadAdded = false;
};

}  // namespace makertest
