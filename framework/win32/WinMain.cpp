// The entry of a program on the class library: it defines one
// CWinApp-derived object, nothing else. A unit (and library, frameworkmain)
// of its own, so that a program with its own WinMain can use the rest.
#include "WinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int cmdShow) {
  return AfxWinMain(instance, lw::SkipProgramName(::GetCommandLine()), cmdShow);
}
